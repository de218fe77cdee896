// UTF-8 and UTF-16 files in the real main window, offscreen: they open as
// Windows-1251 documents that remember their file encoding and are saved as
// themselves, or, when they hold what Windows-1251 lacks, open raw.

#include "app/ui/filecommands.h"
#include "app/ui/mainform.h"
#include "app/ui/mainstatusbar.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "editor/ui/tedcontrol.h"
#include "support/ui/mainformfixture.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QStatusBar>

#include <gtest/gtest.h>

using zuk::app::ui::FileCommands;
using zuk::codepages::FileEncoding;
using zuk::test::MainFormFixture;

namespace {

std::string win(const char* utf8)
{
    return zuk::codepages::utf8ToWin(utf8);
}

std::string utf16(const std::u16string& units, bool little)
{
    std::string out(little ? "\xFF\xFE" : "\xFE\xFF", 2);
    for (char16_t u : units) {
        const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
        out += little ? lo : hi;
        out += little ? hi : lo;
    }
    return out;
}

struct Window {
    MainFormFixture fixture;
    zuk::app::ui::TMainForm* form = nullptr;
    FileCommands* files = nullptr;
    QStringList messages;

    explicit Window(const std::string& ini = {})
    {
        if (!ini.empty())
            fixture.seed("zuk.ini", ini);
        form = &fixture.start();
        files = FileCommands::of(*form);
        files->messageHook = [this](const QString& m) { messages << m; };
    }
    zuk::editor::CdreamEditor& ed() { return form->editor(); }
    zuk::editor::Ted& ted() { return *ed().activeDocument(); }
    QString path(const char* name) const { return fixture.home() + QString::fromUtf8(name); }
    bool open(const char* name, const std::string& bytes)
    {
        fixture.seed(QString::fromUtf8(name), bytes);
        return form->OpenFile(path(name));
    }
    std::string read(const char* name) const { return fixture.read(QString::fromUtf8(name)); }
    QString panel() { return form->mainStatusBar().panel(1); }
    void closeAll()
    {
        ed().SetModified(false);
        form->runCommand(QStringLiteral("mniCloseAll"));
        zuk::test::waitFor([&] { return form->documentCount() == 0; });
    }
};

// Key presses that carry the characters, as a keyboard layout gives them.
void type(zuk::editor::Ted& ted, const QString& text)
{
    ted.control()->setFocus();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(ted.control(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(ted.control(), &release);
    }
}

} // namespace

TEST(UnicodeFiles, OpenShowingTheLettersAndSaveBackByteForByte)
{
    const std::string text = win("Привет, «мир» — ёж\r\nвторая строка\r\n");
    const std::u16string units = u"Привет, «мир» — ёж\r\nвторая строка\r\n";
    const struct {
        const char* name;
        std::string bytes;
        const char* panel;
    } rows[] = {
        {"plain.txt", "Привет, «мир» — ёж\r\nвторая строка\r\n", "Windows · UTF-8"},
        {"bom.txt", "\xEF\xBB\xBFПривет, «мир» — ёж\r\nвторая строка\r\n", "Windows · UTF-8 с BOM"},
        {"le.txt", utf16(units, true), "Windows · UTF-16 LE"},
        {"be.txt", utf16(units, false), "Windows · UTF-16 BE"},
    };
    Window w;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(w.open(row.name, row.bytes));
        EXPECT_EQ(w.ed().GetAllText(), text);
        EXPECT_EQ(w.ed().GetCharset(), "win");
        EXPECT_EQ(w.panel(), QString::fromUtf8(row.panel));
        EXPECT_FALSE(w.ed().GetModified());
        EXPECT_TRUE(w.files->save());
        EXPECT_EQ(w.read(row.name), row.bytes);
    }
    // The panel follows the active document.
    w.form->runCommand(QStringLiteral("mniFileNew"));
    EXPECT_EQ(w.panel(), QStringLiteral("Windows"));
    EXPECT_TRUE(w.messages.isEmpty());
}

