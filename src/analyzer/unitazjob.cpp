#include "analyzer/unitazjob.h"

namespace zuk::analyzer {

UnitazJob::UnitazJob(ReportSink& output, Settings settings)
    : m_output(output), m_settings(std::move(settings))
{
}

UnitazJob::~UnitazJob()
{
    if (m_job) {
        m_job->control.requestStop();
        wait();
    }
}

void UnitazJob::start(std::optional<std::string> text, const UnitazTexts& texts)
{
    m_texts = texts;
    m_output.append(m_texts.sThreadConstructorCall);
    if (m_job) {
        m_job->control.requestStop();
        wait();
        m_job.reset();
        m_output.append(m_texts.sThreadDestroyed);
    }
    m_job = std::make_unique<Job>();
    m_job->priority = static_cast<int>(m_priority);
    m_output.append(m_texts.sThreadConstructed);
    Job& job = *m_job;
    job.thread = std::thread([this, &job, text = std::move(text), texts]() mutable {
        run(job, std::move(text), std::move(texts));
    });
}

void UnitazJob::run(Job& job, std::optional<std::string> text, UnitazTexts texts)
{
    try {
        int applied = job.priority;
        if (m_settings.applyPriority)
            m_settings.applyPriority(static_cast<JobPriority>(applied));
        if (!text) {
            if (m_settings.noDocument)
                m_settings.noDocument();
        } else if (!text->empty()) {
            CASimpleStat stat(std::move(*text));
            stat.setTexts(texts);
            stat.setDecimalSeparator(m_settings.decimalSeparator);
            if (m_settings.clock)
                stat.setClock(m_settings.clock);
            stat.setJobControl(&job.control);
            stat.setProgress([this, &job, &applied](std::uint64_t done, std::uint64_t total) {
                const int wanted = job.priority;
                if (wanted != applied && m_settings.applyPriority) {
                    applied = wanted;
                    m_settings.applyPriority(static_cast<JobPriority>(applied));
                }
                if (m_settings.progress)
                    m_settings.progress(done, total);
            });
            m_output.append(texts.sEvalWait);
            stat.Report(m_output);
        }
    } catch (...) {
        // A failing job just ends; the window shows nothing for it.
    }
    if (m_settings.ended)
        m_settings.ended();
    job.finished = true;
}

void UnitazJob::stop()
{
    if (!m_job)
        return;
    m_job->control.requestStop();
    m_output.append(m_texts.sThreadStopped);
}

void UnitazJob::pause()
{
    if (!m_job || m_job->control.isPaused())
        return;
    m_job->control.pause();
    m_output.append(m_texts.sThreadPaused);
}

void UnitazJob::resume()
{
    if (!m_job || !m_job->control.isPaused())
        return;
    m_job->control.resume();
    m_output.append(m_texts.sThreadResumed);
}

void UnitazJob::setPriority(JobPriority priority)
{
    m_priority = priority;
    if (m_job)
        m_job->priority = static_cast<int>(priority);
}

bool UnitazJob::isPaused() const
{
    return m_job && m_job->control.isPaused();
}

bool UnitazJob::isFinished() const
{
    return !m_job || m_job->finished;
}

bool UnitazJob::isHeld() const
{
    return m_job && m_job->control.isHeld();
}

void UnitazJob::wakeWorker()
{
    if (m_job)
        m_job->control.wake();
}

void UnitazJob::wait()
{
    if (m_job && m_job->thread.joinable())
        m_job->thread.join();
}

} // namespace zuk::analyzer
