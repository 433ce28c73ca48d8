// The order of the handlers and the pass that runs them.
#include "return_pass.h"

#include "amount_text.h"
#include "return_steps.h"

namespace model {

namespace {

using tax::Person;

void addFields(std::vector<Trigger> &order, std::initializer_list<Field> taxpayerFields, Person who)
{
    for (Field field : taxpayerFields)
        order.push_back(Trigger::exit(of(field, who)));
}

// The persons whose column a page shows.
std::vector<Person> persons(bool spouseToo)
{
    if (spouseToo)
        return {Person::taxpayer, Person::spouse};
    return {Person::taxpayer};
}

void addAttachment(std::vector<Trigger> &order, const ReturnEntries &e)
{
    const bool spouse = spouseAttachmentEntered(e.status);
    for (Field year : {Field::year1, Field::year2, Field::year3, Field::year4})
        order.push_back(Trigger::exit(year));
    // The items row by row, the taxpayer's before the spouse's in each row.
    for (Field item : {Field::ch11m, Field::ch12m, Field::ch13m, Field::ch14m}) {
        for (Person who : persons(spouse))
            order.push_back(Trigger::exit(of(item, who)));
    }
    if (e.has(Step::computebutton)) {
        order.push_back(Trigger::click(Step::computebutton));
        for (Person who : persons(spouse))
            addFields(order, {Field::com1m, Field::com2m, Field::com5m}, who);
    }
    if (e.has(Step::BitBtn5))
        order.push_back(Trigger::click(Step::BitBtn5));
    for (Person who : persons(spouse))
        order.push_back(Trigger::exit(of(Field::ch15m, who)));
}

} // namespace

std::vector<Trigger> forwardOrder(const ReturnEntries &e)
{
    std::vector<Trigger> order;
    if (e.has(Step::ok1)) {
        order.push_back(Trigger::click(Step::ok1));
        for (Person who : persons(spouseIncomeEntered(e.status)))
            addFields(order, {Field::ch1m, Field::ch2m, Field::ch3m}, who);
    }
    if (e.has(Step::Okbut1))
        order.push_back(Trigger::click(Step::Okbut1));
    if (e.has(Step::Okbut2)) {
        order.push_back(Trigger::click(Step::Okbut2));
        // One handler counts both groups of children.
        for (Person who : persons(spouseAllowancesEntered(e.status)))
            addFields(order, {Field::ch4m, Field::ch6m, Field::ch7m, Field::ch8m, Field::ch9m, Field::ch10m}, who);
    }
    if (e.has(Step::answered)) {
        order.push_back(Trigger::click(Step::answered));
        // Under "ไม่" the attachment's fields lie under its cover.
        if (e.answer == Answer::yes)
            addAttachment(order, e);
    }
    if (e.has(Step::BitBtn6)) {
        order.push_back(Trigger::click(Step::BitBtn6));
        for (Person who : persons(spouseTaxEntered(e.status)))
            order.push_back(Trigger::exit(of(Field::ch16m, who)));
    }
    if (e.has(Step::lastbit))
        order.push_back(Trigger::click(Step::lastbit));
    return order;
}

Pass::Pass(ReturnEntries &entries, Trigger live)
    : m_entries(entries)
    , m_live(live)
{
    tax::ClearLedger(ledger);
    // The radios of line 10 show the rates chosen.
    display.rates = entries.rates;
}

void Pass::run(const std::vector<Trigger> &order)
{
    for (const Trigger &trigger : order)
        runOne(trigger);
}

void Pass::runLiveAlone()
{
    const tax::ReturnLedger keptLedger = ledger;
    const ReturnDisplay keptDisplay = display;
    runOne(m_live);
    ledger = keptLedger;
    display = keptDisplay;
}

void Pass::runOne(Trigger trigger)
{
    m_runningLive = trigger.kind != Trigger::Kind::none && trigger == m_live;
    if (m_runningLive) {
        m_liveRan = true;
        m_liveOutcome = {};
    }
    try {
        switch (trigger.kind) {
        case Trigger::Kind::none: break;
        case Trigger::Kind::exit: runExit(*this, trigger.field()); break;
        case Trigger::Kind::click: runClick(*this, trigger.step()); break;
        }
    } catch (const tax::AmountError &error) {
        if (m_runningLive)
            m_liveOutcome.error = error.what();
    }
    m_runningLive = false;
}

tax::Currency Pass::amount(Field field) const
{
    return tax::parseAmount(text(field));
}

void Pass::show(Shown label, tax::Currency amount)
{
    display.text(label) = tax::formatMoney(amount);
}

void Pass::show(Shown label, std::string text)
{
    display.text(label) = std::move(text);
}

void Pass::show(Shown label, tax::Currency amount, std::string why)
{
    show(label, amount);
    display.why[indexOf(label)] = std::move(why);
}

void Pass::show(Shown label, std::string text, std::string why)
{
    show(label, std::move(text));
    display.why[indexOf(label)] = std::move(why);
}

void Pass::explain(Shown label, std::string why)
{
    display.why[indexOf(label)] = std::move(why);
}

void Pass::message(std::string_view text)
{
    if (m_runningLive)
        m_liveOutcome.messages.emplace_back(text);
}

void Pass::refuse()
{
    if (m_runningLive)
        m_liveOutcome.refused = true;
}

void Pass::write(Field field, std::string text)
{
    // A silent handler reads the texts as they were last taken and leaves them.
    if (!m_runningLive)
        return;
    m_entries.text(field) = text;
    m_liveOutcome.fields.push_back({field, std::move(text)});
}

} // namespace model
