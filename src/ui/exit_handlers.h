// Runs a control's "exit" handler when the focus leaves it; Enter presses default buttons.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <functional>
#include <unordered_map>
#include <vector>

class QAbstractButton;
class QMouseEvent;
class QWidget;

namespace ui {

// One per window. A handler runs synchronously when the focus moves from its
// control to another control of the window (Tab, click or code); it is told
// which control receives the focus, may show a message and may call refuse()
// to keep the focus. A click whose handler refuses, or sends the focus to
// another control, does not press the control clicked. Focus taken by a message box, menu or another window runs
// nothing, a handler never runs while another one is running, and each leave
// of a control runs its handler once.
class ExitHandlers : public QObject {
public:
    using Handler = std::function<void(QWidget *receiving)>;
    // Brings a control back into view (its page to the front) so that it can
    // take the focus again; tells whether it now can.
    using Revealer = std::function<bool(QWidget *control)>;

    explicit ExitHandlers(QWidget *window);
    ~ExitHandlers() override;

    void setHandler(QWidget *control, Handler handler);
    void setRevealer(Revealer revealer) { m_reveal = std::move(revealer); }

    // Enter pressed in a field of `area` presses `button`, after the field's
    // handler has accepted it.
    void setDefaultButton(QWidget *area, QAbstractButton *button);
    QAbstractButton *defaultButtonFor(QWidget *control) const;

    // Called by a handler that refuses its control: the focus goes back to it,
    // and the Enter or click that left it goes no further. A control that can
    // no longer be reached (its page was turned away and cannot come back)
    // is let go instead: the focus is never sent to a hidden control.
    void refuse(QWidget *control);

    // Moves the focus to `target` the way a click would; false when the control
    // that had the focus refused to let it go.
    bool takeFocus(QWidget *target);

    // The window is going away: no handler runs from now on.
    void stop() { m_stopped = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Outcome { accepted, refused, failed };

    void focusChanged(QWidget *old, QWidget *now);
    Outcome runExit(QWidget *leaving, QWidget *receiving);
    bool enterPressed(QWidget *focus);
    bool swallowsDoubleClick(const QMouseEvent &event) const;

    QWidget *m_window = nullptr;
    std::unordered_map<const QWidget *, Handler> m_handlers;
    std::vector<std::pair<QPointer<QWidget>, QPointer<QAbstractButton>>> m_defaults;
    Revealer m_reveal;
    QPointer<QWidget> m_last;            // the control that last had the focus in the window
    QPointer<QWidget> m_alreadyLeft;     // its handler ran on Enter; do not run it again
    QPointer<QWidget> m_swallowPressOn;  // a refused or redirected click: its press must not reach the widget
    QElapsedTimer m_refusedClick;        // when a click was last refused
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason; // of the last control that took the focus
    bool m_running = false;
    bool m_refused = false;
    bool m_stopped = false;
};

} // namespace ui
