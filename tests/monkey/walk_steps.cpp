// The steps the walk chooses from: the step that takes the return forward
// from wherever it stands (fixing a field that would refuse or stop first),
// and the random ones: texts, keys, clicks, double clicks, the wheel, menus,
// another window, the close box.
#include "monkey_walk.h"

#include "allowances_page.h"
#include "amount_text.h"
#include "attachment_page.h"
#include "expenses_page.h"
#include "formsolve.h"
#include "identity_number.h"
#include "income_page.h"
#include "main_window.h"
#include "personal_data_area.h"
#include "question_panel.h"
#include "refund_page.h"
#include "severance_panel.h"
#include "sheet_controls.h"
#include "tax_computation_page.h"
#include "user_actions.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

namespace monkey {

namespace {

bool isDigitsAndPoint(const QString &text)
{
    for (QChar c : text) {
        if (!(c.isDigit() && c.unicode() < 0x80) && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

// Fields whose handlers convert their text to an amount.
const QRegularExpression kConvertedFields(QStringLiteral("^(ch[0-9]+[mf]|com[0-9][mf]|year[0-9])$"));

bool converts(const QString &text)
{
    try {
        tax::parseAmount(text.toStdString());
        return true;
    } catch (const tax::AmountError &) {
        return false;
    }
}

QLineEdit *focusedField(const QWidget *window)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != window)
        return nullptr;
    return qobject_cast<QLineEdit *>(focus);
}

} // namespace

QString MonkeyWalk::fixFor(const QLineEdit *field)
{
    const QString name = field->objectName();
    const QString text = field->text();
    if (name.startsWith(QLatin1StringView("idtax"))) {
        if (tax::checkTaxpayerId(text.toStdString()) != tax::IdCheck::accepted)
            return validTaxpayerId(m_random);
    } else if (name == QLatin1StringView("id1") || name == QLatin1StringView("id2")) {
        if (tax::checkCitizenId(text.toStdString()) != tax::IdCheck::accepted)
            return validCitizenId(m_random);
    } else if (name.startsWith(QLatin1StringView("name")) || name.startsWith(QLatin1StringView("surname"))) {
        if (text.isEmpty() && !name.startsWith(QLatin1StringView("nameboss")))
            return QStringLiteral("นายทดสอบ");
    } else if (name == QLatin1StringView("ch1m") || name == QLatin1StringView("ch1f")) {
        if (text.isEmpty() || text == QLatin1StringView("0") || !isDigitsAndPoint(text))
            return validSalary(m_random);
    } else if (name.startsWith(QLatin1StringView("ch2")) || name.startsWith(QLatin1StringView("ch3"))) {
        if (!text.isEmpty() && text != QLatin1StringView(" ") && !isDigitsAndPoint(text))
            return validAmount(m_random);
    } else if (kConvertedFields.match(name).hasMatch() && !converts(text)) {
        // Not refused, but a text that does not convert stops the handler
        // before it leads on (the donation field's question, for one).
        return name.startsWith(QLatin1StringView("ch4")) || name.startsWith(QLatin1StringView("ch5"))
                || !name.startsWith(QLatin1StringView("ch"))
            ? validCount(m_random)
            : validAmount(m_random);
    }
    return {};
}

MonkeyWalk::Action MonkeyWalk::fixField(QLineEdit *field, const QString &text)
{
    return {QStringLiteral("forward: type \"%1\" over %2").arg(text, field->objectName()), [text] { typeOver(text); }};
}

MonkeyWalk::Action MonkeyWalk::forwardAction()
{
    TFormsolve *w = wizard();
    if (!w) {
        if (m_main->Panel1 && m_main->Panel1->isVisible())
            return {QStringLiteral("forward: back from the counter"), [this] { click(m_main->Button1); }};
        return {QStringLiteral("forward: start"), [this] { click(m_main->BitBtn2); }};
    }
    if (QLineEdit *field = focusedField(w)) {
        const QString fix = fixFor(field);
        if (!fix.isEmpty())
            return fixField(field, fix);
    }
    QWidget *focus = QApplication::focusWidget();
    const auto press = [this](QPushButton *button) -> Action {
        if (m_random.percent(25) && QApplication::focusWidget() && QApplication::focusWidget() != button)
            return {QStringLiteral("forward: Enter for %1").arg(button->objectName()), [] { key(Qt::Key_Return); }};
        return {QStringLiteral("forward: click %1").arg(button->objectName()), [button] { click(button); }};
    };
    const auto clickOn = [](QWidget *control) -> Action {
        return {QStringLiteral("forward: click %1").arg(control->objectName()), [control] { click(control); }};
    };
    const auto tab = [] { return Action{QStringLiteral("forward: Tab"), [] { key(Qt::Key_Tab); }}; };

    switch (place()) {
    case Place::personalData: {
        if (m_random.percent(25)) {
            const std::vector<QRadioButton *> statuses{w->first->single, w->first->widow, w->first->married1,
                                                       w->first->married2, w->first->married3, w->first->married4,
                                                       w->first->married5};
            return clickOn(m_random.pick(statuses));
        }
        return press(w->first->ok1);
    }
    case Place::income:
        return press(w->TabSheet1->Okbut1);
    case Place::expenses:
        return press(w->TabSheet2->Okbut2);
    case Place::allowances: {
        // The last donation field asks the question when it is left; with the
        // spouse's panel shown the taxpayer's leads on to the spouse's rows.
        AllowancesPage *page = w->TabSheet3;
        if (focus == page->ch10m || focus == page->ch10f)
            return tab();
        if (page->Panel29->isVisible() && focus && page->Panel29->isAncestorOf(focus))
            return clickOn(page->ch10f);
        return clickOn(page->ch10m);
    }
    case Place::question:
        return clickOn(m_random.percent(60) ? w->TabSheet3->Panel82->ok2 : w->TabSheet3->Panel82->can2);
    case Place::attachment:
        if (m_random.percent(35))
            return clickOn(w->TabSheet4->computebutton);
        return press(w->TabSheet4->BitBtn6);
    case Place::attachmentCover:
        return press(w->TabSheet4->BitBtn6);
    case Place::severancePanel: {
        SeverancePanel *panel = w->compute1;
        if (m_random.percent(40) && isReachable(panel->com5m)) {
            const QString years = validCount(m_random);
            return {QStringLiteral("forward: years \"%1\" into com5m").arg(years), [panel, years] {
                        click(panel->com5m);
                        typeOver(years);
                    }};
        }
        return press(panel->BitBtn5);
    }
    case Place::taxComputation: {
        TaxComputationPage *page = w->TabSheet5;
        if (focus == page->ch17m || focus == page->ch17f)
            return tab();
        if ((focus == page->Edit2 || focus == page->ch16f) && isReachable(page->ch17f))
            return clickOn(page->ch17f);
        if (m_random.percent(50))
            return clickOn(page->ch17m);
        return press(page->lastbit);
    }
    case Place::refund:
        return clickOn(m_random.percent(80) ? static_cast<QWidget *>(w->TabSheet6->Button2) : w->TabSheet6->Button1);
    case Place::mainWindow:
    case Place::count:
        break;
    }
    return tab();
}

MonkeyWalk::Action MonkeyWalk::keyAction()
{
    struct Key {
        int key;
        int modifiers;
        const char *name;
        int weight;
    };
    static const std::vector<Key> keys{
        {Qt::Key_Tab, 0, "Tab", 24},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab", 10},
        {Qt::Key_Return, 0, "Return", 12},
        {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter", 2},
        {Qt::Key_Escape, 0, "Escape", 5},
        {Qt::Key_Space, 0, "Space", 5},
        {Qt::Key_Left, 0, "Left", 2},
        {Qt::Key_Right, 0, "Right", 2},
        {Qt::Key_Up, 0, "Up", 2},
        {Qt::Key_Down, 0, "Down", 2},
        {Qt::Key_Home, 0, "Home", 1},
        {Qt::Key_End, 0, "End", 1},
        {Qt::Key_Backspace, 0, "Backspace", 2},
        {Qt::Key_Delete, 0, "Delete", 2},
        {Qt::Key_PageUp, 0, "PgUp", 1},
        {Qt::Key_PageDown, 0, "PgDn", 1},
        {Qt::Key_Tab, Qt::ControlModifier, "Ctrl+Tab", 3},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Tab", 2},
        {Qt::Key_PageDown, Qt::ControlModifier, "Ctrl+PgDn", 2},
        {Qt::Key_PageUp, Qt::ControlModifier, "Ctrl+PgUp", 2},
        {Qt::Key_F9, 0, "F9", 1},
        {Qt::Key_F10, 0, "F10", 1},
        {Qt::Key_F1, 0, "F1", 1},
        {Qt::Key_Menu, 0, "Menu", 1},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A", 1},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z", 1},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X", 1},
        {Qt::Key_C, Qt::AltModifier, "Alt+C", 1},
        {Qt::Key_Return, Qt::ShiftModifier, "Shift+Return", 1},
    };
    static const int total = [] {
        int sum = 0;
        for (const Key &k : keys)
            sum += k.weight;
        return sum;
    }();
    int roll = m_random.below(total);
    for (const Key &k : keys) {
        roll -= k.weight;
        if (roll < 0)
            return {QString::fromLatin1(k.name), [k] { key(k.key, k.modifiers); }};
    }
    return {QStringLiteral("Tab"), [] { key(Qt::Key_Tab); }};
}

MonkeyWalk::Action MonkeyWalk::clickAction(QWidget *window)
{
    const QList<QWidget *> controls = reachableControls(window);
    if (controls.isEmpty())
        return {QStringLiteral("Tab"), [] { key(Qt::Key_Tab); }};
    QWidget *control = controls[m_random.below(int(controls.size()))];
    if (auto *bar = qobject_cast<QTabBar *>(control)) {
        QList<int> tabs;
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->isTabVisible(i) && bar->isTabEnabled(i))
                tabs << i;
        }
        if (!tabs.isEmpty()) {
            const int tab = tabs[m_random.below(int(tabs.size()))];
            const QPoint at = bar->mapTo(window, bar->tabRect(tab).center());
            QPointer<QWidget> target = window;
            if (m_random.percent(15))
                return {QStringLiteral("double click tab %1").arg(tab), [target, bar, tab] {
                            if (target)
                                QTest::mouseDClick(target->windowHandle(), Qt::LeftButton, {}, bar->mapTo(target, bar->tabRect(tab).center()));
                        }};
            return {QStringLiteral("click tab %1").arg(tab), [target, at] {
                        if (target)
                            clickAt(target, at);
                    }};
        }
    }
    const QString name = nameOf(control);
    if (m_random.percent(10))
        return {QStringLiteral("double click %1").arg(name), [control] { doubleClick(control); }};
    return {QStringLiteral("click %1").arg(name), [control] { click(control); }};
}

