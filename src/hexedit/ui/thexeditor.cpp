#include "hexedit/ui/thexeditor.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/ui/colours.h"
#include "hexedit/hexdocument.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <memory>
#include <vector>

namespace zuk::hexedit::ui {

namespace {

// Up to this many scroll positions the bar counts rows; beyond (a huge file
// in short rows) each of its steps stands for a share of the rows.
constexpr std::uint64_t kDirectRows = 1u << 30;
constexpr int kScaledSteps = 1 << 30;

// The first character of a settings string (Windows-1251); `fallback` for
// an empty one.
char32_t firstChar(const std::string& win, char32_t fallback)
{
    const QString s = QString::fromStdString(codepages::winToUtf8(win));
    return s.isEmpty() ? fallback : s.toUcs4().first();
}

QString fromUcs4(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

} // namespace

THexEditor::THexEditor(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("HexEditor"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    applySettings(settings::RHexEdit{});
}

void THexEditor::setDocument(CHexDocument* document)
{
    m_doc = document;
    m_caret = 0;
    m_area = HexArea::Hex;
    m_digit = 0;
    m_top = 0;
    m_highDigitTyped.reset();
    m_layout = CHexLayout(m_layout.bytesPerLine(), m_layout.bytesPerColumn(), m_offsets,
                          m_separator, m_doc ? m_doc->size() : 0);
    updateScrollBars();
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    emit caretMoved();
}

void THexEditor::applySettings(const settings::RHexEdit& s)
{
    const OffsetDisplay offsets =
        offsetDisplayFromName(s.OffsetDisplay).value_or(OffsetDisplay::Hex);
    const std::string separator = codepages::winToUtf8(s.OffsetSeparator);
    // Built first: a bad width throws before anything changed.
    CHexLayout layout(s.BytesPerLine, s.BytesPerColumn, offsets, separator,
                      m_doc ? m_doc->size() : 0);
    m_layout = layout;
    m_offsets = offsets;
    m_separator = separator;
    m_translation = translationFromName(s.Translation).value_or(Translation::Ansi);
    m_maskWhiteSpaces = s.MaskWhiteSpaces;
    m_mask = firstChar(s.MaskChar, '.');
    m_focusFrame = s.FocusFrame;

    QFont font(QString::fromStdString(codepages::winToUtf8(s.FontName)));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(std::clamp(s.FontHeight, 6, 72));
    // A font that is not fixed-pitch would break the grid.
    if (!QFontInfo(font).fixedPitch()) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPixelSize(font.pixelSize());
        font = fixed;
    }
    m_font = font;
    measureFont();

    const QPalette pal = palette();
    m_background = editor::toQColor(s.Background, pal.color(QPalette::Base));
    m_currentBack = editor::toQColor(s.CurrentBack, pal.color(QPalette::Highlight));
    m_currentText = editor::toQColor(s.CurrentText, pal.color(QPalette::HighlightedText));
    m_changedBack = editor::toQColor(s.ChangedBack, QColor(0xFF, 0xFF, 0xA8));
    m_changedText = editor::toQColor(s.ChangedText, QColor(0x80, 0, 0));
    m_caretFrame = editor::toQColor(s.CaretFrame, QColor(0, 0, 0x80));
    m_offsetText = editor::toQColor(s.OffsetText, pal.color(QPalette::Text));
    m_oddColumn = editor::toQColor(s.OddColumn, QColor(0, 0, 0xFF));
    m_evenColumn = editor::toQColor(s.EvenColumn, QColor(0, 0, 0x80));

    updateScrollBars();
    ensureCaretVisible();
    viewport()->update();
}

void THexEditor::measureFont()
{
    const QFontMetrics fm(m_font);
    m_cellWidth = std::max(1, fm.horizontalAdvance(QLatin1Char('0')));
    m_rowHeight = std::max(1, fm.height());
    m_ascent = fm.ascent();
}

char32_t THexEditor::shown(std::uint8_t byte) const
{
    return shownChar(m_translation, byte, m_maskWhiteSpaces, m_mask);
}

int THexEditor::pageRows() const
{
    return std::max(1, viewport()->height() / m_rowHeight);
}

std::uint64_t THexEditor::maxTop() const
{
    const std::uint64_t rows = m_layout.rowCount();
    const auto page = static_cast<std::uint64_t>(pageRows());
    return rows > page ? rows - page : 0;
}

void THexEditor::updateScrollBars()
{
    const std::uint64_t top = maxTop();
    m_barScaled = top > kDirectRows;
    QScrollBar* bar = verticalScrollBar();
    m_syncingBar = true;
    if (m_barScaled) {
        bar->setRange(0, kScaledSteps);
        bar->setPageStep(std::max<int>(
            1, static_cast<int>(static_cast<long double>(pageRows()) * kScaledSteps / top)));
        bar->setSingleStep(1);
    } else {
        bar->setRange(0, static_cast<int>(top));
        bar->setPageStep(pageRows());
        bar->setSingleStep(1);
    }
    m_syncingBar = false;
    setTop(std::min(m_top, top));

    QScrollBar* h = horizontalScrollBar();
    const int width = m_layout.rowCells() * m_cellWidth + m_cellWidth;
    h->setRange(0, std::max(0, width - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(m_cellWidth);
}

void THexEditor::setTop(std::uint64_t row)
{
    const std::uint64_t top = maxTop();
    m_top = std::min(row, top);
    QScrollBar* bar = verticalScrollBar();
    m_syncingBar = true;
    if (m_barScaled)
        bar->setValue(top == 0 ? 0
                               : static_cast<int>(static_cast<long double>(m_top) * kScaledSteps /
                                                  static_cast<long double>(top)));
    else
        bar->setValue(static_cast<int>(m_top));
    m_syncingBar = false;
    viewport()->update();
}

void THexEditor::scrollContentsBy(int, int)
{
    if (!m_syncingBar) {
        const int value = verticalScrollBar()->value();
        if (m_barScaled)
            m_top = static_cast<std::uint64_t>(static_cast<long double>(value) * maxTop() /
                                               kScaledSteps);
        else
            m_top = static_cast<std::uint64_t>(std::max(0, value));
    }
    viewport()->update();
}

void THexEditor::ensureCaretVisible()
{
    const std::uint64_t row = m_layout.rowOf(m_caret);
    const auto page = static_cast<std::uint64_t>(pageRows());
    if (row < m_top)
        setTop(row);
    else if (row >= m_top + page)
        setTop(row - page + 1);
    const int index =
        static_cast<int>(m_caret % static_cast<std::uint64_t>(m_layout.bytesPerLine()));
    const int cell =
        m_area == HexArea::Hex ? m_layout.hexCell(index) + m_digit : m_layout.charCell(index);
    QScrollBar* h = horizontalScrollBar();
    const int x = cell * m_cellWidth;
    if (x < h->value())
        h->setValue(x);
    else if (x + m_cellWidth > h->value() + viewport()->width())
        h->setValue(x + m_cellWidth - viewport()->width());
}

void THexEditor::setCaret(std::uint64_t offset, HexArea area, int digit)
{
    const std::uint64_t size = m_doc ? m_doc->size() : 0;
    m_caret = size == 0 ? 0 : std::min(offset, size - 1);
    m_area = area;
    m_digit = area == HexArea::Hex ? std::clamp(digit, 0, 1) : 0;
    m_highDigitTyped.reset();
    ensureCaretVisible();
    viewport()->update();
    emit caretMoved();
}

QString THexEditor::rowText(std::uint64_t row) const
{
    if (!m_doc || row >= m_layout.rowCount())
        return {};
    const auto perLine = static_cast<std::uint64_t>(m_layout.bytesPerLine());
    const std::uint64_t offset = row * perLine;
    const int count = static_cast<int>(std::min(perLine, m_doc->size() - offset));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    m_doc->read(offset, bytes.size(), bytes.data(), nullptr);
    return QString::fromStdString(
        m_layout.rowText(row, bytes.data(), count, [this](std::uint8_t b) { return shown(b); }));
}

bool THexEditor::undo()
{
    if (!m_doc)
        return false;
    const std::optional<std::uint64_t> at = m_doc->undo();
    if (!at)
        return false;
    setCaret(*at, m_area, 0);
    emit contentChanged();
    return true;
}

// --- painting ------------------------------------------------------------------

void THexEditor::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), m_background);
    m_paintedRows = 0;
    if (!m_doc || m_doc->size() == 0)
        return;
    p.setFont(m_font);
    const int left = -horizontalScrollBar()->value();
    const int perLine = m_layout.bytesPerLine();
    const int rowsInView = viewport()->height() / m_rowHeight + 1;
    const QColor charText = palette().color(QPalette::Text);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(perLine));
    std::unique_ptr<bool[]> changed(new bool[static_cast<std::size_t>(perLine)]);
    const bool focused = hasFocus();

