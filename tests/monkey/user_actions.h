// What the monkey does with the windows, the way a user does it: clicks,
// double clicks and right clicks through the window system (so that modality,
// covering and focus-on-click work as for a real pointer), keys and typed text
// to the active window, pastes, the wheel over a widget, and bringing a
// window to the front.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>

class QWidget;

namespace monkey {

// Makes the window the active one; false when it would not become active.
bool activate(QWidget *window);

// The point of a control that a click aims at, in its window.
QPoint aimAt(const QWidget *control);

void click(QWidget *control);
void clickAt(QWidget *window, QPoint inWindow);
void doubleClick(QWidget *control);
void rightClickAt(QWidget *window, QPoint inWindow);

// A key to the active window, with the text the key produces.
void key(int key, int modifiers = 0);
// Types the text one key at a time; characters no key produces (Thai,
// controls) go as key events carrying only their text.
void typeText(const QString &text);
// Selects everything in the focused field and types over it (Delete for an
// empty text).
void typeOver(const QString &text);
// Puts the text on the clipboard and pastes it with Ctrl+V.
void paste(const QString &text);

// The wheel turned by `angle` eighths of a degree at a point of `target`.
void wheel(QWidget *target, QPoint at, int angle);

// Controls of the window a click reaches now: shown, enabled and not covered
// by anything at the point aimed at.
bool isReachable(const QWidget *control);
QList<QWidget *> reachableControls(QWidget *window);

// A short name for a control in the log: its object name and where it lies.
QString nameOf(const QWidget *control);

} // namespace monkey
