// Names and first texts of the entry fields.
#include "fields.h"

#include <array>

namespace model {

namespace {

constexpr std::array<std::string_view, kFieldCount> kNames{
    "ch1m", "ch1f", "ch2m", "ch2f", "ch3m", "ch3f", "ch4m", "ch4f", "ch5m", "ch5f",
    "ch6m", "ch6f", "ch7m", "ch7f", "ch8m", "ch8f", "ch9m", "ch9f", "ch10m", "ch10f",
    "ch11m", "ch11f", "ch12m", "ch12f", "ch13m", "ch13f", "ch14m", "ch14f", "ch15m", "ch15f",
    "ch16m", "ch16f", "ch17m", "ch17f", "com1m", "com1f", "com2m", "com2f", "com5m", "com5f",
    "year1", "year2", "year3", "year4",
};

} // namespace

std::string_view nameOf(Field field)
{
    return kNames[indexOf(field)];
}

std::optional<Field> fieldNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name)
            return Field(i);
    }
    return std::nullopt;
}

std::string_view initialText(Field field)
{
    // The salaries start with sample figures the user types over; every other
    // field with nothing to count.
    switch (field) {
    case Field::ch1m: return "1000000";
    case Field::ch1f: return "800000";
    default: return "0";
    }
}

} // namespace model
