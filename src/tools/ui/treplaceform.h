#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::tools::ui {

// The replace-all and multi-replace window ("Найти и заменить"), shared by
// the document command and the file box: a find text and its replacement,
// or ("Мультизамена") the name=value lines of the text pane, which can be
// loaded from a preset file (the pane is cleared first) and saved to one.
// "Делать" closes it with Accepted, "Отмена" with Rejected; what it holds
// stays for the next use. Made once by the host, kept for the run.
class Treplaceform final : public QDialog {
public:
    Treplaceform(app::ui::ToolHost& host, QWidget* parent);

    bool multi() const;
    QString findText() const;
    QString replaceText() const;
    // The lines of the multi-replace pane.
    QStringList listLines() const;

    QLineEdit* findto() const { return m_find; }
    QLineEdit* replaceon() const { return m_replace; }
    QCheckBox* checkBox1() const { return m_multi; }
    QPlainTextEdit* memo1() const { return m_list; }

    // A preset file into the pane: Windows-1251, or UTF-8 when it is valid
    // UTF-8 holding a non-ASCII character. The pane is cleared first, so a
    // file that cannot be read leaves it empty (and the reason is shown).
    void loadPreset(const QString& path);
    // The pane's lines into a file (CR LF breaks; Windows-1251, or UTF-8
    // when a character does not fit it), through the safe writer.
    void savePreset(const QString& path);

    // Tests: answer the file pickers instead of the file dialogs.
    std::function<QString()> choosePresetHook;
    std::function<QString()> saveAsHook;

private:
    void pickPreset();
    void saveClicked();
    void updateEnabled();

    app::ui::ToolHost& m_host;
    QLineEdit* m_find;
    QLineEdit* m_replace;
    QCheckBox* m_multi;
    QLineEdit* m_presetName;
    QPlainTextEdit* m_list;
};

} // namespace zuk::tools::ui
