#include "hexedit/ui/tfmhexedit.h"

#include "app/diskstamp.h"
#include "app/textservice.h"
#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "hexedit/hexdocument.h"
#include "hexedit/hexedittexts.h"
#include "hexedit/hexinput.h"
#include "hexedit/ui/tfmhexedoptz.h"
#include "hexedit/ui/thexeditor.h"
#include "settings/settingsnotifier.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>

namespace zuk::hexedit::ui {

namespace {

QString number(std::uint64_t v)
{
    return QString::number(v);
}

QString hexNumber(std::uint64_t v, int digits = 0)
{
    return QStringLiteral("%1").arg(v, digits, 16, QLatin1Char('0')).toUpper();
}

QAction* action(QObject* parent, const char* name, const QKeySequence& keys = {})
{
    auto* a = new QAction(parent);
    a->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty())
        a->setShortcut(keys);
    return a;
}

} // namespace

Tfmhexedit::Tfmhexedit(app::ui::ToolHost& host, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("fmhexedit"));
    m_view = new THexEditor(this);
    setCentralWidget(m_view);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lStatus"));
    statusBar()->addWidget(m_status, 1);
    buildMenu();

    connect(m_view, &THexEditor::caretMoved, this, &Tfmhexedit::updateStatus);
    connect(m_view, &THexEditor::contentChanged, this, &Tfmhexedit::updateStatus);
    connect(m_view, &THexEditor::readFailed, this,
            [this](const QString& message) { statusBar()->showMessage(message, 10000); });

    applySettings();
    QPointer<Tfmhexedit> self(this);
    host.settingsNotifier().subscribe([self] {
        if (self)
            self->applySettings();
    });
    localise(true);
    host.addLocaliser(this, [this] { localise(false); });
    resize(860, 560);
}

Tfmhexedit::~Tfmhexedit() = default;

void Tfmhexedit::buildMenu()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QString());
    file->setObjectName(QStringLiteral("mniFile"));
    QAction* open = action(this, "mniFileOpen", QKeySequence::Open);
    QAction* save = action(this, "mniFileSave", QKeySequence::Save);
    QAction* saveAs = action(this, "mniSaveAs");
    QAction* exit = action(this, "mniExit");
    file->addAction(open);
    file->addAction(save);
    file->addAction(saveAs);
    file->addSeparator();
    file->addAction(exit);
    connect(open, &QAction::triggered, this, &Tfmhexedit::chooseAndOpen);
    connect(save, &QAction::triggered, this, [this] { this->save(); });
    connect(saveAs, &QAction::triggered, this, &Tfmhexedit::chooseAndSaveAs);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = bar->addMenu(QString());
    edit->setObjectName(QStringLiteral("mniEdit"));
    QAction* undo = action(this, "mniUndo", QKeySequence::Undo);
    QAction* gotoOffset = action(this, "mniGotoOffset", QKeySequence(Qt::CTRL | Qt::Key_G));
    edit->addAction(undo);
    edit->addAction(gotoOffset);
    edit->addSeparator();
    connect(undo, &QAction::triggered, this, [this] { m_view->undo(); });
    connect(gotoOffset, &QAction::triggered, this, &Tfmhexedit::gotoOffset);
    m_setMarkerMenu = edit->addMenu(QString());
    m_setMarkerMenu->setObjectName(QStringLiteral("mniSetMarker"));
    m_gotoMarkerMenu = edit->addMenu(QString());
    m_gotoMarkerMenu->setObjectName(QStringLiteral("mniGotoMarker"));
    for (int i = 0; i < CHexDocument::kMarkers; ++i) {
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + i);
        QAction* set = m_setMarkerMenu->addAction(QString());
        set->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | digit));
        connect(set, &QAction::triggered, this, [this, i] { setMarker(i); });
        QAction* go = m_gotoMarkerMenu->addAction(QString());
        go->setShortcut(QKeySequence(Qt::CTRL | digit));
        connect(go, &QAction::triggered, this, [this, i] { gotoMarker(i); });
    }

    QAction* options = action(this, "mniOptions");
    bar->addAction(options);
    connect(options, &QAction::triggered, this, [this] { showOptions(); });
}

QString Tfmhexedit::text(const char* key) const
{
    return m_host.text(hexEditTexts().section, key);
}

