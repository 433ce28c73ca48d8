// What poppler finds in a PDF page: its text, its words with their boxes in
// pixels of the 96-dpi page, and its picture.
#pragma once

#include <QImage>
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

// Runs a poppler tool on the PDF, whose path takes the place of "%pdf" in
// the arguments (and the folder's path that of "%dir"); its output, or empty
// with `error` saying why.
inline QByteArray runPoppler(const QString &name, QStringList arguments, const QByteArray &pdf, QString *error,
                             const QString &outputFile = {})
{
    const QString tool = QStandardPaths::findExecutable(name);
    if (tool.isEmpty()) {
        *error = name + QStringLiteral(" is not installed (poppler-utils)");
        return {};
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        *error = QStringLiteral("cannot write the PDF");
        return {};
    }
    file.close();
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("%pdf"), file.fileName()).replace(QStringLiteral("%dir"), dir.path());
    QProcess run;
    run.start(tool, arguments);
    if (!run.waitForFinished(30000) || run.exitCode() != 0) {
        *error = name + QStringLiteral(" failed: ") + QString::fromUtf8(run.readAllStandardError());
        return {};
    }
    if (outputFile.isEmpty())
        return run.readAllStandardOutput();
    QFile output(dir.filePath(outputFile));
    return output.open(QIODevice::ReadOnly) ? output.readAll() : QByteArray();
}

// The page's text as pdftotext gives it.
inline QString pdfText(const QByteArray &pdf, QString *error)
{
    return QString::fromUtf8(runPoppler(QStringLiteral("pdftotext"), {QStringLiteral("%pdf"), QStringLiteral("-")}, pdf, error));
}

// The first page drawn by pdftoppm at 96 dots per inch, without smoothing.
inline QImage pdfPicture(const QByteArray &pdf, QString *error)
{
    const QByteArray png = runPoppler(QStringLiteral("pdftoppm"),
                                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                       QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                                       QStringLiteral("no"), QStringLiteral("-singlefile"), QStringLiteral("%pdf"),
                                       QStringLiteral("%dir/page")},
                                      pdf, error, QStringLiteral("page.png"));
    return QImage::fromData(png, "PNG");
}

// Empty when pdftotext is missing or fails; `error` then says why.
inline std::vector<PdfWord> pdfWords(const QByteArray &pdf, QString *error)
{
    std::vector<PdfWord> words;
    const QByteArray found = runPoppler(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-bbox"), QStringLiteral("%pdf"), QStringLiteral("-")}, pdf, error);
    if (found.isEmpty())
        return words;
    // PDF points are 72 to the inch, the page's pixels 96.
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    static const QRegularExpression word(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    const QString html = QString::fromUtf8(found);
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                         QRectF(topLeft * kPixelsPerPoint, bottomRight * kPixelsPerPoint)});
    }
    return words;
}
