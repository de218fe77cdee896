#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace zuk::editor {

// What the host (the main window) gives the editor interface to call back.
struct HostCallbacks {
    std::function<void(const std::string&)> activateTab;     // brings a document's tab to the front
    std::function<void(const std::string&)> openFile;        // opens a file as a document
    std::function<void(char)> keySound;                      // plays the key click of a typed byte
    std::function<void(const std::string&, int, int)> spare; // none is given
};

using LineList = std::vector<std::string>;

// The editor interface: the one way every command, tool and dialog reaches a
// document. Text is bytes in the document's working code page; a whole text is
// every line followed by CR LF, a selected text is its lines joined by CR LF
// with no final break. Unless an operation says "only when a document exists",
// it acts on the active document window and the caller has checked that one is
// open. Document indexes count windows from the most recently active (0).
//
// The line lists handed out are copies: write them back with SetAllText,
// ReplaceWithLines or InsertLines.
class CVed {
public:
    CVed() = default;
    virtual ~CVed() = default;
    CVed(const CVed&) = delete;
    CVed& operator=(const CVed&) = delete;

    // Every change made while an EditGroup lives is one undo step of the
    // active document, however the scope is left. Groups nest; the outermost
    // one closes the step.
    class EditGroup final {
    public:
        explicit EditGroup(CVed& ved) : m_ved(ved) { m_ved.BeginEditGroup(); }
        ~EditGroup() { m_ved.EndEditGroup(); }
        EditGroup(const EditGroup&) = delete;
        EditGroup& operator=(const EditGroup&) = delete;

    private:
        CVed& m_ved;
    };
    virtual void BeginEditGroup() = 0;
    virtual void EndEditGroup() = 0;

    // The caret and the anchor (the other end of the selection; equal to the
    // caret without one) as offsets into the document's text: bytes of the
    // working code page with CR LF line breaks, as GetAllText gives them.
    virtual long GetCaretPos() = 0;
    virtual long GetAnchorPos() = 0;
    // Selects from `anchor` to `caret` (offsets as above, clamped to the text).
    virtual void SetSelection(long anchor, long caret) = 0;

    virtual void GotoLineDialog() = 0;
    virtual void SetModified(bool modified) = 0;
    virtual bool GetModified() = 0;
    virtual void SelectAll() = 0;
    virtual void ApplySettings() = 0;
    virtual int GetTopLine() = 0;
    virtual int GetTopLine2() = 0;
    virtual int ScrollLineUp() = 0;
    virtual int ScrollLineDown() = 0;
    virtual std::string GetWordAtCaret() = 0;
    virtual void SetCaretLine(int line) = 0;
    virtual int ScrollHorz(int delta) = 0;
    virtual int ScrollBy(int dcol, int dline) = 0;
    virtual void LoadText(const std::string& fileName, const std::string& text) = 0;
    virtual std::string GetWorkText() = 0;
    virtual std::string GetSelText() = 0;
    virtual void PutWorkText(const std::string& text) = 0;
    virtual void ReplaceSel(const std::string& text) = 0;
    virtual void SetAllText(const std::string& text) = 0;
    virtual std::string GetAllText() = 0;
    virtual void SetWordWrap(bool on) = 0;
    virtual bool GetWordWrap() = 0;
    virtual LineList GetLines() = 0;
    virtual void OpenFileByName(const std::string& fileName) = 0;
    virtual void ApplyColorsToAll() = 0;
    virtual void ApplyFontsToAll() = 0;
    virtual void ApplyBackgroundToAll() = 0;
    virtual void ApplyGutterToAll() = 0;
    virtual void ApplyMarginToAll() = 0;
    virtual void ApplyLineNumbersToAll() = 0;
    virtual void ApplyBlockIndentToAll() = 0;
    virtual void ApplyTabWidthToAll() = 0;
    virtual void ApplyHighlightToAll() = 0;
    virtual void ApplyLineSeparatorsToAll() = 0;
    virtual void ApplyFontSizesToAll() = 0;
    virtual void ApplyBackground() = 0;
    virtual void ShowSyntaxName() = 0;
    virtual void LoadFromStream(std::istream& in) = 0;
    virtual void ExecCommand(const std::string& name) = 0;
    virtual void InsertTextAsLines(const std::string& text) = 0;
    virtual std::string GetFontName() = 0;
    virtual void DuplicateSel() = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void CopySel() = 0;
    virtual void CutSel() = 0;
    virtual void PasteClip() = 0;
    virtual bool CanUndo() = 0;
    virtual bool CanRedo() = 0;
    virtual bool CanPaste() = 0;
    virtual bool HasSel() = 0;
    virtual void FindDialog() = 0;
    virtual bool FindNext() = 0;
    virtual void ReplaceDialog() = 0;
    virtual void SetCharset(const std::string& name) = 0;
    // SetCharset as an edit of the active document: undo and redo take the
    // working code page back and forth together with the edits of the same
    // step. Converting a document is then one undo step:
    //     EditGroup group(ved); ved.SetAllText(converted); ved.SetCharsetUndoable("koi");
    // (SetCharset drops the undo history instead.) An implementation without
    // undo may leave this as it is.
    virtual void SetCharsetUndoable(const std::string& name) { SetCharset(name); }
    virtual int GetFontSize() = 0;
    virtual std::string GetCharset() = 0;
    // The encoding of the active document's file beside its working code
    // page: "" (the code page's bytes themselves), "utf8", "utf8-bom",
    // "utf16le" or "utf16be". Setting it chooses how the next save writes the
    // file and marks the document modified; an unknown name changes nothing.
    // An implementation without files may leave both as they are.
    virtual std::string GetFileEncoding() { return {}; }
    virtual void SetFileEncoding(const std::string& /*name*/) {}
    virtual void SetFileName(const std::string& fileName) = 0;
    virtual std::string GetFileNameOf(int index) = 0;
    virtual void LoadFile(const std::string& path) = 0;
    virtual void ExportTo(const std::string& fileName, const std::string& format) = 0;
    virtual void PrintDialog() = 0;
    virtual void ReplaceWithLines(const LineList& lines) = 0;
    virtual LineList GetSelLines() = 0;
    virtual void ApplyTextStyles() = 0;
    virtual void ResetTextStyles() = 0;
    virtual void Nop() = 0;
    virtual void MoveCaret(char direction) = 0;
    virtual std::string GetFileName() = 0;
    virtual void NewDocument() = 0;
    virtual bool InsertAtCaret(const std::string& text) = 0;
    virtual void InsertLines(const LineList& lines) = 0;
    virtual bool SelEmpty() = 0;
    virtual bool HasFile() = 0;
    virtual int GetGutterWidth() = 0;
    virtual int GetMarginPos() = 0;
    virtual void SetGutterWidth(int width) = 0;
    virtual void SetMarginPos(int column) = 0;
    virtual void SetSyntax(const std::string& name) = 0;
    virtual uint8_t HasFileRaw() = 0;
    virtual void SetHasFile(bool hasFile) = 0;
    virtual bool HasFileOf(int index) = 0;
    virtual std::string GetAllTextOf(int index) = 0;
    virtual void FocusEditor() = 0;
    virtual void CallHost(const std::string& text, int a, int b) = 0;
    virtual void ShowStatus(int kind, const std::string& text) = 0;
    virtual int ScrollVert(int delta) = 0;
    virtual void SetTemplatesType(const std::string& name) = 0;

    // Not an editor operation as such, but every caller needs it first.
    virtual int DocumentCount() = 0;
};

} // namespace zuk::editor