TEST(UnicodeFiles, WhatWindows1251LacksOpensRawAndIsToldWhy)
{
    Window w;
    const std::string cjk = "漢字 и мир\r\n";
    ASSERT_TRUE(w.open("cjk.txt", cjk));
    EXPECT_EQ(w.ed().GetAllText(), cjk); // the raw bytes
    EXPECT_EQ(w.ted().fileEncoding(), FileEncoding::CodePage);
    EXPECT_EQ(w.panel(), QStringLiteral("Windows"));
    EXPECT_EQ(w.form->statusBar()->currentMessage(),
              QString::fromUtf8(
                  "Файл в UTF-8 содержит символы вне Windows-1251: открыт без перекодировки"));
    EXPECT_TRUE(w.files->save());
    EXPECT_EQ(w.read("cjk.txt"), cjk);

    // A Windows-1251 file that is valid UTF-8 by accident (ASCII only), and
    // UTF-8 with the setting off, stay code-page files.
    ASSERT_TRUE(w.open("ascii.txt", "plain text\r\n"));
    EXPECT_EQ(w.ted().fileEncoding(), FileEncoding::CodePage);
    w.form->settings().UnicodeOnOpen = false;
    ASSERT_TRUE(w.open("off.txt", "мир\r\n"));
    EXPECT_EQ(w.ed().GetAllText(), "мир\r\n");
    EXPECT_EQ(w.ted().fileEncoding(), FileEncoding::CodePage);
}

TEST(UnicodeFiles, KeepLineBreaksWritesTheFilesBreakEverySave)
{
    const struct {
        const char* name;
        std::string bytes;
        const char* lineBreak;
        bool unicode;
    } rows[] = {
        {"lf.txt", "один\nдва\n", "\n", true},
        {"crlf.txt", "один\r\nдва\r\n", "\r\n", true},
        {"cr.txt", "один\rдва\r", "\r", true},
        {"lf1251.txt", win("один\nдва\n"), "\n", false},
        {"cr1251.txt", win("один\rдва\r"), "\r", false},
    };
    Window keep("[Main]\r\nKeepLineBreaks=1\r\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(keep.open(row.name, row.bytes));
        EXPECT_TRUE(keep.files->save());
        EXPECT_EQ(keep.read(row.name), row.bytes);
        // A line added gets the same break.
        keep.ed().SetAllText(keep.ed().GetAllText() + win("три\r\n"));
        EXPECT_TRUE(keep.files->save());
        EXPECT_EQ(keep.read(row.name),
                  row.bytes + (row.unicode ? "три" : win("три")) + row.lineBreak);
    }
    // Without the setting every line is written with CR LF.
    Window plain;
    ASSERT_TRUE(plain.open("lf.txt", "один\nдва\n"));
    EXPECT_TRUE(plain.files->save());
    EXPECT_EQ(plain.read("lf.txt"), "один\r\nдва\r\n");
}

TEST(UnicodeFiles, TheSaveAsSubmenuChoosesTheNextSavesEncoding)
{
    Window w;
    ASSERT_TRUE(w.open("doc.txt", win("Привет\r\n")));
    EXPECT_EQ(w.panel(), QStringLiteral("Windows"));
    w.form->refillMenu("mniSaveAsEncoding");
    EXPECT_TRUE(w.form->isChecked("mniSaveAsCodePage"));

    const struct {
        const char* command;
        std::string bytes;
        const char* panel;
    } steps[] = {
        {"mniSaveAsUTF8", "Привет\r\n", "Windows · UTF-8"},
        {"mniSaveAsUTF8BOM", "\xEF\xBB\xBFПривет\r\n", "Windows · UTF-8 с BOM"},
        {"mniSaveAsUTF16", utf16(u"Привет\r\n", true), "Windows · UTF-16 LE"},
        {"mniSaveAsCodePage", win("Привет\r\n"), "Windows"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command);
        ASSERT_TRUE(w.form->runCommand(QString::fromLatin1(step.command)));
        EXPECT_TRUE(w.ed().GetModified());
        EXPECT_EQ(w.panel(), QString::fromUtf8(step.panel));
        w.form->refillMenu("mniSaveAsEncoding");
        EXPECT_TRUE(w.form->isChecked(step.command));
        EXPECT_TRUE(w.files->save());
        EXPECT_EQ(w.read("doc.txt"), step.bytes);
    }

    // UTF-16 keeps the byte order the file has; choosing it changes nothing.
    ASSERT_TRUE(w.open("be.txt", utf16(u"мир\r\n", false)));
    w.form->runCommand(QStringLiteral("mniSaveAsUTF16"));
    EXPECT_EQ(w.ted().fileEncoding(), FileEncoding::Utf16Be);
    EXPECT_FALSE(w.ed().GetModified());

    // The document's context menu offers the same.
    w.ted().menuAction(QStringLiteral("mniFileEncodingUTF8BOM"))->trigger();
    EXPECT_EQ(w.ted().fileEncoding(), FileEncoding::Utf8Bom);
    EXPECT_TRUE(w.ed().GetModified());
    // A working code page other than win: its own characters go to the file.
    w.form->runCommand(QStringLiteral("ConvertToEncodingKOI8R"));
    EXPECT_TRUE(w.files->save());
    EXPECT_EQ(w.read("be.txt"), "\xEF\xBB\xBFмир\r\n");
}

