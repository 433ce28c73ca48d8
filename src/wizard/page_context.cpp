// The window's services as the pages see them.
#include "page_context.h"

#include "currency.h"
#include "messages.h"
#include "page_control.h"
#include "return_model.h"
#include "return_view.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace ui {

PageContext::PageContext(QWidget &window, ExitHandlers &exits, AreaStack &areas, PageControl &pages,
                         model::ReturnModel &model, ReturnView &view, std::function<tax::MaritalStatus()> status)
    : m_window(window)
    , m_exits(exits)
    , m_areas(areas)
    , m_pages(pages)
    , m_model(model)
    , m_view(view)
    , m_status(std::move(status))
{
}

bool PageContext::apply(const model::HandlerOutcome &outcome, QWidget *field) const
{
    for (const model::FieldText &written : outcome.fields)
        m_view.writeText(written.field, QString::fromStdString(written.text));
    for (const std::string &message : outcome.messages)
        showMessage(QString::fromStdString(message));
    showReturn();
    if (outcome.refused && field)
        refuse(field);
    if (outcome.error)
        throw tax::AmountError(*outcome.error);
    return outcome.taken();
}

void PageContext::showReturn() const
{
    m_view.show(m_model.display());
}

std::string textOf(const QLineEdit *field)
{
    return field->text().toStdString();
}

tax::MaritalStatus PageContext::maritalStatus() const
{
    return m_status ? m_status() : tax::MaritalStatus::single;
}

void PageContext::onExit(QWidget *control, ExitHandlers::Handler handler) const
{
    m_exits.setHandler(control, std::move(handler));
}

void PageContext::onClick(QAbstractButton *button, std::function<void()> handler) const
{
    QWidget *window = &m_window;
    QObject::connect(button, &QAbstractButton::clicked, button, [window, handler = std::move(handler)] {
        runGuarded(window, handler);
    });
}

void PageContext::setDefaultButton(QWidget *area, QAbstractButton *button) const
{
    m_exits.setDefaultButton(area, button);
}

void PageContext::refuse(QWidget *control) const
{
    m_exits.refuse(control);
}

void PageContext::openPage(QWidget *page) const
{
    m_pages.openPage(page);
}

bool PageContext::isCurrentPage(const QWidget *page) const
{
    return m_pages.currentWidget() == page;
}

bool PageContext::isOnCurrentPage(const QWidget *control) const
{
    const QWidget *page = m_pages.currentWidget();
    return page && page->isAncestorOf(control);
}

bool PageContext::isTurningPage(const QWidget *receiving) const
{
    return m_pages.isTurningPage(receiving);
}

void PageContext::showMessage(const QString &text) const
{
    ui::showMessage(&m_window, text);
}

} // namespace ui
