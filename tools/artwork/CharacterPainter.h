#pragma once

#include "Face.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRect>
#include <QSize>

class QPainter;

// Draws Nubo, a cloud, and Zel, a little green creature with an antenna. Every picture of a
// character shares one silhouette, so layers shown over the base picture never uncover the key.
class CharacterPainter {
public:
    enum class Who { Nubo, Zel };

    explicit CharacterPainter(Who who);

    QSize size() const;
    QPainterPath silhouette() const;
    // Where the mouth frames and the closed-eyes strip sit on the head.
    QRect mouthRect() const;
    static QRect eyeStripRect();

    // The whole head, keyed with pure blue outside the silhouette.
    QImage head(const Face& face) const;
    // The head on a transparent background, `scale` times larger (icons, banner).
    QImage portrait(const Face& face, int scale) const;

private:
    QRadialGradient skin(const Face& face) const;
    void paint(QPainter& painter, const Face& face) const;
    void paintEye(QPainter& painter, QPointF centre, double lid, const Face& face, bool left) const;
    void paintMouth(QPainter& painter, const Face& face) const;
    void paintAntenna(QPainter& painter, const Face& face) const;
    void paintZ(QPainter& painter, const Face& face) const;

    Who who_;
    QColor light_;
    QColor dark_;
    QColor outline_;
    QColor cheek_;
    QColor iris_;
    QPointF leftEye_;
    QPointF rightEye_;
    QPointF mouthCentre_;
    QSizeF eyeRadius_;
};
