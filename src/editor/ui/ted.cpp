#include "editor/ui/ted.h"

#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <Qsci/qscilexer.h>

#include "editor/doctext.h"
#include "editor/editortexts.h"
#include "editor/ui/builtinlexers.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/colours.h"
#include "editor/ui/editorlocalise.h"
#include "settings/connectiontable.h"

namespace zuk::editor {

using codepages::CodePage;

namespace {

CodePage codePageOf(const std::string& name, CodePage fallback)
{
    CodePage cp;
    if (name == "win" || name == "dos" || name == "koi") {
        codepages::codePageFromName(name, cp);
        return cp;
    }
    return fallback;
}

QString fromWin(const std::string& bytes)
{
    return QString::fromStdString(codepages::winToUtf8(bytes));
}

// The text less one final break when every break in it is CR LF; a null view
// when the text has a lone CR or LF.
std::string_view crlfFormBody(std::string_view text)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (const char* p = begin; p < end; ++p) {
        if (*p == '\n')
            return {};
        if (*p == '\r') {
            if (p + 1 == end || p[1] != '\n')
                return {};
            ++p;
        }
    }
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.remove_suffix(2);
    return text.empty() ? std::string_view("", 0) : text;
}

} // namespace

Ted::Ted(CdreamEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_control = new TedControl(this, this);
    layout->addWidget(m_control);
    setFocusProxy(m_control);

    TedControl* c = m_control;
    c->setEolMode(QsciScintilla::EolWindows);
    c->setEdgeColumn(72);
    c->setEdgeMode(QsciScintilla::EdgeLine);
    setWordWrap(true);
    c->SendScintilla(QsciScintilla::SCI_SETSCROLLWIDTHTRACKING, 1L);
    c->SendScintilla(QsciScintilla::SCI_SETSELECTIONMODE, QsciScintilla::SC_SEL_STREAM);
    c->setIndentationsUseTabs(false);
    c->setIndentationWidth(1);
    c->setTabWidth(3);
    c->setBackspaceUnindents(true);
    c->setCaretLineVisible(false);
    // The caret goes beyond the line end only in column selections.
    c->SendScintilla(QsciScintilla::SCI_SETVIRTUALSPACEOPTIONS,
                     QsciScintilla::SCVS_RECTANGULARSELECTION);

    c->markerDefine(QsciScintilla::Circle, kBreakpointMark);
    c->setMarkerBackgroundColor(Qt::red, kBreakpointMark);
    c->markerDefine(QsciScintilla::Background, kBreakpointLine);
    for (int n = 1; n <= 9; ++n)
        c->markerDefine(static_cast<char>('0' + n), kFirstBookmark + n - 1);
    c->setMarginType(0, QsciScintilla::NumberMargin);
    c->setMarginMarkerMask(0, 0);
    c->setMarginType(1, QsciScintilla::SymbolMargin);
    c->setMarginMarkerMask(1, ~(1 << kBreakpointLine) & 0x01FFFFFF);
    c->setMarginSensitivity(1, false);

    // A new document is never empty: one line holding a single blank.
    c->setContentBytes(" ");
    c->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    c->setModified(false);

    m_styles = defaultTextStyles();
    buildContextMenu();
    localise(true);
    restyle();
    updateGutterLayout();
    connect(c, &QsciScintilla::linesChanged, this, &Ted::updateGutterLayout);
    connect(c, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int token, int) {
                if (type & QsciScintillaBase::SC_MOD_CONTAINER)
                    charsetStepReplayed(token, type & QsciScintillaBase::SC_PERFORMED_UNDO);
            });
}

Ted::~Ted() = default;

settings::RConnectionTable& Ted::settings() const
{
    return m_editor.settings();
}

// --- text -------------------------------------------------------------------

std::string Ted::allText() const
{
    std::string bytes = m_control->contentBytes();
    if (bytes.empty())
        return {};
    if (crlfFormBody(bytes).data()) { // the usual case: no copy
        bytes += "\r\n";
        return bytes;
    }
    std::string out = normalizeBreaks(bytes);
    out += "\r\n";
    return out;
}

