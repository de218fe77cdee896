#include "editor/ui/doxwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSizeGrip>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "base/texts.h"
#include "base/zukerror.h"
#include "editor/doxstates.h"
#include "editor/editortexts.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/editorlocalise.h"
#include "editor/ui/ted.h"

namespace zuk::editor {

namespace {

constexpr int kBorder = 1;

} // namespace

TfmDox::TfmDox(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("fmdox"));

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("pnTitle"));
    m_titleBar->setAutoFillBackground(true);
    m_titleBar->setBackgroundRole(QPalette::Highlight);
    m_titleBar->setForegroundRole(QPalette::HighlightedText);
    m_titleBar->setCursor(Qt::SizeAllCursor);
    auto* title = new QHBoxLayout(m_titleBar);
    title->setContentsMargins(4, 1, 1, 1);
    m_caption = new QLabel(m_titleBar);
    m_caption->setObjectName(QStringLiteral("lCaption"));
    m_caption->setForegroundRole(QPalette::HighlightedText);
    m_caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_rollUp = new QToolButton(m_titleBar);
    m_rollUp->setObjectName(QStringLiteral("btRollUp"));
    m_rollUp->setAutoRaise(true);
    m_rollUp->setCursor(Qt::ArrowCursor);
    title->addWidget(m_caption, 1);
    title->addWidget(m_rollUp);
    m_titleBar->installEventFilter(this);
    m_caption->installEventFilter(this);

    m_top = new QWidget(this);
    auto* top = new QHBoxLayout(m_top);
    top->setContentsMargins(0, 0, 0, 0);
    auto* save = new QPushButton(m_top);
    save->setObjectName(QStringLiteral("btSave"));
    m_states = new QComboBox(m_top);
    m_states->setObjectName(QStringLiteral("cbStates"));
    m_states->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_states->setMinimumContentsLength(4);
    top->addWidget(save);
    top->addWidget(m_states, 1);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbDocs"));
    m_grip = new QSizeGrip(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->setSpacing(2);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_top);
    layout->addWidget(m_list, 1);

    connect(save, &QPushButton::clicked, this, &TfmDox::saveStateDialog);
    connect(m_rollUp, &QToolButton::clicked, this, &TfmDox::toggleRollUp);
    connect(m_list, &QListWidget::itemClicked, this, &TfmDox::itemClicked);
    connect(m_states, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            openState(m_states->itemText(index));
    });
    localiseEditorWindow(this, doxTexts(), nullptr, true);
    resize(300, 250);
}

void TfmDox::setTexts(const app::TextService* texts)
{
    m_texts = texts;
    localise();
}

void TfmDox::localise()
{
    localiseEditorWindow(this, doxTexts(), m_texts, false);
}

void TfmDox::setPartsDir(const QString& partsDir)
{
    m_partsDir = partsDir;
    refreshStates();
}

QString TfmDox::statesDir() const
{
    return QDir(m_partsDir).filePath(QStringLiteral("DoxStates"));
}

void TfmDox::addDocument(const QString& fullName)
{
    m_list->addItem(fullName);
}

void TfmDox::removeDocument(const QString& fullName)
{
    const auto items = m_list->findItems(fullName, Qt::MatchExactly);
    if (!items.isEmpty())
        delete items.first();
}

QStringList TfmDox::names() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

void TfmDox::connectEditor(CdreamEditor* editor)
{
    windowCaptions = [editor] {
        QStringList captions;
        for (Ted* t : editor->documents())
            captions << t->windowTitle();
        return captions;
    };
    activateDocument = [editor](const QString& caption) {
        for (Ted* t : editor->documents())
            if (t->windowTitle() == caption) {
                editor->activateDocument(t);
                return;
            }
    };
    setTexts(editor->host().texts);
}

void TfmDox::itemClicked(QListWidgetItem* item)
{
    if (item && activateDocument)
        activateDocument(item->text());
}

