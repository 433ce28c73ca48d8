// The printed-return window "ออกใบเสร็จ": the A4 page of the return, filled
// from the wizard when the window is made, shown at full size with its
// preview opened over it. Closing the preview closes the window.
#pragma once

#include "printed_page.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QScrollArea;

namespace report {
class PageSurface;
class ReturnPreview;
}

class TFormbil : public QWidget {
    Q_OBJECT
public:
    using MessageBox = std::function<void(QWidget *parent, const QString &text)>;

    // Fills the page from the wizard window's controls. Throws the conversion
    // error of an entered amount that is not a number; no window is left then.
    // `showMessage` shows the program's message boxes.
    TFormbil(const QWidget &wizard, MessageBox showMessage, QWidget *parent);
    ~TFormbil() override;

    const report::PrintedPage &page() const { return m_page; }
    // The open preview, or null.
    report::ReturnPreview *preview() const;

    // On the page but never printed.
    QPushButton *BitBtn2 = nullptr; // "พิมพ์"
    QPushButton *BitBtn1 = nullptr; // "ปิด"
    QMenu *popprint = nullptr;
    QAction *N1 = nullptr; // "&พิมพ์"
    QAction *N2 = nullptr; // "&ออก"

    void FormCreate(const QWidget &wizard);
    void BitBtn2Click();
    void N1Click();
    void BitBtn1Click();
    void N2Click();

    // Shows the window maximized with the preview over it.
    void showWithPreview();
    // Opens the preview, or brings it forward when it is open already.
    void openPreview();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildWindow();
    QString suggestedFileName() const;

    report::PrintedPage m_page;
    MessageBox m_showMessage;
    QScrollArea *m_scroll = nullptr;
    report::PageSurface *m_surface = nullptr;
    QPointer<report::ReturnPreview> m_preview;
};
