#include "CharacterPainter.h"

#include "ArtworkLayout.h"
#include "Keying.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <algorithm>

namespace {

QPainterPath circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath zelStalk() {
    QPainterPath stalk(QPointF(39, 28));
    stalk.quadTo(QPointF(38, 15), QPointF(47, 9));
    return stalk;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace

CharacterPainter::CharacterPainter(Who who)
    : who_(who) {
    if (who == Who::Nubo) {
        light_ = QColor(252, 253, 255);
        dark_ = QColor(178, 194, 236);
        outline_ = QColor(52, 62, 112);
        cheek_ = QColor(255, 138, 170);
        iris_ = QColor(40, 46, 92);
        leftEye_ = QPointF(29, 44);
        rightEye_ = QPointF(54, 44);
        eyeRadius_ = QSizeF(7.5, 8);
        mouthCentre_ = QPointF(41.5, 78);
    } else {
        light_ = QColor(206, 247, 170);
        dark_ = QColor(82, 176, 92);
        outline_ = QColor(30, 86, 50);
        cheek_ = QColor(255, 128, 112);
        iris_ = QColor(28, 40, 34);
        leftEye_ = QPointF(29, 44);
        rightEye_ = QPointF(53, 44);
        eyeRadius_ = QSizeF(8.5, 8.5);
        mouthCentre_ = QPointF(41.5, 63);
    }
}

QSize CharacterPainter::size() const {
    return who_ == Who::Nubo ? QSize(86, 96) : QSize(81, 83);
}

QRect CharacterPainter::mouthRect() const {
    const ArtworkLayout::Box b =
        who_ == Who::Nubo ? ArtworkLayout::nuboMouth : ArtworkLayout::zelMouth;
    return QRect(b.x, b.y, b.width, b.height);
}

QRect CharacterPainter::eyeStripRect() {
    const ArtworkLayout::Box b = ArtworkLayout::eyeStrip;
    return QRect(b.x, b.y, b.width, b.height);
}

QPainterPath CharacterPainter::silhouette() const {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (who_ == Who::Nubo) {
        path.addPath(ellipse(QPointF(43, 58), 41.6, 37.2));
        path.addPath(circle(QPointF(21, 31), 13.5));
        path.addPath(circle(QPointF(44, 20), 18.8));
        path.addPath(circle(QPointF(66, 30), 13.5));
        path.addPath(circle(QPointF(9.5, 51), 8.6));
        path.addPath(circle(QPointF(76.5, 51), 8.6));
    } else {
        path.addPath(ellipse(QPointF(40.5, 52.8), 39.6, 29.3));
        QPainterPathStroker stroker;
        stroker.setWidth(4);
        stroker.setCapStyle(Qt::RoundCap);
        path.addPath(stroker.createStroke(zelStalk()));
        path.addPath(circle(QPointF(48, 8), 6.6));
    }
    return path.simplified();
}

QImage CharacterPainter::head(const Face& face) const {
    QImage image(size(), QImage::Format_ARGB32);
    image.fill(outline_);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, face);
    }
    return Keying::apply(image, Keying::silhouette(size(), silhouette()), qRgb(0, 0, 255), outline_,
                         1);
}

