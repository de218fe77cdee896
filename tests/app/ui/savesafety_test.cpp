// The document commands that write files, in the real main window: under
// injected faults they lose nothing and say why, and a file someone else
// changed since it was opened is not written over unasked.

#include "app/filenames.h"
#include "app/ui/filecommands.h"
#include "app/ui/mainform.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "io/faultloop.h"
#include "support/ui/mainformfixture.h"

#include <QStatusBar>

#include <gtest/gtest.h>

#include <iostream>
#include <sys/stat.h>
#include <sys/time.h>

using zuk::app::ui::ExitChoice;
using zuk::app::ui::FileCommands;
using zuk::test::MainFormFixture;
using zuk::test::waitFor;
using zuk::testing::Fault;
using Files = std::map<std::string, std::string>;

namespace {

std::tm fixedTime()
{
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 4;
    t.tm_mday = 3;
    t.tm_hour = 17;
    t.tm_min = 5;
    return t;
}

// A started main window whose messages and questions are collected; every
// question is answered by `answer`.
struct Window {
    MainFormFixture fixture;
    zuk::app::ui::TMainForm* form = nullptr;
    FileCommands* files = nullptr;
    QStringList messages, questions;
    bool answer = true;

    Window()
    {
        form = &fixture.start();
        files = FileCommands::of(*form);
        files->messageHook = [this](const QString& m) { messages << m; };
        files->overwriteHook = [this](const QString& q) {
            questions << q;
            return answer;
        };
        files->clock = fixedTime;
    }
    std::string folder() const { return fixture.home().toStdString() + "w/"; }
    std::string path(const std::string& name) const { return folder() + name; }
    zuk::editor::CdreamEditor& editor() { return form->editor(); }

    void closeAll()
    {
        for (zuk::editor::Ted* ted : editor().documents())
            ted->setModified(false);
        form->runCommand("mniCloseAll");
        ASSERT_TRUE(waitFor([&] { return form->documentCount() == 0; }));
    }
    // Opens `name` and gives it a new text, so that it is modified.
    void openChanged(const std::string& name, const std::string& text)
    {
        ASSERT_TRUE(form->OpenFile(QString::fromStdString(path(name))));
        editor().SetAllText(text);
        editor().SetModified(true);
    }
};

void seed(const std::string& folder, const Files& files)
{
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : files)
        zuk::testing::seedFile(folder + name, bytes);
}

// Keeps the second and sets the part below it, so that only a fine clock tells.
void setModifiedTime(const std::string& path, long microseconds)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    const timeval times[2] = {{st.st_atim.tv_sec, 0}, {st.st_mtim.tv_sec, microseconds}};
    ::utimes(path.c_str(), times);
}

struct CommandRow {
    const char* name;
    Files before;                      // the folder's files and their old bytes
    std::vector<std::string> opened;   // documents opened and changed, in order
    std::function<void(Window&)> run;  // the command
    bool documentsStayModified = true; // the command is a save of the documents
};

