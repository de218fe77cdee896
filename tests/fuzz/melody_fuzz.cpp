// The melody text: any bytes give notes of the table only, one per note
// character, and a stream of exactly that many notes' samples.

#include "fuzz/fuzztarget.h"

#include "organizer/melody.h"

ZUK_FUZZ_TARGET(melody)
{
    using namespace zuk::organizer;
    const std::vector<int> notes = melodyNotes(input);
    std::size_t expected = 0;
    for (char c : input)
        if (noteFrequency(c) != 0)
            ++expected;
    zuk::fuzz::check(notes.size() == expected);
    for (int f : notes)
        zuk::fuzz::check(f >= 262 && f <= 523);
    // The samples of a few notes, read in pieces of the input's own sizes.
    std::vector<int> few(notes.begin(), notes.begin() + std::min<std::size_t>(notes.size(), 3));
    MelodyStream stream(few);
    std::int16_t buffer[300];
    std::size_t total = 0;
    std::size_t step = input.empty() ? 1 : static_cast<unsigned char>(input[0]) % 300 + 1;
    while (std::size_t n = stream.read(buffer, step))
        total += n;
    zuk::fuzz::check(total == few.size() * stream.samplesPerNote());
}
