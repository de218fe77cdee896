#pragma once

#include <Qsci/qscilexer.h>

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "codepages/unicodefile.h"
#include "editor/syntaxtable.h"
#include "editor/textstyles.h"
#include "editor/typedchar.h"
#include "editor/ui/tedcontrol.h"
#include "editor/ved.h"

class QAction;
class QMenu;

namespace zuk::settings {
struct RConnectionTable;
}

namespace zuk::editor {

class CdreamEditor;

// One document window: an MDI child hosting the text control of one document.
// It owns the control, the built-in highlighters (made on first use), the
// scheme parser a scheme gives it, and the context menu. Text goes in and out
// as bytes of the working code page.
class Ted final : public QWidget {
    Q_OBJECT
public:
    // Marker numbers of the control.
    static constexpr int kBreakpointMark = 0;
    static constexpr int kBreakpointLine = 1;
    static constexpr int kFirstBookmark = 2; // bookmark n uses kFirstBookmark + n - 1

    explicit Ted(CdreamEditor& editor, QWidget* parent = nullptr);
    ~Ted() override;

    TedControl* control() const { return m_control; }

    // --- text as bytes --------------------------------------------------
    std::string allText() const; // every line followed by CR LF
    // allText in blocks, for a writer: no copy of the whole text is made.
    void writeText(const std::function<void(std::string_view)>& sink) const;
    void setAllText(const std::string& text);
    std::string selText() const; // lines joined by CR LF, no final break
    bool selEmpty() const;
    std::string workText() const { return selEmpty() ? allText() : selText(); }
    void putWorkText(const std::string& text);
    void replaceSel(const std::string& text);
    bool insertAtCaret(const std::string& text);
    void insertLines(const LineList& lines);
    std::string wordAtCaret() const;
    void duplicateSel();
    bool modified() const;
    void setModified(bool on);

    // --- what the window carries ------------------------------------------
    const std::string& fileName() const { return m_fileName; }
    void setFileName(const std::string& fileName); // also the caption
    const std::string& charset() const { return m_charset; }
    void setCharset(const std::string& name); // font, size, status text; never the bytes
    // setCharset as an edit: one undo step (with whatever edit group is open)
    // that undo and redo take back and replay with the code page together.
    // The undo history before it stays.
    void setCharsetUndoable(const std::string& name);
    const std::string& syntaxName() const { return m_syntaxName; }
    void setSyntaxName(const std::string& name) { m_syntaxName = name; }
    bool hasFile() const { return m_hasFile; }
    void setHasFile(bool on) { m_hasFile = on; }

    // --- how its file stores the text --------------------------------------
    // The file's encoding beside the working code page (shown with it in the
    // status bar), the line break the file had, and the '?' its text held
    // when it was read, all as found when the file was opened.
    codepages::FileEncoding fileEncoding() const { return m_fileEncoding; }
    void setFileEncoding(codepages::FileEncoding encoding);
    // The user's choice of encoding for the next save: the document is then
    // modified (it differs from its file), unless nothing changed.
    void chooseFileEncoding(codepages::FileEncoding encoding);
    codepages::LineBreak fileLineBreak() const { return m_fileLineBreak; }
    void setFileLineBreak(codepages::LineBreak lineBreak) { m_fileLineBreak = lineBreak; }
    std::size_t fileQuestionMarks() const { return m_fileQuestionMarks; }
    void setFileQuestionMarks(std::size_t count) { m_fileQuestionMarks = count; }
    // Whether a save already told that the text holds more '?' than its file did.
    bool questionMarksTold() const { return m_questionMarksTold; }
    void setQuestionMarksTold(bool on) { m_questionMarksTold = on; }
    // The status-bar text of the code page and the file encoding ("Windows · UTF-8").
    std::string charsetStatusText() const;
    char32_t quoteToggle() const { return m_mapper.quoteToggle(); }
    const std::string& templatesType() const { return m_templatesType; }
    void setTemplatesType(const std::string& name) { m_templatesType = name; }

    // --- highlighting --------------------------------------------------------
    // A built-in highlighter (None: no highlighter, the stored name stays).
    void setBuiltinSyntax(BuiltinSyntax id);
    // The scheme parser of this window; the window takes ownership and keeps it
    // for later schemes. The stored highlighter name becomes schemeName.
    void setSchemeLexer(QsciLexer* lexer, const std::string& schemeName);
    QsciLexer* schemeLexer() const { return m_schemeLexer; }
    bool hasHighlighter() const { return m_lexer != nullptr; }
    QsciLexer* highlighter() const { return m_lexer; }
    void setColourSyntax(bool on);
    bool colourSyntax() const { return m_colourSyntax; }
    void setTextStyles(const std::vector<TextStyle>& styles);
    const std::vector<TextStyle>& textStyles() const { return m_styles; }
    void showSyntaxName();

