#include "analyzer/wordsmass.h"

#include "analyzer/jobcontrol.h"
#include "calc/numformat.h"

#include <algorithm>
#include <array>

namespace zuk::analyzer {

namespace {

constexpr std::array<bool, 256> makeDelimiters()
{
    std::array<bool, 256> d{};
    for (int c = 0x00; c <= 0x22; ++c) // control characters, space, ! and "
        d[c] = true;
    for (int c = 0x28; c <= 0x2F; ++c) // ( ) * + , - . /
        d[c] = true;
    for (int c = 0x3A; c <= 0x3F; ++c) // : ; < = > ?
        d[c] = true;
    for (int c = 0x5B; c <= 0x5E; ++c) // [ \ ] ^
        d[c] = true;
    for (int c = 0x7B; c <= 0x7D; ++c) // { | }
        d[c] = true;
    return d;
}
constexpr std::array<bool, 256> kDelimiters = makeDelimiters();

constexpr std::array<unsigned char, 256> makeFold()
{
    std::array<unsigned char, 256> f{};
    for (int c = 0; c < 256; ++c)
        f[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        f[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDF; ++c)
        f[c] = static_cast<unsigned char>(c + 32);
    // The other capitals of the code page: Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Ё Є Ї І Ѕ.
    const unsigned char pairs[][2] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                                      {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2},
                                      {0xA3, 0xBC}, {0xA5, 0xB4}, {0xA8, 0xB8}, {0xAA, 0xBA},
                                      {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (const auto& p : pairs)
        f[p[0]] = p[1];
    return f;
}
constexpr std::array<unsigned char, 256> kFold = makeFold();

std::uint64_t hashOf(std::string_view s)
{
    std::uint64_t h = 1469598103934665603ULL; // FNV-1a
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h ^ (h >> 29);
}

// The job is looked at after this many bytes of text.
constexpr size_t kChunk = 1 << 20;

} // namespace

bool CWordsMass::isDelimiter(unsigned char c)
{
    return kDelimiters[c];
}

unsigned char CWordsUnCaseMass::foldCase(unsigned char c)
{
    return kFold[c];
}

void CWordsMass::AddWord(std::string_view word)
{
    addExact(word.substr(0, kMaxWordLength));
}

void CWordsUnCaseMass::AddWord(std::string_view word)
{
    word = word.substr(0, kMaxWordLength);
    m_folded.resize(word.size());
    for (size_t i = 0; i < word.size(); ++i)
        m_folded[i] = static_cast<char>(kFold[static_cast<unsigned char>(word[i])]);
    addExact(m_folded);
}

void CWordsMass::addExact(std::string_view word)
{
    if ((m_words.size() + 1) * 2 > m_slots.size()) {
        size_t capacity = 1024;
        while ((m_words.size() + 1) * 2 > capacity)
            capacity *= 2;
        rebuildTable(std::max(capacity, m_slots.size() * 2));
    }
    const std::uint64_t h = hashOf(word);
    const auto tag = static_cast<std::uint32_t>(h >> 32);
    const size_t mask = m_slots.size() - 1;
    for (size_t i = static_cast<size_t>(h) & mask;; i = (i + 1) & mask) {
        Slot& slot = m_slots[i];
        if (slot.index == 0) {
            m_words.push_back(WordEntry{std::string(word), 1});
            slot.index = static_cast<std::uint32_t>(m_words.size());
            slot.hash = tag;
            return;
        }
        if (slot.hash == tag && m_words[slot.index - 1].Word == word) {
            ++m_words[slot.index - 1].Count;
            return;
        }
    }
}

void CWordsMass::rebuildTable(size_t capacity)
{
    m_slots.assign(capacity, Slot{});
    const size_t mask = capacity - 1;
    for (size_t n = 0; n < m_words.size(); ++n) {
        const std::uint64_t h = hashOf(m_words[n].Word);
        size_t i = static_cast<size_t>(h) & mask;
        while (m_slots[i].index != 0)
            i = (i + 1) & mask;
        m_slots[i].index = static_cast<std::uint32_t>(n + 1);
        m_slots[i].hash = static_cast<std::uint32_t>(h >> 32);
    }
}

bool CWordsMass::ParseText(std::string_view text, JobControl* control, const ProgressFn& progress)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    size_t pos = 0;
    size_t nextCheck = kChunk;
    while (pos < size) {
        while (pos < size && kDelimiters[bytes[pos]])
            ++pos;
        const size_t start = pos;
        while (pos < size && !kDelimiters[bytes[pos]])
            ++pos;
        if (pos > start) {
            AddWord(text.substr(start, pos - start));
            ++m_totalCount;
        }
        if (pos >= nextCheck) {
            nextCheck = pos + kChunk;
            if (progress)
                progress(pos, size);
            if (control && !control->checkpoint())
                return false;
        }
    }
    if (progress)
        progress(size, size);
    return true;
}

void CWordsMass::SortByFrequency()
{
    std::stable_sort(m_words.begin(), m_words.end(),
                     [](const WordEntry& a, const WordEntry& b) { return a.Count > b.Count; });
    // The lookup table points at the old order. It is let go rather than
    // rebuilt: a report only reads the sorted list, and on millions of words
    // the table is a large share of the memory. A later AddWord builds it anew.
    std::vector<Slot>().swap(m_slots);
}

long double CWordsMass::averageLengthValue() const
{
    if (m_totalCount == 0)
        return 0;
    long double sum = 0;
    for (const WordEntry& e : m_words)
        sum += static_cast<long double>(e.Count) * static_cast<long double>(e.Word.size());
    return sum / static_cast<long double>(m_totalCount);
}

std::string CWordsMass::AverageLength(char decimalSeparator) const
{
    return calc::formatGeneral(averageLengthValue(), decimalSeparator);
}

} // namespace zuk::analyzer
