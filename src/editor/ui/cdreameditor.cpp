#include "editor/ui/cdreameditor.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrintDialog>

#include <Qsci/qsciprinter.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "base/zukassert.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/doctext.h"
#include "editor/editortexts.h"
#include "editor/fileload.h"
#include "editor/styledexport.h"
#include "editor/syntaxtable.h"
#include "editor/ui/colours.h"
#include "editor/ui/editorlocalise.h"
#include "editor/ui/ted.h"
#include "highlight/cmytextstyles.h"
#include "highlight/textstyleset.h"
#include "settings/connectiontable.h"

namespace zuk::editor {

namespace {

long sci(Ted* t, unsigned int msg, unsigned long w = 0, long l = 0)
{
    return t->control()->SendScintilla(msg, w, l);
}

// Puts the caret at a (line, column) counted in characters, as Scintilla's
// own positions are byte offsets of the UTF-8.
void setCaret(Ted* t, int line, int column)
{
    const int last = std::max(0, t->control()->lines() - 1);
    line = std::clamp(line, 0, last);
    const long pos =
        sci(t, QsciScintilla::SCI_FINDCOLUMN, static_cast<unsigned long>(line), column);
    sci(t, QsciScintilla::SCI_GOTOPOS, static_cast<unsigned long>(pos));
}

// A new highlighter or style set restyles the whole text, and with word wrap
// on Scintilla would rewrap every line at once (seconds for a 10 MB file).
// Wrapping is paused meanwhile, so the view rewraps lazily, visible lines first.
class WrapPause {
public:
    explicit WrapPause(Ted* t) : m_c(t ? t->control() : nullptr)
    {
        if (!m_c)
            return;
        m_mode = m_c->SendScintilla(QsciScintilla::SCI_GETWRAPMODE);
        if (m_mode == QsciScintilla::SC_WRAP_NONE)
            return;
        m_topLine = m_c->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE,
                                       m_c->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE));
        m_c->SendScintilla(QsciScintilla::SCI_SETWRAPMODE,
                           static_cast<unsigned long>(QsciScintilla::SC_WRAP_NONE));
    }
    ~WrapPause()
    {
        if (!m_c || m_mode == QsciScintilla::SC_WRAP_NONE)
            return;
        m_c->SendScintilla(QsciScintilla::SCI_SETWRAPMODE, static_cast<unsigned long>(m_mode));
        // The same text line stays at the top of the view.
        m_c->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE,
                           m_c->SendScintilla(QsciScintilla::SCI_VISIBLEFROMDOCLINE,
                                              static_cast<unsigned long>(m_topLine)));
    }
    WrapPause(const WrapPause&) = delete;
    WrapPause& operator=(const WrapPause&) = delete;

private:
    QsciScintilla* m_c;
    long m_mode = QsciScintilla::SC_WRAP_NONE;
    long m_topLine = 0;
};

} // namespace

CdreamEditor::CdreamEditor(EditorHost host, settings::RConnectionTable& settings,
                           HostCallbacks callbacks)
    : m_settings(settings), m_callbacks(std::move(callbacks)), m_host(std::move(host))
{
    ZUK_ASSERT(m_host.mdiArea != nullptr);
    if (m_host.mdiArea)
        connect(m_host.mdiArea, &QMdiArea::subWindowActivated, this,
                &CdreamEditor::onSubWindowActivated);
}

CdreamEditor::~CdreamEditor() = default;

std::vector<TextStyle> CdreamEditor::documentStyles() const
{
    if (documentTextStyles)
        return documentTextStyles(m_settings);
    return highlight::documentTextStyles(highlight::CMyTextStyles(), m_settings);
}

// --- the document set -------------------------------------------------------------

Ted* CdreamEditor::activeDocument() const
{
    for (const auto& t : m_history)
        if (t)
            return t;
    return nullptr;
}

QList<Ted*> CdreamEditor::documents() const
{
    QList<Ted*> out;
    for (const auto& t : m_history)
        if (t)
            out.append(t);
    return out;
}

Ted* CdreamEditor::documentAt(int index) const
{
    const QList<Ted*> docs = documents();
    return index >= 0 && index < docs.size() ? docs.at(index) : nullptr;
}

