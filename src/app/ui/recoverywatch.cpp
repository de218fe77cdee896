#include "app/ui/recoverywatch.h"

#include "app/recovery.h"
#include "app/ui/documenttabs.h"
#include "app/ui/filecommands.h"
#include "app/ui/mainform.h"
#include "base/zukerror.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <optional>
#include <utility>
#include <vector>

namespace zuk::app::ui {

namespace {

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

RecoveryWatch::RecoveryWatch(TMainForm& form) : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("RecoveryWatch"));
    m_idle = new QTimer(this);
    m_idle->setSingleShot(true);
    m_longest = new QTimer(this);
    m_longest->setSingleShot(true);
    connect(m_idle, &QTimer::timeout, this, &RecoveryWatch::writePending);
    connect(m_longest, &QTimer::timeout, this, &RecoveryWatch::writePending);
}

RecoveryWatch::~RecoveryWatch()
{
    // The worker goes first: its failures are posted to this object.
    m_writer.reset();
}

RecoveryWatch* RecoveryWatch::of(const QObject& form)
{
    return form.findChild<RecoveryWatch*>(QStringLiteral("RecoveryWatch"),
                                          Qt::FindDirectChildrenOnly);
}

QString RecoveryWatch::rootFolder() const
{
    return m_form.partsFolder() + QStringLiteral("recovery/");
}

QString RecoveryWatch::runFolder() const
{
    return m_run ? QString::fromStdString(m_run->folder()) : QString();
}

bool RecoveryWatch::active() const
{
    return m_writer && !m_frozen;
}

void RecoveryWatch::startup()
{
    // Every new document window is activated when it is made.
    connect(&m_form.mdiArea(), &QMdiArea::subWindowActivated, this,
            &RecoveryWatch::attachDocuments);
    m_form.settingsNotifier().subscribe([this] {
        m_form.setChecked("mniRecovery", m_form.settings().Recovery);
        applySettings();
    });
    m_form.setChecked("mniRecovery", m_form.settings().Recovery);
    applySettings();
}

void RecoveryWatch::applySettings()
{
    if (m_frozen)
        return;
    if (m_form.settings().Recovery)
        open();
    else
        close();
}

void RecoveryWatch::open()
{
    if (m_writer)
        return;
    try {
        m_run = std::make_unique<RecoveryRun>(rootFolder().toStdString());
    } catch (const ZukError& e) {
        reportWriteFailure(m_form.message(e));
        return;
    }
    // Failures come on the worker thread; they are put into words on this one.
    m_writer = std::make_unique<RecoveryWriter>(
        m_run->folder(), [this](const std::string&, const ZukError& e) {
            QMetaObject::invokeMethod(
                this, [this, error = e] { reportWriteFailure(m_form.message(error)); },
                Qt::QueuedConnection);
        });
    // Documents changed while it was off get their copies too.
    attachDocuments();
    for (editor::Ted* ted : m_form.editor().documents())
        if (ted->modified())
            changed(ted);
}

void RecoveryWatch::close()
{
    m_idle->stop();
    m_longest->stop();
    if (!m_writer)
        return;
    for (Tracked& t : m_docs) {
        t.pending = false;
        t.stored = false;
    }
    m_writer.reset();
    try {
        m_run->removeAll();
    } catch (const ZukError& e) {
        reportWriteFailure(m_form.message(e));
    }
    m_run.reset();
}

RecoveryWatch::Tracked* RecoveryWatch::track(editor::Ted* ted)
{
    auto it = m_docs.find(ted);
    return it == m_docs.end() ? nullptr : &*it;
}

void RecoveryWatch::attachDocuments()
{
    for (editor::Ted* ted : m_form.editor().documents()) {
        if (m_docs.contains(ted))
            continue;
        Tracked t;
        t.id = "doc" + std::to_string(m_nextId++);
        m_docs.insert(ted, t);
        editor::TedControl* c = ted->control();
        connect(c, &QsciScintilla::textChanged, this, [this, ted] { changed(ted); });
        connect(c, &QsciScintilla::modificationChanged, this, [this, ted](bool on) {
            if (!on)
                documentSettled(ted);
        });
        connect(ted, &QObject::destroyed, this, [this, ted] { m_docs.remove(ted); });
        // A text put in before the window was first activated.
        if (ted->modified())
            changed(ted);
    }
}

void RecoveryWatch::changed(editor::Ted* ted)
{
    Tracked* t = track(ted);
    if (!t || !active())
        return;
    t->pending = true;
    t->changedMs = nowMs();
    m_idle->start(idleDelayMs);
    if (!m_longest->isActive())
        m_longest->start(longestDelayMs);
}

void RecoveryWatch::drop(Tracked& t)
{
    t.pending = false;
    if (t.stored && m_writer)
        m_writer->remove(t.id);
    t.stored = false;
}

void RecoveryWatch::documentSettled(editor::Ted* ted)
{
    Tracked* t = track(ted);
    if (!t || !active())
        return;
    if (!ted->modified())
        drop(*t);
}

void RecoveryWatch::documentClosed(editor::Ted* ted)
{
    Tracked* t = track(ted);
    if (!t || !active())
        return;
    drop(*t);
    m_docs.remove(ted);
}

