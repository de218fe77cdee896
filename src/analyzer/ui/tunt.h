#pragma once

#include "analyzer/asimplestat.h"
#include "analyzer/unitazjob.h"

#include <QString>
#include <QWidget>

#include <atomic>
#include <cstddef>
#include <deque>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSlider;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::analyzer::ui {

// The text analyzer's tool window: an output pane, the job buttons and the
// priority slider. The counting runs on a worker thread (UnitazJob); every
// line the job or a button writes reaches the pane through one queue drained
// on the GUI thread, so the lines keep the order they were written in. The
// queue is short: the job holds while the pane has not taken its lines, so
// the pane holds the only copy of a report and stop and pause act at once.
// Its texts (section unt) come from the host's text service and follow a
// change of the interface language.
class Tunt final : public QWidget {
    Q_OBJECT

public:
    // The working text comes from the host's current document.
    Tunt(app::ui::ToolHost& host, QWidget* parent);
    ~Tunt() override;

    // "Анализ", "СТОП", "ПАУЗА", "ВОЗОБНОВИТЬ", "Очистить".
    void startAnalysis();
    void stopJob();
    void pauseJob();
    void resumeJob();
    void clearOutput();
    void copyToClipboard();

    QPlainTextEdit* output() const { return m_output; }
    QSlider* prioritySlider() const { return m_priority; }
    QProgressBar* progress() const { return m_progress; }
    // The pane's lines (UTF-8 by way of QString).
    QStringList outputLines() const;
    analyzer::UnitazJob& job() { return *m_job; }
    // Whether written lines are still on their way to the pane.
    bool linesPending();

    // Test hook: replaces the no-document message box.
    std::function<void(const QString& message)> messageHook;

private:
    // Collects lines from any thread and hands them to the pane in order.
    class PaneSink final : public ReportSink {
    public:
        explicit PaneSink(Tunt& window) : m_window(window) {}
        void append(const std::string& line) override;
        void beginUpdate() override;
        void endUpdate() override;
        std::size_t backlog() const override;

    private:
        friend class Tunt;
        enum class Kind { Line, Begin, End };
        struct Entry {
            Kind kind;
            QString line;
        };
        void push(Entry entry);
        Tunt& m_window;
        mutable std::mutex m_mutex;
        std::deque<Entry> m_pending;
    };

    void buildWindow();
    // The built-in texts (at creation) or those of the language file.
    void localise(bool builtIn);
    // The working text of the current document in Windows-1251, or nothing
    // when no document is open.
    std::optional<std::string> workText() const;
    // Moves queued lines into the pane, at most `limit` of them; a drain that
    // leaves lines behind posts the next one, so a huge report reaches the
    // pane in slices and the window keeps answering in between.
    static constexpr size_t kLinesPerDrain = 16384;
    void drainPending(size_t limit = kLinesPerDrain);
    void drainAll() { drainPending(static_cast<size_t>(-1)); }
    void showNoDocument();
    void showProgress(int percent);
    void writeLines(const QStringList& lines);

    app::ui::ToolHost& m_host;
    UnitazTexts m_texts = UnitazTexts::builtIn();
    QPlainTextEdit* m_output = nullptr;
    QPushButton* m_btAnalysis = nullptr;
    QPushButton* m_btClear = nullptr;
    QPushButton* m_btCopy = nullptr;
    QPushButton* m_btStop = nullptr;
    QPushButton* m_btPause = nullptr;
    QPushButton* m_btResume = nullptr;
    QPushButton* m_btClose = nullptr;
    QLabel* m_lPriority = nullptr;
    QSlider* m_priority = nullptr;
    QProgressBar* m_progress = nullptr;
    std::atomic<int> m_shownPercent{-1};
    // The sink outlives the job: the job's destructor waits for the worker.
    std::unique_ptr<PaneSink> m_sink;
    std::unique_ptr<UnitazJob> m_job;
};

} // namespace zuk::analyzer::ui