TEST(SaveFaults, EveryDocumentCommandKeepsTheOldFileAndTellsWhy)
{
    Window w;
    const std::string version =
        zuk::app::versionTargets(w.path("doc.txt"), fixedTime(), w.form->settings().SaveOptions,
                                 [](const std::string&) { return true; })
            .at(0)
            .substr(w.folder().size());
    const CommandRow rows[] = {
        {"Save", {{"doc.txt", "old\r\n"}}, {"doc.txt"}, [](Window& win) { win.files->save(); }},
        {"Save As over another file",
         {{"doc.txt", "old\r\n"}, {"other.txt", "other old\r\n"}},
         {"doc.txt"},
         [](Window& win) {
             win.files->saveDialogHook = [&win] {
                 return QString::fromStdString(win.path("other.txt"));
             };
             win.files->saveAs();
         }},
        {"Save All",
         {{"a.txt", "old a\r\n"}, {"b.txt", "old b\r\n"}},
         {"a.txt", "b.txt"},
         [](Window& win) { win.form->runCommand("mniSaveAll"); }},
        {"backup copy",
         {{"doc.txt", "old\r\n"}, {"doc.bak", "old copy\r\n"}},
         {"doc.txt"},
         [](Window& win) { win.form->runCommand("mniSaveCopy"); },
         false},
        {"version",
         {{"doc.txt", "old\r\n"}, {version, "old version\r\n"}},
         {"doc.txt"},
         [](Window& win) { win.form->runCommand("mniSaveVersion"); },
         false},
    };
    int total = 0;
    for (const CommandRow& row : rows) {
        SCOPED_TRACE(row.name);
        auto prepare = [&] {
            w.closeAll();
            seed(w.folder(), row.before);
            for (const std::string& name : row.opened)
                w.openChanged(name, "new " + name + "\r\n");
        };
        prepare();
        row.run(w);
        ASSERT_TRUE(w.messages.isEmpty()) << w.messages.join('\n').toStdString();
        const Files written = zuk::testing::snapshot(w.folder());
        ASSERT_NE(written, row.before);

        const int cases = zuk::testing::forEveryFault(
            prepare,
            [&] {
                w.messages.clear();
                row.run(w);
                return w.messages.join('\n').toStdString();
            },
            [&](const Fault& f, const std::string& told) {
                SCOPED_TRACE(f.describe());
                EXPECT_NE(told.find(std::strerror(f.err)), std::string::npos) << told;
                const Files now = zuk::testing::snapshot(w.folder());
                ASSERT_EQ(now.size(), row.before.size()) << "a file left or made";
                bool named = false;
                for (const auto& [name, bytes] : row.before) {
                    ASSERT_TRUE(now.count(name)) << name;
                    if (told.find(w.path(name)) != std::string::npos) {
                        named = true;
                        EXPECT_EQ(now.at(name), bytes) << name;
                    } else {
                        // Save All goes on after a failure: the other file may be new.
                        EXPECT_TRUE(now.at(name) == bytes || now.at(name) == written.at(name))
                            << name;
                    }
                }
                EXPECT_TRUE(named) << told;
                if (row.documentsStayModified) {
                    for (zuk::editor::Ted* ted : w.editor().documents())
                        EXPECT_TRUE(ted->modified()) << ted->fileName();
                }
                // The document keeps its own name when Save As failed.
                EXPECT_EQ(w.editor().GetFileName(), w.path(row.opened.back()));
            });
        EXPECT_GE(cases, 4 * 6);
        std::cout << "[ faults   ] " << row.name << ": " << cases << " cases\n";
        total += cases;
    }
    std::cout << "[ faults   ] document commands: " << total << " cases\n";
    w.closeAll();
}

TEST(SaveFaults, AFolderInPlaceOfTheFileIsReportedAndNothingIsLost)
{
    Window w;
    seed(w.folder(), {{"doc.txt", "old\r\n"}, {"dir/inside", "kept"}});
    w.openChanged("doc.txt", "new\r\n");
    // Save As onto a folder's name: refused by the system, with its reason.
    w.files->saveDialogHook = [&] { return QString::fromStdString(w.path("dir")); };
    EXPECT_FALSE(w.files->saveAs());
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QString::fromLocal8Bit(std::strerror(EISDIR))))
        << w.messages[0].toStdString();
    EXPECT_TRUE(w.editor().GetModified());
    EXPECT_EQ(w.editor().GetFileName(), w.path("doc.txt"));
    EXPECT_EQ(zuk::testing::snapshot(w.folder()),
              (Files{{"doc.txt", "old\r\n"}, {"dir/", ""}, {"dir/inside", "kept"}}));

    // The document's own file turned into a folder: Save All says why it failed.
    std::filesystem::remove(w.path("doc.txt"));
    zuk::testing::seedFile(w.path("doc.txt/inside"), "also kept");
    w.messages.clear();
    EXPECT_FALSE(w.files->saveAllDocuments());
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QString::fromLocal8Bit(std::strerror(EISDIR))))
        << w.messages[0].toStdString();
    EXPECT_TRUE(w.editor().GetModified());
    EXPECT_EQ(zuk::testing::snapshot(w.folder()), (Files{{"dir/", ""},
                                                         {"dir/inside", "kept"},
                                                         {"doc.txt/", ""},
                                                         {"doc.txt/inside", "also kept"}}));
    w.closeAll();
}

