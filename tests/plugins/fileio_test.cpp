#include "plugins/cbasicfileio.h"
#include "plugins/cfioint.h"

#include "base/zukerror.h"
#include "io/linesfile.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

using zuk::plugins::AFILEIO;
using zuk::plugins::CFIOINT;
using zuk::testing::TempFolder;

namespace {

TEST(FileIoEngine, FindsOnlyThePlainTextModuleWhateverTheCase)
{
    CFIOINT engine;
    ASSERT_EQ(engine.Modules().size(), 1u);
    AFILEIO* module = engine.FindModule("std_txt");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(engine.FindModule("STD_TXT"), module);
    EXPECT_EQ(engine.FindModule("Std_Txt"), module);
    for (const char* other : {"", "std", "std_txt ", "rtf", "std_txt2"})
        EXPECT_EQ(engine.FindModule(other), nullptr) << other;
    EXPECT_TRUE(CFIOINT::Supports(*module, "STD_txt"));
    EXPECT_FALSE(CFIOINT::Supports(*module, "html"));
    EXPECT_EQ(module->Status, 0);
    EXPECT_TRUE(module->FileName.empty());
}

// File bytes -> the text Read yields -> the bytes Write puts back.
TEST(FileIoEngine, ReadAndWriteRoundTrips)
{
    struct Case {
        const char* name;
        std::string file;
        std::string text;
    } cases[] = {
        {"empty", "", ""},
        {"crlf", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"lf only", "a\nb\n", "a\r\nb\r\n"},
        {"cr only", "a\rb\r", "a\r\nb\r\n"},
        {"mixed", "a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd\r\n"},
        {"no final break", "a\r\nlast", "a\r\nlast\r\n"},
        {"lone break", "\n", "\r\n"},
        {"blank lines", "\n\n\r\n", "\r\n\r\n\r\n"},
        {"nul ends the text", std::string("ab\r\ncd\0ef\r\n", 11), "ab\r\ncd\r\n"},
        {"nul first", std::string("\0abc", 4), ""},
        {"high bytes kept", "\xcf\xf0\xe8\n\x98\xff", "\xcf\xf0\xe8\r\n\x98\xff\r\n"},
    };
    TempFolder dir;
    CFIOINT engine;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("in.txt", c.file);
        EXPECT_EQ(zuk::plugins::readDocumentFile(engine, dir.file("in.txt")), c.text);
        EXPECT_EQ(engine.FindModule("std_txt")->Status, AFILEIO::kDone);
        // Writing the original bytes cuts them the same way.
        zuk::plugins::writeDocumentFile(engine, dir.file("out.txt"), c.file);
        EXPECT_EQ(dir.read("out.txt"), c.text);
        zuk::plugins::writeDocumentFile(engine, dir.file("out.txt"), c.text);
        EXPECT_EQ(dir.read("out.txt"), c.text);
    }
}

TEST(FileIoEngine, NormalizeLeavesCanonicalTextAlone)
{
    using zuk::plugins::normalizeLineBreaks;
    EXPECT_EQ(normalizeLineBreaks("x\r\ny\r\n"), "x\r\ny\r\n");
    EXPECT_EQ(normalizeLineBreaks("x\r\ny"), "x\r\ny\r\n");
    EXPECT_EQ(normalizeLineBreaks("x\r"), "x\r\n");
    EXPECT_EQ(normalizeLineBreaks("\r\r\n"), "\r\n\r\n");
    EXPECT_EQ(normalizeLineBreaks("x\n\ry"), "x\r\n\r\ny\r\n");
    const std::string longLine(3 << 20, 'q');
    EXPECT_EQ(normalizeLineBreaks(longLine), longLine + "\r\n");
}

