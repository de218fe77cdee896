#include "editorfixture.h"

#include <QDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QTimer>

#include <functional>

#include "editor/ui/doxwindow.h"

using namespace zuk::editor;

namespace {
// Runs fn on the modal dialog the next call opens.
void onModal(std::function<void(QWidget*)> fn)
{
    QTimer::singleShot(0, [fn] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        fn(w);
    });
}
} // namespace

TEST_F(EditorFixture, GoToLineMovesTheCaretToTheEnteredLine)
{
    Ted* t = newDocument();
    m_editor->SetAllText("a\r\nb\r\nc\r\nd");
    QString title, label;
    onModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        label = dialog->labelText();
        EXPECT_EQ(dialog->intValue(), 1);
        dialog->setIntValue(3);
        dialog->accept();
    });
    m_editor->GotoLineDialog();
    EXPECT_EQ(title, QString::fromUtf8("Перейти к строке"));
    EXPECT_EQ(label, QString::fromUtf8("&Введите номер строки:"));
    int line = -1, index = -1;
    t->control()->getCursorPosition(&line, &index);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(index, 0);
}

TEST_F(EditorFixture, DocumentListActivatesTheClickedDocument)
{
    TfmDox dox;
    dox.connectEditor(m_editor.get());
    Ted* a = newDocument();
    m_editor->SetFileName("/x/a.txt");
    Ted* b = newDocument();
    m_editor->SetFileName("/x/b.txt");
    dox.addDocument(QStringLiteral("/x/a.txt"));
    dox.addDocument(QStringLiteral("/x/b.txt"));
    EXPECT_EQ(dox.windowCaptions(), (QStringList{"/x/b.txt", "/x/a.txt"}));
    auto* list = dox.findChild<QListWidget*>();
    emit list->itemClicked(list->item(0));
    EXPECT_EQ(m_editor->activeDocument(), a);
    emit list->itemClicked(list->item(1));
    EXPECT_EQ(m_editor->activeDocument(), b);
}

TEST_F(EditorFixture, ModifiedFlagSetFromOutsideStaysUntilCleared)
{
    newDocument();
    m_editor->SetModified(true);
    m_editor->Undo();
    EXPECT_TRUE(m_editor->GetModified());
    m_editor->SetModified(false);
    EXPECT_FALSE(m_editor->GetModified());
    m_editor->InsertAtCaret("x");
    EXPECT_TRUE(m_editor->GetModified());
}
