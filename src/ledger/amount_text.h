// Converting field texts to amounts and amounts to the "%12.2m" display text.
#pragma once

#include "currency.h"

#include <string>
#include <string_view>

namespace tax {

// Parses a plain decimal number ("." as the point, optional sign and exponent,
// blanks before and after allowed, no thousands separators), scales it by
// 10000 and rounds the exact decimal value halves to even.
// Throws ConversionError for anything else and FloatingPointError when the
// scaled value does not fit in 64 bits. The text is UTF-8.
Currency parseAmount(std::string_view text);

// The money format: thousands separator ",", point ".", two decimals rounded
// halves away from zero, a leading "-" for negatives, right-aligned in 12
// characters, no currency symbol; independent of the machine's locale.
std::string formatMoney(Currency amount);

} // namespace tax
