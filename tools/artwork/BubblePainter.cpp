#include "BubblePainter.h"

#include "Keying.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage BubblePainter::bubble() {
    const QSize size(186, 155);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(3, 5, 178, 119), 20, 20);
    QPainterPath tail(QPointF(70, 118));
    tail.quadTo(QPointF(84, 128), QPointF(96, 148));
    tail.quadTo(QPointF(98, 132), QPointF(106, 118));
    tail.closeSubpath();
    shape = shape.united(tail).simplified();

    const QColor ink(92, 74, 58);
    QImage painted(size, QImage::Format_ARGB32);
    painted.fill(ink);
    {
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fill(0, 5, 0, 148);
        fill.setColorAt(0, QColor(255, 253, 244));
        fill.setColorAt(1, QColor(255, 240, 204));
        painter.fillPath(shape, fill);
        painter.setPen(QPen(ink, 2.4));
        painter.drawPath(shape);
        // A soft shine in the upper left.
        painter.setPen(QPen(QColor(255, 255, 255, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(10, 11, 30, 30), 100 * 16, 60 * 16);
    }
    return Keying::apply(painted, Keying::silhouette(size, shape), qRgb(255, 255, 255), ink, 1);
}
