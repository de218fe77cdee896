#include "filebox/ui/tnewfilebox.h"
#include "settings/settingsnotifier.h"

#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "editor/ui/colours.h"
#include "editor/ved.h"
#include "filebox/fileboxtexts.h"
#include "filebox/namematch.h"
#include "filebox/ui/fileboxactions.h"
#include "filebox/ui/filelistview.h"
#include "filebox/ui/thotlist.h"
#include "filebox/ui/thumbnailloader.h"
#include "highlight/cpelagos.h"
#include "highlight/ui/highlightinstall.h"
#include "html/imgtag.h"
#include "html/ui/picturetag.h"
#include "io/linesfile.h"
#include "organizer/ui/organizercommands.h"
#include "platform/ui/desktopshell.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStorageInfo>
#include <QToolBar>
#include <QVBoxLayout>

namespace zuk::filebox::ui {

namespace {

// Menus of the window: the component names of their items, 0 a separator.
struct MenuSpec {
    const char* name;
    std::vector<const char*> items;
};
const std::vector<MenuSpec>& menuSpecs()
{
    static const std::vector<MenuSpec> menus{
        {"mnuFiles",
         {"mniRefresh", "mniHotDirs", nullptr, "mniMakeFromCurrentLocation",
          "mniMakeFromCurrentLocationRec", nullptr, "mniRename", "mniDeleteFile", "mniFileProps",
          nullptr, "mniOptions"}},
        {"mnuProcess",
         {"mniReplaceMultiReplace", "mniFindInFiles", nullptr, "mniText2HTML", "mniHTML2Text",
          "mniCleanUpHTML", nullptr, "mniWin2Dos", "mniWin2KOI8R", "mniDOS2Win", "mniKOI8R2Win"}},
        {"mnuHtml", {"mniMakeLinkTo", "mniMakeIMG", "mniMakeThumbs"}},
        {"mnuOpen",
         {"mniShowInInternalViewer", "mniOPenInExtrernalEditor", "mniOPenInExtrernalViewer",
          "mniOpeninHEXEditor"}},
    };
    return menus;
}

const char* const kToolbar[] = {"mniRefresh",     "mniMakeThumbs",  "mniMakeLinkTo", "mniText2HTML",
                                "mniFindInFiles", "mniCleanUpHTML", "mniOptions"};

const char* const kListMenu[] = {"mniMakeLinkTo",
                                 "mniMakeIMG",
                                 "mniShowInInternalViewer",
                                 nullptr,
                                 "mniOPenInExtrernalEditor",
                                 "mniOPenInExtrernalViewer",
                                 "mniOpeninHEXEditor",
                                 nullptr,
                                 "mniRename",
                                 "mniDeleteFile",
                                 "mniFileProps",
                                 nullptr,
                                 "mniRefresh"};

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

Tnewfilebox::Tnewfilebox(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_host(host),
      m_loader(std::make_unique<ThumbnailLoader>())
{
    setObjectName(QStringLiteral("newfilebox"));
    m_box = std::make_unique<CFileBox>(
        "/", [this](const std::string& path) { onFileChosen(path); }, "*.*");
    m_box->folderChanged = [this] { reloadThumbnails(); };

    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    // Mount points can be long; the path field gets the room.
    m_drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_drives->setMinimumContentsLength(8);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("edPath"));

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_list = new QListView(m_splitter);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_model = new FileListModel(m_list);
    m_delegate = new FileItemDelegate(*m_model, m_list);
    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setLayoutMode(QListView::Batched);
    m_list->setBatchSize(2000);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);

    m_thumbs = new QListWidget(m_splitter);
    m_thumbs->setObjectName(QStringLiteral("lvThumbs"));
    m_thumbs->setViewMode(QListView::IconMode);
    m_thumbs->setResizeMode(QListView::Adjust);
    m_thumbs->setMovement(QListView::Static);
    m_thumbs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_thumbs->setContextMenuPolicy(Qt::CustomContextMenu);
    m_thumbs->viewport()->installEventFilter(this);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusBar"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* nav = new QHBoxLayout;
    nav->addWidget(m_drives);
    nav->addWidget(m_path, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(2);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addLayout(nav);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_status);

