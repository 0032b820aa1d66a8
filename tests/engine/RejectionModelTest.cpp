#include "engine/pocketsphinx/RejectionModel.h"

#include <gtest/gtest.h>

namespace {
// The middle of the recognition benchmark's tuning split: a phrase really said, and everyday talk
// that the grammar forced onto its nearest phrase.
constexpr RejectionModel::Features typicalPhrase = {10.5,  -22.3, -11.3, 2.08, 0.583, 0,
                                                    -19.7, 0.033, 0,     2.13, 2.53,  1.23};
constexpr RejectionModel::Features typicalTalk = {12.4,  -34.5, -22.8, 2.2,  1,    0.287,
                                                  -41.5, 0.012, 0.201, 1.95, 2.56, 0.86};
enum Feature {
    scorePerFrame = 1,
    phoneLoopGap = 2,
    phoneDistance = 4,
    speechOutside = 5,
    worstWordGap = 6,
    coverage = 11
};
} // namespace

TEST(RejectionModel, TellsAPhraseSaidFromTalkForcedOntoIt) {
    EXPECT_GT(RejectionModel::logOdds(typicalPhrase), 0);
    EXPECT_LT(RejectionModel::logOdds(typicalTalk), 0);
}

// A refit must never make a phrase that explains the sound better less likely: a voice better
// matched to the model than any it was fitted on must not be turned away for it.
TEST(RejectionModel, ABetterMatchIsNeverLessLikely) {
    const struct {
        Feature feature;
        double step; // towards a better match
    } cases[] = {
        {scorePerFrame, 2.0}, {phoneLoopGap, 2.0},    {worstWordGap, 4.0},
        {coverage, 0.05},     {phoneDistance, -0.08}, {speechOutside, -0.06},
    };
    for (const auto& c : cases) {
        for (auto features : {typicalPhrase, typicalTalk}) {
            double before = RejectionModel::logOdds(features);
            for (int i = 0; i < 12; ++i) {
                features[c.feature] += c.step;
                const double after = RejectionModel::logOdds(features);
                EXPECT_GE(after, before) << "feature " << c.feature << ", step " << i;
                before = after;
            }
        }
    }
}
