#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::highlight {

// One file type of the file manager. Texts are Windows-1251 as filelinx stores
// them; Viewer and Editor are program paths.
struct TRNHandler {
    std::string Ext; // without dot, normally lower case
    std::string Viewer;
    std::string Editor;
    int32_t Color = 16777215;
};

// The file-type table of the file manager, kept in Pelagos/filelinx.
class CPelagos final {
public:
    CPelagos() = default;
    // Loads `linksFile` (UTF-8 path). A missing file leaves Handlers absent.
    explicit CPelagos(std::string linksFile);

    std::optional<std::vector<TRNHandler>> Handlers;
    std::string LinksFile;

    // Writes the table anew when Handlers exists; otherwise does nothing.
    // Throws zuk::IoError.
    void save() const;

    // `extension` with its dot, any case: ".HTM" finds "htm" (the first
    // character is dropped whatever it is).
    const TRNHandler* FindFileType(std::string_view extension) const;
    int IndexOfFileType(std::string_view extension) const; // exact comparison
    void DeleteFileType(std::string_view extension);
    void ListFileTypes(std::vector<std::string>& list) const;

    // Appends a type (its extension lower-cased). The table comes into being
    // when it was absent, so a type added then is kept at shut-down.
    void addFileType(TRNHandler handler);
    // Replaces the type at `index` (its extension lower-cased).
    void changeFileType(size_t index, TRNHandler handler);
};

// A colour preset of the file manager (a file of Pelagos/Colors/).
struct FileBoxColors {
    int32_t Dirs = 16711680;
    int32_t Files = 0;
    int32_t back = 16777215;
};

// Reads a preset; a missing file or key gives the defaults.
FileBoxColors loadFileBoxColors(const std::string& path);
// Writes a preset into section Color. Throws zuk::IoError.
void saveFileBoxColors(const std::string& path, const FileBoxColors& colors);
// The names of the presets in `folder`, sorted.
std::vector<std::string> listFileBoxColorPresets(const std::string& folder);

} // namespace zuk::highlight