    buildMenus();
    fillDrives();
    applyLook();
    QPointer<Tnewfilebox> self(this);
    m_host.settingsNotifier().subscribe([self] {
        if (self)
            self->applyLook();
    });
    localise();
    m_host.addLocaliser(this, [this] { localise(); });
    setWindowTitle(QString::fromStdString(m_box->Dir()));

    connect(m_list, &QListView::doubleClicked, this,
            [this](const QModelIndex&) { activateCurrent(); });
    connect(m_list, &QListView::customContextMenuRequested, this,
            [this](const QPoint& at) { m_listMenu->popup(m_list->viewport()->mapToGlobal(at)); });
    connect(m_path, &QLineEdit::returnPressed, this, &Tnewfilebox::navigate);
    connect(m_drives, &QComboBox::activated, this, [this](int index) {
        if (readDir(m_drives->itemData(index).toString()))
            reloadThumbnails();
        m_list->setFocus();
    });
    connect(m_thumbs, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        organizer::ui::openPicture(m_host, item->data(Qt::UserRole).toString());
    });
    connect(m_thumbs, &QListWidget::customContextMenuRequested, this, &Tnewfilebox::thumbnailMenu);
    connect(m_splitter, &QSplitter::splitterMoved, this,
            [this] { m_host.settings().splitterx = m_splitter->sizes().value(0); });
}

Tnewfilebox::~Tnewfilebox()
{
    m_loader.reset();
    delete m_hotlist;
}

void Tnewfilebox::buildMenus()
{
    const auto& commands = fileBoxCommands();
    auto find = [&commands](const char* name) -> const FileBoxCommand* {
        for (const FileBoxCommand& c : commands)
            if (std::string_view(c.name) == name)
                return &c;
        return nullptr;
    };
    // One action per command, shared by the menus and the toolbar.
    for (const FileBoxCommand& command : commands) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(command.name));
        const FileBoxCommand* c = &command;
        connect(a, &QAction::triggered, this, [this, c] {
            try {
                c->run(*this, m_host);
            } catch (const ZukError& error) {
                m_host.showNote(m_host.message(error));
            }
        });
        if (command.available && !command.available(m_host))
            a->setEnabled(false);
        addAction(a);
    }
    action("mniHotDirs")->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    action("mniHotDirs")->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action("mniRefresh")->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    action("mniRefresh")->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    for (const MenuSpec& menuSpec : menuSpecs()) {
        QMenu* menu = m_menuBar->addMenu(QString());
        menu->setObjectName(QLatin1String(menuSpec.name));
        m_menus.push_back(menu);
        for (const char* item : menuSpec.items) {
            if (!item)
                menu->addSeparator();
            else if (find(item))
                menu->addAction(action(item));
        }
    }
    for (const char* item : kToolbar)
        m_toolBar->addAction(action(item));
    m_listMenu = new QMenu(this);
    for (const char* item : kListMenu) {
        if (!item)
            m_listMenu->addSeparator();
        else
            m_listMenu->addAction(action(item));
    }
}

QAction* Tnewfilebox::action(const char* name) const
{
    return findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void Tnewfilebox::localise()
{
    const auto& section = fileBoxTexts().section;
    for (const FileBoxCommand& command : fileBoxCommands()) {
        QAction* a = action(command.name);
        const QString caption = m_host.text(section, command.name);
        a->setText(caption);
        a->setToolTip(caption);
    }
    for (QMenu* menu : m_menus)
        menu->setTitle(m_host.text(section, menu->objectName().toStdString()));
}

void Tnewfilebox::applyLook()
{
    const settings::RConnectionTable& s = m_host.settings();
    FileListColours colours;
    colours.files = editor::toQColor(s.FileBoxFiles, Qt::black);
    colours.folders = editor::toQColor(s.FileBoxFolders, Qt::blue);
    colours.back = editor::toQColor(s.FileBoxBack, Qt::white);
    app::ui::ToolHost* host = &m_host;
    colours.typeColour = [host](const QString& extension) -> std::optional<QColor> {
        const highlight::CPelagos* types = highlight::ui::highlightObjects(*host).fileTypes;
        if (!types)
            return std::nullopt;
        const highlight::TRNHandler* type = types->FindFileType(extension.toStdString());
        if (!type)
            return std::nullopt;
        return editor::toQColor(type->Color, Qt::black);
    };
    m_delegate->setColours(std::move(colours));
    QFont font(QString::fromStdString(s.PelFont));
    if (s.PelFontSize > 0)
        font.setPointSize(s.PelFontSize);
    m_list->setFont(font);
    m_delegate->setItemHeight(QFontMetrics(font).boundingRect(QStringLiteral("|j_|")).height() + 2);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, editor::toQColor(s.FileBoxBack, Qt::white));
    m_list->setPalette(palette);
    m_thumbs->setIconSize(QSize(std::max(8, s.th_w), std::max(8, s.th_h)));
    m_thumbs->setVisible(s.show_smotrelka);
    layoutColumns();
}

