#include "app/recovery.h"

#include "base/zukerror.h"
#include "io/safefile.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

using namespace zuk::app;
using zuk::testing::TempFolder;

namespace {

RecoveryMeta sampleMeta(std::optional<std::string> path, std::string title)
{
    RecoveryMeta m;
    m.path = std::move(path);
    m.title = std::move(title);
    m.charset = "koi";
    m.syntax = "HTML";
    m.changedMs = 1765305005123;
    return m;
}

std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

std::vector<std::string> idsOf(const std::vector<RecoveryEntry>& entries)
{
    std::vector<std::string> ids;
    for (const RecoveryEntry& e : entries)
        ids.push_back(e.id);
    return ids;
}

} // namespace

TEST(RecoveryMeta, EveryNameComesBackExactly)
{
    const std::vector<RecoveryMeta> cases = [] {
        std::vector<RecoveryMeta> v;
        v.push_back(sampleMeta("/home/u/notes.txt", "/home/u/notes.txt"));
        v.push_back(sampleMeta(std::nullopt, "untitled3"));
        // Cyrillic, a line break, a CR, an '=' and a byte that is no UTF-8.
        v.push_back(sampleMeta("/home/u/Письма/a\nb\r=c\xFF.txt", "Письма=\n"));
        v.push_back(sampleMeta("/tmp/日本 %41.txt", "utf8:%41"));
        RecoveryMeta empty = sampleMeta(std::nullopt, "");
        empty.syntax.clear();
        empty.changedMs = -1;
        v.push_back(empty);
        return v;
    }();
    for (RecoveryMeta meta : cases) {
        SCOPED_TRACE(meta.title);
        meta.textFile = "doc7-12.txt";
        meta.textBytes = 18446744073709551615ull;
        const std::string text = formatRecoveryMeta(meta);
        // One line per key: nothing in a value breaks the layout.
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), meta.path ? 9 : 8) << text;
        EXPECT_EQ(text.find('\r'), std::string::npos);
        const std::optional<RecoveryMeta> back = parseRecoveryMeta(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(*back, meta);
    }
}

TEST(RecoveryMeta, CrLfLinesAndUnknownKeysAreRead)
{
    const std::optional<RecoveryMeta> m =
        parseRecoveryMeta("ZukRecovery 1\r\nTitle=t\r\nCharset=dos\r\nChanged=5\r\nLater=x\r\n"
                          "Text=d1-1.txt\r\nBytes=3\r\nEnd\r\n");
    ASSERT_TRUE(m);
    EXPECT_FALSE(m->path);
    EXPECT_EQ(m->charset, "dos");
    EXPECT_EQ(m->textBytes, 3u);
    // Copies written before files had an encoding are the code page's bytes with CR LF.
    EXPECT_EQ(m->encoding, "");
    EXPECT_EQ(m->lineBreak, "crlf");
}

TEST(RecoveryMeta, TheFileEncodingAndLineBreakComeBack)
{
    RecoveryMeta meta;
    meta.path = "/home/u/a.txt";
    meta.title = "a.txt";
    meta.charset = "win";
    meta.encoding = "utf16be";
    meta.lineBreak = "lf";
    meta.textFile = "d1-1.txt";
    const std::string text = formatRecoveryMeta(meta);
    EXPECT_NE(text.find("Encoding=utf16be\n"), std::string::npos);
    const std::optional<RecoveryMeta> back = parseRecoveryMeta(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, meta);
    std::string twice = text;
    twice.insert(twice.find("End"), "Encoding=utf8\n");
    EXPECT_FALSE(parseRecoveryMeta(twice));
}

