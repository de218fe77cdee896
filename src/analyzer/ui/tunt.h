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

namespace zuk::analyzer::ui {

// The text analyzer's tool window: an output pane, the job buttons and the
// priority slider. The counting runs on a worker thread (UnitazJob); every
// line the job or a button writes reaches the pane through one queue drained
// on the GUI thread, so the lines keep the order they were written in.
class Tunt final : public QWidget {
    Q_OBJECT

public:
    struct Host {
        // The working text of the current document (selection or whole
        // text) as Windows-1251 bytes, or nothing when no document is open.
        std::function<std::optional<std::string>()> workText;
        // The analyzer's texts in the interface language.
        std::function<UnitazTexts()> texts;
        // The window captions by control name in the interface language;
        // an empty result keeps the built-in caption. May be empty.
        std::function<QString(const QString& key)> caption;
    };

    Tunt(Host host, QWidget* parent);
    ~Tunt() override;

    // Takes the captions and texts of the interface language again.
    void applyLanguage();

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

    private:
        friend class Tunt;
        enum class Kind { Line, Begin, End };
        struct Entry {
            Kind kind;
            QString line;
        };
        void push(Entry entry);
        Tunt& m_window;
        std::mutex m_mutex;
        std::deque<Entry> m_pending;
    };

    void buildWindow();
    // Moves queued lines into the pane, at most `limit` of them; a drain that
    // leaves lines behind posts the next one, so a huge report reaches the
    // pane in slices and the window keeps answering in between.
    static constexpr size_t kLinesPerDrain = 20000;
    void drainPending(size_t limit = kLinesPerDrain);
    void drainAll() { drainPending(static_cast<size_t>(-1)); }
    void showNoDocument();
    void showProgress(int percent);
    void writeLine(const QString& line);

    Host m_host;
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
