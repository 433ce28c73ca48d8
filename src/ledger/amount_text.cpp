// Exact decimal parsing of amounts and their fixed display format.
#include "amount_text.h"

#include <algorithm>

namespace tax {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number split into its significant digits and a power of ten:
// value = digits x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

Decimal splitDecimal(std::string_view text)
{
    const std::string original(text);
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;

    Decimal d;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        d.negative = text[i++] == '-';

    std::size_t mantissaDigits = 0;
    long long fractionDigits = 0;
    while (i < end && isDigit(text[i])) {
        d.digits += text[i++];
        ++mantissaDigits;
    }
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && isDigit(text[i])) {
            d.digits += text[i++];
            ++mantissaDigits;
            ++fractionDigits;
        }
    }
    if (mantissaDigits == 0)
        throw ConversionError(original);

    long long exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        if (i == end || !isDigit(text[i]))
            throw ConversionError(original);
        // Saturate: any exponent this large already decides the result.
        while (i < end && isDigit(text[i])) {
            exponent = std::min(exponent * 10 + (text[i++] - '0'), 100000000LL);
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != end)
        throw ConversionError(original);

    const auto firstSignificant = d.digits.find_first_not_of('0');
    d.digits.erase(0, firstSignificant == std::string::npos ? d.digits.size() : firstSignificant);
    d.exponent = exponent - fractionDigits;
    return d;
}

constexpr unsigned __int128 kNegativeLimit = static_cast<unsigned __int128>(1) << 63;

// Accumulates decimal digits, failing as soon as the magnitude passes 2^63.
unsigned __int128 accumulate(std::string_view digits, std::size_t zerosAfter)
{
    unsigned __int128 value = 0;
    auto push = [&value](unsigned digit) {
        value = value * 10 + digit;
        if (value > kNegativeLimit)
            throw FloatingPointError();
    };
    for (char c : digits)
        push(static_cast<unsigned>(c - '0'));
    for (std::size_t n = 0; n < zerosAfter; ++n)
        push(0);
    return value;
}

} // namespace

Currency parseAmount(std::string_view text)
{
    const Decimal d = splitDecimal(text);
    if (d.digits.empty())
        return 0;

    // Scale by 10000: four more decimal places become whole units.
    const long long shift = d.exponent + 4;
    unsigned __int128 magnitude = 0;
    if (shift >= 0) {
        if (shift > 19)
            throw FloatingPointError();
        magnitude = accumulate(d.digits, static_cast<std::size_t>(shift));
    } else {
        const long long keep = static_cast<long long>(d.digits.size()) + shift;
        if (keep >= 0) {
            const auto whole = static_cast<std::size_t>(keep);
            magnitude = accumulate(std::string_view(d.digits).substr(0, whole), 0);
            const std::string_view dropped = std::string_view(d.digits).substr(whole);
            const bool aboveHalf = dropped[0] > '5'
                || (dropped[0] == '5' && dropped.find_first_not_of('0', 1) != std::string_view::npos);
            const bool exactlyHalf = dropped[0] == '5' && !aboveHalf;
            if (aboveHalf || (exactlyHalf && (magnitude & 1) != 0)) {
                magnitude += 1;
                if (magnitude > kNegativeLimit)
                    throw FloatingPointError();
            }
        }
        // keep < 0: the first dropped digit is an implied zero, so the value is
        // below half a unit and rounds to 0.
    }

    if (d.negative)
        return magnitude == kNegativeLimit ? std::numeric_limits<Currency>::min()
                                           : -static_cast<Currency>(magnitude);
    if (magnitude == kNegativeLimit)
        throw FloatingPointError();
    return static_cast<Currency>(magnitude);
}

std::string formatMoney(Currency amount)
{
    const bool negative = amount < 0;
    // The magnitude of the most negative amount still fits in 64 unsigned bits.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(amount)
                                             : static_cast<std::uint64_t>(amount);
    std::uint64_t cents = magnitude / 100;
    if (magnitude % 100 >= 50)
        ++cents; // halves away from zero

    std::string whole = std::to_string(cents / 100);
    for (int pos = static_cast<int>(whole.size()) - 3; pos > 0; pos -= 3)
        whole.insert(static_cast<std::size_t>(pos), 1, ',');
    const unsigned fraction = static_cast<unsigned>(cents % 100);

    std::string text = negative && cents != 0 ? "-" : "";
    text += whole;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    if (text.size() < 12)
        text.insert(0, 12 - text.size(), ' ');
    return text;
}

} // namespace tax
