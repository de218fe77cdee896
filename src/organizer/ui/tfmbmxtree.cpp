#include "organizer/ui/tfmbmxtree.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "editor/ved.h"
#include "io/safefile.h"
#include "organizer/organizertexts.h"
#include "organizer/ui/rolluptitle.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSizeGrip>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zuk::organizer::ui {

namespace {

constexpr int kBorder = 1;
constexpr int kPathRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;
constexpr int kLine2Role = Qt::UserRole + 2;

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

bool fitsNode(const QString& text)
{
    return static_cast<std::size_t>(text.toUtf8().size()) <= kMaxNodeText;
}

void collect(const QTreeWidgetItem* parent, std::vector<BookmarkNode>& out,
             const std::function<RBookmark(const QTreeWidgetItem*)>& nodeOf)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem* item = parent->child(i);
        out.push_back({nodeOf(item), {}});
        collect(item, out.back().children, nodeOf);
    }
}

// The free name beside `path` that an unreadable file is kept under.
QString keptName(const QString& path)
{
    QString name = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged%1").arg(n);
    return name;
}

} // namespace

Tfmbmxtree::Tfmbmxtree(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_host(host), m_save([this] { write(); })
{
    setObjectName(QStringLiteral("fmbmxtree"));
    m_file = QString::fromStdString(platform::resolveDataPath(host.programFolder().toStdString(),
                                                              "Engine/bookmarx/bmxtree.bmx"));

    m_title = new TRollUpTitle(this);
    m_body = new QWidget(this);
    m_menu = new QMenuBar(m_body);
    m_menu->setNativeMenuBar(false);
    QMenu* menu = m_menu->addMenu(QString());
    menu->setObjectName(QStringLiteral("mniBookmark"));
    auto item = [this, menu](const char* name, void (Tfmbmxtree::*run)()) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, run);
    };
    item("mniAddNode", &Tfmbmxtree::addNode);
    item("mniAddChild", &Tfmbmxtree::addChild);
    item("mniUpdateCurrent", &Tfmbmxtree::updateCurrent);
    menu->addSeparator();
    item("mniDelCurrent", &Tfmbmxtree::deleteCurrent);

    m_tree = new QTreeWidget(m_body);
    m_tree->setObjectName(QStringLiteral("tvBookmarks"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_tree->setDragDropMode(QAbstractItemView::InternalMove);
    m_tree->installEventFilter(this);
    m_caption = new QLineEdit(m_body);
    m_caption->setObjectName(QStringLiteral("edCapt"));
    m_path = new QLineEdit(m_body);
    m_path->setObjectName(QStringLiteral("edFile"));
    m_grip = new QSizeGrip(m_body);

    auto* body = new QVBoxLayout(m_body);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(2);
    body->addWidget(m_menu);
    body->addWidget(m_tree, 1);
    body->addWidget(m_caption);
    body->addWidget(m_path);
    body->addWidget(m_grip, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->setSpacing(2);
    layout->addWidget(m_title);
    layout->addWidget(m_body, 1);

    connect(m_title->rollUpButton(), &QToolButton::clicked, this, &Tfmbmxtree::toggleRollUp);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { showCurrent(); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* i) { openBookmark(i); });
    connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* i) {
        if (m_filling)
            return;
        if (i == m_tree->currentItem())
            showCurrent();
        m_save.changed();
    });
    // Moving nodes by drag and drop.
    connect(m_tree->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (!m_filling)
            m_save.changed();
    });
    connect(m_tree->model(), &QAbstractItemModel::rowsRemoved, this, [this] {
        if (!m_filling)
            m_save.changed();
    });
    connect(m_caption, &QLineEdit::textEdited, this, &Tfmbmxtree::captionEdited);
    connect(m_path, &QLineEdit::textEdited, this, [this] { pathEdited(); });
    connect(m_path, &QLineEdit::editingFinished, this, [this] {
        // What did not fit was never stored: the field shows what is.
        if (!fitsNode(m_path->text())) {
            showMessage(m_host.format(bmxTreeTexts().section, "sPathTooLong",
                                      {m_path->text(), QString::number(kMaxNodeText)}));
            showCurrent();
        }
    });

    localise(true);
    host.addLocaliser(this, [this] { localise(false); });
    load();
    resize(200, 300);
}

Tfmbmxtree::~Tfmbmxtree()
{
    // The host may be half gone by now: a failure is only logged.
    m_closing = true;
    m_save.flush();
}

