#include "codepages/charsets.h"
#include "codepages/transcoders.h"
#include "editor/fileload.h"

#include <gtest/gtest.h>

#include <string>

using namespace zuk::editor;
using zuk::codepages::CodePage;
using zuk::codepages::FileEncoding;
using zuk::codepages::LineBreak;

namespace {

std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}

FileLoadPlan scanInBlocks(std::string_view file, const FileLoadOptions& options, std::size_t block)
{
    FileLoadScan scan(file.substr(0, 256), options);
    for (std::size_t at = 0; at < file.size(); at += block)
        scan.put(file.substr(at, block));
    return scan.finish();
}

// The size the control gets from the second reading, as the control counts it.
std::size_t fedSize(std::string_view file, const FileLoadPlan& plan)
{
    ControlFeed count(plan.codePage, fileFeedOptions());
    FileLoadReader reader(plan, [&count](std::string_view bytes) { count.put(bytes); });
    reader.put(file);
    reader.finish();
    count.finish();
    return count.size();
}

} // namespace

// What a file opens as, whatever blocks it is read in; the size counted in the
// first reading is the size the second one feeds the control.
TEST(FileLoad, FilesOpenAsWhatTheyAre)
{
    const std::string koi =
        zuk::codepages::transcode(win("Привет, мир"), CodePage::Win, CodePage::Koi);
    const struct {
        const char* what;
        std::string file;
        bool unicodeOnOpen;
        CodePage detected;
        FileEncoding encoding, refused;
        bool malformed;
        CodePage codePage;
        std::string text; // the document's bytes
    } rows[] = {
        {"UTF-8 Russian", "Привет, мир\r\n", true, CodePage::Win, FileEncoding::Utf8,
         FileEncoding::CodePage, false, CodePage::Win, win("Привет, мир\r\n")},
        {"UTF-8, the detector's guess unasked", "Привет", true, CodePage::Koi, FileEncoding::Utf8,
         FileEncoding::CodePage, false, CodePage::Win, win("Привет")},
        {"UTF-8 with a mark", "\xEF\xBB\xBFмир", true, CodePage::Win, FileEncoding::Utf8Bom,
         FileEncoding::CodePage, false, CodePage::Win, win("мир")},
        {"a mark needs no setting", "\xEF\xBB\xBFмир", false, CodePage::Win, FileEncoding::Utf8Bom,
         FileEncoding::CodePage, false, CodePage::Win, win("мир")},
        {"UTF-8 unasked", "мир", false, CodePage::Win, FileEncoding::CodePage,
         FileEncoding::CodePage, false, CodePage::Win, "мир"},
        {"UTF-16 LE", std::string("\xFF\xFE\x3C\x04\x38\x04\x40\x04", 8), true, CodePage::Win,
         FileEncoding::Utf16Le, FileEncoding::CodePage, false, CodePage::Win, win("мир")},
        {"UTF-16 BE", std::string("\xFE\xFF\x04\x3C\x04\x38\x04\x40", 8), true, CodePage::Win,
         FileEncoding::Utf16Be, FileEncoding::CodePage, false, CodePage::Win, win("мир")},
        {"ASCII stays a code-page file", "plain text\n", true, CodePage::Win,
         FileEncoding::CodePage, FileEncoding::CodePage, false, CodePage::Win, "plain text\n"},
        {"KOI8-R as detected", koi, true, CodePage::Koi, FileEncoding::CodePage,
         FileEncoding::CodePage, false, CodePage::Koi, koi},
        {"CJK opens raw in win", "漢字 и мир", true, CodePage::Koi, FileEncoding::CodePage,
         FileEncoding::Utf8, false, CodePage::Win, "漢字 и мир"},
        {"broken after its mark", "\xEF\xBB\xBFмир\xFF", true, CodePage::Win,
         FileEncoding::CodePage, FileEncoding::Utf8Bom, true, CodePage::Win, "\xEF\xBB\xBFмир\xFF"},
        {"UTF-16 with an emoji", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), true, CodePage::Win,
         FileEncoding::CodePage, FileEncoding::Utf16Le, false, CodePage::Win,
         std::string("\xFF\xFE\x3D\xD8", 4)},
        {"broken UTF-8 is no UTF-8", "мир\xC0 и всё", true, CodePage::Win, FileEncoding::CodePage,
         FileEncoding::CodePage, false, CodePage::Win, "мир\xC0 и всё"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FileLoadOptions options;
        options.unicodeOnOpen = row.unicodeOnOpen;
        options.codePage = row.detected;
        const FileLoadPlan plan = planFile(row.file, options);
        EXPECT_EQ(plan.encoding, row.encoding);
        EXPECT_EQ(plan.refused, row.refused);
        EXPECT_EQ(plan.refusedMalformed, row.malformed);
        EXPECT_EQ(plan.codePage, row.codePage);
        EXPECT_EQ(documentBytes(row.file, plan), row.text);
        for (std::size_t block : {1, 2, 3, 5}) {
            const FileLoadPlan inBlocks = scanInBlocks(row.file, options, block);
            EXPECT_EQ(inBlocks.encoding, plan.encoding) << block;
            EXPECT_EQ(inBlocks.refused, plan.refused) << block;
            EXPECT_EQ(inBlocks.controlSize, plan.controlSize) << block;
        }
        // Counted in the code page finally chosen, or left to the control.
        if (plan.codePage == row.detected || plan.decodes()) {
            ASSERT_TRUE(plan.controlSize);
        }
        if (plan.controlSize) {
            EXPECT_EQ(*plan.controlSize, fedSize(row.file, plan));
        }
    }
}