void Tfmhexedit::localise(bool builtIn)
{
    app::ui::localiseWindow(this, hexEditTexts(), m_host.texts(), builtIn);
    const QList<QAction*> set = m_setMarkerMenu->actions();
    const QList<QAction*> go = m_gotoMarkerMenu->actions();
    for (int i = 0; i < set.size(); ++i) {
        const QString name = m_host.format(hexEditTexts().section, "sMarker", {QString::number(i)});
        set[i]->setText(name);
        go[i]->setText(name);
    }
    updateCaption();
    updateStatus();
}

void Tfmhexedit::applySettings()
{
    try {
        m_view->applySettings(m_host.settings().HexEdit);
    } catch (const ZukError& e) {
        showError(e);
    }
    updateStatus();
}

QString Tfmhexedit::fileName() const
{
    return m_doc ? QString::fromStdString(m_doc->fileName()) : QString();
}

void Tfmhexedit::updateCaption()
{
    setWindowTitle(m_doc ? fileName() : text("caption"));
}

QString Tfmhexedit::statusText() const
{
    if (!m_doc)
        return text("sStatusEmpty");
    const std::uint64_t at = m_view->caret();
    const QString byte = m_doc->size() > 0 ? hexNumber(m_doc->byteAt(at), 2) : QStringLiteral("--");
    return m_host.format(
        hexEditTexts().section, "sStatus",
        {hexNumber(at), number(at), byte, number(m_doc->size()), number(m_doc->changedCount())});
}

void Tfmhexedit::updateStatus()
{
    try {
        m_status->setText(statusText());
    } catch (const ZukError& e) {
        m_status->setText(m_host.message(e));
    }
}

void Tfmhexedit::showMessage(const QString& message)
{
    if (messageHook) {
        messageHook(message);
        return;
    }
    QMessageBox::warning(this, windowTitle(), message);
}

void Tfmhexedit::showError(const ZukError& error)
{
    showMessage(m_host.message(error));
}

