// Fuzz target for the amount conversion tax::parseAmount: the input is a
// field's text. Checks which texts are numbers, the value against the C
// library's long double conversion, exact rounding halves to even, and that
// an accepted amount survives the money format.
#include "fuzz_check.h"

#include "amount_text.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using fuzz::Wide;
using Outcome = fuzz::Conversion::Outcome;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The texts the conversion takes: blanks, an optional sign, digits with at
// most one point and at least one digit, an optional exponent ("e" or "E",
// an optional sign, at least one digit), blanks. Blanks are spaces only.
// Gives the text without its blanks.
bool isPlainNumber(std::string_view text, std::string &number)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    number = std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t &at) {
        const std::size_t start = at;
        while (at < number.size() && isDigit(number[at]))
            ++at;
        return at - start;
    };
    if (number[i] == '+' || number[i] == '-')
        ++i;
    std::size_t mantissa = digitsFrom(i);
    if (i < number.size() && number[i] == '.') {
        ++i;
        mantissa += digitsFrom(i);
    }
    if (mantissa == 0)
        return false;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        if (digitsFrom(i) == 0)
            return false;
    }
    return i == number.size();
}

// The exact decimal text of an amount in baht with all four places.
std::string exactText(tax::Currency amount)
{
    const Wide m = fuzz::magnitude(amount);
    std::string places = fuzz::decimal(m % 10000);
    places.insert(0, 4 - places.size(), '0');
    return (amount < 0 ? "-" : "") + fuzz::decimal(m / 10000) + "." + places;
}

// The amount a text must convert to exactly, or an overflow when it does not fit.
void expectExactly(const std::string &text, Wide expected)
{
    const fuzz::Conversion c = fuzz::convert(text);
    if (!fuzz::fits(expected)) {
        FUZZ_REQUIRE(c.outcome == Outcome::overflow, "a text beyond 64 bits is refused as an overflow",
                     "'" + text + "'");
        return;
    }
    FUZZ_REQUIRE(c.outcome == Outcome::amount && c.amount == expected, "an exact text converts exactly",
                 "'" + text + "' should give " + fuzz::decimal(expected) + ", gave " +
                     (c.outcome == Outcome::amount ? fuzz::decimal(c.amount) : c.message));
}

// The accepted amount written out again in other ways, and with digits below
// the unit that decide the rounding.
void checkRewritten(tax::Currency amount)
{
    const std::string exact = exactText(amount);
    expectExactly(exact, amount);
    expectExactly("  " + exact + " ", amount);
    expectExactly((amount >= 0 ? "+000" : "-000") + exactText(amount).substr(amount < 0 ? 1 : 0), amount);
    expectExactly((amount < 0 ? "-" : "") + fuzz::decimal(fuzz::magnitude(amount)) + "E-4", amount);
    expectExactly((amount < 0 ? "-" : "") + fuzz::decimal(fuzz::magnitude(amount)) + "0e-0005", amount);

    // Just below half a unit, exactly half (to the even neighbour), just above.
    const Wide away = amount < 0 ? -1 : 1;
    const bool odd = (fuzz::magnitude(amount) & 1) != 0;
    expectExactly(exact + "49999", amount);
    expectExactly(exact + "5", odd ? Wide(amount) + away : Wide(amount));
    expectExactly(exact + "500000000000000000000001", Wide(amount) + away);
}

// What the money format shows of an accepted amount converts back to the
// amount rounded to whole satang; a whole-satang amount comes back unchanged.
void checkFormatRoundTrip(tax::Currency amount)
{
    const std::string shown = tax::formatMoney(amount);
    const fuzz::Conversion back = fuzz::convert(fuzz::withoutSeparators(shown));
    FUZZ_REQUIRE(back.outcome == Outcome::amount && back.amount == fuzz::toSatang(amount),
                 "the money format converts back to the amount rounded to satang",
                 fuzz::decimal(amount) + " shown as '" + shown + "'");
    FUZZ_REQUIRE(amount % 100 != 0 || back.amount == amount,
                 "a whole-satang amount survives the money format", fuzz::decimal(amount));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const fuzz::Conversion c = fuzz::convert(text);
    std::string number;
    if (!isPlainNumber(text, number)) {
        FUZZ_REQUIRE(c.outcome == Outcome::notANumber, "a text that is not a plain number is refused",
                     "'" + std::string(text) + "'");
        // The message quotes the whole text, a NUL shown as the replacement character.
        std::string shown;
        for (const char ch : text)
            shown += ch == '\0' ? std::string("\xEF\xBF\xBD") : std::string(1, ch);
        const std::string message = "'" + shown + "' is not a valid floating point value";
        FUZZ_REQUIRE(c.message == message, "the conversion error quotes the text", c.message);
        return 0;
    }
    FUZZ_REQUIRE(c.outcome != Outcome::notANumber, "a plain number is never refused as not a number",
                 "'" + std::string(text) + "'");

    // The C library reads the same number, correctly rounded to 64 bits of
    // mantissa; scaling adds one more rounding.
    char *end = nullptr;
    errno = 0;
    const long double scaled = std::strtold(number.c_str(), &end) * 10000.0L;
    FUZZ_REQUIRE(end == number.c_str() + number.size(), "the harness's grammar agrees with strtold", number);
    const long double limit = 0x1p63L;
    const long double band = limit * 0x1p-60L;
    if (c.outcome == Outcome::overflow) {
        FUZZ_REQUIRE(c.message == "Invalid floating point operation", "the overflow error has its text", c.message);
        FUZZ_REQUIRE(std::fabs(scaled) >= limit - 1 - band, "only a value beyond 64 bits overflows", number);
        return 0;
    }
    FUZZ_REQUIRE(scaled < limit + band && scaled > -limit - 1 - band, "a value beyond 64 bits is refused",
                 number + " gave " + fuzz::decimal(c.amount));
    const long double error = std::fabs(static_cast<long double>(c.amount) - scaled);
    FUZZ_REQUIRE(error <= 0.5L + std::fabs(scaled) * 0x1p-60L, "the amount is the number x 10000 rounded",
                 number + " gave " + fuzz::decimal(c.amount));

    checkRewritten(c.amount);
    checkFormatRoundTrip(c.amount);
    return 0;
}