TEST(SaveFaults, AReadOnlyFolderIsReportedWithTheSystemsReason)
{
    Window w;
    seed(w.folder(), {{"doc.txt", "old\r\n"}});
    w.openChanged("doc.txt", "new\r\n");
    {
        // Root is not stopped by the folder's mode: the refusal is injected.
        zuk::io::InjectedFault fault(zuk::io::WriteCall::OpenTemp, 1, EACCES);
        EXPECT_FALSE(w.files->save());
    }
    if (::geteuid() != 0) {
        ::chmod(w.folder().c_str(), 0555);
        EXPECT_FALSE(w.files->save());
        ::chmod(w.folder().c_str(), 0755);
    }
    ASSERT_FALSE(w.messages.isEmpty());
    for (const QString& m : w.messages)
        EXPECT_TRUE(m.contains(QString::fromLocal8Bit(std::strerror(EACCES)))) << m.toStdString();
    EXPECT_TRUE(w.editor().GetModified());
    EXPECT_EQ(zuk::testing::snapshot(w.folder()), (Files{{"doc.txt", "old\r\n"}}));
    w.closeAll();
}

// --- files changed on disk since they were opened ----------------------------------

TEST(ChangedOnDisk, SaveAsksBeforeWritingOverAnotherProgramsChange)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> change;
    } const cases[] = {
        {"other size",
         [](const std::string& p) { zuk::testing::seedFile(p, "theirs, longer\r\n"); }},
        {"same size, new time",
         [](const std::string& p) {
             zuk::testing::seedFile(p, "THEIRS\r\n");
             setModifiedTime(p, 123456);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        seed(w.folder(), {{"doc.txt", "theirs\r\n"}});
        setModifiedTime(w.path("doc.txt"), 1);
        w.openChanged("doc.txt", "mine\r\n");
        c.change(w.path("doc.txt"));
        const std::string theirs = zuk::testing::snapshot(w.folder()).at("doc.txt");

        w.answer = false;
        EXPECT_FALSE(w.files->save());
        ASSERT_EQ(w.questions.size(), 1);
        EXPECT_EQ(w.questions[0], QString::fromUtf8("Файл %1 изменён на диске после открытия. "
                                                    "Записать поверх него?")
                                      .arg(QString::fromStdString(w.path("doc.txt"))));
        EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("doc.txt"), theirs);
        EXPECT_TRUE(w.editor().GetModified());

        w.answer = true;
        EXPECT_TRUE(w.files->save());
        EXPECT_EQ(w.questions.size(), 2);
        EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("doc.txt"), "mine\r\n");
        EXPECT_FALSE(w.editor().GetModified());
        // Our own write is no change behind our back.
        w.editor().SetAllText("mine again\r\n");
        EXPECT_TRUE(w.files->save());
        EXPECT_EQ(w.questions.size(), 2);
        EXPECT_TRUE(w.messages.isEmpty());
        w.closeAll();
    }
}

TEST(ChangedOnDisk, SaveAllAsksPerFileAndQuietSavesLeaveTheFile)
{
    Window w;
    seed(w.folder(), {{"a.txt", "a\r\n"}, {"b.txt", "b\r\n"}});
    w.openChanged("a.txt", "mine a\r\n");
    w.openChanged("b.txt", "mine b\r\n");
    zuk::testing::seedFile(w.path("a.txt"), "theirs a\r\n");

    w.answer = false;
    EXPECT_TRUE(w.files->saveAllDocuments());
    ASSERT_EQ(w.questions.size(), 1); // only the changed one
    EXPECT_TRUE(w.questions[0].contains(QString::fromStdString(w.path("a.txt"))));
    EXPECT_EQ(zuk::testing::snapshot(w.folder()),
              (Files{{"a.txt", "theirs a\r\n"}, {"b.txt", "mine b\r\n"}}));

    // The log-off save has no one to ask: it leaves the file and says so.
    EXPECT_FALSE(w.files->saveAllDocuments(true));
    EXPECT_EQ(w.questions.size(), 1);
    const QString status = w.form->statusBar()->currentMessage();
    EXPECT_TRUE(status.contains(QString::fromStdString(w.path("a.txt")))) << status.toStdString();
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("a.txt"), "theirs a\r\n");

    // Leaving with autosave: asked; No keeps the file and the exit question follows.
    w.form->settings().autosave_on_exit = true;
    int exitQuestions = 0;
    w.files->exitChoiceHook = [&](const QString&) {
        ++exitQuestions;
        return ExitChoice::Cancel;
    };
    EXPECT_FALSE(w.files->prepareExit());
    EXPECT_EQ(w.questions.size(), 2);
    EXPECT_EQ(exitQuestions, 1);
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("a.txt"), "theirs a\r\n");

    // An unchanged document has nothing to keep: the exit leaves the file unasked.
    for (zuk::editor::Ted* ted : w.editor().documents())
        ted->setModified(false);
    EXPECT_TRUE(w.files->prepareExit());
    EXPECT_EQ(w.questions.size(), 2);
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("a.txt"), "theirs a\r\n");
    w.form->settings().autosave_on_exit = false;

    // Yes writes it, and later saves ask no more.
    w.answer = true;
    EXPECT_TRUE(w.files->saveAllDocuments());
    EXPECT_EQ(w.questions.size(), 3);
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("a.txt"), "mine a\r\n");
    EXPECT_TRUE(w.files->saveAllDocuments(true));
    EXPECT_EQ(w.questions.size(), 3);
    w.closeAll();
}

