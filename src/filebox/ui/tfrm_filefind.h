#pragma once

#include "filebox/cfindthread.h"

#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::filebox::ui {

// The find-in-files window: what, where and which files, the list of files
// found and a status line. One search at a time runs on a worker thread
// (CFINDTHREAD); its events reach the window through queued calls, in
// order, each tagged with the search it belongs to, so that nothing of a
// stopped or replaced search lands in the list. A double click on a found
// file opens it in the editor.
class Tfrm_FileFind final : public QWidget {
    Q_OBJECT

public:
    Tfrm_FileFind(app::ui::ToolHost& host, QWidget* parent);
    ~Tfrm_FileFind() override; // stops a running search and waits for it

    void startSearch();
    void pauseSearch();
    void resumeSearch();
    void stopSearch();
    void toggleRollUp();
    // Puts a folder into "Где искать?" (the file box's current folder).
    void setFolder(const QString& folder);

    QComboBox* findWhat() const { return m_edFindWhat; }
    QLineEdit* path() const { return m_edPath; }
    QComboBox* fileMask() const { return m_edFileMask; }
    QListWidget* results() const { return m_list; }
    QLabel* status() const { return m_status; }
    bool searching() const;
    bool rolledUp() const { return m_rolledUp; }

    // The window's stored geometry keeps the unrolled height.
    QRect storedGeometry() const;
    void restoreStoredGeometry(const QRect& r);

    // Test hook: the random number 2..5 that picks a joke when it is 3.
    std::function<int()> jokeDice;

private:
    void localise();
    QString text(const char* key) const;
    // The status of a button, or its joke with probability one in four when
    // the interface speaks Russian.
    QString statusOrJoke(const char* status, const char* joke);
    void remember(QComboBox* box);
    void browse();
    void openResult();
    void finished(const FindSummary& summary, const QString& failure);

    app::ui::ToolHost& m_host;
    QComboBox* m_edFindWhat = nullptr;
    QLineEdit* m_edPath = nullptr;
    QToolButton* m_btBrowse = nullptr;
    QComboBox* m_edFileMask = nullptr;
    QLabel* m_lWhat = nullptr;
    QLabel* m_lWhere = nullptr;
    QLabel* m_lMask = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_btStart = nullptr;
    QPushButton* m_btPause = nullptr;
    QPushButton* m_btStop = nullptr;
    QPushButton* m_btResume = nullptr;
    QToolButton* m_btRollUp = nullptr;
    QWidget* m_body = nullptr;
    bool m_rolledUp = false;
    int m_unrolledHeight = 0;
    std::unique_ptr<CFINDTHREAD> m_search;
    // Which search the queued events belong to; 0 takes none.
    unsigned m_generation = 0;
    unsigned m_accepting = 0;
};

} // namespace zuk::filebox::ui
