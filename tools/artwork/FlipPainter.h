#pragma once

#include <QImage>
#include <QPolygonF>

// The card turning about its vertical axis, seen in perspective: frames 1 to 7 show the list
// page turning away, frame 8 the card edge-on, frames 9 to 15 the add page turning in.
class FlipPainter {
public:
    FlipPainter(QImage listPage, QImage addPage);
    QImage frame(int frame) const;

    // The turn of each frame in degrees, 0 for the list page and 180 for the add page.
    static double angle(int frame);

private:
    QImage edgeOn() const;
    QImage turned(int frame) const;
    QPolygonF projectedCard(int frame) const;

    QImage listPage_;
    QImage addPage_;
};
