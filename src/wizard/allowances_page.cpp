// Building and handlers of the allowances page "ค่าลดหย่อน".
#include "allowances_page.h"

#include "formsolve.h"

AllowancesPage::AllowancesPage(TFormsolve &form)
    : m_form(form)
{
    setObjectName("TabSheet3");
}