void Tnewfilebox::layoutColumns()
{
    const int cols = std::max(1, m_host.settings().FileBoxCols);
    const int width = std::max(40, (m_list->viewport()->width() - 4) / cols);
    m_delegate->setColumnWidth(width);
    m_list->doItemsLayout();
}

void Tnewfilebox::fillDrives()
{
    const QSignalBlocker block(m_drives);
    m_drives->clear();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        if (!roots.contains(root))
            roots << root;
    }
    if (!roots.contains(QDir::homePath()))
        roots << QDir::homePath();
    roots.sort();
    for (const QString& root : roots)
        m_drives->addItem(root, root);
}

void Tnewfilebox::selectDriveFor(const QString& folder)
{
    // The volume holding the folder: the longest root it starts with.
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        QString root = m_drives->itemData(i).toString();
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if ((folder == root || folder.startsWith(prefix)) && root.size() > bestLength) {
            best = i;
            bestLength = static_cast<int>(root.size());
        }
    }
    const QSignalBlocker block(m_drives);
    if (best >= 0)
        m_drives->setCurrentIndex(best);
}

bool Tnewfilebox::readDir(const QString& folder)
{
    try {
        m_box->ReadDir(QDir::cleanPath(folder).toStdString());
    } catch (const ZukError& error) {
        m_status->setText(m_host.message(error));
        return false;
    }
    m_model->setItems(m_box->ListItems());
    m_list->setCurrentIndex(m_model->index(0));
    const QString shown = dir();
    setWindowTitle(shown);
    m_path->setText(shown);
    selectDriveFor(shown);
    m_status->setText(m_host.format(fileBoxTexts().section, "sItemsCount",
                                    {QString::number(m_box->ListItems().size() - 1)}));
    return true;
}

QString Tnewfilebox::dir() const
{
    return qs(m_box->Dir());
}

void Tnewfilebox::navigate()
{
    const QString folder = m_path->text().trimmed();
    if (!QFileInfo(folder).isDir()) {
        m_status->setText(m_host.format(fileFindTexts().section, "sNoFolder", {folder}));
        return;
    }
    if (readDir(folder))
        reloadThumbnails();
    m_list->setFocus();
}

void Tnewfilebox::refresh()
{
    const int row = m_list->currentIndex().row();
    if (readDir(dir())) {
        reloadThumbnails();
        if (row >= 0 && row < m_model->rowCount())
            m_list->setCurrentIndex(m_model->index(row));
    }
}

std::vector<std::string> Tnewfilebox::selectedItems() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> paths;
    for (int row : rows)
        if (const FileItem* item = m_model->item(row); item && !item->up())
            paths.push_back(m_box->FullPath(item->name));
    return paths;
}

std::vector<std::string> Tnewfilebox::selectedFiles() const
{
    std::vector<std::string> rows;
    std::vector<int> indices;
    for (const QModelIndex& index : m_list->selectionModel()->selectedIndexes())
        indices.push_back(index.row());
    std::sort(indices.begin(), indices.end());
    for (int row : indices)
        if (const FileItem* item = m_model->item(row); item && !item->folder)
            rows.push_back(m_box->FullPath(item->name));
    return rows;
}

