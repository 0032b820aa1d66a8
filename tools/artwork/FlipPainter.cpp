#include "FlipPainter.h"

#include "CardPainter.h"
#include "Keying.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double cardLeft = 1, cardTop = 97, cardRight = 286, cardBottom = 300;
constexpr double centreX = (cardLeft + cardRight) / 2;
constexpr double centreY = (cardTop + cardBottom) / 2;
// Distance of the eye from the card: close enough that the near edge looms large.
constexpr double eyeDistance = 335;
const QRgb red = qRgb(255, 0, 0);
const QColor edgeColour(61, 90, 128);

} // namespace

FlipPainter::FlipPainter(QImage listPage, QImage addPage)
    : listPage_(std::move(listPage))
    , addPage_(std::move(addPage)) {}

double FlipPainter::angle(int frame) {
    static const double degrees[] = {0,  20,  38,  53,  65,  76,  84,  89,
                                     95, 103, 114, 127, 141, 155, 168, 180};
    return degrees[frame - 1];
}

QImage FlipPainter::frame(int frame) const {
    if (frame == 1)
        return listPage_;
    if (frame == 8)
        return edgeOn();
    return turned(frame);
}

QPolygonF FlipPainter::projectedCard(int frame) const {
    const double theta = angle(frame) * std::numbers::pi / 180;
    // The axis swings a little to the left while the card is edge-on, as the card is lifted.
    const double axis = centreX - 13.5 * std::sin(std::numbers::pi * (frame - 1) / 15.0);
    auto project = [&](double u, double v) {
        const double x = u * std::cos(theta);
        const double z = u * std::sin(theta);
        const double scale = eyeDistance / (eyeDistance - z);
        return QPointF(axis + x * scale, centreY + v * scale);
    };
    const double a = (cardRight - cardLeft) / 2;
    const double b = (cardBottom - cardTop) / 2;
    // Corners in the page's own order: top left, top right, bottom right, bottom left. The back
    // is seen from behind, so its left edge is the front's right edge.
    const double sign = angle(frame) < 90 ? 1 : -1;
    QPolygonF quad({project(-a * sign, -b), project(a * sign, -b), project(a * sign, b),
                    project(-a * sign, b)});
    // Near the flat positions the near edge would reach past the window: the card is lifted
    // away from the eye just enough to stay inside it.
    const QRectF bounds = quad.boundingRect();
    const double room = std::min({(cardRight - axis) / (bounds.right() - axis),
                                  (axis - cardLeft) / (axis - bounds.left()),
                                  (centreY - 1) / (centreY - bounds.top()),
                                  (388 - centreY) / (bounds.bottom() - centreY), 1.0});
    for (QPointF& p : quad)
        p = QPointF(axis + (p.x() - axis) * room, centreY + (p.y() - centreY) * room);
    return quad;
}

QImage FlipPainter::turned(int frame) const {
    const QImage& page = angle(frame) < 90 ? listPage_ : addPage_;
    const QPolygonF source({QPointF(cardLeft, cardTop), QPointF(cardRight, cardTop),
                            QPointF(cardRight, cardBottom), QPointF(cardLeft, cardBottom)});
    QTransform transform;
    QTransform::quadToQuad(source, projectedCard(frame), transform);
    const QPainterPath outline = transform.map(CardPainter::outline());

    QImage painted(CardPainter::windowSize(), QImage::Format_ARGB32);
    painted.fill(edgeColour);
    {
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(transform);
        painter.setClipPath(CardPainter::outline());
        painter.drawImage(QPointF(0, 0), page);
        painter.resetTransform();
        painter.setClipPath(outline);
        // Turned away from the light, the card darkens, its far side most.
        const double facing = std::abs(std::cos(angle(frame) * std::numbers::pi / 180));
        const QPolygonF quad = projectedCard(frame);
        const double nearX = (quad[1].x() + quad[2].x()) / 2;
        const double farX = (quad[0].x() + quad[3].x()) / 2;
        QLinearGradient shade(farX, 0, nearX, 0);
        const bool nearIsRight = angle(frame) < 90;
        const int farShade = static_cast<int>(150 * (1 - facing));
        const int nearShade = static_cast<int>(60 * (1 - facing));
        shade.setColorAt(0, QColor(20, 30, 50, nearIsRight ? farShade : nearShade));
        shade.setColorAt(1, QColor(20, 30, 50, nearIsRight ? nearShade : farShade));
        painter.fillRect(painted.rect(), shade);
    }
    return Keying::apply(painted, Keying::silhouette(CardPainter::windowSize(), outline), red,
                         edgeColour, 1);
}

QImage FlipPainter::edgeOn() const {
    // The card's edge, the outline of the table the editor applies at this frame.
    static const QRect rects[] = {
        QRect(QPoint(132, 20), QPoint(132, 47)),   QRect(QPoint(131, 48), QPoint(132, 73)),
        QRect(QPoint(130, 74), QPoint(132, 100)),  QRect(QPoint(129, 101), QPoint(132, 128)),
        QRect(QPoint(128, 129), QPoint(132, 154)), QRect(QPoint(127, 155), QPoint(132, 269)),
        QRect(QPoint(128, 270), QPoint(132, 291)), QRect(QPoint(129, 292), QPoint(132, 311)),
        QRect(QPoint(130, 312), QPoint(132, 334)), QRect(QPoint(131, 335), QPoint(132, 352)),
        QRect(QPoint(132, 353), QPoint(132, 372)),
    };
    QPainterPath outline;
    for (const QRect& r : rects)
        outline.addRect(r);
    QImage painted(CardPainter::windowSize(), QImage::Format_ARGB32);
    painted.fill(red);
    {
        QPainter painter(&painted);
        QLinearGradient shade(0, 20, 0, 373);
        shade.setColorAt(0, QColor(96, 128, 170));
        shade.setColorAt(0.5, QColor(150, 178, 214));
        shade.setColorAt(1, QColor(70, 100, 142));
        painter.fillPath(outline, shade);
        // The near edge catches the light.
        painter.setPen(QColor(214, 226, 242));
        painter.drawLine(132, 24, 132, 368);
    }
    return Keying::apply(painted,
                         Keying::silhouette(CardPainter::windowSize(), outline.simplified()), red);
}