void Tfmbmxtree::localise(bool builtIn)
{
    app::ui::localiseWindow(this, bmxTreeTexts(), m_host.texts(), builtIn);
}

void Tfmbmxtree::showMessage(const QString& text)
{
    if (messageHook) {
        messageHook(text);
        return;
    }
    QMessageBox::warning(isVisible() ? this : parentWidget(), windowTitle(), text);
}

QTreeWidgetItem* Tfmbmxtree::makeItem(const RBookmark& node) const
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, qs(node.Caption));
    item->setData(0, kPathRole, qs(node.FilePath));
    item->setData(0, kLineRole, node.Line);
    item->setData(0, kLine2Role, node.Line2);
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
                   Qt::ItemIsDropEnabled);
    return item;
}

RBookmark Tfmbmxtree::nodeOf(const QTreeWidgetItem* item) const
{
    RBookmark node;
    node.Caption = fitCaption(item->text(0).toStdString());
    node.FilePath = item->data(0, kPathRole).toString().toStdString();
    node.Line = item->data(0, kLineRole).toInt();
    node.Line2 = item->data(0, kLine2Role).toInt();
    return node;
}

std::vector<BookmarkNode> Tfmbmxtree::nodes() const
{
    std::vector<BookmarkNode> out;
    collect(m_tree->invisibleRootItem(), out,
            [this](const QTreeWidgetItem* i) { return nodeOf(i); });
    return out;
}

void Tfmbmxtree::load()
{
    std::string bytes;
    std::vector<BookmarkNode> roots;
    try {
        if (!io::readFileBytesIfExists(QFile::encodeName(m_file).toStdString(), bytes))
            return;
        roots = readBookmarkTree(bytes);
    } catch (const ZukError& e) {
        // The tree is not lost with a file that cannot be read: the file goes
        // aside under a free name and the tree starts empty. When it cannot go
        // aside, nothing is written over it.
        const QString kept = keptName(m_file);
        QString text;
        if (QFile::rename(m_file, kept)) {
            text = m_host.format(bmxTreeTexts().section, "sBmxKeptAside",
                                 {m_file, m_host.message(e), kept});
        } else {
            m_writable = false;
            text =
                m_host.format(bmxTreeTexts().section, "sBmxNotRead", {m_file, m_host.message(e)});
        }
        // Shown once the program is up, not while its windows are being made.
        QTimer::singleShot(0, this, [this, text] { showMessage(text); });
        return;
    }
    m_filling = true;
    std::function<void(QTreeWidgetItem*, const std::vector<BookmarkNode>&)> fill =
        [this, &fill](QTreeWidgetItem* parent, const std::vector<BookmarkNode>& list) {
            for (const BookmarkNode& n : list) {
                QTreeWidgetItem* item = makeItem(n.data);
                parent->addChild(item);
                fill(item, n.children);
            }
        };
    fill(m_tree->invisibleRootItem(), roots);
    m_tree->expandAll();
    m_filling = false;
}

void Tfmbmxtree::write()
{
    if (!m_writable)
        return;
    try {
        const std::string bytes = writeBookmarkTree(nodes());
        QDir().mkpath(QFileInfo(m_file).absolutePath());
        io::writeFileAtomically(QFile::encodeName(m_file).toStdString(), bytes);
        m_failureShown = false;
    } catch (const ZukError& e) {
        if (m_closing) {
            qWarning("zuk: %s", e.what());
            return;
        }
        const QString text =
            m_host.format(bmxTreeTexts().section, "sCannotSave", {m_file, m_host.message(e)});
        m_host.showStatus(text);
        // One box per run of failures; the status line tells of the others.
        if (!m_failureShown) {
            m_failureShown = true;
            showMessage(text);
        }
    }
}

void Tfmbmxtree::addNode()
{
    add(false);
}

void Tfmbmxtree::addChild()
{
    add(true);
}

