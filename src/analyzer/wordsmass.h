#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::analyzer {

class JobControl;

// One distinct word and how often it occurs.
struct WordEntry {
    std::string Word; // at most kMaxWordLength bytes
    std::int64_t Count = 1;
};

// Called between chunks of the text with the bytes done so far and the total.
using ProgressFn = std::function<void(std::uint64_t done, std::uint64_t total)>;

// The distinct words of a text in order of first occurrence, each with its
// count. Words are Windows-1251 bytes (any single-byte text splits the same
// way). The lookup is a hash table over the entries, so counting is linear in
// the text; the entries themselves stand in first-occurrence order exactly as
// a plain list scan would leave them.
class CWordsMass {
public:
    // A longer word is stored cut to this many bytes, and its repeats are
    // counted against the cut form.
    static constexpr size_t kMaxWordLength = 255;

    CWordsMass() = default;
    virtual ~CWordsMass() = default;
    CWordsMass(const CWordsMass&) = delete;
    CWordsMass& operator=(const CWordsMass&) = delete;

    // Counts one occurrence, comparing byte for byte. TotalCount is left alone.
    virtual void AddWord(std::string_view word);

    // Splits the text at WordDelimiters and adds every word in text order,
    // counting each in TotalCount. With a control, the job is checked every
    // chunk; returns false when it was asked to stop (the words of the chunks
    // done so far stay counted).
    bool ParseText(std::string_view text, JobControl* control = nullptr,
                   const ProgressFn& progress = {});

    // Descending by count; equal counts keep the order of first occurrence.
    void SortByFrequency();

    // Sum of count x length over the entries divided by TotalCount; 0 for no words.
    long double averageLengthValue() const;
    // The same in the general number format.
    std::string AverageLength(char decimalSeparator) const;

    const std::vector<WordEntry>& Words() const { return m_words; }
    std::int64_t TotalCount() const { return m_totalCount; }
    std::int64_t UniqueCount() const { return static_cast<std::int64_t>(m_words.size()); }

    static bool isDelimiter(unsigned char c);

protected:
    // Adds a word that is already in its stored form (cut, folded as needed).
    void addExact(std::string_view word);

private:
    struct Slot {
        std::uint32_t index = 0; // entry index + 1; 0 marks an empty slot
        std::uint32_t hash = 0;
    };
    void rebuildTable(size_t capacity);

    std::vector<WordEntry> m_words;
    std::vector<Slot> m_slots;
    std::int64_t m_totalCount = 0;
};

// Words folded to lower case by the fixed Windows-1251 mapping before they
// are compared and stored, so "Кот", "кот" and "КОТ" are one entry.
class CWordsUnCaseMass final : public CWordsMass {
public:
    void AddWord(std::string_view word) override;

    static unsigned char foldCase(unsigned char c);

private:
    std::string m_folded; // reused buffer
};

} // namespace zuk::analyzer
