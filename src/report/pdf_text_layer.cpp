// Mending the text layer of the PDFs the page is written as: the fonts'
// glyph-to-text maps and marked spans for sara am, written back with a new
// cross-reference table.
#include "pdf_text_layer.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace report {

namespace {

constexpr char16_t kTab = 0x0009;
constexpr char16_t kSpace = 0x0020;
constexpr char16_t kSaraAa = 0x0E32;
constexpr char16_t kSaraAm = 0x0E33;
constexpr char16_t kNikhahit = 0x0E4D;

// From U+F700: the letter each positioned glyph of the Thai fonts draws, as
// their glyph names say (uni0E48.low at U+F70A); 0 where no glyph is placed.
constexpr char16_t kFirstPositioned = 0xF700;
constexpr char16_t kPositioned[] = {
    0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, // tho than without its tail; sara i to sara uee to the left
    0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // tone marks lower and to the left
    0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // tone marks lower
    0x0E0D, 0x0E31, 0x0E4D, 0x0E47,         // yo ying without its tail; mai han-akat, nikhahit, maitaikhu to the left
    0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // tone marks to the left
    0x0E38, 0x0E39, 0x0E3A,                 // sara u, sara uu and phinthu lower
    0,      0,      0,
    0x0E4D, 0x0E47, 0x0E4E, // nikhahit, maitaikhu and yamakkan higher
};

// The letter a positioned glyph draws; other code points stay.
char16_t basicThaiLetter(char16_t codePoint)
{
    const size_t index = size_t(codePoint - kFirstPositioned);
    if (codePoint < kFirstPositioned || index >= std::size(kPositioned) || kPositioned[index] == 0)
        return codePoint;
    return kPositioned[index];
}

// The Thai vowels and signs drawn above or below a letter.
bool isThaiMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x0E31 || (u >= 0x0E34 && u <= 0x0E3A) || (u >= 0x0E47 && u <= 0x0E4E);
}

QByteArray hex16(char16_t u)
{
    return QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
}

QByteArray hexText(const QString &text)
{
    QByteArray hex;
    for (const QChar c : text)
        hex += hex16(c.unicode());
    return hex;
}

QString fromHex(const QByteArray &hex)
{
    QString text;
    for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
        text += QChar(char16_t(hex.mid(i, 4).toUInt(nullptr, 16)));
    return text;
}

// One object of the file: "n g obj ... endobj" with what follows it up to the next.
struct PdfObject {
    int number = 0;
    int generation = 0;
    QByteArray bytes;
};

struct PdfFile {
    QByteArray head;                // the header, up to the first object
    std::vector<PdfObject> objects; // in the file's order
    QByteArray trailer;             // "trailer << ... >>\n"
    int size = 0;                   // the cross-reference table's length

    PdfObject *find(int number)
    {
        const auto it = std::find_if(objects.begin(), objects.end(), [&](const PdfObject &o) { return o.number == number; });
        return it == objects.end() ? nullptr : &*it;
    }
};

// Splits the file at the offsets its single cross-reference table gives.
std::optional<PdfFile> splitObjects(const QByteArray &pdf)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    if (startxref < 0 || trailer < 0 || trailer > startxref)
        return std::nullopt;
    bool ok = false;
    const qsizetype xref = pdf.mid(startxref + 9, 24).simplified().split(' ').value(0).toLongLong(&ok);
    if (!ok || xref <= 0 || xref >= trailer || !pdf.mid(xref).startsWith("xref"))
        return std::nullopt;
    const QList<QByteArray> table = pdf.mid(xref, trailer - xref).split('\n');
    PdfFile file;
    std::vector<std::pair<qsizetype, int>> starts; // offset, number
    for (qsizetype line = 1; line < table.size();) {
        const QList<QByteArray> section = table[line].simplified().split(' ');
        if (section.size() != 2)
            break;
        const int first = section[0].toInt();
        const int count = section[1].toInt();
        file.size = std::max(file.size, first + count);
        for (int i = 0; i < count; ++i) {
            const QList<QByteArray> entry = table.value(line + 1 + i).simplified().split(' ');
            if (entry.size() != 3)
                return std::nullopt;
            if (entry[2] == "n")
                starts.emplace_back(entry[0].toLongLong(), first + i);
        }
        line += 1 + count;
    }
    if (starts.empty())
        return std::nullopt;
    std::sort(starts.begin(), starts.end());
    file.head = pdf.left(starts.front().first);
    for (size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].first : xref;
        PdfObject object{starts[i].second, 0, pdf.mid(starts[i].first, end - starts[i].first)};
        const QList<QByteArray> words = object.bytes.left(32).simplified().split(' ');
        if (words.size() < 3 || words[0].toInt() != object.number || words[2] != "obj")
            return std::nullopt;
        object.generation = words[1].toInt();
        file.objects.push_back(object);
    }
    file.trailer = pdf.mid(trailer, startxref - trailer);
    return file;
}

