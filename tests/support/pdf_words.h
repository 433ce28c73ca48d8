// The words of a PDF page with their boxes, as poppler's pdftotext finds
// them, in pixels of the 96-dpi page.
#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <vector>

struct PdfWord {
    QString text;
    QRectF box;
};

// Empty when pdftotext is missing or fails; `error` then says why.
inline std::vector<PdfWord> pdfWords(const QByteArray &pdf, QString *error)
{
    std::vector<PdfWord> words;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        *error = QStringLiteral("pdftotext is not installed (poppler-utils)");
        return words;
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        *error = QStringLiteral("cannot write the PDF");
        return words;
    }
    file.close();
    QProcess run;
    run.start(tool, {QStringLiteral("-bbox"), file.fileName(), QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) {
        *error = QStringLiteral("pdftotext failed: ") + QString::fromUtf8(run.readAllStandardError());
        return words;
    }
    // PDF points are 72 to the inch, the page's pixels 96.
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    static const QRegularExpression word(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                         QRectF(topLeft * kPixelsPerPoint, bottomRight * kPixelsPerPoint)});
    }
    return words;
}
