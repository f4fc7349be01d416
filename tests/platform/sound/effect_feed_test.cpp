#include "platform/sound/effect_voice.h"

#include <gtest/gtest.h>

// An output takes no more than it has room for, in whole frames, and nothing once it has lost
// its server and reports a negative room.
TEST(EffectFeed, HandsOverWholeFramesThatFit) {
    EXPECT_EQ(bytesToFeed(1000, 302, 4), 300);
    EXPECT_EQ(bytesToFeed(120, 4096, 4), 120);  // the rest of the sound
    EXPECT_EQ(bytesToFeed(1000, 3, 4), 0);
    EXPECT_EQ(bytesToFeed(1000, -1, 4), 0);
    EXPECT_EQ(bytesToFeed(0, 4096, 4), 0);
}
