// The wizard's the expenses page "ค่าใช้จ่าย": return lines 5 to 7.
#pragma once

#include <QWidget>

class TFormsolve;

class ExpensesPage : public QWidget {
    Q_OBJECT
public:
    explicit ExpensesPage(TFormsolve &form);

private:
    TFormsolve &m_form;
};
