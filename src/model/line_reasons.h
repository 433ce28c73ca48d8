// Why each computed line shows what it shows: a sentence in the program's
// language with the figures the handler used, read from the ledger right
// after the handler computed the line. The wizard shows it as the line's
// tooltip and accessible description.
#pragma once

#include "marital_status.h"
#include "return_ledger.h"
#include "tax_computation.h"

#include <string>

namespace model::reasons {

// The money format without its leading blanks: "1,234.50".
std::string money(tax::Currency amount);

std::string lineFour(const tax::PersonFigures &p);
std::string lineFive(tax::Currency ownLine4, tax::Currency ownLine5);
// Lines 6 and 7: a person's own, or the joint lines of both.
std::string lineSix(tax::Currency ownLine5, const tax::PersonFigures *spouse, tax::Currency line6);
std::string lineSeven(tax::Currency line4, tax::Currency line6, tax::Currency ownLine7,
                      const tax::PersonFigures *spouse, tax::Currency line7);

std::string lineFourteen(const tax::PersonFigures &p, bool spouseAllowance);
// Line 15 as the remainder after the allowance line given (8 to 13).
std::string lineFifteen(const tax::PersonFigures &p, int afterLine);
std::string lineSeventeen(const tax::PersonFigures &p);

std::string attachmentItemFour(const tax::PersonFigures &p);
std::string attachmentItemSix(const tax::PersonFigures &p);
std::string severanceLineEight(const tax::PersonFigures &p);
std::string severanceLineNine(const tax::PersonFigures &p, bool itemsOnly);
std::string severanceLineTen(const tax::PersonFigures &p, tax::Currency perYear);
std::string severanceLineTenOfLongestService(const tax::PersonFigures &p, long double longestService);
std::string severanceLineEleven(const tax::PersonFigures &p);
std::string severanceLineTwelve(const tax::PersonFigures &p);
std::string severanceLineThirteen(const tax::PersonFigures &p);
std::string attachmentLineTwo(const tax::PersonFigures &p);
std::string attachmentLineThree(const tax::PersonFigures &p);
std::string attachmentLineFour(const tax::PersonFigures &p);
std::string attachmentLineSix(const tax::PersonFigures &p);
std::string attachmentLineSeven(const tax::PersonFigures &p);

std::string lineEighteen(const tax::PersonFigures &p);
std::string lineNineteen(const tax::PersonFigures &p);
std::string lineTwenty(const tax::PersonFigures &p);
// The joint lines 19 and 20: both persons' attachment lines 6 and 7, set off.
std::string jointLineNineteen(const tax::ReturnLedger &ledger);
std::string jointLineTwenty(const tax::ReturnLedger &ledger);
// Lines 23 and 24 from the base of the balance and the credits as entered.
std::string lineTwentyThree(const tax::BalanceLines &lines, tax::Currency line18, tax::Currency line19,
                            tax::Currency line20, tax::Currency withheld, tax::Currency paid);
std::string lineTwentyFour(const tax::BalanceLines &lines, tax::Currency line18, tax::Currency line19,
                           tax::Currency line20, tax::Currency withheld, tax::Currency paid);
// Line 28 where it is the taxpayer's own balance.
std::string ownLineTwentyEight(const tax::BalanceLines &lines);
// Lines 25, 26 and 28 of the set-off between the spouses, for one person.
std::string lineTwentyFive(const tax::SetOff &setOff, tax::Currency a, tax::Currency b, tax::Currency c,
                           tax::Currency d);
std::string lineTwentySix(const tax::SetOff &setOff, tax::Person who, tax::Currency a, tax::Currency b,
                          tax::Currency c, tax::Currency d);
std::string lineTwentyEight(const tax::SetOff &setOff, tax::Person who, tax::Currency line26);
std::string lineTwentySeven();
// Lines 25 and 26 on a return without a spouse computed apart.
std::string setOffNotUsed();
std::string refundAmount(const std::string &line28);

} // namespace model::reasons