void Ted::writeText(const std::function<void(std::string_view)>& sink) const
{
    bool any = false;
    m_control->forEachContentBlock([&](std::string_view block) {
        any = any || !block.empty();
        sink(block);
    });
    if (any)
        sink("\r\n");
}

void Ted::setAllText(const std::string& text)
{
    m_control->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    m_control->setContent(text);
    m_control->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
}

std::string Ted::selText() const
{
    if (selEmpty())
        return {};
    if (m_control->SendScintilla(QsciScintilla::SCI_SELECTIONISRECTANGLE)) {
        const long len = m_control->SendScintilla(QsciScintilla::SCI_GETSELTEXT, 0UL,
                                                  static_cast<void*>(nullptr));
        if (len <= 0)
            return {};
        std::string utf8(static_cast<size_t>(len) + 1, '\0');
        m_control->SendScintilla(QsciScintilla::SCI_GETSELTEXT, 0UL,
                                 static_cast<void*>(utf8.data()));
        utf8.resize(static_cast<size_t>(len));
        while (!utf8.empty() && utf8.back() == '\0')
            utf8.pop_back();
        std::string text = normalizeBreaks(codepages::encodeFromUtf8(utf8, m_control->codePage()));
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
            text.resize(text.size() - 2);
        return text;
    }
    const long start = m_control->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART);
    const long end = m_control->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND);
    return normalizeBreaks(m_control->rangeBytes(start, end));
}

bool Ted::selEmpty() const
{
    return m_control->SendScintilla(QsciScintilla::SCI_GETSELECTIONEMPTY) != 0;
}

void Ted::putWorkText(const std::string& text)
{
    if (selEmpty())
        setAllText(text);
    else
        replaceSel(text);
}

void Ted::replaceSel(const std::string& text)
{
    m_control->replaceSelectionBytes(text);
}

bool Ted::insertAtCaret(const std::string& text)
{
    if (text.empty())
        return false;
    std::string bytes;
    if (selEmpty()) {
        // A caret standing in virtual space beyond the line end: fill up to it.
        const long virt =
            m_control->SendScintilla(QsciScintilla::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0UL);
        if (virt > 0) {
            bytes.assign(static_cast<size_t>(virt), ' ');
            const long pos = m_control->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
            m_control->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, pos);
        }
    }
    bytes += text;
    m_control->replaceSelectionBytes(bytes);
    return true;
}

void Ted::insertLines(const LineList& lines)
{
    if (lines.empty())
        return;
    const long pos = m_control->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    m_control->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, pos);
    m_control->replaceSelectionBytes(joinLines(lines));
}

std::string Ted::wordAtCaret() const
{
    const long pos = m_control->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long start = m_control->SendScintilla(QsciScintilla::SCI_WORDSTARTPOSITION, pos, 1L);
    const long end = m_control->SendScintilla(QsciScintilla::SCI_WORDENDPOSITION, pos, 1L);
    return m_control->rangeBytes(start, end);
}

void Ted::duplicateSel()
{
    if (selEmpty())
        return;
    const std::string block = selText();
    const long pos = m_control->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    m_control->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, pos);
    m_control->replaceSelectionBytes(block);
}

bool Ted::modified() const
{
    return m_forcedModified || m_control->isModified();
}

void Ted::setModified(bool on)
{
    // Scintilla only knows "unmodified since the save point"; a flag set from
    // outside stays until it is cleared from outside.
    m_forcedModified = on;
    if (!on)
        m_control->setModified(false);
}

// --- what the window carries -------------------------------------------------

void Ted::setFileName(const std::string& fileName)
{
    m_fileName = fileName;
    setWindowTitle(QString::fromStdString(fileName));
}

