// The return model: a return changed after the fact, in any order, shows what
// a forward walk with the same entries shows; and each handler still says
// what it said, computed on the return as it now stands.
#include "model_walk.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using model::Field;
using model::ReturnEntries;
using model::ReturnModel;
using model::Shown;
using tax::MaritalStatus;

constexpr MaritalStatus kStatuses[]{MaritalStatus::single,   MaritalStatus::widow,    MaritalStatus::married1,
                                    MaritalStatus::married2, MaritalStatus::married3, MaritalStatus::married4,
                                    MaritalStatus::married5};

const char *statusName(MaritalStatus status)
{
    static const char *const names[]{"single", "widow", "married1", "married2", "married3", "married4", "married5"};
    return names[static_cast<int>(status)];
}

ReturnModel walkedTo(const ReturnEntries &entries)
{
    ReturnModel m;
    const std::vector<std::string> refused = modelwalk::forward(m, entries);
    EXPECT_TRUE(refused.empty()) << "refused on the way: " << refused.front();
    return m;
}

// The first label in which two displays differ, or empty.
std::string difference(const model::ReturnDisplay &expected, const model::ReturnDisplay &actual)
{
    for (std::size_t i = 0; i < model::kShownCount; ++i) {
        if (expected.texts[i] != actual.texts[i])
            return std::string(model::nameOf(Shown(i))) + " is '" + actual.texts[i] + "', a forward walk shows '" + expected.texts[i] + "'";
    }
    if (expected.choices != actual.choices)
        return "the radio buttons of lines 26 and 28";
    if (expected.lineEightDisabled != actual.lineEightDisabled)
        return "the severance panel's line 8";
    if (expected.refundBlocks != actual.refundBlocks)
        return "the refund blocks";
    if (expected.rates != actual.rates)
        return "the severance rates";
    return {};
}

std::string difference(const ReturnEntries &expected, const ReturnEntries &actual)
{
    for (std::size_t i = 0; i < model::kFieldCount; ++i) {
        if (expected.texts[i] != actual.texts[i])
            return std::string(model::nameOf(Field(i))) + " holds '" + actual.texts[i] + "', a forward walk takes '" + expected.texts[i] + "'";
    }
    if (expected.passed != actual.passed || expected.answer != actual.answer)
        return "the steps passed";
    return expected == actual ? "" : "the status, names or rates";
}

// The model as it stands against a fresh one walked forward with its entries.
void expectForwardWalkShows(const ReturnModel &m)
{
    const ReturnModel fresh = walkedTo(m.entries());
    EXPECT_EQ(difference(fresh.entries(), m.entries()), "");
    EXPECT_EQ(difference(fresh.display(), m.display()), "");
    EXPECT_TRUE(fresh.ledger() == m.ledger());
}

struct Change {
    const char *name;
    std::vector<MaritalStatus> statuses; // where the field is on the return
    Field field;
    const char *text;
    // A label whose figure must change, with the figure where known.
    Shown changed;
    const char *expected = nullptr;
};

const std::vector<MaritalStatus> kAll(std::begin(kStatuses), std::end(kStatuses));
const std::vector<MaritalStatus> kWithSpouseIncome{MaritalStatus::married3, MaritalStatus::married4};

const Change kChanges[]{
    {"salaryRaised", kAll, Field::ch1m, "5000000", Shown::total4m, "4,890,000.00"},
    {"salaryCut", kAll, Field::ch1m, "100000", Shown::total22m},
    {"providentFundDropped", kAll, Field::ch2m, "0", Shown::total1m, "1,000,000.00"},
    {"moreChildren", kAll, Field::ch5m, "3", Shown::dis1m},
    {"lifeInsuranceCut", kAll, Field::ch6m, "2000", Shown::total6m},
    {"socialSecurityRaised", kAll, Field::ch9m, "15000", Shown::total19m},
    {"attachmentItemRaised", kAll, Field::ch11m, "400000", Shown::total16m},
    {"withholdingRaised", kAll, Field::ch15m, "20000", Shown::total20m},
    {"taxWithheldRetyped", kAll, Field::ch16m, "95000", Shown::total27m},
    {"spouseSalaryRaised", kWithSpouseIncome, Field::ch1f, "2000000", Shown::total4f},
};

class GoingBack : public testing::TestWithParam<MaritalStatus> {};

