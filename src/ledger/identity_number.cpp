// Check digits of the two identity numbers.
#include "identity_number.h"

#include <algorithm>
#include <array>
#include <span>

namespace tax {

namespace {

constexpr std::array kCitizenWeights{13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr int kCitizenModulus = 11;
constexpr std::array kTaxpayerWeights{3, 1, 3, 1, 3, 1, 3, 1, 3};
constexpr int kTaxpayerModulus = 10;

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Both numbers end in one check digit after the weighted ones; the check digit
// is the last digit of (modulus - S mod modulus). Only ASCII digits count, so a
// Thai digit (several UTF-8 bytes) makes the text wrong.
IdCheck checkNumber(std::string_view text, std::span<const int> weights, int modulus)
{
    if (text.empty())
        return IdCheck::empty;
    if (text.size() != weights.size() + 1 || !std::all_of(text.begin(), text.end(), isAsciiDigit))
        return IdCheck::wrong;
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        sum += (text[i] - '0') * weights[i];
    const int expected = (modulus - sum % modulus) % 10;
    return text.back() - '0' == expected ? IdCheck::accepted : IdCheck::wrong;
}

} // namespace

IdCheck checkCitizenId(std::string_view text)
{
    return checkNumber(text, kCitizenWeights, kCitizenModulus);
}

IdCheck checkTaxpayerId(std::string_view text)
{
    return checkNumber(text, kTaxpayerWeights, kTaxpayerModulus);
}

} // namespace tax