void TfmDox::saveStateDialog()
{
    QDir().mkpath(statesDir());
    const QString path = QFileDialog::getSaveFileName(
        this, uiText(m_texts, doxTexts(), "sSaveStateCaption"), statesDir());
    if (path.isEmpty() || writeState(path))
        return;
    const std::string pattern = uiText(m_texts, doxTexts(), "sCannotSaveState").toStdString();
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    QString::fromStdString(formatText(pattern, {path.toStdString()})),
                    QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(uiText(m_texts, doxTexts(), "sButtonOK"));
    box.exec();
}

bool TfmDox::writeState(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QStringList captions = windowCaptions ? windowCaptions() : QStringList();
    std::vector<std::string> paths;
    for (auto it = captions.crbegin(); it != captions.crend(); ++it)
        paths.push_back(it->toStdString());
    bool ok = true;
    try {
        writeDoxState(QFile::encodeName(path).toStdString(), paths);
    } catch (const IoError&) {
        ok = false; // the caller tells the user; the old set is intact
    }
    refreshStates();
    return ok;
}

QStringList TfmDox::stateNames() const
{
    return QDir(statesDir()).entryList(QDir::Files, QDir::Name);
}

void TfmDox::refreshStates()
{
    m_states->clear();
    m_states->addItems(stateNames());
    m_states->setCurrentIndex(-1);
}

// The caption of the open document of this file, or an empty string.
QString TfmDox::openCaptionOf(const QString& path) const
{
    if (!windowCaptions)
        return {};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (const QString& caption : windowCaptions())
        if (caption == path ||
            (!canonical.isEmpty() && QFileInfo(caption).canonicalFilePath() == canonical))
            return caption;
    return {};
}

void TfmDox::openState(const QString& name)
{
    std::vector<std::string> paths;
    try {
        paths = readDoxState(QFile::encodeName(QDir(statesDir()).filePath(name)).toStdString());
    } catch (const IoError&) {
        return;
    }
    for (const std::string& line : paths) {
        const QString path = QString::fromStdString(line);
        if (path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        if (const QString caption = openCaptionOf(path); !caption.isEmpty()) {
            if (activateDocument)
                activateDocument(caption);
        } else if (openFile) {
            openFile(path);
        }
    }
}

void TfmDox::toggleRollUp()
{
    if (!m_rolledUp) {
        m_unrolledHeight = height();
        m_rolledUp = true;
        for (QWidget* w : {m_top, static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_grip)})
            w->hide();
        setMinimumHeight(0);
        resize(width(), m_titleBar->sizeHint().height() + 2 * kBorder);
    } else {
        m_rolledUp = false;
        for (QWidget* w : {m_top, static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_grip)})
            w->show();
        resize(width(), m_unrolledHeight > 0 ? m_unrolledHeight : 250);
    }
}

QRect TfmDox::storedGeometry() const
{
    QRect r = geometry();
    if (m_rolledUp)
        r.setHeight(m_unrolledHeight);
    return r;
}

void TfmDox::restoreGeometry(const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (m_rolledUp)
        toggleRollUp();
    setGeometry(r);
    // A title bar on no screen (a screen that has gone) could not be dragged back.
    const QPoint grab = geometry().topLeft() + QPoint(std::min(20, width() / 2), 4);
    if (!QGuiApplication::screenAt(grab))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().topLeft() + QPoint(2, 2));
}

// Dragging the title bar moves the window: through the window manager where
// there is one, by hand otherwise.
bool TfmDox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_titleBar && watched != m_caption)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            break;
        if (windowHandle() && windowHandle()->startSystemMove())
            return true;
        m_dragging = true;
        m_dragOffset = e->globalPosition().toPoint() - pos();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_dragOffset);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragging) {
            m_dragging = false;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        toggleRollUp();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TfmDox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange)
        m_caption->setText(windowTitle());
    QWidget::changeEvent(event);
}

// The size grip sits in the corner over the list, outside the layout.
void TfmDox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize grip = m_grip->sizeHint();
    m_grip->setGeometry(width() - grip.width() - kBorder, height() - grip.height() - kBorder,
                        grip.width(), grip.height());
    m_grip->raise();
}

void TfmDox::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zuk::editor
