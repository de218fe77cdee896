// The HTML menu's handlers on a host without a window: the tag pairs, the
// colour commands, the dialogs of text to HTML, tag clean-up, table wizard
// and gradient driven as a user would, the analyses into the console, and
// the captions in the interface language.

#include "app/languagefile.h"
#include "html/ui/colourpickers.h"
#include "html/ui/htmlcommands.h"
#include "html/ui/htmltestsupport.h"
#include "html/ui/tfmgradtextopts.h"
#include "html/ui/tfmhtmlcleanup.h"
#include "html/ui/tfmtext2html.h"
#include "html/ui/ttablewizard.h"
#include "support/ui/fakehost.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuk::html::ui;
using zuk::test::FakeHost;
using zuk::test::onModal;

namespace {

// A host with the HTML commands over a temporary parts folder and a document.
struct Html {
    Html()
    {
        host.partsDir = dir.path() + "/";
        installHtmlCommands(host);
        host.ved.text = "";
    }
    void write(const QString& relative, const std::string& bytes)
    {
        QDir().mkpath(QFileInfo(host.partsDir + relative).absolutePath());
        QFile f(host.partsDir + relative);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string read(const QString& relative)
    {
        QFile f(host.partsDir + relative);
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }
    void text(const std::string& t, const std::string& selected = {})
    {
        host.ved.text = t;
        host.ved.select(0, 0);
        if (!selected.empty())
            host.ved.selectText(selected);
    }
    QTemporaryDir dir;
    FakeHost host;
};

void click(QWidget* dialog, const char* name)
{
    auto* b = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

} // namespace

TEST(HtmlTagCommands, WrapTheSelectionOrTheTextOrInsertTheEmptyForm)
{
    struct Case {
        const char* command;
        std::string text, selected, result;
    };
    const Case cases[] = {
        {"mniLink", "go home now", "home", "go <a href=\"\">home</a> now"},
        {"mniLink", "ab", "", "<a href=\"\"></a>ab"},
        {"H31", "Title", "Title", "<H3>Title</H3>"},
        {"H62", "", "", "<H6></H6>"},
        {"mniComment", "x", "x", "<!-- x -->"},
        {"mniComment", "", "", "<!--  -->"},
        {"mniBold", "a b", "b", "a <b>b</b>"},
        {"mniLi", "", "", "<li></li>"},
        {"mniBR", "ab", "", "<br>ab"},
        // Text-wrapping: without a selection the whole document is wrapped.
        {"mniWebFont", "one\r\ntwo", "", "<font size=\"\" color=\"\">one\r\ntwo\r\n</font>"},
        {"mniWebFont", "", "", "<font size=\"\" color=\"\"> </font>"},
        {"mniACenter", "a b c", "b", "a <div align=\"center\">b</div> c"},
        {"mniALeft", "", "", "<div align=\"left\"></div>"},
        {"mniARight", "x", "", "<div align=\"right\">x\r\n</div>"},
    };
    for (const Case& c : cases) {
        Html h;
        h.text(c.text, c.selected);
        ASSERT_TRUE(h.host.run(c.command)) << c.command;
        EXPECT_EQ(h.host.ved.text, c.result) << c.command << " on " << c.text;
    }
    Html h;
    EXPECT_TRUE(h.host.unknownCommands.isEmpty());
}

TEST(HtmlColourCommands, PickersWriteTheirColours)
{
    Html h;
    // Colouring needs a selection: without one the command does not run.
    h.text("red text");
    EXPECT_FALSE(h.host.run("mniColorizeText"));
    EXPECT_FALSE(h.host.run("mnitextGradient"));

    h.text("red text", "red");
    auto pick = onModal<TWebSafePicker>([](TWebSafePicker* p) {
        p->grid()->setCurrent(p->grid()->indexOf(QColor(0xFF, 0x33, 0x00)));
        click(p, "btOK");
    });
    ASSERT_TRUE(h.host.run("mniColorizeText"));
    EXPECT_EQ(h.host.ved.text, "<font color=\"#FF3300\">red</font> text");

    h.text("");
    auto safe = onModal<TWebSafePicker>([](TWebSafePicker* p) {
        p->grid()->setCurrent(p->grid()->indexOf(QColor(0x00, 0x66, 0xCC)));
        click(p, "btOK");
    });
    h.host.run("mniSafepal");
    EXPECT_EQ(h.host.ved.text, "#0066CC");

    // The standard palette writes RRGGBB and keeps the custom colours.
    h.text("");
    QColorDialog::setCustomColor(1, QColor(1, 2, 3));
    auto standard = onModal<QColorDialog>([](QColorDialog* d) {
        d->setCurrentColor(QColor(0x12, 0x34, 0x56));
        d->accept();
    });
    h.host.run("mniStdPalette");
    EXPECT_EQ(h.host.ved.text, "123456");
    EXPECT_NE(h.read("stdpickercolors.txt").find("ColorB=030201\r\n"), std::string::npos);
}

TEST(HtmlColourCommands, CustomColoursAreReadAtStartUp)
{
    Html h;
    h.write("stdpickercolors.txt", "ColorA=0000FF\r\nColorP=00ff00\r\nbad line\r\n");
    htmlStartup(h.host);
    EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0));
    EXPECT_EQ(QColorDialog::customColor(15), QColor(0, 255, 0));
}

