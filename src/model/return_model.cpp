// The return model's operations: each builds the entries it would leave, runs
// the forward pass with its own handler live, and keeps the result when the
// handler took its texts.
#include "return_model.h"

#include "amount_text.h"
#include "return_pass.h"

#include <algorithm>

namespace model {

using tax::Person;

ReturnModel::ReturnModel()
    : ReturnModel(ReturnEntries())
{
}

ReturnModel::ReturnModel(ReturnEntries entries)
{
    take(std::move(entries), Trigger{});
}

HandlerOutcome ReturnModel::take(ReturnEntries candidate, const Trigger &live, std::vector<Field> read)
{
    Pass pass(candidate, live);
    pass.run(forwardOrder(candidate));
    // A handler whose page the return has not reached yet still says what it
    // says; what it took counts once its page is reached.
    if (!pass.liveRan())
        pass.runLiveAlone();
    HandlerOutcome outcome = pass.liveOutcome();
    if (!outcome.taken()) {
        // A handler that did not take what it read writes only into the fields
        // it read (a refused salary shows "0"), never into others.
        std::erase_if(outcome.fields, [&](const FieldText &written) {
            return std::find(read.begin(), read.end(), written.field) == read.end();
        });
        return outcome;
    }
    m_entries = std::move(candidate);
    m_ledger = pass.ledger;
    m_display = std::move(pass.display);
    return outcome;
}

HandlerOutcome ReturnModel::leave(Field handler, std::initializer_list<std::pair<Field, std::string_view>> texts)
{
    ReturnEntries candidate = m_entries;
    std::vector<Field> read;
    for (const auto &[field, text] : texts) {
        candidate.text(field) = std::string(text);
        read.push_back(field);
    }
    return take(std::move(candidate), Trigger::exit(handler), std::move(read));
}

HandlerOutcome ReturnModel::press(Step step)
{
    ReturnEntries candidate = m_entries;
    candidate.passed[std::size_t(step)] = true;
    return take(std::move(candidate), Trigger::click(step));
}

HandlerOutcome ReturnModel::answer(Answer given)
{
    ReturnEntries candidate = m_entries;
    candidate.answer = given;
    candidate.passed[std::size_t(Step::answered)] = true;
    return take(std::move(candidate), Trigger::click(Step::answered));
}

HandlerOutcome ReturnModel::chooseRate(Person who, tax::FirstPartRate rate)
{
    ReturnEntries candidate = m_entries;
    candidate.rates[sideOf(who)] = rate;
    // Line 10 is worked out again at the new rate, and the lines after it with it.
    return take(std::move(candidate), Trigger::exit(of(Field::com5m, who)));
}

HandlerOutcome ReturnModel::leaveUnchecked(std::initializer_list<std::pair<Field, std::string_view>> texts)
{
    ReturnEntries candidate = m_entries;
    for (const auto &[field, text] : texts) {
        try {
            tax::parseAmount(text);
        } catch (const tax::AmountError &) {
            // Not an amount: nothing is taken, and the handler that reads it
            // will say so.
            HandlerOutcome notTaken;
            notTaken.refused = true;
            return notTaken;
        }
        candidate.text(field) = std::string(text);
    }
    return take(std::move(candidate), Trigger{});
}

void ReturnModel::ok1Click(tax::MaritalStatus status, const Names &names)
{
    ReturnEntries candidate = m_entries;
    candidate.status = status;
    candidate.names = names;
    candidate.passed[std::size_t(Step::ok1)] = true;
    take(std::move(candidate), Trigger::click(Step::ok1));
}

HandlerOutcome ReturnModel::ch1mExit(std::string_view text) { return leave(Field::ch1m, text); }
HandlerOutcome ReturnModel::ch1fExit(std::string_view text) { return leave(Field::ch1f, text); }
HandlerOutcome ReturnModel::ch2mExit(std::string_view text) { return leave(Field::ch2m, text); }
HandlerOutcome ReturnModel::ch2fExit(std::string_view text) { return leave(Field::ch2f, text); }
HandlerOutcome ReturnModel::ch3mExit(std::string_view text) { return leave(Field::ch3m, text); }
HandlerOutcome ReturnModel::ch3fexit(std::string_view text) { return leave(Field::ch3f, text); }
HandlerOutcome ReturnModel::Okbut1Click() { return press(Step::Okbut1); }
HandlerOutcome ReturnModel::Okbut2Click() { return press(Step::Okbut2); }

HandlerOutcome ReturnModel::ch4mExit(std::string_view firstGroup, std::string_view secondGroup)
{
    return leave(Field::ch4m, {{Field::ch4m, firstGroup}, {Field::ch5m, secondGroup}});
}

HandlerOutcome ReturnModel::ch4fExit(std::string_view firstGroup, std::string_view secondGroup)
{
    return leave(Field::ch4f, {{Field::ch4f, firstGroup}, {Field::ch5f, secondGroup}});
}

HandlerOutcome ReturnModel::ch6mExit(std::string_view text) { return leave(Field::ch6m, text); }
HandlerOutcome ReturnModel::ch6fExit(std::string_view text) { return leave(Field::ch6f, text); }
HandlerOutcome ReturnModel::ch7mExit(std::string_view text) { return leave(Field::ch7m, text); }
HandlerOutcome ReturnModel::ch7fExit(std::string_view text) { return leave(Field::ch7f, text); }
HandlerOutcome ReturnModel::ch8mExit(std::string_view text) { return leave(Field::ch8m, text); }
HandlerOutcome ReturnModel::ch8fExit(std::string_view text) { return leave(Field::ch8f, text); }
HandlerOutcome ReturnModel::ch9mExit(std::string_view text) { return leave(Field::ch9m, text); }
HandlerOutcome ReturnModel::ch9fExit(std::string_view text) { return leave(Field::ch9f, text); }
HandlerOutcome ReturnModel::ch10mExit(std::string_view text) { return leave(Field::ch10m, text); }
HandlerOutcome ReturnModel::ch10fExit(std::string_view text) { return leave(Field::ch10f, text); }
HandlerOutcome ReturnModel::ok2Click() { return answer(Answer::yes); }
HandlerOutcome ReturnModel::can2Click() { return answer(Answer::no); }

HandlerOutcome ReturnModel::year1Exit(std::string_view text) { return leave(Field::year1, text); }
HandlerOutcome ReturnModel::year2Exit(std::string_view text) { return leave(Field::year2, text); }
HandlerOutcome ReturnModel::year3Exit(std::string_view text) { return leave(Field::year3, text); }
HandlerOutcome ReturnModel::year4Exit(std::string_view text) { return leave(Field::year4, text); }
HandlerOutcome ReturnModel::ch11mExit(std::string_view text) { return leave(Field::ch11m, text); }
HandlerOutcome ReturnModel::ch11fExit(std::string_view text) { return leave(Field::ch11f, text); }
HandlerOutcome ReturnModel::ch12mExit(std::string_view text) { return leave(Field::ch12m, text); }
HandlerOutcome ReturnModel::ch12fExit(std::string_view text) { return leave(Field::ch12f, text); }
HandlerOutcome ReturnModel::ch13mExit(std::string_view text) { return leave(Field::ch13m, text); }
HandlerOutcome ReturnModel::ch13fExit(std::string_view text) { return leave(Field::ch13f, text); }
HandlerOutcome ReturnModel::ch14mExit(std::string_view text) { return leave(Field::ch14m, text); }
HandlerOutcome ReturnModel::ch14fExit(std::string_view text) { return leave(Field::ch14f, text); }
HandlerOutcome ReturnModel::computebuttonClick() { return press(Step::computebutton); }
HandlerOutcome ReturnModel::BitBtn5Click() { return press(Step::BitBtn5); }
HandlerOutcome ReturnModel::ch15mExit(std::string_view text) { return leave(Field::ch15m, text); }
HandlerOutcome ReturnModel::ch15fExit(std::string_view text) { return leave(Field::ch15f, text); }
HandlerOutcome ReturnModel::BitBtn6Click() { return press(Step::BitBtn6); }

HandlerOutcome ReturnModel::com1mExit(std::string_view text) { return leave(Field::com1m, text); }
HandlerOutcome ReturnModel::com1fExit(std::string_view text) { return leave(Field::com1f, text); }
HandlerOutcome ReturnModel::com2mExit(std::string_view text) { return leave(Field::com2m, text); }
HandlerOutcome ReturnModel::com2fExit(std::string_view text) { return leave(Field::com2f, text); }
HandlerOutcome ReturnModel::computecheck3Click() { return chooseRate(Person::taxpayer, tax::FirstPartRate::perYear7000); }
HandlerOutcome ReturnModel::computecheck4Click() { return chooseRate(Person::taxpayer, tax::FirstPartRate::perYear3500); }
HandlerOutcome ReturnModel::computecheck7Click() { return chooseRate(Person::spouse, tax::FirstPartRate::perYear7000); }
HandlerOutcome ReturnModel::computecheck8Click() { return chooseRate(Person::spouse, tax::FirstPartRate::perYear3500); }
HandlerOutcome ReturnModel::com5mExit(std::string_view text) { return leave(Field::com5m, text); }
HandlerOutcome ReturnModel::com5fExit(std::string_view text) { return leave(Field::com5f, text); }

HandlerOutcome ReturnModel::ch16mLeft(std::string_view withheld, std::string_view paid)
{
    return leaveUnchecked({{Field::ch16m, withheld}, {Field::ch17m, paid}});
}

HandlerOutcome ReturnModel::ch16fLeft(std::string_view withheld, std::string_view paid)
{
    return leaveUnchecked({{Field::ch16f, withheld}, {Field::ch17f, paid}});
}

HandlerOutcome ReturnModel::ch16mExit(std::string_view withheld, std::string_view paid)
{
    return leave(Field::ch16m, {{Field::ch16m, withheld}, {Field::ch17m, paid}});
}

HandlerOutcome ReturnModel::ch16fExit(std::string_view withheld, std::string_view paid)
{
    return leave(Field::ch16f, {{Field::ch16f, withheld}, {Field::ch17f, paid}});
}

HandlerOutcome ReturnModel::lastbitClick() { return press(Step::lastbit); }

void ReturnModel::Button2Click()
{
    *this = ReturnModel();
}

} // namespace model
