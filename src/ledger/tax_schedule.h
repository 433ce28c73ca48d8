// The progressive tax on a net income, and its two uses on the ledger: the
// attachment's tax and the tax of return line 18.
#pragma once

#include "return_ledger.h"
#include "tax_limits.h"

#include <array>

namespace tax {

struct TaxBands {
    std::array<Currency, kTaxBandCount> bands{}; // band 1 to band 5
    Currency tax = 0;                            // their sum
};

// The five band amounts of a net income and their sum; a net income of 0 or
// less owes nothing. Reads and writes nothing else.
TaxBands TaxOnNetIncome(Currency netIncome);

// Attachment line 4: taxes the person's attachment line 3, keeping the bands in
// entries 17 to 21 and the tax in the attachment's line 4.
TaxBands storeAttachmentTax(ReturnLedger &ledger, Person who);

// Return line 18: taxes the person's line 17, keeping the bands in entries 23
// to 27 and the tax in line 18.
TaxBands storeReturnTax(ReturnLedger &ledger, Person who);

} // namespace tax