// Same bytes, other glyphs. Positions are kept as (line, column).
void Ted::redecode(CodePage cp)
{
    TedControl* c = m_control;
    if (cp == c->codePage())
        return;
    const long pos = c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long line = c->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, pos);
    const long column = c->SendScintilla(QsciScintilla::SCI_GETCOLUMN, pos);
    const long top = c->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const std::string bytes = c->contentBytes();
    c->setCodePage(cp);
    c->setContentBytes(bytes);
    c->SendScintilla(QsciScintilla::SCI_GOTOPOS,
                     c->SendScintilla(QsciScintilla::SCI_FINDCOLUMN, line, column));
    c->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE, top);
}

void Ted::setCharset(const std::string& name)
{
    const CodePage old = m_control->codePage();
    const CodePage cp = codePageOf(name, old);
    if (cp != old) {
        // The undo history is dropped: it holds the glyphs of the old code page.
        const bool wasModified = m_control->isModified();
        redecode(cp);
        m_control->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
        m_charsetSteps.clear();
        if (!wasModified)
            m_control->setModified(false);
    }
    showCharset(name);
}

// The history keeps the glyphs of each code page it saw: the new glyphs go in
// as an edit, and a container action marks where the code page changed, so
// undoing past it restores the old code page before the old glyphs come back.
void Ted::setCharsetUndoable(const std::string& name)
{
    const CodePage cp = codePageOf(name, m_control->codePage());
    if (cp == m_control->codePage()) {
        showCharset(name);
        return;
    }
    const std::string old = m_charset;
    m_control->beginUndoAction();
    redecode(cp);
    const int token = ++m_lastCharsetToken;
    m_charsetSteps[token] = {old, name};
    m_control->SendScintilla(QsciScintilla::SCI_ADDUNDOACTION, static_cast<unsigned long>(token),
                             0L);
    m_control->endUndoAction();
    showCharset(name);
}

void Ted::charsetStepReplayed(int token, bool undone)
{
    const auto step = m_charsetSteps.find(token);
    if (step == m_charsetSteps.end())
        return;
    const std::string& name = undone ? step->second.first : step->second.second;
    m_control->setCodePage(codePageOf(name, m_control->codePage()));
    showCharset(name);
}

// The working code page as a label: font, size and status text.
void Ted::showCharset(const std::string& name)
{
    m_charset = name;
    const auto& s = settings();
    if (name == "win") {
        m_fontName = s.FontWIN; // the font character set has no meaning for Qt fonts
        m_fontSize = s.WINSize;
    } else if (name == "koi") {
        m_fontName = s.FontKOI8;
        m_fontSize = s.KOI8Size;
    } else if (name == "dos") {
        m_fontName = s.FontDOS;
        m_fontSize = s.DOSSize;
    }
    restyle();
    m_editor.ShowStatus(13, charsetStatusText());
}

std::string Ted::charsetStatusText() const
{
    const std::string& cs = m_charset;
    std::string status = cs == "dos"   ? "DOS"
                         : cs == "koi" ? "KOI8 R"
                         : cs == "win" ? "Windows"
                                       : "";
    const char* key = nullptr;
    switch (m_fileEncoding) {
    case codepages::FileEncoding::Utf8:
        key = "sFileUtf8";
        break;
    case codepages::FileEncoding::Utf8Bom:
        key = "sFileUtf8Bom";
        break;
    case codepages::FileEncoding::Utf16Le:
        key = "sFileUtf16Le";
        break;
    case codepages::FileEncoding::Utf16Be:
        key = "sFileUtf16Be";
        break;
    case codepages::FileEncoding::CodePage:
        return status;
    }
    return status + " \u00B7 " + uiText(m_editor.host().texts, editorTexts(), key).toStdString();
}

void Ted::setFileEncoding(codepages::FileEncoding encoding)
{
    m_fileEncoding = encoding;
    // Only the active document speaks in the status bar.
    if (m_editor.activeDocument() == this)
        m_editor.ShowStatus(13, charsetStatusText());
}

void Ted::chooseFileEncoding(codepages::FileEncoding encoding)
{
    if (encoding == m_fileEncoding)
        return;
    setFileEncoding(encoding);
    setModified(true);
}

