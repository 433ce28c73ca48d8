// A wizard window with the attachment page open, for the tests of that page
// and of the severance panel: the window is shown only once the page is open,
// so that the focus starts there and no field of the personal data area is
// ever left (and checked) on the way.
#pragma once

#include "allowances_page.h"
#include "attachment_page.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "personal_data_area.h"
#include "question_panel.h"
#include "severance_panel.h"
#include "window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

struct AttachmentWizard {
    std::unique_ptr<TFormsolve> w = std::make_unique<TFormsolve>(nullptr, nullptr);
    AttachmentPage &page = *w->TabSheet4;
    SeverancePanel &panel = *w->compute1;
    MessageCatcher messages;

    // Leaves the personal data area with both persons on the return, opens the
    // page by the answer "ใช่" and shows the window.
    bool open()
    {
        w->first->married4->setChecked(true);
        w->first->ok1->click();
        answer(true);
        return w->solve->currentWidget() == &page && drive::showAndActivate(w.get());
    }

    // Answers the allowances page's question again, as its buttons do.
    void answer(bool yes)
    {
        QuestionPanel &question = *w->TabSheet3->Panel82;
        w->openPage(w->TabSheet3);
        question.ask();
        (yes ? question.ok2 : question.can2)->click();
    }

    QWidget *control(const QString &name) const { return w->findChild<QWidget *>(name); }
    QString text(const char *name) const { return w->findChild<QLabel *>(name)->text(); }
    QString field(const char *name) const { return w->findChild<QLineEdit *>(name)->text(); }

    // Types into a field and leaves it with Tab.
    void enter(const char *name, const QString &value)
    {
        drive::typeInto(w->findChild<QLineEdit *>(name), value);
        drive::tab();
    }

    void openPanel() { QTest::mouseClick(page.computebutton, Qt::LeftButton); }
    bool panelInFront() const { return w->areas().front() == &panel; }
};
