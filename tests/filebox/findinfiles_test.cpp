#include "filebox/cfindthread.h"
#include "filebox/findinfiles.h"

#include "io/safefile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace zuk::filebox;
namespace fs = std::filesystem;

namespace {

class FindInFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zuk-fif-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override
    {
        ::chmod((m_root + "/locked.txt").c_str(), 0644);
        fs::remove_all(m_root);
    }

    std::string put(const std::string& relative, const std::string& bytes)
    {
        const std::string path = m_root + "/" + relative;
        fs::create_directories(fs::path(path).parent_path());
        zuk::io::writeFileAtomically(path, bytes);
        return path;
    }
    std::vector<std::string> find(const std::string& mask, const std::string& text,
                                  FindSummary* summary = nullptr)
    {
        std::vector<std::string> hits;
        FindObserver observer;
        observer.found = [&](const std::string& path) {
            hits.push_back(path.substr(m_root.size() + 1));
        };
        const FindSummary s = findInFiles({m_root, mask, text, 64}, observer);
        if (summary)
            *summary = s;
        return hits;
    }
    std::string m_root;
};

std::size_t naiveFind(const std::string& pattern, const std::string& data)
{
    auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    for (std::size_t at = 0; at + pattern.size() <= data.size(); ++at) {
        std::size_t i = 0;
        while (i < pattern.size() && (pattern[i] == '*' || pattern[i] == '?' ||
                                      fold(static_cast<unsigned char>(pattern[i])) ==
                                          fold(static_cast<unsigned char>(data[at + i]))))
            ++i;
        if (i == pattern.size())
            return at;
    }
    return std::string::npos;
}

} // namespace

TEST(TextPatternTest, CaseAndWildcardsStandForOneByte)
{
    // «ПРИВЕТ» and «привет» in Windows-1251.
    const std::string upper = "\xCF\xD0\xC8\xC2\xC5\xD2";
    const std::string lower = "x \xEF\xF0\xE8\xE2\xE5\xF2!";
    EXPECT_EQ(TextPattern(upper).find(lower.data(), lower.size()), 2u);
    for (const std::string text : {"abc", "a-c", "ABC"}) {
        EXPECT_EQ(TextPattern("a?c").find(text.data(), text.size()), 0u) << text;
        EXPECT_EQ(TextPattern("a*c").find(text.data(), text.size()), 0u) << text;
    }
    const std::string ac = "ac";
    EXPECT_EQ(TextPattern("a*c").find(ac.data(), ac.size()), std::string::npos);
    EXPECT_TRUE(TextPattern("").empty());
    EXPECT_EQ(TextPattern("").find(ac.data(), ac.size()), std::string::npos);
}

// The skip table must never jump over a match, with wildcards anywhere.
TEST(TextPatternTest, AgreesWithAPlainScanOnRandomText)
{
    std::mt19937 random(7);
    const std::string alphabet = "abAB?*";
    for (int round = 0; round < 3000; ++round) {
        std::string pattern(1 + random() % 5, 'a');
        for (char& c : pattern)
            c = alphabet[random() % alphabet.size()];
        std::string data(random() % 40, 'a');
        for (char& c : data)
            c = alphabet[random() % 4];
        ASSERT_EQ(TextPattern(pattern).find(data.data(), data.size()), naiveFind(pattern, data))
            << pattern << " in " << data;
    }
}

TEST(FileMaskTest, MasksAndSelection)
{
    EXPECT_TRUE(fileMaskMatches("*.htm", "Index.HTM"));
    EXPECT_FALSE(fileMaskMatches("*.htm", "index.html"));
    EXPECT_TRUE(fileMaskMatches("*.*", "README"));
    EXPECT_TRUE(fileMaskMatches("*.txt; *.h", "a.h"));
    EXPECT_TRUE(fileMaskMatches("ПРИВЕТ?.txt", "привет1.TXT"));
    EXPECT_TRUE(selectionMaskMatches("*.txt", "a.txt"));
    EXPECT_TRUE(selectionMaskMatches("*.txt", "notes.txt"));
    EXPECT_FALSE(selectionMaskMatches("*.txt", ".txt"));
    EXPECT_TRUE(selectionMaskMatches("ОТЧ", "годовой отчёт"));
    EXPECT_FALSE(selectionMaskMatches("", "a"));
}

