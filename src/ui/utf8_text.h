// The program's own texts, written in Thai (UTF-8) where the windows are built,
// and shown in the language chosen.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace ui {

// A text of a window, in the language chosen: the Thai as it stands, or its
// translation. Always called qualified, as ui::text, so that the catalogue
// finds it under "ui"; a table marks its texts with
// QT_TRANSLATE_NOOP("ui", ...) and passes them here.
inline QString text(const char *utf8)
{
    return QCoreApplication::translate("ui", utf8);
}

} // namespace ui
