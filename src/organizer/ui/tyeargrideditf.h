#pragma once

#include <QDialog>

#include <functional>

class QPlainTextEdit;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

// The planner's note dialog ("YearGrid Edit"): the note in a text area that
// "&Load..." fills from a text file and "&Save..." writes to one.
class TYearGridEditF final : public QDialog {
public:
    TYearGridEditF(app::ui::ToolHost& host, const QString& note, QWidget* parent);

    QString note() const;
    QPlainTextEdit* editor() const { return m_text; }

    // Reads a file into the text area (UTF-8, or Windows-1251 when it is not
    // UTF-8) and writes the text area to a file (UTF-8, CR LF); false when the
    // file could not be read or written (the user was told why).
    bool loadFrom(const QString& path);
    bool saveTo(const QString& path);

private:
    void report(const char* key, const QString& path, const QString& reason);

    app::ui::ToolHost& m_host;
    QPlainTextEdit* m_text = nullptr;
};

// Text of a file the user keeps as UTF-8 or, as older files were, in
// Windows-1251; line breaks as '\n'.
QString decodeNotesFile(const std::string& bytes);
// Text for a file: UTF-8 with CR LF line breaks.
std::string encodeNotesFile(const QString& text);

} // namespace zuk::organizer::ui
