// The checks of the citizen identity number and the taxpayer identification
// number, and the numbers filled in for a foreign user.
#pragma once

#include <string_view>

namespace tax {

enum class IdCheck {
    accepted,
    empty, // the field holds no text at all
    wrong, // not the right count of digits 0-9, or the check digit differs
};

// 13 digits; the 13th is (11 - S mod 11) mod 10, S = digits 1 to 12 weighted
// 13 down to 2. Takes the field text as UTF-8 and stores nothing.
IdCheck checkCitizenId(std::string_view text);

// 10 digits; the 10th is (10 - S mod 10) mod 10, S = digits 1 to 9 weighted
// 3, 1, 3, 1, 3, 1, 3, 1, 3. Takes the field text as UTF-8 and stores nothing.
IdCheck checkTaxpayerId(std::string_view text);

// Placeholders for a user who has no Thai numbers; both pass the checks.
inline constexpr std::string_view kForeignCitizenId = "0000000000060";
inline constexpr std::string_view kForeignTaxpayerId = "1111111111";

} // namespace tax
