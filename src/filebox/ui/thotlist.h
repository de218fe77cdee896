#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QListWidget;
class QPushButton;

namespace zuk::filebox::ui {

// The hot list ("Hotlist"): folders the user keeps at hand, loaded from
// Pelagos/hotlist.txt when the window is made and written back when it
// goes (and after every change, so a crash loses nothing). "+" adds the
// file box's folder, "-" removes the current entry; a double click or Enter
// goes to the folder.
class THotlist final : public QWidget {
public:
    THotlist(QString file, std::function<QString()> currentFolder,
             std::function<void(const QString&)> go, QWidget* parent);
    ~THotlist() override;

    QListWidget* list() const { return m_list; }
    void add();
    void remove();

private:
    void save() const;

    QString m_file;
    std::function<QString()> m_currentFolder;
    std::function<void(const QString&)> m_go;
    QListWidget* m_list = nullptr;
};

} // namespace zuk::filebox::ui
