// The severance panel: the expense of a one-time payment on leaving employment,
// lines 8 to 13 for the taxpayer and the spouse, lying over the pages while it
// is in use.
#pragma once

#include "bevel_panel.h"

class TFormsolve;

class SeverancePanel : public ui::BevelPanel {
    Q_OBJECT
public:
    explicit SeverancePanel(TFormsolve &form);

private:
    TFormsolve &m_form;
};
