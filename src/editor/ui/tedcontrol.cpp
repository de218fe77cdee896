#include "editor/ui/tedcontrol.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "editor/doctext.h"
#include "editor/layoutruns.h"
#include "editor/threadedfeed.h"
#include "editor/ui/ted.h"
#include "editor/urlscan.h"
#include "platform/largepages.h"

namespace zuk::editor {

namespace {

constexpr int kUrlIndicator = 8;
constexpr int kBreakpointTextIndicator = 9;
// Lines longer than this are scanned for links only around what is on screen.
constexpr long kUrlScanLine = 8192;
// From this size a text is decoded on a worker thread as it goes in; below it
// the thread would cost more than it saves.
constexpr std::size_t kThreadedFeedSize = 4u << 20;

// Scintilla rewraps the whole document while a big text goes in with word wrap
// on (seconds for a few megabytes); with wrapping paused the text goes in at
// once and the view rewraps lazily, the visible lines first.
class WrapPause {
public:
    WrapPause(QsciScintillaBase* c, size_t size) : m_c(c)
    {
        if (size < 64 * 1024)
            return;
        m_mode = c->SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE);
        if (m_mode != QsciScintillaBase::SC_WRAP_NONE)
            c->SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE,
                             static_cast<unsigned long>(QsciScintillaBase::SC_WRAP_NONE));
    }
    ~WrapPause()
    {
        if (m_mode > 0)
            m_c->SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE,
                               static_cast<unsigned long>(m_mode));
    }
    WrapPause(const WrapPause&) = delete;
    WrapPause& operator=(const WrapPause&) = delete;

private:
    QsciScintillaBase* m_c;
    long m_mode = 0;
};

// Text notifications are off while a text goes in whole: QScintilla copies
// every inserted piece for its listeners and converts it to a QString for
// accessibility, counting characters from the start of the document each
// time. The listeners hear of the change once afterwards.
class QuietInsert {
public:
    explicit QuietInsert(QsciScintilla* c) : m_c(c)
    {
        m_mask = c->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
        m_lines = c->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
        c->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
    }
    ~QuietInsert()
    {
        m_c->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                           static_cast<unsigned long>(m_mask));
        emit m_c->textChanged();
        if (m_c->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT) != m_lines)
            emit m_c->linesChanged();
    }
    QuietInsert(const QuietInsert&) = delete;
    QuietInsert& operator=(const QuietInsert&) = delete;

private:
    QsciScintilla* m_c;
    long m_mask = 0;
    long m_lines = 0;
};

// Above this size a document's text changes are not announced one by one
// (see TedControl::updateTextNotifications).
constexpr long kQuietAbove = 4L << 20;

// The accessibility of a big document's control: a plain editable widget.
// QScintilla's own counts the characters from the start of the document to
// the caret on every screen update.
QAccessibleInterface* bigTextAccessible(const QString&, QObject* object)
{
    auto* c = qobject_cast<TedControl*>(object);
    if (!c || !c->quietText())
        return nullptr; // QScintilla's
    return new QAccessibleWidget(c, QAccessible::EditableText);
}

