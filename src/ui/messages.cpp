// Message boxes and the default error report.
#include "messages.h"

#include "currency.h"
#include "utf8_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    // The box belongs to the window it stands over; should that window go away
    // while the box is up, the box goes with it and is not deleted twice.
    QPointer<QWidget> owner = parent;
    QPointer<QMessageBox> box = new QMessageBox(icon, messageCaption(), text, QMessageBox::Ok, parent);
    box->setObjectName(icon == QMessageBox::Critical ? "errorReport" : "message");
    // Every box has the program's caption; a screen reader names it by what it says.
    box->setAccessibleName(text);
    box->exec();
    delete box.data();
    // Give the window the keyboard back, so that the focus returns to its control.
    if (owner)
        owner->window()->activateWindow();
}

} // namespace

QString messageCaption()
{
    return ui::text("บริการคำนวณ VARO. 91");
}

void showMessage(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::NoIcon, text);
}

void reportError(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Critical, text);
}

bool runGuarded(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const tax::AmountError &error) {
        reportError(parent, QString::fromStdString(error.what()));
    } catch (const std::exception &error) {
        reportError(parent, QString::fromStdString(error.what()));
    } catch (...) {
        reportError(parent, QStringLiteral("Unknown exception"));
    }
    return false;
}

} // namespace ui
