// The HTML tools in the real main window: every command of the HTML menu
// is there, and text to HTML into a new document leaves the source alone.

#include "app/commandtable.h"
#include "editor/ui/cdreameditor.h"
#include "html/ui/htmltestsupport.h"
#include "html/ui/tfmtext2html.h"
#include "support/ui/mainformfixture.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;

namespace {

bool inHtmlMenu(const zuk::app::CommandRow& row)
{
    for (const zuk::app::CommandRow* r = &row; r; r = zuk::app::findCommand(r->parent))
        if (r->name == "mniHTML")
            return true;
    return false;
}

} // namespace

TEST(HtmlMenu, EveryCommandHasItsHandler)
{
    MainFormFixture f;
    auto& form = f.start();
    // The page template and Tidy belong to the external-program tools.
    for (const zuk::app::CommandRow& row : zuk::app::commandTable()) {
        if (row.kind == zuk::app::RowKind::Command && inHtmlMenu(row) &&
            row.name != "mniHTMLTemplate" && row.name != "mniRunTidy") {
            EXPECT_TRUE(form.hasHandler(QString::fromUtf8(row.name.data(), int(row.name.size()))))
                << row.name;
        }
    }
}

TEST(HtmlMenu, TextToHtmlIntoANewDocumentKeepsTheSource)
{
    MainFormFixture f;
    auto& form = f.start();
    form.NewFile();
    form.editor().SetAllText("\xBF 1<2");
    form.editor().SetCharset("koi");
    auto answer = zuk::test::onModal<zuk::html::ui::TfmText2HTML>([](auto* d) {
        d->template findChild<QCheckBox*>("cbMakeNewFile")->setChecked(true);
        d->template findChild<QPushButton*>("btOK")->click();
    });
    ASSERT_TRUE(form.runCommand("mniText2HTML"));
    ASSERT_EQ(form.editor().DocumentCount(), 2);
    EXPECT_EQ(form.editor().GetCharset(), "koi");
    const std::string page = form.editor().GetAllText();
    EXPECT_NE(page.find("<body>\r\n\r\n&copy; 1&lt;2\r\n"), std::string::npos) << page;
    EXPECT_EQ(form.editor().GetAllTextOf(1), "\xBF 1<2\r\n");
}
