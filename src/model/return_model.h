// The return model: the entries of one return and the whole return they give.
// It has one operation per handler of the wizard, named as the handler is; an
// operation takes what the person typed or chose, runs that handler where it
// stands among the others, and answers what the window must do (messages,
// texts for fields, a refusal, an error report). Whatever the order in which
// the person went through the pages, the ledger and every shown line are
// those of a forward pass over the entries: every field of every page
// reached left in focus order, every step button pressed once. A text that
// a handler refuses, or that stops it with an error, is not taken: the field
// counts with the text it was last left with.
#pragma once

#include "handler_outcome.h"
#include "return_display.h"
#include "return_entries.h"
#include "return_ledger.h"

#include <string_view>
#include <vector>

namespace model {

struct Trigger;

class ReturnModel {
public:
    // A new return, as the wizard holds it when it opens.
    ReturnModel();
    // The return these entries give.
    explicit ReturnModel(ReturnEntries entries);

    const ReturnEntries &entries() const { return m_entries; }
    const ReturnDisplay &display() const { return m_display; }
    const tax::ReturnLedger &ledger() const { return m_ledger; }

    // Personal data left: the status and the names hold from now on.
    void ok1Click(tax::MaritalStatus status, const Names &names);

    // Income page.
    HandlerOutcome ch1mExit(std::string_view text);
    HandlerOutcome ch1fExit(std::string_view text);
    HandlerOutcome ch2mExit(std::string_view text);
    HandlerOutcome ch2fExit(std::string_view text);
    HandlerOutcome ch3mExit(std::string_view text);
    HandlerOutcome ch3fexit(std::string_view text);
    HandlerOutcome Okbut1Click();
    // Expenses page.
    HandlerOutcome Okbut2Click();

    // Allowances page. The children handler reads both groups, whichever
    // field was left.
    HandlerOutcome ch4mExit(std::string_view firstGroup, std::string_view secondGroup);
    HandlerOutcome ch4fExit(std::string_view firstGroup, std::string_view secondGroup);
    HandlerOutcome ch6mExit(std::string_view text);
    HandlerOutcome ch6fExit(std::string_view text);
    HandlerOutcome ch7mExit(std::string_view text);
    HandlerOutcome ch7fExit(std::string_view text);
    HandlerOutcome ch8mExit(std::string_view text);
    HandlerOutcome ch8fExit(std::string_view text);
    HandlerOutcome ch9mExit(std::string_view text);
    HandlerOutcome ch9fExit(std::string_view text);
    HandlerOutcome ch10mExit(std::string_view text);
    HandlerOutcome ch10fExit(std::string_view text);
    // The attachment question: "ใช่" and "ไม่".
    HandlerOutcome ok2Click();
    HandlerOutcome can2Click();

    // Attachment page.
    HandlerOutcome year1Exit(std::string_view text);
    HandlerOutcome year2Exit(std::string_view text);
    HandlerOutcome year3Exit(std::string_view text);
    HandlerOutcome year4Exit(std::string_view text);
    HandlerOutcome ch11mExit(std::string_view text);
    HandlerOutcome ch11fExit(std::string_view text);
    HandlerOutcome ch12mExit(std::string_view text);
    HandlerOutcome ch12fExit(std::string_view text);
    HandlerOutcome ch13mExit(std::string_view text);
    HandlerOutcome ch13fExit(std::string_view text);
    HandlerOutcome ch14mExit(std::string_view text);
    HandlerOutcome ch14fExit(std::string_view text);
    HandlerOutcome computebuttonClick();
    HandlerOutcome BitBtn5Click();
    HandlerOutcome ch15mExit(std::string_view text);
    HandlerOutcome ch15fExit(std::string_view text);
    HandlerOutcome BitBtn6Click();

    // Severance panel.
    HandlerOutcome com1mExit(std::string_view text);
    HandlerOutcome com1fExit(std::string_view text);
    HandlerOutcome com2mExit(std::string_view text);
    HandlerOutcome com2fExit(std::string_view text);
    HandlerOutcome computecheck3Click();
    HandlerOutcome computecheck4Click();
    HandlerOutcome computecheck7Click();
    HandlerOutcome computecheck8Click();
    HandlerOutcome com5mExit(std::string_view text);
    HandlerOutcome com5fExit(std::string_view text);

    // Tax computation page. Line 21 has no handler of its own: leaving it
    // takes lines 21 and 22 as the fields hold them when both are amounts,
    // silently; the credits handler, run when line 22 is left, reads both
    // lines and reports a text that is none.
    HandlerOutcome ch16mLeft(std::string_view withheld, std::string_view paid);
    HandlerOutcome ch16fLeft(std::string_view withheld, std::string_view paid);
    HandlerOutcome ch16mExit(std::string_view withheld, std::string_view paid);
    HandlerOutcome ch16fExit(std::string_view withheld, std::string_view paid);
    HandlerOutcome lastbitClick();

    // Refund page's close button: the return is done and cleared.
    void Button2Click();

private:
    HandlerOutcome leave(Field handler, std::initializer_list<std::pair<Field, std::string_view>> texts);
    HandlerOutcome leave(Field field, std::string_view text) { return leave(field, {{field, text}}); }
    HandlerOutcome press(Step step);
    HandlerOutcome answer(Answer given);
    HandlerOutcome chooseRate(tax::Person who, tax::FirstPartRate rate);
    HandlerOutcome leaveUnchecked(std::initializer_list<std::pair<Field, std::string_view>> texts);
    // Runs the pass over `candidate` with `live` as the handler the person
    // set off; takes the candidate when that handler took the fields it read.
    HandlerOutcome take(ReturnEntries candidate, const Trigger &live, std::vector<Field> read = {});

    ReturnEntries m_entries;
    ReturnDisplay m_display;
    tax::ReturnLedger m_ledger;
};

} // namespace model
