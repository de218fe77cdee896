#pragma once

#include "organizer/ui/deferredsave.h"

#include <QWidget>

class QPlainTextEdit;
class QTabWidget;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

class TjvYearGrid;

// The personal manager ("ПИМ"): the notepad "Блокнотик", kept in
// pimtext.txt in the parts folder, and the year planner "Календарик". The
// notepad is read when the window is made and written through the safe
// writer soon after each change (only when it changed).
class TfmPim final : public QWidget {
public:
    TfmPim(app::ui::ToolHost& host, QWidget* parent);
    ~TfmPim() override;

    QPlainTextEdit* notepad() const { return m_notes; }
    TjvYearGrid* planner() const { return m_planner; }
    QTabWidget* pages() const { return m_pages; }
    QString notesFile() const { return m_file; }

    // Writes whatever waits: the notepad and the year shown.
    void flush();

private:
    void localise(bool builtIn);
    void loadNotes();
    void writeNotes();

    app::ui::ToolHost& m_host;
    QString m_file;
    DeferredSave m_save;
    bool m_failureShown = false;
    bool m_closing = false; // in the destructor: the host is not to be asked
    QTabWidget* m_pages = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    TjvYearGrid* m_planner = nullptr;
};

} // namespace zuk::organizer::ui