    for (int r = 0; r < rowsInView; ++r) {
        const std::uint64_t row = m_top + static_cast<std::uint64_t>(r);
        if (row >= m_layout.rowCount())
            break;
        const std::uint64_t offset = row * static_cast<std::uint64_t>(perLine);
        const int count = static_cast<int>(
            std::min<std::uint64_t>(static_cast<std::uint64_t>(perLine), m_doc->size() - offset));
        try {
            m_doc->read(offset, static_cast<std::size_t>(count), bytes.data(), changed.get());
        } catch (const ZukError& e) {
            emit readFailed(QString::fromUtf8(e.what()));
            break;
        }
        ++m_paintedRows;
        const int y = r * m_rowHeight;
        const int baseline = y + m_ascent;

        p.setPen(m_offsetText);
        p.drawText(QPoint(left, baseline), QString::fromStdString(m_layout.offsetText(row)));

        for (int i = 0; i < count; ++i) {
            const std::uint8_t b = bytes[static_cast<std::size_t>(i)];
            const bool isCaret = offset + static_cast<std::uint64_t>(i) == m_caret;
            const int hexX = left + m_layout.hexCell(i) * m_cellWidth;
            const int charX = left + m_layout.charCell(i) * m_cellWidth;
            const QRect hexRect(hexX, y, 2 * m_cellWidth, m_rowHeight);
            const QRect charRect(charX, y, m_cellWidth, m_rowHeight);
            if (changed[static_cast<std::size_t>(i)]) {
                p.fillRect(hexRect, m_changedBack);
                p.fillRect(charRect, m_changedBack);
            }
            const QColor digitColour = changed[static_cast<std::size_t>(i)]       ? m_changedText
                                       : (i / m_layout.bytesPerColumn()) % 2 == 0 ? m_oddColumn
                                                                                  : m_evenColumn;
            for (int d = 0; d < 2; ++d) {
                const bool current = isCaret && m_area == HexArea::Hex && m_digit == d;
                const QRect cell(hexX + d * m_cellWidth, y, m_cellWidth, m_rowHeight);
                if (current)
                    p.fillRect(cell, m_currentBack);
                p.setPen(current ? m_currentText : digitColour);
                p.drawText(QPoint(cell.x(), baseline),
                           QString(QLatin1Char(hexDigit(d == 0 ? b >> 4 : b & 0xF))));
            }
            const bool currentChar = isCaret && m_area == HexArea::Chars;
            if (currentChar)
                p.fillRect(charRect, m_currentBack);
            p.setPen(currentChar                            ? m_currentText
                     : changed[static_cast<std::size_t>(i)] ? m_changedText
                                                            : charText);
            p.drawText(QPoint(charX, baseline), fromUcs4(shown(b)));

            // The frame shows the caret's byte in the other area, and the
            // caret itself while the view has no focus.
            if (isCaret && m_focusFrame) {
                p.setPen(m_caretFrame);
                p.setBrush(Qt::NoBrush);
                if (m_area == HexArea::Hex || !focused)
                    p.drawRect(charRect.adjusted(0, 0, -1, -1));
                if (m_area == HexArea::Chars || !focused)
                    p.drawRect(hexRect.adjusted(0, 0, -1, -1));
            }
        }
    }
}

