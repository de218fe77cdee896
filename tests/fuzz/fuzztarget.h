#pragma once

// One fuzz target per file: tests/fuzz/<name>_fuzz.cpp holds
//
//     ZUK_FUZZ_TARGET(name)
//     {
//         ... feed `input` to the parser ...
//     }
//
// and its seed inputs live in tests/fuzz/corpus/<name>/. Built with
// ZUK_LIBFUZZER (scripts/fuzz, clang) the body becomes the libFuzzer entry
// point of its own executable; in the ordinary builds every target registers
// itself in zuk_fuzz_replay, which runs the committed corpus as a test, so the
// seeds and the regression inputs of fixed crashes are checked by every build,
// the sanitizer build included.
//
// A target catches only what the parser documents that it throws for bad
// input; anything else (a crash, an assertion, a sanitizer report, an
// unexpected exception) is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace zuk::fuzz {

// A property every input must keep; a violation ends the run as a finding.
inline void check(bool holds)
{
    if (!holds)
        std::abort();
}

using TargetFunction = void (*)(std::string_view input);

struct Registration {
    Registration(const char* name, TargetFunction function);
};

} // namespace zuk::fuzz

#ifdef ZUK_LIBFUZZER
#define ZUK_FUZZ_TARGET(name)                                                                      \
    static void zukFuzzTarget_##name(std::string_view input);                                      \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)              \
    {                                                                                              \
        zukFuzzTarget_##name(std::string_view(reinterpret_cast<const char*>(data), size));         \
        return 0;                                                                                  \
    }                                                                                              \
    static void zukFuzzTarget_##name(std::string_view input)
#else
#define ZUK_FUZZ_TARGET(name)                                                                      \
    static void zukFuzzTarget_##name(std::string_view input);                                      \
    static const ::zuk::fuzz::Registration zukFuzzRegistration_##name(#name,                       \
                                                                      &zukFuzzTarget_##name);      \
    static void zukFuzzTarget_##name(std::string_view input)
#endif
