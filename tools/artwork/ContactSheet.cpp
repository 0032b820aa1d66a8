#include "ContactSheet.h"

#include "PictureGrid.h"
#include "shapes/KeyColour.h"
#include "shapes/ShapeRule.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Entry {
    QString file;
    std::optional<std::uint32_t> key;
};

std::vector<std::vector<Entry>> sections() {
    std::vector<std::vector<Entry>> all;
    for (const QString who : {"nubo", "zel"}) {
        std::vector<Entry> row{{who + ".png", KeyColour::character},
                               {who + "mad.png", KeyColour::character}};
        const int last = who == "nubo" ? 13 : 12;
        for (int i = 4; i <= last; ++i)
            row.push_back({who + QString::number(i) + ".png", KeyColour::character});
        for (int i = 1; i <= 3; ++i)
            row.push_back({who + QString::number(i) + ".png", std::nullopt});
        row.push_back({who + "wink.png", std::nullopt});
        all.push_back(row);
    }
    std::vector<Entry> card{{"card.png", KeyColour::editor}};
    for (int i = 2; i <= 15; ++i)
        card.push_back({"flipp" + QString::number(i) + ".png", KeyColour::editor});
    card.push_back({"frame1.png", KeyColour::editor});
    all.push_back(card);
    all.push_back({{"bubble.png", KeyColour::bubble},
                   {"change.png", std::nullopt},
                   {"chooser.png", std::nullopt},
                   {"banner.png", std::nullopt}});
    std::vector<Entry> small;
    for (const char* name :
         {"button.png",         "save.png",      "cancel.png",     "ok.png",
          "chooser-cancel.png", "browse.png",    "hide.png",       "listdeco.png",
          "type-action.png",    "type-open.png", "type-speak.png", "type-type.png",
          "type-read.png",      "dot.png",       "readme.png",     "dotti.png",
          "icon-48.png",        "icon-32.png",   "icon-16.png",    "tray-idle.png",
          "ear1.png",           "ear2.png",      "ear3.png"})
        small.push_back({name, std::nullopt});
    all.push_back(small);
    return all;
}

// The picture, enlarged for small ones, with its outline's edge pixels marked.
QImage tile(const QImage& picture, std::optional<std::uint32_t> key, int scale, int* rects) {
    QImage shown =
        picture.convertToFormat(QImage::Format_ARGB32)
            .scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    *rects = -1;
    if (!key)
        return shown;
    const ShapeTable table = ShapeRule::make(PictureGrid::fromImage(picture), *key);
    *rects = static_cast<int>(table.rects.size());
    QRegion region;
    for (const ShapeRect& r : table.rects)
        region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    const QColor mark = *key == KeyColour::character ? QColor(255, 140, 0) : QColor(0, 200, 80);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (!region.contains(QPoint(x, y)))
                continue;
            const bool edge =
                !region.contains(QPoint(x - 1, y)) || !region.contains(QPoint(x + 1, y)) ||
                !region.contains(QPoint(x, y - 1)) || !region.contains(QPoint(x, y + 1));
            if (!edge)
                continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    shown.setPixelColor(x * scale + dx, y * scale + dy, mark);
        }
    return shown;
}

} // namespace

bool ContactSheet::write(const QDir& assets, const QString& sheetPath) {
    constexpr int width = 1500;
    constexpr int gap = 12;
    constexpr int labelHeight = 26;
    struct Placed {
        QImage image;
        QString label;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    for (const auto& section : sections()) {
        for (const Entry& entry : section) {
            QImage picture;
            if (!picture.load(assets.filePath(entry.file))) {
                std::fprintf(stderr, "contact sheet: cannot read %s\n", qPrintable(entry.file));
                return false;
            }
            const int scale = picture.width() <= 100 && picture.height() <= 100 ? 2 : 1;
            int rects = -1;
            QImage shown = tile(picture, entry.key, scale, &rects);
            QString label =
                QString("%1  %2x%3").arg(entry.file).arg(picture.width()).arg(picture.height());
            if (rects >= 0)
                label += QString("\n%1 rects, %2 bytes").arg(rects).arg(32 + 16 * rects);
            if (x + shown.width() > width - gap) {
                x = gap;
                y += rowHeight + labelHeight + gap;
                rowHeight = 0;
            }
            placed.push_back({shown, label, QPoint(x, y)});
            x += std::max(shown.width(), 118) + gap;
            rowHeight = std::max(rowHeight, shown.height());
        }
        x = gap;
        y += rowHeight + labelHeight + gap * 2;
        rowHeight = 0;
    }
    QImage sheet(width, y, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(40, 40, 40));
    for (const Placed& p : placed) {
        painter.drawImage(p.at, p.image);
        painter.drawText(QRect(p.at.x(), p.at.y() + p.image.height() + 2, 300, labelHeight),
                         Qt::AlignLeft | Qt::AlignTop, p.label);
    }
    painter.end();
    return sheet.save(sheetPath, "PNG");
}
