// A wizard window with the tax computation page open, for the tests of that
// page and of the refund request page. The status is chosen and the personal
// data area left by its next button (which hides and greys the spouse
// controls); the entries that give lines 17 and the attachment's lines 6 and
// 7 are typed into their fields and handed to the window's return without
// walking their pages, and the attachment page's next button opens the page
// as it does for a user.
#pragma once

#include "attachment_page.h"
#include "bevel_panel.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "personal_data_area.h"
#include "refund_page.h"
#include "model_walk.h"
#include "tax_computation_page.h"
#include "wizard_walk.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// What a person brings to the page, in whole baht.
struct EarlierLines {
    std::int64_t line17 = 0;
    std::int64_t attachmentLine6 = 0; // tax to pay on a one-time payment
    std::int64_t attachmentLine7 = 0; // tax overpaid on it
};

struct TaxWizard {
    std::unique_ptr<TFormsolve> owned = std::make_unique<TFormsolve>(nullptr, nullptr);
    TFormsolve *w = owned.get();
    MessageCatcher messages;

    TaxComputationPage &page() const { return *w->TabSheet5; }
    RefundPage &refund() const { return *w->TabSheet6; }

    // Shows the window, chooses the status and leaves the personal data area.
    bool start(tax::MaritalStatus status)
    {
        if (!drive::showAndActivate(w))
            return false;
        w->N1Click(); // identity numbers that let the focus go
        walk::clickOn(drive::control<QRadioButton>(w, walk::statusButton(status)));
        w->first->ok1->click();
        return w->maritalStatus() == status && w->areas().front() == w->solve;
    }

    // Types a field's text and hands it to the window's return as leaving the
    // field does; the labels show it once a handler of the window runs.
    void type(const char *name, const QString &text)
    {
        drive::control<QLineEdit>(w, name)->setText(text);
        model::ReturnEntries typed = w->returnModel().entries();
        const model::Field field = *model::fieldNamed(name);
        typed.text(field) = text.toStdString();
        QVERIFY(modelwalk::leave(w->returnModel(), field, typed).taken());
    }

    // The entries up to the attachment question that give each person the
    // line 17 asked for: a salary and, where it takes less, social security.
    void enterIncome(tax::MaritalStatus status, const EarlierLines &taxpayer, const EarlierLines &spouse)
    {
        const bool spouseAllowance = status == tax::MaritalStatus::married1 || status == tax::MaritalStatus::married3;
        const auto salaryFor = [](std::int64_t line17, std::int64_t allowances) {
            // Line 7 is the salary less 60,000 from a salary of 150,000 on.
            const std::int64_t line7 = line17 + allowances;
            return line7 >= 90'000 ? std::pair{line7 + 60'000, std::int64_t(0)} : std::pair{std::int64_t(150'000), 90'000 - line7};
        };
        const auto [salary, socialSecurity] = salaryFor(taxpayer.line17, spouseAllowance ? 60'000 : 30'000);
        const auto [spouseSalary, spouseSocialSecurity] = salaryFor(spouse.line17, 30'000);
        type("ch1m", QString::number(salary));
        if (model::spouseIncomeEntered(status))
            type("ch1f", status == tax::MaritalStatus::married4 ? QString::number(spouseSalary) : QStringLiteral("0.0"));
        w->returnModel().Okbut1Click();
        w->returnModel().Okbut2Click();
        type("ch9m", QString::number(socialSecurity));
        if (model::spouseAllowancesEntered(status))
            type("ch9f", QString::number(spouseSocialSecurity));
    }

    // The answer "ใช่" and an attachment whose tax leaves each person's
    // line 6 (a payment taxed to it) or line 7 (tax withheld on none).
    void enterAttachment(tax::MaritalStatus status, const EarlierLines &taxpayer, const EarlierLines &spouse)
    {
        w->returnModel().ok2Click();
        const auto taxedTo = [](std::int64_t tax) {
            return tax <= 5'000 ? 20 * tax : tax <= 45'000 ? 100'000 + 10 * (tax - 5'000) : 500'000 + 5 * (tax - 45'000);
        };
        for (const char *person : {"m", "f"}) {
            if (*person == 'f' && !model::spouseAttachmentEntered(status))
                break;
            const EarlierLines &lines = *person == 'm' ? taxpayer : spouse;
            if (lines.attachmentLine6 != 0)
                type(qPrintable(QStringLiteral("ch14") + person), QString::number(taxedTo(lines.attachmentLine6)));
            if (lines.attachmentLine7 != 0)
                type(qPrintable(QStringLiteral("ch15") + person), QString::number(lines.attachmentLine7));
        }
        w->returnModel().computebuttonClick();
        w->returnModel().BitBtn5Click();
    }

    // The whole way to the page: the entries, then the attachment page's
    // next button.
    bool open(tax::MaritalStatus status, const EarlierLines &taxpayer, const EarlierLines &spouse = {})
    {
        if (!start(status))
            return false;
        enterIncome(status, taxpayer, spouse);
        enterAttachment(status, taxpayer, spouse);
        w->openPage(w->TabSheet4);
        QTest::mouseClick(w->TabSheet4->BitBtn6, Qt::LeftButton);
        return w->solve->currentWidget() == w->TabSheet5 && drive::focusName() == QStringLiteral("Edit1");
    }

    QString text(const char *name) const { return drive::control<QLabel>(w, name)->text(); }

    // The radio buttons of the page that are checked, in the order of their names.
    QStringList checkedChoices() const
    {
        QStringList checked;
        for (const char *person : {"m", "f"}) {
            for (int i = 1; i <= 4; ++i) {
                const QString name = QStringLiteral("choice%1").arg(i) + person;
                if (w->findChild<QRadioButton *>(name)->isChecked())
                    checked << name;
            }
        }
        return checked;
    }

    // Types a person's credits from the certificate count on, leaving each
    // field with Tab as a user does.
    void credits(const char *person, const QString &withheld, const QString &paid)
    {
        const bool taxpayer = *person == 'm';
        walk::typeAndTab(taxpayer ? "Edit1" : "Edit2", QStringLiteral("1"));
        walk::typeAndTab(QStringLiteral("ch16") + person, withheld);
        walk::typeAndTab(QStringLiteral("ch17") + person, paid);
    }
};
