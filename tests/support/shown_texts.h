// Every text a window shows a person or tells a screen reader: window
// captions, the controls' texts and tooltips, tab captions, menu and toolbar
// items, and the names and descriptions assistive technology reads. For the
// language tests: which of them are in which script.
#pragma once

#include "bevel_panel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWidget>

#include <functional>

namespace shown {

struct Text {
    QString where; // the object's name and what the text is
    QString text;
};

// Whether a text should be left out: the object it belongs to.
using Skip = std::function<bool(const QObject &)>;

inline void add(QList<Text> &texts, const QObject &from, const char *what, const QString &text)
{
    if (!text.isEmpty())
        texts.append({from.objectName() + QLatin1Char(' ') + QLatin1StringView(what), text});
}

// The texts of `root` and everything in it, shown or hidden. Field texts are
// left out: they hold what the person typed.
inline QList<Text> texts(QWidget &root, const Skip &skip = {})
{
    QList<Text> found;
    QList<QWidget *> widgets = root.findChildren<QWidget *>();
    widgets.prepend(&root);
    for (QWidget *w : widgets) {
        if (skip && skip(*w))
            continue;
        if (w->isWindow())
            add(found, *w, "caption", w->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(found, *w, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(found, *w, "text", button->text());
        if (auto *box = qobject_cast<QGroupBox *>(w))
            add(found, *w, "title", box->title());
        if (auto *panel = qobject_cast<ui::BevelPanel *>(w))
            add(found, *w, "caption", panel->caption());
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(found, *w, "tab", tabs->tabText(i));
        }
        add(found, *w, "tooltip", w->toolTip());
        if (!qobject_cast<QLineEdit *>(w)) {
            if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w)) {
                add(found, *w, "accessible name", a->text(QAccessible::Name));
                add(found, *w, "accessible description", a->text(QAccessible::Description));
            }
        }
        for (QAction *action : w->actions()) {
            if (skip && skip(*action))
                continue;
            add(found, *action, "item", action->text());
            add(found, *action, "item tooltip", action->toolTip());
        }
    }
    return found;
}

inline bool hasThai(const QString &text)
{
    static const QRegularExpression thai(QStringLiteral("[\\x{0E00}-\\x{0E7F}]"));
    return text.contains(thai);
}

// An English word: Latin letters with a small one among them ("PDF" is no word).
inline bool hasEnglishWord(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\b[A-Za-z]*[a-z][A-Za-z]*\\b"));
    return text.contains(word);
}

// "where: text" of each text that matches, one a line, for a failure report.
inline QString matching(const QList<Text> &texts, bool (*matches)(const QString &))
{
    QStringList lines;
    for (const Text &t : texts) {
        if (matches(t.text))
            lines << t.where + QStringLiteral(": ") + t.text;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace shown
