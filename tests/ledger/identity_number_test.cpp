// The check digits of the citizen identity number and the taxpayer number.
#include "identity_number.h"

#include <gtest/gtest.h>

namespace tax {
namespace {

struct IdCase {
    const char *name;
    IdCheck (*check)(std::string_view);
    const char *text;
    IdCheck expected;
};

class IdentityNumber : public testing::TestWithParam<IdCase> {};

TEST_P(IdentityNumber, acceptsOnlyTheRightDigitCountWithTheRightCheckDigit)
{
    EXPECT_EQ(GetParam().check(GetParam().text), GetParam().expected);
}

std::string caseName(const testing::TestParamInfo<IdCase> &info) { return info.param.name; }

constexpr auto citizen = checkCitizenId, taxpayer = checkTaxpayerId;
constexpr auto ok = IdCheck::accepted, bad = IdCheck::wrong;

// Check digits made apart from the code, for a 12-digit prefix P:
// python3 -c "import sys;p=sys.argv[1];print(p+str((11-sum(int(d)*(13-i) for i,d in enumerate(p))%11)%10))" P
INSTANTIATE_TEST_SUITE_P(Citizen, IdentityNumber, testing::Values(
    IdCase{"remainderZeroGivesOne", citizen, "1234567890121", ok},
    IdCase{"realNumber", citizen, "3100600445635", ok},
    IdCase{"foreignUserValue", citizen, "0000000000060", ok},
    IdCase{"sumElevenGivesOne", citizen, "0000000000141", ok},
    IdCase{"sumTenGivesOne", citizen, "0000000000051", ok},
    IdCase{"remainderOneGivesZero", citizen, "1101700203450", ok},
    IdCase{"remainderTenGivesOne", citizen, "5700100123451", ok},
    IdCase{"allNines", citizen, "9999999999994", ok},
    IdCase{"allZerosButCheck", citizen, "0000000000001", ok},
    IdCase{"prefix847362519036", citizen, "8473625190364", ok},
    IdCase{"checkDigitOffByOne", citizen, "1234567890120", bad},
    IdCase{"oldForeignUserValue", citizen, "0000000000061", bad},
    IdCase{"oldSpecialValueForSumEleven", citizen, "0000000000140", bad},
    IdCase{"oldSpecialValueForSumTen", citizen, "0000000000050", bad}),
    caseName);

// Check digits made apart from the code, for a 9-digit prefix P:
// python3 -c "import sys;p=sys.argv[1];print(p+str((10-sum(int(d)*(3-2*(i%2)) for i,d in enumerate(p))%10)%10))" P
INSTANTIATE_TEST_SUITE_P(Taxpayer, IdentityNumber, testing::Values(
    IdCase{"sumAboveHundred", taxpayer, "9090909095", ok},
    IdCase{"foreignUserValue", taxpayer, "1111111111", ok},
    IdCase{"sumEndingInZero", taxpayer, "1211111110", ok},
    IdCase{"sumBelowTen", taxpayer, "1000000007", ok},
    IdCase{"sumZero", taxpayer, "0000000000", ok},
    IdCase{"largestSum", taxpayer, "9999999999", ok},
    IdCase{"sumEightyFive", taxpayer, "3123456785", ok},
    IdCase{"sumTen", taxpayer, "0102030400", ok},
    IdCase{"sumHundredFortyFour", taxpayer, "9999999906", ok},
    IdCase{"oldCheckValueForSumAboveHundred", taxpayer, "9090909097", bad},
    IdCase{"checkDigitOffByOne", taxpayer, "1111111112", bad},
    IdCase{"sumEndingInZeroWithOtherDigit", taxpayer, "1211111111", bad}),
    caseName);

INSTANTIATE_TEST_SUITE_P(Malformed, IdentityNumber, testing::Values(
    IdCase{"citizenEmpty", citizen, "", IdCheck::empty},
    IdCase{"citizenBlanks", citizen, "             ", bad},
    IdCase{"citizenTooShort", citizen, "123456789012", bad},
    IdCase{"citizenTooLong", citizen, "12345678901210", bad},
    IdCase{"citizenLetter", citizen, "12345678a0121", bad},
    IdCase{"citizenThaiDigitsOnly", citizen, "๑๒๓๔๕๖๗๘๙๐๑๒๑", bad},
    IdCase{"citizenThaiDigitMakesThirteenBytes", citizen, "1234567890๑", bad},
    IdCase{"taxpayerEmpty", taxpayer, "", IdCheck::empty},
    IdCase{"taxpayerBlanks", taxpayer, "          ", bad},
    IdCase{"taxpayerTooShort", taxpayer, "100000000", bad},
    IdCase{"taxpayerTooLong", taxpayer, "10000000070", bad},
    IdCase{"taxpayerLetter", taxpayer, "1x00000007", bad},
    IdCase{"taxpayerThaiDigitMakesTenBytes", taxpayer, "1000000๗", bad}),
    caseName);

TEST(ForeignUser, placeholdersPassTheirChecks)
{
    EXPECT_EQ(checkCitizenId(kForeignCitizenId), IdCheck::accepted);
    EXPECT_EQ(checkTaxpayerId(kForeignTaxpayerId), IdCheck::accepted);
}

} // namespace
} // namespace tax