// --- highlighting ---------------------------------------------------------------

void Ted::setBuiltinSyntax(BuiltinSyntax id)
{
    if (id == BuiltinSyntax::None) {
        m_lexer = nullptr;
        restyle();
        return;
    }
    const size_t index = static_cast<size_t>(id);
    if (!m_builtinLexers[index])
        m_builtinLexers[index] = makeBuiltinLexer(id, this);
    m_lexer = m_builtinLexers[index];
    m_syntaxName = builtinById(id)->internalName;
    restyle();
}

void Ted::setSchemeLexer(QsciLexer* lexer, const std::string& schemeName)
{
    QsciLexer* old = m_schemeLexer;
    m_schemeLexer = lexer;
    if (lexer)
        lexer->setParent(this);
    m_lexer = lexer;
    m_syntaxName = schemeName;
    restyle();
    if (old && old != lexer)
        delete old;
}

void Ted::setColourSyntax(bool on)
{
    m_colourSyntax = on;
    restyle();
}

void Ted::setTextStyles(const std::vector<TextStyle>& styles)
{
    m_styles = styles;
    restyle();
}

void Ted::showSyntaxName()
{
    m_editor.ShowStatus(16, hasHighlighter() ? syntaxDisplayName(m_syntaxName) : std::string("No"));
}

// Everything the control shows comes from the window's state here, so a new
// highlighter, font, colour or style set all take the same path.
void Ted::restyle()
{
    const auto& s = settings();
    QFont font(fromWin(m_fontName), m_fontSize > 0 ? m_fontSize : 10);
    font.setStyleHint(QFont::TypeWriter);
    const QColor fg = toQColor(s.FontColor, Qt::black);
    const QColor bg = toQColor(s.BGColor, Qt::white);

    QsciLexer* shown = m_colourSyntax ? m_lexer : nullptr;
    if (shown && !m_control->hasStyles())
        giveStyles();
    if (m_control->lexer() != shown) {
        m_control->setLexer(shown);
        m_control->updateLayoutRuns();
    }
    if (!shown) {
        m_control->setFont(font);
        m_control->setColor(fg);
        m_control->setPaper(bg);
        m_control->SendScintilla(QsciScintilla::SCI_STYLESETFORE, QsciScintilla::STYLE_DEFAULT, fg);
        m_control->SendScintilla(QsciScintilla::SCI_STYLESETBACK, QsciScintilla::STYLE_DEFAULT, bg);
        m_control->SendScintilla(QsciScintilla::SCI_STYLECLEARALL);
    } else {
        shown->setDefaultFont(font);
        shown->setDefaultColor(fg);
        shown->setDefaultPaper(bg);
        for (int style = 0; style < 128; ++style) {
            if (style >= QsciScintilla::STYLE_DEFAULT &&
                style <= QsciScintilla::STYLE_LASTPREDEFINED)
                continue;
            const QString description = shown->description(style);
            if (description.isEmpty())
                continue;
            const TokenClass token = classifyStyleDescription(description.toStdString());
            const TextStyle* ts =
                token == TokenClass::Whitespace ? nullptr : findStyle(m_styles, token);
            QFont f = font;
            f.setBold(ts && ts->bold);
            f.setItalic(ts && ts->italic);
            f.setUnderline(ts && ts->underline);
            shown->setFont(f, style);
            shown->setColor(ts ? toQColor(ts->fore, fg) : fg, style);
            shown->setPaper(ts && !ts->useControlBack ? toQColor(ts->back, bg) : bg, style);
        }
    }
    m_control->setGutterFill(m_control->gutterFill()); // a style reset also resets the margins
    m_control->setCaretForegroundColor(fg);
    m_control->setSelectionForegroundColor(toQColor(s.SelFontColor, Qt::white));
    m_control->setSelectionBackgroundColor(toQColor(s.SelBGColor, Qt::black));
    const TextStyle* url = findStyle(m_styles, TokenClass::Url);
    m_control->setUrlColour(url ? toQColor(url->fore, Qt::blue) : QColor(Qt::blue));
    const TextStyle* bp = findStyle(m_styles, TokenClass::BreakPoint);
    m_control->setMarkerBackgroundColor(bp ? toQColor(bp->back, Qt::red) : QColor(Qt::red),
                                        kBreakpointLine);
    // A background marker colours only the line's background; the text of a
    // breakpoint line gets its colour from an indicator.
    m_control->setBreakpointTextColour(bp ? toQColor(bp->fore, Qt::white) : QColor(Qt::white));
}

