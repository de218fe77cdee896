// The texts of the document window, its dialogs and the document-list window:
// built-in Russian ones from the tables, English ones from the shipped file.

#include "editorfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include "editor/editortexts.h"
#include "editor/ui/doxwindow.h"

using namespace zuk::editor;

namespace {

bool hasCyrillic(const QString& s)
{
    for (const QChar c : s)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    return false;
}

// Every text a user can see in a window: titles, tool tips, labels, buttons,
// menus and their items.
QStringList shownTexts(QWidget* window)
{
    QStringList out{window->windowTitle(), window->toolTip()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        out << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            out << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            out << button->text();
        else if (auto* menu = qobject_cast<QMenu*>(w))
            out << menu->title();
    }
    for (QAction* a : window->findChildren<QAction*>())
        out << a->text();
    return out;
}

QStringList russianTexts(QWidget* window)
{
    QStringList out;
    for (const QString& s : shownTexts(window))
        if (hasCyrillic(s))
            out << s;
    return out;
}

// Runs fn on the modal dialog the next call opens.
void onModal(std::function<void(QWidget*)> fn)
{
    QTimer::singleShot(0, [fn] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        fn(w);
    });
}

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

} // namespace

TEST_F(EditorFixture, TheContextMenuTakesItsBuiltInTextsFromTheTable)
{
    Ted* t = newDocument();
    // Every row but the messages names an item of the menu, which shows its text.
    for (const zuk::TextRow& row : editorTexts().rows) {
        if (row.key.front() == 's')
            continue;
        QAction* a = t->menuAction(qs(row.key));
        ASSERT_NE(a, nullptr) << row.key;
        EXPECT_EQ(a->text(), qs(row.builtIn)) << row.key;
    }
    EXPECT_EQ(t->menuAction(QStringLiteral("mniSetLocalBookmark7"))->text(), QStringLiteral("7"));
    for (const zuk::TextRow& row : doxTexts().rows) {
        const std::string key(row.key);
        if (key.front() == 's' || key == "caption")
            continue;
        TfmDox dox;
        const auto dot = key.find('.');
        QWidget* w = dox.findChild<QWidget*>(QString::fromStdString(key.substr(0, dot)));
        ASSERT_NE(w, nullptr) << key;
        if (dot != std::string::npos) {
            EXPECT_EQ(w->toolTip(), qs(row.builtIn)) << key;
        }
    }
}

TEST_F(EditorFixture, WithTheEnglishFileNothingRussianIsLeftInTheEditorWindows)
{
    Ted* before = newDocument();
    EXPECT_EQ(before->menuAction(QStringLiteral("mniCopy"))->text(),
              QString::fromUtf8("Копировать"));
    useEnglish();
    m_editor->localiseDocuments(); // what a language change does to open documents
    EXPECT_EQ(before->menuAction(QStringLiteral("mniCopy"))->text(), QStringLiteral("Copy"));
    EXPECT_EQ(before->menuAction(QStringLiteral("mniSelMode"))->text(),
              QStringLiteral("Selection mode"));
    EXPECT_EQ(russianTexts(before), QStringList());
    Ted* after = newDocument(); // made in English
    EXPECT_EQ(russianTexts(after), QStringList());

    // The question on closing a modified document, and its buttons.
    m_editor->SetAllText("changed");
    QStringList boxTexts;
    onModal([&boxTexts](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        boxTexts = shownTexts(box);
        boxTexts << box->text();
        box->button(QMessageBox::No)->click();
    });
    after->parentWidget()->close();
    EXPECT_TRUE(boxTexts.contains(
        QStringLiteral("The file has changed since it was saved. Do you want to close it?")));
    EXPECT_TRUE(boxTexts.contains(QStringLiteral("Yes")));
    for (const QString& s : boxTexts)
        EXPECT_FALSE(hasCyrillic(s)) << s.toStdString();
    EXPECT_EQ(m_editor->DocumentCount(), 2);

    // The dialogs of the control (the find and replace dialogs are the
    // program's, tested with the main window).
    for (const auto& open :
         std::vector<std::function<void()>>{[this] { m_editor->GotoLineDialog(); }}) {
        QStringList left{QStringLiteral("not shown")};
        QString title;
        onModal([&](QWidget* w) {
            left = russianTexts(w);
            title = w->windowTitle();
            static_cast<QDialog*>(w)->reject();
        });
        open();
        EXPECT_EQ(left, QStringList()) << title.toStdString();
        EXPECT_FALSE(title.isEmpty());
    }

    TfmDox dox;
    dox.connectEditor(m_editor.get());
    EXPECT_EQ(dox.windowTitle(), QStringLiteral("Window manager"));
    EXPECT_EQ(russianTexts(&dox), QStringList());
}
