// Runs a control's "exit" handler when the focus leaves it for another control
// of the same window, and presses default buttons on Enter.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <unordered_map>
#include <vector>

class QAbstractButton;
class QWidget;

namespace ui {

// One per window. A handler runs synchronously when the focus moves from its
// control to another control of the window (Tab, click or code); it is told
// which control receives the focus, may show a message and may call refuse()
// to keep the focus. Focus taken by a message box, menu or another window runs
// nothing, and a handler never runs while another one is running.
class ExitHandlers : public QObject {
public:
    using Handler = std::function<void(QWidget *receiving)>;

    explicit ExitHandlers(QWidget *window);
    ~ExitHandlers() override;

    void setHandler(QWidget *control, Handler handler);

    // Enter pressed in a field of `area` presses `button`, after the field's
    // handler has accepted it.
    void setDefaultButton(QWidget *area, QAbstractButton *button);
    QAbstractButton *defaultButtonFor(QWidget *control) const;

    // Called by a handler that refuses its control: the focus goes back to it,
    // and the Enter or click that left it goes no further.
    void refuse(QWidget *control);

    // Moves the focus to `target` the way a click would; false when the control
    // that had the focus refused to let it go.
    bool takeFocus(QWidget *target);

    bool isRunning() const { return m_running; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Outcome { accepted, refused, failed };

    void focusChanged(QWidget *old, QWidget *now);
    Outcome runExit(QWidget *leaving, QWidget *receiving);
    bool enterPressed(QWidget *focus);

    QWidget *m_window;
    std::unordered_map<const QWidget *, Handler> m_handlers;
    std::vector<std::pair<QPointer<QWidget>, QPointer<QAbstractButton>>> m_defaults;
    QPointer<QWidget> m_last;            // the control that last had the focus in the window
    QPointer<QWidget> m_alreadyLeft;     // its handler ran on Enter; do not run it again
    QPointer<QWidget> m_swallowPressOn;  // a refused click: its press must not reach the widget
    bool m_running = false;
    bool m_refused = false;
};

} // namespace ui
