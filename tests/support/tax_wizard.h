// A wizard window with the tax computation page open, for the tests of that
// page and of the refund request page. The status is chosen and the personal
// data area left by its next button (which hides and greys the spouse
// controls); lines 17 and the attachment's lines 6 and 7 are set in the ledger
// instead of being walked to, and the attachment page's next button opens the
// page as it does for a user.
#pragma once

#include "attachment_page.h"
#include "bevel_panel.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "personal_data_area.h"
#include "refund_page.h"
#include "run_ledger.h"
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

    static void setLines(tax::Person who, const EarlierLines &lines)
    {
        auto &totals = tax::figures(runLedger(), who).totals;
        totals[tax::total::line17] = tax::baht(lines.line17);
        totals[tax::total::attachmentLine6] = tax::baht(lines.attachmentLine6);
        totals[tax::total::attachmentLine7] = tax::baht(lines.attachmentLine7);
    }

    // The whole way to the page: the lines in the ledger, then the
    // attachment page's next button.
    bool open(tax::MaritalStatus status, const EarlierLines &taxpayer, const EarlierLines &spouse = {})
    {
        if (!start(status))
            return false;
        setLines(tax::Person::taxpayer, taxpayer);
        setLines(tax::Person::spouse, spouse);
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