TEST_P(GoingBack, everyLineIsWhatAForwardWalkWithTheNewEntriesShows)
{
    const MaritalStatus status = GetParam();
    for (const Change &change : kChanges) {
        if (std::find(change.statuses.begin(), change.statuses.end(), status) == change.statuses.end())
            continue;
        SCOPED_TRACE(change.name);
        ReturnModel m = walkedTo(modelwalk::sampleReturn(status));
        const std::string before = m.display().text(change.changed);
        ReturnEntries changed = m.entries();
        changed.text(change.field) = change.text;
        EXPECT_TRUE(modelwalk::leave(m, change.field, changed).taken());
        EXPECT_NE(m.display().text(change.changed), before);
        if (change.expected && status != MaritalStatus::married3) {
            EXPECT_EQ(m.display().text(change.changed), change.expected);
        }
        expectForwardWalkShows(m);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStatus, GoingBack, testing::ValuesIn(kStatuses),
                         [](const auto &info) { return std::string(statusName(info.param)); });

TEST(GoingBack, aRaisedSalaryReachesTheTaxAndTheRefundPage)
{
    ReturnModel m = walkedTo(modelwalk::sampleReturn(MaritalStatus::single));
    EXPECT_EQ(m.display().text(Shown::total19m), "   93,800.00");
    EXPECT_EQ(m.display().text(Shown::total22m), "   11,800.00");
    EXPECT_TRUE(m.ch1mExit("5000000").taken());
    // Line 17: 4,890,000 less 96,000 of allowances and the 50,000 donation.
    EXPECT_EQ(m.display().text(Shown::total6m), "4,744,000.00");
    EXPECT_EQ(m.display().text(Shown::total19m), "1,320,280.00");
    EXPECT_EQ(m.display().text(Shown::total27m), "1,238,280.00");
    EXPECT_TRUE(m.display().choices[0].pay28);
    EXPECT_EQ(m.display().text(Shown::total28m), "1,238,280.00");
    EXPECT_FALSE(m.display().refundBlocks[0]);

    // Cut so far that the credits exceed the tax: the refund block appears.
    EXPECT_TRUE(m.ch1mExit("100000").taken());
    EXPECT_EQ(m.display().text(Shown::total19m), "        0.00");
    EXPECT_EQ(m.display().text(Shown::total23m), "   82,000.00");
    EXPECT_TRUE(m.display().choices[0].overpaid28);
    EXPECT_TRUE(m.display().refundBlocks[0]);
}

TEST(GoingBack, theSeveranceRateChangesLinesTenToThirteenTogether)
{
    ReturnModel m = walkedTo(modelwalk::sampleReturn(MaritalStatus::single));
    EXPECT_EQ(m.display().text(Shown::total13m), "  260,000.00");
    EXPECT_TRUE(m.computecheck4Click().taken());
    EXPECT_EQ(m.display().rates[0], tax::FirstPartRate::perYear3500);
    // 10 years at 3,500: line 11 is 450,000 - 35,000, half of it and 35,000.
    EXPECT_EQ(m.display().text(Shown::total10m), "   35,000.00");
    EXPECT_EQ(m.display().text(Shown::total13m), "  242,500.00");
    EXPECT_EQ(m.display().text(Shown::total14m), "  242,500.00");
    expectForwardWalkShows(m);
}

TEST(GoingBack, answeringNoLeavesTheAttachmentOutOfTheReturn)
{
    ReturnModel m = walkedTo(modelwalk::sampleReturn(MaritalStatus::single));
    EXPECT_EQ(m.display().text(Shown::total20m), "    9,000.00");
    EXPECT_TRUE(m.can2Click().taken());
    EXPECT_EQ(m.display().text(Shown::total17m), "0");
    EXPECT_EQ(m.display().text(Shown::total8m), "");
    EXPECT_EQ(m.display().text(Shown::total20m), "        0.00");
    expectForwardWalkShows(m);
}

TEST(Handlers, aRefusedTextIsNotTakenAndSaysWhatItSaid)
{
    struct Case {
        const char *name;
        Field field;
        const char *text;
        std::vector<std::string> messages;
        std::vector<model::FieldText> fields;
        const char *error;
    };
    const Case cases[]{
        {"emptySalary", Field::ch1m, "", {"กรุณาใส่ตัวเลขจำนวนเงิน  !!!"}, {{Field::ch1m, "0"}}, nullptr},
        {"salaryWithAComma", Field::ch1m, "1,000", {"กรุณาใส่ตัวเลขจำนวนเงิน  !!!"}, {{Field::ch1m, "0"}}, nullptr},
        {"providentFundWithAComma", Field::ch2m, "1,000", {"กรุณาใส่เฉพาะตัวเลข  !!!"}, {}, nullptr},
        {"twoPoints", Field::ch6m, "1.2.3", {}, {}, "'1.2.3' is not a valid floating point value"},
        {"severanceTooLarge", Field::ch3m, "922337203685477", {}, {}, "Invalid floating point operation"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReturnModel m = walkedTo(modelwalk::sampleReturn(MaritalStatus::married4));
        const ReturnModel before = m;
        ReturnEntries typed = m.entries();
        typed.text(c.field) = c.text;
        const model::HandlerOutcome outcome = modelwalk::leave(m, c.field, typed);
        EXPECT_FALSE(outcome.taken());
        EXPECT_EQ(outcome.messages, c.messages);
        EXPECT_EQ(outcome.fields, c.fields);
        EXPECT_EQ(outcome.error.value_or(""), c.error ? c.error : "");
        EXPECT_EQ(m.entries(), before.entries());
        EXPECT_EQ(difference(before.display(), m.display()), "");
    }
}

TEST(Handlers, messagesComeFromTheHandlerLeftOnly)
{
    ReturnModel m = walkedTo(modelwalk::sampleReturn(MaritalStatus::single));
    // Life insurance of 15,000 is capped again only when its own field is left.
    EXPECT_TRUE(m.ch9mExit("9000").messages.empty());
    EXPECT_EQ(m.ch6mExit("15000").messages,
              std::vector<std::string>{"จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!"});
    EXPECT_EQ(m.ch4mExit("2", "2").messages,
              std::vector<std::string>{"จำนวนบุตรรวมกันเกิน 3 คน จะนำมาคิดแค่ 3 คนเท่านั้น"});
    // An empty provident fund stands for 0 and says so in its field.
    const model::HandlerOutcome blank = m.ch2mExit(" ");
    EXPECT_TRUE(blank.taken());
    EXPECT_EQ(blank.fields, (std::vector<model::FieldText>{{Field::ch2m, "0"}}));
    EXPECT_EQ(m.display().text(Shown::total1m), "1,000,000.00");
}

TEST(Handlers, lineTwentyOneCountsOnceItIsLeft)
{
    ReturnModel m = walkedTo(modelwalk::sampleReturn(MaritalStatus::single));
    EXPECT_TRUE(m.ch16mLeft("1000", "1000").taken());
    // 93,800 + 9,000 - (1,000 + 1,000)
    EXPECT_EQ(m.display().text(Shown::total22m), "  100,800.00");
    // A text that is no amount waits for the credits handler to report it.
    EXPECT_FALSE(m.ch16mLeft("1,000", "1000").taken());
    EXPECT_EQ(m.entries().text(Field::ch16m), "1000");
    EXPECT_EQ(m.ch16mExit("1,000", "1000").error.value_or(""), "'1,000' is not a valid floating point value");
}

TEST(Handlers, aFieldOfAPageNotReachedSpeaksButChangesNoLine)
{
    ReturnModel m;
    m.ok1Click(MaritalStatus::single, {});
    const model::ReturnDisplay before = m.display();
    EXPECT_EQ(m.ch6mExit("15000").messages.size(), 1u);
    EXPECT_EQ(difference(before, m.display()), "");
    EXPECT_EQ(m.entries().text(Field::ch6m), "15000");
}

// Random entries left in random order, the pages reached one by one and
// revisited, against a fresh model walked forward with the entries taken.
TEST(AnyOrder, aReturnIsWhatItsEntriesGiveHoweverTheyCame)
{
    const char *const texts[]{"0", "1", "2", "3", "5", "10", "15000", "9999.99", "10000", "10000.01",
                              "250000", "1000000", "5000000", "-500", "0.00005", "12.34567", "",
                              " ", "abc", "1,000", "1.2.3"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
        ReturnModel m;
        m.ok1Click(kStatuses[pick(std::size(kStatuses))], {});
        for (int action = 0; action < 120; ++action) {
            const std::size_t kind = pick(10);
            if (kind < 7) {
                ReturnEntries typed = m.entries();
                const Field field = Field(pick(model::kFieldCount));
                typed.text(field) = texts[pick(std::size(texts))];
                modelwalk::leave(m, field, typed);
            } else if (kind == 7) {
                switch (pick(8)) {
                case 0: m.Okbut1Click(); break;
                case 1: m.Okbut2Click(); break;
                case 2: m.ok2Click(); break;
                case 3: m.can2Click(); break;
                case 4: m.computebuttonClick(); break;
                case 5: m.BitBtn5Click(); break;
                case 6: m.BitBtn6Click(); break;
                default: m.lastbitClick(); break;
                }
            } else if (kind == 8) {
                switch (pick(4)) {
                case 0: m.computecheck3Click(); break;
                case 1: m.computecheck4Click(); break;
                case 2: m.computecheck7Click(); break;
                default: m.computecheck8Click(); break;
                }
            } else {
                m.ch16mExit(m.entries().text(Field::ch16m), texts[pick(std::size(texts))]);
            }
        }
        expectForwardWalkShows(m);
        if (testing::Test::HasFailure())
            return;
    }
}

} // namespace

namespace {

struct Reason {
    const char *name;
    MaritalStatus status;
    std::vector<std::pair<Field, const char *>> changed; // on the sample return
    Shown line;
    const char *why;
};

const Reason kReasons[]{
    {"lineFiveCapped", MaritalStatus::single, {}, Shown::total2m,
     "40 % ของ 950,000.00 = 380,000.00 สูงสุด 60,000.00"},
    {"lineFiveUnderTheCap", MaritalStatus::single, {{Field::ch1m, "120000"}, {Field::ch2m, "0"}}, Shown::total2m,
     "40 % ของ 120,000.00 = 48,000.00"},
    {"lineFourteenWithTheCaps", MaritalStatus::single, {}, Shown::dis1m,
     "ข้อ 8 30,000.00 + ข้อ 9 32,000.00 + ข้อ 10 10,000.00 (จาก 15,000.00 หักได้สูงสุด 10,000.00) + ข้อ 11 5,000.00"
     " + ข้อ 12 10,000.00 + ข้อ 13 9,000.00 = 96,000.00"},
    {"lineSeventeenUpToOneTenth", MaritalStatus::single, {{Field::ch10m, "100000"}}, Shown::total6m,
     "ข้อ 15 794,000.00 - ข้อ 16 79,400.00 = 714,600.00 (บริจาค 100,000.00 หักได้ไม่เกิน 10 % ของข้อ 15)"},
    {"lineEighteenInTheFourthBand", MaritalStatus::single, {{Field::ch1m, "5000000"}}, Shown::total19m,
     "ภาษีของเงินได้สุทธิข้อ 17 4,744,000.00: 5 % ของ 100,000.00 = 5,000.00 + 10 % ของ 400,000.00 = 40,000.00"
     " + 20 % ของ 500,000.00 = 100,000.00 + 30 % ของ 3,000,000.00 = 900,000.00 + 37 % ของ 744,000.00 = 275,280.00"
     " รวม 1,320,280.00"},
    {"lineTwentyThree", MaritalStatus::single, {}, Shown::total22m,
     "ข้อ 18 93,800.00 + ข้อ 19 9,000.00 - ข้อ 20 0.00 = 102,800.00, เครดิตข้อ 21 90,000.00 + ข้อ 22 1,000.00"
     " = 91,000.00: ต้องชำระเพิ่มเติม 11,800.00"},
    {"setOffOfTheSpousesOverpayment", MaritalStatus::married4, {{Field::ch16f, "100000"}}, Shown::total24m,
     "ภาษีที่คู่สมรสชำระไว้เกิน 17,900.00 หักกลบกับภาษีที่ผู้มีเงินได้ต้องชำระเพิ่มเติม 15,000.00: หักกลบได้ 15,000.00"},
    {"lineTwentySixAfterTheSetOff", MaritalStatus::married4, {{Field::ch16f, "100000"}}, Shown::total25f,
     "ข้อ 24 17,900.00 - ข้อ 25 15,000.00 = 2,900.00 ชำระไว้เกิน"},
};

TEST(Reasons, eachLineSaysWhyWithTheFiguresItUsed)
{
    for (const Reason &r : kReasons) {
        SCOPED_TRACE(r.name);
        ReturnEntries entries = modelwalk::sampleReturn(r.status);
        for (const auto &[field, text] : r.changed)
            entries.text(field) = text;
        const ReturnModel m = walkedTo(entries);
        EXPECT_EQ(m.display().reason(r.line), r.why);
    }
}

} // namespace
