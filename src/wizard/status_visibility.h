// Which spouse controls of the later pages each marital status hides or greys
// out when the personal data area is left: one table keyed by object name.
#pragma once

#include "marital_status.h"

#include <QStringView>

#include <vector>

class QWidget;

namespace ui {

enum class StatusEffect {
    none,     // the control stays as it is
    hidden,
    disabled, // shown greyed
};

// What leaving the personal data area with `status` does to the control of
// that name; `none` for names the table does not hold.
StatusEffect statusEffect(tax::MaritalStatus status, QStringView objectName);

// Every object name the table holds.
std::vector<const char *> statusControlNames();

// Hides or disables the named controls of the whole window, wherever they lie;
// names of controls that do not exist are passed over.
void applyStatusVisibility(QWidget &window, tax::MaritalStatus status);

} // namespace ui
