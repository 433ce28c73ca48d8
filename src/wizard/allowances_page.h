// The wizard's the allowances page "ค่าลดหย่อน": return lines 8 to 17 and the question whether to fill in the attachment.
#pragma once

#include <QWidget>

class TFormsolve;

class AllowancesPage : public QWidget {
    Q_OBJECT
public:
    explicit AllowancesPage(TFormsolve &form);

private:
    TFormsolve &m_form;
};
