// Every writer of the program's files under injected faults: whichever call of
// the safe writer fails, with whichever reason, the file it would replace
// stays byte for byte, nothing is left beside it and the reason is told.

#include "app/documentfiles.h"
#include "app/filehistory.h"
#include "app/shortcutfile.h"
#include "base/zukerror.h"
#include "codepages/tablecommands.h"
#include "editor/styledexport.h"
#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/csynman.h"
#include "io/faultloop.h"
#include "io/inifile.h"
#include "io/linesfile.h"
#include "io/tempfolder.h"
#include "plugins/cfioint.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <iostream>

using zuk::testing::Fault;
using zuk::testing::TempFolder;
using Files = std::map<std::string, std::string>;

namespace {

std::tm fixedTime()
{
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 14;
    t.tm_hour = 9;
    t.tm_min = 26;
    t.tm_sec = 53;
    return t;
}

zuk::settings::RSaveOptions versionOptions(const std::string& folder)
{
    zuk::settings::RSaveOptions o;
    o.SaveInSameFolder = true;
    o.DoCopyVer = true;
    o.CopyVerPath = folder + "versions";
    return o;
}

// A text the size of several write chunks, given to the writer in blocks.
const std::string& bigText()
{
    static const std::string text = [] {
        std::string t;
        while (t.size() < 2500000)
            t += "\xCF\xF0\xE8\xE2\xE5\xF2, line " + std::to_string(t.size()) + "\r\n";
        return t;
    }();
    return text;
}

struct WriterRow {
    const char* name;
    // The files there before the write (relative names), each with its old bytes.
    std::function<Files(const std::string& folder)> before;
    // The write; throws zuk::IoError.
    std::function<void(const std::string& folder)> write;
};

std::vector<WriterRow> writerRows()
{
    const zuk::plugins::CFIOINT* engine = new zuk::plugins::CFIOINT; // lives for the run
    return {
        {"document save (blocks)",
         [](const std::string&) {
             return Files{{"doc.txt", "old document\r\n"}};
         },
         [engine](const std::string& d) {
             zuk::plugins::writeDocumentBlocks(
                 *engine, d + "doc.txt", [](const std::function<void(std::string_view)>& sink) {
                     const std::string& text = bigText();
                     for (std::size_t at = 0; at < text.size(); at += 65536)
                         sink(std::string_view(text).substr(at, 65536));
                 });
         }},
        {"document save (whole text)",
         [](const std::string&) {
             return Files{{"doc.txt", "old document\r\n"}};
         },
         [engine](const std::string& d) {
             zuk::plugins::writeDocumentFile(*engine, d + "doc.txt", "new\nmixed\rbreaks");
         }},
        {"backup copy",
         [](const std::string&) {
             return Files{{"doc.txt", "document\r\n"}, {"doc.bak", "old copy\r\n"}};
         },
         [engine](const std::string& d) {
             zuk::app::saveBackupCopy(*engine, d + "doc.txt", "new copy\r\n");
         }},
        {"versions (beside the file and in the versions folder)",
         [](const std::string& d) {
             Files files{{"doc.txt", "document\r\n"}, {"versions/", ""}};
             for (const std::string& target :
                  zuk::app::versionTargets(d + "doc.txt", fixedTime(), versionOptions(d),
                                           [](const std::string&) { return true; }))
                 files[target.substr(d.size())] = "old version\r\n";
             return files;
         },
         [engine](const std::string& d) {
             const auto written = zuk::app::saveVersion(*engine, d + "doc.txt", "new version\r\n",
                                                        versionOptions(d), fixedTime);
             EXPECT_EQ(written.size(), 2u);
         }},
        {"zuk.ini, one key",
         [](const std::string&) {
             return Files{{"zuk.ini", "; mine\r\n[Main]\r\nA=1\r\n"}};
         },
         [](const std::string& d) {
             zuk::io::IniFile ini(d + "zuk.ini");
             ini.writeString("Main", "B", "2");
         }},
        {"zuk.ini, the settings record",
         [](const std::string&) {
             return Files{{"zuk.ini", "[Main]\r\nunknown=kept\r\n"}};
         },
         [](const std::string& d) {
             zuk::io::IniFile ini(d + "zuk.ini");
             zuk::settings::RConnectionTable ct;
             zuk::settings::RSoundSettings sound;
             const zuk::settings::RMainWindowProps props =
                 zuk::settings::defaultMainWindowProps(1024, 768, d);
             zuk::settings::SaveSettings(ini, ct, sound, props, {});
         }},
        {"zuk.ini, the file history",
         [](const std::string&) {
             return Files{{"zuk.ini", "[Recent]\r\nItem_1=/old\r\n"}};
         },
         [](const std::string& d) {
             zuk::io::IniFile ini(d + "zuk.ini");
             zuk::app::writeRecentFiles(ini, {{"/a/new.txt", 3}, {"/b/other.txt", 0}});
         }},
        {"syntax.ini",
         [](const std::string&) {
             return Files{{"syntax.ini", "[Lua]\r\nExt=lua\r\nFilename=lua.syn\r\n"}};
         },
         [](const std::string& d) {
             zuk::highlight::CSynMan registry(d + "syntax.ini", d);
             registry.Items.push_back({"rb", "Ruby", "ruby.syn"});
             registry.save();
         }},
        {"shortcuts.txt",
         [](const std::string&) {
             return Files{{"shortcuts.txt", "mniSave=Ctrl+S\r\n"}};
         },
         [](const std::string& d) {
             zuk::app::writeShortcutFile(d + "shortcuts.txt",
                                         {{"mniSave", "Ctrl+Shift+S"}, {"mniOpen", "Ctrl+O"}});
         }},
        {"lastfiles.txt",
         [](const std::string&) {
             return Files{{"lastfiles.txt", "/old/one.txt\r\n"}};
         },
         [](const std::string& d) {
             zuk::app::writeLastFiles(d + "lastfiles.txt", {"/new/one.txt", "/new/two.txt"});
         }},
        {"klayouts.txt",
         [](const std::string&) {
             return Files{{"klayouts.txt", "Russian=1\r\n"}};
         },
         [](const std::string& d) {
             zuk::io::writeLinesFile(
                 d + "klayouts.txt",
                 zuk::codepages::formatKLayouts({{"Russian", false}, {"Ukrainian", true}}));
         }},
        {"colour style",
         [](const std::string&) {
             return Files{{"CStyles/", ""}, {"CStyles/mine", "FontColor=1\r\n"}};
         },
         [](const std::string& d) {
             zuk::highlight::CColorStyle style;
             style.FontColor = 255;
             zuk::highlight::saveColorStyle(d + "CStyles/mine", style);
         }},
        {"text styles",
         [](const std::string&) {
             return Files{{"styles.ini", "[Comment]\r\nFColor=1\r\n"}};
         },
         [](const std::string& d) {
             zuk::highlight::CMyTextStyles styles(d + "styles.ini");
             styles.Styles[0].FColor = 0x123456;
             styles.save();
         }},
        {"RTF and HTML export",
         [](const std::string&) {
             return Files{{"page.htm", "<p>old</p>\n"}};
         },
         [](const std::string& d) {
             zuk::editor::StyledText text;
             text.utf8 = "new page";
             text.styles.assign(text.utf8.size(), 0);
             zuk::editor::writeFileBytes(d + "page.htm", zuk::editor::exportHtml(text));
         }},
    };
}

void seed(const std::string& folder, const Files& files)
{
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : files) {
        if (name.back() == '/')
            std::filesystem::create_directories(folder + name);
        else
            zuk::testing::seedFile(folder + name, bytes);
    }
}

