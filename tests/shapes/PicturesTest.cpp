#include "ArtworkLayout.h"
#include "Assets.h"
#include "PictureGrid.h"
#include "shapes/KeyColour.h"
#include "shapes/ShapeRule.h"
#include "shapes/Shapes.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Picture {
    std::string name;
    int width;
    int height;
};

std::vector<Picture> pictures() {
    std::vector<Picture> all{
        {"nubo.png", 86, 96},           {"zel.png", 81, 83},       {"nubomad.png", 86, 96},
        {"zelmad.png", 81, 83},         {"nubowink.png", 52, 19},  {"zelwink.png", 52, 19},
        {"bubble.png", 186, 155},       {"card.png", 287, 389},    {"frame1.png", 287, 389},
        {"button.png", 82, 27},         {"tray-idle.png", 16, 16}, {"banner.png", 487, 115},
        {"icon-48.png", 48, 48},        {"icon-32.png", 32, 32},   {"icon-16.png", 16, 16},
        {"hide.png", 21, 21},           {"listdeco.png", 26, 91},  {"dot.png", 38, 4},
        {"readme.png", 253, 55},        {"dotti.png", 8, 8},       {"browse.png", 28, 19},
        {"change.png", 286, 203},       {"chooser.png", 286, 203}, {"ok.png", 79, 25},
        {"chooser-cancel.png", 85, 29}, {"save.png", 82, 27},      {"cancel.png", 82, 27},
    };
    for (int i = 1; i <= 3; ++i) {
        all.push_back({"nubo" + std::to_string(i) + ".png", 33, 20});
        all.push_back({"zel" + std::to_string(i) + ".png", 29, 19});
        all.push_back({"ear" + std::to_string(i) + ".png", 16, 16});
    }
    for (int i = 4; i <= 13; ++i)
        all.push_back({"nubo" + std::to_string(i) + ".png", 86, 96});
    for (int i = 4; i <= 12; ++i)
        all.push_back({"zel" + std::to_string(i) + ".png", 81, 83});
    for (int i = 1; i <= 15; ++i)
        all.push_back({"flipp" + std::to_string(i) + ".png", 287, 389});
    for (const char* type : {"action", "open", "speak", "type", "read"})
        all.push_back({std::string("type-") + type + ".png", 42, 32});
    return all;
}

QImage load(const std::string& name) {
    QImage image = Assets::image(QString::fromStdString(name));
    if (image.isNull())
        ADD_FAILURE() << "no picture " << name;
    return image;
}

std::vector<ShapeRect> rectsOf(const Shape& shape) {
    return std::vector<ShapeRect>(shape.rects.begin(), shape.rects.end());
}

TEST(Pictures, EveryPictureIsCompiledInAtItsSize) {
    for (const Picture& picture : pictures()) {
        const QImage image = load(picture.name);
        EXPECT_EQ(image.width(), picture.width) << picture.name;
        EXPECT_EQ(image.height(), picture.height) << picture.name;
    }
}

// A replaced picture must not silently part from the outline compiled for it.
TEST(Pictures, EveryShapeTableIsTheRuleAppliedToItsPicture) {
    for (const Shape* shape : allShapes()) {
        if (shape->picture.empty())
            continue;
        const QImage image = load(std::string(shape->picture));
        const ShapeTable table = ShapeRule::make(PictureGrid::fromImage(image), shape->keyColour);
        EXPECT_EQ(table.rects, rectsOf(*shape)) << shape->name;
        EXPECT_EQ(table.bounds, shape->bounds) << shape->name;
    }
    const ShapeTable firstFrame =
        ShapeRule::make(PictureGrid::fromImage(load("flipp1.png")), KeyColour::editor);
    EXPECT_EQ(firstFrame.rects, rectsOf(FlipShape1));
}

// The window keeps the base picture's outline while layers show over it: a layer with the key
// colour inside that outline would show the key.
void expectNoKeyInside(const PixelGrid& base, const PixelGrid& layer, int left, int top,
                       const std::string& name) {
    int uncovered = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (base.at(left + x, top + y) != KeyColour::character &&
                layer.at(x, y) == KeyColour::character)
                ++uncovered;
    EXPECT_EQ(uncovered, 0) << name;
}

TEST(Pictures, CharacterLayersShowNoKeyColourInsideTheOutline) {
    using namespace ArtworkLayout;
    struct Character {
        std::string key;
        int lastFrame;
        Box mouth;
    };
    for (const Character& c : {Character{"nubo", 13, nuboMouth}, Character{"zel", 12, zelMouth}}) {
        const PixelGrid base = PictureGrid::fromImage(load(c.key + ".png"));
        const ShapeTable outline = ShapeRule::make(base, KeyColour::character);
        std::vector<std::string> heads{c.key + "mad.png"};
        for (int i = 4; i <= c.lastFrame; ++i)
            heads.push_back(c.key + std::to_string(i) + ".png");
        for (const std::string& head : heads) {
            const PixelGrid layer = PictureGrid::fromImage(load(head));
            EXPECT_EQ(ShapeRule::make(layer, KeyColour::character), outline) << head;
        }
        for (int i = 1; i <= 3; ++i) {
            const std::string name = c.key + std::to_string(i) + ".png";
            expectNoKeyInside(base, PictureGrid::fromImage(load(name)), c.mouth.x, c.mouth.y, name);
        }
        expectNoKeyInside(base, PictureGrid::fromImage(load(c.key + "wink.png")), eyeStrip.x,
                          eyeStrip.y, c.key + "wink.png");
    }
}

TEST(Pictures, TheBubbleHasRoomForItsLabel) {
    const PixelGrid bubble = PictureGrid::fromImage(load("bubble.png"));
    const ArtworkLayout::Box label = ArtworkLayout::bubbleLabel;
    int cut = 0;
    for (int y = label.y; y < label.y + label.height; ++y)
        for (int x = label.x; x < label.x + label.width; ++x)
            if (bubble.at(x, y) == KeyColour::bubble)
                ++cut;
    EXPECT_EQ(cut, 0);
}

} // namespace
