#pragma once

#include <QPointer>
#include <QTabBar>

class QMdiArea;
class QMdiSubWindow;

namespace zuk::app::ui {

// The tab strip below the document area: one tab per document window, in the
// order the windows were made, captioned with the file-name part of the
// window's title. Choosing a tab activates its window; activating a window
// selects its tab. The tabs follow the windows by themselves: a window that
// appears gets a tab, a window that goes away loses it, a renamed window's
// tab is renamed, a modified document's tab ends in '*'.
class TDocumentTabs final : public QTabBar {
public:
    TDocumentTabs(QMdiArea* area, QWidget* parent);

    // Reconciles the tabs with the area's windows; cheap, called on every change.
    void sync();
    // The captions again (after a document's modified flag was set from outside).
    void refreshCaptions();

    // Selects the next (+1) or previous (-1) tab, wrapping around, and
    // activates its window.
    void step(int direction);

    QMdiSubWindow* windowAt(int index) const;
    int indexOf(QMdiSubWindow* window) const;

    // The file-name part of a document name: what follows the last / or \.
    static QString fileNamePart(const QString& name);

private:
    static QString windowCaption(QMdiSubWindow* window);
    void onWindowActivated(QMdiSubWindow* window);
    void watch(QMdiSubWindow* window);

    QMdiArea* m_area;
    bool m_syncing = false;
};

} // namespace zuk::app::ui