long g_bigTextLimit = kBigText;

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A document is allocated for its text and some room for the first edits (a
// full buffer would be copied whole, with the memory of both, on the first
// keystroke).
std::size_t roomFor(std::size_t size)
{
    return std::clamp<std::size_t>(size / 64, 4096, 1 << 20);
}

// What Scintilla keeps per document and the control or its window set: a
// new document starts with Scintilla's defaults for all of it.
struct DocumentSettings {
    static constexpr unsigned kNumbers[][2] = {
        {QsciScintillaBase::SCI_GETCODEPAGE, QsciScintillaBase::SCI_SETCODEPAGE},
        {QsciScintillaBase::SCI_GETEOLMODE, QsciScintillaBase::SCI_SETEOLMODE},
        {QsciScintillaBase::SCI_GETTABWIDTH, QsciScintillaBase::SCI_SETTABWIDTH},
        {QsciScintillaBase::SCI_GETINDENT, QsciScintillaBase::SCI_SETINDENT},
        {QsciScintillaBase::SCI_GETUSETABS, QsciScintillaBase::SCI_SETUSETABS},
        {QsciScintillaBase::SCI_GETTABINDENTS, QsciScintillaBase::SCI_SETTABINDENTS},
        {QsciScintillaBase::SCI_GETBACKSPACEUNINDENTS,
         QsciScintillaBase::SCI_SETBACKSPACEUNINDENTS},
        {QsciScintillaBase::SCI_GETUNDOCOLLECTION, QsciScintillaBase::SCI_SETUNDOCOLLECTION},
        {QsciScintillaBase::SCI_GETREADONLY, QsciScintillaBase::SCI_SETREADONLY},
    };
    static constexpr unsigned kCharClasses[][2] = {
        {QsciScintillaBase::SCI_GETWORDCHARS, QsciScintillaBase::SCI_SETWORDCHARS},
        {QsciScintillaBase::SCI_GETWHITESPACECHARS, QsciScintillaBase::SCI_SETWHITESPACECHARS},
        {QsciScintillaBase::SCI_GETPUNCTUATIONCHARS, QsciScintillaBase::SCI_SETPUNCTUATIONCHARS},
    };

    long numbers[std::size(kNumbers)] = {};
    std::string classes[std::size(kCharClasses)];

    explicit DocumentSettings(const QsciScintillaBase* c)
    {
        for (std::size_t i = 0; i < std::size(kNumbers); ++i)
            numbers[i] = c->SendScintilla(kNumbers[i][0]);
        for (std::size_t i = 0; i < std::size(kCharClasses); ++i) {
            std::string& chars = classes[i];
            chars.assign(257, '\0');
            const long n =
                c->SendScintilla(kCharClasses[i][0], 0UL, static_cast<void*>(chars.data()));
            chars.resize(static_cast<std::size_t>(std::clamp(n, 0L, 255L)));
        }
    }
    // The whitespace class goes after the word class: setting the word class
    // resets the other two.
    void apply(QsciScintillaBase* c) const
    {
        for (std::size_t i = 0; i < std::size(kNumbers); ++i)
            c->SendScintilla(kNumbers[i][1], static_cast<unsigned long>(numbers[i]));
        for (std::size_t i = 0; i < std::size(kCharClasses); ++i)
            c->SendScintilla(kCharClasses[i][1], 0UL, classes[i].c_str());
    }
};

} // namespace

long TedControl::bigTextLimit()
{
    return g_bigTextLimit;
}

void TedControl::setBigTextLimit(long bytes)
{
    g_bigTextLimit = bytes;
}

TedControl::TedControl(Ted* ted, QWidget* parent) : QsciScintilla(parent), m_ted(ted)
{
    setUtf8(true);
    // Asked before QScintilla's factory, which the base class installed.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(bigTextAccessible);
        return true;
    }();
    (void)factoryInstalled;
    SendScintilla(SCI_INDICSETSTYLE, kUrlIndicator, INDIC_PLAIN);
    SendScintilla(SCI_INDICSETFORE, kUrlIndicator, QColor(Qt::blue));
    SendScintilla(SCI_INDICSETSTYLE, kBreakpointTextIndicator, INDIC_TEXTFORE);
    SendScintilla(SCI_INDICSETFORE, kBreakpointTextIndicator, QColor(Qt::white));
    // Layouts of the visible lines are kept between paints: a long line is laid
    // out once, not on every paint and caret move.
    SendScintilla(SCI_SETLAYOUTCACHE, static_cast<unsigned long>(SC_CACHE_PAGE));
    SendScintilla(SCI_SETPOSITIONCACHE, 4096UL);
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this,
            [this](int position) { styleLayoutRuns(position); });
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & SC_UPDATE_CONTENT) {
            if (m_quietText)
                announceChange();
            // A document can also grow big, or small, by editing.
            if ((SendScintilla(SCI_GETLENGTH) > kQuietAbove) != m_quietText)
                updateTextNotifications();
        }
        markUrls();
        markBreakpointLines();
    });
}

void TedControl::updateLayoutRuns()
{
    const long mode = SendScintilla(SCI_GETWRAPMODE);
    const bool on = lexer() == nullptr && mode != SC_WRAP_NONE;
    // Word wrap breaks lines at changes of style as well as at blanks. The
    // runs change style at every character, so a text styled in them wraps at
    // blanks only: where a plain text, which has no changes of style, breaks.
    if (on && mode != SC_WRAP_WHITESPACE)
        SendScintilla(SCI_SETWRAPMODE, static_cast<unsigned long>(SC_WRAP_WHITESPACE));
    else if (!on && mode == SC_WRAP_WHITESPACE)
        SendScintilla(SCI_SETWRAPMODE, static_cast<unsigned long>(SC_WRAP_WORD));
    if (on == m_layoutRuns)
        return;
    m_layoutRuns = on;
    if (lexer())
        return; // it styles the text afresh itself
    SendScintilla(SCI_STARTSTYLING, 0UL, 0L);
    // Unwrapped, the runs only cost drawing time: one style again, also for
    // lines a paint styled beyond the mark of the styled part.
    if (!on)
        SendScintilla(SCI_SETSTYLING, static_cast<unsigned long>(SendScintilla(SCI_GETLENGTH)), 0L);
}

