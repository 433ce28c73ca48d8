// What the wizard shows of a return: the text of every computed label (and of
// the severance panel's product field), the radio buttons the tax computation
// sets, the severance lines a person cannot enter, and the refund blocks. The
// names are the wizard's; each pair is the taxpayer's, then the spouse's.
#pragma once

#include "severance.h"
#include "tax_computation.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace model {

enum class Shown : std::uint8_t {
    total1m, total1f,             // line 4
    total2m, total2f,             // line 5
    copyoftotal3m, copyoftotal3f, // line 6
    total4m, total4f,             // line 7
    dis1m, dis1f,                 // line 14
    total5m, total5f,             // line 15
    total6m, total6f,             // line 17
    cname1, cname2, csurname1, csurname2, cidtax1, cidtax2, // the attachment's header
    total7m, total7f,             // attachment item 4
    total8m, total8f,             // attachment item 6
    com3m, com3f,                 // severance line 8
    total9m, total9f, total10m, total10f, total11m, total11f, total12m, total12f, total13m, total13f,
    total14m, total14f,           // attachment line 2
    total15m, total15f,           // attachment line 3
    total16m, total16f,           // attachment line 4
    total17m, total17f,           // attachment line 6
    total18m, total18f,           // attachment line 7
    total19m, total19f,           // line 18
    total20m, total20f,           // line 19
    total21m, total21f,           // line 20
    total22m, total22f,           // line 23
    total23m, total23f,           // line 24
    total24m, total24f,           // line 25
    total25m, total25f,           // line 26
    total26m, total26f,           // line 27
    total27m, total27f,           // line 28
    total28m, total28f,           // the refund amounts
};

inline constexpr std::size_t kShownCount = std::size_t(Shown::total28f) + 1;

constexpr std::size_t indexOf(Shown shown) { return static_cast<std::size_t>(shown); }

// The person's label of a pair, given the taxpayer's.
constexpr Shown of(Shown taxpayerLabel, tax::Person who)
{
    return Shown(indexOf(taxpayerLabel) + (who == tax::Person::spouse ? 1 : 0));
}

constexpr std::size_t sideOf(tax::Person who) { return who == tax::Person::taxpayer ? 0 : 1; }

std::string_view nameOf(Shown shown);

struct ReturnDisplay {
    // As a new wizard shows them, before any step.
    ReturnDisplay();

    std::array<std::string, kShownCount> texts;
    // Why each line shows its figure, with the figures used; empty until computed.
    std::array<std::string, kShownCount> why;
    // Lines 26 and 28: pay / overpaid of each person (choice1 to choice4).
    std::array<tax::Choices, 2> choices{};
    // The severance panel's radio of line 10, as chosen.
    std::array<tax::FirstPartRate, 2> rates{tax::FirstPartRate::perYear7000, tax::FirstPartRate::perYear7000};
    // A person with attachment items 1 to 3 and no item 5 has no salary to
    // enter on line 8 of the severance panel: those controls are disabled.
    std::array<bool, 2> lineEightDisabled{};
    // The refund page's block of each person.
    std::array<bool, 2> refundBlocks{true, true};

    const std::string &text(Shown shown) const { return texts[indexOf(shown)]; }
    std::string &text(Shown shown) { return texts[indexOf(shown)]; }
    const std::string &reason(Shown shown) const { return why[indexOf(shown)]; }

    bool operator==(const ReturnDisplay &) const = default;
};

} // namespace model
