#pragma once

#include "hexedit/hexlayout.h"
#include "hexedit/translation.h"
#include "settings/connectiontable.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <optional>

namespace zuk::hexedit {
class CHexDocument;
}

namespace zuk::hexedit::ui {

// The hex grid: offsets, the bytes in hexadecimal and the same bytes as
// characters, painted row by row for the rows in view only, each row read
// from the document when it is painted. Typing overwrites the digit or the
// byte under the caret; the file's size never changes. The document belongs
// to the window; the view only points at it.
class THexEditor final : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit THexEditor(QWidget* parent = nullptr);

    // The document shown (none: an empty view). The caret goes to the first byte.
    void setDocument(CHexDocument* document);
    CHexDocument* document() const { return m_doc; }

    // Takes every setting of the record. Throws zuk::ZukError for a row or
    // group width out of range (sInvalidBytesPerLine, sInvalidBytesPerColumn);
    // the view is then as it was. The caret stays on its byte.
    void applySettings(const settings::RHexEdit& settings);
    const CHexLayout& layout() const { return m_layout; }
    Translation translation() const { return m_translation; }

    // The caret: its byte, its area and, in the hex area, its digit (0 the
    // high one). Offsets past the last byte are taken to the last byte.
    std::uint64_t caret() const { return m_caret; }
    HexArea area() const { return m_area; }
    int digit() const { return m_digit; }
    void setCaret(std::uint64_t offset, HexArea area, int digit = 0);
    // The first row in view and how many rows fit wholly.
    std::uint64_t topRow() const { return m_top; }
    int pageRows() const;

    // The row as the view shows it (see CHexLayout::rowText); empty past the end.
    QString rowText(std::uint64_t row) const;
    // Takes back the last change and puts the caret on its byte.
    bool undo();

    // Rows painted by the last paint, for the benchmarks and the tests.
    int lastPaintedRows() const { return m_paintedRows; }

signals:
    void caretMoved();
    // A byte was changed or a change taken back.
    void contentChanged();
    // A page of the file could not be read while painting (the message).
    void readFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    void typeText(const QString& text);
    void typeHexDigit(int value);
    void typeCharacter(char32_t c);
    void moveCaret(std::int64_t bytes);
    void moveDigit(bool forward);
    void setTop(std::uint64_t row);
    std::uint64_t maxTop() const;
    void updateScrollBars();
    void ensureCaretVisible();
    void measureFont();
    char32_t shown(std::uint8_t byte) const;

    CHexDocument* m_doc = nullptr;
    CHexLayout m_layout{16, 2, OffsetDisplay::Hex, ":", 0};
    Translation m_translation = Translation::Ansi;
    OffsetDisplay m_offsets = OffsetDisplay::Hex;
    std::string m_separator = ":";
    bool m_maskWhiteSpaces = true;
    char32_t m_mask = '.';
    bool m_focusFrame = true;
    QFont m_font;
    int m_cellWidth = 10;
    int m_rowHeight = 20;
    int m_ascent = 16;
    QColor m_background, m_currentBack, m_currentText, m_changedBack, m_changedText, m_caretFrame,
        m_offsetText, m_oddColumn, m_evenColumn;

    std::uint64_t m_caret = 0;
    HexArea m_area = HexArea::Hex;
    int m_digit = 0;
    std::uint64_t m_top = 0;
    bool m_barScaled = false; // the scroll bar's steps stand for many rows each
    bool m_syncingBar = false;
    // The last thing typed was a high digit into this byte: the low one
    // joins its undo step.
    std::optional<std::uint64_t> m_highDigitTyped;
    int m_paintedRows = 0;
};

} // namespace zuk::hexedit::ui
