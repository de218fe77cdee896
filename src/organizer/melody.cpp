#include "organizer/melody.h"

#include "platform/tonegen.h"

#include <algorithm>

namespace zuk::organizer {

namespace {

// The tone generator's settings for a note: a sine at full level that rises
// over the first 5 % of the note and falls over the last 10 %.
platform::ToneParams noteParams(int frequency)
{
    platform::ToneParams p;
    p.waveform = 0;
    p.frequency = frequency;
    p.durationMs = kNoteMs;
    p.attack = 95;
    p.decay = 100;
    p.sustain = 100;
    p.release = 90;
    p.quality = 1;
    return p;
}

} // namespace

int noteFrequency(char c)
{
    switch (c) {
    case 'C':
    case 'c':
    case '1':
        return 262;
    case 'D':
    case 'd':
    case '2':
        return 294;
    case 'E':
    case 'e':
    case '3':
        return 330;
    case 'F':
    case 'f':
    case '4':
        return 349;
    case 'G':
    case 'g':
    case '5':
        return 392;
    case 'A':
    case 'a':
    case '6':
        return 440;
    case 'B':
    case 'b':
    case '7':
        return 494;
    case '8':
        return 523;
    default:
        return 0;
    }
}

std::vector<int> melodyNotes(std::string_view text)
{
    std::vector<int> notes;
    for (char c : text)
        if (const int f = noteFrequency(c))
            notes.push_back(f);
    return notes;
}

MelodyStream::MelodyStream(std::vector<int> notes)
    : m_notes(std::move(notes)), m_rate(platform::sampleRateFor(1)),
      m_perNote(static_cast<std::size_t>(kNoteMs) * static_cast<std::size_t>(m_rate) / 1000)
{
}

void MelodyStream::makeNote()
{
    m_samples = platform::synthesizeTone(noteParams(m_notes[m_note]));
    m_samples.resize(m_perNote, 0);
    m_offset = 0;
}

std::size_t MelodyStream::read(std::int16_t* out, std::size_t count)
{
    std::size_t done = 0;
    while (done < count && !atEnd()) {
        if (m_samples.empty())
            makeNote();
        const std::size_t n = std::min(count - done, m_samples.size() - m_offset);
        std::copy_n(m_samples.begin() + static_cast<std::ptrdiff_t>(m_offset), n, out + done);
        done += n;
        m_offset += n;
        if (m_offset == m_samples.size()) {
            m_samples.clear();
            ++m_note;
        }
    }
    return done;
}

} // namespace zuk::organizer
