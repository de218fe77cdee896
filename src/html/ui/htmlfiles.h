#pragma once

#include <QString>

class QWidget;

namespace zuk::html::ui {

// The small data files of the HTML dialogs (style sheets, tag presets):
// Windows-1251 text with CR LF line breaks.

// The file's text; throws zuk::IoError with the system's reason.
QString readTextFile(const QString& path);
// Writes the text's lines, each followed by CR LF (characters Windows-1251
// lacks become '?'), replacing the file safely; creates the folder when it
// is missing. Throws zuk::IoError with the system's reason.
void writeTextFile(const QString& path, const QString& text);

// An open or save dialog of the program's own kind starting in `folder`
// with the filter `filter` (none when empty) and "All files (*)"; the chosen
// path, or empty.
QString chooseFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& filter, const QString& allFiles, bool save);

} // namespace zuk::html::ui
