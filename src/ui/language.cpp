// The catalogues of each language, compiled into the program as resources.
#include "language.h"

#include "messages.h"
#include "wording.h"

#include <QGuiApplication>
#include <QTranslator>

namespace ui {

namespace {

Language g_language = Language::thai;

// One translator per catalogue for the whole run, loaded when first needed.
struct Catalogues {
    QTranslator english;     // the program's own texts and the model's
    QTranslator thaiDialogs; // Qt's own dialogs

    Catalogues()
    {
        if (!english.load(QStringLiteral(":/i18n/varo91_en.qm"))
            || !thaiDialogs.load(QStringLiteral(":/i18n/qtbase_th.qm")))
            qWarning("varo91: a catalogue is missing from the program's resources");
    }
};

Catalogues &catalogues()
{
    static Catalogues loaded;
    return loaded;
}

std::string modelInEnglish(const char *thai)
{
    return QCoreApplication::translate("model", thai).toStdString();
}

} // namespace

Language language()
{
    return g_language;
}

void setLanguage(Language chosen)
{
    g_language = chosen;
    QTranslator &english = catalogues().english;
    QTranslator &thaiDialogs = catalogues().thaiDialogs;
    const bool inEnglish = chosen == Language::english;
    QCoreApplication::removeTranslator(inEnglish ? &thaiDialogs : &english);
    QCoreApplication::installTranslator(inEnglish ? &english : &thaiDialogs);
    // In Thai the model writes its texts as they stand, without a look-up.
    model::setTranslation(inEnglish ? modelInEnglish : nullptr);
}

} // namespace ui
