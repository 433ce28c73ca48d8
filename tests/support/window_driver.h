// Small helpers to drive a window the way a user does: show it, find controls
// by name, type, press Tab and Enter.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace drive {

inline bool showAndActivate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

template <typename T = QWidget>
T *control(const QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

inline QWidget *focus()
{
    return QApplication::focusWidget();
}

inline QString focusName()
{
    return focus() ? focus()->objectName() : QStringLiteral("<none>");
}

// Replaces a field's text as a user would: focus it, select all, type.
inline void typeInto(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

inline void tab()
{
    QTest::keyClick(focus(), Qt::Key_Tab);
}

inline void enter()
{
    QTest::keyClick(focus(), Qt::Key_Return);
}

} // namespace drive
