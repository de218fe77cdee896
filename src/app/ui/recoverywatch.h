#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>

class QTimer;

namespace zuk::app {
class RecoveryRun;
class RecoveryWriter;
} // namespace zuk::app
namespace zuk::editor {
class Ted;
}

namespace zuk::app::ui {

class TMainForm;

// What the user does with the recovery copies a run that ended without
// tidying up left behind.
enum class RecoveryChoice { Restore, Discard, Later };

// The recovery copies of the main window's documents (see app/recovery.h):
// while a document has unsaved changes its text goes to this run's folder
// under Engine/Parts/recovery/, a moment after typing stops and now and then
// while it goes on. The text is taken on the GUI thread and written by a
// worker thread. A document that is saved, closed or no longer modified
// drops its copy; a normal exit drops them all. At start-up the copies of
// runs that were killed are offered. One lives per main window, as its child
// (object name "RecoveryWatch"); installRecoveryWatch makes it.
class RecoveryWatch final : public QObject {
    Q_OBJECT
public:
    explicit RecoveryWatch(TMainForm& form);
    // The worker finishes what it has; the copies stay (as after a kill).
    ~RecoveryWatch() override;

    // The one of `form`, or nullptr before installRecoveryWatch.
    static RecoveryWatch* of(const QObject& form);

    // Once the settings are read: the run folder when the setting is on.
    void startup();
    // The setting changed: off drops this run's copies and writes no more.
    void applySettings();
    // Offers the copies of ended runs, once per run (later calls do nothing).
    void offer();
    // A document's modified flag may have gone off (a save, a revert): a copy
    // it no longer needs goes now.
    void documentSettled(editor::Ted* ted);
    // Called while the document window is still there; its copy goes.
    void documentClosed(editor::Ted* ted);
    // The copies of the documents changed since the last write, now.
    void writePending();
    // Writes what is pending, waits for the worker and changes nothing after:
    // the program ends without its normal shut-down (SIGTERM) and the copies
    // are kept for the next start.
    void freeze();
    // The normal exit, after the exit question: every copy of this run goes,
    // its folder too.
    void finishRun();
    // Blocks until the worker has written everything asked of it.
    void waitForWriter();

    // This run's folder (empty while the setting is off) and the root of all
    // runs' folders, UTF-8 with a trailing '/'.
    QString runFolder() const;
    QString rootFolder() const;

    // A copy is written this long after the last change, and at the latest
    // this long after the first change not yet written.
    int idleDelayMs = 2000;
    int longestDelayMs = 12000;

    // Test hook: answers the question about the copies of ended runs, which
    // gets one line per copy. Without it the question is a real message box.
    std::function<RecoveryChoice(const QStringList& entries)> choiceHook;

private:
    struct Tracked {
        std::string id;
        bool pending = false; // changed since its copy was last written
        bool stored = false;  // a copy exists or is on its way
        qint64 changedMs = 0;
    };
    bool active() const;
    void open();
    void close();
    Tracked* track(editor::Ted* ted);
    void attachDocuments();
    void changed(editor::Ted* ted);
    void drop(Tracked& t);
    RecoveryChoice ask(const QStringList& lines);
    void reportWriteFailure(const QString& message);

    TMainForm& m_form;
    std::unique_ptr<RecoveryRun> m_run;
    std::unique_ptr<RecoveryWriter> m_writer;
    QHash<editor::Ted*, Tracked> m_docs;
    QTimer* m_idle = nullptr;
    QTimer* m_longest = nullptr;
    int m_nextId = 1;
    bool m_offered = false;
    bool m_frozen = false;
    QString m_lastFailure; // reported once until a write succeeds again
};

// Makes the recovery watch of `form` and registers its menu handler.
void installRecoveryWatch(TMainForm& form);

} // namespace zuk::app::ui
