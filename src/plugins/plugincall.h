#pragma once

#include "base/zukerror.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

namespace zuk::plugins {

// A plug-in call that gave no usable result: the library did not load, lacks
// an entry point, crashed, ran too long, was cancelled or returned nothing.
// The message names the library's file and the reason.
class PluginError final : public ZukError {
public:
    using ZukError::ZukError;
};

// The longest text a plug-in may give back.
inline constexpr std::uint64_t kResultCap = std::uint64_t{1} << 30;
// How long VersionInfo may take while the plugins folder is scanned.
inline constexpr std::chrono::milliseconds kVersionInfoTimeLimit{5000};

// The helper program zuk-plughost: beside the running executable, or in
// ../libexec/zuk/ from it where an installed program keeps it.
std::string defaultHelperPath();

// Every call below starts the helper `helper` for one call into `library`
// (a path; a relative one is taken from the current folder) and waits for it
// on the calling thread. A failure of the plug-in throws PluginError; a
// helper that cannot be started throws IoError.

// The name VersionInfo reports, as its bytes (at most 4096 of them). A
// library that lacks HandleData fails as one lacking VersionInfo does.
std::string pluginVersionInfo(const std::string& helper, const std::string& library,
                              std::chrono::milliseconds timeLimit = kVersionInfoTimeLimit);

struct HandleDataLimits {
    std::chrono::milliseconds timeLimit{10000};
    std::uint64_t resultCap = kResultCap;
    // Another thread sets it to stop the call (PluginError, sPluginCancelled).
    const std::atomic<bool>* cancel = nullptr;
};

// The text HandleData gives back for `text` (bytes, no NUL inside: the
// plug-in sees the text up to the first one). `handle` is handed to the
// plug-in as its opaque value; 0 is sent as 1, so it is never NULL.
std::string pluginHandleData(const std::string& helper, const std::string& library,
                             std::uintptr_t handle, const std::string& text,
                             const HandleDataLimits& limits);

} // namespace zuk::plugins
