// Fuzz target for the ledger's entry steps fed with field texts in any order.
//
// The input is a script, one step a line: the step's letter, a variant digit,
// one separator character, then the field's text; steps that read two fields
// take two texts split at the first "|" (the second is "0" when there is none).
// For example "s0:1000000" leaves the taxpayer's salary field holding 1000000,
// "c1:2|1" the spouse's two children fields. The variant digit's bit 0 is the
// person (0 taxpayer, 1 spouse); the bits above it pick the row (y), the item
// (i: items 1, 2, 3, 5) or the rate (k, e: 7,000 or 3,500 a year), and for e
// bit 2 leaves the edit holding what the years step put there. For S the digit
// is the status, 0 single to 6 married5.
//
// Each step runs as the wizard's handler runs it: the text converted, then
// stored and computed through the ledger's entry functions. Checked: results
// against exact 128-bit arithmetic, overflow reported and never wrapped, a
// refused text leaving the ledger as it was, no exception but the amount
// errors, and the ledger's invariants after every step.
#include "entry_run.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <typeinfo>
#include <utility>

namespace fuzz {

tax::Currency amountOf(Run &run, std::string_view text)
{
    try {
        return tax::parseAmount(text);
    } catch (const tax::AmountError &) {
        run.refused = true;
        throw;
    }
}

namespace {

using tax::Person;

// The steps by letter; any other byte picks one by its value.
constexpr std::string_view kSteps = "spvxaclfhodqyinwrketugmzbS";

struct Line {
    char step;
    unsigned variant;
    std::string_view text;
};

Line parseLine(std::string_view line)
{
    const auto letter = static_cast<unsigned char>(line[0]);
    const std::size_t known = kSteps.find(line[0]);
    const char step = known != std::string_view::npos ? line[0] : kSteps[letter % kSteps.size()];
    const unsigned variant = line.size() > 1 ? static_cast<unsigned char>(line[1]) % 16 : 0;
    return {step, variant, line.size() > 3 ? line.substr(3) : std::string_view()};
}

std::pair<std::string_view, std::string_view> twoTexts(std::string_view text)
{
    const auto bar = text.find('|');
    if (bar == std::string_view::npos)
        return {text, "0"};
    return {text.substr(0, bar), text.substr(bar + 1)};
}

void dispatch(Run &run, const Line &line)
{
    const Person who = (line.variant & 1) != 0 ? Person::spouse : Person::taxpayer;
    const unsigned choice = line.variant >> 1;
    const auto [first, second] = twoTexts(line.text);
    const auto rate = (choice & 1) != 0 ? tax::FirstPartRate::perYear3500 : tax::FirstPartRate::perYear7000;
    switch (line.step) {
    case 's': salaryStep(run, who, line.text); break;
    case 'p': otherIncomeStep(run, who, tax::IncomeLine::providentFund, line.text); break;
    case 'v': otherIncomeStep(run, who, tax::IncomeLine::severancePay, line.text); break;
    case 'x': leaveIncomePageStep(run); break;
    case 'a': enterAllowancesStep(run); break;
    case 'c': childrenStep(run, who, first, second); break;
    case 'l': cappedItemStep(run, who, tax::CappedItem::lifeInsurance, line.text); break;
    case 'f': cappedItemStep(run, who, tax::CappedItem::providentFund, line.text); break;
    case 'h': cappedItemStep(run, who, tax::CappedItem::housingLoanInterest, line.text); break;
    case 'o': socialSecurityStep(run, who, line.text); break;
    case 'd': donationStep(run, who, line.text); break;
    case 'q': openAttachmentStep(run); break;
    case 'y': yearsOfWorkStep(run, choice % 4, line.text); break;
    case 'i': attachmentItemStep(run, who, static_cast<tax::AttachmentItem>(choice % 4), line.text); break;
    case 'n': openSeveranceStep(run); break;
    case 'w': severanceSalaryStep(run, who, line.text); break;
    case 'r': severanceYearsStep(run, who, line.text); break;
    case 'k': rateStep(run, who, rate); break;
    case 'e': {
        // Bit 2 of the variant leaves the edit as the years step filled it.
        std::string &edit = run.wizard.expenseYearsText[who == Person::taxpayer ? 0 : 1];
        if ((choice & 2) == 0)
            edit = std::string(line.text);
        const std::string text = edit;
        expenseYearsStep(run, who, rate, text);
        break;
    }
    case 't': attachmentTaxStep(run); break;
    case 'u': withholdingStep(run, who, line.text); break;
    case 'g': openTaxComputationStep(run); break;
    case 'm': taxpayerCreditsStep(run, first, second); break;
    case 'z': spouseCreditsStep(run, first, second); break;
    case 'b': clearLedgerStep(run); break;
    case 'S': run.wizard.status = static_cast<tax::MaritalStatus>(line.variant % 7); break;
    }
}

// Runs one step; an amount error stops it as it stops the wizard's handler.
void runStep(Wizard &wizard, std::string_view scriptLine)
{
    Run run{wizard, scriptLine, wizard.ledger, wizard.ledger};
    try {
        dispatch(run, parseLine(scriptLine));
    } catch (const tax::AmountError &e) {
        if (run.refused)
            FUZZ_REQUIRE(sameLedger(wizard.ledger, run.refusedLeaves), "a refused text changes nothing in the ledger",
                         run.describe(e.what()));
        else if (typeid(e) == typeid(tax::FloatingPointError))
            FUZZ_REQUIRE(run.overflowMay, "an overflow is reported only when a result leaves 64 bits",
                         run.describe(e.what()));
        else
            fail("only the amount conversion refuses a text", run.describe(e.what()));
    } catch (const std::exception &e) {
        fail("a step throws nothing but the amount errors", run.describe(e.what()));
    } catch (...) {
        fail("a step throws nothing but the amount errors", run.describe("a non-standard exception"));
    }
    checkInvariants(wizard.ledger);
}

} // namespace

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Wizard wizard;
    std::string_view script(reinterpret_cast<const char *>(data), size);
    while (!script.empty()) {
        const auto end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
        if (!line.empty())
            fuzz::runStep(wizard, line);
    }
    return 0;
}
