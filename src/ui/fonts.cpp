// Font substitution and sizing.
#include "fonts.h"

#include <QApplication>

#include <cmath>

namespace ui {

namespace {

constexpr const char *kDialogFamily = "MS Sans Serif";
constexpr const char *kDisplayFamily = "BrowalliaUPC";

QFont sized(const char *family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Loma"), QStringLiteral("Garuda")});
    QFont::insertSubstitutions(QStringLiteral("BrowalliaUPC"), {QStringLiteral("Garuda"), QStringLiteral("Loma")});
    QFont::insertSubstitutions(QStringLiteral("EucrosiaUPC"), {QStringLiteral("Kinnari"), QStringLiteral("Garuda")});
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

} // namespace ui
