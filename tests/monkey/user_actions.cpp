// User actions through the window system.
#include "user_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace monkey {

namespace {

QWindow *keyWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active->windowHandle();
    return QGuiApplication::focusWindow();
}

} // namespace

bool activate(QWidget *window)
{
    if (!window || !window->isVisible())
        return false;
    if (QApplication::activeWindow() == window)
        return true;
    // The offscreen platform keeps a closed pop-up menu as the active window
    // and refuses to activate another; a window system gives the window that
    // opened the menu the keyboard back, and so does this, without waiting.
    if (!qobject_cast<QMenu *>(QApplication::activeWindow())) {
        window->activateWindow();
        if (QTest::qWaitForWindowActive(window, 200) && QApplication::activeWindow() == window)
            return true;
    }
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
    return QApplication::activeWindow() == window;
}

QPoint aimAt(const QWidget *control)
{
    return control->mapTo(control->window(), control->rect().center());
}

void clickAt(QWidget *window, QPoint inWindow)
{
    activate(window);
    if (QWindow *handle = window->windowHandle())
        QTest::mouseClick(handle, Qt::LeftButton, {}, inWindow);
}

void click(QWidget *control)
{
    clickAt(control->window(), aimAt(control));
}

void doubleClick(QWidget *control)
{
    QWidget *window = control->window();
    activate(window);
    if (QWindow *handle = window->windowHandle())
        QTest::mouseDClick(handle, Qt::LeftButton, {}, aimAt(control));
}

void rightClickAt(QWidget *window, QPoint inWindow)
{
    activate(window);
    if (QWindow *handle = window->windowHandle())
        QTest::mouseClick(handle, Qt::RightButton, {}, inWindow);
}

void key(int key, int modifiers)
{
    if (QWindow *window = keyWindow())
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
}

void typeText(const QString &text)
{
    for (QChar c : text) {
        QWindow *window = keyWindow();
        if (!window)
            return;
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(window, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void typeOver(const QString &text)
{
    key(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        key(Qt::Key_Delete);
    else
        typeText(text);
}

void paste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    key(Qt::Key_V, Qt::ControlModifier);
}

void wheel(QWidget *target, QPoint at, int angle)
{
    QWheelEvent event(at, target->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

bool isReachable(const QWidget *control)
{
    if (!control || !control->isVisible() || !control->isEnabled())
        return false;
    const QWidget *window = control->window();
    const QWidget *hit = window->childAt(aimAt(control));
    return hit == control || control->isAncestorOf(hit);
}

QList<QWidget *> reachableControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        const bool takesInput = qobject_cast<QAbstractButton *>(child) || qobject_cast<QLineEdit *>(child)
            || qobject_cast<QTabBar *>(child);
        if (takesInput && isReachable(child))
            controls << child;
    }
    return controls;
}

QString nameOf(const QWidget *control)
{
    if (!control)
        return QStringLiteral("<none>");
    QString name = control->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(control->metaObject()->className());
    const QWidget *window = control->window();
    if (window != control && window)
        name += QLatin1Char('@') + window->objectName();
    return name;
}

} // namespace monkey
