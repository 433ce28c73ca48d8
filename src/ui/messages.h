// The program's modal message boxes and the default report of an error that stops a handler.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// The caption of every message box: the program's name.
QString messageCaption();

// A modal box with the text and an OK button, over the given window.
void showMessage(QWidget *parent, const QString &text);

// The default error report: an error box with the runtime's text, for example
// "'1,000' is not a valid floating point value".
void reportError(QWidget *parent, const QString &text);

// The text a box shows: a very long quoted part (what the person typed) keeps
// its start and end and says how many characters were left out between them,
// so that the box always fits the screen.
QString fitForBox(const QString &text);

// Runs a handler; an amount error (or any other exception) stops it and is
// shown with the default error report instead of reaching the event loop.
// Returns true when the handler ran to its end.
bool runGuarded(QWidget *parent, const std::function<void()> &handler);

} // namespace ui