TEST(RecoveryMeta, BrokenDescriptionsAreRefused)
{
    const std::string good = "ZukRecovery 1\nPath=/a\nTitle=a\nCharset=win\nSyntax=\nChanged=1\n"
                             "Text=d1-1.txt\nBytes=2\nEnd\n";
    ASSERT_TRUE(parseRecoveryMeta(good));
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"cut short", good.substr(0, good.size() / 2)},
        {"no end line", replaced("End\n", "")},
        {"another version", replaced("ZukRecovery 1", "ZukRecovery 2")},
        {"no title", replaced("Title=a\n", "")},
        {"no charset", replaced("Charset=win\n", "")},
        {"empty charset", replaced("Charset=win", "Charset=")},
        {"no text file", replaced("Text=d1-1.txt\n", "")},
        {"text outside the folder", replaced("d1-1.txt", "../d1-1.txt")},
        {"hidden text file", replaced("d1-1.txt", ".txt")},
        {"not a text file", replaced("d1-1.txt", "d1-1.meta")},
        {"size not a number", replaced("Bytes=2", "Bytes=2x")},
        {"negative size", replaced("Bytes=2", "Bytes=-2")},
        {"size too big", replaced("Bytes=2", "Bytes=18446744073709551616")},
        {"time too big", replaced("Changed=1", "Changed=99999999999999999999")},
        {"plus sign", replaced("Changed=1", "Changed=+1")},
        {"twice the same key", replaced("Title=a\n", "Title=a\nTitle=b\n")},
        {"two paths", replaced("Path=/a\n", "Path=/a\nPath=/b\n")},
        {"empty path", replaced("Path=/a", "Path=")},
        {"line without a key", replaced("Syntax=\n", "Syntax\n")},
        {"text after the end", good + "Title=x\n"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(parseRecoveryMeta(c.bytes)) << c.what;
}

TEST(RecoveryStore, EntriesAreWrittenListedReadAndRemoved)
{
    TempFolder dir;
    const std::string text = std::string("line\r\n\0nul\xC6\r\n", 13);
    writeRecoveryEntry(dir.path(), "doc1", sampleMeta("/f/a.txt", "/f/a.txt"), text);
    RecoveryMeta second = sampleMeta(std::nullopt, "untitled0");
    second.changedMs -= 1000; // older: listed first
    writeRecoveryEntry(dir.path(), "doc2", second, "x");

    RecoveryScan scan = scanRecoveryFolder(dir.path());
    EXPECT_TRUE(scan.broken.empty());
    ASSERT_EQ(idsOf(scan.entries), (std::vector<std::string>{"doc2", "doc1"}));
    const RecoveryEntry& first = scan.entries[1];
    EXPECT_EQ(first.meta.path, std::optional<std::string>("/f/a.txt"));
    EXPECT_EQ(first.meta.charset, "koi");
    EXPECT_EQ(first.meta.syntax, "HTML");
    EXPECT_EQ(readRecoveryText(first), text);
    EXPECT_FALSE(scan.entries[0].meta.path);

    // A newer text replaces the older one; one text file stays per entry.
    writeRecoveryEntry(dir.path(), "doc1", sampleMeta("/f/a.txt", "/f/a.txt"), "newer");
    scan = scanRecoveryFolder(dir.path());
    ASSERT_EQ(scan.entries.size(), 2u);
    EXPECT_EQ(readRecoveryText(scan.entries[1]), "newer");
    EXPECT_EQ(namesIn(dir.path()),
              (std::set<std::string>{"doc1.meta", "doc1-2.txt", "doc2.meta", "doc2-1.txt"}));

    removeRecoveryEntry(dir.path(), "doc1");
    removeRecoveryEntry(dir.path(), "doc1"); // gone already: no failure
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"doc2.meta", "doc2-1.txt"}));
    EXPECT_EQ(idsOf(scanRecoveryFolder(dir.path()).entries), std::vector<std::string>{"doc2"});
}

TEST(RecoveryStore, AKillBetweenTheTwoWritesLeavesTheOlderEntryWhole)
{
    TempFolder dir;
    writeRecoveryEntry(dir.path(), "doc1", sampleMeta(std::nullopt, "u"), "old text");
    // The new text reached the disk, its description did not.
    dir.write("doc1-2.txt", "new text that was never described");
    RecoveryScan scan = scanRecoveryFolder(dir.path());
    ASSERT_EQ(scan.entries.size(), 1u);
    EXPECT_EQ(readRecoveryText(scan.entries[0]), "old text");
    // The next write goes past the stray generation and takes it away.
    writeRecoveryEntry(dir.path(), "doc1", sampleMeta(std::nullopt, "u"), "next");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"doc1.meta", "doc1-3.txt"}));
    EXPECT_EQ(readRecoveryText(scanRecoveryFolder(dir.path()).entries.at(0)), "next");
}

