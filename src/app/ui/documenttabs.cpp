#include "app/ui/documenttabs.h"

#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zuk::app::ui {

namespace {

// A tab remembers its window by address only: the address may outlive the
// window for a moment, so it is compared but never followed.
quintptr keyOf(const QMdiSubWindow* window)
{
    return reinterpret_cast<quintptr>(window);
}

} // namespace

TDocumentTabs::TDocumentTabs(QMdiArea* area, QWidget* parent) : QTabBar(parent), m_area(area)
{
    setObjectName(QStringLiteral("DocumentTabs"));
    setShape(QTabBar::RoundedSouth);
    setExpanding(false);
    setDocumentMode(true);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    connect(m_area, &QMdiArea::subWindowActivated, this, &TDocumentTabs::onWindowActivated);
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (QMdiSubWindow* w = windowAt(index))
            m_area->setActiveSubWindow(w);
    });
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (m_syncing)
            return;
        QMdiSubWindow* w = windowAt(index);
        if (w && m_area->activeSubWindow() != w)
            m_area->setActiveSubWindow(w);
    });
}

QString TDocumentTabs::fileNamePart(const QString& name)
{
    const int cut =
        std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return name.mid(cut + 1);
}

// A modified document says so in its tab and in its window's title, which the
// main window's title shows while the document is maximized.
QString TDocumentTabs::windowCaption(QMdiSubWindow* window)
{
    const auto* ted = qobject_cast<const editor::Ted*>(window->widget());
    if (!ted)
        return window->windowTitle();
    return ted->windowTitle() + (ted->modified() ? QStringLiteral("*") : QString());
}

void TDocumentTabs::refreshCaptions()
{
    for (int i = 0; i < count(); ++i)
        if (QMdiSubWindow* w = windowAt(i)) {
            const QString caption = windowCaption(w);
            if (w->windowTitle() != caption)
                w->setWindowTitle(caption);
            if (tabText(i) != fileNamePart(caption))
                setTabText(i, fileNamePart(caption));
        }
}

QMdiSubWindow* TDocumentTabs::windowAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    const quintptr key = tabData(index).value<quintptr>();
    for (QMdiSubWindow* w : m_area->subWindowList())
        if (keyOf(w) == key)
            return w;
    return nullptr;
}

int TDocumentTabs::indexOf(QMdiSubWindow* window) const
{
    for (int i = 0; i < count(); ++i)
        if (tabData(i).value<quintptr>() == keyOf(window))
            return i;
    return -1;
}

void TDocumentTabs::watch(QMdiSubWindow* window)
{
    // The window's title is its document's name; its tab follows renames.
    connect(window, &QWidget::windowTitleChanged, this, [this] { refreshCaptions(); });
    if (auto* ted = qobject_cast<editor::Ted*>(window->widget()))
        connect(ted->control(), &QsciScintilla::modificationChanged, this,
                [this] { refreshCaptions(); });
    // The pointer is only compared here, never followed.
    const quintptr key = keyOf(window);
    connect(window, &QObject::destroyed, this, [this, key] {
        int i = count() - 1;
        while (i >= 0 && tabData(i).value<quintptr>() != key)
            --i;
        if (i >= 0) {
            m_syncing = true;
            removeTab(i);
            m_syncing = false;
        }
    });
}

void TDocumentTabs::sync()
{
    m_syncing = true;
    const QList<QMdiSubWindow*> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    for (int i = count() - 1; i >= 0; --i) {
        QMdiSubWindow* w = windowAt(i);
        if (!w || !windows.contains(w))
            removeTab(i);
    }
    for (QMdiSubWindow* w : windows) {
        if (indexOf(w) >= 0)
            continue;
        const int i = addTab(fileNamePart(windowCaption(w)));
        setTabData(i, QVariant::fromValue(keyOf(w)));
        watch(w);
    }
    if (QMdiSubWindow* active = m_area->activeSubWindow()) {
        const int i = indexOf(active);
        if (i >= 0)
            setCurrentIndex(i);
    }
    m_syncing = false;
    refreshCaptions();
}

void TDocumentTabs::onWindowActivated(QMdiSubWindow* window)
{
    if (window)
        sync();
}

void TDocumentTabs::step(int direction)
{
    sync();
    if (count() == 0)
        return;
    const int next = ((currentIndex() + direction) % count() + count()) % count();
    if (QMdiSubWindow* w = windowAt(next))
        m_area->setActiveSubWindow(w);
    m_syncing = true;
    setCurrentIndex(next);
    m_syncing = false;
}

} // namespace zuk::app::ui
