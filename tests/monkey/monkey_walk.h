// The monkey's walk: one random step at a time through the main window, the
// wizard and its pages, with a bias to the steps that take a return forward,
// so that the walk keeps reaching every page and starting new returns. Each
// step is checked when it is done.
#pragma once

#include "about_box.h"
#include "modal_answerer.h"
#include "random_input.h"
#include "return_ledger.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QLineEdit;
class TFmain;
class TFormsolve;

namespace monkey {

// Where the walk stands: the main window, or what is in front in the wizard.
enum class Place {
    mainWindow,
    personalData,
    income,
    expenses,
    allowances,
    question,
    attachment,
    attachmentCover,
    severancePanel,
    taxComputation,
    refund,
    count
};

QString placeName(Place place);

class MonkeyWalk {
public:
    explicit MonkeyWalk(std::uint64_t seed);
    ~MonkeyWalk();

    // Runs step `number` and returns the faults it found.
    QStringList step(int number);

    // What the walk has seen so far, for the report.
    QString summary() const;
    // Places never reached and returns never finished; empty when the walk
    // went everywhere.
    QStringList gaps() const;

private:
    struct Action {
        QString what;
        std::function<void()> run;
    };

    TFormsolve *wizard() const;
    Place place() const;
    void restartProgram();
    void ensureActiveWindow();
    void settle();

    Action forwardAction();
    Action randomAction();
    Action keyAction();
    Action clickAction(QWidget *window);
    Action fixField(QLineEdit *field, const QString &text);
    QString fixFor(const QLineEdit *field);

    QStringList check(const tax::ReturnLedger &before, const QPointer<QWidget> &focusBefore);

    Random m_random;
    ModalAnswerer m_modals;
    Tabout m_about;
    std::unique_ptr<TFmain> m_main;
    bool m_programClosed = false;

    std::array<int, std::size_t(Place::count)> m_visits{};
    int m_steps = 0;
    int m_wizardsOpened = 0;
    int m_returnsFinished = 0;
    int m_restarts = 0;
    int m_boxes = 0;
    int m_errorReports = 0;
    int m_menus = 0;
    int m_dialogs = 0;
    int m_printWindows = 0;
    int m_refusalsChecked = 0;
};

} // namespace monkey
