// Runs the committed corpus of one fuzz target through it:
//     zuk_fuzz_replay NAME FILE_OR_FOLDER...
// Ends non-zero when the target is unknown or no input was found; a faulty
// input ends the run the way it would end the fuzzer (crash, sanitizer report,
// uncaught exception).

#include "fuzz/fuzztarget.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace zuk::fuzz {

namespace {

std::map<std::string, TargetFunction>& targets()
{
    static std::map<std::string, TargetFunction> all;
    return all;
}

std::string readWhole(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

Registration::Registration(const char* name, TargetFunction function)
{
    targets()[name] = function;
}

} // namespace zuk::fuzz

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    using zuk::fuzz::targets;
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s NAME FILE_OR_FOLDER...\ntargets:", argv[0]);
        for (const auto& [name, function] : targets())
            std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    auto found = targets().find(argv[1]);
    if (found == targets().end()) {
        std::fprintf(stderr, "no fuzz target named %s\n", argv[1]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 2; i < argc; ++i) {
        fs::path arg(argv[i]);
        if (fs::is_directory(arg)) {
            for (const auto& entry : fs::recursive_directory_iterator(arg))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else if (fs::is_regular_file(arg)) {
            inputs.push_back(arg);
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs for %s\n", argv[1]);
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& path : inputs) {
        const std::string bytes = zuk::fuzz::readWhole(path);
        found->second(bytes);
    }
    std::printf("%s: %zu inputs\n", argv[1], inputs.size());
    return 0;
}
