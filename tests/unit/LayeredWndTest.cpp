#include "layered/LayeredWnd.h"
#include "layered/PropertyBag.h"
#include "platform/LayeredWindowPort.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
struct Attributes {
    std::uint32_t key;
    int alpha;
    std::int32_t flags;
    bool operator==(const Attributes&) const = default;
};
class RecordingWindow final : public LayeredWindowPort {
public:
    void makeLayered() override { ++layered; }
    void setLayeredAttributes(std::uint32_t key, std::uint8_t alpha, std::int32_t flags) override {
        applied.push_back({key, alpha, flags});
    }
    int layered = 0;
    std::vector<Attributes> applied;
};
} // namespace

TEST(LayeredWnd, TheBubblesSequenceEndsAtAlpha190WithoutColourKey) {
    RecordingWindow window;
    LayeredWnd layered;
    ASSERT_TRUE(layered.SetAlphaWnd(&window).ok());
    ASSERT_TRUE(layered.setAlpha(190).ok());
    ASSERT_TRUE(layered.setAlphaFlags(2).ok());
    EXPECT_EQ(window.applied, (std::vector<Attributes>{{0, 255, 3}, {0, 190, 3}, {0, 190, 2}}));
}

TEST(LayeredWnd, AColourKeyWaitsForTheNextApplication) {
    RecordingWindow window;
    LayeredWnd layered;
    ASSERT_TRUE(layered.SetAlphaWnd(&window).ok());
    layered.setAlphaColorKey(0x0000FF);
    EXPECT_EQ(window.applied.size(), 1u);
    ASSERT_TRUE(layered.setAlphaFlags(1).ok());
    EXPECT_EQ(window.applied.back(), (Attributes{0x0000FF, 255, 1}));
}

TEST(LayeredWnd, AnAlphaOutsideAByteIsRefusedAndTheOldAttributesStay) {
    RecordingWindow window;
    LayeredWnd layered;
    ASSERT_TRUE(layered.SetAlphaWnd(&window).ok());
    for (int alpha : {256, -1, 100000}) {
        EXPECT_FALSE(layered.setAlpha(alpha).ok()) << alpha;
        EXPECT_EQ(layered.Alpha(), alpha); // stored, as the property says
    }
    EXPECT_EQ(window.applied.size(), 1u);
    EXPECT_EQ(window.layered, 4); // made layered before the check, each time
}

TEST(LayeredWnd, WithoutABoundWindowNothingIsApplied) {
    LayeredWnd layered;
    EXPECT_FALSE(layered.setAlpha(10).ok());
}

TEST(LayeredWnd, SavesOnlyValuesThatDifferFromTheDefaults) {
    LayeredWnd layered;
    PropertyBag bag;
    layered.WriteProperties(bag);
    EXPECT_EQ(bag.size(), 0u);

    RecordingWindow window;
    ASSERT_TRUE(layered.SetAlphaWnd(&window).ok());
    ASSERT_TRUE(layered.setAlpha(190).ok());
    layered.setAlphaColorKey(0x00FF00);
    EXPECT_EQ(layered.changedProperties(), (std::set<std::string>{"Alpha", "AlphaColorKey"}));
    layered.WriteProperties(bag);
    EXPECT_TRUE(bag.has("Alpha"));
    EXPECT_FALSE(bag.has("AlphaFlags"));
    EXPECT_TRUE(bag.has("AlphaColorKey"));

    LayeredWnd restored;
    restored.ReadProperties(bag);
    EXPECT_EQ(restored.Alpha(), 190);
    EXPECT_EQ(restored.AlphaFlags(), 3);
    EXPECT_EQ(restored.AlphaColorKey(), 0x00FF00);
}
