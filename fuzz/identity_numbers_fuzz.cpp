// Fuzz target for the two identity checks, tax::checkCitizenId (13 digits)
// and tax::checkTaxpayerId (10 digits). The input is checked as a field's
// text, and its first bytes also make up numbers whose every check digit and
// every single changed digit are tried.
#include "fuzz_check.h"

#include "identity_number.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using tax::IdCheck;

const char *name(IdCheck result)
{
    switch (result) {
    case IdCheck::accepted: return "accepted";
    case IdCheck::empty: return "empty";
    case IdCheck::wrong: return "wrong";
    }
    return "?";
}

bool allAsciiDigits(std::string_view text)
{
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Citizen number: S = digits 1 to 12 weighted 13 down to 2; the check digit
// for r = S mod 11 is the last digit of 11 - r.
constexpr std::array<int, 11> kCitizenCheckDigit{1, 0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

int citizenRemainder(std::string_view digits)
{
    int sum = 0;
    for (std::size_t i = 0; i < 12; ++i)
        sum += (digits[i] - '0') * static_cast<int>(13 - i);
    return sum % 11;
}

// Taxpayer number: S = digits 1 to 9 weighted 3, 1, 3, ...; the check digit is
// the last digit of 10 - S mod 10.
int taxpayerCheckDigit(std::string_view digits)
{
    int sum = 0;
    for (std::size_t i = 0; i < 9; ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

IdCheck expectedCitizen(std::string_view text)
{
    if (text.empty())
        return IdCheck::empty;
    if (text.size() != 13 || !allAsciiDigits(text))
        return IdCheck::wrong;
    return text[12] - '0' == kCitizenCheckDigit[citizenRemainder(text)] ? IdCheck::accepted : IdCheck::wrong;
}

IdCheck expectedTaxpayer(std::string_view text)
{
    if (text.empty())
        return IdCheck::empty;
    if (text.size() != 10 || !allAsciiDigits(text))
        return IdCheck::wrong;
    return text[9] - '0' == taxpayerCheckDigit(text) ? IdCheck::accepted : IdCheck::wrong;
}

void checkText(std::string_view text)
{
    const IdCheck citizen = tax::checkCitizenId(text);
    FUZZ_REQUIRE(citizen == expectedCitizen(text), "the citizen number check follows its rule",
                 "'" + std::string(text) + "' gave " + name(citizen));
    const IdCheck taxpayer = tax::checkTaxpayerId(text);
    FUZZ_REQUIRE(taxpayer == expectedTaxpayer(text), "the taxpayer number check follows its rule",
                 "'" + std::string(text) + "' gave " + name(taxpayer));
}

// The digits the input's first bytes stand for.
std::string digitsFrom(const std::uint8_t *data, std::size_t size, std::size_t count)
{
    std::string digits(count, '0');
    for (std::size_t i = 0; i < count && i < size; ++i)
        digits[i] = static_cast<char>('0' + data[i] % 10);
    return digits;
}

// Exactly one check digit completes a number; returns the completed number.
std::string completed(std::string digits, IdCheck (*check)(std::string_view), const char *which)
{
    std::string accepted;
    int count = 0;
    for (char last = '0'; last <= '9'; ++last) {
        digits.back() = last;
        if (check(digits) == IdCheck::accepted) {
            accepted = digits;
            ++count;
        }
    }
    FUZZ_REQUIRE(count == 1, "exactly one check digit completes a number", std::string(which) + " " + digits);
    return accepted;
}

// Weights 3 and 1 are both prime to 10: any one changed digit is caught.
void checkTaxpayerSubstitutions(std::string number)
{
    for (std::size_t i = 0; i < 9; ++i) {
        const char original = number[i];
        for (int step = 1; step <= 9; ++step) {
            number[i] = static_cast<char>('0' + (original - '0' + step) % 10);
            FUZZ_REQUIRE(tax::checkTaxpayerId(number) == IdCheck::wrong,
                         "one changed digit of a taxpayer number is caught", number);
        }
        number[i] = original;
    }
}

// One changed digit changes the remainder by its weight times the change,
// so it goes unnoticed only where that is a multiple of 11 (digit 3, weight
// 11) or where the remainder moves between 0 and 10, which share the check
// digit 1.
void checkCitizenSubstitutions(std::string number)
{
    const int remainder = citizenRemainder(number);
    for (std::size_t i = 0; i < 12; ++i) {
        const char original = number[i];
        const int weight = static_cast<int>(13 - i);
        for (int step = 1; step <= 9; ++step) {
            const int digit = (original - '0' + step) % 10;
            number[i] = static_cast<char>('0' + digit);
            const int changed = ((remainder + weight * (digit - (original - '0'))) % 11 + 11) % 11;
            const bool unnoticed = changed == remainder || (remainder == 0 && changed == 10) ||
                                   (remainder == 10 && changed == 0);
            FUZZ_REQUIRE((tax::checkCitizenId(number) == IdCheck::accepted) == unnoticed,
                         "one changed digit of a citizen number is caught unless its weight or the check digit "
                         "hides it",
                         number);
        }
        number[i] = original;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkText(std::string_view(reinterpret_cast<const char *>(data), size));
    checkCitizenSubstitutions(completed(digitsFrom(data, size, 13), tax::checkCitizenId, "citizen"));
    checkTaxpayerSubstitutions(completed(digitsFrom(data, size, 10), tax::checkTaxpayerId, "taxpayer"));
    return 0;
}
