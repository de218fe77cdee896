#pragma once

// The built helper and plug-ins the plug-in tests use: the example plug-ins
// of plugins/ (paragraphs, trimtrailing, upcase1251) and the test plug-ins
// of tests/plugins/libs/ (empty, nullresult, crash, endless, nohandledata,
// twin_a, twin_b, oddname, unnamed, nameless), each <name>.so.

#include "io/safefile.h"

#include <filesystem>
#include <string>

namespace zuk::testing {

inline std::string plughost()
{
    return ZUK_PLUGHOST_PATH;
}

inline std::string examplePlugin(const std::string& name)
{
    return std::string(ZUK_EXAMPLE_PLUGIN_DIR) + name + ".so";
}

inline std::string testPlugin(const std::string& name)
{
    return std::string(ZUK_TEST_PLUGIN_DIR) + name + ".so";
}

// A built plug-in (the example's or else the test's) copied into `folder`
// (made when missing) as `file`.
inline void putPlugin(const std::string& folder, const std::string& name, const std::string& file)
{
    std::filesystem::create_directories(folder);
    std::string bytes;
    if (!io::readFileBytesIfExists(examplePlugin(name), bytes))
        bytes = io::readFileBytes(testPlugin(name));
    io::writeFileAtomically(folder + file, bytes);
}

} // namespace zuk::testing
