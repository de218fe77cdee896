// The hex editor window as a user drives it: opening, typing into both
// areas, undo, markers, the options window, saving, and the questions
// before unsaved changes could be lost.

#include "hexedit/hexdocument.h"
#include "hexedit/ui/hexeditcommands.h"
#include "hexedit/ui/tfmhexedit.h"
#include "hexedit/ui/tfmhexedoptz.h"
#include "hexedit/ui/thexeditor.h"
#include "io/faultloop.h"
#include "io/tempfolder.h"
#include "support/ui/fakehost.h"
#include "support/ui/mainformfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace zuk::hexedit;
using namespace zuk::hexedit::ui;
using zuk::test::FakeHost;
using zuk::testing::TempFolder;

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// A host with the hex editor installed, its window made, and every box
// answered: messages are collected, questions answered from `answer`.
struct HexFixture {
    FakeHost host;
    TempFolder dir;
    QStringList messages;
    QStringList questions;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    Tfmhexedit* window = nullptr;

    HexFixture()
    {
        installHexEditCommands(host);
        host.run("mniHEXeditor");
        window = dynamic_cast<Tfmhexedit*>(host.existingToolWindow(kHexEditWindow));
        window->resize(900, 500);
        window->messageHook = [this](const QString& m) { messages << m; };
        window->questionHook = [this](const QString& q) {
            questions << q;
            return answer == QMessageBox::Yes;
        };
        window->saveChangesHook = [this](const QString& q) {
            questions << q;
            return answer;
        };
    }
    QString file(const std::string& name, const std::string& bytes)
    {
        zuk::testing::seedFile(dir.file(name), bytes);
        return qs(dir.file(name));
    }
    // Each character as a key press carrying it as text (QTest knows Latin keys only).
    void type(const QString& keys)
    {
        for (QChar c : keys) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(window->view(), &press);
        }
    }
};

} // namespace

TEST(HexEditorWindow, TypingInTheHexAreaAndTheCharacterAreaOverwritesBytes)
{
    HexFixture f;
    EXPECT_EQ(f.window->windowTitle(), "HEX editor");
    ASSERT_TRUE(f.window->openFile(f.file("a.bin", std::string("\x00\x01\x1F xyz", 7))));
    EXPECT_EQ(f.window->windowTitle(), qs(f.dir.file("a.bin")));
    THexEditor* view = f.window->view();
    EXPECT_EQ(view->rowText(0), "00: 0001 1F20 7879 7A" + QString(24, ' ') + "... xyz");

    f.type("41");
    EXPECT_EQ(f.window->document()->byteAt(0), 0x41);
    EXPECT_EQ(view->caret(), 1u);
    EXPECT_TRUE(view->rowText(0).endsWith("A.. xyz"));
    f.type("g!"); // not hexadecimal digits: ignored
    EXPECT_EQ(view->caret(), 1u);
    f.type("fF");
    EXPECT_EQ(f.window->document()->byteAt(1), 0xFF);

    // Tab to the characters: a typed letter is converted back by the table.
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_EQ(view->area(), HexArea::Chars);
    f.type(QStringLiteral("Я"));
    EXPECT_EQ(f.window->document()->byteAt(2), 0xDF);
    f.window->setTranslation(Translation::Dos8);
    f.type(QStringLiteral("Я"));
    EXPECT_EQ(f.window->document()->byteAt(3), 0x9F);
    EXPECT_EQ(f.host.record.HexEdit.Translation, "ttDos8");
    EXPECT_EQ(f.window->document()->changedCount(), 4u);

    // Ctrl+Z takes back one step: the two digits of a byte together.
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.window->document()->changedCount(), 1u);
    EXPECT_EQ(view->caret(), 1u);

    // Typing the last byte's digits leaves the caret there; the size stays.
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Tab);
    f.type("0000");
    EXPECT_EQ(view->caret(), 6u);
    EXPECT_EQ(f.window->document()->byteAt(6), 0x00);
    EXPECT_EQ(f.window->document()->size(), 7u);
}

TEST(HexEditorWindow, AnEmptyFileShowsNothingAndTakesNoTyping)
{
    HexFixture f;
    ASSERT_TRUE(f.window->openFile(f.file("empty.bin", "")));
    f.type("41");
    QTest::keyClick(f.window->view(), Qt::Key_Tab);
    f.type("A");
    QTest::keyClick(f.window->view(), Qt::Key_End, Qt::ControlModifier);
    f.window->view()->viewport()->grab();
    EXPECT_EQ(f.window->view()->lastPaintedRows(), 0);
    EXPECT_FALSE(f.window->document()->modified());
    EXPECT_EQ(f.window->view()->rowText(0), "");
    EXPECT_TRUE(f.window->save());
    EXPECT_EQ(f.dir.read("empty.bin"), "");
}

