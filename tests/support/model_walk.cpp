// The walk through a return model in focus order.
#include "model_walk.h"

#include <utility>

namespace modelwalk {

using model::Field;
using model::HandlerOutcome;
using model::ReturnEntries;
using model::ReturnModel;
using model::Step;
using tax::Person;

namespace {

using SingleText = HandlerOutcome (ReturnModel::*)(std::string_view);

constexpr std::pair<Field, SingleText> kSingleTextHandlers[]{
    {Field::ch1m, &ReturnModel::ch1mExit},   {Field::ch1f, &ReturnModel::ch1fExit},
    {Field::ch2m, &ReturnModel::ch2mExit},   {Field::ch2f, &ReturnModel::ch2fExit},
    {Field::ch3m, &ReturnModel::ch3mExit},   {Field::ch3f, &ReturnModel::ch3fexit},
    {Field::ch6m, &ReturnModel::ch6mExit},   {Field::ch6f, &ReturnModel::ch6fExit},
    {Field::ch7m, &ReturnModel::ch7mExit},   {Field::ch7f, &ReturnModel::ch7fExit},
    {Field::ch8m, &ReturnModel::ch8mExit},   {Field::ch8f, &ReturnModel::ch8fExit},
    {Field::ch9m, &ReturnModel::ch9mExit},   {Field::ch9f, &ReturnModel::ch9fExit},
    {Field::ch10m, &ReturnModel::ch10mExit}, {Field::ch10f, &ReturnModel::ch10fExit},
    {Field::year1, &ReturnModel::year1Exit}, {Field::year2, &ReturnModel::year2Exit},
    {Field::year3, &ReturnModel::year3Exit}, {Field::year4, &ReturnModel::year4Exit},
    {Field::ch11m, &ReturnModel::ch11mExit}, {Field::ch11f, &ReturnModel::ch11fExit},
    {Field::ch12m, &ReturnModel::ch12mExit}, {Field::ch12f, &ReturnModel::ch12fExit},
    {Field::ch13m, &ReturnModel::ch13mExit}, {Field::ch13f, &ReturnModel::ch13fExit},
    {Field::ch14m, &ReturnModel::ch14mExit}, {Field::ch14f, &ReturnModel::ch14fExit},
    {Field::ch15m, &ReturnModel::ch15mExit}, {Field::ch15f, &ReturnModel::ch15fExit},
    {Field::com1m, &ReturnModel::com1mExit}, {Field::com1f, &ReturnModel::com1fExit},
    {Field::com2m, &ReturnModel::com2mExit}, {Field::com2f, &ReturnModel::com2fExit},
    {Field::com5m, &ReturnModel::com5mExit}, {Field::com5f, &ReturnModel::com5fExit},
};

class Walker {
public:
    Walker(ReturnModel &m, const ReturnEntries &target)
        : m(m)
        , t(target)
    {
    }

    void fields(std::initializer_list<Field> taxpayerFields, bool spouseToo)
    {
        for (Person who : {Person::taxpayer, Person::spouse}) {
            if (who == Person::spouse && !spouseToo)
                break;
            for (Field field : taxpayerFields) {
                const Field f = of(field, who);
                left[indexOf(f)] = true;
                // A text the program wrote into the field (the spouse's
                // years of line 10) may be one the field then refuses, as it
                // would for the person.
                const bool written = m.entries().text(f) == t.text(f) && t.text(f) != model::initialText(f);
                const HandlerOutcome outcome = leave(m, f, t);
                if (!written)
                    note(model::nameOf(f), outcome);
            }
        }
    }

    void press(Step step, HandlerOutcome (ReturnModel::*click)(), const char *name)
    {
        if (t.has(step))
            note(name, (m.*click)());
    }

    void note(std::string_view what, const HandlerOutcome &outcome)
    {
        if (!outcome.taken())
            refused.push_back(std::string(what) + (outcome.error ? ": " + *outcome.error : outcome.messages.empty() ? "" : ": " + outcome.messages.front()));
    }

    // Fields the walk did not come to (hidden by the status, or on a page
    // not reached) count for nothing, but the model keeps what was typed in
    // them; the walk enters those last.
    void rest()
    {
        for (std::size_t i = 0; i < model::kFieldCount; ++i) {
            const Field field = Field(i);
            if (!left[i] && t.text(field) != m.entries().text(field))
                fields({field}, false);
        }
    }

