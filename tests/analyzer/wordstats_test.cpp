#include "analyzer/asimplestat.h"
#include "analyzer/jobcontrol.h"
#include "analyzer/wordsmass.h"

#include "codepages/charsets.h"

#include "support/waituntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using zuk::test::waitUntil;
using namespace zuk::analyzer;
using zuk::codepages::utf8ToWin;
using zuk::codepages::winToUtf8;

namespace {

using Entries = std::vector<std::pair<std::string, long long>>;

Entries entriesOf(const CWordsMass& mass)
{
    Entries out;
    for (const WordEntry& e : mass.Words())
        out.emplace_back(winToUtf8(e.Word), e.Count);
    return out;
}

Entries parsed(const std::string& utf8, bool foldCase)
{
    CWordsUnCaseMass folding;
    CWordsMass exact;
    CWordsMass& mass = foldCase ? static_cast<CWordsMass&>(folding) : exact;
    mass.ParseText(utf8ToWin(utf8));
    return entriesOf(mass);
}

TEST(WordStats, SplittingAndFolding)
{
    const struct {
        const char* text;
        bool fold;
        Entries expected;
    } rows[] = {
        {"пол-года e-mail", true, {{"пол", 1}, {"года", 1}, {"e", 1}, {"mail", 1}}},
        {"don't a_b 2004 #$%&'@`~", true, {{"don't", 1}, {"a_b", 1}, {"2004", 1}, {"#$%&'@`~", 1}}},
        {"  (x)*[y]{z}|w\\v^u:t;s<r=q>p?o/n.m,l+k!j\"i\r\nh\tg  ",
         true,
         {{"x", 1}, {"y", 1}, {"z", 1}, {"w", 1}, {"v", 1}, {"u", 1}, {"t", 1},
          {"s", 1}, {"r", 1}, {"q", 1}, {"p", 1}, {"o", 1}, {"n", 1}, {"m", 1},
          {"l", 1}, {"k", 1}, {"j", 1}, {"i", 1}, {"h", 1}, {"g", 1}}},
        {"Ёж ёж ЕЖ", true, {{"ёж", 2}, {"еж", 1}}},
        {"Cat cat САТ", true, {{"cat", 2}, {"сат", 1}}}, // Latin and Cyrillic look-alikes differ
        {"ЂЃЉЊЌЋЏЎЈҐЄЇІЅ ђѓљњќћџўјґєїіѕ", true, {{"ђѓљњќћџўјґєїіѕ", 2}}},
        {"Кот кот КОТ", false, {{"Кот", 1}, {"кот", 1}, {"КОТ", 1}}},
        {"слово «в кавычках» — тире",
         true,
         {{"слово", 1}, {"«в", 1}, {"кавычках»", 1}, {"—", 1}, {"тире", 1}}},
        {"", true, {}},
        {" .,;\r\n", true, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(parsed(row.text, row.fold), row.expected);
    }
}

TEST(WordStats, LongWordsAreCutAndTheirRepeatsCountAsOne)
{
    const std::string longWord(300, 'a');
    CWordsMass mass;
    mass.ParseText(longWord + " " + longWord + " " + longWord.substr(0, 255) + " b");
    ASSERT_EQ(mass.Words().size(), 2u);
    EXPECT_EQ(mass.Words()[0].Word, std::string(255, 'a'));
    EXPECT_EQ(mass.Words()[0].Count, 3);
    EXPECT_EQ(mass.TotalCount(), 4);
}

// The plain algorithm: a linear scan per word and an exchange sort.
Entries referenceCount(const std::string& text)
{
    std::vector<std::pair<std::string, long long>> list;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && CWordsMass::isDelimiter(static_cast<unsigned char>(text[i])))
            ++i;
        std::string word;
        while (i < text.size() && !CWordsMass::isDelimiter(static_cast<unsigned char>(text[i])))
            word += static_cast<char>(
                CWordsUnCaseMass::foldCase(static_cast<unsigned char>(text[i++])));
        if (word.empty())
            continue;
        bool found = false;
        for (auto& entry : list)
            if (entry.first == word) {
                ++entry.second;
                found = true;
                break;
            }
        if (!found)
            list.emplace_back(word, 1);
    }
    for (size_t pass = 1; pass < list.size(); ++pass)
        for (size_t k = 0; k + 1 < list.size(); ++k)
            if (list[k].second < list[k + 1].second)
                std::swap(list[k], list[k + 1]);
    for (auto& entry : list)
        entry.first = winToUtf8(entry.first);
    return list;
}

std::string generatedRussianText(size_t words, unsigned seed)
{
    const char* const stems[] = {"Кот",  "пёс",   "ДОМ",      "Ёлка",  "река",  "лес",
                                 "небо", "город", "Москва",   "слово", "книга", "year",
                                 "Text", "2004",  "пол-года", "don't", "Ъ"};
    const char* const gaps[] = {" ", ", ", ". ", "\r\n", " — ", "!\r\n\r\n", "\t", "; "};
    std::mt19937 rng(seed);
    std::string out;
    for (size_t i = 0; i < words; ++i) {
        // Skewed choice so that counts differ and ties occur.
        const size_t stem = std::min(rng() % 17, rng() % 17);
        std::string word = utf8ToWin(stems[stem]);
        if (rng() % 5 == 0)
            word += std::to_string(rng() % 40);
        out += word;
        out += gaps[rng() % 8];
    }
    return out;
}

