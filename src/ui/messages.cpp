// Message boxes and the default error report.
#include "messages.h"

#include "currency.h"
#include "utf8_text.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTextBoundaryFinder>

namespace ui {

namespace {

// How much of a long quoted text a box keeps, half from its start and half
// from its end. A text without spaces cannot wrap, so even in the widest
// characters what is kept must fit a line of a small screen; the note of
// what was left out has spaces, so the box wraps there.
constexpr qsizetype kKeptCharacters = 40;
// A text of the program's own or an exception's, wrapped over a few lines.
constexpr qsizetype kKeptUnquoted = 400;

// Moves a position inside a grapheme (a Thai vowel or tone mark on its
// consonant, a surrogate pair) back to where the grapheme starts.
qsizetype graphemeStart(const QString &text, qsizetype position)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(position);
    if (!finder.isAtBoundary())
        finder.toPreviousBoundary();
    return finder.position();
}

} // namespace

QString fitForBox(const QString &text)
{
    // What may be arbitrarily long is what the person typed, which the
    // runtime's texts quote. A text without quotes is the program's own and
    // short; only one longer than a box can hold is shortened as a whole.
    qsizetype from = text.indexOf(u'\'') + 1;
    qsizetype to = text.lastIndexOf(u'\'');
    qsizetype kept = kKeptCharacters;
    if (from == 0 || to < from) {
        from = 0;
        to = text.size();
        kept = kKeptUnquoted;
    }
    if (to - from <= kept + kept / 5)
        return text;
    const qsizetype headEnd = graphemeStart(text, from + kept / 2);
    const qsizetype tailStart = graphemeStart(text, to - kept / 2);
    const qsizetype left = QStringView(text).mid(headEnd, tailStart - headEnd).toUcs4().size();
    return text.left(headEnd)
        + QStringLiteral(" … %1 characters left out … ").arg(QLocale(QLocale::English).toString(left))
        + text.mid(tailStart);
}

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &fullText)
{
    const QString text = fitForBox(fullText);
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
