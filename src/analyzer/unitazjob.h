#pragma once

#include "analyzer/asimplestat.h"
#include "analyzer/astat.h"
#include "analyzer/jobcontrol.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace zuk::analyzer {

// Priority levels of the analyzer's slider, 1 to 7.
enum class JobPriority { Idle = 1, Lowest, Lower, Normal, Higher, Highest, TimeCritical };

// The analyzer window's job logic without the window: at most one job object
// at a time, counting words on a worker thread, and the control lines in the
// order the window shows them. The job object outlives its job until the next
// start or the destruction of this object, so stop, pause and resume test for
// the object, not for a running job.
//
// The output sink is called from the calling thread (control lines) and from
// the worker (the report); the window's sink forwards both, in order, to the
// GUI thread. Every method is meant for one controlling thread.
class UnitazJob final {
public:
    struct Settings {
        char decimalSeparator = ',';
        ClockFn clock;                                  // empty: the steady clock
        std::function<void()> noDocument;               // on the worker: show sNoOneFileOpened
        std::function<void(JobPriority)> applyPriority; // on the worker, at start and on change
        ProgressFn progress;                            // on the worker, between chunks
    };

    UnitazJob(ReportSink& output, Settings settings);
    ~UnitazJob(); // asks a running job to stop and waits for it
    UnitazJob(const UnitazJob&) = delete;
    UnitazJob& operator=(const UnitazJob&) = delete;

    // "Анализ": text is the working text of the current document, or nothing
    // when no document is open. A job from an earlier start is stopped and
    // waited for first. texts are the analyzer's texts already loaded for the
    // interface language.
    void start(std::optional<std::string> text, const UnitazTexts& texts);
    void stop();   // "СТОП"
    void pause();  // "ПАУЗА"
    void resume(); // "ВОЗОБНОВИТЬ"
    // The slider: the level for the next start, and for the job object now
    // (a paused job stays paused).
    void setPriority(JobPriority priority);
    JobPriority priority() const { return m_priority; }

    bool hasJob() const { return m_job != nullptr; }
    bool isPaused() const;
    bool isFinished() const;
    // Waits until the current job has ended (tests, shut-down).
    void wait();

private:
    struct Job {
        JobControl control;
        std::atomic<int> priority{static_cast<int>(JobPriority::Normal)};
        std::atomic<bool> finished{false};
        std::thread thread;
    };
    void run(Job& job, std::optional<std::string> text, UnitazTexts texts);

    ReportSink& m_output;
    Settings m_settings;
    JobPriority m_priority = JobPriority::Normal;
    std::unique_ptr<Job> m_job;
};

} // namespace zuk::analyzer
