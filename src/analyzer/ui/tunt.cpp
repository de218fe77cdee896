#include "analyzer/ui/tunt.h"

#include "analyzer/analyzertexts.h"
#include "app/textservice.h"
#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "calc/ui/calcsupport.h"
#include "codepages/charsets.h"
#include "editor/ved.h"
#include "platform/runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <vector>

namespace zuk::analyzer::ui {

namespace {

QString fromWin(const std::string& bytes)
{
    return QString::fromStdString(codepages::winToUtf8(bytes));
}

// Slider levels as nice values of the worker thread.
void applyThreadPriority(JobPriority priority)
{
    static const int kNice[] = {19, 15, 5, 0, -5, -10, -15};
    const int level = static_cast<int>(priority);
    if (level < 1 || level > 7)
        return;
    platform::setCurrentThreadNice(kNice[level - 1]);
}

// Report lines per paragraph of the pane. The lines of a run are joined by
// line separators, a paragraph break every so many lines: the pane lays
// them out and shows them as lines all the same, and a paragraph costs far
// more than the line separator, so a report of millions of lines takes a
// fifth of the memory and goes in ten times faster.
constexpr int kLinesPerParagraph = 16;

} // namespace

void Tunt::PaneSink::append(const std::string& line)
{
    push({Kind::Line, fromWin(line)});
}

void Tunt::PaneSink::beginUpdate()
{
    push({Kind::Begin, {}});
}

void Tunt::PaneSink::endUpdate()
{
    push({Kind::End, {}});
}

std::size_t Tunt::PaneSink::backlog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pending.size();
}

// Only the first entry of an empty queue posts a drain: later ones ride along.
void Tunt::PaneSink::push(Entry entry)
{
    bool first = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        first = m_pending.empty();
        m_pending.push_back(std::move(entry));
    }
    if (first)
        QMetaObject::invokeMethod(
            &m_window, [w = &m_window] { w->drainPending(); }, Qt::QueuedConnection);
}

Tunt::Tunt(app::ui::ToolHost& host, QWidget* parent) : QWidget(parent, Qt::Tool), m_host(host)
{
    setObjectName(QStringLiteral("Tunt"));
    buildWindow();
    m_sink = std::make_unique<PaneSink>(*this);
    UnitazJob::Settings settings;
    settings.decimalSeparator = calc::ui::localeDecimalSeparator();
    settings.noDocument = [this] {
        QMetaObject::invokeMethod(
            this, [this] { showNoDocument(); }, Qt::QueuedConnection);
    };
    settings.applyPriority = applyThreadPriority;
    settings.ended = platform::releaseFreedMemory;
    settings.progress = [this](std::uint64_t done, std::uint64_t total) {
        const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
        if (m_shownPercent.exchange(percent) != percent)
            QMetaObject::invokeMethod(
                this, [this, percent] { showProgress(percent); }, Qt::QueuedConnection);
    };
    m_job = std::make_unique<UnitazJob>(*m_sink, std::move(settings));
    localise(true);
    m_host.addLocaliser(this, [this] { localise(false); });
}

// A running job is asked to stop and waited for before the pane goes.
Tunt::~Tunt()
{
    m_job.reset();
}

void Tunt::buildWindow()
{
    resize(640, 480);
    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("output"));
    m_output->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_output->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_output->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Undo steps of a report would hold a second record of every line.
    m_output->setUndoRedoEnabled(false);

    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    m_btAnalysis = button("btAnalysis");
    m_btClear = button("btClear");
    m_btCopy = button("btCopy2Clipboard");
    m_btStop = button("btStop");
    m_btPause = button("btPause");
    m_btResume = button("btResume");
    m_btClose = button("btClose");
    m_lPriority = new QLabel(this);
    m_lPriority->setObjectName(QStringLiteral("lJobPriority"));
    m_priority = new QSlider(Qt::Horizontal, this);
    m_priority->setObjectName(QStringLiteral("tbPriority"));
    m_priority->setRange(1, 7);
    m_priority->setValue(4);
    m_priority->setTickPosition(QSlider::TicksBelow);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_btAnalysis, m_btClear, m_btCopy, m_btStop, m_btPause, m_btResume})
        buttons->addWidget(b);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_lPriority);
    bottom->addWidget(m_priority, 1);
    bottom->addWidget(m_progress, 1);
    bottom->addWidget(m_btClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_output, 1);
    layout->addLayout(buttons);
    layout->addLayout(bottom);

    connect(m_btAnalysis, &QPushButton::clicked, this, [this] { startAnalysis(); });
    connect(m_btClear, &QPushButton::clicked, this, [this] { clearOutput(); });
    connect(m_btCopy, &QPushButton::clicked, this, [this] { copyToClipboard(); });
    connect(m_btStop, &QPushButton::clicked, this, [this] { stopJob(); });
    connect(m_btPause, &QPushButton::clicked, this, [this] { pauseJob(); });
    connect(m_btResume, &QPushButton::clicked, this, [this] { resumeJob(); });
    connect(m_btClose, &QPushButton::clicked, this, [this] { hide(); });
    connect(m_priority, &QSlider::valueChanged, this,
            [this](int value) { m_job->setPriority(static_cast<JobPriority>(value)); });
}

