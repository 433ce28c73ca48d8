// The main window: the service's picture, the start and exit buttons, and the
// usage counter panel called up with F9, which is built when it is first
// needed (F9 or the first start), so that start-up does not wait for it.
#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class PictureView;
namespace ui { class BevelPanel; }

class TFmain : public QWidget {
    Q_OBJECT
public:
    // `aboutBox` is shown by the wizard's "&About" item.
    explicit TFmain(QWidget *aboutBox = nullptr, QWidget *parent = nullptr);
    void setAboutBox(QWidget *aboutBox) { m_aboutBox = aboutBox; }

    PictureView *Image1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *exitbutton = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N3 = nullptr; // the language: "English", in English "ภาษาไทย"
    QAction *N2 = nullptr;
    // The counter panel and what it holds: null until the panel is first needed.
    ui::BevelPanel *Panel1 = nullptr;
    ui::BevelPanel *Panel2 = nullptr;
    ui::BevelPanel *Panel3 = nullptr;
    ui::BevelPanel *Panel4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Lcount = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *Button1 = nullptr;

    void BitBtn2Click();
    void exitbuttonClick();
    void N1Click();
    void N3Click();
    void N2Click();
    void Panel1Click();
    void Button1Click();

signals:
    // The window was closed: the program ends.
    void closed();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Builds the counter panel, hidden, unless it was built before.
    void buildCounterPanel();
    // The window's texts in the language chosen.
    void showTexts();
    void showCounterTexts(); // the counter panel's, once it is built
    void setCounterShown(bool shown);

    QWidget *m_aboutBox = nullptr;
};
