#pragma once

#include "analyzer/astat.h"
#include "analyzer/wordsmass.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zuk::analyzer {

// The analyzer's texts, as Windows-1251 bytes (the form of the language
// files and of the report lines); the rows of untTexts() in section "unt".
// builtIn() gives the Russian ones.
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
    // The lines of the job controls.
    std::string sThreadConstructorCall;
    std::string sThreadDestroyed;
    std::string sThreadConstructed;
    std::string sThreadStopped;
    std::string sThreadPaused;
    std::string sThreadResumed;

    static UnitazTexts builtIn();
    // Every text from `text`, which answers a key of section "unt" with its
    // UTF-8 text in the interface language (the text service's text()).
    static UnitazTexts from(const std::function<std::string(std::string_view key)>& text);
    // Replaces every text whose key lookup gives a non-empty value
    // (Windows-1251). The caller decides when this applies.
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
    // Output lines between two looks at the job and at the sink's backlog.
    static constexpr std::size_t kLinesPerCheck = 1024;
    // The sink's backlog at which the output of a controlled job holds until
    // the lines are taken: enough for the pane to take one slice while the
    // next is written.
    static constexpr std::size_t kMaxBacklog = 32768;

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

    // Runs once: the copy of the text is let go as soon as its words are
    // counted, so that it does not stay beside the report.
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
