#include "platform/programfolder.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace zuk::platform;
using zuk::testing::TempFolder;

namespace {

// Sets (or with nullptr unsets) an environment variable for the scope.
class ScopedEnv final {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

bool isDir(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

TEST(ProgramFolder, HomeOptionIsTakenFromTheArguments)
{
    std::vector<std::string> args = {"a.txt", "--home", "/x", "b.txt", "--home=/y", "--home"};
    EXPECT_EQ(takeHomeOption(args), std::optional<std::string>("/y"));
    EXPECT_EQ(args, (std::vector<std::string>{"a.txt", "b.txt"}));
    std::vector<std::string> none = {"file"};
    EXPECT_EQ(takeHomeOption(none), std::nullopt);
    EXPECT_EQ(none, std::vector<std::string>{"file"});
}

TEST(ProgramFolder, ResolutionOrder)
{
    TempFolder tmp;
    ScopedEnv home("HOME", tmp.file("home").c_str());
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    ScopedEnv zukHome("ZUK_HOME", nullptr);
    tmp.write("exe/ENGINE/Parts/x", "");
    tmp.write("bare/zuk", "");

    // --home names a missing folder: it is made; it wins over everything.
    std::string p = resolveProgramFolder({tmp.file("chosen/sub"), tmp.file("exe")});
    EXPECT_EQ(p, tmp.file("chosen/sub/"));
    EXPECT_TRUE(isDir(p));
    {
        ScopedEnv env("ZUK_HOME", tmp.file("fromenv").c_str());
        EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("exe")}), tmp.file("fromenv/"));
        EXPECT_EQ(resolveProgramFolder({tmp.file("chosen"), tmp.file("exe")}), tmp.file("chosen/"));
    }
    {
        // A relative --home is taken from the current folder.
        char cwd[4096];
        ASSERT_TRUE(::getcwd(cwd, sizeof cwd));
        ASSERT_EQ(::chdir(tmp.path().c_str()), 0);
        std::string relative = resolveProgramFolder({std::string("rel"), ""});
        ASSERT_EQ(::chdir(cwd), 0);
        EXPECT_EQ(relative, tmp.file("rel/"));
    }

    // The executable's folder when it holds Engine/ in any letter case.
    EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("exe")}), tmp.file("exe/"));

    // Otherwise ~/.local/share/zuk, or $XDG_DATA_HOME/zuk when that is absolute.
    EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("bare")}),
              tmp.file("home/.local/share/zuk/"));
    {
        ScopedEnv env("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("bare")}),
                  tmp.file("home/.local/share/zuk/"));
    }
    ScopedEnv env("XDG_DATA_HOME", tmp.file("xdg").c_str());
    EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("bare")}), tmp.file("xdg/zuk/"));
}

TEST(ProgramFolder, DefaultTreeIsTheInstalledOneOrTheBuildTreesCopy)
{
    TempFolder tmp;
    tmp.write("prefix/bin/zuk", "");
    tmp.write("prefix/share/zuk/Engine/Parts/lang/English", "");
    tmp.write("build/zuk", "");
    tmp.write("build/share/zuk/engine/Parts/x", ""); // any letter case
    tmp.write("bare/share/zuk/dox/x", "");           // no Engine/: no tree

    EXPECT_EQ(defaultDataTree(tmp.file("prefix/bin/")), tmp.file("prefix/share/zuk/"));
    EXPECT_EQ(defaultDataTree(tmp.file("prefix/bin")), tmp.file("prefix/share/zuk/"));
    EXPECT_EQ(defaultDataTree(tmp.file("build")), tmp.file("build/share/zuk/"));
    EXPECT_EQ(defaultDataTree(tmp.file("bare")), "");
    EXPECT_EQ(defaultDataTree(""), "");

    // Resolving the folder copies nothing: completing it is a step of its own.
    ScopedEnv xdg("XDG_DATA_HOME", tmp.file("xdg").c_str());
    ScopedEnv zukHome("ZUK_HOME", nullptr);
    EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("prefix/bin/")}), tmp.file("xdg/zuk/"));
    EXPECT_FALSE(isDir(tmp.file("xdg/zuk/Engine")));
}

// The names in a folder, sorted.
std::vector<std::string> names(const std::string& folder)
{
    std::vector<std::string> out;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* e = ::readdir(dir))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                out.push_back(e->d_name);
        ::closedir(dir);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The shipped tree of the tests below.
void writeTree(const TempFolder& tmp)
{
    tmp.write("tree/Engine/Parts/lang/English", "[MainForm]\r\n");
    tmp.write("tree/Engine/Parts/Syntax/syntax.ini", "[Lua]\r\n");
    tmp.write("tree/Engine/Parts/Syntax/lua.txt", "lua");
    tmp.write("tree/Engine/CStyles/Ночь", "night");
    tmp.write("tree/Engine/Plugins/plug.so", "elf");
    ::chmod(tmp.file("tree/Engine/Plugins/plug.so").c_str(), 0755);
    tmp.write("tree/dox/zuk.html", "help");
}