TEST(ChangedOnDisk, AReadOnlyFileIsWrittenOverOnlyWhenTheUserSaysSo)
{
    Window w;
    seed(w.folder(), {{"ro.txt", "theirs\r\n"}});
    w.openChanged("ro.txt", "mine\r\n");
    ASSERT_EQ(::chmod(w.path("ro.txt").c_str(), 0444), 0);

    w.answer = false;
    EXPECT_FALSE(w.files->save());
    ASSERT_EQ(w.questions.size(), 1);
    EXPECT_EQ(w.questions[0],
              QString::fromUtf8("Файл %1 доступен только для чтения. Записать поверх него?")
                  .arg(QString::fromStdString(w.path("ro.txt"))));
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("ro.txt"), "theirs\r\n");
    EXPECT_TRUE(w.editor().GetModified());

    // The log-off save leaves it and names it.
    EXPECT_FALSE(w.files->saveAllDocuments(true));
    EXPECT_EQ(w.questions.size(), 1);
    EXPECT_TRUE(
        w.form->statusBar()->currentMessage().contains(QString::fromUtf8("только для чтения")));
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("ro.txt"), "theirs\r\n");

    // Yes writes it and it stays read-only.
    w.answer = true;
    EXPECT_TRUE(w.files->save());
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("ro.txt"), "mine\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(w.path("ro.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_FALSE(w.editor().GetModified());
    w.closeAll();
}

TEST(ChangedOnDisk, RevertTakesTheNewStampAndAGoneFileIsWrittenAnew)
{
    Window w;
    seed(w.folder(), {{"doc.txt", "first\r\n"}});
    w.openChanged("doc.txt", "mine\r\n");
    zuk::testing::seedFile(w.path("doc.txt"), "their version\r\n");
    w.form->runCommand("mniRevertToSaved");
    EXPECT_EQ(w.editor().GetAllText(), "their version\r\n");
    w.editor().SetAllText("edited after revert\r\n");
    EXPECT_TRUE(w.files->save());
    EXPECT_TRUE(w.questions.isEmpty());
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("doc.txt"), "edited after revert\r\n");

    // A file deleted meanwhile is not "changed": Save goes to Save As, no question.
    std::filesystem::remove(w.path("doc.txt"));
    w.editor().SetAllText("after delete\r\n");
    bool dialog = false;
    w.files->saveDialogHook = [&] {
        dialog = true;
        return QString::fromStdString(w.path("doc.txt"));
    };
    EXPECT_TRUE(w.files->save());
    EXPECT_TRUE(dialog);
    EXPECT_TRUE(w.questions.isEmpty());
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("doc.txt"), "after delete\r\n");
    // Save All writes a gone file anew, unasked.
    std::filesystem::remove(w.path("doc.txt"));
    EXPECT_TRUE(w.files->saveAllDocuments());
    EXPECT_TRUE(w.questions.isEmpty());
    EXPECT_EQ(zuk::testing::snapshot(w.folder()).at("doc.txt"), "after delete\r\n");
    w.closeAll();
}

} // namespace
