// The organizer's other windows as a user drives them: the calendar's
// counts, the notepad and the year planner that never lose what they keep,
// the character table typing bytes of the document's code page, the picture
// viewer and the melody commands.

#include "io/safefile.h"
#include "io/tempfolder.h"
#include "organizer/organizertexts.h"
#include "organizer/ui/organizercommands.h"
#include "organizer/ui/tfm_gviewer.h"
#include "organizer/ui/tfmpim.h"
#include "organizer/ui/tfrm_cal.h"
#include "organizer/ui/tfrm_chartable.h"
#include "organizer/ui/tjvyeargrid.h"
#include "organizer/yearfile.h"
#include "support/ui/fakehost.h"
#include "support/ui/mainformfixture.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zuk::organizer;
using namespace zuk::organizer::ui;
using zuk::test::FakeHost;
using zuk::test::waitFor;
using zuk::testing::TempFolder;

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// A host whose parts folder is a temporary folder, with the organizer installed.
struct ToolsFixture {
    TempFolder dir;
    FakeHost host;
    QStringList messages;

    ToolsFixture()
    {
        host.programDir = qs(dir.path());
        host.partsDir = qs(dir.path()) + "Engine/Parts/";
        dir.write("Engine/Parts/.keep", "");
        installOrganizerCommands(host);
    }
    std::string parts(const std::string& name) const { return "Engine/Parts/" + name; }
    TjvYearGrid* planner()
    {
        host.run("mniPIM");
        auto* pim = host.tool<TfmPim>(kPimWindow);
        TjvYearGrid* grid = pim->planner();
        grid->messageHook = [this](const QString& m) { messages << m; };
        return grid;
    }
};

} // namespace

TEST(Calendar, CountsBetweenTheTwoDatesTakenInEitherOrder)
{
    ToolsFixture f;
    f.host.run("mniCalendar");
    auto* cal = f.host.tool<Tfrm_cal>(kCalendarWindow);
    ASSERT_TRUE(cal->isVisible());
    EXPECT_EQ(cal->windowTitle(), "Календарь");
    cal->calendar()->setSelectedDate(QDate(2003, 3, 15));
    cal->takeFirstDate();
    cal->calendar()->setSelectedDate(QDate(2001, 3, 15));
    cal->takeSecondDate();
    cal->compute();
    EXPECT_EQ(cal->output()->toPlainText(), "Разница между датами равна \n"
                                            "в годах:  2\n"
                                            "в месяцах:  24\n"
                                            "в неделях:  104\n"
                                            "в днях:  730\n"
                                            "в часах:  17520\n"
                                            "в минутах:  1051200\n"
                                            "в секундах:  63072000");
    // The dates were exchanged, and their buttons say so.
    EXPECT_LT(cal->firstDate(), cal->secondDate());
    EXPECT_EQ(cal->findChild<QPushButton*>("btFirstDate")->text(), "15.03.2001");

    cal->output()->clear();
    cal->miscInfo();
    EXPECT_TRUE(cal->output()->toPlainText().startsWith(
        "Разница между гринвичским временем и текущим, в ЧЧММ:  "));
    EXPECT_TRUE(cal->output()->toPlainText().contains(':'));
}

TEST(Notepad, IsWrittenSoonAfterAChangeAndNeverWhenUnchanged)
{
    ToolsFixture f;
    const std::string older = "\xC7\xE0\xEC\xE5\xF2\xEA\xE0\nwith a lone LF"; // Windows-1251
    f.dir.write(f.parts("pimtext.txt"), older);
    {
        f.host.run("mniPIM");
        auto* pim = f.host.tool<TfmPim>(kPimWindow);
        EXPECT_EQ(pim->windowTitle(), "ПИМ");
        EXPECT_EQ(pim->notepad()->toPlainText(), "Заметка\nwith a lone LF");
        pim->flush();
        delete pim;
    }
    EXPECT_EQ(f.dir.read(f.parts("pimtext.txt")), older);

    auto* pim = f.host.tool<TfmPim>(kPimWindow);
    ASSERT_NE(pim, nullptr);
    pim->notepad()->moveCursor(QTextCursor::End);
    QTest::keyClicks(pim->notepad(), "!");
    ASSERT_TRUE(waitFor(
        [&] { return f.dir.read(f.parts("pimtext.txt")) == "Заметка\r\nwith a lone LF!"; }, 4000));
}

