// One wizard run of the entry-steps fuzz target: the ledger with the status
// and field texts the steps read, one step in progress with what its failure
// may leave, and the steps themselves.
#pragma once

#include "ledger_reference.h"

#include "allowances.h"
#include "attachment.h"
#include "entry_steps.h"
#include "severance.h"
#include "tax_computation.h"

#include <array>
#include <string>
#include <string_view>

namespace fuzz {

struct Wizard {
    tax::ReturnLedger ledger;
    tax::MaritalStatus status = tax::MaritalStatus::single;
    std::array<std::string, 2> expenseYearsText{"0", "0"}; // the line-10 years edits, taxpayer and spouse
};

// One step in progress.
struct Run {
    Wizard &wizard;
    std::string_view line;           // the script line, for messages
    tax::ReturnLedger before;        // the ledger as the step found it
    tax::ReturnLedger refusedLeaves; // what a refused text must leave: set up by the step
    bool refused = false;            // a field's text failed to convert
    bool overflowMay = false;        // the ledger call under way may report an overflow

    tax::ReturnLedger &ledger() { return wizard.ledger; }
    tax::MaritalStatus status() const { return wizard.status; }
    std::string describe(const std::string &what = {}) const
    {
        return "step '" + std::string(line) + "'" + (what.empty() ? "" : ": " + what);
    }
};

// The amount conversion as the wizard runs it on a field's text; a refused
// text stops the step.
tax::Currency amountOf(Run &run, std::string_view text);

// Before a ledger call: whether an intermediate result leaves 64 bits, so
// that the call may report an overflow.
inline void mayOverflow(Run &run, bool may) { run.overflowMay = may; }

// After a ledger call that returned: it must not have returned when its
// exact result leaves 64 bits.
inline void returned(Run &run, bool mustHaveOverflowed, const char *what)
{
    FUZZ_REQUIRE(!mustHaveOverflowed, "an overflow is reported, never wrapped", run.describe(what));
    run.overflowMay = false;
}

inline tax::PersonFigures &person(Run &run, tax::Person who) { return tax::figures(run.ledger(), who); }

// Income and allowances pages (income_steps.cpp).
void salaryStep(Run &run, tax::Person who, std::string_view text);
void otherIncomeStep(Run &run, tax::Person who, tax::IncomeLine line, std::string_view text);
void leaveIncomePageStep(Run &run);
void enterAllowancesStep(Run &run);
void childrenStep(Run &run, tax::Person who, std::string_view firstText, std::string_view secondText);
void cappedItemStep(Run &run, tax::Person who, tax::CappedItem item, std::string_view text);
void socialSecurityStep(Run &run, tax::Person who, std::string_view text);
void donationStep(Run &run, tax::Person who, std::string_view text);

// Attachment page and severance panel (attachment_steps.cpp).
void openAttachmentStep(Run &run);
void yearsOfWorkStep(Run &run, std::size_t row, std::string_view text);
void attachmentItemStep(Run &run, tax::Person who, tax::AttachmentItem item, std::string_view text);
void openSeveranceStep(Run &run);
void severanceSalaryStep(Run &run, tax::Person who, std::string_view text);
void severanceYearsStep(Run &run, tax::Person who, std::string_view text);
void rateStep(Run &run, tax::Person who, tax::FirstPartRate rate);
void expenseYearsStep(Run &run, tax::Person who, tax::FirstPartRate rate, std::string_view text);
void attachmentTaxStep(Run &run);
void withholdingStep(Run &run, tax::Person who, std::string_view text);

// Tax computation page (tax_steps.cpp).
void openTaxComputationStep(Run &run);
void taxpayerCreditsStep(Run &run, std::string_view withheldText, std::string_view paidText);
void spouseCreditsStep(Run &run, std::string_view withheldText, std::string_view paidText);
void clearLedgerStep(Run &run);

} // namespace fuzz
