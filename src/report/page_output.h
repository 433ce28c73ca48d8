// The printed page on paper and in a PDF file: each device draws the same
// page, scaled from the 96-dpi page to its resolution.
#pragma once

#include <QString>

class QIODevice;
class QPagedPaintDevice;
class QPrinter;

namespace report {

class PrintedPage;

// The name under which the page is printed and previewed.
QString documentName();

// A4 portrait, painted from the sheet's corner, one copy, one-sided.
void preparePrinter(QPrinter &printer);

// Paints the page onto a printer or PDF writer set up for the whole A4 sheet;
// false when no painter could start on it, so that nothing was drawn.
bool renderPage(QPagedPaintDevice &device, const PrintedPage &page);

// Writes the page as a one-page A4 PDF whose text copies and searches as
// printed; false when the device takes no data
// or the page could not be drawn on it.
bool writePdf(QIODevice &out, const PrintedPage &page);
bool writePdf(const QString &fileName, const PrintedPage &page);

// After the page was printed into a PDF file from the print dialog, mends
// that file's text layer as writePdf does; true when there was nothing to
// mend or it was mended.
bool mendPrintedPdf(QPrinter &printer);

} // namespace report
