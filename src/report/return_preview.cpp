// The preview window and its PDF command.
#include "return_preview.h"

#include "page_output.h"
#include "printed_page.h"
#include "utf8_text.h"

#include <QAction>
#include <QDir>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

namespace report {

namespace {

// The dialog itself adds ".pdf" to a name typed without a suffix, before it
// asks whether an existing file may be replaced, so the file it asked about
// is the file written. Qt's own dialog does this the same way on every
// desktop; a native one may ask about the name as typed.
QString askForPdfFile(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, ui::text("บันทึกเป็น PDF"), QFileInfo(suggested).path(),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setObjectName("pdfFileDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

ReturnPreview::ReturnPreview(const PrintedPage &page, const QString &suggestedFileName, MessageBox showMessage,
                             QWidget *parent)
    : QPrintPreviewDialog(parent),
      chooseFile(askForPdfFile),
      m_page(page),
      m_suggestedFileName(suggestedFileName),
      m_showMessage(std::move(showMessage))
{
    setObjectName("preview");
    // The window is captioned with the form's name in the language chosen; the
    // page itself and the document's own name stay the Thai form.
    setWindowTitle(ui::text("แบบแสดงรายการภาษีเงินได้บุคคลธรรมดา ภ.ง.ด. 91"));
    preparePrinter(*printer());
    // Printing to a file suggests the name and folder of the PDF save. The
    // print dialog still selects the default printer where there is one.
    printer()->setOutputFileName(QDir(defaultFolder()).filePath(m_suggestedFileName));
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        if (renderPage(*target, m_page))
            mendPrintedPdf(*target);
    });

    savePdf = new QAction(style()->standardIcon(QStyle::SP_DialogSaveButton), ui::text("บันทึกเป็น PDF"), this);
    savePdf->setObjectName("savePdf");
    savePdf->setShortcut(QKeySequence::Save);
    connect(savePdf, &QAction::triggered, this, &ReturnPreview::savePdfClick);
    if (auto *toolBar = findChild<QToolBar *>()) {
        toolBar->addSeparator();
        toolBar->addAction(savePdf);
    }
    // The preview shows the page as a picture; a screen reader gets its text.
    if (auto *view = findChild<QPrintPreviewWidget *>()) {
        view->setAccessibleName(documentName());
        view->setAccessibleDescription(m_page.readingText());
    }
}

void ReturnPreview::savePdfClick()
{
    // The name is written as the dialog gives it: the dialog has asked about
    // that file.
    const QString fileName = chooseFile(this, QDir(defaultFolder()).filePath(m_suggestedFileName));
    if (fileName.isEmpty())
        return;
    if (!writePdf(fileName, m_page) && m_showMessage)
        m_showMessage(this, ui::text("บันทึกแฟ้ม %1 ไม่ได้ !!!").arg(QDir::toNativeSeparators(fileName)));
}

} // namespace report
