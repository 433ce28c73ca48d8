// The table of spouse controls per marital status and its application.
#include "status_visibility.h"

#include <QWidget>

#include <array>

namespace ui {

namespace {

// Statuses where the spouse is not on the return hide the full set; joint
// computation keeps the spouse's entries but hides the spouse's own result
// columns; separate computation on the same return hides nothing.
enum class SpouseSet { full, fullButSpouseAllowance, joint, nothing };

SpouseSet spouseSetOf(tax::MaritalStatus status)
{
    switch (status) {
    case tax::MaritalStatus::married1: return SpouseSet::fullButSpouseAllowance;
    case tax::MaritalStatus::married3: return SpouseSet::joint;
    case tax::MaritalStatus::married4: return SpouseSet::nothing;
    default: return SpouseSet::full;
    }
}

enum class Effect {
    hidden,
    disabled, // shown greyed
};

struct Row {
    const char *name;
    Effect effect;
    bool inJointSet;
    bool spouseAllowance; // stays shown where the spouse has no income
};

constexpr Effect kHide = Effect::hidden;
constexpr Effect kGrey = Effect::disabled;

constexpr std::array kRows{
    // income page
    Row{"Panel17", kHide, false, false},
    // expenses page
    Row{"Panel25", kHide, false, false},
    Row{"p2", kHide, false, false},
    Row{"copyoftotal3f", kHide, true, false},
    Row{"total4f", kHide, true, false},
    Row{"Label36", kHide, true, false},
    Row{"Label39", kHide, true, false},
    Row{"Label160", kHide, true, false},
    Row{"Label161", kHide, true, false},
    // allowances page
    Row{"Panel29", kHide, true, false},
    Row{"p4", kHide, false, true},
    // severance panel
    Row{"Panel78", kHide, false, false},
    // attachment page
    Row{"ch11f", kHide, false, false},
    Row{"ch12f", kHide, false, false},
    Row{"ch13f", kHide, false, false},
    Row{"ch14f", kHide, false, false},
    Row{"ch15f", kHide, false, false},
    Row{"cname2", kHide, false, false},
    Row{"csurname2", kHide, false, false},
    Row{"cidtax2", kHide, false, false},
    Row{"total14f", kHide, false, false},
    Row{"total15f", kHide, false, false},
    Row{"total16f", kHide, false, false},
    Row{"total17f", kHide, false, false},
    Row{"total18f", kHide, false, false},
    Row{"Label139", kHide, false, false},
    Row{"Label166", kHide, false, false},
    Row{"Label167", kHide, false, false},
    Row{"Label204", kHide, false, false},
    Row{"Label207", kHide, false, false},
    Row{"Label210", kHide, false, false},
    Row{"Label211", kHide, false, false},
    Row{"Label212", kHide, false, false},
    Row{"Label216", kHide, false, false},
    // tax computation page: the spouse column, and the set-off of lines 25
    // and 26, which needs both persons computed apart
    Row{"Panel48", kHide, true, false},
    Row{"Panel49", kHide, true, false},
    Row{"Label69", kGrey, true, false},
    Row{"Label70", kGrey, true, false},
    Row{"Label228", kGrey, true, false},
    Row{"Label230", kGrey, true, false},
    Row{"total24m", kGrey, true, false},
    Row{"total25m", kGrey, true, false},
    Row{"choice1m", kGrey, true, false},
    Row{"choice2m", kGrey, true, false},
};

bool applies(const Row &row, SpouseSet set)
{
    switch (set) {
    case SpouseSet::full: return true;
    case SpouseSet::fullButSpouseAllowance: return !row.spouseAllowance;
    case SpouseSet::joint: return row.inJointSet;
    case SpouseSet::nothing: return false;
    }
    return false;
}

} // namespace

std::vector<const char *> statusControlNames()
{
    std::vector<const char *> names;
    for (const Row &row : kRows)
        names.push_back(row.name);
    return names;
}

void applyStatusVisibility(QWidget &window, tax::MaritalStatus status)
{
    const SpouseSet set = spouseSetOf(status);
    for (const Row &row : kRows) {
        if (!applies(row, set))
            continue;
        QWidget *control = window.findChild<QWidget *>(QLatin1StringView(row.name));
        if (!control)
            continue;
        if (row.effect == Effect::hidden)
            control->hide();
        else
            control->setEnabled(false);
    }
}

} // namespace ui
