#include "editorfixture.h"

#include "editor/doctext.h"

using namespace zuk::editor;

// Whole texts go in through a shortcut when every break is CR LF and through
// normalization otherwise; both must give the same control text, and the
// replacement stays one undo step.
TEST_F(EditorFixture, WholeTextsOfEveryBreakFormComeBackInCrLfForm)
{
    const char* const texts[] = {"",    "\r\n",   "a",         "a\r\n", "a\r\n\r\n",    "a\n",
                                 "a\r", "\r\n\r", "a\r\nb\nc", "\n\r",  "\xE0\r\n\xFF", "x\r\r\n"};
    Ted* t = newDocument();
    for (const char* text : texts) {
        m_editor->SetAllText(text);
        const std::string control = toControlForm(text);
        EXPECT_EQ(m_editor->GetAllText(), control.empty() ? "" : control + "\r\n")
            << "text: " << testing::PrintToString(std::string(text));
    }
    m_editor->SetAllText("first\r\n");
    m_editor->SetAllText("second\r\n");
    t->control()->undo();
    EXPECT_EQ(m_editor->GetAllText(), "first\r\n");
}
