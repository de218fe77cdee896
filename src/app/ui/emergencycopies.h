#pragma once

#include "codepages/unicodefile.h"

#include <QList>

#include <functional>

namespace zuk::editor {
class Ted;
}

namespace zuk::app::ui {

// The emergency copies a crash writes (".avr" beside each document's file).
// The crash handler runs in a signal context, so the paths and the controls
// are put into static storage beforehand and the hook only reads the
// controls' buffers and writes with open/write/close. One instance lives in
// the file commands; it empties the table when it goes, before the controls.
class EmergencyCopies final {
public:
    EmergencyCopies() = default;
    ~EmergencyCopies();
    EmergencyCopies(const EmergencyCopies&) = delete;
    EmergencyCopies& operator=(const EmergencyCopies&) = delete;

    // Makes the code-page tables the hook needs and hands the hook to the
    // crash handler.
    void install();
    // The table anew from the documents bound to files, each written the way
    // `formatOf` says its file is.
    void refresh(const QList<editor::Ted*>& documents,
                 const std::function<codepages::FileFormat(const editor::Ted&)>& formatOf);
    // Nothing is written until the next refresh (a window is going).
    void clear();
};

// Writes the copies as the crash handler would; for tests.
void runEmergencyHookForTest();

} // namespace zuk::app::ui
