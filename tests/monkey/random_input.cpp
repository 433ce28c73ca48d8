// Random texts for the monkey.
#include "random_input.h"

#include <QStringList>

namespace monkey {

std::uint64_t Random::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Random::below(int n)
{
    return n <= 0 ? 0 : int(next() % std::uint64_t(n));
}

namespace {

QString digits(Random &random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + random.below(10));
    return text;
}

// Pieces that make up the odd texts.
const std::vector<QString> kPieces{
    QStringLiteral("นายสมชาย"), QStringLiteral("ใจดี"), QStringLiteral("๑๒๓"), QStringLiteral("บาท"),
    QStringLiteral("ก"), QStringLiteral("่"), QStringLiteral(" "), QStringLiteral("   "), QStringLiteral("-"),
    QStringLiteral("+"), QStringLiteral("."), QStringLiteral(","), QStringLiteral("1,000"), QStringLiteral("1 000"),
    QStringLiteral("1e5"), QStringLiteral("1E-3"), QStringLiteral("e"), QStringLiteral("1.2.3"), QStringLiteral("0"),
    QStringLiteral("00"), QStringLiteral("0.0"), QStringLiteral("-0"), QStringLiteral("99999999999999999999"),
    QStringLiteral("922337203685477.5807"), QStringLiteral("922337203685477.5808"), QStringLiteral("-922337203685477.5808"),
    QStringLiteral("1e300"), QStringLiteral("1e-300"), QStringLiteral("1e99999999999"), QStringLiteral("0.00005"),
    QStringLiteral("0.00015"), QStringLiteral("$"), QStringLiteral("abc"), QStringLiteral("NaN"), QStringLiteral("inf"),
    QStringLiteral("0x10"), QStringLiteral("½"), QStringLiteral("١٢٣"), QStringLiteral("１２３"),
};

// Characters a keyboard cannot type but a paste can bring in.
const std::vector<QString> kControls{
    QStringLiteral("\t"), QStringLiteral("\n"), QStringLiteral("\r\n"), QString(QChar(0)), QString(QChar(0x01)),
    QString(QChar(0x1b)), QString(QChar(0x7f)), QString(QChar(0x200b)), QString(QChar(0xfeff)), QString(QChar(0x202e)),
    QString(QChar(0xd800)),
};

QString piece(Random &random)
{
    switch (random.below(6)) {
    case 0: return validAmount(random);
    case 1: return digits(random, 1 + random.below(25));
    case 2: return QStringLiteral("-") + validAmount(random);
    default: return random.pick(kPieces);
    }
}

} // namespace

QString anyText(Random &random)
{
    switch (random.below(10)) {
    case 0: return QString();
    case 1: return validAmount(random);
    case 2: return validSalary(random);
    case 3: return random.percent(50) ? validCitizenId(random) : validTaxpayerId(random);
    default: break;
    }
    QString text;
    const int pieces = 1 + random.below(3);
    for (int i = 0; i < pieces; ++i)
        text += piece(random);
    return text;
}

QString pastedText(Random &random)
{
    switch (random.below(4)) {
    case 0: {
        // A very long text.
        const QString unit = random.percent(50) ? digits(random, 1 + random.below(3)) : random.pick(kPieces);
        return unit.repeated(1 + random.below(3000 / std::max<int>(1, int(unit.size()))));
    }
    case 1:
        return digits(random, 20 + random.below(400));
    default: {
        QString text = anyText(random);
        const int controls = 1 + random.below(3);
        for (int i = 0; i < controls; ++i)
            text.insert(random.below(int(text.size()) + 1), random.pick(kControls));
        return text;
    }
    }
}

QString validAmount(Random &random)
{
    QString text = digits(random, 1 + random.below(7));
    if (random.percent(30))
        text += QStringLiteral(".") + digits(random, 1 + random.below(4));
    return text;
}

QString validSalary(Random &random)
{
    return QString::number(1 + random.below(3000000));
}

QString validCount(Random &random)
{
    return QString::number(random.below(random.percent(80) ? 6 : 60));
}

QString validCitizenId(Random &random)
{
    QString id = digits(random, 12);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += id[i].digitValue() * (13 - i);
    return id + QString::number((11 - sum % 11) % 10);
}

QString validTaxpayerId(Random &random)
{
    QString id = digits(random, 9);
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += id[i].digitValue() * (i % 2 == 0 ? 3 : 1);
    return id + QString::number((10 - sum % 10) % 10);
}

} // namespace monkey
