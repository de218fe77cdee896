#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::app {

// The dock value of a toolbar that floats.
inline constexpr std::string_view kFloatingDock = "and now 4 something completely different!";

// One user toolbar as its file under Toolbars/ keeps it (Windows-1251 lines).
struct ToolbarLayout {
    std::string caption; // the name; also names the file
    int top = 0, left = 0;
    std::string dock = std::string(kFloatingDock); // controlBarTop, ControlBarL, ...
    bool visible = true;
    bool showCaptions = false;
    std::vector<std::string> buttons; // component names of menu items, left to right
};

// Reads a toolbar file. Only a line that `isItem` accepts as a component
// name makes a button; the file lists the buttons from the last to the first.
ToolbarLayout parseToolbar(const std::vector<std::string>& lines,
                           const std::function<bool(std::string_view)>& isItem);
// The lines of the file; a toolbar without buttons keeps its key lines.
std::vector<std::string> formatToolbar(const ToolbarLayout& layout);

enum class ToolbarNameCheck { ok, empty, notAFileName, taken };
// Whether `name` can name a new toolbar beside `others`: not empty, no path
// separator, no "..", no control character, and not another's name even
// without regard to case (Main and main would share one file).
ToolbarNameCheck checkToolbarName(std::string_view name, const std::vector<std::string>& others);

// The Toolbars folder: one file per toolbar, named after it plus ".txt".
class ToolbarFolder {
public:
    explicit ToolbarFolder(std::string folder); // UTF-8, with a trailing '/'

    std::string fileOf(std::string_view name) const;
    // Every *.txt file of the folder (editor backups such as a.txt~ are not
    // toolbars), in byte order of the names; a file that cannot be read is
    // passed over.
    std::vector<ToolbarLayout> loadAll(const std::function<bool(std::string_view)>& isItem) const;
    // Through the safe writer; throws IoError.
    void save(const ToolbarLayout& layout) const;
    // Writes the toolbar under its new name, and only then removes the file
    // of `oldName`: a failure to write throws IoError with nothing changed.
    // Returns false when the old file stayed (it could not be removed).
    bool rename(std::string_view oldName, const ToolbarLayout& renamed) const;
    // False when the file exists and could not be removed.
    bool remove(std::string_view name) const;

private:
    std::string m_folder;
};

} // namespace zuk::app
