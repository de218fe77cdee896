#pragma once

#include "highlight/cmytextstyles.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zuk::highlight {

// One editor colour scheme: a file of Engine/CStyles/. Beside the four main
// colours a scheme may give the token classes colours that read on its
// background, by text style position (isTokenStyle); a class it leaves out
// keeps the text style's colour when that reads (applyColorStyle).
class CColorStyle final {
public:
    std::string Name; // the file's name (UTF-8, as on disk)
    int32_t FontColor = 0;
    int32_t BackColor = 16777215;
    int32_t SelFontColor = 16777215;
    int32_t SelBackColor = 0;
    std::array<std::optional<int32_t>, kTextStyleCount> TokenColors;
};

// The editor colour schemes of a folder.
class CFontCOlors final {
public:
    CFontCOlors() = default;
    // Loads every file of `folder` (UTF-8 path; missing: no schemes).
    explicit CFontCOlors(std::string folder);

    std::vector<CColorStyle> Schemes;

    // Builds the list again from the folder, in name order. A file that lacks
    // a key or holds something other than a decimal number there takes the
    // default of the four main colours for that key; unreadable files are
    // skipped.
    void reload();

    // The scheme a click on a "Стиль" item chooses: the last one of that name.
    const CColorStyle* findByName(const std::string& name) const;

    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
};

// The lines of a scheme file: the four main colours in the order the program
// writes them, then one line per token colour the scheme has, keyed by the
// name of its built-in text style ("Comment=8421504", "Reserved words=...").
std::string formatColorStyle(const CColorStyle& style);
// A scheme from the lines of a file (names compared without regard to case,
// the first matching line counts). A file of only the four main colours is a
// scheme without token colours; a token key of the plain text or a marker
// style is ignored.
CColorStyle parseColorStyle(const std::string& name, const std::string& bytes);
// Writes the scheme's lines to `path` (UTF-8). Throws zuk::IoError.
void saveColorStyle(const std::string& path, const CColorStyle& style);
// Removes the scheme file `name` of `folder`; false when there is none.
// Throws zuk::IoError when it exists but cannot be removed.
bool deleteColorStyle(const std::string& folder, const std::string& name);

} // namespace zuk::highlight
