// The forward pass: a fresh ledger and display, and every handler of the
// return run once, in the order a person meets them going through the pages,
// on the entries as they stand. One handler may be run "live": only it shows
// messages, refuses, and writes texts into fields; the others run silently.
#pragma once

#include "handler_outcome.h"
#include "return_display.h"
#include "return_entries.h"
#include "return_ledger.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// A handler of the pass: the exit of a field, or the click of a step button.
// A handler bound to several fields is named after its own name: the children
// handler ch4mExit (left from ch4m or ch5m) is exit(ch4m), and the credits
// handler ch16mExit (left from ch17m) is exit(ch16m).
struct Trigger {
    enum class Kind : std::uint8_t { none, exit, click };
    Kind kind = Kind::none;
    std::uint8_t id = 0;

    static constexpr Trigger exit(Field field) { return {Kind::exit, std::uint8_t(indexOf(field))}; }
    static constexpr Trigger click(Step step) { return {Kind::click, std::uint8_t(step)}; }

    Field field() const { return Field(id); }
    Step step() const { return Step(id); }

    bool operator==(const Trigger &) const = default;
};

// The handlers a person passes with these entries, in order: the fields of
// every page reached, in focus order, and the step buttons pressed.
std::vector<Trigger> forwardOrder(const ReturnEntries &entries);

class Pass {
public:
    // `entries` are read by every handler; the live handler's texts written
    // into fields go into them too, so that the handlers after it read them.
    Pass(ReturnEntries &entries, Trigger live);

    // Runs the handlers in order; a handler that meets an amount error stops
    // there, as it would for the person, and the next one runs.
    void run(const std::vector<Trigger> &order);
    // Runs the live handler on its own after the pass, for what it tells the
    // person, and leaves the ledger and the display as the pass left them.
    void runLiveAlone();

    bool liveRan() const { return m_liveRan; }
    const HandlerOutcome &liveOutcome() const { return m_liveOutcome; }

    tax::ReturnLedger ledger;
    ReturnDisplay display;

    // For the handlers.
    const ReturnEntries &entries() const { return m_entries; }
    tax::MaritalStatus status() const { return m_entries.status; }
    const std::string &text(Field field) const { return m_entries.text(field); }
    // The amount conversion of the field's text; throws its error.
    tax::Currency amount(Field field) const;

    void show(Shown label, tax::Currency amount);
    void show(Shown label, std::string text);
    // The figure with why it is what it is.
    void show(Shown label, tax::Currency amount, std::string why);
    void show(Shown label, std::string text, std::string why);
    // Why a line shows what it already shows.
    void explain(Shown label, std::string why);
    void message(std::string_view text);
    void refuse();
    void write(Field field, std::string text);

private:
    void runOne(Trigger trigger);

    ReturnEntries &m_entries;
    Trigger m_live;
    bool m_runningLive = false;
    bool m_liveRan = false;
    HandlerOutcome m_liveOutcome;
};

} // namespace model
