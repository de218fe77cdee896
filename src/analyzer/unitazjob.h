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
        std::function<void()> ended; // on the worker, at its end, once its data are freed
    };

    UnitazJob(ReportSink& output, Settings settings);
    ~UnitazJob(); // asks a running job to stop and waits for it
    UnitazJob(const UnitazJob&) = delete;
    UnitazJob& operator=(const UnitazJob&) = delete;

    // "Анализ": text is the working text of the current document, or nothing
    // when no document is open. A job from an earlier start is stopped and
    // waited for first. texts are the analyzer's texts in the interface
    // language; the control lines use them from here on.
    void start(std::optional<std::string> text, const UnitazTexts& texts);
    // The texts of the control lines, until the next start.
    void setTexts(const UnitazTexts& texts) { m_texts = texts; }
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
    // Whether the worker is waiting now: paused, or holding until the output
    // sink has taken the lines it was given.
    bool isHeld() const;
    // The output sink has taken lines: a worker holding for it goes on.
    void wakeWorker();
    // Waits until the current job has ended (tests, shut-down). A job whose
    // output holds for the sink ends only if the sink is emptied meanwhile
    // or the job was asked to stop.
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
    UnitazTexts m_texts = UnitazTexts::builtIn();
    JobPriority m_priority = JobPriority::Normal;
    std::unique_ptr<Job> m_job;
};

} // namespace zuk::analyzer
