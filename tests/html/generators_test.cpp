// The generators of HTML: the gradient's exact rounding, the table wizard's
// markup and the gallery's names, table, page and thumbnail placement.

#include "base/zukerror.h"
#include "html/generators.h"

#include <gtest/gtest.h>

using namespace zuk::html;

namespace {

// The colours of a gradient's font tags, in order.
std::vector<std::string> colours(const std::string& html)
{
    std::vector<std::string> out;
    for (std::size_t at = html.find("#"); at != std::string::npos; at = html.find("#", at + 1))
        out.push_back(html.substr(at + 1, 6));
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(Gradient, RoundsExactlyHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(29 * 7, 14), 14); // 14.5: floating point makes it 15
    EXPECT_EQ(roundHalfEven(5, 2), 2);
    EXPECT_EQ(roundHalfEven(7, 2), 4);
    EXPECT_EQ(roundHalfEven(-255, 2), -128);
    EXPECT_EQ(roundHalfEven(-5, 2), -2);
    EXPECT_EQ(roundHalfEven(-7, 3), -2);

    const std::string fourteen(14, 'x');
    const Lines c = colours(TextGradient(fourteen, {0, 0, 0}, {0, 0, 0x1D}));
    ASSERT_EQ(c.size(), 14u);
    EXPECT_EQ(c[6], "00000E");
    EXPECT_EQ(c[13], "00001D");
}

TEST(Gradient, WrapsEveryCharacterFromOneColourToTheOther)
{
    EXPECT_EQ(TextGradient("ab", {0, 0, 0}, {255, 255, 255}),
              "<font color=\"#808080\">a</font><font color=\"#FFFFFF\">b</font>");
    EXPECT_EQ(TextGradient("z", {1, 2, 3}, {4, 5, 6}), "<font color=\"#040506\">z</font>");
    EXPECT_EQ(colours(TextGradient("ab", {255, 0, 0}, {0, 0, 0})), (Lines{"7F0000", "000000"}));
    EXPECT_EQ(TextGradient("", {0, 0, 0}, {255, 255, 255}), "");
    // CR LF is one character and stays together.
    const std::string lines = TextGradient("a\r\nb", {0, 0, 0}, {3, 3, 3});
    EXPECT_NE(lines.find("<font color=\"#020202\">\r\n</font>"), std::string::npos);
    EXPECT_EQ(colours(lines).size(), 3u);
    EXPECT_THROW(TextGradient(std::string(MaxGradientText + 1, 'x'), {}, {}), zuk::FormatError);
}

TEST(TableWizard, MarkupOfPlainAndSetCells)
{
    const std::vector<std::vector<TableCell>> plain(2, std::vector<TableCell>(2));
    EXPECT_EQ(TableMarkup(plain), (Lines{"<table>", "<tr>", "<td></td>", "<td></td>", "</tr>",
                                         "<tr>", "<td></td>", "<td></td>", "</tr>", "</table>"}));
    std::vector<std::vector<TableCell>> set(1, std::vector<TableCell>(3));
    set[0][0] = {"clicked", TCCInfo{}};
    set[0][1] = {"red", TCCInfo{"50", "", "FF0000"}};
    set[0][2] = {"<b>all</b>", TCCInfo{"1\"", "2", "00FF00"}};
    const Lines lines = TableMarkup(set);
    EXPECT_EQ(lines[2], "<td >clicked</td>");
    EXPECT_EQ(lines[3], "<td width=\"50\" bgcolor=\"FF0000\" >red</td>");
    EXPECT_EQ(lines[4], "<td width=\"1&quot;\" height=\"2\" bgcolor=\"00FF00\" ><b>all</b></td>");
}

TEST(Gallery, NamesCellsAndRows)
{
    EXPECT_EQ(thumbnailName("a.gif"), "thm_a.gif.jpg");
    EXPECT_NE(thumbnailName("a.gif"), thumbnailName("a.png"));
    EXPECT_EQ(galleryCell("a\"&.png", 150, 100),
              "<td><a href=\"a&quot;&amp;.png\"><img src=\"thm_a&quot;&amp;.png.jpg\" "
              "width=\"150\" height=\"100\" border=\"0\" alt=\"a&quot;&amp;.png\"></a></td>");

    const Lines table = galleryTable({"1", "2", "3", "4", "5"}, 3);
    EXPECT_EQ(table, (Lines{"<table>", "<tr>", "1", "2", "3", "</tr>", "<tr>", "4", "5", "</tr>",
                            "</table>"}));
    EXPECT_EQ(galleryTable({}, 3), (Lines{"<table>", "</table>"}));

    for (const char* bad : {"", ".", "..", "../x.htm", "sub/x.htm", "/etc/x"})
        EXPECT_FALSE(isPlainFileName(bad)) << bad;
    EXPECT_TRUE(isPlainFileName("gallery.htm"));
    EXPECT_TRUE(isPlainFileName("..hidden"));
}

TEST(Gallery, PagePlaceholdersAreReplacedOnce)
{
    EXPECT_EQ(galleryPage("<title>$%TITLE</title>$%PROCESSED_TEXT$%X$%TITLE", "T $%TITLE", "G"),
              "<title>G</title>T $%TITLE$%XG");
    EXPECT_EQ(galleryPage("no places", "t", "g"), "no places");
}

TEST(Gallery, ThumbnailPlacement)
{
    struct Case {
        int w, h, W, H;
        ThumbnailPlacement p;
    };
    const Case cases[] = {
        {50, 30, 150, 100, {50, 35, 50, 30}},     // smaller: unscaled, centred
        {300, 100, 150, 100, {0, 25, 150, 50}},   // wider than high: the box's width
        {100, 300, 150, 100, {58, 0, 33, 100}},   // 33.3 wide, at 58.5 -> 58
        {1000, 1, 150, 100, {0, 50, 150, 1}},     // never below one pixel; 49.5 -> 50
        {200, 190, 150, 100, {0, -21, 150, 142}}, // 142.5 -> 142; the rest cut off
    };
    for (const Case& c : cases) {
        const ThumbnailPlacement p = placeThumbnail(c.w, c.h, c.W, c.H);
        EXPECT_EQ((std::vector<int>{p.x, p.y, p.width, p.height}),
                  (std::vector<int>{c.p.x, c.p.y, c.p.width, c.p.height}))
            << c.w << "x" << c.h;
    }
}
