// Showing the return: the labels by line, the fields by name.
#include "return_view.h"

#include "accessible_names.h"
#include "narrow_text.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// The attachment's header shows names and numbers; every other label an amount.
bool isAmount(model::Shown shown)
{
    using model::Shown;
    return shown < Shown::cname1 || shown > Shown::cidtax2;
}

} // namespace

void ReturnView::adopt(const QWidget &window)
{
    for (std::size_t i = 0; i < model::kShownCount; ++i) {
        const std::string_view name = model::nameOf(model::Shown(i));
        const QString objectName = QString::fromLatin1(name.data(), qsizetype(name.size()));
        m_shown[i] = window.findChild<QWidget *>(objectName);
        m_lineNames[i] = lineName(objectName);
        if (auto *label = qobject_cast<QLabel *>(m_shown[i]); label && isAmount(model::Shown(i)))
            ui::keepAmountFitted(label);
    }
    for (std::size_t i = 0; i < model::kFieldCount; ++i) {
        const std::string_view name = model::nameOf(model::Field(i));
        m_fields[i] = window.findChild<QLineEdit *>(QString::fromLatin1(name.data(), qsizetype(name.size())));
    }
}

void ReturnView::onShow(std::function<void(const model::ReturnDisplay &)> show)
{
    m_others.push_back(std::move(show));
}

void ReturnView::show(const model::ReturnDisplay &display) const
{
    for (std::size_t i = 0; i < model::kShownCount; ++i) {
        QWidget *control = m_shown[i];
        if (!control)
            continue;
        const QString text = QString::fromStdString(display.texts[i]);
        const QString why = QString::fromStdString(display.why[i]);
        // A text set again unchanged would still repaint, and move a field's cursor.
        if (auto *label = qobject_cast<QLabel *>(control)) {
            if (label->text() != text) {
                label->setText(text);
                if (isAmount(model::Shown(i)))
                    ui::fitAmount(label);
            }
            // A screen reader says the line with its figure.
            const QString named = text.trimmed().isEmpty() ? m_lineNames[i] : m_lineNames[i] + QLatin1Char(' ') + text.trimmed();
            if (label->accessibleName() != named)
                label->setAccessibleName(named);
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            if (edit->text() != text)
                edit->setText(text);
        }
        const QString described = why.isEmpty() ? m_lineNames[i] : why;
        if (control->accessibleDescription() != described)
            control->setAccessibleDescription(described);
        if (control->toolTip() != why)
            control->setToolTip(why);
    }
    for (const auto &show : m_others)
        show(display);
}

void ReturnView::writeText(model::Field field, const QString &text) const
{
    if (QLineEdit *edit = m_fields[model::indexOf(field)])
        edit->setText(text);
}

QLineEdit *ReturnView::field(model::Field field) const
{
    return m_fields[model::indexOf(field)];
}
