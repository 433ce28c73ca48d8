// Building and handlers of the attachment page.
#include "attachment_page.h"

#include "formsolve.h"

AttachmentPage::AttachmentPage(TFormsolve &form)
    : m_form(form)
{
    setObjectName("TabSheet4");
}

void AttachmentPage::answerYes()
{
    m_form.openPage(this);
}

void AttachmentPage::answerNo()
{
    m_form.openPage(this);
}