// The in-place widening against the plain line splitter, on random mixes of
// every kind of break.
TEST(FileIoEngine, NormalizeAgreesWithTheLineSplitter)
{
    std::mt19937 random(7);
    const char alphabet[] = {'a', '\r', '\n', '\r', '\n', 'b', '\0'};
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 40, ' ');
        for (char& c : bytes)
            c = alphabet[random() % (round % 2 ? 7 : 6)];
        std::string expected;
        for (const std::string& line : zuk::io::splitLines(bytes))
            expected += line + "\r\n";
        std::string spacious = bytes;
        spacious.reserve(bytes.size() * 2 + 2);
        EXPECT_EQ(zuk::plugins::normalizeLineBreaks(bytes), expected)
            << testing::PrintToString(bytes);
        EXPECT_EQ(zuk::plugins::normalizeLineBreaks(std::move(spacious)), expected);
    }
}

// Blocks of any size, read or written, give the bytes of the whole-text calls.
TEST(FileIoEngine, BlocksReadAndWriteLikeTheWholeText)
{
    TempFolder dir;
    CFIOINT engine;
    AFILEIO& module = *engine.FindModule("std_txt");
    std::mt19937 random(11);
    const char alphabet[] = {'a', '\r', '\n', '\r', '\n', 'b', '\0'};
    for (int round = 0; round < 150; ++round) {
        std::string bytes(random() % 60, ' ');
        for (char& c : bytes)
            c = alphabet[random() % (round % 3 ? 6 : 7)];
        const size_t blockSize = 1 + random() % 9;
        zuk::plugins::writeDocumentFile(engine, dir.file("whole.txt"), bytes);
        module.FileName = dir.file("blocks.txt");
        module.WriteBlocks(
            [&](const std::function<void(std::string_view)>& sink) {
                for (size_t at = 0; at < bytes.size(); at += blockSize)
                    sink(std::string_view(bytes).substr(at, blockSize));
            },
            "std_txt");
        ASSERT_EQ(dir.read("blocks.txt"), dir.read("whole.txt")) << testing::PrintToString(bytes);
    }
    // Reading in blocks hands over the stored bytes themselves.
    const std::string stored(3 << 20, 'r');
    dir.write("big.txt", stored + "\n");
    std::string read;
    size_t blocks = 0;
    zuk::plugins::readDocumentBlocks(engine, dir.file("big.txt"), [&](std::string_view block) {
        read += block;
        ++blocks;
    });
    EXPECT_EQ(read, stored + "\n");
    EXPECT_EQ(blocks, 4u);
    EXPECT_THROW(
        zuk::plugins::readDocumentBlocks(engine, dir.file("missing.txt"), [](std::string_view) {}),
        zuk::IoError);
}

TEST(FileIoEngine, FailuresKeepTheOldFileAndSayWhy)
{
    TempFolder dir;
    CFIOINT engine;
    AFILEIO* module = engine.FindModule("std_txt");

    module->FileName = dir.file("missing.txt");
    std::string text = "untouched";
    EXPECT_THROW(module->Read("std_txt", text), zuk::IoError);
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(module->Status, 0);

    module->FileName = dir.file("no/such/folder/a.txt");
    try {
        module->Write("x", "std_txt");
        FAIL() << "a write into a missing folder succeeded";
    } catch (const zuk::IoError& e) {
        EXPECT_NE(std::string(e.what()).find("a.txt"), std::string::npos) << e.what();
    }

    // A disk that fills up half-way: the old content survives, no temporary file stays.
    dir.write("doc.txt", "old\r\n");
    ::chmod(dir.file("doc.txt").c_str(), 0640);
    const std::size_t entries = dir.entryCount();
    {
        zuk::testing::FileSizeLimit limit(1000);
        EXPECT_THROW(
            zuk::plugins::writeDocumentFile(engine, dir.file("doc.txt"), std::string(5000, 'z')),
            zuk::IoError);
    }
    EXPECT_EQ(dir.read("doc.txt"), "old\r\n");
    EXPECT_EQ(dir.entryCount(), entries);

    // A successful write keeps the file's permissions.
    zuk::plugins::writeDocumentFile(engine, dir.file("doc.txt"), "new");
    EXPECT_EQ(dir.read("doc.txt"), "new\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("doc.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

} // namespace
