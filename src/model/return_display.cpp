// The labels' names and the texts they show before anything is computed.
#include "return_display.h"

namespace model {

namespace {

constexpr std::array<std::string_view, kShownCount> kNames{
    "total1m", "total1f", "total2m", "total2f", "copyoftotal3m", "copyoftotal3f", "total4m", "total4f",
    "dis1m", "dis1f", "total5m", "total5f", "total6m", "total6f",
    "cname1", "cname2", "csurname1", "csurname2", "cidtax1", "cidtax2",
    "total7m", "total7f", "total8m", "total8f", "com3m", "com3f",
    "total9m", "total9f", "total10m", "total10f", "total11m", "total11f", "total12m", "total12f",
    "total13m", "total13f", "total14m", "total14f", "total15m", "total15f", "total16m", "total16f",
    "total17m", "total17f", "total18m", "total18f", "total19m", "total19f", "total20m", "total20f",
    "total21m", "total21f", "total22m", "total22f", "total23m", "total23f", "total24m", "total24f",
    "total25m", "total25f", "total26m", "total26f", "total27m", "total27f", "total28m", "total28f",
};

} // namespace

std::string_view nameOf(Shown shown)
{
    return kNames[indexOf(shown)];
}

ReturnDisplay::ReturnDisplay()
{
    // Lines 4 to 17, the attachment's header and items 4 and 6 are empty until
    // computed; the attachment's lines and the severance panel show "0", the
    // tax computation "0.00"; a refund amount shows its label's own name.
    for (std::size_t i = indexOf(Shown::com3m); i <= indexOf(Shown::total18f); ++i)
        texts[i] = "0";
    for (std::size_t i = indexOf(Shown::total19m); i <= indexOf(Shown::total27f); ++i)
        texts[i] = "0.00";
    text(Shown::total28m) = "total28m";
    text(Shown::total28f) = "total28f";
}

} // namespace model
