#include "app/toolbarfile.h"

#include "io/linesfile.h"
#include "io/nocase.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zuk::app {

namespace fs = std::filesystem;

namespace {

bool startsWith(std::string_view line, std::string_view key)
{
    return line.substr(0, key.size()) == key;
}

int toInt(std::string_view text)
{
    try {
        return std::stoi(std::string(text));
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace

ToolbarLayout parseToolbar(const std::vector<std::string>& lines,
                           const std::function<bool(std::string_view)>& isItem)
{
    ToolbarLayout layout;
    for (const std::string& line : lines) {
        const std::string_view l(line);
        if (startsWith(l, "caption="))
            layout.caption = line.substr(8);
        else if (startsWith(l, "top="))
            layout.top = toInt(l.substr(4));
        else if (startsWith(l, "left="))
            layout.left = toInt(l.substr(5));
        else if (startsWith(l, "dock="))
            layout.dock = line.substr(5);
        else if (startsWith(l, "Visible="))
            layout.visible = l.substr(8) == "1";
        else if (startsWith(l, "ShowCaptions="))
            layout.showCaptions = l.substr(13) == "1";
        else if (!line.empty() && line.find('=') == std::string::npos && isItem(l))
            layout.buttons.push_back(line);
    }
    std::reverse(layout.buttons.begin(), layout.buttons.end());
    return layout;
}

std::vector<std::string> formatToolbar(const ToolbarLayout& layout)
{
    std::vector<std::string> lines{
        "caption=" + layout.caption,
        "top=" + std::to_string(layout.top),
        "left=" + std::to_string(layout.left),
        "dock=" + layout.dock,
        std::string("Visible=") + (layout.visible ? "1" : "0"),
        std::string("ShowCaptions=") + (layout.showCaptions ? "1" : "0"),
    };
    lines.insert(lines.end(), layout.buttons.rbegin(), layout.buttons.rend());
    return lines;
}

ToolbarNameCheck checkToolbarName(std::string_view name, const std::vector<std::string>& others)
{
    if (name.empty())
        return ToolbarNameCheck::empty;
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (control || name.find('/') != std::string_view::npos ||
        name.find('\\') != std::string_view::npos || name.find("..") != std::string_view::npos ||
        name == ".")
        return ToolbarNameCheck::notAFileName;
    for (const std::string& other : others)
        if (io::equalNoCaseWin(name, other))
            return ToolbarNameCheck::taken;
    return ToolbarNameCheck::ok;
}

ToolbarFolder::ToolbarFolder(std::string folder) : m_folder(std::move(folder)) {}

std::string ToolbarFolder::fileOf(std::string_view name) const
{
    return m_folder + std::string(name) + ".txt";
}

std::vector<ToolbarLayout>
ToolbarFolder::loadAll(const std::function<bool(std::string_view)>& isItem) const
{
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 4 && io::equalNoCaseWin(name.substr(name.size() - 4), ".txt") &&
            it->is_regular_file(ec))
            files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    std::vector<ToolbarLayout> toolbars;
    for (const std::string& file : files) {
        try {
            ToolbarLayout layout = parseToolbar(io::readLinesFile(m_folder + file), isItem);
            if (layout.caption.empty())
                layout.caption = file.substr(0, file.size() - 4);
            // Main.txt and main.txt left by an older version: the first one counts.
            const bool known = std::any_of(toolbars.begin(), toolbars.end(), [&](const auto& t) {
                return io::equalNoCaseWin(t.caption, layout.caption);
            });
            if (!known)
                toolbars.push_back(std::move(layout));
        } catch (const std::exception&) {
            continue;
        }
    }
    return toolbars;
}

void ToolbarFolder::save(const ToolbarLayout& layout) const
{
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    io::writeLinesFile(fileOf(layout.caption), formatToolbar(layout));
}

bool ToolbarFolder::rename(std::string_view oldName, const ToolbarLayout& renamed) const
{
    save(renamed);
    if (fileOf(oldName) == fileOf(renamed.caption))
        return true;
    return remove(oldName);
}

bool ToolbarFolder::remove(std::string_view name) const
{
    std::error_code ec;
    fs::remove(fileOf(name), ec);
    return !ec;
}

} // namespace zuk::app
