#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zuk::organizer {

// The pitch of a character of a melody text in hertz: the note letters C D
// E F G A B (either case) and the digits 1 to 8 (C of the first octave up to
// the C above it); 0 for any other character, which is skipped.
int noteFrequency(char c);

// The notes of a text in order, as frequencies.
std::vector<int> melodyNotes(std::string_view text);

inline constexpr int kNoteMs = 300;

// The samples of a melody, made as they are asked for, so a long text costs
// no more memory than one note: mono signed 16-bit, each note kNoteMs long,
// with a short rise and fall so that notes do not click against each other.
class MelodyStream {
public:
    explicit MelodyStream(std::vector<int> notes);

    // Fills up to `count` samples; returns how many (0 at the end).
    std::size_t read(std::int16_t* out, std::size_t count);
    bool atEnd() const { return m_note >= m_notes.size(); }
    std::size_t noteCount() const { return m_notes.size(); }
    // The note being read (noteCount() at the end).
    std::size_t currentNote() const { return m_note; }
    std::size_t samplesPerNote() const { return m_perNote; }
    int sampleRate() const { return m_rate; }

private:
    void makeNote();

    std::vector<int> m_notes;
    int m_rate;
    std::size_t m_perNote;
    std::size_t m_note = 0;
    std::vector<std::int16_t> m_samples; // the current note
    std::size_t m_offset = 0;
};

} // namespace zuk::organizer