TEST(TextToHtmlCommand, ConvertsWithTheDialogsOptions)
{
    Html h;
    h.write("paracss/nice.css", "<style>\r\n.nice { color: red }\r\n</style>\r\n");
    h.text("a\r\n\r\nb");
    auto answer = onModal<TfmText2HTML>([](TfmText2HTML* d) {
        d->cssFileField()->setText("nice.css"); // loads it
        d->findChild<QCheckBox*>("cbenclose_para_with_p")->setChecked(true);
        d->findChild<QCheckBox*>("cbUseCSSStyle")->setChecked(true);
        d->findChild<QLineEdit*>("edBackCOlor")->setText("00ff00");
        d->findChild<QLineEdit*>("edLeftMargin")->setText("10");
        click(d, "btOK");
    });
    ASSERT_TRUE(h.host.run("mniText2HTML"));
    EXPECT_EQ(h.host.ved.text, "<html>\r\n<head>\r\n<style>\r\n.nice { color: red }\r\n</style>\r\n"
                               "\r\n<title>Untitled</title>\r\n</head>\r\n"
                               "<body bgcolor=\"#00FF00\" leftmargin=\"10\">\r\n\r\n"
                               "<p class=\"nice\">a</p>\r\n<br>\r\n<p class=\"nice\">b</p>\r\n"
                               "\r\n</body></html>");
}

TEST(TextToHtmlCommand, ARefusedColourKeepsTheDialogAndCancelChangesNothing)
{
    Html h;
    h.text("x");
    bool stayed = false;
    auto answer = onModal<TfmText2HTML>([&](TfmText2HTML* d) {
        d->findChild<QLineEdit*>("edForeColor")->setText("red");
        click(d, "btOK");
        stayed = d->isVisible();
        click(d, "btCancel");
    });
    h.host.run("mniText2HTML");
    EXPECT_TRUE(stayed);
    ASSERT_EQ(h.host.notes.size(), 1);
    EXPECT_TRUE(h.host.notes[0].contains("red"));
    EXPECT_EQ(h.host.ved.text, "x");
}

TEST(TextToHtmlCommand, StyleSheetsAreSavedInTheirFolder)
{
    Html h;
    h.text("x");
    const QString target = h.host.partsDir + "paracss/mine.css";
    auto answer = onModal<TfmText2HTML>([&](TfmText2HTML* d) {
        d->findChild<QPlainTextEdit*>("memoCSS")->setPlainText(".mine {}");
        auto save =
            onModal<QFileDialog>([&](QFileDialog* f) { zuk::test::chooseInFileDialog(f, target); });
        click(d, "btSaveCSSStyle");
        click(d, "btCancel");
    });
    h.host.run("mniText2HTML");
    EXPECT_EQ(h.read("paracss/mine.css"), ".mine {}\r\n");
}

TEST(TagCleanUpCommand, PresetsLoadSaveAndRemoveTheListedTags)
{
    Html h;
    h.write("cleanup/font", "FONT\r\n/FONT\r\n");
    h.write("cleanup/bold", "B\r\n/B\r\n");
    h.text("<b><font color=red>x</font></b>");
    QStringList listed;
    auto answer = onModal<TfmHTMLCleanUpoptsions>([&](TfmHTMLCleanUpoptsions* d) {
        for (int i = 0; i < d->presets()->count(); ++i)
            listed << d->presets()->itemText(i);
        d->presets()->setCurrentIndex(1);
        emit d->presets()->activated(1);
        auto save = onModal<QFileDialog>([&](QFileDialog* f) {
            zuk::test::chooseInFileDialog(f, h.host.partsDir + "cleanup/copy");
        });
        click(d, "btSaveMemoTags");
        listed << QString::number(d->presets()->count());
        click(d, "btOK");
    });
    ASSERT_TRUE(h.host.run("mniHTMLCleanUp"));
    EXPECT_EQ(listed, (QStringList{"bold", "font", "3"}));
    EXPECT_EQ(h.host.ved.text, "<b>x</b>");
    EXPECT_EQ(h.read("cleanup/copy"), "FONT\r\n/FONT\r\n");

    // An empty list leaves the text as it was.
    auto empty =
        onModal<TfmHTMLCleanUpoptsions>([](TfmHTMLCleanUpoptsions* d) { click(d, "btOK"); });
    h.host.run("mniHTMLCleanUp");
    EXPECT_EQ(h.host.ved.text, "<b>x</b>");
    EXPECT_EQ(h.host.ved.undoSteps(), 1);
}

