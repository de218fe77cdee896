#include "tools/ui/tfmsnim.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSizeGrip>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace zuk::tools::ui {

namespace {

constexpr int kBorder = 1;
// Where a node keeps its file's path.
constexpr int kPathRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

} // namespace

TfmSniM::TfmSniM(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("fmSniM"));
    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("pnTitle"));
    m_titleBar->setAutoFillBackground(true);
    m_titleBar->setBackgroundRole(QPalette::Highlight);
    m_titleBar->setCursor(Qt::SizeAllCursor);
    auto* title = new QHBoxLayout(m_titleBar);
    title->setContentsMargins(4, 1, 1, 1);
    m_caption = new QLabel(m_titleBar);
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

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvSnippets"));
    m_tree->setHeaderHidden(true);
    m_tree->setExpandsOnDoubleClick(false); // activate() opens and closes folders
    m_tree->setContextMenuPolicy(Qt::PreventContextMenu);
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    m_grip = new QSizeGrip(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->setSpacing(2);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_tree, 1);

    connect(m_rollUp, &QToolButton::clicked, this, &TfmSniM::toggleRollUp);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { activate(item, false); });
    resize(200, 300);
}

void TfmSniM::refreshIfChanged()
{
    if (changed && !changed())
        return;
    rebuild();
    if (clearChanged)
        clearChanged();
}

void TfmSniM::rebuild()
{
    m_tree->clear();
    if (snippets)
        addNodes(nullptr, snippets());
}

void TfmSniM::addNodes(QTreeWidgetItem* parent, const std::vector<SnippetEntry>& entries)
{
    for (const SnippetEntry& entry : entries) {
        auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        node->setText(0, QString::fromStdString(entry.name));
        node->setData(0, kPathRole, QString::fromStdString(entry.path));
        node->setData(0, kFolderRole, entry.folder);
        node->setToolTip(0, QString::fromStdString(entry.path));
        addNodes(node, entry.children);
    }
}

void TfmSniM::activate(QTreeWidgetItem* item, bool open)
{
    if (!item || item->data(0, kFolderRole).toBool()) {
        if (item && !open)
            item->setExpanded(!item->isExpanded());
        return;
    }
    const QString path = item->data(0, kPathRole).toString();
    if (open ? !openSnippet : !insertSnippet)
        return;
    if (open)
        openSnippet(path);
    else
        insertSnippet(path);
}

bool TfmSniM::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        refreshIfChanged();
    return QWidget::event(event);
}

void TfmSniM::toggleRollUp()
{
    if (!m_rolledUp) {
        m_unrolledHeight = height();
        m_rolledUp = true;
        m_tree->hide();
        m_grip->hide();
        setMinimumHeight(0);
        resize(width(), m_titleBar->sizeHint().height() + 2 * kBorder);
    } else {
        m_rolledUp = false;
        m_tree->show();
        m_grip->show();
        resize(width(), m_unrolledHeight > 0 ? m_unrolledHeight : 300);
    }
}

QRect TfmSniM::storedGeometry() const
{
    QRect r = geometry();
    if (m_rolledUp)
        r.setHeight(m_unrolledHeight);
    return r;
}

void TfmSniM::restoreGeometry(const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (m_rolledUp)
        toggleRollUp();
    setGeometry(r);
    // A title bar on no screen could not be dragged back.
    const QPoint grab = geometry().topLeft() + QPoint(std::min(20, width() / 2), 4);
    if (!QGuiApplication::screenAt(grab))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().topLeft() + QPoint(2, 2));
}

bool TfmSniM::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            activate(m_tree->currentItem(), key->modifiers() & Qt::ShiftModifier);
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched == m_tree->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::RightButton) {
            QTreeWidgetItem* item = m_tree->itemAt(e->position().toPoint());
            m_tree->setCurrentItem(item);
            activate(item, true);
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
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

void TfmSniM::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange)
        m_caption->setText(windowTitle());
    QWidget::changeEvent(event);
}

void TfmSniM::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize grip = m_grip->sizeHint();
    m_grip->setGeometry(width() - grip.width() - kBorder, height() - grip.height() - kBorder,
                        grip.width(), grip.height());
    m_grip->raise();
}

} // namespace zuk::tools::ui
