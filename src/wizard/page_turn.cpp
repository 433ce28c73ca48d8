// Turning the page by its tab.
#include "page_turn.h"

#include <QGuiApplication>
#include <QTabBar>
#include <QTabWidget>

namespace ui {

bool isTurningPage(const QTabWidget *pages, const QWidget *receiving)
{
    if (receiving != pages->tabBar())
        return false;
    return QGuiApplication::mouseButtons() != Qt::NoButton
        || (QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
}

} // namespace ui
