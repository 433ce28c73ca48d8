// Which spouse controls of the later pages each marital status hides or greys
// out when the personal data area is left: one table keyed by object name.
#pragma once

#include "marital_status.h"

#include <vector>

class QWidget;

namespace ui {

// Every object name the table holds.
std::vector<const char *> statusControlNames();

// Hides or disables the named controls of the whole window, wherever they lie;
// names of controls that do not exist are passed over.
void applyStatusVisibility(QWidget &window, tax::MaritalStatus status);

} // namespace ui