// A big plain text was loaded without style bytes; a highlighter needs them.
void Ted::giveStyles()
{
    // The undo history stays with the old document, and with it the save
    // point: the flag keeps the text modified until it is saved.
    if (modified())
        m_forcedModified = true;
    m_control->remakeWithStyles();
    m_charsetSteps.clear();
    if (m_editor.host().showMessage)
        m_editor.host().showMessage(
            uiText(m_editor.host().texts, editorTexts(), "sUndoClearedForHighlighting"));
}

// --- look ------------------------------------------------------------------------

void Ted::applySettings()
{
    auto& s = settings();
    if (QAction* a = menuAction(QStringLiteral("mniAutoIdent")))
        a->setChecked(s.DefAutoIndent);
    setMarginPos(s.RMargin);
    m_control->setTabWidth(s.SpacesPerTab > 0 ? s.SpacesPerTab : 1);
    if (s.ShowLineNumbers)
        setLineNumbers(true);
    setModified(false);
    m_colourSyntax = s.SyntaxHighlight;
    setMarginDrawn(s.MarginActive);
    m_control->setLineSeparators(s.Lined, s.EditLineSepStyle);
    setWordWrap(s.WordWrap && !m_bigText);
    m_control->setIndentationWidth(s.autoindent > 0 ? s.autoindent : 1);
    m_fontSize = s.WINSize;
    m_fontName = s.FontWIN;
    setCharset("win"); // applies the colours, the font and colour syntax as well
    applyGutterFill();
}

void Ted::activate()
{
    auto& s = settings();
    m_control->setUrlHighlight(s.BHU);
    setGutterVisible(s.Gutter_Visible);
    m_persistentBlocks = s.Persistent_blocks;
    m_control->setLineSeparators(s.Lined, s.EditLineSepStyle);
    m_editor.ShowStatus(13, charsetStatusText());
    m_editor.ShowStatus(14, m_fileName);
    refreshCaretText();
    m_control->SendScintilla(QsciScintilla::SCI_SETHSCROLLBAR, wordWrap() ? 0L : 1L);
    showSyntaxName();
    setAutoIndent(s.DefAutoIndent);
}

void Ted::applyFontForCharset()
{
    const auto& s = settings();
    if (m_charset == "win") {
        m_fontName = s.FontWIN;
        m_fontSize = s.WINSize;
    } else if (m_charset == "koi") {
        m_fontName = s.FontKOI8;
        m_fontSize = s.KOI8Size;
    } else if (m_charset == "dos") {
        m_fontName = s.FontDOS;
        m_fontSize = s.DOSSize;
    }
    restyle();
    m_control->viewport()->update();
}

void Ted::applyColours()
{
    restyle();
}

void Ted::setFont(const std::string& family, int size)
{
    m_fontName = family;
    m_fontSize = size;
    restyle();
}

void Ted::applyGutterFill()
{
    const settings::RFR& g = settings().GutterFill;
    AreaFill fill;
    if (g.FillOption == 0) {
        fill.kind = AreaFill::Kind::Plain;
        fill.colour1 = toQColor(g.SimpleColor, QColor(Qt::lightGray));
    } else if (g.FillOption == 2) {
        fill.kind = AreaFill::Kind::Gradient;
        fill.colour1 = toQColor(g.GradientColor1, Qt::white);
        fill.colour2 = toQColor(g.GradientColor2, Qt::white);
        fill.vertical = g.GradientMode != 2;
    } else {
        return;
    }
    m_control->setGutterFill(fill);
}

