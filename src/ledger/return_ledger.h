// The ledger of one return: every entered amount and every computed line, for
// the taxpayer and the spouse, and the routines that keep lines 4 to 7 and the
// attachment totals up to date.
#pragma once

#include "currency.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tax {

// Indices into PersonFigures::totals: the computed lines.
namespace total {
enum : std::size_t {
    line4 = 0,            // total assessable income
    line5 = 1,            // expense; under joint computation the joint line 6
    line7 = 2,            // income after expenses
    afterLine8 = 3,       // running remainders of the allowance chain ...
    afterLine9 = 4,
    afterLine10 = 5,
    afterLine11 = 6,
    afterLine12 = 7,
    line15 = 8,           // ... ending in line 15, income before the donation allowance
    line14 = 9,           // total allowances
    line17 = 10,          // net income
    attachmentItem4 = 11, // sum of attachment items 1 to 3
    attachmentItem6 = 12, // attachment grand total
    severanceLine8 = 13,  // severance panel lines 8 to 13
    severanceLine9 = 14,
    severanceLine10 = 15,
    severanceLine11 = 16,
    severanceLine12 = 17,
    severanceLine13 = 18, // also attachment line 2
    attachmentLine3 = 19, // attachment net income
    attachmentLine4 = 20, // attachment tax
    attachmentLine7 = 21, // attachment tax overpaid (return line 20)
    attachmentLine6 = 22, // attachment tax to pay (return line 19)
    line18 = 23,          // tax on net income
    line23 = 24,          // total to pay
    line24 = 25,          // total overpaid
    line26 = 26,          // remainder after netting with the other person
    line28 = 27,          // total to pay or overpaid
};
} // namespace total

// Indices into PersonFigures::entries: amounts as entered, and amounts derived from one entry.
namespace entry {
enum : std::size_t {
    line1 = 0,                    // salary
    line2 = 1,                    // provident fund contributions deducted
    line3 = 2,                    // one-time payment included in the income
    personalAllowance = 3,        // line 8
    childrenFirstGroup = 4,       // count x 10000
    childrenSecondGroup = 5,      // count x 10000
    lifeInsurance = 6,            // line 10 as entered
    providentFund = 7,            // line 11 as entered
    housingLoanInterest = 8,      // line 12 as entered
    socialSecurity = 9,           // line 13
    childrenFirstAllowance = 10,  // count x rate
    childrenSecondAllowance = 11, // count x rate
    donation = 12,                // line 16 as entered
    attachmentItem1 = 13,
    attachmentItem2 = 14,
    attachmentItem3 = 15,
    attachmentItem5 = 16,
    attachmentBands = 17,         // five band amounts of the attachment tax, 17 to 21
    attachmentWithholding = 22,   // attachment line 5
    returnBands = 23,             // five band amounts of line 18, 23 to 27
    credits = 28,                 // line 21 + line 22
};
} // namespace entry

// Indices into ReturnLedger::common.
namespace shared {
enum : std::size_t {
    yearsOfWork = 0,   // four employer rows, 0 to 3, years x 10000
    jointLine19 = 4,   // joint computation: attachment lines 6 of both, netted
    jointLine20 = 5,   // joint computation: attachment lines 7 of both, netted
};
} // namespace shared

struct PersonFigures {
    std::array<Currency, 50> totals{};   // computed lines
    std::array<Currency, 100> entries{}; // amounts entered, and amounts derived from one entry
    Currency severanceSalary = 0;        // severance panel, salary figure of line 8
    Currency severanceYears = 0;         // severance panel, years worked (years x 10000)
    Currency expenseYears = 0;           // severance panel, years used for line 10 (years x 10000)
    std::int32_t severanceFlag = 0;      // 1 when items 1-3 and item 5 were both non-zero at opening

    bool operator==(const PersonFigures &) const = default;
};

struct ReturnLedger {
    PersonFigures taxpayer;
    PersonFigures spouse;
    std::array<Currency, 100> common{}; // values not tied to one person

    // Working values, held in the extended type. A 6-byte real with a 40-bit
    // mantissa would be enough for them; the wider type can differ from it only
    // in the last unit of amounts above some ten million baht.
    long double badChar = 0;        // 1 once the amount-text check met a bad character
    long double longestService = 0; // longest years of work on the attachment, in years

    bool operator==(const ReturnLedger &) const = default;
};

enum class Person { taxpayer, spouse };

inline PersonFigures &figures(ReturnLedger &ledger, Person who)
{
    return who == Person::taxpayer ? ledger.taxpayer : ledger.spouse;
}

// Sets every amount of both persons (severance-panel inputs included) and of
// common to 0. The working values are left alone.
void ClearLedger(ReturnLedger &ledger);

// Recomputes a fixed group of lines: 1/2 line 4, 3/4 lines 5 and 7, 5/6 line 14,
// 10/11 attachment items 4 and 6 (odd: taxpayer, even: spouse; 10 taxpayer,
// 11 spouse). Other case numbers do nothing.
void UpdateTotals(ReturnLedger &ledger, int which);

// longestService := the largest of common[0..3], in years.
void FindLongestService(ReturnLedger &ledger);

// The amount-text check for one character: digits and "." pass, anything else
// sets badChar to 1.
void CheckAmountChar(ReturnLedger &ledger, char32_t c);

// The way the amount fields use the check: reset badChar, check every character
// of the text, and tell whether the text passed.
bool CheckAmountText(ReturnLedger &ledger, std::u32string_view text);

} // namespace tax
