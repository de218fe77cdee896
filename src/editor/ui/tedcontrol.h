#pragma once

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QImage>

#include <functional>
#include <string>
#include <string_view>

#include "codepages/charsets.h"
#include "editor/controlfeed.h"

namespace zuk::editor {

class Ted;

// Texts above this many bytes of control text are big: word wrap, which lays
// out every line, is off for them (see Ted::unwrapBigText), and a big text no
// highlighter colours is held without style bytes (see FeedOptions::plainText).
inline constexpr long kBigText = 8L << 20;

// How a part of the control is filled behind the text.
struct AreaFill {
    enum class Kind { None, Plain, Gradient, Picture };
    Kind kind = Kind::None;
    QColor colour1, colour2; // plain: colour1; gradient: from colour1 to colour2
    bool vertical = true;
    QImage picture;
    int pictureMode = 1; // 1 tiled, 2 centred, 3 stretched
};

// The text editing control of one document window. It holds the document as
// UTF-8 decoded from the bytes of the working code page and hands the key,
// mouse and menu events to its window first. It also paints what Scintilla
// lacks: background fills (multiplied over the text so it stays readable)
// and line separators.
class TedControl final : public QsciScintilla {
    Q_OBJECT
public:
    explicit TedControl(Ted* ted, QWidget* parent = nullptr);
    ~TedControl() override;

    // kBigText, or a smaller limit a test sets.
    static long bigTextLimit();
    static void setBigTextLimit(long bytes);

    codepages::CodePage codePage() const { return m_codePage; }
    void setCodePage(codepages::CodePage cp) { m_codePage = cp; }

    // The control's whole content and ranges of it as bytes of the working code
    // page. Positions are Scintilla's (byte offsets into the UTF-8). The lone
    // LFs that cut long lines into parts are left out.
    std::string contentBytes() const;
    // contentBytes in blocks of about a megabyte, for a writer.
    void forEachContentBlock(const std::function<void(std::string_view)>& sink) const;
    std::string rangeBytes(long start, long end) const;
    // A control position as an offset into the document's bytes (one byte per
    // character, the cuts of long lines left out), and back. Both walk the text
    // from its start: for commands, not for every keystroke.
    long documentOffset(long position) const;
    long controlPosition(long offset) const;

    // Calls its argument with successive blocks of document bytes.
    using BlockSource = std::function<void(const std::function<void(std::string_view)>&)>;
    // Replaces everything with the text `source` gives (see ControlFeed): the
    // source is read twice, once to size the control and once to fill it, in
    // pieces, so a big text never exists whole outside the control. `progress`
    // hears how many bytes of the second reading went in.
    void loadContent(const BlockSource& source, const FeedOptions& options,
                     const std::function<void(std::size_t)>& progress = {});
    // loadContent for a caller that knows the exact size already (a
    // FileLoadScan counted it): the source is read once.
    void loadContentSized(const BlockSource& source, const FeedOptions& options, std::size_t size,
                          const std::function<void(std::size_t)>& progress = {});
    // The same for a text in memory; `text` may have any line breaks.
    void setContent(std::string_view text, const FeedOptions& options = {});
    // Text in the control's own form (CR LF breaks, no final break).
    void setContentBytes(std::string_view controlFormBytes);
    // False while the control holds a big plain text without style bytes
    // (half the memory of the text again): a lexer cannot colour it.
    bool hasStyles() const;
    // Moves the text into a new document with style bytes, keeping the
    // markers, the selection and the view; the undo history stays behind
    // with the old document.
    void remakeWithStyles();
    // True when long lines of the content are shown in parts.
    bool hasSoftBreaks() const { return m_softBreaks; }
    // The control lines that show one document line: a control line continues
    // the one before it when that ends with a cut. firstPart and lastPart give
    // the first and the last control line of the document line `line` shows.
    bool continuesLine(long line) const;
    long firstPart(long line) const;
    long lastPart(long line) const;
    // True when the content is too big for its changes to be announced one by
    // one (see updateTextNotifications).
    bool quietText() const { return m_quietText; }
    // Inserts bytes at the caret (replacing the selection).
    void replaceSelectionBytes(std::string_view bytes);
    QString toDisplay(std::string_view bytes) const;

    // The Scintilla key handling, for a window that let a key through.
    void passKey(QKeyEvent* e) { QsciScintilla::keyPressEvent(e); }
    // Ctrl+End (with Shift: extending the selection) without waiting for word
    // wrap to lay out every line before the end.
    void jumpToEnd(bool extend);

    void setTextFill(const AreaFill& fill);
    void setGutterFill(const AreaFill& fill);
    const AreaFill& gutterFill() const { return m_gutterFill; }
    void setLineSeparators(bool on, int penStyle);
    bool lineSeparators() const { return m_separators; }
    void setUrlHighlight(bool on);
    void setUrlColour(const QColor& colour);
    // The text colour of lines with the breakpoint marker, and bringing the
    // visible lines up to date after their markers changed.
    void setBreakpointTextColour(const QColor& colour);
    void markBreakpointLines();
    bool urlHighlight() const { return m_urls; }
    int marginsWidth() const;
    // A plain text is styled in runs for word wrap (see layoutruns.h) while it
    // is wrapped and shown without a lexer; called after either changes.
    void updateLayoutRuns();
    bool layoutRuns() const { return m_layoutRuns; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

private:
    void markUrls();
    void styleLayoutRuns(long end);
    std::string documentBytes(std::string_view utf8) const;
    void fill(const BlockSource& source, const FeedOptions& options,
              const std::function<void(std::size_t)>& progress, std::size_t size);
    void installDocument(bool styles, std::size_t bytes);
    void updateTextNotifications();
    void announceChange();
    void visiblePart(long& start, long& end) const;
    void paintFill(QPainter& p, const QRect& area, const AreaFill& fill);

    Ted* m_ted;
    codepages::CodePage m_codePage = codepages::CodePage::Win;
    AreaFill m_textFill, m_gutterFill;
    bool m_separators = false;
    Qt::PenStyle m_separatorPen = Qt::DotLine;
    bool m_urls = false;
    bool m_softBreaks = false;
    bool m_quietText = false; // see updateTextNotifications
    bool m_layoutRuns = false;
    // Inside a paint or a jump: styles are wanted for the shown lines only
    // (see styleLayoutRuns).
    bool m_stylingShown = false;
    long m_lineCount = 0;
    // The document QsciScintilla made: kept alive while another one is shown,
    // for QsciScintilla takes it back when the control goes.
    void* m_homeDocument = nullptr;
};

} // namespace zuk::editor
