#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/textstyles.h"
#include "editor/ui/editorhost.h"
#include "editor/ui/tedcontrol.h"
#include "editor/ved.h"

class QMdiSubWindow;
class QsciLexer;

namespace zuk::settings {
struct RConnectionTable;
}

namespace zuk::editor {

class Ted;

// The editor interface over the document windows of the main window's MDI
// area. It owns nothing: the windows belong to the MDI area, the settings
// record to the main window. Its searches are the host's (EditorHost).
class CdreamEditor final : public QObject, public CVed {
    Q_OBJECT
public:
    CdreamEditor(EditorHost host, settings::RConnectionTable& settings, HostCallbacks callbacks);
    ~CdreamEditor() override;

    // --- what the main window needs besides the operations -----------------
    Ted* activeDocument() const;
    QList<Ted*> documents() const; // window order: the most recently active first
    Ted* documentByFileName(const std::string& fileName) const;
    Ted* documentByFileName(const QString& fileName) const;
    void activateDocument(Ted* ted);

    // Highlighting schemes (the scheme manager plugs in here). schemeForExtension
    // gets a lower-case extension without its dot and returns the first matching
    // scheme name or ""; applyScheme applies a named scheme to a window (through
    // Ted::setSchemeLexer) and returns false when there is no such scheme.
    std::function<std::string(const std::string& ext)> schemeForExtension;
    std::function<bool(Ted*, const std::string& name)> applyScheme;
    // The current text-style set; empty: only the built-in parts apply.
    std::function<std::vector<TextStyle>()> textStyleSet;
    // The 17 styles of a document from the current text-style set and the main
    // colours; empty: the built-in table.
    std::function<std::vector<TextStyle>(const settings::RConnectionTable&)> documentTextStyles;

    settings::RConnectionTable& settings() const { return m_settings; }
    const HostCallbacks& callbacks() const { return m_callbacks; }
    const EditorHost& host() const { return m_host; }
    const std::string& templatesType() const { return m_templatesType; }

    // --- CVed ----------------------------------------------------------------
    void BeginEditGroup() override;
    void EndEditGroup() override;
    long GetCaretPos() override;
    long GetAnchorPos() override;
    void SetSelection(long anchor, long caret) override;
    void OpenFileByName(const std::string& fileName) override;
    void GotoLineDialog() override;
    void SetModified(bool modified) override;
    bool GetModified() override;
    void SelectAll() override;
    void ApplySettings() override;
    int GetTopLine() override;
    int GetTopLine2() override;
    int ScrollLineUp() override;
    int ScrollLineDown() override;
    std::string GetWordAtCaret() override;
    void SetCaretLine(int line) override;
    int ScrollHorz(int delta) override;
    int ScrollBy(int dcol, int dline) override;
    void LoadText(const std::string& fileName, const std::string& text) override;
    // LoadText for a file read in blocks as stored (see TedControl::loadContent);
    // a NUL ends its text. True when the text was too big to wrap and word
    // wrap was turned off for it (see Ted::unwrapBigText).
    // With `size` (the exact size of the text in the control, see
    // FileLoadScan) the source is read once.
    bool LoadFileBlocks(const std::string& fileName, const TedControl::BlockSource& source,
                        const std::function<void(std::size_t)>& progress = {},
                        std::optional<std::size_t> size = std::nullopt);
    std::string GetWorkText() override;
    std::string GetSelText() override;
    void PutWorkText(const std::string& text) override;
    void ReplaceSel(const std::string& text) override;
    void SetAllText(const std::string& text) override;
    std::string GetAllText() override;
    void SetWordWrap(bool on) override;
    bool GetWordWrap() override;
    LineList GetLines() override;
    void ApplyColorsToAll() override;
    void ApplyFontsToAll() override;
    void ApplyBackgroundToAll() override;
    void ApplyGutterToAll() override;
    void ApplyMarginToAll() override;
    void ApplyLineNumbersToAll() override;
    void ApplyBlockIndentToAll() override;
    void ApplyTabWidthToAll() override;
    void ApplyHighlightToAll() override;
    void ApplyLineSeparatorsToAll() override;
    void ApplyFontSizesToAll() override;
    void ApplyBackground() override;
    void ShowSyntaxName() override;
    void LoadFromStream(std::istream& in) override;
    void ExecCommand(const std::string& name) override;
    void InsertTextAsLines(const std::string& text) override;
    std::string GetFontName() override;
    void DuplicateSel() override;
    void Undo() override;
    void Redo() override;
    void CopySel() override;
    void CutSel() override;
    void PasteClip() override;
    bool CanUndo() override;
    bool CanRedo() override;
    bool CanPaste() override;
    bool HasSel() override;
    void FindDialog() override;
    bool FindNext() override;
    void ReplaceDialog() override;
    void SetCharset(const std::string& name) override;
    void SetCharsetUndoable(const std::string& name) override;
    int GetFontSize() override;
    std::string GetCharset() override;
    std::string GetFileEncoding() override;
    void SetFileEncoding(const std::string& name) override;
    void SetFileName(const std::string& fileName) override;
    std::string GetFileNameOf(int index) override;
    void LoadFile(const std::string& path) override;
    void ExportTo(const std::string& fileName, const std::string& format) override;
    void PrintDialog() override;
    void ReplaceWithLines(const LineList& lines) override;
    LineList GetSelLines() override;
    void ApplyTextStyles() override;
    void ResetTextStyles() override;
    void Nop() override;
    void MoveCaret(char direction) override;
    std::string GetFileName() override;
    void NewDocument() override;
    bool InsertAtCaret(const std::string& text) override;
    void InsertLines(const LineList& lines) override;
    bool SelEmpty() override;
    bool HasFile() override;
    int GetGutterWidth() override;
    int GetMarginPos() override;
    void SetGutterWidth(int width) override;
    void SetMarginPos(int column) override;
    void SetSyntax(const std::string& name) override;
    uint8_t HasFileRaw() override;
    void SetHasFile(bool hasFile) override;
    bool HasFileOf(int index) override;
    std::string GetAllTextOf(int index) override;
    void FocusEditor() override;
    void CallHost(const std::string& text, int a, int b) override;
    void ShowStatus(int kind, const std::string& text) override;
    int ScrollVert(int delta) override;
    void SetTemplatesType(const std::string& name) override;
    int DocumentCount() override;

    // Called by a window that is closing, after the host's bookkeeping.
    void forgetDocument(Ted* ted);

    // Puts the context menu of every open document into the current language
    // (EditorHost::texts); windows made later take it when they are made.
    void localiseDocuments();

private:
    Ted* active() const { return activeDocument(); }
    std::vector<TextStyle> documentStyles() const;
    Ted* documentAt(int index) const;
    void onSubWindowActivated(QMdiSubWindow* window);
    void applyTextFill(const QList<Ted*>& targets);
    void chooseHighlighterForFile(Ted* ted, const std::string& fileName);
    // Whether chooseHighlighterForFile finds a highlighter for the name.
    bool picksHighlighter(const std::string& fileName) const;
    bool applySchemeByName(Ted* ted, const std::string& name);

    settings::RConnectionTable& m_settings;
    HostCallbacks m_callbacks;
    EditorHost m_host;
    QList<QPointer<Ted>> m_history; // most recently active first
    // The control of every open edit group, innermost last.
    std::vector<QPointer<TedControl>> m_editGroups;
    std::string m_templatesType = "None";
};

} // namespace zuk::editor
