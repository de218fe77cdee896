#pragma once

#include "io/inifile.h"

#include <functional>
#include <string>

namespace zuk::highlight {

// Writes an INI file anew from nothing: `fill` writes every key into a fresh
// profile beside `path`, which then replaces `path` in one rename, so a failed
// write leaves the old file whole. When `fill` writes nothing, `path` is
// removed. Throws zuk::IoError.
void rewriteIniFile(const std::string& path, const std::function<void(io::IniFile&)>& fill);

} // namespace zuk::highlight