// Scintilla asks for the styles up to `end` before it lays lines out; the
// runs restart at each line, so styling starts at the line of the first
// byte not yet styled.
//
// A paint or a jump far below the styled part (to the end right after a big
// text opened) needs only the lines it shows: those
// are styled on their own, and the mark of the styled part goes back to where
// it was, so that the wrapping in the background styles the stretch between
// in its turn. Outside a paint the stretch is styled whole: a wrap of every
// line needs it.
void TedControl::styleLayoutRuns(long end)
{
    if (!m_layoutRuns || lexer())
        return;
    const long styledTo = SendScintilla(SCI_GETENDSTYLED);
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(styledTo));
    long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    if (end <= start)
        return;
    bool skipped = false;
    constexpr long kSkipAbove = 256L << 10;
    if (m_stylingShown && end - start > kSkipAbove) {
        // A paint wraps the shown lines from a few above the top one.
        const long top =
            SendScintilla(SCI_DOCLINEFROMVISIBLE,
                          static_cast<unsigned long>(SendScintilla(SCI_GETFIRSTVISIBLELINE)));
        const long from = SendScintilla(SCI_POSITIONFROMLINE,
                                        static_cast<unsigned long>(std::max(line, top - 8)));
        if (from - start > kSkipAbove / 2) {
            start = from;
            skipped = true;
        }
    }
    const auto length = static_cast<size_t>(end - start);
    const auto* text = reinterpret_cast<const char*>(SendScintilla(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(length)));
    // In pieces through one small buffer: a megabyte-sized one would cost
    // more in fresh pages than the styling itself.
    constexpr size_t kPiece = 64 * 1024;
    std::vector<char> styles(std::min(length, kPiece));
    SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(start), 0L);
    char style = kRunStyleB;
    for (size_t done = 0; done < length;) {
        size_t n = std::min(kPiece, length - done);
        // Cut before a character, never inside one.
        while (done + n < length && n > 4 && isContinuationByte(text[done + n]))
            --n;
        style = fillLayoutRunStyles(std::string_view(text + done, n), styles.data(), style);
        SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(n), styles.data());
        done += n;
    }
    if (skipped)
        SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(styledTo), 0L);
}

TedControl::~TedControl()
{
    // QsciScintilla hands the document it made back to Scintilla on
    // destruction: it must be the one shown then. Showing it releases the
    // current one.
    if (!m_homeDocument)
        return;
    blockSignals(true);
    SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    SendScintilla(SCI_SETDOCPOINTER, 0UL, m_homeDocument);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, m_homeDocument);
}

bool TedControl::hasStyles() const
{
    return (SendScintilla(SCI_GETDOCUMENTOPTIONS) & SC_DOCUMENTOPTION_STYLES_NONE) == 0;
}

// A new empty document in place of the current one. Scintilla frees the old
// one unless something else holds it; the first one is held (see
// m_homeDocument) after it was emptied.
void TedControl::installDocument(bool styles, std::size_t bytes)
{
    const DocumentSettings settings(this);
    void* const old = SendScintillaPtrResult(SCI_GETDOCPOINTER);
    if (!m_homeDocument) {
        m_homeDocument = old;
        SendScintilla(SCI_ADDREFDOCUMENT, 0UL, m_homeDocument);
        const long collecting = SendScintilla(SCI_GETUNDOCOLLECTION);
        SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
        SendScintilla(SCI_CLEARALL);
        SendScintilla(SCI_EMPTYUNDOBUFFER);
        SendScintilla(SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(collecting));
    }
    const bool wasModified = isModified();
    // The lexer of a document is set on the document itself.
    QsciLexer* const shownLexer = lexer();
    if (shownLexer)
        setLexer(nullptr);

    const long made = SendScintilla(SCI_CREATEDOCUMENT, static_cast<unsigned long>(bytes),
                                    styles ? 0L : static_cast<long>(SC_DOCUMENTOPTION_STYLES_NONE));
    SendScintilla(SCI_SETDOCPOINTER, 0UL, reinterpret_cast<void*>(made));
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, reinterpret_cast<void*>(made));
    settings.apply(this);
    if (shownLexer)
        setLexer(shownLexer);
    // QsciScintilla keeps its own modified flag, which follows the save
    // point notifications; the new document is at its save point.
    if (wasModified)
        SendScintilla(SCI_SETSAVEPOINT);
}

