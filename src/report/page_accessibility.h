// The printed page as a screen reader reads it: a document with the page's
// text, line by line.
#pragma once

namespace report {

// Lets the page surfaces present their text; calling it again changes nothing.
void installPageAccessibility();

} // namespace report
