// Answering message boxes, dialogs, menus and printed-return windows.
#include "modal_answerer.h"

#include "random_input.h"
#include "step_log.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include <cstdlib>

namespace monkey {

namespace {

// A handler that brings its box back without end would keep the walk here.
constexpr int kBoxesBeforeGivingUp = 60;
// More than this many times the same text in one step is a loop.
constexpr int kSameBoxAllowed = 2;

} // namespace

ModalAnswerer::ModalAnswerer(std::uint64_t seed)
    : m_seed(seed)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(1);
}

void ModalAnswerer::beginStep(int step)
{
    m_stepNumber = step;
    m_decisions = 0;
    m_step = {};
}

std::uint64_t ModalAnswerer::decision()
{
    // Independent of how often the timer ran: the choice depends only on the
    // seed, the step and how many answers the step has had.
    Random random(m_seed ^ (std::uint64_t(m_stepNumber) << 20) ^ std::uint64_t(++m_decisions));
    return random.next();
}

void ModalAnswerer::poll()
{
    if (QWidget *popup = QApplication::activePopupWidget()) {
        if (auto *menu = qobject_cast<QMenu *>(popup); menu && !m_answering.contains(popup)) {
            answerMenu(menu);
            return;
        }
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && !m_answering.contains(modal)) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            answerBox(box);
            return;
        }
        if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            m_answering << dialog;
            ++m_step.dialogsRejected;
            logNote(QStringLiteral("dialog %1 rejected").arg(dialog->objectName()));
            dialog->reject();
            m_answering.removeAll(dialog);
            return;
        }
    }
    // A printed-return window with nothing modal over it is closed.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() != QLatin1StringView("Formbil") || !window->isVisible()
            || m_answering.contains(window) || (modal && modal != window))
            continue;
        ++m_step.printWindowsClosed;
        logNote(QStringLiteral("Formbil closed"));
        m_answering << window;
        window->close();
        m_answering.removeAll(window);
        return;
    }
}

void ModalAnswerer::answerBox(QMessageBox *box)
{
    const QString text = box->text();
    m_step.boxTexts << text;
    m_step.boxKinds << box->objectName();
    if (m_step.boxTexts.count(text) > kSameBoxAllowed)
        m_step.looped = true;
    if (m_step.boxTexts.size() > kBoxesBeforeGivingUp) {
        dumpLog("a message box comes back without end");
        std::_Exit(3);
    }

    const QString kind = box->objectName();
    QPointer<QMessageBox> guard = box;
    m_answering << box;
    QAbstractButton *ok = box->button(QMessageBox::Ok);
    const char *how = "click";
    switch (decision() % 5) {
    case 0:
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        break;
    case 1:
        how = "Enter";
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case 2:
        how = "Escape";
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case 3:
        how = "Space";
        if (ok)
            QTest::keyClick(ok, Qt::Key_Space);
        break;
    default:
        how = "close box";
        box->close();
        break;
    }
    // Whatever did not close it, the OK button does.
    if (guard && guard->isVisible() && ok)
        ok->click();
    m_answering.removeAll(guard.data());
    m_answering.removeAll(nullptr);
    logNote(QStringLiteral("%1 \"%2\" answered by %3").arg(kind, text, QLatin1StringView(how)));
}

void ModalAnswerer::answerMenu(QMenu *menu)
{
    QList<QAction *> items;
    for (QAction *action : menu->actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator() && !action->menu())
            items << action;
    }
    QPointer<QMenu> guard = menu;
    m_answering << menu;
    const std::uint64_t choice = decision();
    if (items.isEmpty() || choice % 5 == 0) {
        m_step.menuChoices << QStringLiteral("<dismissed>");
        logNote(QStringLiteral("menu dismissed"));
        QTest::keyClick(menu, Qt::Key_Escape);
    } else {
        QAction *action = items[qsizetype((choice / 5) % std::uint64_t(items.size()))];
        const QString name = action->objectName().isEmpty() ? action->text() : action->objectName();
        m_step.menuChoices << name;
        logNote(QStringLiteral("menu item %1").arg(name));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    if (guard && guard->isVisible())
        guard->close();
    m_answering.removeAll(guard.data());
    m_answering.removeAll(nullptr);
}

} // namespace monkey