void TedControl::remakeWithStyles()
{
    if (hasStyles())
        return;
    const long length = SendScintilla(SCI_GETLENGTH);
    const long anchor = SendScintilla(SCI_GETANCHOR);
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long topLine =
        SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE));
    const long xOffset = SendScintilla(SCI_GETXOFFSET);
    std::vector<std::pair<long, unsigned long>> markers;
    for (long line = SendScintilla(SCI_MARKERNEXT, 0UL, -1L); line >= 0;
         line = SendScintilla(SCI_MARKERNEXT, static_cast<unsigned long>(line + 1), -1L))
        markers.emplace_back(line, static_cast<unsigned long>(SendScintilla(SCI_MARKERGET, line)));

    // The old document stays alive, its text in one piece, until it is copied.
    void* const old = SendScintillaPtrResult(SCI_GETDOCPOINTER);
    SendScintilla(SCI_ADDREFDOCUMENT, 0UL, old);
    const auto* text = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    const WrapPause pause(this, static_cast<std::size_t>(length));
    const long mask = SendScintilla(SCI_GETMODEVENTMASK);
    SendScintilla(SCI_SETMODEVENTMASK, 0UL);
    installDocument(true,
                    static_cast<std::size_t>(length) + roomFor(static_cast<std::size_t>(length)));
    const long collecting = SendScintilla(SCI_GETUNDOCOLLECTION);
    const long readOnly = SendScintilla(SCI_GETREADONLY);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_SETREADONLY, 0UL);
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(length), text);
    SendScintilla(SCI_SETREADONLY, static_cast<unsigned long>(readOnly));
    SendScintilla(SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(collecting));
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, old);
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask));

    for (const auto& [line, bits] : markers)
        SendScintilla(SCI_MARKERADDSET, static_cast<unsigned long>(line), static_cast<long>(bits));
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    SendScintilla(SCI_SETFIRSTVISIBLELINE, SendScintilla(SCI_VISIBLEFROMDOCLINE, topLine));
    SendScintilla(SCI_SETXOFFSET, static_cast<unsigned long>(xOffset));
}

// QScintilla announces every insertion and deletion to accessibility with the
// count of characters from the start of the document to the change: a
// keystroke at the end of 100 MB took more than a second. In a big document
// the changes are not announced one by one; the line and text signals are
// given once per screen update instead.
void TedControl::updateTextNotifications()
{
    const bool quiet = SendScintilla(SCI_GETLENGTH) > kQuietAbove;
    // A text change passes the mask through its own bits and through those of
    // how it was made (user, undo, redo, start of an action), so all of
    // those stay out; marker, fold, style and other changes still come.
    unsigned long mask = SC_MODEVENTMASKALL;
    if (quiet)
        mask &= ~static_cast<unsigned long>(
            SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT | SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE |
            SC_PERFORMED_USER | SC_PERFORMED_UNDO | SC_PERFORMED_REDO | SC_MULTISTEPUNDOREDO |
            SC_LASTSTEPINUNDOREDO | SC_MULTILINEUNDOREDO | SC_STARTACTION);
    SendScintilla(SCI_SETMODEVENTMASK, mask);
    m_lineCount = SendScintilla(SCI_GETLINECOUNT);
    if (quiet != m_quietText) {
        m_quietText = quiet;
        // The next one asked for is made afresh, by the factory that suits.
        if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(this))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    }
}

void TedControl::announceChange()
{
    emit textChanged();
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    if (lines != m_lineCount) {
        m_lineCount = lines;
        emit linesChanged();
    }
}

// Bytes of the working code page for a stretch of the control's UTF-8, less
// the lone LFs that cut long lines.
std::string TedControl::documentBytes(std::string_view utf8) const
{
    std::string bytes = codepages::encodeFromUtf8(utf8, m_codePage);
    if (m_softBreaks)
        dropSoftBreaks(bytes);
    return bytes;
}

std::string TedControl::contentBytes() const
{
    const long len = SendScintilla(SCI_GETLENGTH);
    const auto* ptr = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    if (len <= 0 || !ptr)
        return {};
    return documentBytes(std::string_view(ptr, static_cast<size_t>(len)));
}

void TedControl::forEachContentBlock(const std::function<void(std::string_view)>& sink) const
{
    const auto len = static_cast<std::size_t>(std::max(0L, SendScintilla(SCI_GETLENGTH)));
    const auto* ptr = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    if (len == 0 || !ptr)
        return;
    constexpr std::size_t kBlock = 1 << 20;
    std::size_t at = 0;
    while (at < len) {
        std::size_t end = std::min(len, at + kBlock);
        // A block ends between characters and never inside a CR LF.
        while (end < len && (static_cast<unsigned char>(ptr[end]) & 0xC0) == 0x80)
            ++end;
        if (end < len && ptr[end - 1] == '\r' && ptr[end] == '\n')
            ++end;
        sink(documentBytes(std::string_view(ptr + at, end - at)));
        at = end;
    }
}

