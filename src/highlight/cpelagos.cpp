#include "highlight/cpelagos.h"

#include "base/zukerror.h"
#include "highlight/iniwriter.h"
#include "io/inifile.h"
#include "io/nocase.h"

#include <algorithm>
#include <filesystem>

namespace zuk::highlight {

CPelagos::CPelagos(std::string linksFile) : LinksFile(std::move(linksFile))
{
    std::error_code ec;
    if (!std::filesystem::exists(LinksFile, ec))
        return;
    try {
        const io::IniFile ini(LinksFile);
        std::vector<TRNHandler> handlers;
        for (const std::string& s : ini.sectionNames()) {
            // A type without an extension ("[]") could not be saved again.
            if (!io::IniFile::isWritableSection(s))
                continue;
            handlers.push_back({s, ini.readString(s, "Viewer", ""), ini.readString(s, "Editor", ""),
                                ini.readInt(s, "Color", 16777215)});
        }
        Handlers = std::move(handlers);
    } catch (const ZukError&) {
        // An unreadable table is treated as absent: nothing is written over it.
    }
}

void CPelagos::save() const
{
    if (!Handlers)
        return;
    rewriteIniFile(LinksFile, [this](io::IniFile& ini) {
        for (const TRNHandler& h : *Handlers) {
            ini.writeString(h.Ext, "Editor", h.Editor);
            ini.writeString(h.Ext, "Viewer", h.Viewer);
            ini.writeInt(h.Ext, "Color", h.Color);
        }
    });
}

const TRNHandler* CPelagos::FindFileType(std::string_view extension) const
{
    if (!Handlers || extension.empty())
        return nullptr;
    const std::string wanted = io::lowerWin(extension.substr(1));
    for (const TRNHandler& h : *Handlers)
        if (h.Ext == wanted)
            return &h;
    return nullptr;
}

int CPelagos::IndexOfFileType(std::string_view extension) const
{
    if (!Handlers)
        return -1;
    for (size_t i = 0; i < Handlers->size(); ++i)
        if ((*Handlers)[i].Ext == extension)
            return static_cast<int>(i);
    return -1;
}

void CPelagos::DeleteFileType(std::string_view extension)
{
    const int i = IndexOfFileType(extension);
    if (i >= 0)
        Handlers->erase(Handlers->begin() + i);
}

void CPelagos::ListFileTypes(std::vector<std::string>& list) const
{
    list.clear();
    if (Handlers)
        for (const TRNHandler& h : *Handlers)
            list.push_back(h.Ext);
}

void CPelagos::addFileType(TRNHandler handler)
{
    handler.Ext = io::lowerWin(handler.Ext);
    if (!Handlers)
        Handlers.emplace();
    Handlers->push_back(std::move(handler));
}

void CPelagos::changeFileType(size_t index, TRNHandler handler)
{
    if (!Handlers || index >= Handlers->size())
        return;
    handler.Ext = io::lowerWin(handler.Ext);
    (*Handlers)[index] = std::move(handler);
}

FileBoxColors loadFileBoxColors(const std::string& path)
{
    FileBoxColors c;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return c;
    const io::IniFile ini(path);
    c.Dirs = ini.readInt("Color", "Dirs", c.Dirs);
    c.Files = ini.readInt("Color", "Files", c.Files);
    c.back = ini.readInt("Color", "back", c.back);
    return c;
}

void saveFileBoxColors(const std::string& path, const FileBoxColors& colors)
{
    io::IniFile ini(path);
    io::IniFile::Batch batch(ini);
    ini.writeInt("Color", "Dirs", colors.Dirs);
    ini.writeInt("Color", "Files", colors.Files);
    ini.writeInt("Color", "back", colors.back);
    batch.commit();
}

std::vector<std::string> listFileBoxColorPresets(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec))
        if (it->is_regular_file(ec))
            names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace zuk::highlight
