#include "editor/ui/ted.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <QVBoxLayout>

#include <Qsci/qscilexer.h>

#include "editor/doctext.h"
#include "editor/selectedfile.h"
#include "editor/ui/builtinlexers.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/colours.h"
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

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

Ted::Ted(CdreamEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    m_modifiedQuestion =
        QString::fromUtf8("Файл был изменен после сохранения. Вы хотите закрыть его?");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_control = new TedControl(this, this);
    layout->addWidget(m_control);
    setFocusProxy(m_control);

    TedControl* c = m_control;
    c->setEolMode(QsciScintilla::EolWindows);
    c->setEdgeColumn(72);
    c->setEdgeMode(QsciScintilla::EdgeLine);
    c->setWrapMode(QsciScintilla::WrapWord);
    c->SendScintilla(QsciScintilla::SCI_SETHSCROLLBAR, 0L);
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
    restyle();
    updateGutterLayout();
    connect(c, &QsciScintilla::linesChanged, this, &Ted::updateGutterLayout);
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

void Ted::setCharset(const std::string& name)
{
    m_charset = name;
    const CodePage old = m_control->codePage();
    const CodePage cp = codePageOf(name, old);
    if (cp != old) {
        // Same bytes, other glyphs. Positions are kept as (line, column); the
        // undo history is dropped because it holds the glyphs of the old code page.
        TedControl* c = m_control;
        const bool wasModified = c->isModified();
        const long pos = c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
        const long line = c->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, pos);
        const long column = c->SendScintilla(QsciScintilla::SCI_GETCOLUMN, pos);
        const long top = c->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
        const std::string bytes = c->contentBytes();
        c->setCodePage(cp);
        c->setContentBytes(bytes);
        c->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
        c->SendScintilla(QsciScintilla::SCI_GOTOPOS,
                         c->SendScintilla(QsciScintilla::SCI_FINDCOLUMN, line, column));
        c->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE, top);
        if (!wasModified)
            c->setModified(false);
    }
    const auto& s = settings();
    std::string status;
    if (name == "win") {
        m_fontName = s.FontWIN; // the font character set has no meaning for Qt fonts
        m_fontSize = s.WINSize;
        status = "Windows";
    } else if (name == "koi") {
        m_fontName = s.FontKOI8;
        m_fontSize = s.KOI8Size;
        status = "KOI8 R";
    } else if (name == "dos") {
        m_fontName = s.FontDOS;
        m_fontSize = s.DOSSize;
        status = "DOS";
    }
    restyle();
    m_editor.ShowStatus(13, status);
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
    if (m_control->lexer() != shown)
        m_control->setLexer(shown);
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
    m_control->setMarkerForegroundColor(bp ? toQColor(bp->fore, Qt::white) : QColor(Qt::white),
                                        kBreakpointLine);
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
    const std::string& cs = m_charset;
    m_editor.ShowStatus(13, cs == "dos"   ? "DOS"
                            : cs == "koi" ? "KOI8 R"
                            : cs == "win" ? "Windows"
                                          : "");
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
    m_control->SendScintilla(QsciScintilla::SCI_SETHSCROLLBAR, on ? 0L : 1L);
}

bool Ted::wordWrap() const
{
    return m_control->wrapMode() != QsciScintilla::WrapNone;
}

