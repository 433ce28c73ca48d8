// Building and handlers of the severance panel.
#include "severance_panel.h"

#include "formsolve.h"

SeverancePanel::SeverancePanel(TFormsolve &form)
    : m_form(form)
{
    setObjectName("compute1");
    setBevels(Bevel::raised, Bevel::raised, 3);
}
