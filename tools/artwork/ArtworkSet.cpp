#include "ArtworkSet.h"

#include "BubblePainter.h"
#include "CardPainter.h"
#include "CharacterPainter.h"
#include "FlipPainter.h"
#include "IconPainter.h"

#include <QFile>
#include <cstdio>
#include <vector>

namespace {

using Mouth = Face::Mouth;

Face face(auto&& setUp) {
    Face f;
    setUp(f);
    return f;
}

// Falling asleep, idle A and idle B, in the order the animation names the frames.
std::vector<Face> nuboFrames() {
    return {
        face([](Face& f) { f.lidLeft = f.lidRight = 0.45; }),
        face([](Face& f) {
            f.lidLeft = f.lidRight = 0.7;
            f.mouth = Mouth::Yawn;
            f.mouthAmount = 0.35;
        }),
        face([](Face& f) {
            f.lidLeft = f.lidRight = 0.88;
            f.mouth = Mouth::Yawn;
            f.mouthAmount = 0.75;
            f.sleepZ = 0.4;
        }),
        face([](Face& f) {
            f.lidLeft = f.lidRight = 1;
            f.mouth = Mouth::Yawn;
            f.mouthAmount = 1;
            f.sleepZ = 1;
        }),
        face([](Face& f) { f.look = QPointF(-1.5, 0); }),
        face([](Face& f) {
            f.look = QPointF(-2.8, -0.8);
            f.browRaise = 0.5;
        }),
        face([](Face& f) {
            f.look = QPointF(-3.3, -1.8);
            f.browRaise = 1;
            f.mouth = Mouth::Oh;
        }),
        face([](Face& f) {
            f.mouth = Mouth::Grin;
            f.blush = 0.5;
        }),
        face([](Face& f) {
            f.mouth = Mouth::Grin;
            f.blush = 0.75;
            f.lidLeft = f.lidRight = 0.4;
        }),
        face([](Face& f) {
            f.mouth = Mouth::Grin;
            f.blush = 1;
            f.happyEyes = 1;
        }),
    };
}

std::vector<Face> zelFrames() {
    return {
        face([](Face& f) { f.lidLeft = f.lidRight = 0.5; }),
        face([](Face& f) {
            f.lidLeft = f.lidRight = 0.8;
            f.mouth = Mouth::Yawn;
            f.mouthAmount = 0.45;
            f.sleepZ = 0.4;
        }),
        face([](Face& f) {
            f.lidLeft = f.lidRight = 1;
            f.mouth = Mouth::Yawn;
            f.mouthAmount = 1;
            f.sleepZ = 1;
        }),
        face([](Face& f) {
            f.look = QPointF(1.5, -1.5);
            f.glow = 0.35;
        }),
        face([](Face& f) {
            f.look = QPointF(2.6, -2.8);
            f.glow = 0.7;
            f.browRaise = 0.5;
        }),
        face([](Face& f) {
            f.look = QPointF(3, -3.6);
            f.glow = 1;
            f.browRaise = 1;
            f.mouth = Mouth::Oh;
        }),
        face([](Face& f) {
            f.lidRight = 0.5;
            f.blush = 0.5;
        }),
        face([](Face& f) {
            f.lidRight = 1;
            f.mouth = Mouth::Grin;
            f.blush = 0.7;
        }),
        face([](Face& f) {
            f.lidRight = 1;
            f.mouth = Mouth::Tongue;
            f.blush = 0.85;
        }),
    };
}

} // namespace

ArtworkSet::ArtworkSet(const QDir& folder)
    : folder_(folder) {}

bool ArtworkSet::drawAll(const QDir& folder) {
    ArtworkSet set(folder);
    set.characters();
    set.editor();
    set.bubble();
    set.icons();
    return set.ok_;
}

bool ArtworkSet::save(const QString& name, const QImage& image) {
    const QString path = folder_.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "parlon_artwork: cannot write %s\n", qPrintable(path));
        ok_ = false;
    }
    return ok_;
}

void ArtworkSet::characters() {
    for (const auto who : {CharacterPainter::Who::Nubo, CharacterPainter::Who::Zel}) {
        const CharacterPainter painter(who);
        const QString key = who == CharacterPainter::Who::Nubo ? "nubo" : "zel";
        save(key + ".png", painter.head(Face{}));
        const Mouth talking[] = {Mouth::Talk1, Mouth::Talk2, Mouth::Talk3};
        for (int i = 0; i < 3; ++i)
            save(key + QString::number(i + 1) + ".png",
                 painter.head(face([&](Face& f) { f.mouth = talking[i]; }))
                     .copy(painter.mouthRect()));
        save(key + "wink.png", painter.head(face([](Face& f) { f.lidLeft = f.lidRight = 1; }))
                                   .copy(CharacterPainter::eyeStripRect()));
        save(key + "mad.png", painter.head(face([](Face& f) {
            f.angry = true;
            f.mouth = Mouth::Frown;
        })));
        const std::vector<Face> frames =
            who == CharacterPainter::Who::Nubo ? nuboFrames() : zelFrames();
        for (std::size_t i = 0; i < frames.size(); ++i)
            save(key + QString::number(static_cast<int>(i) + 4) + ".png", painter.head(frames[i]));
    }
}

void ArtworkSet::editor() {
    const CardPainter card;
    const QImage listPage = card.listPage();
    const QImage addPage = card.addPage();
    save("card.png", listPage);
    save("frame1.png", addPage);
    const FlipPainter flip(listPage, addPage);
    for (int frame = 1; frame <= 15; ++frame)
        save("flipp" + QString::number(frame) + ".png", flip.frame(frame));
    save("button.png", card.button());
    save("hide.png", card.hideImage());
    save("listdeco.png", card.listDecoration());
    const char* types[] = {"type-action.png", "type-open.png", "type-speak.png", "type-type.png",
                           "type-read.png"};
    for (int i = 0; i < 5; ++i)
        save(types[i], card.typeImage(i));
    save("dot.png", card.typeIndicator());
    save("readme.png", card.readPanel());
    save("dotti.png", card.readIndicator());
    save("browse.png", card.browseImage());
    save("change.png", card.changePanel());
    save("chooser.png", card.chooserPanel());
    save("ok.png", card.smallButton(QSize(79, 25), "OK"));
    save("chooser-cancel.png", card.smallButton(QSize(85, 29), "Cancel"));
    save("save.png", card.smallButton(QSize(82, 27), "Save"));
    save("cancel.png", card.smallButton(QSize(82, 27), "Cancel"));
}

void ArtworkSet::bubble() {
    save("bubble.png", BubblePainter::bubble());
}

void ArtworkSet::icons() {
    const CharacterPainter zel(CharacterPainter::Who::Zel);
    for (const int px : {48, 32, 16})
        save(QString("icon-%1.png").arg(px), IconPainter::characterIcon(zel, px));
    save("tray-idle.png", IconPainter::trayIdle());
    for (int waves = 1; waves <= 3; ++waves)
        save(QString("ear%1.png").arg(waves), IconPainter::ear(waves));
    save("banner.png", IconPainter::banner());
}
