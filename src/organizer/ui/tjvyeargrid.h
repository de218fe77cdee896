#pragma once

#include "organizer/ui/deferredsave.h"
#include "organizer/yeargrid.h"

#include <QColor>
#include <QTableWidget>

#include <functional>
#include <memory>
#include <optional>

class QMenu;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

// The locale's names for the planner: weekday letters, month names as they
// stand alone, short month names for the year page.
YearNames systemYearNames();

// The year planner: the 13 × 38 grid of a year (organizer/yeargrid.h), its
// context menu, hints and note dialog. A year comes from its file yearYYYY.csv
// in the parts folder when there is one; the year shown is written through the
// safe writer soon after each change, before another year is shown and when
// the planner goes. A year whose file cannot be read is shown without notes,
// read-only, and its file is left as it is.
class TjvYearGrid final : public QTableWidget {
public:
    TjvYearGrid(app::ui::ToolHost& host, QWidget* parent);
    ~TjvYearGrid() override;

    const YearGrid& grid() const { return *m_grid; }
    int year() const { return m_grid->year(); }
    bool readOnly() const { return m_readOnly; }
    QString yearFile(int year) const;
    // Writes the year shown now when a change waits.
    void flush() { m_save.flush(); }
    bool savePending() const { return m_save.pending(); }

    // Writes the year shown, then shows `year` (see the class comment).
    void showYear(int year);

    // The menu's items, on the current cell.
    void askYear();
    void editNote();
    void chooseColour();
    void clearColour();
    void copyNote();
    void cutNote();
    void pasteNote();
    void deleteNote();
    void saveYearPage(bool foundOnly);
    void chooseBorderColour();
    void chooseBookmarkColour();
    void askFind();
    void clearFind();

    QMenu* menu() const { return m_menu; }
    // Enables the items for the cell the menu is about to act on.
    void prepareMenu(int row, int column);
    // What pointing at a cell shows: "Today " on today's cell, then the note;
    // empty for a cell without a note.
    QString hintAt(int row, int column) const;
    // The cell's look after the drawing rules.
    QColor backgroundAt(int row, int column) const;
    bool isToday(int row, int column) const;

    // Test hooks in place of the note dialog, the colour dialog, the message
    // box and the program that opens a year page.
    std::function<std::optional<QString>(const QString& note)> editHook;
    std::function<std::optional<QColor>(const QColor& initial)> colourHook;
    std::function<void(const QString&)> messageHook;
    std::function<void(const QString& path)> openPageHook;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void write();
    void refresh();
    void refreshCell(int row, int column);
    void changedCell(int row, int column);
    bool currentDay(int& row, int& column) const;
    bool editableDay(int& row, int& column);
    std::optional<QColor> pickColour(const QColor& initial);
    void showMessage(const QString& text);
    QString text(const char* key) const;

    app::ui::ToolHost& m_host;
    YearNames m_names;
    std::unique_ptr<YearGrid> m_grid;
    DeferredSave m_save;
    bool m_readOnly = false;
    bool m_failureShown = false;
    bool m_closing = false; // in the destructor: the host is not to be asked
    QString m_path;         // the file of the year shown
    QMenu* m_menu = nullptr;
};

} // namespace zuk::organizer::ui