void Ted::setGutterVisible(bool on)
{
    m_gutterVisible = on;
    updateGutterLayout();
}

void Ted::setLineNumbers(bool on)
{
    m_lineNumbers = on;
    updateGutterLayout();
}

void Ted::setGutterWidth(int width)
{
    m_gutterWidth = width < 0 ? 0 : width;
    updateGutterLayout();
}

// The gutter is two margins: the line numbers (when on) and the marks.
void Ted::updateGutterLayout()
{
    m_control->setMarginWidth(1, m_gutterVisible ? m_gutterWidth : 0);
    if (m_gutterVisible && m_lineNumbers) {
        const int digits =
            std::max(3, static_cast<int>(QString::number(m_control->lines()).size()));
        m_control->setMarginWidth(0, QString(digits + 1, QLatin1Char('9')));
    } else {
        m_control->setMarginWidth(0, 0);
    }
}

int Ted::marginPos() const
{
    return m_control->edgeColumn();
}

void Ted::setMarginPos(int column)
{
    m_control->setEdgeColumn(column);
}

void Ted::setMarginDrawn(bool on)
{
    m_control->setEdgeMode(on ? QsciScintilla::EdgeLine : QsciScintilla::EdgeNone);
}

void Ted::setWordWrap(bool on)
{
    m_control->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    // QScintilla keeps the layout of every line while wrapping (about 1.2 KB a
    // line, 15 MB for a megabyte of text, most of its wrapping time spent
    // getting fresh memory). Wrapping needs none of them kept: the visible
    // lines' are enough, as without wrap.
    m_control->SendScintilla(QsciScintilla::SCI_SETLAYOUTCACHE,
                             static_cast<unsigned long>(QsciScintilla::SC_CACHE_PAGE));
    m_control->SendScintilla(QsciScintilla::SCI_SETHSCROLLBAR, on ? 0L : 1L);
    m_control->updateLayoutRuns();
}

bool Ted::wordWrap() const
{
    return m_control->wrapMode() != QsciScintilla::WrapNone;
}

bool Ted::unwrapBigText()
{
    // Wrapping lays out some 1.5 MB of text a second.
    m_bigText = m_control->SendScintilla(QsciScintilla::SCI_GETLENGTH) > TedControl::bigTextLimit();
    if (!m_bigText || !wordWrap())
        return false;
    setWordWrap(false);
    return true;
}

void Ted::setAutoIndent(bool on)
{
    m_control->setAutoIndent(on);
    if (QAction* a = menuAction(QStringLiteral("mniAutoIdent")))
        a->setChecked(on);
}

void Ted::refreshCaretText()
{
    const long pos = m_control->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long line = m_control->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, pos);
    const long column =
        m_control->SendScintilla(QsciScintilla::SCI_GETCOLUMN, pos) +
        m_control->SendScintilla(QsciScintilla::SCI_GETSELECTIONNCARETVIRTUALSPACE, 0UL);
    m_editor.ShowStatus(15, caretPositionText(static_cast<int>(line), static_cast<int>(column)));
}

// --- closing ---------------------------------------------------------------------

void Ted::closeEvent(QCloseEvent* e)
{
    if (!settings().Closing && modified()) {
        const app::TextService* texts = m_editor.host().texts;
        const TextTable& table = editorTexts();
        QMessageBox box(QMessageBox::Question, windowTitle(), uiText(texts, table, "sFileModified"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.button(QMessageBox::Yes)->setText(uiText(texts, table, "sButtonYes"));
        box.button(QMessageBox::No)->setText(uiText(texts, table, "sButtonNo"));
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes) {
            e->ignore();
            return;
        }
    }
    if (m_editor.host().documentClosed)
        m_editor.host().documentClosed(this);
    m_editor.forgetDocument(this);
    e->accept();
}

} // namespace zuk::editor
