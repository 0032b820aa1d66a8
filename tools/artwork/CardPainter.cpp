#include "CardPainter.h"

#include "ArtworkLayout.h"
#include "Keying.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor ink(44, 62, 94);
const QColor border(61, 90, 128);
const QColor cardTop(246, 248, 252);
const QColor cardBottom(214, 224, 240);
const QColor coral(224, 122, 95);
const QColor teal(61, 154, 139);
const QColor gold(236, 178, 72);
const QColor panelTint(229, 236, 246);
const QRgb red = qRgb(255, 0, 0);

QFont font(int pixels, bool bold = false) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

using namespace ArtworkLayout;

QRect rect(const Box& b, int down = 0) {
    return QRect(b.x, b.y + down, b.width, b.height);
}

// Panels cover the card from its top, at window row 97.
constexpr int panelTop = 97;

const char* typeName(int type) {
    static const char* names[] = {"Action", "Open", "Speak", "Type", "Read"};
    return names[type];
}

} // namespace

QPainterPath CardPainter::outline() {
    static const QRect rects[] = {
        QRect(QPoint(7, 97), QPoint(279, 97)),   QRect(QPoint(5, 98), QPoint(281, 98)),
        QRect(QPoint(4, 99), QPoint(282, 99)),   QRect(QPoint(3, 100), QPoint(283, 100)),
        QRect(QPoint(2, 101), QPoint(284, 102)), QRect(QPoint(1, 103), QPoint(285, 293)),
        QRect(QPoint(2, 294), QPoint(284, 296)), QRect(QPoint(3, 297), QPoint(283, 297)),
        QRect(QPoint(4, 298), QPoint(282, 298)), QRect(QPoint(7, 299), QPoint(279, 299)),
    };
    QPainterPath path;
    for (const QRect& r : rects)
        path.addRect(r);
    return path.simplified();
}

int CardPainter::indicatorLeft(int type) {
    return dotLefts[type];
}

QRect CardPainter::typeImageRect(int type) {
    return rect(typeImages[type]);
}

QImage CardPainter::keyed(const QImage& painted) const {
    return Keying::apply(painted, Keying::silhouette(windowSize(), outline()), red, border, 1);
}

QImage CardPainter::blankCard() const {
    QImage image(windowSize(), QImage::Format_ARGB32);
    image.fill(border);
    QPainter painter(&image);
    QLinearGradient shade(0, 97, 0, 300);
    shade.setColorAt(0, cardTop);
    shade.setColorAt(1, cardBottom);
    painter.fillRect(QRect(0, 97, 287, 204), shade);
    // A fine inner rim, lighter than the edge.
    painter.setPen(QColor(255, 255, 255, 150));
    painter.drawLine(8, 99, 278, 99);
    return image;
}

void CardPainter::paintTitle(QPainter& painter, QRect rect, const QString& text,
                             bool strong) const {
    painter.setFont(font(strong ? 12 : 10, true));
    painter.setPen(ink);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void CardPainter::paintField(QPainter& painter, QRect rect) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 168, 196), 1));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(QPen(QColor(0, 0, 0, 28), 1));
    painter.drawLine(QPointF(rect.left() + 3, rect.top() + 1.5),
                     QPointF(rect.right() - 2, rect.top() + 1.5));
    painter.restore();
}

void CardPainter::paintButton(QPainter& painter, QRect rect, const QString& caption) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 50, 80, 45));
    painter.drawRoundedRect(r.translated(0, 1.2), 9, 9);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(120, 158, 206));
    face.setColorAt(0.5, QColor(82, 124, 178));
    face.setColorAt(1, QColor(64, 100, 152));
    painter.setPen(QPen(QColor(40, 64, 102), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(r, 9, 9);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawLine(QPointF(r.left() + 8, r.top() + 1.5), QPointF(r.right() - 8, r.top() + 1.5));
    if (!caption.isEmpty()) {
        painter.setFont(font(11, true));
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(r, Qt::AlignCenter, caption);
    }
    painter.restore();
}

void CardPainter::paintTab(QPainter& painter, QRectF rect, QColor colour) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(140), 1));
    painter.setBrush(colour);
    painter.drawRoundedRect(rect, 5, 5);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.drawLine(QPointF(rect.left() + 3, rect.top() + 2.5),
                     QPointF(rect.right() - 4, rect.top() + 2.5));
    painter.restore();
}

