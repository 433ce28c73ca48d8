// The model's own texts (its messages, the attachment's headings and why a
// line shows its figure) in the language of the windows. They are written in
// Thai; the windows may give a translation of each.
#pragma once

#include <initializer_list>
#include <string>

namespace model {

// Gives the text for a Thai text of the model, in the language of the windows.
using Translation = std::string (*)(const char *thai);

// The translation every text of the model goes through from now on; null
// (as at start) keeps the Thai as written.
void setTranslation(Translation translation);

// A text of the model in the language of the windows, with %1 to %9 replaced
// by the figures given, in their order. Always called qualified, as
// model::wording, so that the catalogue finds it under "model".
std::string wording(const char *thai, std::initializer_list<std::string> figures = {});

} // namespace model
