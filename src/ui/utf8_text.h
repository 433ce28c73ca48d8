// The program's own texts, written in UTF-8 in the tables that build the windows.
#pragma once

#include <QString>

namespace ui {

// A text of a table, Thai as it stands, as a Qt string.
inline QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace ui
