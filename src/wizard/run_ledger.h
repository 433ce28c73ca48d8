// The one return ledger of the run, shared by the wizard windows that the run
// opens one after another.
#pragma once

#include "return_ledger.h"

tax::ReturnLedger &runLedger();
