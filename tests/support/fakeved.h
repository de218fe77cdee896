#pragma once

#include "editor/doctext.h"
#include "editor/ved.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zuk::test {

// A document without a window, behind the editor interface: one text (the
// control's form: lines joined by CR LF, no final break), a selection, a
// working code page, a file name and an undo list of whole-text snapshots.
// Command handlers run on it exactly as on the real editor, so their logic is
// tested without QScintilla. Operations no handler needs do nothing.
class FakeVed final : public editor::CVed {
public:
    // --- what tests set up and look at ------------------------------------------
    bool open = true; // DocumentCount() is 1 when set, else 0
    std::string text; // control form
    long anchor = 0, caret = 0;
    std::string charset = "win";
    std::string fileName = "untitled0";
    bool hasFile = false;
    bool modified = false;
    int caretLine = -1; // the last SetCaretLine
    int undoSteps() const { return static_cast<int>(m_undo.size()); }

    void select(long from, long to)
    {
        anchor = from;
        caret = to;
    }
    // Selects the first occurrence of `part`.
    void selectText(const std::string& part)
    {
        const auto at = static_cast<long>(text.find(part));
        select(at, at + static_cast<long>(part.size()));
    }

    // --- edit groups and positions -------------------------------------------------
    void BeginEditGroup() override
    {
        if (m_depth++ == 0)
            m_groupOpen = false;
    }
    void EndEditGroup() override { --m_depth; }
    long GetCaretPos() override { return caret; }
    long GetAnchorPos() override { return anchor; }
    void SetSelection(long a, long c) override
    {
        const long size = static_cast<long>(text.size());
        anchor = std::clamp(a, 0L, size);
        caret = std::clamp(c, 0L, size);
    }

    // --- text ----------------------------------------------------------------------
    std::string GetWorkText() override { return SelEmpty() ? GetAllText() : GetSelText(); }
    std::string GetSelText() override { return text.substr(selStart(), selEnd() - selStart()); }
    std::string GetAllText() override { return text.empty() ? std::string() : text + "\r\n"; }
    void SetAllText(const std::string& t) override
    {
        change();
        text = editor::toControlForm(t);
        anchor = caret = 0;
    }
    void PutWorkText(const std::string& t) override
    {
        if (SelEmpty())
            SetAllText(t);
        else
            ReplaceSel(t);
    }
    void ReplaceSel(const std::string& t) override
    {
        change();
        const std::string piece = editor::normalizeBreaks(t);
        text.replace(selStart(), selEnd() - selStart(), piece);
        anchor = caret = selStart() + static_cast<long>(piece.size());
    }
    bool InsertAtCaret(const std::string& t) override
    {
        if (t.empty())
            return false;
        ReplaceSel(t);
        return true;
    }
    void InsertLines(const editor::LineList& lines) override
    {
        if (lines.empty())
            return;
        anchor = caret;
        ReplaceSel(editor::joinLines(lines));
    }
    void InsertTextAsLines(const std::string& t) override
    {
        InsertLines(editor::splitSelection(t));
    }
    void ReplaceWithLines(const editor::LineList& lines) override
    {
        EditGroup group(*this);
        PutWorkText("");
        InsertLines(lines);
    }
    editor::LineList GetLines() override { return editor::splitLines(GetAllText()); }
    editor::LineList GetSelLines() override { return editor::splitSelection(GetSelText()); }
    bool SelEmpty() override { return anchor == caret; }
    bool HasSel() override { return !SelEmpty(); }
    void SelectAll() override { select(0, static_cast<long>(text.size())); }
    void DuplicateSel() override {}
    std::string GetWordAtCaret() override { return {}; }

    // --- undo ---------------------------------------------------------------------------
    void Undo() override
    {
        if (m_undo.empty())
            return;
        m_redo.push_back({text, charset});
        std::tie(text, charset) = m_undo.back();
        m_undo.pop_back();
        anchor = caret = 0;
    }
    void Redo() override
    {
        if (m_redo.empty())
            return;
        m_undo.push_back({text, charset});
        std::tie(text, charset) = m_redo.back();
        m_redo.pop_back();
    }
    bool CanUndo() override { return !m_undo.empty(); }
    bool CanRedo() override { return !m_redo.empty(); }

