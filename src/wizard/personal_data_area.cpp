// Building and handlers of the personal data area.
#include "personal_data_area.h"

#include "formsolve.h"
#include "income_page.h"

#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

PersonalDataArea::PersonalDataArea(TFormsolve &form)
    : QGroupBox(QStringLiteral("กรอกประวัติ"))
    , m_form(form)
{
    setObjectName("first");

    ok1 = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("หน้าต่อไป"), this);
    ok1->setObjectName("ok1");
    ok1->setDefault(true);
    ok1->setGeometry(640, 530, 121, 27);
    form.onClick(ok1, [this] { ok1Click(); });
    form.exits().setDefaultButton(this, ok1);
}

tax::MaritalStatus PersonalDataArea::maritalStatus() const
{
    return tax::MaritalStatus::single;
}

void PersonalDataArea::ok1Click()
{
    m_form.areas().sendToBack(this);
    m_form.areas().bringToFront(m_form.solve);
    m_form.TabSheet1->setFocus();
    m_form.hideLaterTabs();
}

void PersonalDataArea::N1Click()
{
}
