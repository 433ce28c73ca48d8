// Building and handlers of the income page "เงินได้พึงประเมิน".
#include "income_page.h"

#include "formsolve.h"

IncomePage::IncomePage(TFormsolve &form)
    : m_form(form)
{
    setObjectName("TabSheet1");
}