bool Ted::unwrapBigText()
{
    // Wrapping lays out some 1.5 MB of text a second.
    constexpr long kBigText = 8L << 20;
    m_bigText = m_control->SendScintilla(QsciScintilla::SCI_GETLENGTH) > kBigText;
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

// --- context menu ------------------------------------------------------------

QAction* Ted::menuAction(const QString& objectName) const
{
    return m_menu ? m_menu->findChild<QAction*>(objectName) : nullptr;
}

void Ted::buildContextMenu()
{
    m_menu = new QMenu(this);
    auto add = [this](QMenu* menu, const char* name, const char* caption, auto slot) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        a->setParent(m_menu);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(m_menu, "mniCopy", "Копировать", [this] { m_control->copy(); });
    add(m_menu, "mniPaste", "Вставить", [this] { m_control->paste(); });
    add(m_menu, "mniCut", "Вырезать", [this] { m_control->cut(); });
    m_menu->addSeparator();
    add(m_menu, "mniWindowsCharset", "Windows", [this] { setCharset("win"); });
    add(m_menu, "mniKOI8RCharset", "KOI8-R", [this] { setCharset("koi"); });
    add(m_menu, "mniDOSCharset", "DOS", [this] { setCharset("dos"); });
    m_menu->addSeparator();
    add(m_menu, "mniTogglebreakpoint", "Toggle breakpoint", [this] { toggleBreakpoint(); });

    struct BookmarkMenu {
        const char* name;
        const char* caption;
        void (Ted::*op)(int);
    };
    const BookmarkMenu bookmarkMenus[] = {
        {"mniSetLocalBookmark", "Установить локальную закладку", &Ted::setLocalBookmark},
        {"mniGotoLocalBookmark", "Перейти на локальную закладку", &Ted::gotoLocalBookmark},
        {"mniDelLocalBookmark", "Удалить локальную закладку", &Ted::deleteLocalBookmark},
    };
    for (const BookmarkMenu& bm : bookmarkMenus) {
        QMenu* sub = m_menu->addMenu(QString::fromUtf8(bm.caption));
        sub->menuAction()->setObjectName(QString::fromLatin1(bm.name));
        for (int n = 1; n <= 9; ++n) {
            QAction* a = sub->addAction(QString::number(n));
            a->setObjectName(QString::fromLatin1(bm.name) + QString::number(n));
            a->setParent(m_menu);
            const auto op = bm.op;
            // The number is the caption of the chosen item.
            connect(a, &QAction::triggered, this,
                    [this, a, op] { (this->*op)(a->text().toInt()); });
        }
    }
    m_menu->addSeparator();
    QAction* autoIndent = add(m_menu, "mniAutoIdent", "Автоотступ", [this](bool on) {
        setAutoIndent(on);
        settings().DefAutoIndent = on;
    });
    autoIndent->setCheckable(true);

    QMenu* selMode = m_menu->addMenu(QString::fromUtf8("Режим выделения"));
    selMode->menuAction()->setObjectName(QStringLiteral("mniSelMode"));
    auto* selGroup = new QActionGroup(m_menu);
    QAction* stream = add(selMode, "mniSelModeStream", "Поточный", [this] {
        m_control->SendScintilla(QsciScintilla::SCI_SETSELECTIONMODE, QsciScintilla::SC_SEL_STREAM);
    });
    QAction* block = add(selMode, "mniSelModeBlock", "Блочный", [this] {
        m_control->SendScintilla(QsciScintilla::SCI_SETSELECTIONMODE,
                                 QsciScintilla::SC_SEL_RECTANGLE);
    });
    for (QAction* a : {stream, block}) {
        a->setCheckable(true);
        selGroup->addAction(a);
    }
    stream->setChecked(true);

    QMenu* eolMode = m_menu->addMenu(QString::fromUtf8("Режим конца строки"));
    eolMode->menuAction()->setObjectName(QStringLiteral("mniEOLMode"));
    auto* eolGroup = new QActionGroup(m_menu);
    const struct {
        const char* name;
        const char* caption;
        QsciScintilla::EolMode mode;
    } eols[] = {{"mniEOLWindows", "Windows", QsciScintilla::EolWindows},
                {"mniEOLUNIX", "UNIX", QsciScintilla::EolUnix},
                {"mniEOLMAC", "MAC", QsciScintilla::EolMac}};
    for (const auto& e : eols) {
        const auto mode = e.mode;
        QAction* a = add(eolMode, e.name, e.caption, [this, mode] { m_control->setEolMode(mode); });
        a->setCheckable(true);
        a->setChecked(mode == QsciScintilla::EolWindows);
        eolGroup->addAction(a);
    }
    m_menu->addSeparator();
    add(m_menu, "mniOpenSelectedFile", "Открыть выделенный файл", [this] { openSelectedFile(); });
    add(m_menu, "mniViewSelectedFile", "Посмотреть выделенный файл",
        [this] { viewSelectedFile(); });
    add(m_menu, "mniInternalViewer", "Смотреть картинку встроенным вьювером",
        [this] { viewSelectedInternally(); });
    add(m_menu, "mniShellOpenAs", "Выбрать приложение и открыть выделенный файл",
        [this] { openSelectedWith(); });
}

void Ted::showContextMenu(const QPoint& globalPos)
{
    const bool sel = !selEmpty();
    menuAction(QStringLiteral("mniCopy"))->setEnabled(sel);
    menuAction(QStringLiteral("mniCut"))->setEnabled(sel);
    menuAction(QStringLiteral("mniPaste"))->setEnabled(m_editor.CanPaste());
    m_menu->popup(globalPos);
}

void Ted::toggleBreakpoint()
{
    int line = 0, index = 0;
    m_control->getCursorPosition(&line, &index);
    if (m_control->markersAtLine(line) & (1u << kBreakpointLine)) {
        m_control->markerDelete(line, kBreakpointLine);
        m_control->markerDelete(line, kBreakpointMark);
    } else {
        m_control->markerAdd(line, kBreakpointLine);
        m_control->markerAdd(line, kBreakpointMark);
    }
}

void Ted::setLocalBookmark(int n)
{
    if (n < 1 || n > 9)
        return;
    const int marker = kFirstBookmark + n - 1;
    int line = 0, index = 0;
    m_control->getCursorPosition(&line, &index);
    if (m_control->markersAtLine(line) & (1u << marker)) {
        m_control->markerDelete(line, marker);
        return;
    }
    m_control->markerDeleteAll(marker);
    m_control->markerAdd(line, marker);
}

int Ted::bookmarkLine(int n) const
{
    if (n < 1 || n > 9)
        return -1;
    return m_control->markerFindNext(0, 1u << (kFirstBookmark + n - 1));
}

void Ted::gotoLocalBookmark(int n)
{
    const int line = bookmarkLine(n);
    if (line < 0)
        return;
    m_control->setCursorPosition(line, 0);
    m_control->ensureLineVisible(line);
    refreshCaretText();
}

void Ted::deleteLocalBookmark(int n)
{
    if (n >= 1 && n <= 9)
        m_control->markerDeleteAll(kFirstBookmark + n - 1);
}

// --- selected file -------------------------------------------------------------

std::string Ted::selectedFilePath() const
{
    const std::string text = workText();
    if (text.empty())
        return {};
    const std::string name = codepages::decodeToUtf8(text, m_control->codePage());
    return resolveSelectedPath(name, m_fileName, [](const std::string& p) {
        return QFileInfo::exists(QString::fromStdString(p));
    });
}

void Ted::startExternal(const std::string& programSetting, const std::string& path)
{
    const QString program = fromWin(programSetting);
    if (program.isEmpty())
        return;
    QProcess::startDetached(program, {QString::fromStdString(path)});
}

void Ted::openSelectedFile()
{
    const std::string path = selectedFilePath();
    if (path.empty())
        return;
    if (isPictureName(path)) {
        if (QFileInfo(QString::fromStdString(path)).isFile())
            startExternal(settings().imageeditor, path);
        return;
    }
    m_editor.OpenFileByName(path);
}

void Ted::viewSelectedFile()
{
    const std::string path = selectedFilePath();
    if (!path.empty() && isPictureName(path) && QFileInfo(QString::fromStdString(path)).isFile())
        startExternal(settings().imageviewer, path);
}

void Ted::viewSelectedInternally()
{
    const std::string path = selectedFilePath();
    if (path.empty() || !isPictureName(path) || QFileInfo(QString::fromStdString(path)).isDir())
        return;
    if (m_editor.host().showPicture)
        m_editor.host().showPicture(QString::fromStdString(path));
}

void Ted::openSelectedWith()
{
    const std::string path = selectedFilePath();
    if (path.empty())
        return;
    const QString p = QString::fromStdString(path);
    if (m_editor.host().openWith)
        m_editor.host().openWith(p);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(p));
}

