// Draws the program's icon as the PNG files of the hicolor icon theme: from 48
// pixels up the main window's picture, below that a plain pixel-aligned
// drawing of the same form and calculator that stays sharp.
//   varo91_icons <output folder> <size>...
// writes <output folder>/<size>x<size>/apps/varo91.png for every size.
#include "artwork.h"
#include "fonts.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Below this size the picture's form lines and keys blur into each other.
constexpr int kSmallestPictureIcon = 48;

// The part of the main window's picture with the form, the calculator and the
// coins; the title above them cannot be read at icon sizes.
const QRect kSubject(25, 40, 345, 345);

const QColor kSkyTop(214, 232, 250);
const QColor kSkyBottom(120, 165, 215);
const QColor kOutline(60, 90, 130);

// The rounded square every size of the icon is drawn in.
QPainterPath tile(int size)
{
    const qreal margin = size / 32.0;
    QPainterPath path;
    path.addRoundedRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin),
                        size * 0.16, size * 0.16);
    return path;
}

void drawOutline(QPainter &p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, size / 64.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile(size));
}

QImage pictureIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const QImage subject = mainWindowPicture().toImage().copy(kSubject)
                               .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(tile(size));
    p.drawImage(0, 0, subject);
    p.setClipping(false);
    drawOutline(p, size);
    return icon;
}

// A rectangle given on a 32 x 32 grid, snapped to whole pixels of `size`.
QRect cell(int size, int x, int y, int w, int h)
{
    const auto px = [size](int units) { return (units * size + 16) / 32; };
    return QRect(QPoint(px(x), px(y)), QPoint(px(x + w) - 1, px(y + h) - 1));
}

QImage smallIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0, kSkyTop);
    sky.setColorAt(1, kSkyBottom);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(tile(size));
    p.setRenderHint(QPainter::Antialiasing, false);

    // The return: a white sheet with its blue head and ruled lines.
    p.fillRect(cell(size, 4, 3, 18, 25), QColor(150, 160, 170));
    p.fillRect(cell(size, 5, 4, 16, 23), QColor(252, 252, 246));
    p.fillRect(cell(size, 5, 4, 16, 5), QColor(30, 80, 150));
    for (int row = 0; row < 4; ++row)
        p.fillRect(cell(size, 7, 12 + row * 4, 10, 2), QColor(150, 165, 185));

    // The calculator in front of it: green display, light keys, orange column.
    p.fillRect(cell(size, 15, 13, 14, 17), QColor(36, 40, 50));
    p.fillRect(cell(size, 17, 15, 10, 4), QColor(200, 226, 190));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 2; ++col) {
            const QColor key = col == 1 ? QColor(240, 160, 60) : QColor(225, 225, 230);
            p.fillRect(cell(size, 17 + col * 6, 21 + row * 4, 4, 2), key);
        }
    }
    drawOutline(p, size);
    return icon;
}

bool write(const QDir &folder, int size)
{
    const QString subfolder = QStringLiteral("%1x%1/apps").arg(size);
    const QString path = folder.filePath(subfolder + QStringLiteral("/varo91.png"));
    const QImage icon = size < kSmallestPictureIcon ? smallIcon(size) : pictureIcon(size);
    const bool written = folder.mkpath(subfolder) && icon.save(path);
    if (!written)
        qCritical("could not write %s", qPrintable(path));
    return written;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        qCritical("usage: varo91_icons <output folder> <size>...");
        return 2;
    }
    ui::installFontSubstitutions();
    const QDir folder(arguments.at(1));
    bool ok = true;
    for (const QString &argument : arguments.mid(2)) {
        bool isNumber = false;
        const int size = argument.toInt(&isNumber);
        if (!isNumber || size < 16 || size > 512) {
            qCritical("not an icon size: %s", qPrintable(argument));
            return 2;
        }
        ok &= write(folder, size);
    }
    return ok ? 0 : 1;
}