std::string TedControl::rangeBytes(long start, long end) const
{
    if (end <= start)
        return {};
    const long ptr =
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start);
    if (!ptr)
        return {};
    return documentBytes(
        std::string_view(reinterpret_cast<const char*>(ptr), static_cast<size_t>(end - start)));
}

bool TedControl::continuesLine(long line) const
{
    if (!m_softBreaks || line <= 0 || line >= lines())
        return false;
    const long start = SendScintilla(SCI_POSITIONFROMLINE, line);
    if (start < 1)
        return false;
    const auto at = [this](long pos) {
        return static_cast<char>(SendScintilla(SCI_GETCHARAT, static_cast<unsigned long>(pos)));
    };
    return at(start - 1) == '\n' && (start < 2 || at(start - 2) != '\r');
}

long TedControl::firstPart(long line) const
{
    while (continuesLine(line))
        --line;
    return line;
}

long TedControl::lastPart(long line) const
{
    while (continuesLine(line + 1))
        ++line;
    return line;
}

long TedControl::documentOffset(long position) const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    position = std::clamp(position, 0L, length);
    const auto* text = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    if (!text)
        return 0;
    long offset = 0;
    for (long i = 0; i < position; ++i) {
        const char c = text[i];
        if (isContinuationByte(c) || (c == '\n' && (i == 0 || text[i - 1] != '\r')))
            continue;
        ++offset;
    }
    return offset;
}

long TedControl::controlPosition(long offset) const
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto* text = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
    if (!text || offset <= 0)
        return 0;
    long seen = 0;
    for (long i = 0; i < length; ++i) {
        const char c = text[i];
        if (isContinuationByte(c) || (c == '\n' && (i == 0 || text[i - 1] != '\r')))
            continue;
        if (seen == offset)
            return i;
        ++seen;
    }
    return length;
}

void TedControl::loadContent(const BlockSource& source, const FeedOptions& options,
                             const std::function<void(std::size_t)>& progress)
{
    ControlFeed counter(m_codePage, options);
    source([&counter](std::string_view block) { counter.put(block); });
    counter.finish();
    loadContentSized(source, options, counter.size(), progress);
}

void TedControl::loadContentSized(const BlockSource& source, const FeedOptions& options,
                                  std::size_t size,
                                  const std::function<void(std::size_t)>& progress)
{
    fill(source, options, progress, size);
    updateTextNotifications();

    // Caret and view to the start without bringing the caret into view: that
    // would lay out the first line now.
    SendScintilla(SCI_SETEMPTYSELECTION, 0UL);
    SendScintilla(SCI_SETFIRSTVISIBLELINE, 0UL);
    SendScintilla(SCI_SETXOFFSET, 0UL);
    // Up and Down go from column 0 (this too lays out the first line).
    if (SendScintilla(SCI_GETLINEENDPOSITION, 0UL) < 64 * 1024)
        SendScintilla(SCI_CHOOSECARETX);
}

void TedControl::fill(const BlockSource& source, const FeedOptions& options,
                      const std::function<void(std::size_t)>& progress, std::size_t size)
{
    const WrapPause pause(this, size);
    const QuietInsert quiet(this);
    // No paints of a half-filled control while a caller shows progress.
    struct NoPaints {
        QWidget* w;
        bool was;
        explicit NoPaints(QWidget* widget) : w(widget), was(widget->updatesEnabled())
        {
            w->setUpdatesEnabled(false);
        }
        ~NoPaints() { w->setUpdatesEnabled(was); }
    } const noPaints(this);

    SendScintilla(SCI_CLEARALL);
    // One allocation of the final size and some room; the pieces then fill
    // it in place. The control clears it whole at once, with a helper
    // thread faulting in its far end meanwhile.
    const platform::ParallelFirstTouch firstTouch(size);
    const std::size_t room = roomFor(size);
    // A big plain text goes into a document without style bytes (one for
    // every byte of text otherwise); it is remade with them when a
    // highlighter is asked for. Other texts stay in the document there is.
    if (options.plainText && size > static_cast<std::size_t>(g_bigTextLimit) && hasStyles())
        installDocument(false, size + room);
    else
        SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(size + room));
    auto append = [this](std::string_view utf8) {
        SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.data());
    };
    auto feedAll = [&](auto& feed) {
        std::size_t consumed = 0;
        source([&](std::string_view block) {
            feed.put(block);
            consumed += block.size();
            if (progress)
                progress(consumed);
        });
        feed.finish();
        m_softBreaks = feed.softBreaks() > 0;
    };
    // A big text is decoded on a worker thread while the control takes it in.
    if (size >= kThreadedFeedSize) {
        ThreadedControlFeed feed(m_codePage, options, append);
        feedAll(feed);
    } else {
        ControlFeed feed(m_codePage, options, append);
        feedAll(feed);
    }
}