// --- keys ----------------------------------------------------------------------

void Ted::keyPress(QKeyEvent* e)
{
    auto& s = settings();
    const int key = e->key();
    const Qt::KeyboardModifiers mods = e->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    const bool shift = mods & Qt::ShiftModifier;

    if (key == Qt::Key_Escape && s.exit_on_esc) {
        if (m_editor.host().closeMainWindow)
            m_editor.host().closeMainWindow();
        return;
    }
    if (key == Qt::Key_Delete && !selEmpty() && !ctrl && !alt) {
        if (shift)
            m_control->cut();
        else
            m_control->removeSelectedText();
        refreshCaretText();
        return;
    }
    if (key == Qt::Key_Tab && !ctrl && !alt) {
        for (int i = 0; i < s.SpacesPerTab; ++i) {
            QKeyEvent blank(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            typeText(&blank);
        }
        refreshCaretText();
        return;
    }
    if (ctrl && !alt && handleCtrlKey(e)) {
        refreshCaretText();
        return;
    }
    if (alt && !ctrl && handleAltKey(e)) {
        refreshCaretText();
        return;
    }
    if (s.CopyOnSelect && shift)
        m_shiftSelect = isArrow(key);

    const QString text = e->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() && (ctrl == alt); // AltGr gives both
    if (typed) {
        typeText(e);
    } else {
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_editor.callbacks().keySound)
            m_editor.callbacks().keySound('\r');
        m_control->passKey(e);
    }
    refreshCaretText();
}