void RecoveryWatch::writePending()
{
    m_idle->stop();
    m_longest->stop();
    if (!active())
        return;
    for (auto it = m_docs.begin(); it != m_docs.end(); ++it) {
        Tracked& t = *it;
        if (!t.pending)
            continue;
        editor::Ted* ted = it.key();
        t.pending = false;
        if (!ted->modified()) {
            drop(t);
            continue;
        }
        RecoveryMeta meta;
        if (ted->hasFile())
            meta.path = ted->fileName();
        meta.title = ted->windowTitle().toStdString();
        meta.charset = ted->charset();
        meta.encoding = codepages::fileEncodingName(ted->fileEncoding());
        meta.lineBreak = codepages::lineBreakName(ted->fileLineBreak());
        if (ted->hasHighlighter())
            meta.syntax = ted->syntaxName();
        meta.changedMs = t.changedMs;
        // The copy is cheap next to a write; the worker writes it.
        m_writer->write(t.id, std::move(meta), ted->allText());
        t.stored = true;
    }
}

void RecoveryWatch::freeze()
{
    writePending();
    waitForWriter();
    m_frozen = true;
}

void RecoveryWatch::finishRun()
{
    m_frozen = false;
    close();
    m_frozen = true;
}

void RecoveryWatch::waitForWriter()
{
    if (m_writer)
        m_writer->waitIdle();
}

void RecoveryWatch::reportWriteFailure(const QString& message)
{
    if (message == m_lastFailure)
        return;
    m_lastFailure = message;
    const QString text = m_form.format("Recovery", "sRecoveryNotWritten", {message});
    m_form.consoleAppend(text);
    m_form.showStatus(text);
}

// --- the copies of ended runs ------------------------------------------------------

RecoveryChoice RecoveryWatch::ask(const QStringList& lines)
{
    if (choiceHook)
        return choiceHook(lines);
    const QString question = m_form.text("Recovery", "sRecoveryIntro") + QStringLiteral("\n\n") +
                             lines.join(QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Question, m_form.text("Recovery", "caption"), question,
                    QMessageBox::NoButton, &m_form);
    QPushButton* restore =
        box.addButton(m_form.text("Recovery", "btnRestore"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(m_form.text("Recovery", "btnDiscard"), QMessageBox::DestructiveRole);
    QPushButton* later =
        box.addButton(m_form.text("Recovery", "btnLater"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
        return RecoveryChoice::Restore;
    if (box.clickedButton() == discard)
        return RecoveryChoice::Discard;
    return RecoveryChoice::Later;
}

void RecoveryWatch::offer()
{
    if (m_offered)
        return;
    m_offered = true;
    RecoveryClaim claim(rootFolder().toStdString(), runFolder().toStdString());
    for (const std::string& broken : claim.broken()) {
        const QString text =
            m_form.format("Recovery", "sRecoveryBroken", {QString::fromStdString(broken)});
        m_form.consoleAppend(text);
        m_form.showStatus(text);
    }
    if (claim.entries().empty())
        return;
    QStringList lines;
    for (const RecoveryEntry& e : claim.entries()) {
        const QString name = e.meta.path
                                 ? TDocumentTabs::fileNamePart(QString::fromStdString(*e.meta.path))
                                 : QString::fromStdString(e.meta.title);
        const QString when = QDateTime::fromMSecsSinceEpoch(e.meta.changedMs)
                                 .toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
        lines << m_form.format("Recovery", "sRecoveryEntry", {name, when});
    }
    const RecoveryChoice choice = ask(lines);
    if (choice == RecoveryChoice::Later)
        return; // the claim lets them go, untouched
    const std::vector<RecoveryEntry> entries = claim.entries();
    std::vector<std::pair<RecoveryEntry, editor::Ted*>> restored;
    for (const RecoveryEntry& e : entries) {
        const QString shown = QString::fromStdString(e.meta.path ? *e.meta.path : e.meta.title);
        try {
            if (choice == RecoveryChoice::Discard) {
                claim.remove(e);
                continue;
            }
            const std::string text = readRecoveryText(e);
            FileCommands* files = FileCommands::of(m_form);
            const QString path = e.meta.path ? QString::fromStdString(*e.meta.path) : QString();
            if (!path.isEmpty() && files->openFiles().contains(path.toStdString()))
                m_form.consoleAppend(m_form.format("Recovery", "sRecoveryAlreadyOpen", {shown}));
            // A name a later program wrote, unknown here, leaves the file as
            // the code page's bytes: nothing of the text is lost by that.
            codepages::FileEncoding encoding = codepages::FileEncoding::CodePage;
            codepages::fileEncodingFromName(e.meta.encoding, encoding);
            codepages::LineBreak lineBreak = codepages::LineBreak::CrLf;
            codepages::lineBreakFromName(e.meta.lineBreak, lineBreak);
            editor::Ted* ted = files->openRecovered(path, e.meta.charset, e.meta.syntax, text,
                                                    encoding, lineBreak);
            attachDocuments();
            changed(ted);
            restored.emplace_back(e, ted);
        } catch (const ZukError& err) {
            // The copy stays for another try.
            m_form.consoleAppend(
                m_form.format("Recovery", "sRecoveryNotRestored", {shown, m_form.message(err)}));
        }
    }
    // The restored documents are modified: their copies of this run are on
    // the disk before the old ones go, so a kill right now loses nothing.
    writePending();
    waitForWriter();
    for (const auto& [entry, ted] : restored) {
        const Tracked* t = track(ted);
        const bool replaced =
            !active() || (t && QFileInfo::exists(runFolder() + QString::fromStdString(t->id) +
                                                 QStringLiteral(".meta")));
        try {
            if (replaced)
                claim.remove(entry);
        } catch (const ZukError& err) {
            m_form.consoleAppend(m_form.message(err));
        }
    }
}

void installRecoveryWatch(TMainForm& form)
{
    auto* watch = new RecoveryWatch(form);
    form.addCommands({
        {"mniRecovery",
         [&form, watch] {
             form.settings().Recovery = form.isChecked("mniRecovery");
             watch->applySettings();
         }},
    });
}

} // namespace zuk::app::ui
