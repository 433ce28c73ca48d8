// The wizard's the income page "เงินได้พึงประเมิน": return lines 1 to 4 of both persons.
#pragma once

#include <QWidget>

class TFormsolve;

class IncomePage : public QWidget {
    Q_OBJECT
public:
    explicit IncomePage(TFormsolve &form);

private:
    TFormsolve &m_form;
};