std::string failureTexts(const SeedReport& report)
{
    std::string texts;
    for (const zuk::IoError& e : report.failures)
        texts += std::string(e.what()) + "\n";
    return texts;
}

TEST(ProgramFolderSeed, AnEmptyFolderGetsTheWholeTreeOnce)
{
    TempFolder tmp;
    writeTree(tmp);
    SeedReport first = seedProgramFolder(tmp.file("new/home/"), tmp.file("tree"));
    EXPECT_EQ(first.copied, 6);
    EXPECT_TRUE(first.failures.empty()) << failureTexts(first);
    EXPECT_EQ(tmp.read("new/home/Engine/Parts/lang/English"), "[MainForm]\r\n");
    EXPECT_EQ(tmp.read("new/home/Engine/CStyles/Ночь"), "night");
    EXPECT_EQ(tmp.read("new/home/dox/zuk.html"), "help");
    struct stat st {};
    ASSERT_EQ(::stat(tmp.file("new/home/Engine/Plugins/plug.so").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR); // a plug-in stays executable

    SeedReport again = seedProgramFolder(tmp.file("new/home"), tmp.file("tree/"));
    EXPECT_EQ(again.copied, 0);
    EXPECT_TRUE(again.failures.empty());
}

TEST(ProgramFolderSeed, APartlyFilledFolderIsCompletedAndWhatTheUserHasStays)
{
    TempFolder tmp;
    writeTree(tmp);
    tmp.write("home/engine/parts/LANG/english", "mine"); // the same file in other letter cases
    tmp.write("home/engine/parts/Syntax/syntax.ini", "[Mine]\r\n");
    tmp.write("home/engine/parts/Syntax/own.txt", "own");
    tmp.write("home/engine/CStyles", "a file where the tree has a folder");
    tmp.write("elsewhere/keep.txt", "");
    ASSERT_EQ(::symlink(tmp.file("elsewhere").c_str(), tmp.file("home/dox").c_str()), 0);

    SeedReport report = seedProgramFolder(tmp.file("home"), tmp.file("tree"));
    EXPECT_EQ(report.copied, 2); // lua.txt and plug.so
    EXPECT_EQ(tmp.read("home/engine/parts/LANG/english"), "mine");
    EXPECT_EQ(tmp.read("home/engine/parts/Syntax/syntax.ini"), "[Mine]\r\n");
    EXPECT_EQ(tmp.read("home/engine/parts/Syntax/own.txt"), "own");
    EXPECT_EQ(tmp.read("home/engine/parts/Syntax/lua.txt"), "lua");
    EXPECT_EQ(tmp.read("home/engine/Plugins/plug.so"), "elf");
    EXPECT_FALSE(isDir(tmp.file("home/Engine"))); // no second tree beside engine/
    EXPECT_EQ(tmp.read("home/engine/CStyles"), "a file where the tree has a folder");
    EXPECT_FALSE(isDir(tmp.file("elsewhere/zuk.html"))); // a linked folder is not entered

    // The file in the way is told: what belongs below it cannot come in.
    ASSERT_EQ(report.failures.size(), 1u) << failureTexts(report);
    EXPECT_EQ(report.failures[0].text().key, "sCannotCopyDataFile");
    EXPECT_EQ(std::string(report.failures[0].what()), "Не удалось скопировать в папку программы «" +
                                                          tmp.file("home/engine/CStyles") +
                                                          "»: " + std::strerror(ENOTDIR));

    // A file the user deleted comes back; one the user changed does not.
    ::unlink(tmp.file("home/engine/parts/Syntax/lua.txt").c_str());
    tmp.write("home/engine/Plugins/plug.so", "rebuilt");
    EXPECT_EQ(seedProgramFolder(tmp.file("home"), tmp.file("tree")).copied, 1);
    EXPECT_EQ(tmp.read("home/engine/parts/Syntax/lua.txt"), "lua");
    EXPECT_EQ(tmp.read("home/engine/Plugins/plug.so"), "rebuilt");
}

TEST(ProgramFolderSeed, NothingOutsideTheTreeIsCopiedAndNoTreeIntoItself)
{
    TempFolder tmp;
    writeTree(tmp);
    tmp.write("outside/secret/key.txt", "secret");
    ASSERT_EQ(::symlink(tmp.file("outside/secret").c_str(), tmp.file("tree/Engine/linked").c_str()),
              0);
    ASSERT_EQ(::symlink(tmp.file("outside/secret/key.txt").c_str(),
                        tmp.file("tree/Engine/key.txt").c_str()),
              0);
    ASSERT_EQ(::symlink("Parts/lang/English", tmp.file("tree/Engine/English.link").c_str()), 0);
    ASSERT_EQ(::mkfifo(tmp.file("tree/Engine/pipe").c_str(), 0600), 0);

    SeedReport report = seedProgramFolder(tmp.file("home"), tmp.file("tree"));
    EXPECT_TRUE(report.failures.empty()) << failureTexts(report);
    EXPECT_EQ(report.copied, 7);
    EXPECT_FALSE(isDir(tmp.file("home/Engine/linked")));
    struct stat st {};
    EXPECT_NE(::lstat(tmp.file("home/Engine/key.txt").c_str(), &st), 0);
    EXPECT_NE(::lstat(tmp.file("home/Engine/pipe").c_str(), &st), 0);
    // A link to a file of the tree comes as a plain copy.
    ASSERT_EQ(::lstat(tmp.file("home/Engine/English.link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(tmp.read("home/Engine/English.link"), "[MainForm]\r\n");

    // A program folder inside the tree is left alone.
    EXPECT_EQ(seedProgramFolder(tmp.file("tree/Engine/Parts"), tmp.file("tree")).copied, 0);
    EXPECT_EQ(seedProgramFolder(tmp.file("tree"), tmp.file("tree")).copied, 0);
    EXPECT_FALSE(isDir(tmp.file("tree/Engine/Parts/Engine")));

    // The build tree holds its own copy of the tree: that copy is not copied into itself.
    tmp.write("build/share/zuk/Engine/Parts/lang/English", "en");
    tmp.write("build/share/zuk/share/zuk/x", "nested");
    SeedReport build = seedProgramFolder(tmp.file("build/"), tmp.file("build/share/zuk/"));
    EXPECT_EQ(build.copied, 1);
    EXPECT_EQ(tmp.read("build/Engine/Parts/lang/English"), "en");
    EXPECT_FALSE(isDir(tmp.file("build/share/zuk/share/zuk/Engine")));
}

TEST(ProgramFolderSeed, AFileThatCannotBeCopiedIsReportedAndTheRestIsCopied)
{
    TempFolder tmp;
    writeTree(tmp);
    tmp.write("tree/Engine/Parts/big.txt", std::string(64 * 1024, 'x'));
    SeedReport report;
    {
        zuk::testing::FileSizeLimit limit(4096);
        report = seedProgramFolder(tmp.file("home"), tmp.file("tree"));
    }
    EXPECT_EQ(report.copied, 6);
    ASSERT_EQ(report.failures.size(), 1u) << failureTexts(report);
    EXPECT_EQ(std::string(report.failures[0].what()), "Не удалось скопировать в папку программы «" +
                                                          tmp.file("home/Engine/Parts/big.txt") +
                                                          "»: " + std::strerror(EFBIG));
    ASSERT_EQ(report.failures[0].text().args.size(), 2u);
    EXPECT_EQ(report.failures[0].text().args[1], std::strerror(EFBIG)); // the system's reason
    // Neither the file nor a piece of it is left behind; the next start tries again.
    EXPECT_EQ(names(tmp.file("home/Engine/Parts")), (std::vector<std::string>{"Syntax", "lang"}));
    EXPECT_EQ(seedProgramFolder(tmp.file("home"), tmp.file("tree")).copied, 1);
    EXPECT_EQ(tmp.read("home/Engine/Parts/big.txt").size(), 64u * 1024);
}

TEST(ProgramFolder, DataPathsIgnoreLetterCase)
{
    TempFolder tmp;
    tmp.write("Engine/Parts/lang/English", "");
    tmp.write("Engine/Parts/Syntax/syntax.ini", "");
    tmp.write("Engine/Parts/quotes/Русские пословицы", "");
    const std::string root = tmp.path();
    struct Case {
        const char* relative;
        std::string expected;
    } cases[] = {
        {"engine/parts/Lang/ENGLISH", root + "Engine/Parts/lang/English"},
        {"Engine\\Parts\\SYNTAX\\Syntax.INI", root + "Engine/Parts/Syntax/syntax.ini"},
        {"ENGINE/PARTS/", root + "Engine/Parts/"},
        {"Engine/Parts/QUOTES/русские ПОСЛОВИЦЫ", root + "Engine/Parts/quotes/Русские пословицы"},
        {"engine/parts/lang/New/File.txt",
         root + "Engine/Parts/lang/New/File.txt"}, // rest as given
        {"engine//parts/./lang", root + "Engine/Parts/./lang"},
        {"", root},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resolveDataPath(root, c.relative), c.expected) << c.relative;

    WorkingFolders folders = workingFolders(tmp.path());
    EXPECT_EQ(folders.program, root);
    EXPECT_EQ(folders.parts, root + "Engine/Parts/");
    EXPECT_EQ(folders.tables, root + "Engine/Tables/");
    EXPECT_EQ(folders.templates, root + "Engine/Templates/");
    EXPECT_EQ(folders.plugins, root + "Engine/Plugins/");
    EXPECT_EQ(folders.cstyles, root + "Engine/CStyles/");
    EXPECT_FALSE(executableFolder().empty());
    EXPECT_EQ(executableFolder().back(), '/');
}

} // namespace
