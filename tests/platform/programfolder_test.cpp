#include "platform/programfolder.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
    std::string p = resolveProgramFolder({tmp.file("chosen/sub"), tmp.file("exe"), ""});
    EXPECT_EQ(p, tmp.file("chosen/sub/"));
    EXPECT_TRUE(isDir(p));
    {
        ScopedEnv env("ZUK_HOME", tmp.file("fromenv").c_str());
        EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("exe"), ""}), tmp.file("fromenv/"));
        EXPECT_EQ(resolveProgramFolder({tmp.file("chosen"), tmp.file("exe"), ""}),
                  tmp.file("chosen/"));
    }
    {
        // A relative --home is taken from the current folder.
        char cwd[4096];
        ASSERT_TRUE(::getcwd(cwd, sizeof cwd));
        ASSERT_EQ(::chdir(tmp.path().c_str()), 0);
        std::string relative = resolveProgramFolder({std::string("rel"), "", ""});
        ASSERT_EQ(::chdir(cwd), 0);
        EXPECT_EQ(relative, tmp.file("rel/"));
    }

    // The executable's folder when it holds Engine/ in any letter case.
    EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("exe"), ""}), tmp.file("exe/"));

    // Otherwise ~/.local/share/zuk, or $XDG_DATA_HOME/zuk when that is absolute.
    EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("bare"), ""}),
              tmp.file("home/.local/share/zuk/"));
    {
        ScopedEnv env("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("bare"), ""}),
                  tmp.file("home/.local/share/zuk/"));
    }
    ScopedEnv env("XDG_DATA_HOME", tmp.file("xdg").c_str());
    EXPECT_EQ(resolveProgramFolder({std::nullopt, tmp.file("bare"), ""}), tmp.file("xdg/zuk/"));
}

TEST(ProgramFolder, FirstStartCopiesTheDefaultTreeWithoutOverwriting)
{
    TempFolder tmp;
    ScopedEnv xdg("XDG_DATA_HOME", tmp.file("xdg").c_str());
    ScopedEnv zukHome("ZUK_HOME", nullptr);
    tmp.write("prefix/share/zuk/Engine/Parts/lang/English", "[MainForm]\r\n");
    tmp.write("prefix/share/zuk/dox/help.htm", "help");
    tmp.write("prefix/bin/zuk", "");

    // The default tree is found beside the executable as ../share/zuk.
    std::string p = resolveProgramFolder({std::nullopt, tmp.file("prefix/bin/"), ""});
    EXPECT_EQ(p, tmp.file("xdg/zuk/"));
    EXPECT_EQ(tmp.read("xdg/zuk/Engine/Parts/lang/English"), "[MainForm]\r\n");
    EXPECT_EQ(tmp.read("xdg/zuk/dox/help.htm"), "help");

    // What the user changed stays; a later start does not copy again.
    tmp.write("xdg/zuk/dox/help.htm", "mine");
    ::unlink(tmp.file("xdg/zuk/Engine/Parts/lang/English").c_str());
    resolveProgramFolder({std::nullopt, tmp.file("prefix/bin/"), ""});
    EXPECT_EQ(tmp.read("xdg/zuk/dox/help.htm"), "mine");
    EXPECT_FALSE(isDir(tmp.file("xdg/zuk/Engine/Parts/lang/English")));

    EXPECT_EQ(seedProgramFolder(tmp.file("xdg/zuk/"), tmp.file("prefix/share/zuk")), 1);
    EXPECT_EQ(tmp.read("xdg/zuk/dox/help.htm"), "mine");
    EXPECT_EQ(seedProgramFolder(tmp.file("xdg/zuk"), tmp.file("prefix/share/zuk/")), 0);
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