    // --- look ---------------------------------------------------------------
    void applySettings(); // the whole settings record, in its order
    void activate();      // the steps of each activation
    void applyFontForCharset();
    void applyColours();
    void setFont(const std::string& family, int size);
    const std::string& fontName() const { return m_fontName; }
    int fontSize() const { return m_fontSize; }
    void applyGutterFill();
    void setGutterVisible(bool on);
    void setLineNumbers(bool on);
    bool lineNumbers() const { return m_lineNumbers; }
    int gutterWidth() const { return m_gutterWidth; }
    void setGutterWidth(int width);
    int marginPos() const;
    void setMarginPos(int column);
    void setMarginDrawn(bool on);
    void setWordWrap(bool on);
    bool wordWrap() const;
    // After a text was loaded: a big text is shown without word wrap, which
    // would lay out every line of it (and all at once on a jump to its end).
    // True when wrapping was turned off for that reason. The settings no
    // longer wrap this document; the word-wrap command still does.
    bool unwrapBigText();
    void setAutoIndent(bool on);
    bool persistentBlocks() const { return m_persistentBlocks; }
    void refreshCaretText();

    QMenu* contextMenu() const { return m_menu; }
    QAction* menuAction(const QString& objectName) const;
    // The context menu in the current language (the texts of section editor);
    // with `builtIn` every item first gets its built-in text.
    void localise(bool builtIn = false);

    // --- events from the control --------------------------------------------
    void keyPress(QKeyEvent* e);
    void keyRelease(QKeyEvent* e);
    void mouseReleased();
    void showContextMenu(const QPoint& globalPos);

    // The selected-file actions of the context menu.
    std::string selectedFilePath() const;
    void openSelectedFile();
    void viewSelectedFile();
    void viewSelectedInternally();
    void openSelectedWith();
    void toggleBreakpoint();
    void setLocalBookmark(int n);
    void gotoLocalBookmark(int n);
    void deleteLocalBookmark(int n);
    int bookmarkLine(int n) const; // -1 when not set

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    settings::RConnectionTable& settings() const;
    void redecode(codepages::CodePage cp);
    void showCharset(const std::string& name);
    void charsetStepReplayed(int token, bool undone);
    void restyle();
    void giveStyles();
    void updateGutterLayout();
    void buildContextMenu();
    bool handleCtrlKey(QKeyEvent* e);
    bool handleAltKey(QKeyEvent* e);
    // Ctrl+J: the code template named by the word before the caret.
    void expandCodeTemplate();
    void typeText(QKeyEvent* e);
    void deleteDocumentLine();
    void indentSelectedLines(int step);
    void startExternal(const std::string& programSetting, const std::string& path);

    CdreamEditor& m_editor;
    TedControl* m_control = nullptr;
    std::string m_fileName;
    std::string m_charset = "win";
    std::string m_syntaxName;
    bool m_hasFile = false;
    codepages::FileEncoding m_fileEncoding = codepages::FileEncoding::CodePage;
    codepages::LineBreak m_fileLineBreak = codepages::LineBreak::CrLf;
    std::size_t m_fileQuestionMarks = 0;
    bool m_questionMarksTold = false;
    TypedCharMapper m_mapper;
    QPointer<QsciLexer> m_schemeLexer;
    // The code-page changes in the undo history, by their container-action
    // token: the code page before and after.
    std::map<int, std::pair<std::string, std::string>> m_charsetSteps;
    int m_lastCharsetToken = 0;
    bool m_shiftSelect = false;
    bool m_forcedModified = false;

    std::array<QsciLexer*, 9> m_builtinLexers{};
    QsciLexer* m_lexer = nullptr; // the chosen highlighter, shown when colour syntax is on
    bool m_colourSyntax = true;
    std::vector<TextStyle> m_styles;
    std::string m_fontName = "Courier New";
    int m_fontSize = 10;
    bool m_gutterVisible = true;
    bool m_lineNumbers = true;
    int m_gutterWidth = 24;
    bool m_persistentBlocks = false;
    std::string m_templatesType = "None";
    QMenu* m_menu = nullptr;
    bool m_bigText = false; // see unwrapBigText
};

} // namespace zuk::editor
