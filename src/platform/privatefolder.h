#pragma once

#include <string>
#include <string_view>

namespace zuk::platform {

// A folder for the files the program hands to other programs and gets back
// from them (the exchange files of external programs, preview copies): made
// on first use with mkdtemp, so it is new (never an existing folder someone
// else prepared) and only this user can enter it (mode 0700). It lies under
// $XDG_RUNTIME_DIR when that is a folder, else under TMPDIR, else /tmp; never
// beside a user's document, so a user's own file of the same name is never
// written, read back or deleted.
//
// The object owns the folder: remove() and the destructor delete it with
// everything in it (links inside are removed, never followed).
class PrivateFolder final {
public:
    explicit PrivateFolder(std::string prefix = "zuk-");
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // The folder, made now when needed, with a trailing '/'. Throws
    // zuk::IoError with the system's reason when it cannot be made.
    const std::string& path();
    // A file name inside the folder (the folder is made when needed).
    std::string file(std::string_view name);
    // Whether the folder exists now.
    bool exists() const { return !m_path.empty(); }
    // Deletes the folder with what it holds; the next path() makes a new one.
    void remove();

private:
    std::string m_prefix;
    std::string m_path;
};

// The program's one exchange folder, shared by the external programs and
// the browser preview; removed at shut-down (removeExchangeFolder) and, at the
// latest, when the process ends normally.
PrivateFolder& exchangeFolder();
void removeExchangeFolder();

} // namespace zuk::platform
