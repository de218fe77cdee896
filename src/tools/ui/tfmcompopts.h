#pragma once

#include "tools/programlist.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::tools::ui {

// The program list editor ("Опции "): the entries of compilers.txt, a menu
// caption and a command line (with a file picker for the program), and
// "Добавить" (append the entry), "Изменить" (rewrite the chosen one) and
// "Удалить" (remove it). It edits the list it is given in place; the
// caller rebuilds the Programs submenu afterwards.
class TfmCompOpts final : public QDialog {
public:
    TfmCompOpts(app::ui::ToolHost& host, ProgramList& programs, QWidget* parent);

    QListWidget* list() const { return m_list; }
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* commandEdit() const { return m_command; }
    void add();
    void change();
    void remove();

    // Called after an entry was added, changed or removed.
    std::function<void()> edited;
    // Tests: answers the program picker instead of the file dialog.
    std::function<QString()> chooseProgramHook;

private:
    void refill(int current);
    void showEntry(int row);
    std::optional<ProgramEntry> typedEntry();
    void chooseProgram();

    app::ui::ToolHost& m_host;
    ProgramList& m_programs;
    QListWidget* m_list;
    QLineEdit* m_name;
    QLineEdit* m_command;
};

} // namespace zuk::tools::ui
