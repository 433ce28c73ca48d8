// Telling a turn of the page by its tab from a move within the page, for the
// handlers that keep the Tab key inside their page.
#pragma once

class QTabWidget;
class QWidget;

namespace ui {

// True when the focus goes to the page control's tab bar because the user
// clicks a tab or turns the page with Ctrl, not because Tab reached the bar.
bool isTurningPage(const QTabWidget *pages, const QWidget *receiving);

} // namespace ui
