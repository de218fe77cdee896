#include "app/ui/selectioncommands.h"

#include "app/ui/generalcommands.h"
#include "app/ui/mainform.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "textfunc/ui/textfunccommands.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

namespace zuk::app::ui {

namespace {

bool hasDocument(TMainForm& form)
{
    return form.editor().DocumentCount() > 0 && form.editor().activeDocument() != nullptr;
}

// Groups every change made while it lives into one undo step of the active
// document, and ends the group however the scope is left.
class UndoStep {
public:
    explicit UndoStep(TMainForm& form) : m_control(form.editor().activeDocument()->control())
    {
        m_control->beginUndoAction();
    }
    ~UndoStep() { m_control->endUndoAction(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    editor::TedControl* m_control;
};

codepages::CodePage documentCodePage(TMainForm& form)
{
    codepages::CodePage cp = codepages::CodePage::Win;
    if (!codepages::codePageFromName(form.editor().GetCharset(), cp))
        cp = codepages::CodePage::Win;
    return cp;
}

// Runs `insert` with the selection collapsed to its caret end, then selects
// the same text again (shifted when the insertion came before it).
template <typename Insert>
bool insertKeepingSelection(TMainForm& form, Insert insert)
{
    editor::TedControl* c = form.editor().activeDocument()->control();
    const long anchor = c->SendScintilla(QsciScintilla::SCI_GETANCHOR);
    const long caret = c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    if (anchor == caret)
        return insert();
    c->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(caret));
    const bool done = insert();
    const long inserted = c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS) - caret;
    if (caret > anchor)
        c->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    else
        c->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(anchor + inserted),
                         caret + inserted);
    return done;
}

} // namespace

bool transformWorkText(TMainForm& form, const TextFunction& fn)
{
    if (!hasDocument(form))
        return false;
    editor::CVed& ed = form.editor();
    const std::string text = ed.GetWorkText();
    const std::string result = fn(text);
    if (result == text)
        return false;
    UndoStep step(form);
    ed.PutWorkText(result);
    return true;
}

bool transformSelectedLines(TMainForm& form, const LinesFunction& fn)
{
    if (!hasDocument(form) || form.editor().SelEmpty())
        return false;
    editor::CVed& ed = form.editor();
    const editor::LineList lines = ed.GetSelLines();
    if (lines.empty())
        return false;
    const editor::LineList result = fn(lines);
    if (result == lines)
        return false;
    UndoStep step(form);
    ed.ReplaceWithLines(result);
    return true;
}

bool insertAtCaret(TMainForm& form, const std::string& bytes)
{
    if (!hasDocument(form) || bytes.empty())
        return false;
    UndoStep step(form);
    return insertKeepingSelection(form, [&form, &bytes] {
        return form.editor().InsertAtCaret(bytes);
    });
}

bool insertLinesAtCaret(TMainForm& form, const editor::LineList& lines)
{
    if (!hasDocument(form) || lines.empty())
        return false;
    UndoStep step(form);
    return insertKeepingSelection(form, [&form, &lines] {
        form.editor().InsertLines(lines);
        return true;
    });
}

std::optional<QString> promptText(QWidget* parent, const QString& title, const QString& prompt,
                                  const QString& initial)
{
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    box.setInputMode(QInputDialog::TextInput);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

std::string toDocumentBytes(TMainForm& form, const QString& text)
{
    return codepages::encodeFromUtf8(text.toStdString(), documentCodePage(form));
}

QString fromDocumentBytes(TMainForm& form, const std::string& bytes)
{
    return QString::fromStdString(codepages::decodeToUtf8(bytes, documentCodePage(form)));
}

void showNote(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zuk"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

void toggleWindow(QWidget* window)
{
    if (!window)
        return;
    window->setVisible(!window->isVisible());
    if (window->isVisible())
        window->raise();
}

void installSelectionCommands(TMainForm& form)
{
    textfunc::ui::installTextFunctionCommands(form);
    new GeneralCommands(form);
}

} // namespace zuk::app::ui