void TedControl::setContent(std::string_view text, const FeedOptions& options)
{
    loadContent([text](const std::function<void(std::string_view)>& put) { put(text); }, options);
}

void TedControl::setContentBytes(std::string_view controlFormBytes)
{
    FeedOptions options;
    options.dropFinalBreak = false;
    setContent(controlFormBytes, options);
}

void TedControl::replaceSelectionBytes(std::string_view bytes)
{
    // The same form as a loaded text: CR LF breaks, long lines in parts.
    FeedOptions options;
    options.dropFinalBreak = false;
    std::string utf8;
    ControlFeed feed(m_codePage, options, [&utf8](std::string_view piece) { utf8 += piece; });
    feed.put(bytes);
    feed.finish();
    if (feed.softBreaks() > 0)
        m_softBreaks = true;
    const WrapPause pause(this, utf8.size());
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_REPLACESEL, static_cast<uintptr_t>(0), "");
    if (!utf8.empty())
        SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.data());
    SendScintilla(SCI_ENDUNDOACTION);
}

QString TedControl::toDisplay(std::string_view bytes) const
{
    const std::string utf8 = codepages::decodeToUtf8(bytes, m_codePage);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void TedControl::setTextFill(const AreaFill& fill)
{
    m_textFill = fill;
    viewport()->update();
}

void TedControl::setGutterFill(const AreaFill& fill)
{
    if (&fill != &m_gutterFill)
        m_gutterFill = fill;
    if (fill.kind == AreaFill::Kind::Plain)
        setMarginsBackgroundColor(fill.colour1);
    else if (fill.kind == AreaFill::Kind::Gradient)
        setMarginsBackgroundColor(Qt::white); // the gradient is multiplied over it
    viewport()->update();
}

void TedControl::setLineSeparators(bool on, int penStyle)
{
    static const Qt::PenStyle kPens[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                         Qt::DashDotDotLine};
    m_separators = on;
    m_separatorPen = penStyle >= 0 && penStyle < 5 ? kPens[penStyle] : Qt::DotLine;
    viewport()->update();
}

void TedControl::setUrlHighlight(bool on)
{
    if (m_urls == on)
        return;
    m_urls = on;
    if (!on) {
        SendScintilla(SCI_SETINDICATORCURRENT, kUrlIndicator);
        SendScintilla(SCI_INDICATORCLEARRANGE, 0, SendScintilla(SCI_GETLENGTH));
    }
    markUrls();
}

void TedControl::setUrlColour(const QColor& colour)
{
    SendScintilla(SCI_INDICSETFORE, kUrlIndicator, colour);
}

void TedControl::setBreakpointTextColour(const QColor& colour)
{
    SendScintilla(SCI_INDICSETFORE, kBreakpointTextIndicator, colour);
}

// Markers move with their lines, indicators with their text: the visible
// lines are brought in line with their markers on every update, so an edit
// that joins, splits or extends a line leaves no stray colour.
void TedControl::markBreakpointLines()
{
    const long firstVisible = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long first = SendScintilla(SCI_DOCLINEFROMVISIBLE, firstVisible);
    const long last = std::min<long>(lines() - 1, first + SendScintilla(SCI_LINESONSCREEN) + 1);
    SendScintilla(SCI_SETINDICATORCURRENT, kBreakpointTextIndicator);
    for (long line = first; line <= last; ++line) {
        const long start = SendScintilla(SCI_POSITIONFROMLINE, line);
        const long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
        if (end <= start)
            continue;
        const bool wanted = markersAtLine(static_cast<int>(line)) & (1u << Ted::kBreakpointLine);
        const bool whole = SendScintilla(SCI_INDICATOREND, kBreakpointTextIndicator, start) >= end;
        const bool marked =
            SendScintilla(SCI_INDICATORVALUEAT, kBreakpointTextIndicator, start) != 0;
        if (whole && marked == wanted)
            continue;
        SendScintilla(SCI_INDICATORCLEARRANGE, start, end - start);
        if (wanted)
            SendScintilla(SCI_INDICATORFILLRANGE, start, end - start);
    }
}

int TedControl::marginsWidth() const
{
    int w = 0;
    for (int m = 0; m < 5; ++m)
        w += static_cast<int>(SendScintilla(SCI_GETMARGINWIDTHN, m));
    return w;
}

// Only the visible lines are scanned, so a huge document costs nothing extra.
void TedControl::markUrls()
{
    if (!m_urls)
        return;
    const long firstVisible = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long first = SendScintilla(SCI_DOCLINEFROMVISIBLE, firstVisible);
    const long last = std::min<long>(lines() - 1, first + SendScintilla(SCI_LINESONSCREEN) + 1);
    SendScintilla(SCI_SETINDICATORCURRENT, kUrlIndicator);
    for (long line = first; line <= last; ++line) {
        long start = SendScintilla(SCI_POSITIONFROMLINE, line);
        long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
        if (end - start > kUrlScanLine)
            visiblePart(start, end);
        SendScintilla(SCI_INDICATORCLEARRANGE, start, end - start);
        if (end <= start)
            continue;
        const long ptr =
            SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start);
        if (!ptr)
            continue;
        const std::string_view text(reinterpret_cast<const char*>(ptr),
                                    static_cast<size_t>(end - start));
        for (const TextRun& r : findUrls(text))
            SendScintilla(SCI_INDICATORFILLRANGE, start + static_cast<long>(r.start),
                          static_cast<long>(r.length));
    }
}