Ted* CdreamEditor::documentByFileName(const std::string& fileName) const
{
    for (Ted* t : documents())
        if (t->fileName() == fileName)
            return t;
    return nullptr;
}

Ted* CdreamEditor::documentByFileName(const QString& fileName) const
{
    return documentByFileName(fileName.toStdString());
}

void CdreamEditor::onSubWindowActivated(QMdiSubWindow* window)
{
    Ted* ted = window ? qobject_cast<Ted*>(window->widget()) : nullptr;
    if (!ted)
        return;
    m_history.removeAll(QPointer<Ted>(ted));
    m_history.prepend(ted);
    ted->activate();
}

void CdreamEditor::activateDocument(Ted* ted)
{
    if (!ted)
        return;
    if (auto* window = qobject_cast<QMdiSubWindow*>(ted->parentWidget()); window && m_host.mdiArea)
        m_host.mdiArea->setActiveSubWindow(window);
    // The area reports no activation while its top-level window is inactive.
    if (activeDocument() != ted) {
        m_history.removeAll(QPointer<Ted>(ted));
        m_history.prepend(ted);
        ted->activate();
    }
}

void CdreamEditor::forgetDocument(Ted* ted)
{
    m_history.removeAll(QPointer<Ted>(ted));
    m_history.removeAll(QPointer<Ted>());
}

void CdreamEditor::localiseDocuments()
{
    for (Ted* t : documents())
        t->localise();
}

void CdreamEditor::BeginEditGroup()
{
    TedControl* c = active() ? active()->control() : nullptr;
    if (c)
        c->beginUndoAction();
    m_editGroups.emplace_back(c);
}

void CdreamEditor::EndEditGroup()
{
    if (!ZUK_ASSERT(!m_editGroups.empty()))
        return;
    const QPointer<TedControl> c = m_editGroups.back();
    m_editGroups.pop_back();
    if (c)
        c->endUndoAction();
}

long CdreamEditor::GetCaretPos()
{
    TedControl* c = active()->control();
    return c->documentOffset(c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS));
}

long CdreamEditor::GetAnchorPos()
{
    TedControl* c = active()->control();
    return c->documentOffset(c->SendScintilla(QsciScintilla::SCI_GETANCHOR));
}

void CdreamEditor::SetSelection(long anchor, long caret)
{
    TedControl* c = active()->control();
    c->SendScintilla(QsciScintilla::SCI_SETSEL,
                     static_cast<unsigned long>(c->controlPosition(anchor)),
                     c->controlPosition(caret));
    // The caret panel follows a caret moved by a command (a search, a replace).
    active()->refreshCaretText();
}

void CdreamEditor::OpenFileByName(const std::string& fileName)
{
    if (m_callbacks.openFile)
        m_callbacks.openFile(fileName);
}

int CdreamEditor::DocumentCount()
{
    return static_cast<int>(documents().size());
}

void CdreamEditor::NewDocument()
{
    if (!m_host.mdiArea)
        return;
    auto* ted = new Ted(*this);
    QMdiSubWindow* window = m_host.mdiArea->addSubWindow(ted);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(m_host.mdiArea->viewport()->size());
    ted->setFileName("untitled" + std::to_string(m_settings.UntitledCounter));
    ted->setHasFile(false);
    ted->applySettings();
    window->showMaximized();
    activateDocument(ted);
}

// --- text --------------------------------------------------------------------------

std::string CdreamEditor::GetWorkText()
{
    return active()->workText();
}
std::string CdreamEditor::GetSelText()
{
    return active()->selText();
}
void CdreamEditor::PutWorkText(const std::string& text)
{
    active()->putWorkText(text);
}
void CdreamEditor::ReplaceSel(const std::string& text)
{
    active()->replaceSel(text);
}
void CdreamEditor::SetAllText(const std::string& text)
{
    active()->setAllText(text);
}
std::string CdreamEditor::GetAllText()
{
    return active()->allText();
}
LineList CdreamEditor::GetLines()
{
    return splitLines(active()->allText());
}
LineList CdreamEditor::GetSelLines()
{
    return splitSelection(active()->selText());
}
bool CdreamEditor::InsertAtCaret(const std::string& text)
{
    return active()->insertAtCaret(text);
}
void CdreamEditor::InsertLines(const LineList& lines)
{
    active()->insertLines(lines);
}
void CdreamEditor::InsertTextAsLines(const std::string& text)
{
    InsertLines(splitSelection(text));
}
bool CdreamEditor::SelEmpty()
{
    return active()->selEmpty();
}
bool CdreamEditor::HasSel()
{
    return !active()->selEmpty();
}
std::string CdreamEditor::GetWordAtCaret()
{
    return active()->wordAtCaret();
}
void CdreamEditor::DuplicateSel()
{
    active()->duplicateSel();
}

