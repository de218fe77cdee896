#include "platform/tonegen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace zuk::platform;

TEST(ToneGenerator, LengthFollowsDurationAndQualityAndNothingClips)
{
    ToneParams p;
    p.durationMs = 100;
    p.quality = 1;
    EXPECT_EQ(synthesizeTone(p).size(), 2205u);
    p.quality = 0;
    EXPECT_EQ(synthesizeTone(p).size(), 1102u);
    for (int wave = 0; wave <= 4; ++wave) {
        p.waveform = wave;
        const auto s = synthesizeTone(p);
        const auto [lo, hi] = std::minmax_element(s.begin(), s.end());
        EXPECT_GT(*hi, 1000) << wave; // audible
        EXPECT_LT(*lo, -1000) << wave;
    }
}

TEST(ToneGenerator, EnvelopeRisesHoldsAndFalls)
{
    ToneParams p; // attack 10 %, decay 20 %, sustain 50 %, no release
    EXPECT_DOUBLE_EQ(envelopeAt(p, 0, 100), 0.0);
    EXPECT_DOUBLE_EQ(envelopeAt(p, 10, 100), 1.0);
    EXPECT_DOUBLE_EQ(envelopeAt(p, 20, 100), 0.75);
    EXPECT_DOUBLE_EQ(envelopeAt(p, 60, 100), 0.5);
    p.release = 50; // the last half fades out
    EXPECT_DOUBLE_EQ(envelopeAt(p, 75, 100), 0.25);
    // Shares beyond the whole note are scaled down together, never past its end.
    p.attack = p.decay = p.release = 0;
    for (long i = 0; i < 100; ++i) {
        EXPECT_GE(envelopeAt(p, i, 100), 0.0);
        EXPECT_LE(envelopeAt(p, i, 100), 1.0);
    }
}

TEST(ToneGenerator, AbsurdSettingsGiveSilenceOrAPlayableSound)
{
    ToneParams p;
    p.durationMs = -5;
    EXPECT_TRUE(synthesizeTone(p).empty());
    p.durationMs = 10;
    p.frequency = 10000000; // held at the Nyquist limit
    p.attack = -300;
    p.sustain = 900;
    EXPECT_EQ(synthesizeTone(p).size(), 220u);
    EXPECT_FALSE(synthesizeClick(false, 22050).empty());
    EXPECT_GT(synthesizeClick(true, 22050).size(), synthesizeClick(false, 22050).size());
}