void Ted::typeText(QKeyEvent* e)
{
    const CodePage cp = m_control->codePage();
    const char16_t* glyphs = codepages::unicodeTable(cp);
    const bool changeQuotes = settings().ChangeQuotes;
    QString shown;
    for (const char32_t c : e->text().toUcs4()) {
        if (c < 0x20 || c == 0x7F)
            continue;
        const uint8_t win = TypedCharMapper::winByteOf(c);
        if (m_editor.callbacks().keySound)
            m_editor.callbacks().keySound(static_cast<char>(win));
        const uint8_t stored = m_mapper.map(win, cp, changeQuotes);
        shown += QChar(glyphs[stored]);
    }
    if (shown.isEmpty())
        return;
    if (!shown.at(0).isPrint()) {
        // A control character of the code page: Scintilla would not insert it as typing.
        m_control->replaceSelectionBytes(codepages::encodeFromUtf8(shown.toStdString(), cp));
        return;
    }
    QKeyEvent mapped(QEvent::KeyPress, e->key(), e->modifiers(), shown, e->isAutoRepeat(),
                     static_cast<quint16>(e->count()));
    m_control->passKey(&mapped);
}

bool Ted::handleCtrlKey(QKeyEvent* e)
{
    const int key = e->key();
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    if (key == Qt::Key_Space && shift) {
        insertAtCaret("&nbsp;");
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !shift) {
        insertAtCaret("<br>");
        return true;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !shift && !selEmpty()) {
        replaceSel(caseInCodePage(selText(), m_control->codePage(), key == Qt::Key_Up));
        return true;
    }
    if (key == Qt::Key_Y && !shift) {
        m_control->SendScintilla(QsciScintilla::SCI_LINEDELETE);
        return true;
    }
    return false;
}

bool Ted::handleAltKey(QKeyEvent* e)
{
    const int key = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if ((key == Qt::Key_Right || key == Qt::Key_Left) && !selEmpty()) {
        const int step = m_control->indentationWidth() * (key == Qt::Key_Right ? 1 : -1);
        int lineFrom = 0, indexFrom = 0, lineTo = 0, indexTo = 0;
        m_control->getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
        if (lineTo > lineFrom && indexTo == 0)
            --lineTo; // a selection ending at a line start leaves that line alone
        m_control->beginUndoAction();
        for (int line = lineFrom; line <= lineTo; ++line)
            m_control->setIndentation(line, std::max(0, m_control->indentation(line) + step));
        m_control->endUndoAction();
        return true;
    }
    if (keypad && (key == Qt::Key_Plus || key == Qt::Key_Minus) && !selEmpty()) {
        const std::string open = key == Qt::Key_Plus ? "<font size=\"+1\">" : "<font size=\"-1\">";
        replaceSel(open + selText() + "</font>");
        return true;
    }
    if (key == Qt::Key_F) {
        SearchState& search = m_editor.search();
        search = SearchState{};
        search.text = QApplication::clipboard()->text();
        if (!search.text.isEmpty())
            m_editor.runSearch(this);
        return true;
    }
    if (key == Qt::Key_G) {
        const QString clip = QApplication::clipboard()->text();
        bool digits = !clip.isEmpty();
        for (const QChar ch : clip)
            digits = digits && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        if (!digits)
            return false;
        const int line = std::min(clip.toInt(), std::max(0, m_control->lines() - 1));
        m_control->setCursorPosition(line, 1);
        m_control->ensureCursorVisible();
        return true;
    }
    return false;
}

void Ted::keyRelease(QKeyEvent* e)
{
    if (!settings().CopyOnSelect || !(e->modifiers() & Qt::ShiftModifier) || !m_shiftSelect)
        return;
    if (!selEmpty())
        m_control->copy();
}

void Ted::mouseReleased()
{
    if (settings().CopyOnSelect && !selEmpty())
        m_control->copy();
    refreshCaretText();
}

// --- closing ---------------------------------------------------------------------

void Ted::closeEvent(QCloseEvent* e)
{
    if (!settings().Closing && modified()) {
        const auto answer =
            QMessageBox::question(this, windowTitle(), m_modifiedQuestion,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
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