std::string Tnewfilebox::currentPath() const
{
    const FileItem* item = m_model->item(m_list->currentIndex().row());
    if (!item || item->up())
        return {};
    return m_box->FullPath(item->name);
}

void Tnewfilebox::activateCurrent()
{
    const FileItem* item = m_model->item(m_list->currentIndex().row());
    if (!item)
        return;
    const int row = m_list->currentIndex().row();
    const FileItem chosen = *item;
    if (chosen.folder && !chosen.up())
        m_enteredIndex = row;
    try {
        m_box->Activate(chosen.name);
    } catch (const ZukError& error) {
        m_status->setText(m_host.message(error));
        return;
    }
    if (chosen.folder) {
        m_model->setItems(m_box->ListItems());
        m_list->setCurrentIndex(m_model->index(0));
        m_path->setText(dir());
        selectDriveFor(dir());
        m_status->setText(m_host.format(fileBoxTexts().section, "sItemsCount",
                                        {QString::number(m_box->ListItems().size() - 1)}));
    }
    setWindowTitle(dir());
}

void Tnewfilebox::goUp()
{
    try {
        if (!m_box->GoUp())
            return;
    } catch (const ZukError& error) {
        m_status->setText(m_host.message(error));
        return;
    }
    m_model->setItems(m_box->ListItems());
    const int row = std::min(m_enteredIndex, m_model->rowCount() - 1);
    m_list->setCurrentIndex(m_model->index(std::max(0, row)));
    m_path->setText(dir());
    selectDriveFor(dir());
    setWindowTitle(dir());
}

void Tnewfilebox::toggleCurrentSelection()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid())
        return;
    if (m_model->flags(current) & Qt::ItemIsSelectable)
        m_list->selectionModel()->select(current, QItemSelectionModel::Toggle);
    const QModelIndex next = m_model->index(current.row() + 1);
    if (next.isValid())
        m_list->selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
}

void Tnewfilebox::selectByMask(const QString& mask)
{
    QItemSelection toggled;
    const std::string m = mask.toStdString();
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const FileItem* item = m_model->item(row);
        if (item && !item->up() && selectionMaskMatches(m, item->name))
            toggled.select(m_model->index(row), m_model->index(row));
    }
    m_list->selectionModel()->select(toggled, QItemSelectionModel::Toggle);
}

void Tnewfilebox::onFileChosen(const std::string& path)
{
    const QString file = qs(path);
    if (html::isPictureName(path)) {
        if (m_host.hasDocument())
            html::ui::insertPictureTag(m_host.document(), file);
    } else {
        m_host.openFile(file, true);
    }
    m_list->setFocus();
}

