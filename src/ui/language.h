// The language of the windows: Thai, as the form is, or English for foreign
// taxpayers. A choice holds for every window opened after it, for this run
// only; nothing is kept.
#pragma once

namespace ui {

enum class Language { thai, english };

Language language();

// Installs the catalogues of the language: in Thai, Thai texts for the Qt
// dialogs the program opens (print, page set-up, preview, file); in English,
// the program's own texts and the model's in English, and Qt's dialogs as Qt
// writes them. Windows already open are told with a LanguageChange event.
void setLanguage(Language chosen);

} // namespace ui