// Narrows [start, end) of one long line to the part on screen and a margin
// around it, cut at character starts.
void TedControl::visiblePart(long& start, long& end) const
{
    const QRect area = viewport()->rect();
    const long first = SendScintilla(SCI_POSITIONFROMPOINT, 0UL, 0L);
    const long last = SendScintilla(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(area.width()),
                                    static_cast<long>(area.height()));
    const long from = std::max(start, std::min(first, last) - kUrlScanLine / 2);
    const long to = std::min(end, std::max(first, last) + kUrlScanLine / 2);
    if (from >= to) {
        end = start;
        return;
    }
    const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    auto charStart = [text](long pos) {
        return (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80;
    };
    long s = from, e = to;
    while (s < e && !charStart(s))
        ++s;
    while (e < end && e > s && !charStart(e))
        --e;
    start = s;
    end = e;
}

// Scintilla's own jump first wraps every line not wrapped yet, so that it
// knows exactly where the end is shown: right after a big text opens, that is
// the whole layout (about 20 ms per megabyte) in one keystroke. Here only the
// last screenful is wrapped, by showing it (a paint wraps what it shows, and
// draws nothing when heights changed), so the caret can then be scrolled into
// view from exact heights. The lines above wait for the wrapping in the
// background, which keeps the top line shown where it is.
void TedControl::jumpToEnd(bool extend)
{
    constexpr long kWrapsQuicklyBelow = 512L << 10;
    const long length = SendScintilla(SCI_GETLENGTH);
    const QWindow* window = viewport()->window()->windowHandle();
    if (SendScintilla(SCI_GETWRAPMODE) == SC_WRAP_NONE || length < kWrapsQuicklyBelow ||
        !viewport()->isVisible() || !window || !window->isExposed()) {
        SendScintilla(extend ? SCI_DOCUMENTENDEXTEND : SCI_DOCUMENTEND);
        return;
    }
    const long anchor = extend ? SendScintilla(SCI_GETANCHOR) : length;
    const long lastLine = SendScintilla(SCI_GETLINECOUNT) - 1;
    auto row = [this](long line) {
        return SendScintilla(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
    };
    const long rows = SendScintilla(SCI_LINESONSCREEN);
    const long firstRow = std::max(0L, row(lastLine + 1) - rows);
    // Once the wrapping is through the lines of the last screenful (it has
    // always been, long after opening), the paint is not needed.
    bool wrapped = true;
    for (long line = SendScintilla(SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(firstRow));
         line <= lastLine && wrapped; ++line)
        wrapped = row(line + 1) - row(line) ==
                  SendScintilla(SCI_WRAPCOUNT, static_cast<unsigned long>(line));
    m_stylingShown = true;
    if (!wrapped) {
        SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstRow));
        viewport()->repaint();
    }
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(anchor), length);
    m_stylingShown = false;
    SendScintilla(SCI_CHOOSECARETX);
}

void TedControl::keyPressEvent(QKeyEvent* e)
{
    if (m_ted)
        m_ted->keyPress(e);
    else
        QsciScintilla::keyPressEvent(e);
}

