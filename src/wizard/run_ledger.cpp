// Storage of the run's return ledger.
#include "run_ledger.h"

tax::ReturnLedger &runLedger()
{
    static tax::ReturnLedger ledger;
    return ledger;
}
