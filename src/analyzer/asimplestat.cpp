#include "analyzer/asimplestat.h"

#include "analyzer/analyzertexts.h"
#include "analyzer/jobcontrol.h"
#include "calc/numformat.h"
#include "codepages/charsets.h"

#include <chrono>

namespace zuk::analyzer {

namespace {

std::int64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

namespace {

struct TextField {
    const char* key;
    std::string UnitazTexts::*field;
};

const TextField kTextFields[] = {
    {"sStartSorting", &UnitazTexts::sStartSorting},
    {"sSortingDone", &UnitazTexts::sSortingDone},
    {"sOutputResults", &UnitazTexts::sOutputResults},
    {"sTimeElapsed", &UnitazTexts::sTimeElapsed},
    {"sTotalWords", &UnitazTexts::sTotalWords},
    {"sUniqueWords", &UnitazTexts::sUniqueWords},
    {"sUniqueToTotal", &UnitazTexts::sUniqueToTotal},
    {"sAverageLenOfTotalWords", &UnitazTexts::sAverageLenOfTotalWords},
    {"sFrequenceStatistics", &UnitazTexts::sFrequenceStatistics},
    {"sNoOneFileOpened", &UnitazTexts::sNoOneFileOpened},
    {"sEvalWait", &UnitazTexts::sEvalWait},
    {"sThreadConstructorCall", &UnitazTexts::sThreadConstructorCall},
    {"sThreadDestroyed", &UnitazTexts::sThreadDestroyed},
    {"sThreadConstructed", &UnitazTexts::sThreadConstructed},
    {"sThreadStopped", &UnitazTexts::sThreadStopped},
    {"sThreadPaused", &UnitazTexts::sThreadPaused},
    {"sThreadResumed", &UnitazTexts::sThreadResumed},
};

} // namespace

UnitazTexts UnitazTexts::builtIn()
{
    return from([](std::string_view key) { return untTexts().builtIn(key); });
}

UnitazTexts UnitazTexts::from(const std::function<std::string(std::string_view key)>& text)
{
    UnitazTexts t;
    for (const TextField& f : kTextFields)
        t.*f.field = codepages::utf8ToWin(text(f.key));
    return t;
}

void UnitazTexts::load(const std::function<std::string(const std::string& key)>& lookup)
{
    for (const TextField& f : kTextFields) {
        std::string value = lookup(f.key);
        if (!value.empty())
            this->*f.field = std::move(value);
    }
}

std::string formatElapsed(std::int64_t milliseconds)
{
    if (milliseconds < 0)
        milliseconds = 0;
    const std::int64_t seconds = milliseconds / 1000;
    auto two = [](std::int64_t v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60);
}

CASimpleStat::CASimpleStat(std::string text)
    : m_words(std::make_unique<CWordsUnCaseMass>()), m_text(std::move(text)),
      m_clock(steadyMilliseconds)
{
}

void CASimpleStat::LoadMessages(const std::function<std::string(const std::string& key)>& lookup)
{
    m_texts.load(lookup);
}

bool CASimpleStat::Report(ReportSink& lines)
{
    const std::int64_t started = m_clock();
    const bool parsed = m_words->ParseText(m_text, m_control, m_progress);
    // The words are counted: the copy of the text is not needed any more.
    std::string().swap(m_text);
    if (!parsed)
        return false;
    lines.append(m_texts.sStartSorting);
    m_words->SortByFrequency();
    if (m_control && !m_control->checkpoint())
        return false;
    lines.append(m_texts.sSortingDone);
    lines.append(m_texts.sOutputResults);
    lines.append(m_texts.sTimeElapsed + formatElapsed(m_clock() - started));

    const std::int64_t total = m_words->TotalCount();
    const std::int64_t unique = m_words->UniqueCount();
    // With no word at all both quotients are taken as 0.
    const long double ratio = total == 0 ? 0.0L : static_cast<long double>(unique) / total;

    lines.beginUpdate();
    lines.append(m_texts.sTotalWords + std::to_string(total));
    lines.append(m_texts.sUniqueWords + std::to_string(unique));
    lines.append(m_texts.sUniqueToTotal + calc::formatGeneral(ratio, m_decimalSeparator));
    lines.append(m_texts.sAverageLenOfTotalWords + m_words->AverageLength(m_decimalSeparator));
    lines.append(std::string());
    lines.append(m_texts.sFrequenceStatistics);
    bool finished = true;
    size_t n = 0;
    // The frequency list holds while the sink has not taken what it was
    // given, so stop and pause act within a few thousand lines however long
    // the list is.
    const auto backlogged = [&lines] { return lines.backlog() >= kMaxBacklog; };
    std::string line;
    for (const WordEntry& e : m_words->Words()) {
        if (++n % kLinesPerCheck == 0 && m_control && !m_control->checkpoint(backlogged)) {
            finished = false;
            break;
        }
        line.assign(e.Word).append("    ").append(std::to_string(e.Count));
        lines.append(line);
    }
    lines.endUpdate();
    return finished;
}

} // namespace zuk::analyzer
