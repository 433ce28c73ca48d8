// The monkey's seeded random source and the texts it types: amounts valid and
// not, Thai text, blanks, signs, separators, huge numbers, control characters
// and very long texts.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace monkey {

// SplitMix64: the same seed gives the same walk on every machine and library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next();
    // A number in [0, n); 0 when n is 0.
    int below(int n);
    // True with the given chance in percent.
    bool percent(int chance) { return below(100) < chance; }

    template <typename T>
    const T &pick(const std::vector<T> &items) { return items[std::size_t(below(int(items.size())))]; }

private:
    std::uint64_t m_state;
};

// A text of any kind a user might type or paste.
QString anyText(Random &random);
// Texts long enough or odd enough to be pasted rather than typed.
QString pastedText(Random &random);
// An amount a field takes: digits with at most one point.
QString validAmount(Random &random);
// A salary the salary field accepts (not "0").
QString validSalary(Random &random);
// A small count or a number of years.
QString validCount(Random &random);

// Identity numbers that pass their checks.
QString validCitizenId(Random &random);
QString validTaxpayerId(Random &random);

} // namespace monkey
