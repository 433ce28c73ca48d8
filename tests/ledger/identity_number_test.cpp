// The check digits of the citizen identity number and the taxpayer number.
#include "identity_number.h"

#include <gtest/gtest.h>

namespace tax {
namespace {

struct IdCase {
    const char *name;
    const char *text;
    IdCheck expected;
};

std::string caseName(const testing::TestParamInfo<IdCase> &info) { return info.param.name; }

class CitizenId : public testing::TestWithParam<IdCase> {};

TEST_P(CitizenId, acceptsOnlyThirteenDigitsWithTheRightCheckDigit)
{
    EXPECT_EQ(checkCitizenId(GetParam().text), GetParam().expected);
}

// Check digits made apart from the code, for a 12-digit prefix P:
// python3 -c "import sys;p=sys.argv[1];print(p+str((11-sum(int(d)*(13-i) for i,d in enumerate(p))%11)%10))" P
INSTANTIATE_TEST_SUITE_P(CheckDigits, CitizenId, testing::Values(
    IdCase{"remainderZeroGivesOne", "1234567890121", IdCheck::accepted},
    IdCase{"realNumber", "3100600445635", IdCheck::accepted},
    IdCase{"foreignUserValue", "0000000000060", IdCheck::accepted},
    IdCase{"sumElevenGivesOne", "0000000000141", IdCheck::accepted},
    IdCase{"sumTenGivesOne", "0000000000051", IdCheck::accepted},
    IdCase{"remainderOneGivesZero", "1101700203450", IdCheck::accepted},
    IdCase{"remainderTenGivesOne", "5700100123451", IdCheck::accepted},
    IdCase{"allNines", "9999999999994", IdCheck::accepted},
    IdCase{"allZerosButCheck", "0000000000001", IdCheck::accepted},
    IdCase{"sumFortyTwo", "1000000000017", IdCheck::accepted},
    IdCase{"prefix352010011452", "3520100114521", IdCheck::accepted},
    IdCase{"prefix847362519036", "8473625190364", IdCheck::accepted},
    IdCase{"prefix210998877665", "2109988776654", IdCheck::accepted},
    IdCase{"allFives", "5555555555551", IdCheck::accepted},
    IdCase{"prefix400000000002", "4000000000020", IdCheck::accepted},
    IdCase{"checkDigitOffByOne", "1234567890120", IdCheck::wrong},
    IdCase{"oldForeignUserValue", "0000000000061", IdCheck::wrong},
    IdCase{"oldSpecialValueForSumEleven", "0000000000140", IdCheck::wrong},
    IdCase{"oldSpecialValueForSumTen", "0000000000050", IdCheck::wrong},
    IdCase{"realNumberAltered", "3100600445636", IdCheck::wrong}),
    caseName);

INSTANTIATE_TEST_SUITE_P(NotThirteenDigits, CitizenId, testing::Values(
    IdCase{"empty", "", IdCheck::empty},
    IdCase{"thirteenBlanks", "             ", IdCheck::wrong},
    IdCase{"tooShort", "123456789012", IdCheck::wrong},
    IdCase{"tooLong", "12345678901210", IdCheck::wrong},
    IdCase{"letterInside", "12345678a0121", IdCheck::wrong},
    IdCase{"trailingBlank", "123456789012 ", IdCheck::wrong},
    IdCase{"thaiDigits", "๑๒๓๔๕๖๗๘๙๐๑๒๑", IdCheck::wrong},
    IdCase{"thaiDigitMakesThirteenBytes", "1234567890๑", IdCheck::wrong}),
    caseName);

class TaxpayerId : public testing::TestWithParam<IdCase> {};

TEST_P(TaxpayerId, acceptsOnlyTenDigitsWithTheRightCheckDigit)
{
    EXPECT_EQ(checkTaxpayerId(GetParam().text), GetParam().expected);
}

// Check digits made apart from the code, for a 9-digit prefix P:
// python3 -c "import sys;p=sys.argv[1];print(p+str((10-sum(int(d)*(3-2*(i%2)) for i,d in enumerate(p))%10)%10))" P
INSTANTIATE_TEST_SUITE_P(CheckDigits, TaxpayerId, testing::Values(
    IdCase{"sumAboveHundred", "9090909095", IdCheck::accepted},
    IdCase{"foreignUserValue", "1111111111", IdCheck::accepted},
    IdCase{"sumEndingInZero", "1211111110", IdCheck::accepted},
    IdCase{"sumBelowTen", "1000000007", IdCheck::accepted},
    IdCase{"sumZero", "0000000000", IdCheck::accepted},
    IdCase{"largestSum", "9999999999", IdCheck::accepted},
    IdCase{"sumEightyFive", "3123456785", IdCheck::accepted},
    IdCase{"sumTen", "0102030400", IdCheck::accepted},
    IdCase{"sumEightySeven", "7654321093", IdCheck::accepted},
    IdCase{"sumSeventyFive", "5050505055", IdCheck::accepted},
    IdCase{"sumHundredFortyFour", "9999999906", IdCheck::accepted},
    IdCase{"lastWeightedDigitOnly", "0000000017", IdCheck::accepted},
    IdCase{"oldCheckValueForSumAboveHundred", "9090909097", IdCheck::wrong},
    IdCase{"checkDigitOffByOne", "1111111112", IdCheck::wrong},
    IdCase{"sumEndingInZeroWithOtherDigit", "1211111111", IdCheck::wrong}),
    caseName);

INSTANTIATE_TEST_SUITE_P(NotTenDigits, TaxpayerId, testing::Values(
    IdCase{"empty", "", IdCheck::empty},
    IdCase{"blanks", "          ", IdCheck::wrong},
    IdCase{"tooShort", "100000000", IdCheck::wrong},
    IdCase{"tooLong", "10000000070", IdCheck::wrong},
    IdCase{"letter", "1x00000007", IdCheck::wrong},
    IdCase{"thaiDigits", "๑๑๑๑๑๑๑๑๑๑", IdCheck::wrong},
    IdCase{"thaiDigitMakesTenBytes", "1000000๗", IdCheck::wrong}),
    caseName);

TEST(ForeignUser, placeholdersPassTheirChecks)
{
    EXPECT_EQ(checkCitizenId(kForeignCitizenId), IdCheck::accepted);
    EXPECT_EQ(checkTaxpayerId(kForeignTaxpayerId), IdCheck::accepted);
}

} // namespace
} // namespace tax