TEST_F(FindInFilesTest, MatchAcrossABlockBoundary)
{
    const std::string path = put("a.txt", "0123456789abcdefXYZ");
    for (std::size_t block : {1u, 2u, 3u, 5u, 7u, 64u}) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(scanFile(fd, TextPattern("9ABC"), block), ScanResult::Match) << block;
        ::lseek(fd, 0, SEEK_SET);
        EXPECT_EQ(scanFile(fd, TextPattern("9AC"), block), ScanResult::NoMatch) << block;
        ::close(fd);
    }
}

TEST_F(FindInFilesTest, BreadthFirstOrderMaskLinksAndSpecialFiles)
{
    put("b.txt", "hello");
    put("a.txt", "HELLO");
    put("c.htm", "hello");
    put("sub/deep/x.txt", "say hello");
    put("sub/y.txt", "hello there");
    put("other/z.txt", "nothing");
    // A link back up would make the walk endless if it were followed.
    fs::create_directory_symlink(m_root, m_root + "/sub/loop");
    fs::create_symlink(m_root + "/a.txt", m_root + "/other/link.txt");
    // A FIFO named like a text must not hold the search.
    ASSERT_EQ(::mkfifo((m_root + "/pipe.txt").c_str(), 0644), 0);
    FindSummary summary;
    EXPECT_EQ(find("*.TXT", "hello", &summary),
              (std::vector<std::string>{"a.txt", "b.txt", "sub/y.txt", "sub/deep/x.txt"}));
    EXPECT_EQ(summary.found, 4u);
    EXPECT_EQ(summary.skipped, 0u);
    EXPECT_TRUE(find("*.*", "").empty());
}

TEST_F(FindInFilesTest, UnreadableFileIsSkippedAndCounted)
{
    put("a.txt", "key");
    put("locked.txt", "key");
    put("z.txt", "key");
    ::chmod((m_root + "/locked.txt").c_str(), 0);
    if (::access((m_root + "/locked.txt").c_str(), R_OK) == 0)
        GTEST_SKIP() << "permissions do not hold for this user";
    FindSummary summary;
    EXPECT_EQ(find("*", "key", &summary), (std::vector<std::string>{"a.txt", "z.txt"}));
    EXPECT_EQ(summary.skipped, 1u);
}

TEST_F(FindInFilesTest, MissingFolderIsRefused)
{
    EXPECT_THROW(findInFiles({m_root + "/none", "*", "x", 64}, {}), zuk::IoError);
    EXPECT_THROW(findInFiles({put("file", "x"), "*", "x", 64}, {}), zuk::IoError);
}

TEST_F(FindInFilesTest, StopWhilePausedEndsWithoutFurtherResults)
{
    for (int i = 0; i < 50; ++i)
        put("f" + std::to_string(100 + i) + ".txt", "needle");
    std::atomic<int> found{0};
    std::atomic<bool> finished{false}, stopped{false};
    CFINDTHREAD::Events events;
    events.found = [&](const std::string&) { ++found; };
    events.finished = [&](const FindSummary& s, const std::optional<zuk::ZukError>&) {
        stopped = s.stopped;
        finished = true;
    };
    auto search = std::make_unique<CFINDTHREAD>(FindRequest{m_root, "*", "needle", 64}, events);
    search->pause();
    while (!search->isHeld() && !search->isFinished())
        std::this_thread::yield();
    const int before = found.load();
    search->stop();
    search->wait();
    EXPECT_TRUE(finished);
    if (before < 50) {
        EXPECT_TRUE(stopped);
        EXPECT_EQ(found.load(), before);
    }
    // A new search after the old one reports every file.
    found = 0;
    search = std::make_unique<CFINDTHREAD>(FindRequest{m_root, "*", "needle", 64}, events);
    search->wait();
    EXPECT_EQ(found.load(), 50);
    EXPECT_FALSE(stopped);
}
