// What assistive technology calls the wizard's fields, value labels, radio
// buttons and check boxes: the line of the return and whose it is, in the
// program's language ("1. เงินเดือน ผู้มีเงินได้"). One table per page.
#pragma once

#include <QString>
#include <QStringView>

class QWidget;

// Gives every control of the tables that the window holds its name; value
// labels are left to the return's view, which adds their figures.
void nameForAssistiveTechnology(QWidget &window);

// The name of the line a control stands for, with the person; empty for a
// control the tables do not hold.
QString lineName(QStringView objectName);