TEST(HexEditorWindow, AFailedOpenChangesNeitherTheNameNorTheCaption)
{
    HexFixture f;
    ASSERT_TRUE(f.window->openFile(f.file("a.bin", "abc")));
    f.type("7A");
    EXPECT_FALSE(f.window->openFile(qs(f.dir.file("missing.bin"))));
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].contains("missing.bin"));
    EXPECT_TRUE(f.questions.isEmpty()); // nothing to ask about: the file was never there
    EXPECT_EQ(f.window->windowTitle(), qs(f.dir.file("a.bin")));
    EXPECT_EQ(f.window->fileName(), qs(f.dir.file("a.bin")));
    // Save still writes the open file, and only it.
    EXPECT_TRUE(f.window->save());
    EXPECT_EQ(f.dir.read("a.bin"), "zbc");
    EXPECT_EQ(f.dir.entryCount(), 1u);
}

TEST(HexEditorWindow, UnsavedChangesAreAskedAboutBeforeAnotherFileOrClosing)
{
    HexFixture f;
    const QString a = f.file("a.bin", "aaaa");
    const QString b = f.file("b.bin", "bbbb");
    ASSERT_TRUE(f.window->openFile(a));
    f.type("00");
    f.answer = QMessageBox::Cancel;
    EXPECT_FALSE(f.window->openFile(b));
    EXPECT_EQ(f.questions.size(), 1);
    EXPECT_EQ(f.window->fileName(), a);
    EXPECT_FALSE(f.window->close());
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_TRUE(f.window->document()->modified());

    f.answer = QMessageBox::Yes; // saved first
    EXPECT_TRUE(f.window->openFile(b));
    EXPECT_EQ(f.dir.read("a.bin"), std::string("\0aaa", 4));
    EXPECT_EQ(f.window->fileName(), b);

    // The same file again, saved first: it shows what was saved.
    f.type("22");
    EXPECT_TRUE(f.window->openFile(b));
    EXPECT_EQ(f.window->document()->byteAt(0), 0x22);
    EXPECT_FALSE(f.window->document()->modified());

    f.type("11");
    f.answer = QMessageBox::No; // dropped
    EXPECT_TRUE(f.window->close());
    EXPECT_EQ(f.dir.read("b.bin"), "\x22"
                                   "bbb");
    EXPECT_EQ(f.window->document(), nullptr);
    EXPECT_EQ(f.window->windowTitle(), "HEX editor");
}

TEST(HexEditorWindow, SaveAsThenSaveWritesTheNewNameAndAFileChangedOnDiskIsAsked)
{
    HexFixture f;
    const QString a = f.file("a.bin", "0123");
    ASSERT_TRUE(f.window->openFile(a));
    f.type("FF");
    f.window->saveDialogHook = [&f] { return qs(f.dir.file("b.bin")); };
    f.window->findChild<QAction*>("mniSaveAs")->trigger();
    EXPECT_EQ(f.window->windowTitle(), qs(f.dir.file("b.bin")));
    f.type("EE");
    f.window->findChild<QAction*>("mniFileSave")->trigger();
    EXPECT_EQ(f.dir.read("a.bin"), "0123");
    EXPECT_EQ(f.dir.read("b.bin"), "\xFF\xEE"
                                   "23");

    // Someone else puts another file under the name: the save asks, and No
    // keeps theirs; Yes writes what this window shows.
    f.type("DD");
    zuk::io::writeFileAtomically(f.dir.file("b.bin"), "theirs");
    f.answer = QMessageBox::No;
    EXPECT_FALSE(f.window->save());
    EXPECT_EQ(f.questions.size(), 1);
    EXPECT_EQ(f.dir.read("b.bin"), "theirs");
    EXPECT_TRUE(f.window->document()->modified());
    f.answer = QMessageBox::Yes;
    EXPECT_TRUE(f.window->save());
    EXPECT_EQ(f.dir.read("b.bin"), "\xFF\xEE\xDD"
                                   "3");

    // Someone rewrites the open file itself: the bytes not changed here are
    // theirs now, the changed ones go into them, the size stays.
    f.type("CC");
    zuk::testing::seedFile(f.dir.file("b.bin"), "wxyz, longer");
    EXPECT_TRUE(f.window->save());
    ASSERT_EQ(f.questions.size(), 3);
    EXPECT_TRUE(f.questions[2].contains(QStringLiteral("переписан другой программой")));
    EXPECT_EQ(f.dir.read("b.bin"), "wxy\xCC");
}

TEST(HexEditorWindow, ABackupIsMadeWhenTheSettingsAskForIt)
{
    HexFixture f;
    f.host.record.HexEdit.CreateBackup = true;
    f.host.record.HexEdit.BackupExtension = ".old";
    ASSERT_TRUE(f.window->openFile(f.file("data.bin", "xyz")));
    f.type("41");
    ASSERT_TRUE(f.window->save());
    EXPECT_EQ(f.dir.read("data.old"), "xyz");
    EXPECT_EQ(f.dir.read("data.bin"), "Ayz");
}

