// What a person has put into one return: the status, the names the
// attachment repeats, the text of every entry field as last taken, the
// severance panel's rates, the answer to the attachment question, and the
// step buttons pressed so far. Replaying these in the order of the pages
// gives the whole return.
#pragma once

#include "fields.h"
#include "marital_status.h"
#include "severance.h"

#include <array>
#include <cstdint>
#include <string>

namespace model {

// The buttons that take a return from one step to the next, in their order.
enum class Step : std::uint8_t {
    ok1,           // personal data left: the status holds from now on
    Okbut1,        // income page left: the expenses page
    Okbut2,        // expenses page left: the allowances page
    answered,      // the attachment question answered: the attachment page
    computebutton, // the severance panel opened
    BitBtn5,       // the severance panel closed by its OK
    BitBtn6,       // attachment page left: the tax computation page
    lastbit,       // tax computation page left: the refund request page
};

inline constexpr std::size_t kStepCount = std::size_t(Step::lastbit) + 1;

// The answer to "ต้องการกรอกใบแนบ".
enum class Answer : std::uint8_t { none, yes, no };

// The personal data the attachment's header repeats.
struct Names {
    std::string name1, surname1, idtax1;
    std::string name2, surname2, idtax2;

    bool operator==(const Names &) const = default;
};

struct ReturnEntries {
    ReturnEntries();

    tax::MaritalStatus status = tax::MaritalStatus::single;
    Names names;
    std::array<std::string, kFieldCount> texts;
    std::array<tax::FirstPartRate, 2> rates{tax::FirstPartRate::perYear7000, tax::FirstPartRate::perYear7000};
    Answer answer = Answer::none;
    std::array<bool, kStepCount> passed{};

    const std::string &text(Field field) const { return texts[indexOf(field)]; }
    std::string &text(Field field) { return texts[indexOf(field)]; }
    bool has(Step step) const { return passed[std::size_t(step)]; }

    bool operator==(const ReturnEntries &) const = default;
};

// Which of the spouse's columns a status puts on the return.
bool spouseIncomeEntered(tax::MaritalStatus status);      // lines 1 to 3
bool spouseAllowancesEntered(tax::MaritalStatus status);  // lines 9 to 16
bool spouseAttachmentEntered(tax::MaritalStatus status);  // the attachment and the severance panel
bool spouseTaxEntered(tax::MaritalStatus status);         // lines 21 and 22

} // namespace model
