#pragma once

#include "platform/desktopentry.h"

#include <QDialog>
#include <QString>

#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace zuk::app {
class TextService;
}

namespace zuk::platform::ui {

// Our own chooser of a program for a file ("Открыть с помощью"), for a
// session without the desktop portal: the applications whose entries name
// the file's type (or a type it is a kind of), all of them on request, or a
// command typed in. "Открыть" starts the choice with the file and closes.
class TOpenWithDialog final : public QDialog {
public:
    TOpenWithDialog(const QString& file, const QString& language, const app::TextService* texts,
                    QWidget* parent);

    QListWidget* programs() const { return m_list; }
    QLineEdit* command() const { return m_command; }
    QCheckBox* allPrograms() const { return m_all; }
    // Starts the chosen program (or the typed command) with the file; false
    // when there is nothing to start or it did not start (said in a box).
    bool openChosen();

private:
    void fill();
    QString text(const char* key) const;

    QString m_file;
    QString m_language;
    const app::TextService* m_texts;
    std::vector<DesktopEntry> m_entries; // in list order
    QStringList m_types;                 // the file's type and its ancestors
    QListWidget* m_list;
    QCheckBox* m_all;
    QLineEdit* m_command;
};

} // namespace zuk::platform::ui
