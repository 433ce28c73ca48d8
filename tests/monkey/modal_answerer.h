// Answers whatever comes up modally while the monkey steps: message boxes get
// their OK (by a click, Enter, Escape, Space or the close box), other modal
// dialogs are rejected, pop-up menus get an item chosen or are dismissed, and
// printed-return windows ("Formbil") are closed. Counts what each step saw.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <cstdint>

class QMenu;
class QMessageBox;
class QWidget;

namespace monkey {

struct StepModals {
    QStringList boxTexts; // in the order they came
    QStringList boxKinds; // their object names: "message" or "errorReport"
    QStringList menuChoices;
    int dialogsRejected = 0;
    int printWindowsClosed = 0;
    // The same text came more than twice within the step.
    bool looped = false;
};

class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(std::uint64_t seed);

    // Starts counting for a new step.
    void beginStep(int step);
    const StepModals &step() const { return m_step; }

    // Answers what is up now; also run by a timer inside modal loops.
    void poll();

private:
    void answerBox(QMessageBox *box);
    void answerMenu(QMenu *menu);
    std::uint64_t decision();

    QTimer m_timer;
    std::uint64_t m_seed = 0;
    int m_stepNumber = 0;
    int m_decisions = 0;
    StepModals m_step;
    QList<QPointer<QWidget>> m_answering; // being answered further up the stack
};

} // namespace monkey
