#include "editorfixture.h"

#include <string>
#include <string_view>

#include "editor/editortexts.h"
#include "editor/ui/editorlocalise.h"

using namespace zuk::editor;
using Sci = QsciScintillaBase;

namespace {

// Texts over a few kilobytes count as big while a test runs.
class SmallBigTextLimit {
public:
    explicit SmallBigTextLimit(long bytes) { TedControl::setBigTextLimit(bytes); }
    ~SmallBigTextLimit() { TedControl::setBigTextLimit(kBigText); }
    SmallBigTextLimit(const SmallBigTextLimit&) = delete;
    SmallBigTextLimit& operator=(const SmallBigTextLimit&) = delete;
};

// Some 6 KB of markup with Windows-1251 letters and tabs, every line CR LF.
std::string markup()
{
    std::string text;
    for (int i = 0; text.size() < 6000; ++i)
        text += "<p class=\"x\">\t\xCF\xF0\xE8\xE2\xE5\xF2 " + std::to_string(i) + "</p>\r\n";
    return text;
}

bool styleless(Ted* t)
{
    return (t->control()->SendScintilla(Sci::SCI_GETDOCUMENTOPTIONS) &
            Sci::SC_DOCUMENTOPTION_STYLES_NONE) != 0;
}

std::string written(Ted* t)
{
    std::string out;
    t->writeText([&out](std::string_view block) { out += block; });
    return out;
}

} // namespace

class StylelessFixture : public EditorFixture {
protected:
    // The text goes in as a file does: in blocks.
    Ted* load(const std::string& fileName, const std::string& text)
    {
        Ted* t = newDocument();
        m_editor->LoadFileBlocks(fileName, [&text](const auto& sink) {
            for (std::size_t at = 0; at < text.size(); at += 1000)
                sink(std::string_view(text).substr(at, 1000));
        });
        return t;
    }

    SmallBigTextLimit m_limit{2000};
};

TEST_F(StylelessFixture, BigPlainTextsLoadWithoutStylesAndOtherwiseAsBefore)
{
    const std::string text = markup();
    Ted* plain = load("/d/a.txt", text);
    EXPECT_TRUE(styleless(plain));
    EXPECT_FALSE(plain->modified());

    // Named for a highlighter, small, or with colour syntax off.
    EXPECT_FALSE(styleless(load("/d/a.html", text)));
    EXPECT_FALSE(styleless(load("/d/small.txt", text.substr(0, 1000))));
    m_settings.SyntaxHighlight = false;
    EXPECT_TRUE(styleless(load("/d/b.html", text)));
    m_settings.SyntaxHighlight = true;

    TedControl::setBigTextLimit(kBigText);
    Ted* normal = load("/d/c.txt", text);
    ASSERT_FALSE(styleless(normal));
    EXPECT_EQ(plain->allText(), normal->allText());
    for (const unsigned msg : {Sci::SCI_GETCODEPAGE, Sci::SCI_GETEOLMODE, Sci::SCI_GETTABWIDTH,
                               Sci::SCI_GETINDENT, Sci::SCI_GETUSETABS, Sci::SCI_GETUNDOCOLLECTION,
                               Sci::SCI_GETREADONLY, Sci::SCI_GETBACKSPACEUNINDENTS})
        EXPECT_EQ(plain->control()->SendScintilla(msg), normal->control()->SendScintilla(msg))
            << msg;
    EXPECT_EQ(plain->control()->SendScintilla(Sci::SCI_GETCODEPAGE), Sci::SC_CP_UTF8);

    // It edits, undoes and saves like any other.
    plain->control()->SendScintilla(Sci::SCI_GOTOPOS, 0UL);
    plain->insertAtCaret("x");
    EXPECT_TRUE(plain->modified());
    EXPECT_EQ(written(plain), "x" + text);
    plain->control()->undo();
    EXPECT_EQ(written(plain), text);
    EXPECT_FALSE(plain->modified());
}

TEST_F(StylelessFixture, AHighlighterRemakesTheDocumentWithStylesKeepingWhatItShows)
{
    const std::string text = markup();
    Ted* t = load("/d/a.txt", text);
    ASSERT_TRUE(styleless(t));
    TedControl* c = t->control();
    c->markerAdd(3, Ted::kBreakpointMark);
    c->markerAdd(3, Ted::kBreakpointLine);
    c->markerAdd(40, Ted::kFirstBookmark + 4);
    c->SendScintilla(Sci::SCI_GOTOPOS, 0UL);
    t->insertAtCaret("<b>");
    c->SendScintilla(Sci::SCI_SETSEL, 150UL, 90L);
    const std::string edited = written(t);
    ASSERT_EQ(edited, "<b>" + text);
    ASSERT_TRUE(t->modified());

    m_editor->SetSyntax("HTML");
    ASSERT_FALSE(styleless(t));
    EXPECT_EQ(written(t), edited);
    EXPECT_TRUE(t->modified());
    EXPECT_EQ(c->markersAtLine(3), (1U << Ted::kBreakpointMark) | (1U << Ted::kBreakpointLine));
    EXPECT_EQ(c->markersAtLine(40), 1U << (Ted::kFirstBookmark + 4));
    EXPECT_EQ(c->markerFindNext(4, ~0U), 40);
    EXPECT_EQ(c->SendScintilla(Sci::SCI_GETANCHOR), 150);
    EXPECT_EQ(c->SendScintilla(Sci::SCI_GETCURRENTPOS), 90);
    EXPECT_EQ(c->SendScintilla(Sci::SCI_GETCODEPAGE), Sci::SC_CP_UTF8);
    EXPECT_EQ(c->SendScintilla(Sci::SCI_GETTABWIDTH),
              load("/d/b.txt", "x")->control()->SendScintilla(Sci::SCI_GETTABWIDTH));
    ASSERT_EQ(m_messages.size(), 1U);
    EXPECT_EQ(m_messages.back(), uiText(nullptr, editorTexts(), "sUndoClearedForHighlighting"));

    c->SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
    bool coloured = false;
    for (long pos = 0; pos < 200 && !coloured; ++pos)
        coloured = c->SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)) != 0;
    EXPECT_TRUE(coloured);

    // The history went with the old document: undo changes nothing, and the
    // text stays modified until it is saved.
    EXPECT_FALSE(c->isUndoAvailable());
    c->undo();
    EXPECT_EQ(written(t), edited);
    EXPECT_TRUE(t->modified());
    t->setModified(false);
    EXPECT_FALSE(t->modified());
    t->insertAtCaret("y");
    EXPECT_TRUE(t->modified());
    c->undo();
    EXPECT_EQ(written(t), edited);
    EXPECT_FALSE(t->modified());
}

TEST_F(StylelessFixture, ColourSyntaxTurnedOnRemakesAnUnmodifiedDocumentUnmodified)
{
    m_settings.SyntaxHighlight = false;
    const std::string text = markup();
    Ted* t = load("/d/a.html", text);
    ASSERT_TRUE(styleless(t));
    ASSERT_TRUE(t->hasHighlighter());
    m_settings.SyntaxHighlight = true;
    m_editor->ApplyHighlightToAll();
    EXPECT_FALSE(styleless(t));
    EXPECT_FALSE(t->modified());
    EXPECT_EQ(written(t), text);
    // A later remake is not needed: a second highlighter keeps the document.
    m_editor->SetSyntax("SQL");
    EXPECT_EQ(m_messages.size(), 1U);
}