void THexEditor::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

// --- keys and mouse ----------------------------------------------------------------

bool THexEditor::focusNextPrevChild(bool)
{
    return false; // Tab switches the area instead
}

void THexEditor::moveCaret(std::int64_t bytes)
{
    if (!m_doc || m_doc->size() == 0)
        return;
    const std::uint64_t last = m_doc->size() - 1;
    std::uint64_t to = m_caret;
    if (bytes < 0)
        to = static_cast<std::uint64_t>(-bytes) > m_caret
                 ? m_caret % m_layout.bytesPerLine()
                 : m_caret - static_cast<std::uint64_t>(-bytes);
    else
        to = static_cast<std::uint64_t>(bytes) > last - m_caret
                 ? m_caret
                 : m_caret + static_cast<std::uint64_t>(bytes);
    setCaret(to, m_area, m_digit);
}

void THexEditor::moveDigit(bool forward)
{
    if (!m_doc || m_doc->size() == 0)
        return;
    if (m_area == HexArea::Chars) {
        if (forward && m_caret + 1 < m_doc->size())
            setCaret(m_caret + 1, m_area);
        else if (!forward && m_caret > 0)
            setCaret(m_caret - 1, m_area);
        return;
    }
    if (forward) {
        if (m_digit == 0)
            setCaret(m_caret, m_area, 1);
        else if (m_caret + 1 < m_doc->size())
            setCaret(m_caret + 1, m_area, 0);
    } else {
        if (m_digit == 1)
            setCaret(m_caret, m_area, 0);
        else if (m_caret > 0)
            setCaret(m_caret - 1, m_area, 1);
    }
}

