// The picture-size reader on hand-made headers: every format, every header
// cut at every byte, and the damaged forms that once looped or misread.

#include "html/imgtag.h"
#include "html/picturesize.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

using namespace zuk::html;

namespace {

std::string be16(unsigned v)
{
    return {char(v >> 8), char(v & 0xFF)};
}
std::string be32(unsigned v)
{
    return be16(v >> 16) + be16(v & 0xFFFF);
}
std::string le16(unsigned v)
{
    return {char(v & 0xFF), char(v >> 8)};
}
std::string le32(unsigned v)
{
    return le16(v & 0xFFFF) + le16(v >> 16);
}

std::string jpeg(unsigned w, unsigned h, const std::string& before = {}, char sof = '\xC0')
{
    const std::string app0 =
        "\xFF\xE0" + be16(16) + std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
    return "\xFF\xD8" + app0 + before + "\xFF" + sof + be16(17) + "\x08" + be16(h) + be16(w) +
           "\x03" + std::string(9, '\x11') + "\xFF\xDA" + be16(12) + std::string(10, '\0') +
           "\xFF\xD9";
}

std::string png(unsigned w, unsigned h, const char* signature = "\x89PNG\r\n\x1a\n",
                const char* type = "IHDR", unsigned length = 13)
{
    return std::string(signature, 8) + be32(length) + type + be32(w) + be32(h) +
           std::string("\x08\x02\0\0\0", 5) + be32(0);
}

std::string gif(unsigned w, unsigned h, const std::string& blocks = {})
{
    return "GIF89a" + le16(w) + le16(h) + "\x80" + std::string("\0\0", 2) + std::string(6, '\0') +
           blocks + "," + std::string(4, '\0') + le16(w) + le16(h) +
           std::string("\0\x02\x02\x44\x01\0;", 7);
}

std::string bmp(int w, int h)
{
    return "BM" + le32(0) + le32(0) + le32(54) + le32(40) + le32(unsigned(w)) + le32(unsigned(h)) +
           le16(1) + le16(24) + std::string(24, '\0');
}

using Size = std::optional<PictureSize>;

} // namespace

TEST(PictureSize, ReadsEveryFormatAndSurvivesEveryCut)
{
    struct Case {
        const char* name;
        std::string bytes;
        Size size;
    };
    const Case cases[] = {
        {"jpeg", jpeg(300, 200), PictureSize{300, 200}},
        {"progressive jpeg", jpeg(7000, 7150, {}, '\xC2'), PictureSize{7000, 7150}},
        {"jpeg with fill bytes and restart markers",
         jpeg(1, 2, "\xFF\xFF\xFF\xD0\xFF\x01\xFF\xFE" + be16(4) + "hi"), PictureSize{1, 2}},
        {"png 32-bit", png(70000, 3), PictureSize{70000, 3}},
        {"gif", gif(5, 4), PictureSize{5, 4}},
        {"bmp top-down", bmp(640, -480), PictureSize{640, 480}},
        {"bmp core header", "BM" + le32(0) + le32(0) + le32(26) + le32(12) + le16(33) + le16(44),
         PictureSize{33, 44}},
        {"mng", png(320, 240, "\x8aMNG\r\n\x1a\n", "MHDR", 28), PictureSize{320, 240}},
        {"jng", png(64, 48, "\x8bJNG\r\n\x1a\n", "JHDR", 16), PictureSize{64, 48}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pictureSizeOfBytes(c.bytes), c.size) << c.name;
        // Cut at every byte: nothing, until the size is there, then always it.
        Size seen;
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            const Size got = pictureSizeOfBytes(std::string_view(c.bytes).substr(0, cut));
            if (seen) {
                EXPECT_EQ(got, seen) << c.name << " cut at " << cut;
            } else if (got) {
                EXPECT_EQ(got, c.size) << c.name << " cut at " << cut;
            }
            seen = got;
        }
    }
}

