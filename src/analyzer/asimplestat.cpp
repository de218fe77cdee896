#include "analyzer/asimplestat.h"

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

// Output lines between two looks at the job.
constexpr size_t kLinesPerCheck = 4096;

} // namespace

UnitazTexts UnitazTexts::builtIn()
{
    using codepages::utf8ToWin;
    UnitazTexts t;
    t.sStartSorting = utf8ToWin("Начинаю сортировку");
    t.sSortingDone = utf8ToWin("Сортировка завершена");
    t.sOutputResults = utf8ToWin("Вывод результатов");
    t.sTimeElapsed = utf8ToWin("Время вычисления: ");
    t.sTotalWords = utf8ToWin("Общее кол-во слов: ");
    t.sUniqueWords = utf8ToWin("Кол-во уникальных слов: ");
    t.sUniqueToTotal = utf8ToWin("Отношение уникальных к общему: ");
    t.sAverageLenOfTotalWords = utf8ToWin("Средняя длина слова (общ) ");
    t.sFrequenceStatistics = utf8ToWin("Вывод результатов частотной статистики: ");
    t.sNoOneFileOpened = utf8ToWin("Нефиг обрабатывать - еще ни один файл не открыт!");
    t.sEvalWait = utf8ToWin("Я думаю. Ждите...");
    return t;
}

void UnitazTexts::load(const std::function<std::string(const std::string& key)>& lookup)
{
    auto take = [&lookup](std::string& text, const char* key) {
        std::string value = lookup(key);
        if (!value.empty())
            text = std::move(value);
    };
    take(sStartSorting, "sStartSorting");
    take(sSortingDone, "sSortingDone");
    take(sOutputResults, "sOutputResults");
    take(sTimeElapsed, "sTimeElapsed");
    take(sTotalWords, "sTotalWords");
    take(sUniqueWords, "sUniqueWords");
    take(sUniqueToTotal, "sUniqueToTotal");
    take(sAverageLenOfTotalWords, "sAverageLenOfTotalWords");
    take(sFrequenceStatistics, "sFrequenceStatistics");
    take(sNoOneFileOpened, "sNoOneFileOpened");
    take(sEvalWait, "sEvalWait");
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
    if (!m_words->ParseText(m_text, m_control, m_progress))
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
    for (const WordEntry& e : m_words->Words()) {
        if (++n % kLinesPerCheck == 0 && m_control && !m_control->checkpoint()) {
            finished = false;
            break;
        }
        lines.append(e.Word + "    " + std::to_string(e.Count));
    }
    lines.endUpdate();
    return finished;
}

} // namespace zuk::analyzer