QImage CharacterPainter::portrait(const Face& face, int scale) const {
    QImage image(size() * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    paint(painter, face);
    painter.setPen(QPen(outline_, 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(silhouette());
    return image;
}

QRadialGradient CharacterPainter::skin(const Face& face) const {
    const QSize s = size();
    QRadialGradient shade(QPointF(s.width() * 0.36, s.height() * 0.3), s.height() * 0.85);
    if (face.angry) {
        // Flushed with anger: the same shading in hot colours.
        shade.setColorAt(0, who_ == Who::Nubo ? QColor(255, 222, 220) : QColor(255, 214, 150));
        shade.setColorAt(1, who_ == Who::Nubo ? QColor(234, 122, 132) : QColor(232, 104, 60));
    } else {
        shade.setColorAt(0, light_);
        shade.setColorAt(1, dark_);
    }
    return shade;
}

void CharacterPainter::paint(QPainter& painter, const Face& face) const {
    const QPainterPath body = silhouette();
    painter.fillPath(body, skin(face));

    if (who_ == Who::Zel) {
        // Freckles on the forehead.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 60, 0, 40));
        for (const QPointF& p :
             {QPointF(30, 29), QPointF(35, 27.5), QPointF(46, 27.5), QPointF(51, 29)})
            painter.drawEllipse(p, 1.2, 1.2);
    }

    painter.setPen(QPen(outline_, 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);

    if (who_ == Who::Zel)
        paintAntenna(painter, face);

    // Cheeks.
    const double blush = face.angry ? 0.0 : std::clamp(face.blush, 0.0, 1.0);
    if (blush > 0) {
        QColor c = cheek_;
        c.setAlphaF(0.25 + 0.5 * blush);
        painter.setPen(Qt::NoPen);
        painter.setBrush(c);
        const double y = who_ == Who::Nubo ? 61 : 58;
        const double dx = who_ == Who::Nubo ? 23.5 : 25;
        painter.drawEllipse(QPointF(mouthCentre_.x() - dx, y), 5.5, 3.6);
        painter.drawEllipse(QPointF(mouthCentre_.x() + dx, y), 5.5, 3.6);
    }

    paintEye(painter, leftEye_, face.lidLeft, face, true);
    paintEye(painter, rightEye_, face.lidRight, face, false);

    // Brows: worried-up when raised, down to the nose when angry.
    painter.setPen(QPen(outline_, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const bool left : {true, false}) {
        const QPointF eye = left ? leftEye_ : rightEye_;
        const double side = left ? -1 : 1;
        const double top = eye.y() - eyeRadius_.height();
        if (face.angry) {
            painter.drawLine(QPointF(eye.x() + side * 7, top - 4.5),
                             QPointF(eye.x() - side * 5, top - 0.5));
        } else if (face.browRaise > 0) {
            const double lift = 3 + 2.5 * face.browRaise;
            QPainterPath brow(QPointF(eye.x() - 5, top - lift + 1));
            brow.quadTo(QPointF(eye.x(), top - lift - 2), QPointF(eye.x() + 5, top - lift + 1));
            painter.drawPath(brow);
        }
    }
    if (face.angry) {
        // The cross-vein of a cartoon temper, on the forehead.
        const QPointF v = who_ == Who::Nubo ? QPointF(62, 24) : QPointF(58, 32);
        painter.setPen(QPen(QColor(214, 30, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            painter.save();
            painter.translate(v);
            painter.rotate(45 + 90 * i);
            QPainterPath arc(QPointF(1.2, -2.6));
            arc.quadTo(QPointF(1.2, -1.2), QPointF(2.6, -1.2));
            painter.drawPath(arc);
            painter.restore();
        }
    }

    paintMouth(painter, face);
    paintZ(painter, face);
}

void CharacterPainter::paintEye(QPainter& painter, QPointF centre, double lid, const Face& face,
                                bool left) const {
    const double rx = eyeRadius_.width();
    const double ry = eyeRadius_.height();
    painter.save();
    if (face.happyEyes > 0.5) {
        painter.setPen(QPen(outline_, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        QPainterPath arc(QPointF(centre.x() - rx + 1.5, centre.y() + 2));
        arc.quadTo(QPointF(centre.x(), centre.y() - 8),
                   QPointF(centre.x() + rx - 1.5, centre.y() + 2));
        painter.drawPath(arc);
        painter.restore();
        return;
    }
    if (lid >= 0.98) {
        // Closed: a lid line curving down, with two lashes at its outer end.
        painter.setPen(QPen(outline_, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        const double y = centre.y() + 1;
        QPainterPath line(QPointF(centre.x() - rx + 1, y));
        line.quadTo(QPointF(centre.x(), y + 6), QPointF(centre.x() + rx - 1, y));
        painter.drawPath(line);
        const double outer = left ? -1 : 1;
        painter.setPen(QPen(outline_, 1.3, Qt::SolidLine, Qt::RoundCap));
        const QPointF end(centre.x() + outer * (rx - 1), y);
        painter.drawLine(end, end + QPointF(outer * 2.6, 1.6));
        painter.drawLine(end + QPointF(-outer * 2.8, 2.7), end + QPointF(-outer * 1.2, 5.2));
        painter.restore();
        return;
    }
    const QPainterPath white = ellipse(centre, rx, ry);
    painter.setPen(Qt::NoPen);
    painter.fillPath(white, QColor(255, 255, 255));
    painter.setClipPath(white);
    const QPointF pupil = centre + QPointF(0, 1) + face.look;
    const double pr = rx * 0.66;
    QRadialGradient iris(pupil + QPointF(-1, -1.5), pr * 1.3);
    iris.setColorAt(0, iris_.lighter(190));
    iris.setColorAt(1, iris_);
    painter.setBrush(iris);
    painter.drawEllipse(pupil, pr, ry * 0.74);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(pupil + QPointF(-pr * 0.38, -ry * 0.34), 1.8, 1.8);
    painter.drawEllipse(pupil + QPointF(pr * 0.4, ry * 0.3), 0.8, 0.8);
    double lidAmount = lid;
    if (face.angry)
        lidAmount = std::max(lidAmount, 0.28);
    if (lidAmount > 0) {
        // The eyelid in the head's own colours, with a dark rim at its edge.
        const double edge = centre.y() - ry + 2 * ry * lidAmount;
        // The lid's lower edge: level when sleepy, slanting to the nose when angry.
        const double inner = left ? 1 : -1;
        QPainterPath rim;
        if (face.angry) {
            rim.moveTo(centre.x() - rx - 1, edge + (inner > 0 ? -1.5 : 2.5));
            rim.lineTo(centre.x() + rx + 1, edge + (inner > 0 ? 2.5 : -1.5));
        } else {
            rim.moveTo(centre.x() - rx - 1, edge - 1);
            rim.quadTo(QPointF(centre.x(), edge + 2), QPointF(centre.x() + rx + 1, edge - 1));
        }
        QPainterPath lidShape = rim;
        lidShape.lineTo(centre.x() + rx + 1, centre.y() - ry - 2);
        lidShape.lineTo(centre.x() - rx - 1, centre.y() - ry - 2);
        lidShape.closeSubpath();
        // A little wider than the eye, so no white fringe is left above the lid.
        painter.setClipPath(ellipse(centre, rx + 1, ry + 1));
        painter.fillPath(lidShape, skin(face));
        painter.setClipping(false);
        painter.setPen(QPen(outline_, 1.5, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.setClipPath(ellipse(centre, rx + 0.8, ry + 0.8));
        painter.drawPath(rim);
    }
    // Only the part of the eye's rim that the lid leaves open.
    const double openFrom = centre.y() - ry + 2 * ry * lidAmount - 0.5;
    painter.setClipRect(QRectF(centre.x() - rx - 2, openFrom, 2 * rx + 4, 2 * ry + 4));
    painter.setPen(QPen(outline_, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(white);
    painter.restore();
}

void CharacterPainter::paintMouth(QPainter& painter, const Face& face) const {
    const QPointF m = mouthCentre_;
    const QColor inside(110, 28, 48);
    const QColor tongue(245, 120, 140);
    painter.save();
    painter.setPen(QPen(outline_, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    auto openMouth = [&](QPainterPath shape, QPointF tongueAt, QSizeF tongueSize) {
        painter.setBrush(inside);
        painter.drawPath(shape);
        painter.save();
        painter.setClipPath(shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tongue);
        painter.drawEllipse(tongueAt, tongueSize.width(), tongueSize.height());
        painter.restore();
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    };
    switch (face.mouth) {
    case Face::Mouth::Smile: {
        QPainterPath smile(m + QPointF(-8, -3));
        smile.quadTo(m + QPointF(0, 5.5), m + QPointF(8, -3));
        painter.drawPath(smile);
        break;
    }
    case Face::Mouth::Talk1: {
        QPainterPath shape(m + QPointF(-7, -2.5));
        shape.quadTo(m + QPointF(0, -0.5), m + QPointF(7, -2.5));
        shape.quadTo(m + QPointF(0, 8), m + QPointF(-7, -2.5));
        openMouth(shape, m + QPointF(0, 4.5), QSizeF(4, 2.5));
        break;
    }
    case Face::Mouth::Talk2: {
        QPainterPath shape(m + QPointF(-9, -3));
        shape.quadTo(m + QPointF(0, -1), m + QPointF(9, -3));
        shape.quadTo(m + QPointF(0, 13), m + QPointF(-9, -3));
        openMouth(shape, m + QPointF(0, 7), QSizeF(5.5, 3.5));
        break;
    }
    case Face::Mouth::Talk3: {
        QPainterPath shape = ellipse(m + QPointF(0, 2), 4.6, 5.4);
        openMouth(shape, m + QPointF(0, 6), QSizeF(3.5, 2.5));
        break;
    }
    case Face::Mouth::Oh: {
        QPainterPath shape = ellipse(m + QPointF(0, 1.5), 3, 3.6);
        openMouth(shape, m + QPointF(0, 4), QSizeF(2, 1.5));
        break;
    }
    case Face::Mouth::Yawn: {
        const double a = std::clamp(face.mouthAmount, 0.0, 1.0);
        QPainterPath shape = ellipse(m + QPointF(0, 1 + 3 * a), 3.5 + 2.5 * a, 3 + 4.5 * a);
        openMouth(shape, m + QPointF(0, 3 + 7 * a), QSizeF(3 + 2 * a, 2 + a));
        break;
    }
    case Face::Mouth::Frown: {
        QPainterPath frown(m + QPointF(-7, 4));
        frown.quadTo(m + QPointF(0, -3.5), m + QPointF(7, 4));
        painter.drawPath(frown);
        break;
    }
    case Face::Mouth::Grin: {
        QPainterPath shape(m + QPointF(-10, -3));
        shape.quadTo(m + QPointF(0, -1.5), m + QPointF(10, -3));
        shape.quadTo(m + QPointF(0, 12), m + QPointF(-10, -3));
        openMouth(shape, m + QPointF(0, 7), QSizeF(6, 3));
        painter.save();
        painter.setClipPath(shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 250));
        painter.drawRect(QRectF(m.x() - 10, m.y() - 4, 20, 3.6));
        painter.restore();
        painter.drawPath(shape);
        break;
    }
    case Face::Mouth::Tongue: {
        QPainterPath tongueShape(m + QPointF(-3.5, 0.5));
        tongueShape.quadTo(m + QPointF(-4, 8), m + QPointF(0, 8));
        tongueShape.quadTo(m + QPointF(4, 8), m + QPointF(3.5, 0.5));
        painter.setBrush(tongue);
        painter.setPen(QPen(outline_, 1.3));
        painter.drawPath(tongueShape);
        painter.setPen(QPen(tongue.darker(130), 1));
        painter.drawLine(m + QPointF(0, 2.5), m + QPointF(0, 5.5));
        painter.setPen(QPen(outline_, 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        QPainterPath smile(m + QPointF(-8, -3));
        smile.quadTo(m + QPointF(0, 3.5), m + QPointF(8, -3));
        painter.drawPath(smile);
        break;
    }
    }
    painter.restore();
}

void CharacterPainter::paintAntenna(QPainter& painter, const Face& face) const {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(74, 140, 84), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(zelStalk());
    const QPointF ball(48, 8);
    const double glow = std::clamp(face.glow, 0.0, 1.0);
    QRadialGradient light(ball + QPointF(-1.8, -2), 7.5);
    light.setColorAt(0, mix(QColor(255, 246, 190), QColor(255, 255, 240), glow));
    light.setColorAt(1, mix(QColor(246, 178, 40), QColor(255, 226, 90), glow));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(ball, 5.6, 5.6);
    if (glow > 0) {
        painter.setPen(QPen(QColor(255, 255, 255, static_cast<int>(200 * glow)), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(ball.x() - 3.6, ball.y() - 3.6, 7.2, 7.2), 60 * 16, 70 * 16);
    }
    painter.restore();
}

void CharacterPainter::paintZ(QPainter& painter, const Face& face) const {
    if (face.sleepZ <= 0)
        return;
    painter.save();
    QColor ink = outline_;
    ink.setAlphaF(std::clamp(face.sleepZ, 0.0, 1.0));
    painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    auto letter = [&](QPointF at, double size) {
        QPainterPath z(at);
        z.lineTo(at + QPointF(size, 0));
        z.lineTo(at + QPointF(0, size));
        z.lineTo(at + QPointF(size, size));
        painter.drawPath(z);
    };
    if (who_ == Who::Nubo) {
        letter(QPointF(55, 12), 6);
        if (face.sleepZ > 0.5)
            letter(QPointF(65, 21), 4);
    } else {
        letter(QPointF(53, 27), 5);
        if (face.sleepZ > 0.5)
            letter(QPointF(61, 31), 3.4);
    }
    painter.restore();
}