void THexEditor::keyPressEvent(QKeyEvent* event)
{
    const auto mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const std::uint64_t size = m_doc ? m_doc->size() : 0;
    const auto perLine = static_cast<std::int64_t>(m_layout.bytesPerLine());
    const auto page = static_cast<std::int64_t>(pageRows()) * perLine;
    switch (event->key()) {
    case Qt::Key_Left:
        moveDigit(false);
        return;
    case Qt::Key_Right:
        moveDigit(true);
        return;
    case Qt::Key_Up:
        moveCaret(-perLine);
        return;
    case Qt::Key_Down:
        moveCaret(perLine);
        return;
    case Qt::Key_PageUp:
        setTop(m_top > static_cast<std::uint64_t>(pageRows()) ? m_top - pageRows() : 0);
        moveCaret(-page);
        return;
    case Qt::Key_PageDown:
        setTop(m_top + static_cast<std::uint64_t>(pageRows()));
        moveCaret(page);
        return;
    case Qt::Key_Home:
        setCaret(ctrl ? 0 : m_caret - m_caret % static_cast<std::uint64_t>(perLine), m_area, 0);
        return;
    case Qt::Key_End:
        if (size > 0)
            setCaret(ctrl ? size - 1
                          : std::min(size - 1, m_caret -
                                                   m_caret % static_cast<std::uint64_t>(perLine) +
                                                   static_cast<std::uint64_t>(perLine) - 1),
                     m_area, 1);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        setCaret(m_caret, m_area == HexArea::Hex ? HexArea::Chars : HexArea::Hex, 0);
        return;
    default:
        break;
    }
    // The window's Undo has this shortcut too; it reaches the view when the
    // window is not the active one.
    if (event->matches(QKeySequence::Undo)) {
        undo();
        return;
    }
    // Other keys with Ctrl, Alt or Meta are the window's shortcuts.
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
        event->text().isEmpty()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    typeText(event->text());
}

void THexEditor::typeText(const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        if (m_area == HexArea::Hex) {
            const int value = hexDigitValue(c);
            if (value >= 0)
                typeHexDigit(value);
        } else {
            typeCharacter(c);
        }
    }
}

void THexEditor::typeHexDigit(int value)
{
    if (!m_doc || m_caret >= m_doc->size())
        return;
    const std::uint8_t old = m_doc->byteAt(m_caret);
    const auto b = static_cast<std::uint8_t>(m_digit == 0 ? (old & 0x0F) | (value << 4)
                                                          : (old & 0xF0) | value);
    const bool sameStep = m_digit == 1 && m_highDigitTyped == m_caret;
    if (m_doc->writeByte(m_caret, b, sameStep))
        emit contentChanged();
    const std::uint64_t typedInto = m_caret;
    const bool wasHigh = m_digit == 0;
    moveDigit(true);
    if (wasHigh)
        m_highDigitTyped = typedInto;
    viewport()->update();
}

void THexEditor::typeCharacter(char32_t c)
{
    if (!m_doc || m_caret >= m_doc->size() || c < 0x20)
        return;
    const std::optional<std::uint8_t> b = byteForChar(m_translation, c);
    if (!b) {
        QApplication::beep();
        return;
    }
    if (m_doc->writeByte(m_caret, *b))
        emit contentChanged();
    moveDigit(true);
    viewport()->update();
}

void THexEditor::mousePressEvent(QMouseEvent* event)
{
    if (!m_doc || m_doc->size() == 0 || event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const std::uint64_t row = m_top + static_cast<std::uint64_t>(std::max(0, at.y()) / m_rowHeight);
    const int cell = (at.x() + horizontalScrollBar()->value()) / m_cellWidth;
    const CHexLayout::Hit hit = m_layout.hitTest(cell);
    const std::uint64_t offset = row * static_cast<std::uint64_t>(m_layout.bytesPerLine()) +
                                 static_cast<std::uint64_t>(hit.index);
    setCaret(offset, hit.area, hit.digit);
}

void THexEditor::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) {
        event->ignore();
        return;
    }
    const std::int64_t rows = -3 * static_cast<std::int64_t>(notches);
    if (rows < 0)
        setTop(static_cast<std::uint64_t>(-rows) > m_top
                   ? 0
                   : m_top - static_cast<std::uint64_t>(-rows));
    else
        setTop(m_top + static_cast<std::uint64_t>(rows));
    event->accept();
}

} // namespace zuk::hexedit::ui