TEST(UnicodeFiles, TypingWhatTheCodePageLacksIsToldOnceOnSave)
{
    Window w;
    ASSERT_TRUE(w.open("q.txt", "Что?\r\n"));
    type(w.ted(), QString::fromUtf8("ж漢"));
    EXPECT_TRUE(w.files->save());
    EXPECT_EQ(w.read("q.txt"), "ж?Что?\r\n");
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].contains(QStringLiteral("q.txt")));
    type(w.ted(), QString::fromUtf8("字"));
    EXPECT_TRUE(w.files->save());
    EXPECT_EQ(w.messages.size(), 1);

    // A code-page document has no such question: its '?' are its bytes.
    ASSERT_TRUE(w.open("plain.txt", win("да\r\n")));
    type(w.ted(), QString::fromUtf8("漢"));
    EXPECT_TRUE(w.files->save());
    EXPECT_EQ(w.messages.size(), 1);
}

TEST(UnicodeFiles, EveryWayOfOpeningAndEveryCopyKeepsTheEncoding)
{
    MainFormFixture fixture;
    fixture.seed("zuk.ini", "[Main]\r\nKeepLineBreaks=1\r\ndo_crash_copy=1\r\n"
                            "[OnStart]\r\nLoadLastFiles=1\r\n");
    fixture.seed("docs/start.txt", "старт\n");
    fixture.seed("docs/last.txt", "\xEF\xBB\xBFпрошлый раз\n");
    fixture.seed("Engine/Parts/lastfiles.txt",
                 (fixture.home() + "docs/last.txt\r\n").toStdString());
    auto& form = fixture.start({fixture.home() + "docs/start.txt"});
    form.FormActivate();
    auto* files = FileCommands::of(form);
    ASSERT_EQ(form.documentCount(), 2);
    zuk::editor::CdreamEditor& ed = form.editor();
    EXPECT_EQ(ed.GetAllText(), win("прошлый раз\r\n"));
    EXPECT_EQ(ed.GetFileEncoding(), "utf8-bom");
    EXPECT_EQ(ed.GetAllTextOf(1), win("старт\r\n"));

    // A drop, and the backup copy, the emergency copy and a revert of it.
    fixture.seed("docs/dropped.txt", utf16(u"капля\n", false));
    files->dropFiles({fixture.home() + "docs/dropped.txt"});
    ASSERT_EQ(form.documentCount(), 3);
    EXPECT_EQ(ed.GetAllText(), win("капля\r\n"));
    form.runCommand(QStringLiteral("mniSaveCopy"));
    EXPECT_EQ(fixture.read("docs/dropped.bak"), utf16(u"капля\n", false));
    ed.SetAllText(win("авария\r\n"));
    files->refreshEmergencyTable();
    zuk::app::ui::runEmergencyHookForTest();
    EXPECT_EQ(fixture.read("docs/dropped.avr"), utf16(u"авария\n", false));
    form.runCommand(QStringLiteral("mniRevertToSaved"));
    EXPECT_EQ(ed.GetAllText(), win("капля\r\n"));
    EXPECT_EQ(ed.activeDocument()->fileEncoding(), FileEncoding::Utf16Be);

    // A document restored from a recovery copy is written as its file was.
    zuk::editor::Ted* restored =
        files->openRecovered(fixture.home() + "docs/restored.txt", "win", "", win("назад\r\n"),
                             FileEncoding::Utf8Bom, zuk::codepages::LineBreak::Cr);
    ASSERT_TRUE(restored);
    fixture.seed("docs/restored.txt", "old");
    ASSERT_TRUE(files->save());
    EXPECT_EQ(fixture.read("docs/restored.txt"), "\xEF\xBB\xBFназад\r");
    form.confirmHook = [](const QString&) { return true; };
}
