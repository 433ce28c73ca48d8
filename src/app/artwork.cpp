// Drawing of the program's pictures.
#include "artwork.h"

#include "fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Text larger than the dialog font is the dialog font magnified. The pictures
// are drawn before the main window is first seen, and a font of another size
// would cost that first showing as much as all the rest of the picture; the
// glyphs are drawn from their outlines at the size they are shown, as sharp.
void drawLargeText(QPainter &p, const QRectF &rect, int flags, const QString &text, qreal magnification)
{
    p.save();
    p.setFont(ui::dialogFont());
    p.translate(rect.topLeft());
    p.scale(magnification, magnification);
    p.drawText(QRectF(QPointF(0, 0), rect.size() / magnification), flags, text);
    p.restore();
}

// Shapes are drawn upright: turned ones, and text on them, take several times
// as long to draw.
void drawForm(QPainter &p)
{
    // A sheet of the return with its numbered lines.
    p.save();
    p.translate(62, 66);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(8, 10, 210, 270), 4, 4);
    p.setBrush(QColor(252, 252, 246));
    p.setPen(QPen(QColor(150, 160, 170), 1));
    p.drawRoundedRect(QRectF(0, 0, 210, 270), 4, 4);

    p.setBrush(QColor(30, 80, 150));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(0, 0, 210, 36));
    p.setPen(Qt::white);
    drawLargeText(p, QRectF(0, 0, 210, 36), Qt::AlignCenter, QStringLiteral("ภ.ง.ด. 91"), 1.5);

    p.setFont(ui::dialogFont());
    p.setBrush(Qt::white);
    for (int row = 0; row < 11; ++row) {
        const qreal y = 52 + row * 19;
        p.setPen(QColor(90, 100, 120));
        p.drawText(QRectF(8, y - 9, 22, 16), Qt::AlignLeft | Qt::AlignVCenter, QString::number(row + 1) + '.');
        p.setPen(QPen(QColor(190, 200, 210), 1));
        p.drawLine(QPointF(30, y + 4), QPointF(130, y + 4));
        p.drawRect(QRectF(142, y - 7, 56, 13));
    }
    p.restore();
}

void drawCalculator(QPainter &p)
{
    p.save();
    p.translate(238, 178);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(7, 9, 120, 170), 12, 12);
    QLinearGradient body(0, 0, 120, 170);
    body.setColorAt(0, QColor(70, 78, 92));
    body.setColorAt(1, QColor(36, 40, 50));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0, 0, 120, 170), 12, 12);
    p.setBrush(QColor(200, 226, 190));
    p.drawRoundedRect(QRectF(12, 12, 96, 32), 4, 4);
    p.setPen(QColor(30, 50, 30));
    p.setFont(ui::dialogFont());
    p.drawText(QRectF(14, 12, 90, 32), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("60,000.00"));
    const QColor keys[] = {QColor(225, 225, 230), QColor(240, 160, 60)};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.setPen(Qt::NoPen);
            p.setBrush(keys[col == 3 ? 1 : 0]);
            p.drawRoundedRect(QRectF(12 + col * 25, 56 + row * 27, 21, 21), 4, 4);
        }
    }
    p.restore();
}

void drawCoins(QPainter &p)
{
    for (int i = 0; i < 4; ++i) {
        const QRectF coin(40 + i * 6, 318 - i * 9, 70, 26);
        QLinearGradient gold(coin.topLeft(), coin.bottomRight());
        gold.setColorAt(0, QColor(250, 220, 110));
        gold.setColorAt(1, QColor(200, 150, 40));
        // The rim is a darker coin beneath: filled, not stroked, it is quicker.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 110, 30));
        p.drawEllipse(coin);
        p.setBrush(gold);
        p.drawEllipse(coin.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    p.setPen(QColor(120, 80, 10));
    p.setFont(ui::dialogFont());
    p.drawText(QRectF(58, 287, 70, 26), Qt::AlignCenter, QStringLiteral("฿"));
}

// A pixmap of `size` logical pixels at the ratio, painted in logical pixels.
QPixmap blank(const QSize &size, qreal devicePixelRatio)
{
    QPixmap picture((QSizeF(size) * devicePixelRatio).toSize().expandedTo(QSize(1, 1)));
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace

QPixmap mainWindowPicture(qreal devicePixelRatio)
{
    QPixmap picture = blank(QSize(400, 400), devicePixelRatio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(214, 232, 250));
    sky.setColorAt(1, QColor(120, 165, 215));
    p.fillRect(QRect(0, 0, 400, 400), sky);

    p.setPen(QColor(20, 50, 100));
    drawLargeText(p, QRectF(0, 8, 400, 44), Qt::AlignCenter, QStringLiteral("บริการคำนวณภาษีเงินได้"), 1.75);

    drawForm(p);
    drawCalculator(p);
    drawCoins(p);
    return picture;
}

QPixmap aboutPicture(const QSize &size, qreal devicePixelRatio)
{
    QPixmap picture = blank(size, devicePixelRatio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, size.width(), size.height());
    band.setColorAt(0, QColor(30, 80, 150));
    band.setColorAt(1, QColor(90, 150, 210));
    p.fillRect(QRect(QPoint(0, 0), size), band);

    p.setPen(Qt::white);
    p.setFont(ui::dialogFont(16, true));
    p.drawText(QRect(16, 12, size.width() - 32, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("บริการคำนวณ VARO. 91"));
    p.setFont(ui::dialogFont(11));
    p.drawText(QRect(16, 44, size.width() - 32, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("โปรแกรมคำนวณภาษีเงินได้บุคคลธรรมดา\n"
                              "สำหรับผู้มีเงินได้จากเงินเดือน รุ่น 1.0"));
    return picture;
}