TEST(WriterFaults, EveryWriterKeepsItsOldFileWhateverCallFails)
{
    TempFolder tmp;
    const std::string folder = tmp.file("w/");
    int total = 0;
    for (const WriterRow& row : writerRows()) {
        SCOPED_TRACE(row.name);
        const Files old = row.before(folder);

        // A clean run first: what the writer puts there when nothing fails.
        seed(folder, old);
        row.write(folder);
        const Files written = zuk::testing::snapshot(folder);
        ASSERT_NE(written, old);

        const int cases = zuk::testing::forEveryFault(
            [&] { seed(folder, old); },
            [&]() -> std::string {
                try {
                    row.write(folder);
                    return {};
                } catch (const zuk::IoError& e) {
                    return e.what();
                }
            },
            [&](const Fault& f, const std::string& told) {
                SCOPED_TRACE(f.describe());
                EXPECT_NE(told.find(std::strerror(f.err)), std::string::npos) << told;
                const Files now = zuk::testing::snapshot(folder);
                // Nothing new beside the files: no temporary file is left.
                std::vector<std::string> names, oldNames;
                for (const auto& [name, bytes] : now)
                    names.push_back(name);
                for (const auto& [name, bytes] : old)
                    oldNames.push_back(name);
                EXPECT_EQ(names, oldNames);
                bool named = false;
                for (const auto& [name, bytes] : old) {
                    if (!now.count(name))
                        continue;
                    // The file the message names is the old one; one written
                    // whole before it (a second version) may be the new one.
                    if (told.find(folder + name) != std::string::npos) {
                        named = true;
                        EXPECT_EQ(now.at(name), bytes) << name;
                    } else {
                        EXPECT_TRUE(now.at(name) == bytes || now.at(name) == written.at(name))
                            << name;
                    }
                }
                EXPECT_TRUE(named) << told;
            });
        EXPECT_GE(cases, 4 * 6) << "every kind of call at least once";
        std::cout << "[ faults   ] " << row.name << ": " << cases << " cases\n";
        total += cases;
    }
    std::cout << "[ faults   ] all writers: " << total << " cases\n";
}

} // namespace