bool Tnewfilebox::eventFilter(QObject* watched, QEvent* event)
{
    // Events come while the window is still being built.
    if (!m_list || !m_thumbs)
        return QWidget::eventFilter(watched, event);
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (key->modifiers() & Qt::ControlModifier) {
                const std::string path = currentPath();
                if (!path.empty())
                    platform::ui::DesktopShell(this, &m_host.texts()).ShellOpen(qs(path));
            } else {
                activateCurrent();
            }
            return true;
        case Qt::Key_Backspace:
            goUp();
            return true;
        case Qt::Key_Insert:
            toggleCurrentSelection();
            return true;
        case Qt::Key_Plus:
            if (key->modifiers() & Qt::KeypadModifier) {
                std::optional<QString> mask;
                if (maskHook) {
                    mask = maskHook();
                } else {
                    mask = m_host.prompt(m_host.text(fileBoxTexts().section, "sMaskCaption"),
                                         QString(), QStringLiteral("*.*"));
                }
                if (mask)
                    selectByMask(*mask);
                return true;
            }
            break;
        default:
            break;
        }
    }
    if (watched == m_list->viewport() && event->type() == QEvent::Resize)
        layoutColumns();
    if (watched == m_thumbs->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool tagClick =
            mouse->button() == Qt::MiddleButton ||
            (mouse->button() == Qt::RightButton && (mouse->modifiers() & Qt::AltModifier));
        if (tagClick) {
            insertThumbnailTag(m_thumbs->itemAt(mouse->position().toPoint()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tnewfilebox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        applyLook();
    QWidget::changeEvent(event);
}

void Tnewfilebox::hideEvent(QHideEvent* event)
{
    // Hidden by its menu command or closed: the hot list goes with it.
    if (m_hotlist)
        m_hotlist->close();
    QWidget::hideEvent(event);
}

THotlist* Tnewfilebox::hotlist()
{
    if (!m_hotlist) {
        auto* hot = new THotlist(
            m_host.dataPath(QStringLiteral("Pelagos/hotlist.txt")), [this] { return dir(); },
            [this](const QString& folder) {
                if (readDir(folder))
                    reloadThumbnails();
            },
            this);
        hot->setWindowTitle(m_host.text(fileBoxTexts().section, "sHotlist"));
        m_hotlist = hot;
    }
    return m_hotlist;
}

void Tnewfilebox::reloadThumbnails()
{
    m_loader->stop();
    m_thumbs->clear();
    if (!m_host.settings().show_smotrelka)
        return;
    QStringList pictures;
    for (const FileItem& item : m_box->ListItems())
        if (!item.folder && html::isPictureName(item.name))
            pictures << qs(m_box->FullPath(item.name));
    const settings::RConnectionTable& s = m_host.settings();
    const QSize size(std::max(8, s.th_w), std::max(8, s.th_h));
    m_thumbs->setIconSize(size);
    const unsigned generation = ++m_thumbGeneration;
    m_loader->load(pictures, size, editor::toQColor(s.th_color, Qt::darkBlue),
                   [this, generation](int, const QString& path, const QImage& image) {
                       QMetaObject::invokeMethod(
                           this,
                           [this, generation, path, image] {
                               if (generation != m_thumbGeneration)
                                   return;
                               auto* item =
                                   new QListWidgetItem(QIcon(QPixmap::fromImage(image)),
                                                       QFileInfo(path).fileName(), m_thumbs);
                               item->setData(Qt::UserRole, path);
                           },
                           Qt::QueuedConnection);
                   });
}

QStringList Tnewfilebox::selectedThumbnails() const
{
    QStringList paths;
    for (int i = 0; i < m_thumbs->count(); ++i)
        if (m_thumbs->item(i)->isSelected())
            paths << m_thumbs->item(i)->data(Qt::UserRole).toString();
    return paths;
}

void Tnewfilebox::insertThumbnailTag(QListWidgetItem* item)
{
    if (item && m_host.hasDocument())
        html::ui::insertPictureTag(m_host.document(), item->data(Qt::UserRole).toString());
}

void Tnewfilebox::thumbnailMenu(const QPoint& at)
{
    const auto& section = fileBoxTexts().section;
    QMenu menu(this);
    QListWidgetItem* current = m_thumbs->currentItem();
    QAction* show = menu.addAction(m_host.text(section, "mniThumbShow"));
    QAction* tag = menu.addAction(m_host.text(section, "mniThumbInsertTag"));
    QAction* all = menu.addAction(m_host.text(section, "mniThumbSelectAll"));
    QAction* gallery = menu.addAction(m_host.text(section, "mniThumbGallery"));
    show->setEnabled(current != nullptr);
    tag->setEnabled(current != nullptr && m_host.hasDocument());
    QAction* chosen = menu.exec(m_thumbs->viewport()->mapToGlobal(at));
    if (chosen == show && current)
        organizer::ui::openPicture(m_host, current->data(Qt::UserRole).toString());
    else if (chosen == tag)
        insertThumbnailTag(current);
    else if (chosen == all)
        m_thumbs->selectAll();
    else if (chosen == gallery)
        runFileBoxCommand(*this, m_host, "mniMakeThumbs");
}

ProcessRule Tnewfilebox::processRule() const
{
    ProcessRule rule;
    try {
        rule.extensions =
            io::readLinesFile(m_host.dataPath(QStringLiteral("enabled_exts.txt")).toStdString());
    } catch (const ZukError&) {
        rule.extensions.clear();
    }
    const settings::RConnectionTable& s = m_host.settings();
    rule.toFolder = s.boutput_processed_files_to_dir;
    rule.folder = s.soutput_processed_files_to_dir;
    return rule;
}

} // namespace zuk::filebox::ui