QByteArray joinObjects(const PdfFile &file)
{
    QByteArray out = file.head;
    std::map<int, std::pair<qsizetype, int>> offsets;
    for (const PdfObject &object : file.objects) {
        offsets[object.number] = {out.size(), object.generation};
        out += object.bytes;
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(file.size) + "\n";
    for (int n = 0; n < file.size; ++n) {
        const auto it = offsets.find(n);
        if (it == offsets.end())
            out += "0000000000 65535 f \n";
        else
            out += QByteArray::number(it->second.first).rightJustified(10, '0') + ' ' +
                   QByteArray::number(it->second.second).rightJustified(5, '0') + " n \n";
    }
    out += file.trailer + "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

// The dictionary and the data of a stream object, its filter undone.
struct PdfStream {
    QByteArray dictionary;
    QByteArray data;
    bool deflated = false;
};

std::optional<PdfStream> readStream(PdfFile &file, const PdfObject &object)
{
    const qsizetype open = object.bytes.indexOf("<<");
    const qsizetype keyword = object.bytes.indexOf("stream");
    if (open < 0 || keyword < open)
        return std::nullopt;
    PdfStream stream{object.bytes.mid(open, keyword - open).trimmed(), {}, false};
    static const QRegularExpression length(QStringLiteral("/Length (\\d+)(?: (\\d+) R)?"));
    const auto match = length.match(QString::fromLatin1(stream.dictionary));
    if (!match.hasMatch())
        return std::nullopt;
    qsizetype size = match.captured(1).toLongLong();
    if (match.hasCaptured(2)) {
        const PdfObject *holder = file.find(int(size));
        if (!holder)
            return std::nullopt;
        const QByteArray body = holder->bytes.mid(holder->bytes.indexOf("obj") + 3);
        size = body.left(body.indexOf("endobj")).trimmed().toLongLong();
    }
    qsizetype start = keyword + 6;
    if (object.bytes.mid(start, 2) == "\r\n")
        start += 2;
    else if (object.bytes.mid(start, 1) == "\n")
        start += 1;
    if (size <= 0 || start + size > object.bytes.size())
        return std::nullopt;
    stream.data = object.bytes.mid(start, size);
    stream.deflated = stream.dictionary.contains("/FlateDecode");
    if (stream.deflated) {
        // qUncompress wants the length first; it grows its buffer as needed.
        QByteArray sized(4, '\0');
        const quint32 guess = quint32(std::min<qsizetype>(size * 16, 1 << 26));
        for (int i = 0; i < 4; ++i)
            sized[i] = char((guess >> (24 - 8 * i)) & 0xff);
        stream.data = qUncompress(sized + stream.data);
        if (stream.data.isEmpty())
            return std::nullopt;
    }
    return stream;
}

void writeStream(PdfObject &object, const PdfStream &stream)
{
    const QByteArray data = stream.deflated ? qCompress(stream.data).mid(4) : stream.data;
    QByteArray dictionary = stream.dictionary;
    static const QRegularExpression length(QStringLiteral("/Length \\d+(?: \\d+ R)?"));
    dictionary = QString::fromLatin1(dictionary).replace(length, QStringLiteral("/Length %1").arg(data.size())).toLatin1();
    object.bytes = QByteArray::number(object.number) + ' ' + QByteArray::number(object.generation) + " obj\n" +
                   dictionary + "\nstream\n" + data + "\nendstream\nendobj\n";
}

// A font's glyph-to-text map: each glyph number with its text.
using GlyphTexts = std::map<int, QString>;

GlyphTexts readGlyphTexts(const QByteArray &cmap)
{
    GlyphTexts texts;
    static const QRegularExpression section(QStringLiteral("beginbf(range|char)(.*?)endbf\\1"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression range(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(<[0-9A-Fa-f]*>|\\[[^\\]]*\\])"));
    static const QRegularExpression single(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]*)>"));
    static const QRegularExpression each(QStringLiteral("<([0-9A-Fa-f]*)>"));
    for (auto s = section.globalMatch(QString::fromLatin1(cmap)); s.hasNext();) {
        const auto sm = s.next();
        const bool isRange = sm.captured(1) == QLatin1String("range");
        for (auto e = (isRange ? range : single).globalMatch(sm.captured(2)); e.hasNext();) {
            const auto m = e.next();
            const int first = m.captured(1).toInt(nullptr, 16);
            if (!isRange) {
                texts[first] = fromHex(m.captured(2).toLatin1());
                continue;
            }
            const int last = m.captured(2).toInt(nullptr, 16);
            const QString target = m.captured(3);
            if (target.startsWith(QLatin1Char('['))) {
                int glyph = first;
                for (auto t = each.globalMatch(target); t.hasNext() && glyph <= last; ++glyph)
                    texts[glyph] = fromHex(t.next().captured(1).toLatin1());
            } else {
                const QString base = fromHex(target.mid(1, target.size() - 2).toLatin1());
                for (int glyph = first; glyph <= last && !base.isEmpty(); ++glyph) {
                    QString text = base;
                    text.back() = QChar(char16_t(base.back().unicode() + (glyph - first)));
                    texts[glyph] = text;
                }
            }
        }
    }
    return texts;
}

QByteArray writeGlyphTexts(const GlyphTexts &texts)
{
    QByteArray cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // At most 100 entries a section.
    for (auto it = texts.begin(); it != texts.end();) {
        QByteArray entries;
        int count = 0;
        for (; it != texts.end() && count < 100; ++it, ++count)
            entries += '<' + hex16(char16_t(it->first)) + "> <" + hexText(it->second) + ">\n";
        cmap += QByteArray::number(count) + " beginbfchar\n" + entries + "endbfchar\n";
    }
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

// The texts with each glyph's letter; true when any changed.
bool mendGlyphTexts(GlyphTexts &texts)
{
    bool changed = false;
    for (auto &[glyph, text] : texts) {
        for (QChar &c : text) {
            const char16_t mended = c.unicode() == kTab ? kSpace : basicThaiLetter(c.unicode());
            if (mended != c.unicode()) {
                c = QChar(mended);
                changed = true;
            }
        }
    }
    return changed;
}

// The text a Thai letter with its marks was typed as, from its glyphs' texts:
// the marks in their canonical order, and a sara am for a nikhahit followed
// by a sara aa.
QString typedCluster(const QString &drawn)
{
    QString text = drawn;
    if (text.endsWith(QChar(kSaraAa))) {
        const qsizetype nikhahit = text.indexOf(QChar(kNikhahit));
        if (nikhahit >= 0) {
            text.remove(nikhahit, 1);
            text.back() = QChar(kSaraAm);
        }
    }
    return text.normalized(QString::NormalizationForm_C);
}

// Marks each letter drawn with Thai marks with the text it was typed as:
// HarfBuzz draws a tone mark before a vowel below its letter and a sara am
// as a nikhahit, set before any mark above, and a sara aa; a mark moved to
// the left would end a word early.
bool markClusters(QByteArray &content, const std::map<QByteArray, GlyphTexts> &fonts)
{
    struct Glyph {
        qsizetype start, end;
        QString text;
        int textObject;
    };
    if (content.contains("/ActualText"))
        return false; // mended already
    std::vector<Glyph> glyphs;
    static const QRegularExpression ops(QStringLiteral("/(\\S+) [-\\d.]+ Tf|<([0-9A-Fa-f]{4})> Tj|\\bET\\b"));
    const GlyphTexts *font = nullptr;
    int textObject = 0;
    for (auto it = ops.globalMatch(QString::fromLatin1(content)); it.hasNext();) {
        const auto m = it.next();
        if (m.hasCaptured(1)) {
            const auto found = fonts.find(m.captured(1).toLatin1());
            font = found == fonts.end() ? nullptr : &found->second;
        } else if (m.hasCaptured(2)) {
            QString text;
            if (font) {
                if (const auto found = font->find(m.captured(2).toInt(nullptr, 16)); found != font->end())
                    text = found->second;
            }
            glyphs.push_back({m.capturedStart(), m.capturedEnd(), text, textObject});
        } else {
            ++textObject;
        }
    }
    const auto isMark = [&](size_t k, size_t base) {
        return k < glyphs.size() && glyphs[k].textObject == glyphs[base].textObject && glyphs[k].text.size() == 1 &&
               isThaiMark(glyphs[k].text.front());
    };
    std::vector<std::pair<qsizetype, QByteArray>> inserts;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        size_t j = i + 1;
        QString drawn = glyphs[i].text;
        for (; isMark(j, i); ++j)
            drawn += glyphs[j].text;
        if (j == i + 1)
            continue;
        // The text takes the width of the glyphs carrying it, up to the next
        // letter: a sara aa ends the letter, else the letter itself does and
        // its marks carry no text.
        const bool saraAm = drawn.contains(QChar(kNikhahit)) && j < glyphs.size() &&
                            glyphs[j].textObject == glyphs[i].textObject && glyphs[j].text == QString(QChar(kSaraAa));
        if (saraAm)
            drawn += glyphs[j++].text;
        inserts.emplace_back(glyphs[i].start, "/Span << /ActualText <FEFF" + hexText(typedCluster(drawn)) + "> >> BDC ");
        if (!saraAm) {
            inserts.emplace_back(glyphs[i].end, " EMC");
            inserts.emplace_back(glyphs[i + 1].start, "/Span << /ActualText () >> BDC ");
        }
        inserts.emplace_back(glyphs[j - 1].end, " EMC");
        i = j - 1;
    }
    for (auto it = inserts.rbegin(); it != inserts.rend(); ++it)
        content.insert(it->first, it->second);
    return !inserts.empty();
}

} // namespace

QByteArray mendTextLayer(const QByteArray &pdf)
{
    std::optional<PdfFile> file = splitObjects(pdf);
    if (!file)
        return pdf;
    static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode (\\d+) \\d+ R"));
    static const QRegularExpression fontResources(QStringLiteral("/Font\\s*<<([^>]*)>>"));
    static const QRegularExpression fontReference(QStringLiteral("/(\\S+)\\s+(\\d+) \\d+ R"));
    static const QRegularExpression contents(QStringLiteral("/Contents (\\d+) \\d+ R"));

    // Each font's mended map, by the font object's number.
    std::map<int, GlyphTexts> fontTexts;
    for (const PdfObject &object : file->objects) {
        const auto m = toUnicode.match(QString::fromLatin1(object.bytes.left(4096)));
        if (!m.hasMatch())
            continue;
        PdfObject *cmapObject = file->find(m.captured(1).toInt());
        std::optional<PdfStream> cmap = cmapObject ? readStream(*file, *cmapObject) : std::nullopt;
        if (!cmap)
            return pdf;
        GlyphTexts texts = readGlyphTexts(cmap->data);
        if (mendGlyphTexts(texts)) {
            cmap->data = writeGlyphTexts(texts);
            writeStream(*cmapObject, *cmap);
        }
        fontTexts[object.number] = texts;
    }
    // The fonts by the names the pages' contents use.
    std::map<QByteArray, GlyphTexts> fonts;
    for (const PdfObject &object : file->objects) {
        const QString text = QString::fromLatin1(object.bytes.left(4096));
        for (auto r = fontResources.globalMatch(text); r.hasNext();) {
            const QString names = r.next().captured(1);
            for (auto f = fontReference.globalMatch(names); f.hasNext();) {
                const auto m = f.next();
                const auto found = fontTexts.find(m.captured(2).toInt());
                if (found != fontTexts.end())
                    fonts[m.captured(1).toLatin1()] = found->second;
            }
        }
    }
    std::vector<int> pages;
    for (const PdfObject &object : file->objects) {
        if (const auto m = contents.match(QString::fromLatin1(object.bytes.left(4096))); m.hasMatch())
            pages.push_back(m.captured(1).toInt());
    }
    for (const int number : pages) {
        PdfObject *page = file->find(number);
        std::optional<PdfStream> content = page ? readStream(*file, *page) : std::nullopt;
        if (!content)
            return pdf;
        if (markClusters(content->data, fonts))
            writeStream(*page, *content);
    }
    return joinObjects(*file);
}

} // namespace report
