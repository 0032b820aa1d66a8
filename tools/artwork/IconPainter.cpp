#include "IconPainter.h"

#include "CharacterPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int detail = 8; // drawn this many times larger, then reduced

QImage reduced(const QImage& large, int pixels) {
    return large.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage canvas(int pixels) {
    QImage image(pixels * detail, pixels * detail, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void paintEar(QPainter& painter) {
    // Drawn on a 16 x 16 grid.
    QPainterPath ear(QPointF(3.2, 6.2));
    ear.cubicTo(QPointF(3.2, 2.2), QPointF(9.8, 1.6), QPointF(10, 6.4));
    ear.cubicTo(QPointF(10.1, 9.2), QPointF(7.2, 9.4), QPointF(7.2, 12));
    ear.cubicTo(QPointF(7.2, 14.6), QPointF(3.6, 15.2), QPointF(3.4, 12.2));
    painter.setPen(QPen(QColor(130, 72, 50), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient skin(2, 2, 10, 14);
    skin.setColorAt(0, QColor(255, 214, 180));
    skin.setColorAt(1, QColor(236, 160, 120));
    painter.setBrush(skin);
    painter.drawPath(ear);
    QPainterPath inner(QPointF(5.2, 6.4));
    inner.cubicTo(QPointF(5.3, 4.2), QPointF(8.2, 4.2), QPointF(8.1, 6.4));
    inner.cubicTo(QPointF(8, 7.8), QPointF(6.2, 8.2), QPointF(6.1, 9.6));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(176, 96, 70), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(inner);
}

} // namespace

QImage IconPainter::characterIcon(const CharacterPainter& character, int pixels) {
    QImage portrait = character.portrait(Face{}, detail);
    QImage square(portrait.height(), portrait.height(), QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((square.width() - portrait.width()) / 2, 0, portrait);
    painter.end();
    return reduced(square, pixels);
}

QImage IconPainter::trayIdle() {
    QImage image = canvas(16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(detail, detail);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(0.8, 1.2, 14.4, 10.6), 4.2, 4.2);
    QPainterPath tail(QPointF(3.6, 10.6));
    tail.lineTo(2.6, 15);
    tail.lineTo(7.6, 10.8);
    tail.closeSubpath();
    QLinearGradient fill(0, 1, 0, 15);
    fill.setColorAt(0, QColor(104, 146, 202));
    fill.setColorAt(1, QColor(56, 88, 140));
    painter.setPen(QPen(QColor(34, 54, 90), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(bubble.united(tail));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(5.6, 5.4), 1.2, 1.4);
    painter.drawEllipse(QPointF(10.4, 5.4), 1.2, 1.4);
    painter.setPen(QPen(QColor(255, 255, 255), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath smile(QPointF(5.4, 8.1));
    smile.quadTo(QPointF(8, 10.2), QPointF(10.6, 8.1));
    painter.drawPath(smile);
    painter.end();
    return reduced(image, 16);
}

QImage IconPainter::ear(int waves) {
    QImage image = canvas(16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(detail, detail);
    paintEar(painter);
    const QColor wave(40, 120, 220);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < waves; ++i) {
        const double r = 2.2 + 2.1 * i;
        painter.setPen(QPen(wave, 1.25, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(10 - r, 7.5 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    painter.end();
    return reduced(image, 16);
}

QImage IconPainter::banner() {
    QImage image(487, 115, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient sky(0, 0, 487, 115);
    sky.setColorAt(0, QColor(64, 104, 168));
    sky.setColorAt(1, QColor(40, 150, 150));
    painter.fillRect(image.rect(), sky);
    // Soft circles, like sound spreading.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(QColor(255, 255, 255, 18 + 6 * i));
        const double r = 120 - 26 * i;
        painter.drawEllipse(QPointF(420, 57), r, r);
    }
    const CharacterPainter nubo(CharacterPainter::Who::Nubo);
    const CharacterPainter zel(CharacterPainter::Who::Zel);
    painter.drawImage(QRectF(352, 10, 51.6, 57.6), nubo.portrait(Face{}, 4));
    Face wink;
    wink.lidRight = 1;
    wink.mouth = Face::Mouth::Grin;
    wink.blush = 0.7;
    painter.drawImage(QRectF(404, 42, 60.75, 62.25), zel.portrait(wink, 4));

    QFont title("DejaVu Sans");
    title.setPixelSize(44);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(18, 36, 66, 90));
    painter.drawText(QRect(26, 14, 320, 56), Qt::AlignLeft | Qt::AlignVCenter, "Parlon 2");
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRect(24, 12, 320, 56), Qt::AlignLeft | Qt::AlignVCenter, "Parlon 2");
    QFont line("DejaVu Sans");
    line.setPixelSize(14);
    painter.setFont(line);
    painter.setPen(QColor(230, 242, 255));
    painter.drawText(QRect(26, 68, 330, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     "A voice companion for your desktop");
    painter.setPen(QColor(200, 222, 246));
    line.setPixelSize(11);
    painter.setFont(line);
    painter.drawText(QRect(26, 88, 330, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     "Double-click for the credits");
    return image;
}
