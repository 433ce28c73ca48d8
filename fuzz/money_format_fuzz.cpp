// Fuzz target for the money format tax::formatMoney: every 8 bytes of the
// input are one amount (little-endian), up to eight amounts. Checks the layout of the text, its
// sign, and that it reads back as the amount rounded to satang.
#include "fuzz_check.h"

#include "amount_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using fuzz::Wide;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Right-aligned in 12 characters: blanks only on the left, and only as many
// as fill the width.
void checkWidth(tax::Currency amount, const std::string &shown)
{
    const auto start = shown.find_first_not_of(' ');
    const bool aligned = start != std::string::npos && shown.size() >= 12 && (shown.size() == 12 || start == 0);
    FUZZ_REQUIRE(aligned, "the money format is right-aligned in 12 characters",
                 fuzz::decimal(amount) + " '" + shown + "'");
}

// An optional "-", then one to three digits followed by groups of "," and
// three digits, no leading zero unless the whole part is "0", a point and
// two digits.
void checkLayout(tax::Currency amount, const std::string &shown)
{
    std::string body = shown.substr(shown.find_first_not_of(' '));
    const bool minus = body[0] == '-';
    if (minus)
        body.erase(0, 1);
    const auto point = body.find('.');
    bool sound = point != std::string::npos && body.size() == point + 3 && isDigit(body[point + 1]) &&
                 isDigit(body[point + 2]);
    const std::string whole = sound ? body.substr(0, point) : std::string();
    const std::size_t firstGroup = whole.size() % 4;
    sound = sound && firstGroup != 0;
    for (std::size_t i = 0; sound && i < whole.size(); ++i) {
        const bool separatorPlace = i >= firstGroup && (i - firstGroup) % 4 == 0;
        sound = separatorPlace ? whole[i] == ',' : isDigit(whole[i]);
    }
    sound = sound && (whole[0] != '0' || whole == "0");
    FUZZ_REQUIRE(sound, "the money format groups digits by three with two decimals",
                 fuzz::decimal(amount) + " '" + shown + "'");
    FUZZ_REQUIRE(minus == (fuzz::toSatang(amount) < 0), "a minus sign shows exactly when the shown amount is negative",
                 fuzz::decimal(amount) + " '" + shown + "'");
}

// The shown text converts back (without separators) to the amount rounded to
// satang, halves away from zero; a whole-satang amount comes back unchanged.
void checkReadsBack(tax::Currency amount, const std::string &shown)
{
    const fuzz::Conversion back = fuzz::convert(fuzz::withoutSeparators(shown));
    FUZZ_REQUIRE(back.outcome == fuzz::Conversion::Outcome::amount && back.amount == fuzz::toSatang(amount),
                 "the money format reads back as the amount rounded to satang",
                 fuzz::decimal(amount) + " '" + shown + "'");
    FUZZ_REQUIRE(amount % 100 != 0 || back.amount == amount, "a whole-satang amount survives the money format",
                 fuzz::decimal(amount));
}

void check(tax::Currency amount)
{
    const std::string shown = tax::formatMoney(amount);
    checkWidth(amount, shown);
    checkLayout(amount, shown);
    checkReadsBack(amount, shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Longer inputs would only slow the run down.
    size = std::min<std::size_t>(size, 64);
    for (std::size_t at = 0; at < size; at += 8) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + at, size - at < 8 ? size - at : 8);
        const auto amount = static_cast<tax::Currency>(bits);
        check(amount);
        // The neighbours on either side of the satang rounding.
        const Wide satang = fuzz::toSatang(amount);
        for (const Wide near : {satang - 50, satang - 51, satang + 49, satang + 50})
            if (fuzz::fits(near))
                check(static_cast<tax::Currency>(near));
    }
    return 0;
}
