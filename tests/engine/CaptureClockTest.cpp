#include "engine/CaptureClock.h"

#include <gtest/gtest.h>

namespace {
constexpr std::int64_t block = 20000; // 320 samples at 16 kHz
}

TEST(CaptureClock, LateReadsDoNotMoveTheBlocksInTime) {
    CaptureClock clock(320);
    // Reads return up to 200 ms after their block was complete, the second one at once; the
    // stream started at 1 s.
    const std::int64_t lateness[] = {5000, 0, 200000, 30000, 1000, 90000, 2000, 1000};
    for (std::int64_t k = 0; k < 8; ++k) {
        const std::int64_t heard = clock.blockHeardUs(1000000 + (k + 1) * block + lateness[k]);
        // The second read was the earliest so far, so from then on the times are exact.
        if (k >= 1) {
            EXPECT_EQ(heard, 1000000 + k * block) << k;
        }
    }
}

TEST(CaptureClock, ASteadyShiftIsTakenAsLostSoundAndPlacedAnew) {
    CaptureClock clock(320);
    std::int64_t k = 0;
    for (; k < CaptureClock::windowBlocks; ++k)
        clock.blockHeardUs(1000000 + (k + 1) * block);
    // From now on every block arrives 100 ms later than the count says: 100 ms were lost.
    std::int64_t heard = 0;
    for (int i = 0; i < 2 * CaptureClock::windowBlocks; ++i, ++k)
        heard = clock.blockHeardUs(1100000 + (k + 1) * block);
    EXPECT_EQ(heard, 1100000 + (k - 1) * block);
}
