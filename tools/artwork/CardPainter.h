#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>

class QPainter;

// The editor's card: its list page (front), its add page (back), the panels that cover it and
// the small pictures of its controls. All positions are window pixels of the 287 x 389 editor.
class CardPainter {
public:
    static QSize windowSize() { return QSize(287, 389); }
    // The card's outline: ten rectangles, a rounded rectangle of 285 x 203 from (1, 97).
    static QPainterPath outline();
    // Left edges of the type indicator under the five type pictures (Action, Open, Speak, Type,
    // Read): 295, 1075, 1800, 2585 and 3265 twips.
    static int indicatorLeft(int type);
    static QRect typeImageRect(int type);

    QImage listPage() const;
    QImage addPage() const;
    QImage changePanel() const;
    QImage chooserPanel() const;

    QImage button() const;
    QImage smallButton(QSize size, const QString& caption) const;
    QImage hideImage() const;
    QImage listDecoration() const;
    QImage typeImage(int type) const;
    QImage typeIndicator() const;
    QImage readPanel() const;
    QImage readIndicator() const;
    QImage browseImage() const;

private:
    QImage blankCard() const;
    QImage keyed(const QImage& painted) const;
    void paintButton(QPainter& painter, QRect rect, const QString& caption = QString()) const;
    void paintField(QPainter& painter, QRect rect) const;
    void paintTitle(QPainter& painter, QRect rect, const QString& text, bool strong) const;
    void paintTab(QPainter& painter, QRectF rect, QColor colour) const;
    void paintTypeIcon(QPainter& painter, int type, QRectF rect) const;
    void paintReadRows(QPainter& painter, QPoint origin) const;
};
