#pragma once

#include "analyzer/astat.h"
#include "analyzer/wordsmass.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zuk::analyzer {

// The analyzer's texts, as Windows-1251 bytes (the form of the language
// files and of the report lines). builtIn() gives the Russian ones.
struct UnitazTexts {
    std::string sStartSorting;
    std::string sSortingDone;
    std::string sOutputResults;
    std::string sTimeElapsed;
    std::string sTotalWords;
    std::string sUniqueWords;
    std::string sUniqueToTotal;
    std::string sAverageLenOfTotalWords;
    std::string sFrequenceStatistics;
    std::string sNoOneFileOpened;
    std::string sEvalWait;

    static UnitazTexts builtIn();
    // Replaces every text whose key lookup gives a non-empty value. The caller
    // decides when this applies (an interface language other than Russian
    // with its file loaded) and looks the keys up in section "unt".
    void load(const std::function<std::string(const std::string& key)>& lookup);
};

// Milliseconds of some steady clock; the report only takes differences.
using ClockFn = std::function<std::int64_t()>;

// Elapsed time as the report writes it: hours, minutes and seconds, no
// fraction ("0:00:07").
std::string formatElapsed(std::int64_t milliseconds);

// Counts the words of a text case-insensitively and reports totals, ratios
// and the frequency list. Owns its word container and a copy of the text.
class CASimpleStat final : public CAStat {
public:
    explicit CASimpleStat(std::string text);

    void LoadMessages(const std::function<std::string(const std::string& key)>& lookup);
    const UnitazTexts& texts() const { return m_texts; }
    void setTexts(UnitazTexts texts) { m_texts = std::move(texts); }

    // Number format and clock of the report (defaults: ',' and the steady clock).
    void setDecimalSeparator(char separator) { m_decimalSeparator = separator; }
    void setClock(ClockFn clock) { m_clock = std::move(clock); }
    // The worker's stop and pause requests, checked between chunks; not owned.
    void setJobControl(JobControl* control) { m_control = control; }
    void setProgress(ProgressFn progress) { m_progress = std::move(progress); }

    bool Report(ReportSink& lines) override;

    const CWordsUnCaseMass& words() const { return *m_words; }

private:
    std::unique_ptr<CWordsUnCaseMass> m_words;
    std::string m_text;
    UnitazTexts m_texts = UnitazTexts::builtIn();
    char m_decimalSeparator = ',';
    ClockFn m_clock;
    JobControl* m_control = nullptr;
    ProgressFn m_progress;
};

} // namespace zuk::analyzer
