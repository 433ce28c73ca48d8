// The accessibility factory for the program's plain windows.
#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

namespace {

// A window that is a direct QWidget subclass would be a "filler" to a screen
// reader, which would then not announce it as a window.
QAccessibleInterface *windowAsFrame(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->isWindow() || widget->metaObject()->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowAsFrame);
        return true;
    }();
    (void)installed;
}

} // namespace ui
