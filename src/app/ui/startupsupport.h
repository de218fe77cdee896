#pragma once

#include <string>
#include <vector>

namespace zuk::app::ui {

// Small file helpers of the main window's start-up and shut-down. Paths are UTF-8.

// The lines of a list file; a missing file gives none. Throws zuk::IoError
// when the file exists but cannot be read.
std::vector<std::string> readListIfPresent(const std::string& path);

// The whole file as bytes. Throws zuk::IoError with the system's reason.
std::string readWholeFile(const std::string& path);

} // namespace zuk::app::ui
