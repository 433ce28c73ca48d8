// The tax schedule and where its two callers keep the results.
#include "tax_schedule.h"

#include <algorithm>

namespace tax {

TaxBands TaxOnNetIncome(Currency netIncome)
{
    TaxBands result;
    if (netIncome < 0)
        return result;
    for (std::size_t k = 0; k < kTaxBandCount; ++k) {
        const TaxBand &band = kTaxSchedule[k];
        if (netIncome > band.upperBound) {
            result.bands[k] = band.fullAmount;
            continue;
        }
        // The part inside the band is exact; only its product with the rate rounds.
        result.bands[k] = multiply(subtract(netIncome, band.lowerBound), band.rate);
        break;
    }
    for (Currency amount : result.bands)
        result.tax = add(result.tax, amount);
    return result;
}

namespace {

// Each computation owns its five band entries and clears them before it
// fills them, so the attachment's and the return's bands never mix.
TaxBands storeTax(PersonFigures &person, std::size_t netIncomeLine, std::size_t firstBandEntry,
                  std::size_t taxLine)
{
    const auto bands = person.entries.begin() + static_cast<std::ptrdiff_t>(firstBandEntry);
    std::fill_n(bands, kTaxBandCount, 0);
    const TaxBands result = TaxOnNetIncome(person.totals[netIncomeLine]);
    std::copy(result.bands.begin(), result.bands.end(), bands);
    person.totals[taxLine] = result.tax;
    return result;
}

} // namespace

TaxBands storeAttachmentTax(ReturnLedger &ledger, Person who)
{
    return storeTax(figures(ledger, who), total::attachmentLine3, entry::attachmentBands,
                    total::attachmentLine4);
}

TaxBands storeReturnTax(ReturnLedger &ledger, Person who)
{
    return storeTax(figures(ledger, who), total::line17, entry::returnBands, total::line18);
}

} // namespace tax