TEST(YearPlanner, OpensOnTheCurrentYearAndDrawsByTheRules)
{
    ToolsFixture f;
    TjvYearGrid* grid = f.planner();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(grid->year(), today.year());
    const int column = grid->grid().columnOf(today.month(), today.day());
    EXPECT_TRUE(grid->isToday(today.month(), column));
    EXPECT_EQ(grid->backgroundAt(today.month(), column), QColor(Qt::red));
    EXPECT_EQ(grid->backgroundAt(3, 0), QColor(0xFF, 0xF5, 0xEE)); // BorderColor
    EXPECT_EQ(grid->backgroundAt(0, 3), QColor(0xFF, 0xF5, 0xEE));
    EXPECT_EQ(grid->backgroundAt(0, 1), QColor(0xC0, 0xC0, 0xC0)); // Sunday, silver
    EXPECT_EQ(grid->backgroundAt(5, 7), QColor(0xC0, 0xC0, 0xC0)); // Saturday
    EXPECT_EQ(grid->backgroundAt(5, 4), QColor(Qt::white));

    // Today's hint says so; a cell without a note has none.
    grid->setCurrentCell(today.month(), column);
    grid->editHook = [](const QString&) { return QString("сегодня"); };
    grid->editNote();
    EXPECT_EQ(grid->hintAt(today.month(), column), "Today сегодня");
    EXPECT_EQ(grid->hintAt(today.month(), column == 1 ? 2 : 1), "");
    // Not a day: the day items are off.
    grid->prepareMenu(0, 5);
    for (QAction* a : grid->menu()->actions()) {
        if (a->objectName() == "mniEdit" || a->objectName() == "mniPaste") {
            EXPECT_FALSE(a->isEnabled());
        }
    }
}

TEST(YearPlanner, NotesComeBackExactlyAndADamagedYearIsKeptAsItIs)
{
    ToolsFixture f;
    const std::string damaged = "2001,,clWhite,clWhite,false\r\nnot a year file\r\n";
    f.dir.write(f.parts("year2001.csv"), damaged);
    TjvYearGrid* grid = f.planner();

    f.host.promptAnswers = {QString("2001")};
    grid->askYear();
    EXPECT_EQ(grid->year(), 2001);
    EXPECT_TRUE(grid->readOnly());
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].contains("year2001.csv")) << f.messages[0].toStdString();
    grid->setCurrentCell(1, grid->grid().columnOf(1, 10));
    bool asked = false;
    grid->editHook = [&](const QString&) {
        asked = true;
        return QString("lost?");
    };
    grid->editNote();
    grid->pasteNote();
    EXPECT_FALSE(asked);
    f.host.promptAnswers = {QString("abc"), QString("1998"), QString(" 2002 ")};
    grid->askYear();
    EXPECT_EQ(f.messages.back(), "invalid year");
    grid->askYear();
    EXPECT_EQ(grid->year(), 2001);
    grid->askYear();
    EXPECT_EQ(grid->year(), 2002);
    EXPECT_EQ(f.dir.read(f.parts("year2001.csv")), damaged);

    // A note with every awkward character, then another year shown: written.
    const int row = 5, column = grid->grid().columnOf(5, 9);
    grid->setCurrentCell(row, column);
    const QString note = "a || b\nline, with \"quote\" | and\r\nend";
    grid->editHook = [&](const QString&) { return note; };
    grid->editNote();
    EXPECT_EQ(grid->backgroundAt(row, column), QColor(206, 250, 253));
    f.host.promptAnswers = {QString("2003")};
    grid->askYear();
    f.host.promptAnswers = {QString("2002")};
    grid->askYear();
    EXPECT_EQ(qs(grid->grid().cell(row, column).Info),
              "a || b\r\nline, with \"quote\" | and\r\nend");
    EXPECT_EQ(grid->hintAt(row, column), "a || b\nline, with \"quote\" | and\nend");

    // Cut, paste and delete touch only the note.
    grid->cutNote();
    EXPECT_EQ(QApplication::clipboard()->text(), "a || b\nline, with \"quote\" | and\nend");
    EXPECT_TRUE(grid->grid().cell(row, column).Info.empty());
    EXPECT_TRUE(grid->grid().cell(row, column).HasCustomColor);
    grid->pasteNote();
    grid->flush();
    const YearGrid back =
        readYearFile(f.dir.read(f.parts("year2002.csv")), 2002, systemYearNames());
    EXPECT_EQ(back.cell(row, column).Info, grid->grid().cell(row, column).Info);
}

