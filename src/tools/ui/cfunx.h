#pragma once

#include "tools/programlist.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QMenu;

namespace zuk::app::ui {
class ToolHost;
}
namespace zuk::platform::ui {
struct ProcessResult;
}

namespace zuk::tools::ui {

// The external-program engine: the program list of compilers.txt and its
// menu, the command box, RunCommand with its three modes (plain, block,
// pipeline) and ##stringcount, and the run of HTML Tidy. Programs start with
// argument lists, never through a shell built from file names or text (only
// the dosapp mode hands a line the user wrote to /bin/sh, with the exchange
// files' fixed names in it). Exchange files (the block files, the temporary
// copy, the pipeline output, Tidy's files) live in the private exchange
// folder of platform/privatefolder.h. A child of the host's window.
class CFunx final : public QObject {
public:
    explicit CFunx(app::ui::ToolHost& host);

    // compilers.txt: read at start-up when it exists, written back whole at
    // shut-down (made when missing).
    void loadPrograms();
    void savePrograms();
    ProgramList& programs() { return m_programs; }
    // The Programs submenu: one item per entry, then the list editor.
    void fillProgramsMenu(QMenu& menu);
    void editProgramList();
    // After the list was edited elsewhere (the settings page): it is written
    // at shut-down and the submenu shows it.
    void programListEdited();

    // A command line from the Programs submenu or the command box, run on
    // the current document as those places do (saving first, a temporary
    // copy) . Command lines are UTF-8.
    void runProgram(const std::string& line);
    void runCommandBox(const QString& line);

    // The engine itself; `file` is the given file (UTF-8).
    void RunCommand(const std::string& line, const std::string& file);
    void RunPipeline(const std::string& line, const std::string& file);
    // The temporary copy of `text` for `source`, in the exchange folder; the
    // previous copy is deleted first. Returns its path.
    std::string MakeTempCopy(const std::string& source, const std::string& text);
    void RunTidy();

    // The current temporary copy and pipeline output file ("" for none).
    const std::string& tempCopy() const { return m_tempCopy; }
    const std::string& pipelineOutput() const { return m_pipelineOut; }

    // Tests: message boxes go here instead of on the screen.
    std::function<void(const QString& text)> messageHook;

private:
    std::string meta() const;
    void note(const QString& text);
    // Reports a program that did not succeed; false when it did.
    bool reportFailure(const QString& program, const platform::ui::ProcessResult& result,
                       int worstGoodExit = 0);
    void showOutput(const QByteArray& output);
    platform::ui::ProcessResult runWaiting(const QString& program, const QStringList& arguments,
                                           const QString& folder);
    void shellRun(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder);
    void runBlock(const std::string& program, const std::string& arguments);
    void runPlain(const std::string& program, const std::string& arguments,
                  const std::string& file);
    void countOccurrences(const std::string& pattern);
    // The folder programs run in for `file`: its folder, else the home folder.
    std::string workingFolderOf(const std::string& file) const;
    std::string programsPath() const;

    app::ui::ToolHost& m_host;
    ProgramList m_programs;
    bool m_programsLoaded = false;
    std::string m_tempCopy;
    std::string m_pipelineOut;
};

} // namespace zuk::tools::ui
