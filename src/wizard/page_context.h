// What a page or panel of the wizard may use of its window: the window's
// return and how it is shown, the marital status, the exit handlers, the
// stacked areas, opening a page and the message boxes. Pages know their window
// only through this; they report what happens on them with signals, which the
// window wires to the next page.
#pragma once

#include "exit_handlers.h"
#include "handler_outcome.h"
#include "marital_status.h"

#include <QString>

#include <functional>
#include <string>

class QAbstractButton;
class QLineEdit;
class QWidget;
class ReturnView;
namespace model {
class ReturnModel;
}

namespace ui {

class AreaStack;
class PageControl;

class PageContext {
public:
    PageContext(QWidget &window, ExitHandlers &exits, AreaStack &areas, PageControl &pages,
                model::ReturnModel &model, ReturnView &view, std::function<tax::MaritalStatus()> status);

    // The window's return: pages hand it what the person typed and chose.
    model::ReturnModel &model() const { return m_model; }
    // What the pages show of the return; they register their labels there.
    ReturnView &view() const { return m_view; }
    // Does what the return answered for a handler: writes the texts it gives
    // into their fields, shows its messages, shows the whole return anew and
    // gives the focus back to `field` when refused. An error report stops the
    // handler (it is thrown, and shown by the guard around every handler).
    // True when the return took what the handler read.
    bool apply(const model::HandlerOutcome &outcome, QWidget *field = nullptr) const;
    // Shows the return anew, as it stands.
    void showReturn() const;

    // The status as the personal data area shows it now.
    tax::MaritalStatus maritalStatus() const;
    AreaStack &areas() const { return m_areas; }

    // Binds a handler to the focus leaving `control`; it is told which control
    // receives the focus. An amount error stops it and is reported.
    void onExit(QWidget *control, ExitHandlers::Handler handler) const;
    // Binds a handler to a click of `button`, guarded the same way.
    void onClick(QAbstractButton *button, std::function<void()> handler) const;
    // Enter in a field of `area` presses `button` once the field has accepted.
    void setDefaultButton(QWidget *area, QAbstractButton *button) const;
    // Called by an exit handler that refuses its control: the focus goes back.
    void refuse(QWidget *control) const;

    // Makes the page's tab visible and the page current, as a next button does.
    void openPage(QWidget *page) const;
    bool isCurrentPage(const QWidget *page) const;
    // True when `control` lies on the page that is current now.
    bool isOnCurrentPage(const QWidget *control) const;
    // True when the focus goes to the tab bar because the user turns the page.
    bool isTurningPage(const QWidget *receiving) const;

    // A modal message box over the window.
    void showMessage(const QString &text) const;

private:
    QWidget &m_window;
    ExitHandlers &m_exits;
    AreaStack &m_areas;
    PageControl &m_pages;
    model::ReturnModel &m_model;
    ReturnView &m_view;
    std::function<tax::MaritalStatus()> m_status;
};

// A field's text as the return model reads it (UTF-8).
std::string textOf(const QLineEdit *field);

} // namespace ui
