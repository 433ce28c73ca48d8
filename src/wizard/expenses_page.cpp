// Building and handlers of the expenses page "ค่าใช้จ่าย".
#include "expenses_page.h"

#include "formsolve.h"

ExpensesPage::ExpensesPage(TFormsolve &form)
    : m_form(form)
{
    setObjectName("TabSheet2");
}
