// The preview of the printed return: the page as it will print, with the
// preview's own commands for the printer, copies and page set-up, and one
// more that saves the page as a PDF file.
#pragma once

#include <QPrintPreviewDialog>

#include <functional>

class QAction;

namespace report {

class PrintedPage;

class ReturnPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    using MessageBox = std::function<void(QWidget *parent, const QString &text)>;

    // `showMessage` is the program's message box, for a file that cannot be written.
    ReturnPreview(const PrintedPage &page, const QString &suggestedFileName, MessageBox showMessage,
                  QWidget *parent);

    // "บันทึกเป็น PDF": asks for a file name and writes the page there.
    QAction *savePdf = nullptr;
    void savePdfClick();

    // Asks where to save and gives the file to write, with its suffix, once
    // the user has agreed to replace it if it exists; an empty answer
    // cancels. Replaceable so the saving can be driven without a file dialog.
    std::function<QString(QWidget *parent, const QString &suggested)> chooseFile;

private:
    const PrintedPage &m_page;
    QString m_suggestedFileName;
    MessageBox m_showMessage;
};

} // namespace report