TEST(HtmlAnalysisCommands, LinksAndWeightGoToTheConsole)
{
    Html h;
    h.text("<a href=\"p.htm\">1</a> <A HREF='x.htm'>2</a> <img src=\"pic.gif\">");
    ASSERT_TRUE(h.host.run("mniAnHypLinx"));
    ASSERT_EQ(h.host.console.size(), 1);
    EXPECT_EQ(h.host.console[0], "p.htm\nx.htm\n2 links");
    EXPECT_TRUE(h.host.consoleVisible());

    h.write("site/pic.gif", std::string(7, 'g'));
    h.write("site/page.htm", std::string(50, 'p'));
    h.host.ved.fileName = (h.host.partsDir + "site/page.htm").toStdString();
    h.host.ved.hasFile = true;
    ASSERT_TRUE(h.host.run("mniDocWeight"));
    EXPECT_EQ(h.host.console[1], h.host.partsDir + "site/pic.gif 7\n" + h.host.partsDir +
                                     "site/page.htm 50\nbytes total: 57");
}

TEST(TableWizardCommand, InsertsTheTableOfTheGrid)
{
    Html h;
    h.text("");
    auto answer = onModal<Ttablewizard>([](Ttablewizard* d) {
        d->findChild<QSpinBox*>("SpinEdit1")->setValue(3);
        d->findChild<QSpinBox*>("SpinEdit2")->setValue(1);
        d->table()->setItem(0, 0, new QTableWidgetItem("plain"));
        d->clickCell(0, 1);
        d->findChild<QLineEdit*>("edCCW")->setText("50");
        emit d->findChild<QLineEdit*>("edCCW")->textEdited("50");
        d->findChild<QLineEdit*>("edCCbackCOlor")->setText("ff0000");
        click(d, "btAssign");
        d->table()->item(0, 1)->setText("red");
        d->clickCell(0, 2);
        click(d, "btOK");
    });
    ASSERT_TRUE(h.host.run("mniTableMaster"));
    EXPECT_EQ(h.host.ved.text, "<table>\r\n<tr>\r\n<td>plain</td>\r\n"
                               "<td width=\"50\" bgcolor=\"FF0000\" >red</td>\r\n<td ></td>\r\n"
                               "</tr>\r\n</table>");
}

TEST(TableWizardCommand, ColoursAreShownAsRrggbbAndBadOnesRefused)
{
    Html h;
    Ttablewizard wizard(h.host, h.host.window());
    wizard.clickCell(1, 1);
    auto* picker = wizard.findChild<TColorPicker*>("cpCCColor");
    ASSERT_NE(picker, nullptr);
    picker->onPicked(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(wizard.findChild<QLineEdit*>("edCCbackCOlor")->text(), "123456");
    EXPECT_EQ(wizard.table()->item(1, 1)->background().color(), QColor(0x12, 0x34, 0x56));
    wizard.findChild<QLineEdit*>("edCCbackCOlor")->setText("blue");
    click(&wizard, "btAssign");
    EXPECT_EQ(h.host.notes.size(), 1);
    EXPECT_EQ(wizard.cells()[1][1].info->BackColor, "123456");
}

TEST(GradientCommand, ColoursTheSelectionAndAsksBeforeALargeOne)
{
    Html h;
    h.text("[ab]", "ab");
    auto answer = onModal<TfmGradtextOpts>([](TfmGradtextOpts* d) {
        d->startPicker()->setColour(Qt::black);
        d->endPicker()->setColour(Qt::white);
        click(d, "btOK");
    });
    ASSERT_TRUE(h.host.run("mnitextGradient"));
    EXPECT_EQ(h.host.ved.text,
              "[<font color=\"#808080\">a</font><font color=\"#FFFFFF\">b</font>]");

    h.text(std::string(1200000, 'x'));
    h.host.ved.SelectAll();
    h.host.confirmAnswer = false;
    ASSERT_TRUE(h.host.run("mnitextGradient"));
    EXPECT_EQ(h.host.questions.size(), 1);
    EXPECT_EQ(h.host.ved.text.size(), 1200000u);
}

TEST(HtmlDialogs, CaptionsFollowTheInterfaceLanguage)
{
    Html h;
    QTemporaryDir lang;
    QDir(lang.path()).mkpath("Lang");
    QFile f(lang.path() + "/Lang/English");
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray::fromStdString(zuk::app::englishLanguageFile()));
    f.close();
    ASSERT_TRUE(h.host.textService.open(lang.path().toStdString() + "/", "English"));
    TfmText2HTML text2html(h.host, nullptr);
    EXPECT_EQ(text2html.findChild<QCheckBox*>("cbMakeNewFile")->text(), "Result into a new file");
    EXPECT_EQ(text2html.findChild<QGroupBox*>("gbColors")->title(), "Colours");
    Ttablewizard wizard(h.host, nullptr);
    EXPECT_EQ(wizard.findChild<QGroupBox*>("gbCurrentCell")->title(), "Current cell");
    TfmHTMLCleanUpoptsions cleanUp(h.host, nullptr);
    EXPECT_EQ(cleanUp.windowTitle(), "Tag killa");
}
