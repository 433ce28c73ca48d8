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
namespace ui {
class BevelPanel;
class PageContext;
}

class PersonalDataArea : public QGroupBox {
    Q_OBJECT
public:
    explicit PersonalDataArea(const ui::PageContext &context);

    // The status as the seven buttons of Panel72 show it now.
    tax::MaritalStatus maritalStatus() const;

    ui::BevelPanel *Panel70 = nullptr; // taxpayer
    ui::BevelPanel *Panel72 = nullptr; // status
    ui::BevelPanel *Panel74 = nullptr; // spouse

    QLineEdit *id1 = nullptr, *idtax1 = nullptr, *name1 = nullptr, *surname1 = nullptr, *number1 = nullptr,
              *lane1 = nullptr, *group1 = nullptr, *road1 = nullptr, *ad1 = nullptr, *area1 = nullptr,
              *province1 = nullptr, *homephone1 = nullptr, *workphone1 = nullptr, *zipcode1 = nullptr;
    QLineEdit *id2 = nullptr, *idtax2 = nullptr, *name2 = nullptr, *surname2 = nullptr, *number2 = nullptr,
              *lane2 = nullptr, *group2 = nullptr, *road2 = nullptr, *ad2 = nullptr, *area2 = nullptr,
              *province2 = nullptr, *homephone2 = nullptr, *workphone2 = nullptr, *zipcode2 = nullptr;
    QLabel *Label102 = nullptr; // caption of idtax2

    QRadioButton *single = nullptr, *widow = nullptr, *married1 = nullptr, *married2 = nullptr,
                 *married3 = nullptr, *married4 = nullptr, *married5 = nullptr;

    QPushButton *ok1 = nullptr;

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

    // The next button: the area is done; the window opens the income page.
    void ok1Click();
    // The popup item for a foreign user: placeholder identity numbers, unchecked.
    void N1Click();

signals:
    void nextRequested();

private:
    ui::BevelPanel *buildPerson(int person, const QString &title);
    void buildStatus();
    void showSpouse(bool withTaxNumber);
    void checkNumber(QLineEdit *field, tax::IdCheck result, const QString &wrongMessage);
    void checkCitizenId(QLineEdit *field);
    void checkTaxpayerId(QLineEdit *field);
    void checkFilled(QLineEdit *field);

    const ui::PageContext &m_context;
};