TEST(YearPlanner, FindMarksTheNotesAndThePageListsThem)
{
    ToolsFixture f;
    TjvYearGrid* grid = f.planner();
    f.host.promptAnswers = {QString("2002")};
    grid->askYear();
    const YearGrid& g = grid->grid();
    grid->setCurrentCell(1, g.columnOf(1, 15));
    grid->editHook = [](const QString&) { return QString("Встреча <R&D>"); };
    grid->editNote();
    grid->setCurrentCell(2, g.columnOf(2, 1));
    grid->editHook = [](const QString&) { return QString("обед"); };
    grid->editNote();

    f.host.promptAnswers = {QString("ВСТРЕЧА")};
    grid->askFind();
    EXPECT_TRUE(g.cell(1, g.columnOf(1, 15)).Found);
    EXPECT_FALSE(g.cell(2, g.columnOf(2, 1)).Found);
    EXPECT_EQ(grid->backgroundAt(1, g.columnOf(1, 15)), QColor(Qt::yellow));

    QStringList opened;
    grid->openPageHook = [&](const QString& path) { opened << path; };
    grid->saveYearPage(false);
    grid->saveYearPage(true);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].endsWith("/year2002.htm"));
    EXPECT_TRUE(opened[1].endsWith("/Foundyear2002.htm"));
    const std::string all = f.dir.read(f.parts("year2002.htm"));
    EXPECT_NE(all.find("&lt;R&amp;D&gt;"), std::string::npos);
    EXPECT_NE(all.find("<meta charset=windows-1251>"), std::string::npos);
    const std::string found = f.dir.read(f.parts("Foundyear2002.htm"));
    EXPECT_NE(found.find("R&amp;D"), std::string::npos);
    EXPECT_EQ(found.find("\xEE\xE1\xE5\xE4"), std::string::npos); // "обед" in Windows-1251

    grid->clearFind();
    EXPECT_FALSE(g.cell(1, g.columnOf(1, 15)).Found);
}

TEST(CharTable, TypesTheByteOfTheDocumentsCodePageButNeverNul)
{
    ToolsFixture f;
    f.host.ved.charset = "koi";
    f.host.ved.text = "ab";
    f.host.ved.select(1, 1);
    ASSERT_TRUE(f.host.run("mniCharTable"));
    auto* table = f.host.tool<Tfrm_CharTable>(kCharTableWindow);
    EXPECT_EQ(table->codePage(), zuk::codepages::CodePage::Koi);
    EXPECT_EQ(table->shownChar(0xF1), "Я");
    EXPECT_EQ(table->shownChar(0xC1), "а");

    table->chooseCode(0xF1);
    EXPECT_EQ(f.host.ved.text, "a\xF1"
                               "b");
    EXPECT_EQ(table->codeField()->text(), "241");
    EXPECT_EQ(table->sample()->text(), "Я");
    table->chooseCode(0);
    EXPECT_EQ(f.host.ved.text, "a\xF1"
                               "b");
    EXPECT_EQ(table->codeField()->text(), "0");

    // The document went over to Windows-1251 while the table showed KOI8-R:
    // the character clicked is typed, in the document's own byte.
    f.host.ved.charset = "win";
    table->chooseCode(0xF1);
    EXPECT_EQ(f.host.ved.text, "a\xF1\xDF"
                               "b");
    EXPECT_EQ(table->codePage(), zuk::codepages::CodePage::Win);

    table->chooseCode(0xC0);
    table->copyChar();
    EXPECT_EQ(QApplication::clipboard()->text(), "А");
    EXPECT_EQ(table->codeField()->text(), "А");
    table->codeField()->setText("192");
    table->copyCode();
    EXPECT_EQ(QApplication::clipboard()->text(), "192");

    // Without a document the command does nothing.
    f.host.ved.open = false;
    EXPECT_FALSE(f.host.run("mniCharTable"));
}

