// Fuzz target for the return model fed with operations in any order.
//
// The input is a script, one operation a line: a letter, a selector byte, one
// separator character, then a text. "f" leaves the field picked by the
// selector (modulo the number of fields) holding the text; "s" presses the
// step button picked by the selector (the personal data area's next button
// takes the status from the text's first byte); "a" answers the attachment
// question (selector even: yes); "r" clicks a severance rate radio. For
// example "f\x00:5000000" leaves ch1m holding 5000000.
//
// Checked after every operation: nothing escapes but outcomes; a handler that
// did not take its text changes neither the entries nor what is shown; the
// ledger and every shown line are those of a forward pass over the entries.
// At the end: a fresh model walked forward with the entries in focus order
// takes the same entries (or meets only an overflow that the order of the
// entries avoided) and shows the same return.
#include "fuzz_check.h"
#include "model_walk.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

namespace {

using model::Field;
using model::HandlerOutcome;
using model::ReturnModel;

HandlerOutcome press(ReturnModel &m, unsigned selector, std::string_view text)
{
    switch (selector % 8) {
    case 0: {
        const unsigned status = text.empty() ? 0 : static_cast<unsigned char>(text[0]) % 7;
        m.ok1Click(static_cast<tax::MaritalStatus>(status), {});
        return {};
    }
    case 1: return m.Okbut1Click();
    case 2: return m.Okbut2Click();
    case 3: return m.computebuttonClick();
    case 4: return m.BitBtn5Click();
    case 5: return m.BitBtn6Click();
    case 6: return m.lastbitClick();
    default: return m.ok2Click();
    }
}

HandlerOutcome rate(ReturnModel &m, unsigned selector)
{
    switch (selector % 4) {
    case 0: return m.computecheck3Click();
    case 1: return m.computecheck4Click();
    case 2: return m.computecheck7Click();
    default: return m.computecheck8Click();
    }
}

HandlerOutcome apply(ReturnModel &m, std::string_view line)
{
    const char op = line[0];
    const unsigned selector = line.size() > 1 ? static_cast<unsigned char>(line[1]) : 0;
    const std::string_view text = line.size() > 3 ? line.substr(3) : std::string_view();
    switch (op) {
    case 's': return press(m, selector, text);
    case 'a': return selector % 2 == 0 ? m.ok2Click() : m.can2Click();
    case 'r': return rate(m, selector);
    default: {
        model::ReturnEntries typed = m.entries();
        const Field field = Field(selector % model::kFieldCount);
        typed.text(field) = std::string(text);
        return modelwalk::leave(m, field, typed);
    }
    }
}

void checkLine(const ReturnModel &m, const ReturnModel &before, const HandlerOutcome &outcome, std::string_view line)
{
    const std::string where = "after '" + std::string(line) + "'";
    if (!outcome.taken()) {
        FUZZ_REQUIRE(m.entries() == before.entries(), "a text not taken leaves the entries", where);
        FUZZ_REQUIRE(m.display() == before.display(), "a text not taken changes nothing shown", where);
    }
    const ReturnModel replayed(m.entries());
    FUZZ_REQUIRE(replayed.display() == m.display(), "every line shown is the forward pass's", where);
    FUZZ_REQUIRE(replayed.ledger() == m.ledger(), "the ledger is the forward pass's", where);
}

} // namespace

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace fuzz;
    const std::string_view script(reinterpret_cast<const char *>(data), size);
    model::ReturnModel m;
    try {
        std::size_t start = 0;
        while (start < script.size()) {
            std::size_t end = script.find('\n', start);
            if (end == std::string_view::npos)
                end = script.size();
            const std::string_view line = script.substr(start, end - start);
            start = end + 1;
            if (line.empty())
                continue;
            const model::ReturnModel before = m;
            checkLine(m, before, apply(m, line), line);
        }
        // A fresh walk may meet an overflow that the order of the entries
        // did not (a huge amount taken after the step it now overflows):
        // such a return is not one a forward walk reaches, and nothing else
        // may stop the walk.
        model::ReturnModel fresh;
        const std::vector<std::string> refused = modelwalk::forward(fresh, m.entries());
        for (const std::string &what : refused)
            FUZZ_REQUIRE(what.ends_with("Invalid floating point operation"), "a forward walk takes every entry", what);
        if (refused.empty()) {
            FUZZ_REQUIRE(fresh.display() == m.display(), "a forward walk with the same entries shows the same return", "at the end");
            FUZZ_REQUIRE(fresh.ledger() == m.ledger(), "a forward walk with the same entries gives the same ledger", "at the end");
        }
    } catch (const std::exception &e) {
        fail("the model's operations throw nothing", e.what());
    }
    return 0;
}
