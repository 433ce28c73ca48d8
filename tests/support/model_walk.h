// Drives a return model as a person walks the wizard: every field of each
// page in focus order with the texts to enter, every step button up to the
// one the entries have reached, the choices made on the way.
#pragma once

#include "return_model.h"

#include <string>
#include <vector>

namespace modelwalk {

// Leaves one field with the text it holds in `texts`, by the field's own
// operation (the children and credits handlers read their second field too).
model::HandlerOutcome leave(model::ReturnModel &m, model::Field field, const model::ReturnEntries &texts);

// Walks a fresh model forward to where `target` stands, with its texts and
// choices. Returns the names of the fields and steps whose handler did not
// take what it was given.
std::vector<std::string> forward(model::ReturnModel &m, const model::ReturnEntries &target);

// The entries of a return with a figure on most lines, walked to the refund
// page: salaries, a provident fund, children, capped and uncapped
// allowances, a donation, an attachment with its severance panel, and credits.
model::ReturnEntries sampleReturn(tax::MaritalStatus status);

} // namespace modelwalk