TEST(FileLoad, TheFirstBreakDecidesTheStyle)
{
    const struct {
        std::string file;
        LineBreak expected;
    } rows[] = {
        {"а\nб\r\n", LineBreak::Lf},
        {"а\r\nб\n", LineBreak::CrLf},
        {"а\rб\r\n", LineBreak::Cr},
        {"а", LineBreak::CrLf},
        {"а\r", LineBreak::Cr},
        {"а\r\n", LineBreak::CrLf},
        {"a\nb", LineBreak::Lf},
        {"a\rb", LineBreak::Cr},
        {std::string("a\0\n", 3), LineBreak::CrLf}, // after the NUL is no text
    };
    for (const auto& row : rows) {
        for (std::size_t block : {1, 2, 64}) {
            const FileLoadPlan plan = scanInBlocks(row.file, {}, block);
            EXPECT_EQ(plan.lineBreak, row.expected) << row.file << " in blocks of " << block;
        }
    }
    // In UTF-16 the break is read from the characters, not the bytes.
    const std::string u16("\xFF\xFE\x61\x00\x0A\x00\x62\x00\x0D\x00\x0A\x00", 12);
    EXPECT_EQ(planFile(u16, {}).lineBreak, LineBreak::Lf);
}

TEST(FileLoad, QuestionMarksAndTheNulAreCountedInTheText)
{
    const FileLoadPlan plan = planFile(std::string("Что? Где?\0?", 17), {});
    EXPECT_EQ(plan.encoding, FileEncoding::Utf8);
    EXPECT_EQ(plan.questionMarks, 2u);
    ASSERT_TRUE(plan.nulAt);
    EXPECT_EQ(*plan.nulAt, 15u);
    EXPECT_EQ(plan.fileBytes, 17u);
    // UTF-16: the offset of the U+0000 unit in the file.
    const FileLoadPlan u16 = planFile(std::string("\xFE\xFF\x00?\x00\x00\x00?", 8), {});
    EXPECT_EQ(u16.questionMarks, 1u);
    ASSERT_TRUE(u16.nulAt);
    EXPECT_EQ(*u16.nulAt, 4u);
}

// A big block is decoded slice by slice: letters cut at a slice's end, and a
// fault far into the block, read the same as in small blocks.
TEST(FileLoad, BigBlocksReadAsSmallOnes)
{
    std::string utf8 = "a"; // every two-byte letter straddles 64 KiB bounds
    while (utf8.size() < 200 * 1024)
        utf8 += (utf8.size() % 64 == 0) ? "\r\n" : "ж";
    std::string broken = utf8;
    broken[150 * 1024] = '\xFF';
    FileLoadOptions options;
    options.unicodeOnOpen = true;
    for (const std::string* file : {&utf8, &broken}) {
        const FileLoadPlan small = scanInBlocks(*file, options, 4096);
        const FileLoadPlan whole = scanInBlocks(*file, options, file->size());
        EXPECT_EQ(whole.encoding, small.encoding);
        EXPECT_EQ(whole.lineBreak, small.lineBreak);
        EXPECT_EQ(whole.controlSize, small.controlSize);
        ASSERT_TRUE(whole.controlSize);
        EXPECT_EQ(*whole.controlSize, fedSize(*file, whole));
    }
    EXPECT_EQ(scanInBlocks(utf8, options, utf8.size()).encoding, FileEncoding::Utf8);
    EXPECT_EQ(scanInBlocks(broken, options, broken.size()).encoding, FileEncoding::CodePage);
}
