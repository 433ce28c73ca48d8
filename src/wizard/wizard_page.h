// A page behind a tab of the wizard, which says where the focus goes when the user turns to it.
#pragma once

#include <QWidget>

class WizardPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The control that takes the focus when the user turns to the page by
    // its tab; null leaves the focus where the page control puts it.
    virtual QWidget *firstControl() const = 0;
};
