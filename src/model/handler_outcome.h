// What a handler tells its window to do once the return model has run it: the
// messages to show, the texts it writes into fields, whether the field keeps
// the focus, and the error report that stops it.
#pragma once

#include "fields.h"

#include <optional>
#include <string>
#include <vector>

namespace model {

struct FieldText {
    Field field;
    std::string text;

    bool operator==(const FieldText &) const = default;
};

struct HandlerOutcome {
    // Message boxes, in the order they are shown (before any error report).
    std::vector<std::string> messages;
    // Texts the handler puts into fields, in order.
    std::vector<FieldText> fields;
    // The field refused its text, which is not taken; a field with a handler
    // of its own keeps the focus.
    bool refused = false;
    // The default error report ("'1,000' is not a valid floating point
    // value"); the handler stops where it met the error.
    std::optional<std::string> error;

    // Whether the return took what the handler read.
    bool taken() const { return !refused && !error; }
};

} // namespace model