void CdreamEditor::ReplaceWithLines(const LineList& lines)
{
    Ted* t = active();
    t->control()->beginUndoAction();
    t->putWorkText("");
    t->insertLines(lines);
    t->control()->endUndoAction();
}

void CdreamEditor::LoadText(const std::string& fileName, const std::string& text)
{
    Ted* t = active();
    // A load is not an edit: collecting undo for it would copy the whole text once more.
    sci(t, QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
    t->setAllText(text);
    sci(t, QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    sci(t, QsciScintilla::SCI_EMPTYUNDOBUFFER);
    t->unwrapBigText();
    t->setHasFile(true);
    SetFileName(fileName);
    chooseHighlighterForFile(t, fileName);
}

bool CdreamEditor::LoadFileBlocks(const std::string& fileName,
                                  const TedControl::BlockSource& source,
                                  const std::function<void(std::size_t)>& progress,
                                  std::optional<std::size_t> size)
{
    Ted* t = active();
    FeedOptions options = fileFeedOptions();
    // Decided before the text goes in: a big text no highlighter colours is
    // held without style bytes.
    options.plainText = !t->colourSyntax() || !picksHighlighter(fileName);
    sci(t, QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
    if (size)
        t->control()->loadContentSized(source, options, *size, progress);
    else
        t->control()->loadContent(source, options, progress);
    sci(t, QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    sci(t, QsciScintilla::SCI_EMPTYUNDOBUFFER);
    const bool unwrapped = t->unwrapBigText();
    t->setHasFile(true);
    SetFileName(fileName);
    chooseHighlighterForFile(t, fileName);
    return unwrapped;
}

bool CdreamEditor::picksHighlighter(const std::string& fileName) const
{
    return builtinForFileName(fileName) ||
           (schemeForExtension && !schemeForExtension(lowerExtension(fileName)).empty());
}

void CdreamEditor::chooseHighlighterForFile(Ted* ted, const std::string& fileName)
{
    const WrapPause pause(ted);
    if (const BuiltinSyntaxInfo* s = builtinForFileName(fileName)) {
        ted->setBuiltinSyntax(s->id);
        ShowSyntaxName();
        return;
    }
    ted->setBuiltinSyntax(BuiltinSyntax::None);
    ShowStatus(16, "No");
    if (!schemeForExtension)
        return;
    const std::string scheme = schemeForExtension(lowerExtension(fileName));
    if (!scheme.empty() && applySchemeByName(ted, scheme))
        ShowSyntaxName();
}

bool CdreamEditor::applySchemeByName(Ted* ted, const std::string& name)
{
    return applyScheme && applyScheme(ted, name);
}

void CdreamEditor::LoadFromStream(std::istream& in)
{
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Ted* t = active();
    // A load is not an edit: collecting undo for it would copy the whole text once more.
    sci(t, QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
    t->setAllText(text);
    sci(t, QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    sci(t, QsciScintilla::SCI_EMPTYUNDOBUFFER);
    setCaret(t, 0, 0);
    t->setModified(false);
}

void CdreamEditor::LoadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw IoError(editorMessages(), "sEditorCannotReadFile", {path, std::strerror(errno)});
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (const size_t nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    Ted* t = active();
    t->control()->beginUndoAction();
    t->setAllText("");
    t->insertLines(splitLines(text));
    t->control()->endUndoAction();
}

// --- flags and names ------------------------------------------------------------------

void CdreamEditor::SetModified(bool modified)
{
    active()->setModified(modified);
}
bool CdreamEditor::GetModified()
{
    return active()->modified();
}
void CdreamEditor::SetFileName(const std::string& fileName)
{
    active()->setFileName(fileName);
}
std::string CdreamEditor::GetFileName()
{
    return active()->fileName();
}
bool CdreamEditor::HasFile()
{
    return active()->hasFile();
}
uint8_t CdreamEditor::HasFileRaw()
{
    return active()->hasFile() ? 1 : 0;
}
void CdreamEditor::SetHasFile(bool hasFile)
{
    active()->setHasFile(hasFile);
}

std::string CdreamEditor::GetFileNameOf(int index)
{
    Ted* t = documentAt(index);
    return t ? t->fileName() : std::string();
}

bool CdreamEditor::HasFileOf(int index)
{
    Ted* t = documentAt(index);
    return t && t->hasFile();
}

std::string CdreamEditor::GetAllTextOf(int index)
{
    Ted* t = documentAt(index);
    return t ? t->allText() : std::string();
}

void CdreamEditor::SetCharset(const std::string& name)
{
    active()->setCharset(name);
}
void CdreamEditor::SetCharsetUndoable(const std::string& name)
{
    active()->setCharsetUndoable(name);
}
std::string CdreamEditor::GetCharset()
{
    return active()->charset();
}
std::string CdreamEditor::GetFileEncoding()
{
    return codepages::fileEncodingName(active()->fileEncoding());
}
void CdreamEditor::SetFileEncoding(const std::string& name)
{
    codepages::FileEncoding encoding;
    if (codepages::fileEncodingFromName(name, encoding))
        active()->chooseFileEncoding(encoding);
}
std::string CdreamEditor::GetFontName()
{
    return active()->fontName();
}
int CdreamEditor::GetFontSize()
{
    return active()->fontSize();
}

// --- highlighting -----------------------------------------------------------------------

void CdreamEditor::SetSyntax(const std::string& name)
{
    Ted* t = active();
    const WrapPause pause(t);
    if (name == "No") {
        t->setBuiltinSyntax(BuiltinSyntax::None);
        return;
    }
    if (const BuiltinSyntaxInfo* s = builtinByDisplayName(name)) {
        t->setBuiltinSyntax(s->id);
        return;
    }
    applySchemeByName(t, name);
}

void CdreamEditor::ShowSyntaxName()
{
    if (Ted* t = active())
        t->showSyntaxName();
}

void CdreamEditor::ApplyTextStyles()
{
    if (Ted* t = active())
        t->setTextStyles(documentStyles());
}

void CdreamEditor::ResetTextStyles()
{
    active()->setTextStyles(defaultTextStyles());
}

// --- settings ------------------------------------------------------------------------------

void CdreamEditor::ApplySettings()
{
    if (Ted* t = active())
        t->applySettings();
}

void CdreamEditor::ApplyColorsToAll()
{
    Ted* current = active();
    if (!current)
        return;
    // The settings dialog calls this while documents are open: the working code
    // page and the modified flag of the active document are its own, not the
    // settings' (losing the flag would close unsaved work without a question).
    const std::string charset = current->charset();
    const bool modified = current->modified();
    ApplySettings();
    if (current->charset() != charset)
        current->setCharset(charset);
    current->setModified(modified);
    // The styles carry the main background when text_styles_use_back_color is
    // set, so they are rebuilt too: a token keeps no patch of the old colour.
    const std::vector<TextStyle> styles = documentStyles();
    for (Ted* t : documents())
        t->setTextStyles(styles);
}

void CdreamEditor::ApplyFontsToAll()
{
    for (Ted* t : documents())
        t->applyFontForCharset();
}

void CdreamEditor::ApplyFontSizesToAll()
{
    for (Ted* t : documents()) {
        const std::string& cs = t->charset();
        const int size = cs == "koi"   ? m_settings.KOI8Size
                         : cs == "dos" ? m_settings.DOSSize
                                       : m_settings.WINSize;
        t->setFont(t->fontName(), size);
    }
}

void CdreamEditor::ApplyBackgroundToAll()
{
    applyTextFill(documents());
}

void CdreamEditor::ApplyBackground()
{
    if (Ted* t = active())
        applyTextFill({t});
}

void CdreamEditor::applyTextFill(const QList<Ted*>& targets)
{
    if (targets.isEmpty())
        return;
    settings::RFR& f = m_settings.EditorFill;
    AreaFill fill;
    if (f.FillOption == 1) {
        QImage picture(QString::fromStdString(f.Wallpaper)); // paths are UTF-8
        if (picture.isNull()) {
            f.FillOption = 0; // a missing picture turns the fill off until the settings change
        } else {
            fill.kind = AreaFill::Kind::Picture;
            fill.picture = picture;
            fill.pictureMode = f.WallpaperMode;
        }
    } else if (f.FillOption == 2) {
        fill.kind = AreaFill::Kind::Gradient;
        fill.colour1 = toQColor(f.GradientColor1, Qt::white);
        fill.colour2 = toQColor(f.GradientColor2, Qt::white);
        fill.vertical = f.GradientMode != 2;
    }
    for (Ted* t : targets)
        t->control()->setTextFill(fill);
}

void CdreamEditor::ApplyGutterToAll()
{
    for (Ted* t : documents()) {
        t->setGutterWidth(m_settings.GutterFill.width);
        t->setGutterVisible(m_settings.Gutter_Visible);
        t->applyGutterFill();
    }
}

void CdreamEditor::ApplyMarginToAll()
{
    for (Ted* t : documents()) {
        t->setMarginPos(m_settings.RMargin);
        t->setMarginDrawn(m_settings.MarginActive);
    }
}

void CdreamEditor::ApplyLineNumbersToAll()
{
    for (Ted* t : documents())
        t->setLineNumbers(m_settings.ShowLineNumbers);
}

void CdreamEditor::ApplyBlockIndentToAll()
{
    for (Ted* t : documents())
        t->control()->setIndentationWidth(m_settings.autoindent > 0 ? m_settings.autoindent : 1);
}

void CdreamEditor::ApplyTabWidthToAll()
{
    for (Ted* t : documents())
        t->control()->setTabWidth(m_settings.SpacesPerTab > 0 ? m_settings.SpacesPerTab : 1);
}

void CdreamEditor::ApplyHighlightToAll()
{
    for (Ted* t : documents())
        t->setColourSyntax(m_settings.SyntaxHighlight);
}

void CdreamEditor::ApplyLineSeparatorsToAll()
{
    for (Ted* t : documents())
        t->control()->setLineSeparators(m_settings.Lined, m_settings.EditLineSepStyle);
}

void CdreamEditor::SetWordWrap(bool on)
{
    if (Ted* t = active())
        t->setWordWrap(on);
}

bool CdreamEditor::GetWordWrap()
{
    return active()->wordWrap();
}
int CdreamEditor::GetGutterWidth()
{
    return active()->gutterWidth();
}
int CdreamEditor::GetMarginPos()
{
    return active()->marginPos();
}
void CdreamEditor::SetGutterWidth(int width)
{
    active()->setGutterWidth(width);
}
void CdreamEditor::SetMarginPos(int column)
{
    active()->setMarginPos(column);
}

// --- caret and scrolling ------------------------------------------------------------------------

int CdreamEditor::GetTopLine()
{
    return static_cast<int>(sci(active(), QsciScintilla::SCI_GETFIRSTVISIBLELINE));
}
int CdreamEditor::GetTopLine2()
{
    return GetTopLine();
}
int CdreamEditor::ScrollLineUp()
{
    return ScrollVert(-1);
}
int CdreamEditor::ScrollLineDown()
{
    return ScrollVert(1);
}

int CdreamEditor::ScrollVert(int delta)
{
    Ted* t = active();
    const long first = sci(t, QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const long lastDoc = std::max(0, t->control()->lines() - 1);
    const long displayLines =
        sci(t, QsciScintilla::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(lastDoc)) +
        sci(t, QsciScintilla::SCI_WRAPCOUNT, static_cast<unsigned long>(lastDoc));
    const long onScreen = std::max(1L, sci(t, QsciScintilla::SCI_LINESONSCREEN));
    const bool pastEnd = sci(t, QsciScintilla::SCI_GETENDATLASTLINE) == 0;
    const long maxFirst =
        pastEnd ? std::max(0L, displayLines - 1) : std::max(0L, displayLines - onScreen);
    const long target = std::clamp(first + delta, 0L, maxFirst);
    sci(t, QsciScintilla::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(target));
    return static_cast<int>(sci(t, QsciScintilla::SCI_GETFIRSTVISIBLELINE));
}

int CdreamEditor::ScrollHorz(int delta)
{
    Ted* t = active();
    const long charWidth =
        std::max(1L, t->control()->SendScintilla(QsciScintilla::SCI_TEXTWIDTH,
                                                 QsciScintilla::STYLE_DEFAULT, "W"));
    const long x = std::max(0L, sci(t, QsciScintilla::SCI_GETXOFFSET) + delta * charWidth);
    sci(t, QsciScintilla::SCI_SETXOFFSET, static_cast<unsigned long>(x));
    return static_cast<int>(sci(t, QsciScintilla::SCI_GETXOFFSET) / charWidth);
}

int CdreamEditor::ScrollBy(int dcol, int dline)
{
    ScrollVert(dline);
    return ScrollHorz(dcol);
}

void CdreamEditor::SetCaretLine(int line)
{
    Ted* t = active();
    setCaret(t, line, 1);
    t->control()->ensureCursorVisible();
}

void CdreamEditor::MoveCaret(char direction)
{
    Ted* t = active();
    const bool hidden =
        sci(t, QsciScintilla::SCI_GETCARETSTYLE) == QsciScintilla::CARETSTYLE_INVISIBLE;
    long columns = 0, lines = 0;
    unsigned int move = 0;
    switch (direction) {
    case 'r':
        move = QsciScintilla::SCI_CHARRIGHT;
        columns = 1;
        break;
    case 'l':
        move = QsciScintilla::SCI_CHARLEFT;
        columns = -1;
        break;
    case 'u':
        move = QsciScintilla::SCI_LINEUP;
        lines = -1;
        break;
    case 'd':
        move = QsciScintilla::SCI_LINEDOWN;
        lines = 1;
        break;
    default:
        return;
    }
    if (hidden)
        t->control()->SendScintilla(QsciScintilla::SCI_LINESCROLL, columns, lines);
    else
        sci(t, move);
}

void CdreamEditor::ExecCommand(const std::string& name)
{
    if (name == "pressenter")
        sci(active(), QsciScintilla::SCI_NEWLINE);
}

// --- clipboard and undo
// ------------------------------------------------------------------------------

void CdreamEditor::Undo()
{
    active()->control()->undo();
}
void CdreamEditor::Redo()
{
    active()->control()->redo();
}
void CdreamEditor::CopySel()
{
    active()->control()->copy();
}
void CdreamEditor::CutSel()
{
    active()->control()->cut();
}
void CdreamEditor::PasteClip()
{
    active()->control()->paste();
}
bool CdreamEditor::CanUndo()
{
    return true;
}
bool CdreamEditor::CanRedo()
{
    return true;
}

bool CdreamEditor::CanPaste()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void CdreamEditor::SelectAll()
{
    active()->control()->selectAll(true);
}
void CdreamEditor::Nop() {}

// --- dialogs
// --------------------------------------------------------------------------------------------

void CdreamEditor::GotoLineDialog()
{
    Ted* t = active();
    if (!t)
        return;
    int line = 0, index = 0;
    t->control()->getCursorPosition(&line, &index);
    const TextTable& table = gotoLineTexts();
    QInputDialog dialog(m_host.mainWindow);
    dialog.setObjectName(QStringLiteral("GotoLineDialog"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setWindowTitle(uiText(m_host.texts, table, "caption"));
    dialog.setLabelText(uiText(m_host.texts, table, "lLineNumber"));
    dialog.setOkButtonText(uiText(m_host.texts, table, "btOK"));
    dialog.setCancelButtonText(uiText(m_host.texts, table, "btCancel"));
    dialog.setIntRange(1, std::max(1, t->control()->lines()));
    dialog.setIntValue(line + 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setCaret(t, dialog.intValue() - 1, 0);
    t->control()->ensureCursorVisible();
}

void CdreamEditor::FindDialog()
{
    if (active() && m_host.findDialog)
        m_host.findDialog();
}

bool CdreamEditor::FindNext()
{
    return active() && m_host.findNext && m_host.findNext();
}

void CdreamEditor::ReplaceDialog()
{
    if (active() && m_host.replaceDialog)
        m_host.replaceDialog();
}

void CdreamEditor::PrintDialog()
{
    Ted* t = active();
    if (!t)
        return;
    QsciPrinter printer;
    QPrintDialog dialog(&printer, m_host.mainWindow);
    if (dialog.exec() == QDialog::Accepted)
        printer.printRange(t->control());
}

void CdreamEditor::ExportTo(const std::string& fileName, const std::string& format)
{
    if (format != "HTML" && format != "RTF")
        return;
    Ted* t = active();
    TedControl* c = t->control();
    c->SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    const long len = c->SendScintilla(QsciScintilla::SCI_GETLENGTH);

    StyledText text;
    std::string cells(static_cast<size_t>(len) * 2 + 2, '\0');
    c->SendScintilla(QsciScintilla::SCI_GETSTYLEDTEXT, 0L, len, cells.data());
    text.utf8.resize(static_cast<size_t>(len));
    text.styles.resize(static_cast<size_t>(len));
    bool used[256] = {};
    const bool softBreaks = c->hasSoftBreaks();
    // Without a lexer the style bytes only cut the text for measuring.
    const bool plain = c->lexer() == nullptr;
    size_t n = 0;
    for (long i = 0; i < len; ++i) {
        const char ch = cells[static_cast<size_t>(2 * i)];
        // A lone LF only cuts a long line for the display.
        if (softBreaks && ch == '\n' && (i == 0 || cells[static_cast<size_t>(2 * i - 2)] != '\r'))
            continue;
        const auto st =
            plain ? uint8_t{0} : static_cast<uint8_t>(cells[static_cast<size_t>(2 * i + 1)]);
        text.utf8[n] = ch;
        text.styles[n] = st;
        ++n;
        used[st] = true;
    }
    text.utf8.resize(n);
    text.styles.resize(n);
    used[QsciScintilla::STYLE_DEFAULT] = true;
    for (int st = 0; st < 256; ++st) {
        if (!used[st])
            continue;
        ExportStyle& look = text.look[static_cast<size_t>(st)];
        look.fore = static_cast<int32_t>(c->SendScintilla(QsciScintilla::SCI_STYLEGETFORE, st));
        look.back = static_cast<int32_t>(c->SendScintilla(QsciScintilla::SCI_STYLEGETBACK, st));
        // QScintilla stores Qt font weights negated; either sign means the same weight.
        look.bold = std::abs(c->SendScintilla(QsciScintilla::SCI_STYLEGETWEIGHT, st)) >= 600;
        look.italic = c->SendScintilla(QsciScintilla::SCI_STYLEGETITALIC, st) != 0;
        look.underline = c->SendScintilla(QsciScintilla::SCI_STYLEGETUNDERLINE, st) != 0;
    }
    text.defaultStyle = QsciScintilla::STYLE_DEFAULT;
    text.fontName = codepages::winToUtf8(t->fontName());
    text.fontSize = t->fontSize();
    text.title = t->fileName();
    writeFileBytes(fileName, format == "HTML" ? exportHtml(text) : exportRtf(text));
}

// --- host
// --------------------------------------------------------------------------------------------------

void CdreamEditor::FocusEditor()
{
    Ted* t = active();
    if (!t)
        return;
    activateDocument(t);
    t->control()->setFocus();
}

void CdreamEditor::CallHost(const std::string& text, int a, int b)
{
    if (m_callbacks.spare)
        m_callbacks.spare(text, a, b);
}

void CdreamEditor::ShowStatus(int kind, const std::string& text)
{
    switch (kind) {
    case 13:
        if (m_host.setStatusPanel)
            m_host.setStatusPanel(1, QString::fromStdString(text));
        break;
    case 14:
        if (m_callbacks.activateTab)
            m_callbacks.activateTab(text);
        break;
    case 15:
        if (m_host.setStatusPanel)
            m_host.setStatusPanel(0, QString::fromStdString(text));
        break;
    case 16:
        if (m_host.syntaxBox) {
            m_settings.HighlightListUpdating = true;
            m_host.syntaxBox->setCurrentIndex(
                m_host.syntaxBox->findText(QString::fromStdString(codepages::winToUtf8(text))));
            m_settings.HighlightListUpdating = false;
        }
        break;
    default:
        break;
    }
}

void CdreamEditor::SetTemplatesType(const std::string& name)
{
    m_templatesType = name;
    if (Ted* t = active()) {
        t->setTemplatesType(name);
        t->control()->setFocus();
    }
}

} // namespace zuk::editor
