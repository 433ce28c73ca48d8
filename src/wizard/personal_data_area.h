// The personal data area "กรอกประวัติ": names, identity numbers, address and the
// marital status, lying over the page control until its next button is pressed.
#pragma once

#include "identity_number.h"
#include "marital_status.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFormsolve;
namespace ui {
class BevelPanel;
}

class PersonalDataArea : public QGroupBox {
    Q_OBJECT
public:
    explicit PersonalDataArea(TFormsolve &form);

    // The status as the seven buttons of Panel72 show it now.
    tax::MaritalStatus maritalStatus() const;

    ui::BevelPanel *Panel70; // taxpayer
    ui::BevelPanel *Panel72; // status
    ui::BevelPanel *Panel74; // spouse

    QLineEdit *id1, *idtax1, *name1, *surname1, *number1, *lane1, *group1, *road1, *ad1,
        *area1, *province1, *homephone1, *workphone1, *zipcode1;
    QLineEdit *id2, *idtax2, *name2, *surname2, *number2, *lane2, *group2, *road2, *ad2,
        *area2, *province2, *homephone2, *workphone2, *zipcode2;
    QLabel *Label102; // caption of idtax2

    QRadioButton *single, *widow, *married1, *married2, *married3, *married4, *married5;

    QPushButton *ok1;

    void singleClick();
    void widowClick();
    void married1Click();
    void married2Click();
    void married3Click();
    void married4Click();
    void married5Click();

    void id1Exit();
    void id2Exit();
    void idtax1Exit();
    void idtax2Exit();
    void name1Exit();
    void surname1Exit();
    void name2Exit();
    void surname2Exit();

    void ok1Click();
    // The popup item for a foreign user: placeholder identity numbers, unchecked.
    void N1Click();

private:
    ui::BevelPanel *buildPerson(int person, const QString &title);
    void buildStatus();
    void showSpouse(bool withTaxNumber);
    void checkNumber(QLineEdit *field, tax::IdCheck result, const QString &wrongMessage);
    void checkCitizenId(QLineEdit *field);
    void checkTaxpayerId(QLineEdit *field);
    void checkFilled(QLineEdit *field);

    TFormsolve &m_form;
};