void TedControl::keyReleaseEvent(QKeyEvent* e)
{
    QsciScintilla::keyReleaseEvent(e);
    if (m_ted)
        m_ted->keyRelease(e);
}

void TedControl::mouseReleaseEvent(QMouseEvent* e)
{
    QsciScintilla::mouseReleaseEvent(e);
    if (m_ted)
        m_ted->mouseReleased();
}

void TedControl::contextMenuEvent(QContextMenuEvent* e)
{
    if (m_ted)
        m_ted->showContextMenu(e->globalPos());
    else
        QsciScintilla::contextMenuEvent(e);
}

// Pasted and dropped text passes through the working code page, so characters
// it cannot hold show as the '?' the document will store.
QByteArray TedControl::fromMimeData(const QMimeData* source, bool& rectangular) const
{
    const QByteArray utf8 = QsciScintilla::fromMimeData(source, rectangular);
    // Pasted breaks become CR LF: a lone LF in the control only cuts a long line.
    const std::string bytes = normalizeBreaks(codepages::encodeFromUtf8(
        std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), m_codePage));
    const std::string back = codepages::decodeToUtf8(bytes, m_codePage);
    return QByteArray(back.data(), static_cast<qsizetype>(back.size()));
}

// Copied and dragged text leaves out the breaks that only cut long lines.
QMimeData* TedControl::toMimeData(const QByteArray& text, bool rectangular) const
{
    if (!m_softBreaks || !text.contains('\n'))
        return QsciScintilla::toMimeData(text, rectangular);
    std::string utf8(text.constData(), static_cast<size_t>(text.size()));
    dropSoftBreaks(utf8); // an LF byte is never part of a longer UTF-8 sequence
    return QsciScintilla::toMimeData(QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size())),
                                     rectangular);
}

void TedControl::paintFill(QPainter& p, const QRect& area, const AreaFill& fill)
{
    if (area.isEmpty())
        return;
    switch (fill.kind) {
    case AreaFill::Kind::None:
    case AreaFill::Kind::Plain:
        return;
    case AreaFill::Kind::Gradient: {
        QLinearGradient g(area.topLeft(), fill.vertical ? area.bottomLeft() : area.topRight());
        g.setColorAt(0, fill.colour1);
        g.setColorAt(1, fill.colour2);
        p.fillRect(area, g);
        return;
    }
    case AreaFill::Kind::Picture:
        if (fill.picture.isNull())
            return;
        p.save();
        p.setClipRect(area);
        if (fill.pictureMode == 3) {
            p.drawImage(area, fill.picture);
        } else if (fill.pictureMode == 2) {
            const QRect r(QPoint(0, 0), fill.picture.size());
            p.drawImage(r.translated(area.center() - r.center()), fill.picture);
        } else {
            p.drawTiledPixmap(area, QPixmap::fromImage(fill.picture));
        }
        p.restore();
        return;
    }
}

void TedControl::paintEvent(QPaintEvent* e)
{
    const bool shown = std::exchange(m_stylingShown, true);
    QsciScintilla::paintEvent(e);
    m_stylingShown = shown;
    const bool fills = m_textFill.kind == AreaFill::Kind::Gradient ||
                       m_textFill.kind == AreaFill::Kind::Picture ||
                       m_gutterFill.kind == AreaFill::Kind::Gradient;
    if (!fills && !m_separators)
        return;

    QPainter p(viewport());
    const int gutter = marginsWidth();
    const QRect all = viewport()->rect();
    const QRect textArea(gutter, 0, all.width() - gutter, all.height());
    if (fills) {
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        paintFill(p, textArea, m_textFill);
        if (m_gutterFill.kind == AreaFill::Kind::Gradient)
            paintFill(p, QRect(0, 0, gutter, all.height()), m_gutterFill);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (m_separators) {
        p.setPen(QPen(QColor(160, 160, 160), 1, m_separatorPen));
        const long firstVisible = SendScintilla(SCI_GETFIRSTVISIBLELINE);
        const long count = lines();
        for (long line = SendScintilla(SCI_DOCLINEFROMVISIBLE, firstVisible) + 1; line < count;
             ++line) {
            const long pos = SendScintilla(SCI_POSITIONFROMLINE, line);
            const int y = static_cast<int>(SendScintilla(SCI_POINTYFROMPOSITION, 0, pos)) - 1;
            if (y > all.height())
                break;
            if (y >= 0)
                p.drawLine(gutter, y, all.width(), y);
        }
    }
}

} // namespace zuk::editor
