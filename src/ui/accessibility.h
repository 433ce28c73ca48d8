// How the program's windows present themselves to assistive technology.
#pragma once

namespace ui {

// Windows made of a plain widget are frames, named by their captions, as
// dialogs and main windows are. Call once at start-up; calling it again
// changes nothing.
void installAccessibility();

} // namespace ui