void Tfmbmxtree::add(bool child)
{
    if (!m_host.hasDocument())
        return;
    editor::CVed& ved = m_host.document();
    const QString path = qs(ved.GetFileName());
    if (!fitsNode(path)) {
        showMessage(m_host.format(bmxTreeTexts().section, "sPathTooLong",
                                  {path, QString::number(kMaxNodeText)}));
        return;
    }
    RBookmark node;
    node.Caption =
        fitCaption((QFileInfo(path).fileName() + QString::number(++m_added)).toStdString());
    node.FilePath = path.toStdString();
    node.Line = ved.GetTopLine();
    node.Line2 = ved.GetTopLine2();

    QTreeWidgetItem* item = makeItem(node);
    QTreeWidgetItem* current = m_tree->currentItem();
    m_filling = true;
    if (!current) {
        m_tree->addTopLevelItem(item);
    } else if (child) {
        current->addChild(item);
        current->setExpanded(true);
    } else {
        QTreeWidgetItem* parent =
            current->parent() ? current->parent() : m_tree->invisibleRootItem();
        parent->insertChild(parent->indexOfChild(current) + 1, item);
    }
    m_filling = false;
    m_tree->setCurrentItem(item);
    m_save.changed();
}

void Tfmbmxtree::updateCurrent()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !m_host.hasDocument())
        return;
    editor::CVed& ved = m_host.document();
    const QString path = qs(ved.GetFileName());
    if (!fitsNode(path)) {
        showMessage(m_host.format(bmxTreeTexts().section, "sPathTooLong",
                                  {path, QString::number(kMaxNodeText)}));
        return;
    }
    m_filling = true;
    item->setData(0, kPathRole, path);
    item->setData(0, kLineRole, ved.GetTopLine());
    item->setData(0, kLine2Role, ved.GetTopLine2());
    m_filling = false;
    showCurrent();
    m_save.changed();
}

void Tfmbmxtree::deleteCurrent()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return;
    const QString question = m_host.text(bmxTreeTexts().section, "sAreUSure");
    bool yes = false;
    if (questionHook) {
        yes = questionHook(question);
    } else {
        yes = QMessageBox::question(this, QStringLiteral("?"), question,
                                    QMessageBox::Ok | QMessageBox::Cancel,
                                    QMessageBox::Cancel) == QMessageBox::Ok;
    }
    if (!yes)
        return;
    m_filling = true;
    delete item;
    m_filling = false;
    showCurrent();
    m_save.changed();
}

void Tfmbmxtree::openBookmark(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const RBookmark node = nodeOf(item);
    const QString path = qs(node.FilePath);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (!m_host.activateFile(path) && !m_host.openFile(path, true))
        return;
    if (!m_host.hasDocument())
        return;
    // To the bookmark's line wherever the document stands now.
    editor::CVed& ved = m_host.document();
    ved.ScrollBy(0, node.Line - ved.GetTopLine());
}

void Tfmbmxtree::showCurrent()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    m_caption->setText(item ? item->text(0) : QString());
    m_path->setText(item ? item->data(0, kPathRole).toString() : QString());
    m_caption->setEnabled(item != nullptr);
    m_path->setEnabled(item != nullptr);
    m_path->setStyleSheet(QString());
}

void Tfmbmxtree::captionEdited(const QString& text)
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return;
    m_filling = true;
    item->setText(0, text);
    m_filling = false;
    m_save.changed();
}

void Tfmbmxtree::pathEdited()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item)
        return;
    const QString text = m_path->text();
    // A path is never cut: one that does not fit stays in the field, marked,
    // and the node keeps the last one that did.
    if (!fitsNode(text)) {
        m_path->setStyleSheet(QStringLiteral("color: red"));
        return;
    }
    m_path->setStyleSheet(QString());
    m_filling = true;
    item->setData(0, kPathRole, text);
    m_filling = false;
    m_save.changed();
}

// Enter on a node opens it. While a caption is edited in the tree, the
// item delegate takes Enter to end the editing and it never comes here.
bool Tfmbmxtree::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openBookmark(m_tree->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tfmbmxtree::toggleRollUp()
{
    if (!m_rolledUp) {
        m_unrolledHeight = height();
        m_rolledUp = true;
        m_body->hide();
        setMinimumHeight(0);
        resize(width(), m_title->sizeHint().height() + 2 * kBorder);
    } else {
        m_rolledUp = false;
        m_body->show();
        resize(width(), m_unrolledHeight > 0 ? m_unrolledHeight : 300);
    }
}

QRect Tfmbmxtree::storedGeometry() const
{
    QRect r = geometry();
    if (m_rolledUp)
        r.setHeight(m_unrolledHeight);
    return r;
}

void Tfmbmxtree::restoreGeometry(const QRect& r)
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

void Tfmbmxtree::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange)
        m_title->setCaption(windowTitle());
    QWidget::changeEvent(event);
}

void Tfmbmxtree::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zuk::organizer::ui