bool Tfmhexedit::askYesNo(const QString& question)
{
    if (questionHook)
        return questionHook(question);
    return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString Tfmhexedit::startFolder() const
{
    if (m_doc)
        return QFileInfo(fileName()).absolutePath();
    return m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder;
}

// --- files ----------------------------------------------------------------------

bool Tfmhexedit::openFile(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    std::unique_ptr<CHexDocument> loaded;
    try {
        loaded = std::make_unique<CHexDocument>(full.toStdString());
    } catch (const ZukError& e) {
        showError(e);
        return false;
    }
    if (!queryClose())
        return false;
    // Saving the current file may have replaced the one just opened (the
    // same file chosen again): it is opened anew to show what was saved.
    if (loaded->changedOnDisk()) {
        try {
            loaded = std::make_unique<CHexDocument>(full.toStdString());
        } catch (const ZukError& e) {
            showError(e);
            return false;
        }
    }
    m_doc = std::move(loaded);
    m_view->setDocument(m_doc.get());
    m_lastFolder = QFileInfo(full).absolutePath();
    updateCaption();
    updateStatus();
    return true;
}

void Tfmhexedit::closeFile()
{
    m_view->setDocument(nullptr);
    m_doc.reset();
    updateCaption();
    updateStatus();
}

bool Tfmhexedit::writeTo(const QString& path)
{
    if (!m_doc)
        return false;
    const std::string target = QFileInfo(path).absoluteFilePath().toStdString();
    const QString shown = QString::fromStdString(target);
    if (m_doc->changedInPlace()) {
        // Shown as it is now before the question, since that is what gets saved.
        m_doc->rereadFile();
        m_view->viewport()->update();
        if (!askYesNo(m_host.format(hexEditTexts().section, "sChangedInPlace", {fileName()})))
            return false;
    } else if (target == m_doc->fileName() && m_doc->changedOnDisk() &&
               !askYesNo(m_host.format("MainForm", "sChangedOnDisk", {shown}))) {
        return false;
    }
    if (app::isReadOnlyFile(target) &&
        !askYesNo(m_host.format("MainForm", "sOverwriteReadOnly", {shown})))
        return false;
    HexSaveOptions options;
    options.createBackup = m_host.settings().HexEdit.CreateBackup;
    options.backupExtension = m_host.settings().HexEdit.BackupExtension;
    try {
        m_doc->save(target, options);
    } catch (const ZukError& e) {
        showError(e);
        m_view->viewport()->update();
        updateStatus();
        return false;
    }
    m_view->viewport()->update();
    updateCaption();
    updateStatus();
    statusBar()->showMessage(m_host.format(hexEditTexts().section, "sSaved", {shown}), 5000);
    return true;
}

bool Tfmhexedit::save()
{
    return m_doc && writeTo(fileName());
}

bool Tfmhexedit::saveAs(const QString& path)
{
    return !path.isEmpty() && writeTo(path);
}

bool Tfmhexedit::queryClose()
{
    if (!m_doc || !m_doc->modified())
        return true;
    const QString question = m_host.format(hexEditTexts().section, "sSaveChanges", {fileName()});
    const QMessageBox::StandardButton answer =
        saveChangesHook
            ? saveChangesHook(question)
            : QMessageBox::question(this, windowTitle(), question,
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                    QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return save();
    return answer == QMessageBox::No;
}

void Tfmhexedit::chooseAndOpen()
{
    const QString path =
        openDialogHook
            ? openDialogHook()
            : QFileDialog::getOpenFileName(this, text("mniFileOpen"), startFolder(), QString(),
                                           nullptr, QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        openFile(path);
}

void Tfmhexedit::chooseAndSaveAs()
{
    if (!m_doc)
        return;
    const QString path =
        saveDialogHook
            ? saveDialogHook()
            : QFileDialog::getSaveFileName(this, text("mniSaveAs"), fileName(), QString(), nullptr,
                                           QFileDialog::DontUseNativeDialog);
    saveAs(path);
}

void Tfmhexedit::closeEvent(QCloseEvent* event)
{
    if (!queryClose()) {
        event->ignore();
        return;
    }
    closeFile();
    // The options belong to this editing session.
    delete m_options;
    event->accept();
}

// --- options, markers, offsets ------------------------------------------------------

bool Tfmhexedit::setBytesPerLine(int n)
{
    settings::RHexEdit s = m_host.settings().HexEdit;
    s.BytesPerLine = n;
    try {
        m_view->applySettings(s);
    } catch (const ZukError& e) {
        showError(e);
        return false;
    }
    m_host.settings().HexEdit = s;
    return true;
}

bool Tfmhexedit::setBytesPerColumn(int n)
{
    settings::RHexEdit s = m_host.settings().HexEdit;
    s.BytesPerColumn = n;
    try {
        m_view->applySettings(s);
    } catch (const ZukError& e) {
        showError(e);
        return false;
    }
    m_host.settings().HexEdit = s;
    return true;
}

void Tfmhexedit::setTranslation(Translation t)
{
    m_host.settings().HexEdit.Translation = translationName(t);
    applySettings();
}

void Tfmhexedit::setMarker(int index)
{
    if (!m_doc)
        return;
    try {
        m_doc->setMarker(index, m_view->caret());
    } catch (const ZukError& e) {
        showError(e);
    }
}

void Tfmhexedit::gotoMarker(int index)
{
    if (!m_doc)
        return;
    try {
        const std::optional<std::uint64_t> at = m_doc->marker(index);
        if (!at) {
            showMessage(
                m_host.format(hexEditTexts().section, "sMarkerNotSet", {QString::number(index)}));
            return;
        }
        m_view->setCaret(*at, m_view->area(), 0);
    } catch (const ZukError& e) {
        showError(e);
    }
}

void Tfmhexedit::gotoOffset()
{
    if (!m_doc)
        return;
    const bool hex = m_host.settings().HexEdit.OffsetDisplay != "odDec";
    const std::optional<QString> typed = m_host.prompt(
        text("sGotoOffsetTitle"), text(hex ? "sGotoOffsetPrompt" : "sGotoOffsetDecimalPrompt"),
        hex ? hexNumber(m_view->caret()) : number(m_view->caret()));
    if (!typed)
        return;
    try {
        const std::uint64_t at = parseOffset(typed->toStdString(), hex);
        if (at >= m_doc->size()) {
            showMessage(m_host.format(hexEditTexts().section, "sOffsetBeyondEnd", {*typed}));
            return;
        }
        m_view->setCaret(at, m_view->area(), 0);
    } catch (const ZukError& e) {
        showError(e);
    }
}

Tfmhexedoptz* Tfmhexedit::optionsWindow() const
{
    return m_options;
}

Tfmhexedoptz* Tfmhexedit::showOptions()
{
    if (!m_options) {
        m_options = new Tfmhexedoptz(m_host, *this);
        // Over the editor's top right corner, clear of the bytes on the left.
        const QRect frame = frameGeometry();
        m_options->move(std::max(frame.left(), frame.right() - m_options->width() - 24),
                        frame.top() + 48);
    }
    m_options->show();
    m_options->raise();
    m_options->activateWindow();
    return m_options;
}

} // namespace zuk::hexedit::ui
