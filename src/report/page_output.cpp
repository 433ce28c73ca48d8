// Printing and PDF writing of the printed page.
#include "page_output.h"

#include "pdf_text_layer.h"
#include "printed_page.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace report {

namespace {

QPageLayout wholeSheet()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

} // namespace

QString documentName()
{
    return QStringLiteral("แบบแสดงรายการภาษีเงินได้บุคคลธรรมดา ภ.ง.ด. 91");
}

void preparePrinter(QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(wholeSheet());
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setDocName(documentName());
}

bool renderPage(QPagedPaintDevice &device, const PrintedPage &page)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    // Printers and PDF writers count in dots of their own resolution; the page
    // is laid out at 96 dots per inch from the sheet's top-left corner.
    // On another paper or turned sideways the page keeps its proportions.
    const QRect sheet = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const double scale = std::min(sheet.width() / double(kPageSize.width()), sheet.height() / double(kPageSize.height()));
    painter.scale(scale, scale);
    page.paint(painter);
    return painter.end();
}

bool writePdf(QIODevice &out, const PrintedPage &page)
{
    if (!out.isOpen() && !out.open(QIODevice::WriteOnly))
        return false;
    if (!out.isWritable())
        return false;
    // Written in memory first: its text layer is mended before it is kept.
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QPdfWriter writer(&written);
    writer.setPageLayout(wholeSheet());
    writer.setTitle(documentName());
    writer.setCreator(QStringLiteral("varo91"));
    if (!renderPage(writer, page))
        return false;
    const QByteArray pdf = mendTextLayer(written.data());
    return out.write(pdf) == pdf.size();
}

bool mendPrintedPdf(QPrinter &printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty() ||
        !printer.paintEngine() || printer.paintEngine()->type() != QPaintEngine::Pdf)
        return true;
    // The preview paints into pictures; only a printer that wrote the file
    // gets here.
    QFile file(printer.outputFileName());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray written = file.readAll();
    file.close();
    const QByteArray pdf = mendTextLayer(written);
    if (pdf == written)
        return true;
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pdf) == pdf.size() && file.flush();
}

bool writePdf(const QString &fileName, const PrintedPage &page)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool drawn = writePdf(file, page);
    file.close();
    return drawn && file.error() == QFileDevice::NoError;
}

} // namespace report