QImage CardPainter::listPage() const {
    QImage image = blankCard();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The hide button: a round coral knob with a bar.
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient knob(QPointF(15, 108), 12);
    knob.setColorAt(0, coral.lighter(125));
    knob.setColorAt(1, coral.darker(115));
    painter.setPen(QPen(coral.darker(150), 1));
    painter.setBrush(knob);
    painter.drawEllipse(QRectF(9.5, 102.5, 18, 18));
    painter.setPen(QPen(QColor(255, 255, 255), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 111.5), QPointF(23, 111.5));
    paintTitle(painter, QRect(36, 101, 200, 20), "Parlon brain", true);

    // The news strip and, under it, the link label's ground.
    painter.setPen(QPen(QColor(20, 32, 52), 1));
    QLinearGradient strip(0, 124, 0, 152);
    strip.setColorAt(0, QColor(44, 64, 98));
    strip.setColorAt(1, QColor(32, 48, 76));
    painter.setBrush(strip);
    painter.drawRoundedRect(QRectF(rect(newsStrip)).adjusted(-0.5, -0.5, 0.5, 0.5), 4, 4);

    // Index tabs peeking out beside the phrase list.
    paintTab(painter, QRectF(251.5, 165.5, 25, 18), coral);
    paintTab(painter, QRectF(251.5, 190.5, 25, 18), teal);
    paintTab(painter, QRectF(251.5, 215.5, 25, 18), gold);
    painter.setPen(QPen(border, 1));
    painter.setBrush(QColor(200, 212, 232));
    painter.drawRoundedRect(QRectF(251.5, 156.5, 16, 90), 4, 4);

    // The phrase list's frame.
    paintField(painter, rect(phraseListFrame));

    for (const int left : {13, 104, 193})
        paintButton(painter, QRect(left, 265, 82, 27));
    painter.end();
    return keyed(image);
}

QImage CardPainter::addPage() const {
    QImage image = blankCard();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTitle(painter, QRect(16, 100, 255, 16), "When I hear", false);
    paintField(painter, rect(phraseField));
    for (int type = 0; type < 5; ++type)
        painter.drawImage(typeImageRect(type).topLeft(), typeImage(type));
    paintField(painter, rect(argumentField));
    // The ground of the Read panel, the key chooser and the plugin list.
    painter.setPen(QPen(QColor(176, 192, 218), 1));
    painter.setBrush(panelTint);
    painter.drawRoundedRect(QRectF(rect(lowerPanel)).adjusted(-0.5, -0.5, 0.5, 0.5), 5, 5);
    for (const int left : {9, 193})
        paintButton(painter, QRect(left, 265, 82, 27));
    painter.end();
    return keyed(image);
}

QImage CardPainter::changePanel() const {
    QImage image = blankCard();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTitle(painter, QRect(16, 101, 255, 14), "Phrase", false);
    paintField(painter, rect(changePhrase, panelTop));
    paintTitle(painter, QRect(16, 140, 255, 14), "Answer", false);
    paintField(painter, rect(changeArgument, panelTop));
    paintButton(painter, rect(changeBrowse, panelTop), "...");
    paintButton(painter, rect(changeSave, panelTop), "Save");
    paintButton(painter, rect(changeCancel, panelTop), "Cancel");
    painter.end();
    return keyed(image).copy(0, 97, 286, 203);
}

QImage CardPainter::chooserPanel() const {
    QImage image = blankCard();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int top = 97;
    painter.setPen(QPen(QColor(150, 168, 196), 1));
    painter.setBrush(panelTint);
    painter.drawRoundedRect(QRectF(13.5, top + 13.5, 261, 26), 5, 5);
    paintTab(painter, QRectF(247.5, top + 55.5, 25, 30), teal);
    paintTab(painter, QRectF(247.5, top + 117.5, 25, 30), gold);
    paintField(painter, QRect(24, top + 48, 239, 49));
    paintField(painter, QRect(18, top + 109, 247, 49));
    paintButton(painter, QRect(16, top + 168, 79, 25), "OK");
    paintButton(painter, QRect(192, top + 168, 85, 29), "Cancel");
    painter.end();
    return keyed(image).copy(0, top, 286, 203);
}

QImage CardPainter::button() const {
    QImage image = blankCard();
    QPainter painter(&image);
    paintButton(painter, QRect(13, 265, 82, 27));
    painter.end();
    return image.copy(13, 265, 82, 27).convertToFormat(QImage::Format_RGB32);
}

QImage CardPainter::smallButton(QSize size, const QString& caption) const {
    QImage image = blankCard();
    QPainter painter(&image);
    paintButton(painter, QRect(QPoint(100, 265), size), caption);
    painter.end();
    return image.copy(QRect(QPoint(100, 265), size)).convertToFormat(QImage::Format_RGB32);
}

QImage CardPainter::hideImage() const {
    return listPage().copy(rect(ArtworkLayout::hideImage));
}

QImage CardPainter::listDecoration() const {
    return listPage().copy(rect(ArtworkLayout::listDecoration));
}