TEST(PictureViewer, ShowsPicturesOfEveryKindWithinTheScreen)
{
    ToolsFixture f;
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString png = qs(f.dir.file("a.png"));
    ASSERT_TRUE(picture.save(png));
    ASSERT_TRUE(openPicture(f.host, png));
    auto* viewer = f.host.tool<Tfm_GViewer>(kViewerWindow);
    viewer->messageHook = [&](const QString& m) { f.messages << m; };
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), "640x480");
    EXPECT_EQ(viewer->pictureSize(), QSize(640, 480));

    // Fitted to the window: the caption follows every new size.
    viewer->setStretched(true);
    viewer->resize(330, 300);
    ASSERT_TRUE(waitFor([&] { return viewer->windowTitle() != "640x480"; }));
    EXPECT_EQ(viewer->windowTitle(),
              QString("%1x%2").arg(viewer->shownSize().width()).arg(viewer->shownSize().height()));
    EXPECT_LE(viewer->shownSize().width(), 330);
    viewer->setStretched(false);
    EXPECT_EQ(viewer->windowTitle(), "640x480");

    // Never larger than the screen's free area.
    QImage huge(6000, 5000, QImage::Format_RGB32);
    huge.fill(Qt::blue);
    const QString big = qs(f.dir.file("big.bmp"));
    ASSERT_TRUE(huge.save(big));
    ASSERT_TRUE(openPicture(f.host, big));
    const QRect area = viewer->screen()->availableGeometry();
    EXPECT_LE(viewer->width(), area.width());
    EXPECT_LE(viewer->height(), area.height());
    EXPECT_EQ(viewer->windowTitle(), "6000x5000");

    // MNG and JNG through the MNG reader, animations included.
    const QString data = QStringLiteral(ZUK_SOURCE_DIR) + "/tests/data/organizer/";
    for (const char* name : {"still.mng", "still.jng", "animated.mng"}) {
        EXPECT_TRUE(openPicture(f.host, data + name)) << name;
        EXPECT_EQ(viewer->pictureSize(), QSize(12, 8)) << name;
    }

    // A file that is no picture is ignored; a broken picture leaves the window.
    EXPECT_FALSE(openPicture(f.host, qs(f.dir.file("notes.txt"))));
    f.dir.write("broken.png", "not a png");
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join('|').toStdString();
    EXPECT_FALSE(openPicture(f.host, qs(f.dir.file("broken.png"))));
    EXPECT_EQ(f.messages.size(), 1);
    EXPECT_EQ(viewer->pictureSize(), QSize(12, 8));
}

TEST(Melody, PlayingReturnsAtOnceAndCanBeStopped)
{
    ToolsFixture f;
    f.host.ved.text = "CDE 123 " + std::string(100000, 'C'); // hours of notes
    ASSERT_TRUE(f.host.run("mniPlayText"));
    ASSERT_EQ(f.host.statuses.size(), 1);
    const QString said = f.host.statuses[0];
    EXPECT_TRUE(said == "Играет мелодия: нот 100006" || said == "Нет устройства вывода звука")
        << said.toStdString();
    ASSERT_TRUE(f.host.run("mniStopMelody"));
    f.host.ved.text = "xyz 0 9 jkl";
    f.host.run("mniPlayText");
    EXPECT_EQ(f.host.statuses.back(), "В тексте нет нот");
}
