// The personal data area "กรอกประวัติ": names, identity numbers, address and the
// marital status, lying over the page control until its next button is pressed.
#pragma once

#include "marital_status.h"

#include <QGroupBox>

class QPushButton;
class TFormsolve;

class PersonalDataArea : public QGroupBox {
    Q_OBJECT
public:
    explicit PersonalDataArea(TFormsolve &form);

    tax::MaritalStatus maritalStatus() const;

    QPushButton *ok1;

    void ok1Click();
    // The popup item for a foreign user: placeholder identity numbers.
    void N1Click();

private:
    TFormsolve &m_form;
};