void CardPainter::paintTypeIcon(QPainter& painter, int type, QRectF r) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c = r.center();
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (type) {
    case 0: { // a key with the Enter arrow
        painter.setBrush(QColor(255, 255, 255));
        painter.drawRoundedRect(QRectF(c.x() - 8, c.y() - 6, 16, 12), 2.5, 2.5);
        QPainterPath arrow(QPointF(c.x() + 4, c.y() - 3));
        arrow.lineTo(c.x() + 4, c.y() + 1.5);
        arrow.lineTo(c.x() - 4, c.y() + 1.5);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arrow);
        painter.drawLine(QPointF(c.x() - 4, c.y() + 1.5), QPointF(c.x() - 1.5, c.y() - 1));
        painter.drawLine(QPointF(c.x() - 4, c.y() + 1.5), QPointF(c.x() - 1.5, c.y() + 4));
        break;
    }
    case 1: { // a folder
        painter.setBrush(gold);
        QPainterPath folder(QPointF(c.x() - 8, c.y() + 6));
        folder.lineTo(c.x() - 8, c.y() - 6);
        folder.lineTo(c.x() - 3, c.y() - 6);
        folder.lineTo(c.x() - 1, c.y() - 4);
        folder.lineTo(c.x() + 8, c.y() - 4);
        folder.lineTo(c.x() + 8, c.y() + 6);
        folder.closeSubpath();
        painter.drawPath(folder);
        painter.drawLine(QPointF(c.x() - 8, c.y() - 1.5), QPointF(c.x() + 8, c.y() - 1.5));
        break;
    }
    case 2: { // a speech bubble
        painter.setBrush(QColor(255, 255, 255));
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(c.x() - 8, c.y() - 7, 16, 10), 4, 4);
        QPainterPath tail(QPointF(c.x() - 4, c.y() + 2));
        tail.lineTo(c.x() - 5, c.y() + 7);
        tail.lineTo(c.x() + 1, c.y() + 2);
        tail.closeSubpath();
        painter.drawPath(bubble.united(tail));
        painter.setPen(Qt::NoPen);
        painter.setBrush(teal);
        for (int i = -1; i <= 1; ++i)
            painter.drawEllipse(QPointF(c.x() + 4 * i, c.y() - 2), 1.2, 1.2);
        break;
    }
    case 3: { // letters and a cursor
        painter.setFont(font(12, true));
        painter.drawText(QRectF(c.x() - 10, c.y() - 8, 16, 16), Qt::AlignCenter, "Aa");
        painter.setPen(QPen(coral, 1.6));
        painter.drawLine(QPointF(c.x() + 8, c.y() - 6), QPointF(c.x() + 8, c.y() + 6));
        break;
    }
    default: { // a clock
        painter.setBrush(QColor(255, 255, 255));
        painter.drawEllipse(c, 7, 7);
        painter.drawLine(c, c + QPointF(0, -4.5));
        painter.drawLine(c, c + QPointF(3.5, 1.5));
        break;
    }
    }
    painter.restore();
}

QImage CardPainter::typeImage(int type) const {
    const QRect rect = typeImageRect(type);
    QImage image = blankCard();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(226, 234, 246));
    painter.setPen(QPen(QColor(150, 168, 196), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(r, 5, 5);
    paintTypeIcon(painter, type, QRectF(r.left(), r.top() + 1, r.width(), 18));
    painter.setFont(font(9, true));
    painter.setPen(ink);
    painter.drawText(QRectF(r.left(), r.top() + 19, r.width(), 11), Qt::AlignCenter,
                     typeName(type));
    painter.end();
    return image.copy(rect).convertToFormat(QImage::Format_RGB32);
}

QImage CardPainter::typeIndicator() const {
    QImage image(38, 4, QImage::Format_RGB32);
    image.fill(coral);
    QPainter painter(&image);
    painter.setPen(coral.lighter(130));
    painter.drawLine(0, 0, 37, 0);
    painter.setPen(coral.darker(125));
    painter.drawLine(0, 3, 37, 3);
    return image;
}

void CardPainter::paintReadRows(QPainter& painter, QPoint origin) const {
    static const char* rows[] = {"the time", "the date", "the selected text"};
    painter.save();
    painter.setFont(font(10));
    painter.setPen(ink);
    for (int i = 0; i < 3; ++i)
        painter.drawText(QRect(origin.x() + 22, origin.y() + dottiTops[i] - 3, 200, 14),
                         Qt::AlignLeft | Qt::AlignVCenter, rows[i]);
    painter.restore();
}

QImage CardPainter::readPanel() const {
    QImage image(253, 55, QImage::Format_RGB32);
    image.fill(panelTint);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(176, 192, 218), 1));
    painter.setBrush(Qt::NoBrush);
    for (const int top : dottiTops)
        painter.drawEllipse(QRectF(dottiLeft - 0.5, top - 0.5, 9, 9));
    paintReadRows(painter, QPoint(0, 0));
    return image;
}

QImage CardPainter::readIndicator() const {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(panelTint);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient dot(QPointF(3, 3), 5);
    dot.setColorAt(0, teal.lighter(140));
    dot.setColorAt(1, teal.darker(110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    painter.drawEllipse(QRectF(0.5, 0.5, 7, 7));
    return image;
}

QImage CardPainter::browseImage() const {
    QImage image = blankCard();
    QPainter painter(&image);
    paintButton(painter, rect(browseButton), "...");
    painter.end();
    return image.copy(rect(browseButton)).convertToFormat(QImage::Format_RGB32);
}