    ReturnModel &m;
    const ReturnEntries &t;
    std::vector<std::string> refused;
    std::array<bool, model::kFieldCount> left{};
};

} // namespace

HandlerOutcome leave(ReturnModel &m, Field field, const ReturnEntries &texts)
{
    const auto text = [&](Field f) { return std::string_view(texts.text(f)); };
    switch (field) {
    case Field::ch4m:
    case Field::ch5m: return m.ch4mExit(text(Field::ch4m), text(Field::ch5m));
    case Field::ch4f:
    case Field::ch5f: return m.ch4fExit(text(Field::ch4f), text(Field::ch5f));
    case Field::ch16m: return m.ch16mLeft(text(Field::ch16m), text(Field::ch17m));
    case Field::ch16f: return m.ch16fLeft(text(Field::ch16f), text(Field::ch17f));
    case Field::ch17m: return m.ch16mExit(text(Field::ch16m), text(Field::ch17m));
    case Field::ch17f: return m.ch16fExit(text(Field::ch16f), text(Field::ch17f));
    default: break;
    }
    for (const auto &[f, handler] : kSingleTextHandlers) {
        if (f == field)
            return (m.*handler)(text(field));
    }
    return {};
}

std::vector<std::string> forward(ReturnModel &m, const ReturnEntries &target)
{
    Walker w(m, target);
    const tax::MaritalStatus status = target.status;
    if (target.has(Step::ok1))
        m.ok1Click(status, target.names);
    w.fields({Field::ch1m, Field::ch2m, Field::ch3m}, model::spouseIncomeEntered(status));
    w.press(Step::Okbut1, &ReturnModel::Okbut1Click, "Okbut1");
    w.press(Step::Okbut2, &ReturnModel::Okbut2Click, "Okbut2");
    if (target.has(Step::Okbut2))
        w.fields({Field::ch4m, Field::ch5m, Field::ch6m, Field::ch7m, Field::ch8m, Field::ch9m, Field::ch10m},
                 model::spouseAllowancesEntered(status));
    if (target.has(Step::answered))
        w.note("answer", target.answer == model::Answer::yes ? m.ok2Click() : m.can2Click());
    // Under "ไม่" the attachment's fields lie under its cover and count for
    // nothing; the model still keeps their texts, so the walk enters them.
    const bool spouse = model::spouseAttachmentEntered(status);
    w.fields({Field::year1, Field::year2, Field::year3, Field::year4}, false);
    for (Field item : {Field::ch11m, Field::ch12m, Field::ch13m, Field::ch14m})
        w.fields({item}, spouse);
    w.press(Step::computebutton, &ReturnModel::computebuttonClick, "computebutton");
    for (Person who : {Person::taxpayer, Person::spouse}) {
        const bool half = target.rates[model::sideOf(who)] == tax::FirstPartRate::perYear3500;
        const bool taxpayer = who == Person::taxpayer;
        if (half)
            w.note("rate", taxpayer ? m.computecheck4Click() : m.computecheck8Click());
        if (who == Person::spouse && !spouse)
            break;
        w.fields({of(Field::com1m, who), of(Field::com2m, who), of(Field::com5m, who)}, false);
    }
    w.press(Step::BitBtn5, &ReturnModel::BitBtn5Click, "BitBtn5");
    w.fields({Field::ch15m}, spouse);
    w.press(Step::BitBtn6, &ReturnModel::BitBtn6Click, "BitBtn6");
    if (target.has(Step::BitBtn6))
        w.fields({Field::ch16m, Field::ch17m}, model::spouseTaxEntered(status));
    w.press(Step::lastbit, &ReturnModel::lastbitClick, "lastbit");
    w.rest();
    return w.refused;
}

ReturnEntries sampleReturn(tax::MaritalStatus status)
{
    ReturnEntries e;
    e.status = status;
    e.names = {"นายสมชาย", "ใจดี", "3101234565", "นางสมศรี", "ใจดี", "4209876541"};
    const std::pair<Field, const char *> texts[]{
        {Field::ch1m, "1000000"}, {Field::ch2m, "50000"}, {Field::ch1f, "800000"}, {Field::ch3f, "20000"},
        {Field::ch4m, "1"}, {Field::ch5m, "1"}, {Field::ch6m, "15000"}, {Field::ch7m, "5000"},
        {Field::ch8m, "10000"}, {Field::ch9m, "9000"}, {Field::ch10m, "50000"},
        {Field::ch5f, "2"}, {Field::ch6f, "8000"}, {Field::ch7f, "12000"}, {Field::ch9f, "9000"}, {Field::ch10f, "10000"},
        {Field::year1, "5"}, {Field::year2, "12"}, {Field::ch11m, "100000"}, {Field::ch12m, "50000"},
        {Field::ch14m, "300000"}, {Field::ch13f, "200000"}, {Field::com1m, "40000"}, {Field::com2m, "10"},
        {Field::com5m, "10"}, {Field::com5f, "12"}, {Field::ch15m, "5000"}, {Field::ch15f, "1000"},
        {Field::ch16m, "90000"}, {Field::ch17m, "1000"}, {Field::ch16f, "20000"},
    };
    for (const auto &[field, text] : texts)
        e.text(field) = text;
    e.answer = model::Answer::yes;
    e.passed.fill(true);
    return e;
}

} // namespace modelwalk