    // --- what the document carries -----------------------------------------------------
    void SetCharset(const std::string& name) override { charset = name; }
    void SetCharsetUndoable(const std::string& name) override
    {
        change();
        charset = name;
    }
    std::string GetCharset() override { return charset; }
    std::string GetFileName() override { return fileName; }
    void SetFileName(const std::string& name) override { fileName = name; }
    bool HasFile() override { return hasFile; }
    uint8_t HasFileRaw() override { return hasFile ? 1 : 0; }
    void SetHasFile(bool on) override { hasFile = on; }
    void SetModified(bool on) override { modified = on; }
    bool GetModified() override { return modified; }
    void SetCaretLine(int line) override { caretLine = line; }
    int DocumentCount() override { return open ? 1 : 0; }
    std::string GetFileNameOf(int) override { return fileName; }
    bool HasFileOf(int) override { return hasFile; }
    std::string GetAllTextOf(int) override { return GetAllText(); }

    // --- everything else does nothing ----------------------------------------------------
    void GotoLineDialog() override {}
    void ApplySettings() override {}
    int GetTopLine() override { return 0; }
    int GetTopLine2() override { return 0; }
    int ScrollLineUp() override { return 0; }
    int ScrollLineDown() override { return 0; }
    int ScrollHorz(int) override { return 0; }
    int ScrollBy(int, int) override { return 0; }
    int ScrollVert(int) override { return 0; }
    void LoadText(const std::string& name, const std::string& t) override
    {
        fileName = name;
        text = editor::toControlForm(t);
    }
    void SetWordWrap(bool) override {}
    bool GetWordWrap() override { return false; }
    void OpenFileByName(const std::string&) override {}
    void ApplyColorsToAll() override {}
    void ApplyFontsToAll() override {}
    void ApplyBackgroundToAll() override {}
    void ApplyGutterToAll() override {}
    void ApplyMarginToAll() override {}
    void ApplyLineNumbersToAll() override {}
    void ApplyBlockIndentToAll() override {}
    void ApplyTabWidthToAll() override {}
    void ApplyHighlightToAll() override {}
    void ApplyLineSeparatorsToAll() override {}
    void ApplyFontSizesToAll() override {}
    void ApplyBackground() override {}
    void ShowSyntaxName() override {}
    void LoadFromStream(std::istream&) override {}
    void ExecCommand(const std::string&) override {}
    std::string GetFontName() override { return {}; }
    void CopySel() override {}
    void CutSel() override {}
    void PasteClip() override {}
    bool CanPaste() override { return false; }
    void FindDialog() override {}
    bool FindNext() override { return false; }
    void ReplaceDialog() override {}
    int GetFontSize() override { return 10; }
    void LoadFile(const std::string&) override {}
    void ExportTo(const std::string&, const std::string&) override {}
    void PrintDialog() override {}
    void ApplyTextStyles() override {}
    void ResetTextStyles() override {}
    void Nop() override {}
    void MoveCaret(char) override {}
    void NewDocument() override {}
    int GetGutterWidth() override { return 0; }
    int GetMarginPos() override { return 0; }
    void SetGutterWidth(int) override {}
    void SetMarginPos(int) override {}
    void SetSyntax(const std::string&) override {}
    void FocusEditor() override {}
    void CallHost(const std::string&, int, int) override {}
    void ShowStatus(int, const std::string&) override {}
    void SetTemplatesType(const std::string&) override {}

private:
    std::size_t selStart() const { return static_cast<std::size_t>(std::min(anchor, caret)); }
    std::size_t selEnd() const { return static_cast<std::size_t>(std::max(anchor, caret)); }
    // A change opens an undo step: one per change outside a group, one per
    // outermost group.
    void change()
    {
        modified = true;
        m_redo.clear();
        if (m_depth > 0 && m_groupOpen)
            return;
        m_undo.push_back({text, charset});
        if (m_depth > 0)
            m_groupOpen = true;
    }

    // What undo and redo go back to: the text and the code page of each step.
    std::vector<std::pair<std::string, std::string>> m_undo, m_redo;
    int m_depth = 0;
    bool m_groupOpen = false;
};

} // namespace zuk::test
