#include "editor/threadedfeed.h"

#include <gtest/gtest.h>

#include <new>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace zuk::editor;
using zuk::codepages::CodePage;

namespace {

// Russian words in Windows-1251 with every kind of line break, a few lines
// long enough to be cut, and blanks at cut points.
std::string sampleText(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    const std::vector<std::string> pieces = {"\xcf\xf0\xe8\xe2\xe5\xf2",
                                             " ",
                                             "\xec\xe8\xf0",
                                             "\r\n",
                                             "\n",
                                             "\r",
                                             "abc",
                                             "\t",
                                             "\x97",
                                             "\xab\xbb",
                                             std::string(12000, '\xe0'),
                                             "  "};
    std::string text;
    while (text.size() < size) {
        const std::size_t i = random() % pieces.size();
        // The long run now and then only.
        if (pieces[i].size() > 100 && random() % 50 != 0)
            continue;
        text += pieces[i];
    }
    return text;
}

struct Fed {
    std::string text;
    std::size_t size = 0;
    std::size_t softBreaks = 0;
};

template <typename Feed> Fed feedInBlocks(const std::string& text, std::size_t block, Feed& feed)
{
    for (std::size_t at = 0; at < text.size(); at += block)
        feed.put(std::string_view(text).substr(at, block));
    feed.finish();
    return {{}, feed.size(), feed.softBreaks()};
}

} // namespace

// The same text as the feed on one thread, piece for piece in the same order,
// whatever the blocks, with the same size and soft breaks counted; enough
// text that both queues fill and the two threads wait on each other.
TEST(ThreadedControlFeed, GivesWhatTheFeedGivesOnOneThread)
{
    for (CodePage cp : {CodePage::Win, CodePage::Dos}) {
        const std::string text = sampleText(12u << 20, 7);
        for (std::size_t block : {std::size_t{1} << 20, std::size_t{4093}, text.size()}) {
            FeedOptions options;
            std::string expected;
            ControlFeed plain(cp, options, [&](std::string_view s) { expected += s; });
            const Fed one = feedInBlocks(text, block, plain);

            std::string got;
            std::size_t pieces = 0;
            ThreadedControlFeed threaded(cp, options, [&](std::string_view s) {
                got += s;
                ++pieces;
            });
            const Fed two = feedInBlocks(text, block, threaded);
            ASSERT_EQ(got, expected) << "block " << block;
            EXPECT_EQ(two.size, one.size);
            EXPECT_EQ(two.softBreaks, one.softBreaks);
            EXPECT_GT(two.softBreaks, 0u);
            EXPECT_GT(pieces, 1u);
        }
    }
    // Nothing at all.
    std::string got = "untouched";
    ThreadedControlFeed empty(CodePage::Win, FeedOptions{}, [&](std::string_view s) { got += s; });
    empty.finish();
    EXPECT_EQ(got, "untouched");
    EXPECT_EQ(empty.size(), 0u);
}

// A reader that fails half way, or a sink that throws, leaves the feed
// unfinished: it stops its worker and goes away without waiting for more.
TEST(ThreadedControlFeed, StopsItsWorkerWhenLeftUnfinished)
{
    const std::string text = sampleText(16u << 20, 3);
    {
        ThreadedControlFeed feed(CodePage::Win, FeedOptions{}, [](std::string_view) {});
        feed.put(std::string_view(text).substr(0, 8u << 20));
    }
    int calls = 0;
    EXPECT_THROW(
        {
            ThreadedControlFeed feed(CodePage::Win, FeedOptions{}, [&](std::string_view) {
                if (++calls == 3)
                    throw std::runtime_error("control refused the text");
            });
            for (std::size_t at = 0; at < text.size(); at += 1u << 20)
                feed.put(std::string_view(text).substr(at, 1u << 20));
            feed.finish();
        },
        std::runtime_error);
    EXPECT_EQ(calls, 3);
}
