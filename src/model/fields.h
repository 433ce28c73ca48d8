// The entry fields whose texts make up a return: the amount fields of the
// pages, the severance panel's edits and the years of work, each named after
// the wizard's control, the taxpayer's before the spouse's.
#pragma once

#include "return_ledger.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace model {

enum class Field : std::uint8_t {
    ch1m, ch1f, ch2m, ch2f, ch3m, ch3f,                 // lines 1 to 3
    ch4m, ch4f, ch5m, ch5f,                             // line 9, the two groups of children
    ch6m, ch6f, ch7m, ch7f, ch8m, ch8f, ch9m, ch9f,     // lines 10 to 13
    ch10m, ch10f,                                       // line 16
    ch11m, ch11f, ch12m, ch12f, ch13m, ch13f, ch14m, ch14f, // attachment items 1, 2, 3 and 5
    ch15m, ch15f,                                       // attachment line 5, the tax withheld
    ch16m, ch16f, ch17m, ch17f,                         // lines 21 and 22
    com1m, com1f, com2m, com2f, com5m, com5f,           // severance panel: salary, years, years of line 10
    year1, year2, year3, year4,                         // years worked for the four employers
};

inline constexpr std::size_t kFieldCount = std::size_t(Field::year4) + 1;

constexpr std::size_t indexOf(Field field) { return static_cast<std::size_t>(field); }

// The person's field of a pair, given the taxpayer's (ch1m and spouse give ch1f).
constexpr Field of(Field taxpayerField, tax::Person who)
{
    return Field(indexOf(taxpayerField) + (who == tax::Person::spouse ? 1 : 0));
}

// The wizard's name of the field ("ch1m").
std::string_view nameOf(Field field);
std::optional<Field> fieldNamed(std::string_view name);

// The text the field holds when the wizard opens.
std::string_view initialText(Field field);

} // namespace model
