#include <gtest/gtest.h>

#include <random>

#include "codepages/charsets.h"
#include "editor/controlfeed.h"
#include "editor/doctext.h"

using namespace zuk::editor;
using zuk::codepages::CodePage;

namespace {

// The feed's output for `text` handed over in blocks of the given sizes
// (cycled), checked against the size the counting feed predicts.
std::string feed(std::string_view text, const FeedOptions& options, std::vector<size_t> blocks = {},
                 CodePage cp = CodePage::Win, size_t* softBreaks = nullptr)
{
    if (blocks.empty())
        blocks.push_back(text.size() + 1);
    auto run = [&](ControlFeed& f) {
        size_t at = 0;
        for (size_t i = 0; at < text.size(); ++i) {
            const size_t n = std::min(blocks[i % blocks.size()], text.size() - at);
            f.put(text.substr(at, n));
            at += n;
        }
        f.finish();
    };
    ControlFeed counter(cp, options);
    run(counter);
    std::string out;
    ControlFeed writer(cp, options, [&out](std::string_view s) { out += s; });
    run(writer);
    EXPECT_EQ(counter.size(), out.size());
    EXPECT_EQ(writer.size(), out.size());
    EXPECT_EQ(counter.softBreaks(), writer.softBreaks());
    if (softBreaks)
        *softBreaks = writer.softBreaks();
    return out;
}

FeedOptions options(size_t longLine, size_t partLength = 0)
{
    FeedOptions o;
    o.longLine = longLine;
    o.partLength = partLength;
    o.chunk = 16;
    return o;
}

std::string randomText(std::mt19937& rng, size_t n)
{
    static const char alphabet[] = "ab \r\n\r\n\xe0\xff\x98\t\0";
    std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 2);
    std::string s(n, ' ');
    for (char& c : s)
        c = alphabet[pick(rng)];
    return s;
}

} // namespace

TEST(ControlFeed, GivesTheControlFormWhateverTheBlocks)
{
    const FeedOptions plain = options(0);
    EXPECT_EQ(feed("", plain), "");
    EXPECT_EQ(feed("a\r\nb\r\n", plain), "a\r\nb");
    EXPECT_EQ(feed("a\n\nb\r", plain), "a\r\n\r\nb");
    EXPECT_EQ(feed("\xcf\xf0\xe8\r", plain), "\xd0\x9f\xd1\x80\xd0\xb8");
    // A CR LF cut apart by the blocks is still one break.
    EXPECT_EQ(feed("a\r\nb\r\nc", plain, {2}), "a\r\nb\r\nc");
    EXPECT_EQ(feed("a\r\r\n", plain, {2}), "a\r\n");

    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const std::string text = randomText(rng, rng() % 200);
        const std::vector<size_t> blocks{1 + rng() % 7, 1 + rng() % 40};
        const std::string expected =
            zuk::codepages::decodeToUtf8(toControlForm(text), CodePage::Koi);
        ASSERT_EQ(feed(text, plain, blocks, CodePage::Koi), expected) << round;
        // A file: its first NUL ends the text.
        FeedOptions file = plain;
        file.stopAtNul = true;
        const std::string head = text.substr(0, text.find('\0'));
        ASSERT_EQ(feed(text, file, blocks, CodePage::Koi),
                  zuk::codepages::decodeToUtf8(toControlForm(head), CodePage::Koi))
            << round;
        // Text already in the control's form keeps a final (empty) line.
        FeedOptions control = plain;
        control.dropFinalBreak = false;
        ASSERT_EQ(feed(text, control, blocks, CodePage::Koi),
                  zuk::codepages::decodeToUtf8(normalizeBreaks(text), CodePage::Koi))
            << round;
    }
}

TEST(ControlFeed, CutsLongLinesIntoPartsThatReadBackUnchanged)
{
    const FeedOptions cutting = options(40, 16);
    size_t soft = 0;
    // Lines up to the limit stay whole, also when the blocks cut them.
    const std::string forty(40, 'x');
    EXPECT_EQ(feed(forty + "\r\n" + forty, cutting, {7}, CodePage::Win, &soft),
              forty + "\r\n" + forty);
    EXPECT_EQ(soft, 0u);
    // One more byte and the line goes out in parts, each ended after its
    // last blank near the cut.
    const std::string words = std::string(12, 'a') + " " + std::string(28, 'b');
    EXPECT_EQ(feed(words, cutting, {3}, CodePage::Win, &soft),
              std::string(12, 'a') + " \n" + std::string(16, 'b') + "\n" + std::string(12, 'b'));
    EXPECT_EQ(soft, 2u);
    // No blank near the cut: exactly at the part length.
    EXPECT_EQ(feed(std::string(41, 'z'), cutting, {}, CodePage::Win, &soft),
              std::string(16, 'z') + "\n" + std::string(16, 'z') + "\n" + std::string(9, 'z'));
    EXPECT_EQ(soft, 2u);

    std::mt19937 rng(11);
    for (int round = 0; round < 200; ++round) {
        std::string text = randomText(rng, rng() % 50);
        text +=
            std::string(rng() % 300, 'q') + (rng() % 2 ? " w " : "") + std::string(rng() % 90, 'e');
        text += randomText(rng, rng() % 50);
        const std::string out = feed(text, cutting, {1 + rng() % 64}, CodePage::Win, &soft);
        std::string back = zuk::codepages::encodeFromUtf8(out, CodePage::Win);
        // A line is cut only when it is longer than the limit, and then into
        // parts no longer than the part length.
        size_t cutLines = 0;
        size_t at = 0;
        while (at <= back.size()) {
            size_t lineEnd = back.find("\r\n", at);
            if (lineEnd == std::string::npos)
                lineEnd = back.size();
            const std::string line = back.substr(at, lineEnd - at);
            std::string whole = line;
            dropSoftBreaks(whole);
            const bool cut = whole.size() != line.size();
            ASSERT_EQ(cut, whole.size() > 40) << round;
            if (cut) {
                ++cutLines;
                size_t part = 0;
                for (char c : line) {
                    part = c == '\n' ? 0 : part + 1;
                    ASSERT_LE(part, 16u) << round;
                }
            }
            at = lineEnd + 2;
        }
        ASSERT_EQ(soft > 0, cutLines > 0) << round;
        dropSoftBreaks(back);
        ASSERT_EQ(back, toControlForm(text)) << round;
    }
}

TEST(ControlFeed, DropSoftBreaksKeepsRealBreaks)
{
    std::string s = "a\nb\r\nc\n\nd\r\n";
    dropSoftBreaks(s);
    EXPECT_EQ(s, "ab\r\ncd\r\n");
    s = "\n";
    dropSoftBreaks(s);
    EXPECT_EQ(s, "");
    s = "plain";
    dropSoftBreaks(s);
    EXPECT_EQ(s, "plain");
}