TEST(RecoveryStore, BrokenEntriesAreSkippedAndReported)
{
    TempFolder dir;
    writeRecoveryEntry(dir.path(), "good", sampleMeta(std::nullopt, "u"), "kept");
    writeRecoveryEntry(dir.path(), "short", sampleMeta(std::nullopt, "u"), "0123456789");
    dir.write("short-1.txt", "01234"); // the text lost its end
    writeRecoveryEntry(dir.path(), "lost", sampleMeta(std::nullopt, "u"), "gone");
    std::filesystem::remove(dir.file("lost-1.txt"));
    dir.write("half.meta", "ZukRecovery 1\nTitle=x\nChar");
    dir.write("junk.meta", std::string("\0\xFF\n=\n", 5));
    std::filesystem::create_directory(dir.file("folder.meta"));

    const RecoveryScan scan = scanRecoveryFolder(dir.path());
    EXPECT_EQ(idsOf(scan.entries), std::vector<std::string>{"good"});
    const std::set<std::string> broken(scan.broken.begin(), scan.broken.end());
    EXPECT_EQ(broken, (std::set<std::string>{dir.file("short.meta"), dir.file("lost.meta"),
                                             dir.file("half.meta"), dir.file("junk.meta"),
                                             dir.file("folder.meta")}));

    // A text that changed after it was listed is refused when read.
    RecoveryEntry entry = scan.entries[0];
    dir.write(entry.meta.textFile, "longer than it was");
    EXPECT_THROW(readRecoveryText(entry), zuk::FormatError);
}

TEST(RecoveryRuns, ALiveRunIsNeverOfferedAndAnEndedOneIsOfferedOnce)
{
    TempFolder dir;
    const std::string root = dir.file("recovery");
    auto killed = std::make_unique<RecoveryRun>(root);
    writeRecoveryEntry(killed->folder(), "doc1", sampleMeta("/f/a.txt", "/f/a.txt"), "a");
    writeRecoveryEntry(killed->folder(), "doc2", sampleMeta(std::nullopt, "untitled0"), "b");

    RecoveryRun live(root);
    writeRecoveryEntry(live.folder(), "doc1", sampleMeta(std::nullopt, "live"), "mine");
    {
        // Both runs hold their locks: nothing is offered to either.
        RecoveryClaim claim(root, live.folder());
        EXPECT_TRUE(claim.entries().empty());
    }

    const std::string killedFolder = killed->folder();
    killed.reset(); // its lock goes as with a kill; its entries stay
    {
        RecoveryClaim claim(root, live.folder());
        ASSERT_EQ(claim.entries().size(), 2u);
        for (const RecoveryEntry& e : claim.entries())
            EXPECT_EQ(e.folder, killedFolder);
        // While one program has them, a third one started meanwhile sees none.
        RecoveryClaim other(root, std::string());
        EXPECT_TRUE(other.entries().empty());
        claim.remove(claim.entries().front());
        EXPECT_EQ(claim.entries().size(), 1u);
    }
    // "Later": the one left is offered again next time, and the last one
    // removed takes its folder along.
    {
        RecoveryClaim claim(root, live.folder());
        ASSERT_EQ(claim.entries().size(), 1u);
        claim.remove(claim.entries().front());
        EXPECT_TRUE(claim.entries().empty());
    }
    EXPECT_FALSE(std::filesystem::exists(killedFolder));
    EXPECT_TRUE(std::filesystem::exists(live.folder() + "doc1.meta"));

    live.removeAll();
    EXPECT_TRUE(namesIn(root).empty());
}

TEST(RecoveryRuns, FoldersWithNothingToOfferAreTidiedAndBrokenOnesKept)
{
    TempFolder dir;
    const std::string root = dir.file("recovery");
    std::string empty, broken;
    {
        RecoveryRun a(root);
        empty = a.folder();
        RecoveryRun b(root);
        broken = b.folder();
        zuk::io::writeFileAtomically(broken + "doc1.meta", "ZukRecovery 1\n");
    }
    dir.write("recovery/.new-1-2/lock", ""); // a run killed while it made its folder
    // One that has no lock file yet is being made right now.
    std::filesystem::create_directories(dir.file("recovery/.new-3-4"));
    dir.write("recovery/unrelated.txt", "x");
    {
        RecoveryClaim claim(root, std::string());
        EXPECT_TRUE(claim.entries().empty());
        EXPECT_EQ(claim.broken(), std::vector<std::string>{broken + "doc1.meta"});
    }
    EXPECT_FALSE(std::filesystem::exists(empty));
    EXPECT_FALSE(std::filesystem::exists(dir.file("recovery/.new-1-2")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("recovery/.new-3-4")));
    EXPECT_TRUE(std::filesystem::exists(broken + "doc1.meta")); // for the user to look at
    EXPECT_TRUE(std::filesystem::exists(dir.file("recovery/unrelated.txt")));
}