TEST(WordStats, SameEntriesAndOrderAsThePlainAlgorithm)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        const std::string text = generatedRussianText(20000, seed);
        CWordsUnCaseMass mass;
        mass.ParseText(text);
        mass.SortByFrequency();
        EXPECT_EQ(entriesOf(mass), referenceCount(text)) << "seed " << seed;
        // Words added after the sort still find their entries.
        const Entries sorted = entriesOf(mass);
        mass.AddWord(utf8ToWin(sorted.back().first));
        mass.AddWord("unseen");
        const Entries after = entriesOf(mass);
        ASSERT_EQ(after.size(), sorted.size() + 1);
        EXPECT_EQ(after[sorted.size() - 1].second, sorted.back().second + 1);
        EXPECT_EQ(after.back(), (std::pair<std::string, long long>{"unseen", 1}));
    }
    // Real Russian text: the shipped proverbs (Windows-1251).
    std::ifstream in(std::string(ZUK_SOURCE_DIR) + "/data/Engine/Parts/quotes/русские пословицы",
                     std::ios::binary);
    const std::string proverbs((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (!proverbs.empty()) {
        CWordsUnCaseMass mass;
        mass.ParseText(proverbs);
        mass.SortByFrequency();
        EXPECT_GT(mass.UniqueCount(), 50);
        EXPECT_EQ(entriesOf(mass), referenceCount(proverbs));
    }
}

std::vector<std::string> reportOf(const std::string& utf8Text, char separator)
{
    CASimpleStat stat(utf8ToWin(utf8Text));
    stat.setDecimalSeparator(separator);
    std::int64_t now = 1000;
    stat.setClock([&now] { return now += 3500; }); // 3.5 s from start to the time line
    LinesSink sink;
    EXPECT_TRUE(stat.Report(sink));
    std::vector<std::string> lines;
    for (const std::string& line : sink.lines)
        lines.push_back(winToUtf8(line));
    return lines;
}

TEST(WordStats, ReportOfASmallText)
{
    const std::vector<std::string> expected = {
        "Начинаю сортировку",
        "Сортировка завершена",
        "Вывод результатов",
        "Время вычисления: 0:00:03",
        "Общее кол-во слов: 4",
        "Кол-во уникальных слов: 2",
        "Отношение уникальных к общему: 0,5",
        "Средняя длина слова (общ) 3",
        "",
        "Вывод результатов частотной статистики: ",
        "кот    3",
        "пёс    1",
    };
    EXPECT_EQ(reportOf("Кот кот КОТ, пёс.", ','), expected);

    const auto ties = reportOf("b a b a c\r\n", '.');
    ASSERT_EQ(ties.size(), 13u);
    EXPECT_EQ(ties[6], "Отношение уникальных к общему: 0.6");
    EXPECT_EQ(std::vector<std::string>(ties.begin() + 10, ties.end()),
              (std::vector<std::string>{"b    2", "a    2", "c    1"}));

    const auto thirds = reportOf("aa b b", ',');
    EXPECT_EQ(thirds[6], "Отношение уникальных к общему: 0,666666666666667");
    EXPECT_EQ(thirds[7], "Средняя длина слова (общ) 1,33333333333333");

    const auto none = reportOf(" ... ", ',');
    ASSERT_EQ(none.size(), 10u);
    EXPECT_EQ(none[4], "Общее кол-во слов: 0");
    EXPECT_EQ(none[6], "Отношение уникальных к общему: 0");
    EXPECT_EQ(none[7], "Средняя длина слова (общ) 0");
}

TEST(WordStats, MessagesAndElapsedTime)
{
    UnitazTexts texts = UnitazTexts::builtIn();
    texts.load([](const std::string& key) {
        return key == "sTotalWords" ? std::string("Total words: ") : std::string();
    });
    EXPECT_EQ(texts.sTotalWords, "Total words: ");
    EXPECT_EQ(winToUtf8(texts.sUniqueWords),
              "Кол-во уникальных слов: "); // empty value keeps the text
    EXPECT_EQ(winToUtf8(texts.sNoOneFileOpened),
              "Нефиг обрабатывать - еще ни один файл не открыт!");

    EXPECT_EQ(formatElapsed(0), "0:00:00");
    EXPECT_EQ(formatElapsed(7999), "0:00:07");
    EXPECT_EQ(formatElapsed(3723000), "1:02:03");
    EXPECT_EQ(formatElapsed(-5), "0:00:00");
}

class RecordingSink final : public ReportSink {
public:
    void append(const std::string&) override { ++lines; }
    void beginUpdate() override { inUpdate = true; }
    void endUpdate() override { inUpdate = false; }
    std::atomic<int> lines{0};
    std::atomic<bool> inUpdate{false};
};

TEST(WordStats, JobPausesResumesAndStopsBetweenChunks)
{
    const std::string text = generatedRussianText(1500000, 9); // several chunks of work
    ASSERT_GT(text.size(), 4u << 20);

    { // Paused before it starts: it holds after its first chunk, then a stop ends it.
        JobControl control;
        control.pause();
        CASimpleStat stat(text);
        stat.setJobControl(&control);
        std::atomic<std::uint64_t> done{0};
        stat.setProgress([&done](std::uint64_t d, std::uint64_t) { done = d; });
        RecordingSink sink;
        bool finished = true;
        std::thread worker([&] { finished = stat.Report(sink); });
        ASSERT_TRUE(waitUntil([&] { return control.isHeld(); }));
        // Held at the first look at the job: one chunk counted, no line written.
        EXPECT_GT(done, 0u);
        EXPECT_LT(done, text.size());
        EXPECT_EQ(sink.lines, 0);
        control.requestStop();
        worker.join();
        EXPECT_FALSE(finished);
        EXPECT_FALSE(control.isHeld());
        EXPECT_EQ(sink.lines, 0);
        EXPECT_LT(done, text.size()); // no chunk after the stop
    }
    { // Paused and resumed: it holds where it was, then the report is complete.
        JobControl control;
        CASimpleStat stat(text);
        stat.setJobControl(&control);
        std::atomic<std::uint64_t> done{0};
        stat.setProgress([&done](std::uint64_t d, std::uint64_t) { done = d; });
        RecordingSink sink;
        bool finished = false;
        control.pause();
        std::thread worker([&] { finished = stat.Report(sink); });
        ASSERT_TRUE(waitUntil([&] { return control.isHeld(); }));
        const std::uint64_t heldAt = done;
        EXPECT_LT(heldAt, text.size());
        EXPECT_EQ(sink.lines, 0);
        control.resume();
        worker.join();
        EXPECT_TRUE(finished);
        EXPECT_EQ(done, text.size());
        EXPECT_FALSE(sink.inUpdate);
        EXPECT_EQ(sink.lines, 10 + stat.words().UniqueCount());
    }
}

// A sink whose lines are taken only when the test says so, as a pane is
// filled only when the GUI thread gets to it.
class SlowSink final : public ReportSink {
public:
    void append(const std::string&) override
    {
        ++written;
        ++m_backlog;
    }
    std::size_t backlog() const override { return m_backlog; }
    void take() { m_backlog = 0; }
    std::atomic<std::size_t> written{0};

private:
    std::atomic<std::size_t> m_backlog{0};
};

// Many distinct words: a frequency list several times the sink's backlog.
std::string distinctWords(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "w" + std::to_string(i) + (i % 10 == 9 ? "\r\n" : " ");
    return text;
}

TEST(WordStats, TheFrequencyListHoldsForTheSinkAndStopsAndPausesThere)
{
    constexpr int kWords = 200000;
    static_assert(kWords > 4 * CASimpleStat::kMaxBacklog);
    const std::string text = distinctWords(kWords);

    { // Held while its lines are not taken; taken, it goes on; stopped, it ends.
        JobControl control;
        CASimpleStat stat(text);
        stat.setJobControl(&control);
        SlowSink sink;
        bool finished = true;
        std::thread worker([&] { finished = stat.Report(sink); });
        ASSERT_TRUE(waitUntil([&] { return control.isHeld(); }));
        const std::size_t first = sink.written;
        EXPECT_GE(first, CASimpleStat::kMaxBacklog);
        EXPECT_LT(first, CASimpleStat::kMaxBacklog + CASimpleStat::kLinesPerCheck + 10);

        sink.take();
        control.wake();
        ASSERT_TRUE(waitUntil([&] { return sink.written > first + 1000 && control.isHeld(); }));
        const std::size_t second = sink.written;
        EXPECT_LT(second, 2 * first + CASimpleStat::kLinesPerCheck);

        control.requestStop();
        worker.join();
        EXPECT_FALSE(finished);
        EXPECT_EQ(sink.written, second); // the stop ended it where it held
    }
    { // Paused in the middle of the list: it holds there even with its lines taken.
        JobControl control;
        CASimpleStat stat(text);
        stat.setJobControl(&control);
        SlowSink sink;
        bool finished = false;
        std::atomic<bool> over{false};
        std::thread worker([&] {
            finished = stat.Report(sink);
            over = true;
        });
        ASSERT_TRUE(waitUntil([&] { return control.isHeld(); }));
        control.pause();
        sink.take();
        control.wake();
        // It looks again, is still held (by the pause now) and writes nothing more.
        const std::size_t heldAt = sink.written;
        ASSERT_TRUE(waitUntil([&] { return control.isHeld(); }));
        EXPECT_EQ(sink.written, heldAt);
        control.resume();
        // Taken as fast as it writes: the rest of the list goes through.
        EXPECT_TRUE(waitUntil([&] {
            sink.take();
            control.wake();
            return over.load();
        }));
        worker.join();
        EXPECT_TRUE(finished);
        EXPECT_EQ(sink.written, 10u + kWords);
    }
}

} // namespace
