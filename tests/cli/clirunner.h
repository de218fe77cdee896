#pragma once

// Runs the built zuk-text with given arguments and standard input, and
// collects its exit status, standard output and standard error as bytes.
// Standard input, output and error go through temporary files, so no pipe
// can fill up and deadlock however large the data is.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zuk::testing {

struct CliResult {
    int status = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A file name in the temporary folder, unique for this process.
inline std::string tempPath(const std::string& stem)
{
    static int counter = 0;
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/zuk-test-" + std::to_string(::getpid()) +
           "-" + std::to_string(++counter) + "-" + stem;
}

inline CliResult runCli(const std::vector<std::string>& args, const std::string& input = {})
{
    const std::string inPath = tempPath("in");
    const std::string outPath = tempPath("out");
    const std::string errPath = tempPath("err");
    writeFileBytes(inPath, input);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);

    std::vector<std::string> words;
    words.push_back(ZUK_CLI_PATH);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    CliResult result;
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, ZUK_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError == 0) {
        int wstatus = 0;
        if (waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus))
            result.status = WEXITSTATUS(wstatus);
        result.out = readFileBytes(outPath);
        result.err = readFileBytes(errPath);
    } else {
        ADD_FAILURE() << "cannot start " << ZUK_CLI_PATH;
    }
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

// One table row: arguments, standard input, the exact expected output, the exit
// status and a part of the expected error message.
struct CliRow {
    std::vector<std::string> args;
    std::string input;
    std::string out;
    int status = 0;
    std::string errPart = {};
};

inline void checkRows(std::initializer_list<CliRow> rows)
{
    for (const CliRow& row : rows) {
        std::string name;
        for (const std::string& a : row.args)
            name += a + " ";
        SCOPED_TRACE(name + "<- " + ::testing::PrintToString(row.input));
        const CliResult r = runCli(row.args, row.input);
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_EQ(r.out, row.out);
        if (!row.errPart.empty()) {
            EXPECT_NE(r.err.find(row.errPart), std::string::npos) << r.err;
        }
    }
}

} // namespace zuk::testing