// A program the editor starts must not inherit the lock and keep the copies
// of a killed editor from being offered for as long as it runs.
TEST(RecoveryRuns, TheLockIsNotInheritedByChildPrograms)
{
    TempFolder dir;
    const std::string root = dir.file("recovery");
    auto run = std::make_unique<RecoveryRun>(root);
    writeRecoveryEntry(run->folder(), "doc1", sampleMeta(std::nullopt, "u"), "t");
    pid_t child = 0;
    char sleepName[] = "sleep";
    char seconds[] = "30";
    char* argv[] = {sleepName, seconds, nullptr};
    ASSERT_EQ(::posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
    run.reset();
    const RecoveryClaim claim(root, std::string());
    EXPECT_EQ(claim.entries().size(), 1u);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

TEST(RecoveryRuns, RunsStartedAtOnceGetFoldersOfTheirOwn)
{
    TempFolder dir;
    std::vector<std::unique_ptr<RecoveryRun>> runs;
    std::set<std::string> folders;
    for (int i = 0; i < 5; ++i) {
        runs.push_back(std::make_unique<RecoveryRun>(dir.file("recovery")));
        folders.insert(runs.back()->folder());
    }
    EXPECT_EQ(folders.size(), 5u);
    EXPECT_EQ(namesIn(dir.file("recovery")).size(), 5u); // no half-made folder left
    for (const std::string& f : folders)
        EXPECT_EQ(namesIn(f), std::set<std::string>{"lock"});
}

TEST(RecoveryRuns, AFolderThatCannotBeMadeIsReported)
{
    TempFolder dir;
    dir.write("file", "x");
    EXPECT_THROW(RecoveryRun(dir.file("file/recovery")), zuk::IoError);
}

TEST(RecoveryWriter, TheNewestRequestOfAnEntryWinsAndFailuresAreReported)
{
    TempFolder dir;
    std::vector<std::string> failures;
    std::mutex failuresMutex;
    {
        RecoveryWriter writer(dir.path(), [&](const std::string& id, const zuk::ZukError& e) {
            const std::lock_guard<std::mutex> lock(failuresMutex);
            failures.push_back(id + ": " + e.what());
        });
        for (int i = 0; i < 200; ++i)
            writer.write("doc1", sampleMeta(std::nullopt, "u"), "text " + std::to_string(i));
        writer.write("doc2", sampleMeta(std::nullopt, "v"), "other");
        writer.waitIdle();
        EXPECT_LE(writer.doneCount(), 201u);
        RecoveryScan scan = scanRecoveryFolder(dir.path());
        ASSERT_EQ(scan.entries.size(), 2u);
        for (const RecoveryEntry& e : scan.entries)
            EXPECT_EQ(readRecoveryText(e), e.id == "doc1" ? "text 199" : "other");

        // A removal after a write leaves nothing, a write after a removal the text.
        writer.write("doc1", sampleMeta(std::nullopt, "u"), "late");
        writer.remove("doc1");
        writer.remove("doc2");
        writer.write("doc2", sampleMeta(std::nullopt, "v"), "back");
        writer.waitIdle();
        scan = scanRecoveryFolder(dir.path());
        EXPECT_EQ(idsOf(scan.entries), std::vector<std::string>{"doc2"});
        EXPECT_EQ(namesIn(dir.path()).size(), 2u);
        EXPECT_TRUE(failures.empty());
    }
    // What waits when the writer goes is still carried out; a folder that is
    // gone makes a failure, not a crash.
    {
        RecoveryWriter writer(dir.file("missing"),
                              [&](const std::string& id, const zuk::ZukError& e) {
                                  const std::lock_guard<std::mutex> lock(failuresMutex);
                                  failures.push_back(id + ": " + e.what());
                              });
        writer.write("doc3", sampleMeta(std::nullopt, "w"), "lost");
    }
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("doc3: "), std::string::npos);
    EXPECT_NE(failures[0].find("missing"), std::string::npos) << failures[0];
}