void Tunt::localise(bool builtIn)
{
    const app::TextService& texts = m_host.texts();
    app::ui::localiseWindow(this, untTexts(), texts, builtIn);
    m_texts = UnitazTexts::from([&texts](std::string_view key) { return texts.text("unt", key); });
    m_job->setTexts(m_texts);
}

std::optional<std::string> Tunt::workText() const
{
    if (!m_host.hasDocument())
        return std::nullopt;
    editor::CVed& ved = m_host.document();
    std::string text = ved.GetWorkText();
    codepages::CodePage cp = codepages::CodePage::Win;
    if (codepages::codePageFromName(ved.GetCharset(), cp) && cp != codepages::CodePage::Win)
        text = codepages::utf8ToWin(codepages::decodeToUtf8(text, cp));
    return text;
}

// The document's text is read here, on the GUI thread; the worker only
// counts its copy.
void Tunt::startAnalysis()
{
    std::optional<std::string> text = workText();
    m_shownPercent = -1;
    m_progress->setValue(0);
    m_job->start(std::move(text), m_texts);
}

void Tunt::stopJob()
{
    m_job->stop();
}

void Tunt::pauseJob()
{
    m_job->pause();
}

void Tunt::resumeJob()
{
    m_job->resume();
}

void Tunt::clearOutput()
{
    // Lines still queued belong to the text being cleared: they are dropped,
    // and a job holding for them goes on.
    {
        std::lock_guard<std::mutex> lock(m_sink->m_mutex);
        std::deque<PaneSink::Entry>().swap(m_sink->m_pending);
    }
    m_job->wakeWorker();
    m_output->clear();
    platform::releaseFreedMemory();
}

void Tunt::copyToClipboard()
{
    drainAll();
    m_output->selectAll();
    m_output->copy();
}

QStringList Tunt::outputLines() const
{
    QString text = m_output->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

bool Tunt::linesPending()
{
    std::lock_guard<std::mutex> lock(m_sink->m_mutex);
    return !m_sink->m_pending.empty();
}

void Tunt::drainPending(size_t limit)
{
    std::vector<PaneSink::Entry> entries;
    bool more = false;
    {
        std::lock_guard<std::mutex> lock(m_sink->m_mutex);
        std::deque<PaneSink::Entry>& pending = m_sink->m_pending;
        const size_t n = std::min(limit, pending.size());
        entries.assign(std::make_move_iterator(pending.begin()),
                       std::make_move_iterator(pending.begin() + static_cast<std::ptrdiff_t>(n)));
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n));
        more = !pending.empty();
    }
    if (more)
        QMetaObject::invokeMethod(
            this, [this] { drainPending(); }, Qt::QueuedConnection);
    // The job writes the next lines while these go into the pane.
    if (!entries.empty())
        m_job->wakeWorker();
    QStringList run;
    auto flush = [&] {
        if (!run.isEmpty()) {
            writeLines(run);
            run.clear();
        }
    };
    // Lines are added in runs, one append per drain, so the pane repaints
    // once per run. The update brackets only end a run: holding repaints
    // across them would freeze the pane while a job is paused inside one.
    for (PaneSink::Entry& e : entries) {
        if (e.kind == PaneSink::Kind::Line)
            run.append(std::move(e.line));
        else
            flush();
    }
    flush();
}

void Tunt::writeLines(const QStringList& lines)
{
    qsizetype size = lines.size();
    for (const QString& line : lines)
        size += line.size();
    QString text;
    text.reserve(size);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += i % kLinesPerParagraph == 0 ? QChar(QLatin1Char('\n'))
                                                : QChar(QChar::LineSeparator);
        text += lines[i];
    }
    m_output->appendPlainText(text);
}

void Tunt::showNoDocument()
{
    const QString message = fromWin(m_texts.sNoOneFileOpened);
    if (messageHook) {
        messageHook(message);
        return;
    }
    QMessageBox::information(this, windowTitle(), message);
}

void Tunt::showProgress(int percent)
{
    m_progress->setValue(percent);
}

} // namespace zuk::analyzer::ui