MonkeyWalk::Action MonkeyWalk::randomAction()
{
    QWidget *window = QApplication::activeWindow();
    if (!window)
        window = wizard() ? static_cast<QWidget *>(wizard()) : m_main.get();
    QPointer<QWidget> target = window;
    const bool inField = focusedField(window) != nullptr;
    TFormsolve *w = wizard();

    const int roll = m_random.below(100);
    if (roll < 22 && inField) {
        const QString text = anyText(m_random);
        if (m_random.percent(60))
            return {QStringLiteral("type over \"%1\"").arg(text), [text] { typeOver(text); }};
        return {QStringLiteral("type \"%1\"").arg(text), [text] { typeText(text); }};
    }
    if (roll < 27 && inField) {
        const QString text = pastedText(m_random);
        return {QStringLiteral("paste %1 chars \"%2\"").arg(text.size()).arg(text.left(40)), [text] { paste(text); }};
    }
    if (roll < 60)
        return keyAction();
    if (roll < 84)
        return clickAction(window);
    if (roll < 87) {
        const QPoint at(m_random.below(window->width()), m_random.below(window->height()));
        return {QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y()), [target, at] {
                    if (target)
                        clickAt(target, at);
                }};
    }
    if (roll < 91 && w && w == window && isReachable(w->solve->tabBar())) {
        QTabBar *bar = w->solve->tabBar();
        const int angle = m_random.percent(50) ? 120 : -120;
        const QPoint at = bar->tabRect(bar->currentIndex()).center();
        return {QStringLiteral("wheel %1 over the tabs").arg(angle), [bar, at, angle] { wheel(bar, at, angle); }};
    }
    if (roll < 95) {
        const QList<QWidget *> controls = reachableControls(window);
        const QPoint at = !controls.isEmpty() && m_random.percent(50)
            ? aimAt(controls[m_random.below(int(controls.size()))])
            : QPoint(m_random.below(window->width()), m_random.below(window->height()));
        return {QStringLiteral("right click at %1,%2 (%3)").arg(at.x()).arg(at.y()).arg(nameOf(window->childAt(at))),
                [target, at] {
                    if (target)
                        rightClickAt(target, at);
                }};
    }
    if (roll < 97) {
        // Another window that is not blocked: the about box, or back from it.
        QWidget *other = m_about.isVisible() && window != &m_about ? static_cast<QWidget *>(&m_about)
                                                                  : (w ? static_cast<QWidget *>(w) : m_main.get());
        QPointer<QWidget> to = other;
        return {QStringLiteral("switch to %1").arg(other->objectName()), [to] {
                    if (to)
                        activate(to);
                }};
    }
    if (roll == 97 && m_random.percent(30)) {
        return {QStringLiteral("close box of %1").arg(window->objectName()), [target] {
                    if (target)
                        target->close();
                }};
    }
    return keyAction();
}

} // namespace monkey
