// A whole return entered with the keyboard from the personal data area to
// the refund page, and the printed return that the page's print button makes.
#pragma once

#include "formbil.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "refund_page.h"
#include "return_preview.h"
#include "wizard_walk.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace printed {

// What is typed on the tax computation page.
struct Credits {
    QString taxpayerWithheld = QStringLiteral("0"), taxpayerPaid = QStringLiteral("0");
    QString spouseWithheld = QStringLiteral("0"), spousePaid = QStringLiteral("0");
};

struct Wizard {
    MessageCatcher messages;
    std::unique_ptr<TFormsolve> owned = std::make_unique<TFormsolve>(nullptr, nullptr);
    TFormsolve *w = owned.get();

    // Walks the return to the refund page with the answer "ไม่".
    bool toRefundPage(const walk::Return &r, const Credits &c)
    {
        if (!drive::showAndActivate(w))
            return false;
        walk::toQuestion(*w, r);
        if (QTest::currentTestFailed())
            return false;
        drive::tab();  // to "ไม่"
        drive::enter(); // the attachment opens under its cover
        drive::enter(); // on to the tax computation page
        walk::typeCredits("m", c.taxpayerWithheld, c.taxpayerPaid);
        if (r.status == tax::MaritalStatus::married4)
            walk::typeCredits("f", c.spouseWithheld, c.spousePaid);
        drive::enter();
        return w->solve->currentWidget() == w->TabSheet6;
    }

    // Presses the print button; the printed return it made, or null.
    TFormbil *print()
    {
        QTest::mouseClick(w->TabSheet6->Button1, Qt::LeftButton);
        return w->Formbil;
    }
};

// What an item of the printed page prints.
inline QString item(const TFormbil &page, const char *name)
{
    const QObject *found = page.findChild<const QObject *>(QLatin1StringView(name));
    return found ? found->property("text").toString() : QStringLiteral("<no item %1>").arg(QLatin1StringView(name));
}

// Closes the preview the way its window's close button does.
inline void closePreview(TFormbil &page)
{
    if (QWidget *preview = page.preview())
        preview->close();
}

} // namespace printed