TEST(HexEditorWindow, TheOptionsWindowRefusesBadWidthsAndAppliesGoodOnes)
{
    HexFixture f;
    ASSERT_TRUE(f.window->openFile(f.file("a.bin", std::string(40, 'q'))));
    f.window->findChild<QAction*>("mniOptions")->trigger();
    Tfmhexedoptz* options = f.window->optionsWindow();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowTitle(), "HEX Editor optz");
    EXPECT_EQ(options->translationBox()->currentText(), "Ansi");
    EXPECT_EQ(options->bytesPerColumnEdit()->text(), "2");
    EXPECT_EQ(options->bytesPerLineEdit()->text(), "16");
    const QString row1 = f.window->view()->rowText(1);

    struct Case {
        const char* column;
        const char* line;
        const char* message; // empty: applied without a word
    };
    const Case refused[] = {
        {"0", "", "Invalid BytesPerColumn argument"},
        {"", "0", "Invalid BytesPerLine argument"},
        {"", "257", "Invalid BytesPerLine argument"},
        {"abc", "", "«abc» не является целым числом"},
        {"", "", ""}, // empty fields are not applied
    };
    for (const Case& c : refused) {
        f.messages.clear();
        options->bytesPerColumnEdit()->setText(c.column);
        options->bytesPerLineEdit()->setText(c.line);
        options->applyBytesPerColumn();
        options->applyBytesPerLine();
        EXPECT_EQ(f.messages.join('|'), QString::fromUtf8(c.message)) << c.column << c.line;
        EXPECT_EQ(f.window->view()->rowText(1), row1);
        EXPECT_EQ(f.host.record.HexEdit.BytesPerLine, 16);
        EXPECT_EQ(f.host.record.HexEdit.BytesPerColumn, 2);
    }
    options->bytesPerLineEdit()->setText("8");
    options->bytesPerColumnEdit()->setText("4");
    options->applyBytesPerLine();
    options->applyBytesPerColumn();
    EXPECT_TRUE(f.messages.isEmpty());
    EXPECT_EQ(f.window->view()->rowText(1), "08: 71717171 71717171  qqqqqqqq");
    EXPECT_EQ(f.host.record.HexEdit.BytesPerLine, 8);
    options->translationBox()->setCurrentIndex(4);
    EXPECT_EQ(f.host.record.HexEdit.Translation, "ttEBCDIC");

    // The options go with the window.
    QPointer<Tfmhexedoptz> gone(options);
    f.window->close();
    EXPECT_TRUE(gone.isNull());
}

TEST(HexEditorWindow, MarkersAndGoToOffsetMoveTheCaret)
{
    HexFixture f;
    ASSERT_TRUE(f.window->openFile(f.file("a.bin", std::string(4096, 'm'))));
    f.host.promptAnswers = {QString("0x100"), QString("fff"), QString("1000"), QString("zz")};
    f.window->findChild<QAction*>("mniGotoOffset")->trigger();
    EXPECT_EQ(f.window->view()->caret(), 0x100u);
    f.window->setMarker(3);
    f.window->findChild<QAction*>("mniGotoOffset")->trigger();
    EXPECT_EQ(f.window->view()->caret(), 0xFFFu);
    f.window->gotoMarker(3);
    EXPECT_EQ(f.window->view()->caret(), 0x100u);
    f.window->findChild<QAction*>("mniGotoOffset")->trigger(); // past the end
    f.window->findChild<QAction*>("mniGotoOffset")->trigger(); // no number
    f.window->gotoMarker(5);
    f.window->setMarker(-1);
    EXPECT_EQ(f.messages,
              (QStringList{"Смещение 1000 за концом файла", "«zz» не является смещением",
                           "Метка 5 не поставлена", "SetMarker : Invalid marker index"}));
    EXPECT_EQ(f.window->view()->caret(), 0x100u);
}

TEST(HexEditorWindow, AHugeFileOpensAtOnceAndPaintsOnlyWhatIsInView)
{
    HexFixture f;
    const std::string path = f.dir.file("huge.bin");
    const std::uint64_t size = 6ull << 30; // sparse
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
    ::close(fd);
    ASSERT_TRUE(f.window->openFile(qs(path)));
    f.window->show();
    THexEditor* view = f.window->view();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->caret(), size - 1);
    EXPECT_EQ(view->topRow() + static_cast<std::uint64_t>(view->pageRows()), size / 16);
    view->viewport()->grab();
    EXPECT_GT(view->lastPaintedRows(), 0);
    EXPECT_LE(view->lastPaintedRows(), view->pageRows() + 1);
    EXPECT_TRUE(view->rowText(size / 16 - 1).startsWith("17FFFFFF0: 0000"));
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->topRow(), 0u);
}

TEST(HexEditorWindow, QuittingTheProgramWithUnsavedChangesAsksFirst)
{
    zuk::test::MainFormFixture fixture;
    auto& form = fixture.start();
    TempFolder dir;
    zuk::testing::seedFile(dir.file("a.bin"), "abc");
    ASSERT_TRUE(openInHexEditor(form, qs(dir.file("a.bin"))));
    auto* window = dynamic_cast<Tfmhexedit*>(form.existingToolWindow(kHexEditWindow));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClicks(window->view(), "00");
    int asked = 0;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    window->saveChangesHook = [&](const QString&) {
        ++asked;
        return answer;
    };
    EXPECT_FALSE(form.close());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form.isVisible());
    answer = QMessageBox::Yes;
    EXPECT_TRUE(form.close());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dir.read("a.bin"), std::string("\0bc", 3));
}
