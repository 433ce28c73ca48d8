// Font substitution and sizing.
#include "fonts.h"

#include <QApplication>

#include <cmath>

namespace ui {

namespace {

constexpr const char *kDialogFamily = "MS Sans Serif";
constexpr const char *kDisplayFamily = "BrowalliaUPC";
constexpr const char *kPrintFamily = "EucrosiaUPC";

// Once for the whole run: the substitutions are global to the program.
void mapFormFonts()
{
    static const bool mapped = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Loma"), QStringLiteral("Garuda")});
        QFont::insertSubstitutions(QStringLiteral("BrowalliaUPC"), {QStringLiteral("Garuda"), QStringLiteral("Loma")});
        QFont::insertSubstitutions(QStringLiteral("EucrosiaUPC"), {QStringLiteral("Kinnari"), QStringLiteral("Garuda")});
        return true;
    }();
    (void)mapped;
}

QFont sized(const char *family, int pixels, bool bold)
{
    mapFormFonts();
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void installFontSubstitutions()
{
    mapFormFonts();
    QApplication::setFont(dialogFont());
}

QFont dialogFont(int designHeight, bool bold)
{
    // The forms give heights for a font that draws Thai with its marks above
    // and below inside that height; Loma needs two pixels more for them.
    return sized(kDialogFamily, designHeight + 2, bold);
}

QFont displayFont(int designHeight, bool bold)
{
    // BrowalliaUPC draws small letters in a tall box; Garuda fills its box, so
    // the same look needs about two thirds of the height.
    return sized(kDisplayFamily, static_cast<int>(std::lround(designHeight * 0.66)), bold);
}

QFont printFont(int designHeight, bool bold)
{
    // The printed page was laid out for EucrosiaUPC, whose letters are small
    // for their height; Kinnari fills the same rows at three quarters of it.
    return sized(kPrintFamily, static_cast<int>(std::lround(designHeight * 0.75)), bold);
}

} // namespace ui
