// What the wizard shows of its return: every label named after a line of the
// return, with why it shows its figure as its tooltip and accessible
// description and its line in its accessible name; the fields whose texts
// the handlers write; and what else a page shows of it (radio buttons,
// disabled controls, the refund blocks). Shown anew from the return model
// after every handler.
#pragma once

#include "fields.h"
#include "return_display.h"

#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

class ReturnView {
public:
    // Takes the window's controls that bear the names of the return's lines
    // (labels, and the severance panel's read-only product fields) and of its
    // entry fields. Missing names are passed over.
    void adopt(const QWidget &window);
    // Something else a page shows of the return.
    void onShow(std::function<void(const model::ReturnDisplay &)> show);

    void show(const model::ReturnDisplay &display) const;
    void writeText(model::Field field, const QString &text) const;
    QLineEdit *field(model::Field field) const;

private:
    std::array<QPointer<QWidget>, model::kShownCount> m_shown{};
    std::array<QString, model::kShownCount> m_lineNames; // what assistive technology calls each line
    std::array<QPointer<QLineEdit>, model::kFieldCount> m_fields{};
    std::vector<std::function<void(const model::ReturnDisplay &)>> m_others;
};
