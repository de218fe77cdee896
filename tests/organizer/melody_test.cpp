// The melody text: which characters sound at which pitch, and the samples
// made note by note.

#include "organizer/melody.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace zuk::organizer;

TEST(Melody, LettersAndDigitsAreNotesAndTheRestIsSkipped)
{
    EXPECT_EQ(melodyNotes("CDE 123"), (std::vector<int>{262, 294, 330, 262, 294, 330}));
    EXPECT_EQ(melodyNotes("fgab FGAB"), (std::vector<int>{349, 392, 440, 494, 349, 392, 440, 494}));
    EXPECT_EQ(melodyNotes("45678"), (std::vector<int>{349, 392, 440, 494, 523}));
    EXPECT_TRUE(melodyNotes("09 hHzZ,.#\r\n\xC0\xFF").empty());
}

TEST(Melody, StreamMakesEachNoteAsItIsRead)
{
    MelodyStream all(melodyNotes("CDE"));
    ASSERT_EQ(all.sampleRate(), 22050);
    EXPECT_EQ(all.samplesPerNote(), 22050u * kNoteMs / 1000);
    std::vector<std::int16_t> whole(all.samplesPerNote() * 3 + 100);
    EXPECT_EQ(all.read(whole.data(), whole.size()), all.samplesPerNote() * 3);
    EXPECT_TRUE(all.atEnd());
    EXPECT_EQ(all.read(whole.data(), whole.size()), 0u);
    whole.resize(all.samplesPerNote() * 3);

    // Reading in odd pieces gives the same samples, note by note.
    MelodyStream pieces(melodyNotes("CDE"));
    std::vector<std::int16_t> joined;
    std::int16_t chunk[777];
    while (std::size_t n = pieces.read(chunk, 777)) {
        joined.insert(joined.end(), chunk, chunk + n);
        EXPECT_LE(pieces.currentNote(), 3u);
    }
    EXPECT_EQ(joined, whole);

    // Each note starts and ends quietly and is loud in the middle.
    const std::size_t n = all.samplesPerNote();
    for (std::size_t note = 0; note < 3; ++note) {
        EXPECT_LT(std::abs(whole[note * n]), 500);
        EXPECT_LT(std::abs(whole[note * n + n - 1]), 500);
        int loudest = 0;
        for (std::size_t i = note * n + n / 3; i < note * n + n / 2; ++i)
            loudest = std::max(loudest, std::abs(static_cast<int>(whole[i])));
        EXPECT_GT(loudest, 10000);
    }
    EXPECT_TRUE(MelodyStream({}).atEnd());
}
