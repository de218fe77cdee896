// Searching and replacing in a real document window: a line long enough to
// be shown in parts, the caret panel, one undo step, Alt+F.

#include "app/ui/mainstatusbar.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "support/ui/mainformfixture.h"
#include "tools/ui/tfmsearch.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using zuk::test::MainFormFixture;
using zuk::tools::ui::TfmSearch;

namespace {

// Answers the find and replace dialogs (find text, replacement, regex, the
// whole text from its start, the button) and closes the message boxes after them, keeping their
// texts.
class DialogAnswer {
public:
    DialogAnswer(QString find, QString with, bool regex, const char* button)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [=] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<TfmSearch*>(w)) {
                dialog->findBox()->setEditText(find);
                if (dialog->replaceBox())
                    dialog->replaceBox()->setEditText(with);
                dialog->findChild<QCheckBox*>(QStringLiteral("cbRegex"))->setChecked(regex);
                dialog->findChild<QRadioButton*>(QStringLiteral("rbEntireScope"))->setChecked(true);
                dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
            } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
                notes << box->text();
                box->accept();
            }
        });
        m_timer.start(10);
    }
    QStringList notes;

private:
    QTimer m_timer;
};

TEST(SearchOnTheMainWindow, ALineShownInPartsIsSearchedAndReplacedWhole)
{
    MainFormFixture f;
    zuk::app::ui::TMainForm& form = f.start();
    form.NewFile();
    zuk::editor::CdreamEditor& ed = form.editor();
    // No blank to cut at: the first cut falls inside "needle".
    const std::string line = std::string(997, 'x') + "needle" + std::string(29000, 'x');
    const std::string text = line + "\r\nsecond line\r\n";
    ed.SetAllText(text);
    ASSERT_TRUE(ed.activeDocument()->control()->hasSoftBreaks());
    const QString panelBefore = form.mainStatusBar().panel(0);
    {
        DialogAnswer answer(QStringLiteral("NEEDLE"), {}, false, "btFind");
        ASSERT_TRUE(form.runCommand("mniFind"));
    }
    EXPECT_EQ(ed.GetSelText(), "needle");
    EXPECT_EQ(ed.GetAnchorPos(), 997);
    EXPECT_EQ(ed.GetCaretPos(), 1003);
    EXPECT_NE(form.mainStatusBar().panel(0), panelBefore);

    {
        DialogAnswer answer(QStringLiteral("needle"), QStringLiteral("N"), false, "btReplaceAll");
        form.runCommand("mniReplace");
        EXPECT_EQ(answer.notes, QStringList{QString::fromUtf8("Заменено: 1")});
    }
    EXPECT_EQ(ed.GetAllText(),
              std::string(997, 'x') + "N" + std::string(29000, 'x') + "\r\nsecond line\r\n");
    ed.Undo(); // one step
    EXPECT_EQ(ed.GetAllText(), text);

    // ^ and $ see the line's real start and end, never a cut.
    {
        DialogAnswer answer(QStringLiteral("^x|x$"), QStringLiteral("Y"), true, "btReplaceAll");
        form.runCommand("mniReplace");
        EXPECT_EQ(answer.notes, QStringList{QString::fromUtf8("Заменено: 2")});
    }
    EXPECT_EQ(ed.GetAllText(), "Y" + std::string(996, 'x') + "needle" + std::string(28999, 'x') +
                                   "Y\r\nsecond line\r\n");

    // Find next from the caret, and Alt+F with the clipboard's text.
    ed.SetSelection(0, 0);
    QApplication::clipboard()->setText(QStringLiteral("LINE"));
    QTest::keyClick(ed.activeDocument()->control(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(ed.GetSelText(), "line");
    {
        DialogAnswer answer({}, {}, false, "btFind");
        EXPECT_FALSE(ed.FindNext());
        EXPECT_EQ(answer.notes, QStringList{QString::fromUtf8("Текст не найден")});
    }
    ed.SetModified(false);
}

} // namespace