TEST(PictureSize, DamagedHeadersGiveNoSize)
{
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"jpeg segment length 0", "\xFF\xD8\xFF\xE0" + be16(0) + jpeg(1, 1).substr(2)},
        {"jpeg segment length 1", "\xFF\xD8\xFF\xE1" + be16(1) + jpeg(1, 1).substr(2)},
        {"jpeg scan before any frame", "\xFF\xD8\xFF\xDA" + be16(4) + "xx"},
        {"jpeg zero height", jpeg(10, 0)},
        {"jpeg short frame header", "\xFF\xD8\xFF\xC0" + be16(5) + "\x08" + be16(1) + be16(1)},
        {"jpeg garbage between segments", std::string("\xFF\xD8\0\0", 4) + jpeg(1, 1).substr(2)},
        {"png wrong signature", png(1, 1, "\x89PNG\r\n\x1a\x0b")},
        {"png first chunk not IHDR", png(1, 1, "\x89PNG\r\n\x1a\n", "IDAT")},
        {"png IHDR of a wrong length", png(1, 1, "\x89PNG\r\n\x1a\n", "IHDR", 12)},
        {"png width beyond 2^31", png(0x80000000u, 1)},
        {"gif zero width", gif(0, 4)},
        {"bmp zero width", bmp(0, 4)},
        {"unknown", "hello world, this is no picture at all"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pictureSizeOfBytes(c.bytes), std::nullopt) << c.name;

    // Thousands of empty segments end the walk instead of reading on and on.
    std::string many = "\xFF\xD8";
    for (int i = 0; i < 5000; ++i)
        many += "\xFF\xFE" + be16(2);
    EXPECT_EQ(pictureSizeOfBytes(many + jpeg(1, 1).substr(2)), std::nullopt);
}

TEST(PictureSize, GifSizeComesFromTheLogicalScreen)
{
    // A comment whose text holds a comma and what looks like a descriptor:
    // reading up to the first comma would give 99 × 99.
    const std::string comment =
        "\x21\xFE\x0A," + le16(0) + le16(0) + le16(99) + le16(99) + "!" + std::string(1, '\0');
    EXPECT_EQ(pictureSizeOfBytes(gif(5, 4, comment)), (PictureSize{5, 4}));
}

TEST(ImgTag, SourcePathsCompareWholeComponents)
{
    struct Case {
        const char *document, *picture, *source;
    };
    const Case cases[] = {
        {"/site/page.htm", "/site/a.gif", "a.gif"},
        {"/site/page.htm", "/site/img/a.gif", "img/a.gif"},
        {"/site/page.htm", "/site2/a.gif", "../site2/a.gif"},
        {"/site/sub/page.htm", "/site/x/y/a.gif", "../x/y/a.gif"},
        {"/site/a/b/page.htm", "/pics/a.gif", "../../../pics/a.gif"},
        {"/Site/page.htm", "/site/a.gif", "../site/a.gif"},
        {"", "/site/img/a.gif", "a.gif"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureSource(c.document, c.picture), c.source) << c.document << " " << c.picture;
}

TEST(ImgTag, TagsWithSizeEscapedNamesAndUnknownKinds)
{
    zuk::testing::TempFolder dir;
    dir.write("pics/a\"&b.png", png(300, 200));
    dir.write("pics/broken.jpg", "not a jpeg");
    dir.write("notes.txt", "text");
    const std::string page = dir.file("page.htm");
    EXPECT_EQ(ImgTagForFile(page, dir.file("pics/a\"&b.png")),
              "<img src=\"pics/a&quot;&amp;b.png\" width=\"300\" height=\"200\" border=\"0\" "
              "alt=\"a&quot;&amp;b.png\">");
    EXPECT_EQ(
        ImgTagForFile(page, dir.file("pics/broken.jpg")),
        "<img src=\"pics/broken.jpg\" width=\"\" height=\"\" border=\"0\" alt=\"broken.jpg\">");
    EXPECT_EQ(ImgTagForFile(page, dir.file("notes.txt")),
              "<img src=\"notes.txt\" width=\"\" height=\"\" border=\"0\" alt=\"\">");
    EXPECT_EQ(ImgTagForFile(page, dir.file("gone.gif")),
              "<img src=\"gone.gif\" width=\"\" height=\"\" border=\"0\" alt=\"gone.gif\">");
    EXPECT_TRUE(isPictureName("/x/A.JPEG"));
    EXPECT_FALSE(isPictureName("/x.gif/readme"));
    EXPECT_FALSE(pictureSizeOfFile(dir.path())); // a folder is no picture
}
