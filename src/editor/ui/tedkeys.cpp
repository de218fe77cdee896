// The keys a document window handles before its text control, and how typed
// characters become bytes of the working code page.

#include "editor/ui/ted.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include <cctype>
#include <optional>

#include "editor/codetemplates.h"
#include "editor/ui/cdreameditor.h"
#include "settings/connectiontable.h"

namespace zuk::editor {

using codepages::CodePage;

namespace {

// Everything done while it lives is one undo step of the control.
class UndoStep {
public:
    explicit UndoStep(TedControl* c) : m_c(c) { m_c->beginUndoAction(); }
    ~UndoStep() { m_c->endUndoAction(); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    TedControl* m_c;
};

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

void Ted::keyPress(QKeyEvent* e)
{
    auto& s = settings();
    const int key = e->key();
    const Qt::KeyboardModifiers mods = e->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    const bool shift = mods & Qt::ShiftModifier;

    if (key == Qt::Key_Escape && s.exit_on_esc) {
        if (m_editor.host().closeMainWindow)
            m_editor.host().closeMainWindow();
        return;
    }
    if (key == Qt::Key_Delete && !selEmpty() && !ctrl && !alt) {
        if (shift)
            m_control->cut();
        else
            m_control->removeSelectedText();
        refreshCaretText();
        return;
    }
    if (key == Qt::Key_Tab && !ctrl && !alt) {
        // Blanks typed over a selection replace it in one undo step.
        const UndoStep step(m_control);
        for (int i = 0; i < s.SpacesPerTab; ++i) {
            QKeyEvent blank(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            typeText(&blank);
        }
        refreshCaretText();
        return;
    }
    if (ctrl && !alt && handleCtrlKey(e)) {
        refreshCaretText();
        return;
    }
    if (alt && !ctrl && handleAltKey(e)) {
        refreshCaretText();
        return;
    }
    if (s.CopyOnSelect && shift)
        m_shiftSelect = isArrow(key);

    const QString text = e->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() && (ctrl == alt); // AltGr gives both
    if (typed) {
        typeText(e);
    } else {
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_editor.callbacks().keySound)
            m_editor.callbacks().keySound('\r');
        m_control->passKey(e);
    }
    refreshCaretText();
}

void Ted::typeText(QKeyEvent* e)
{
    const CodePage cp = m_control->codePage();
    const char16_t* glyphs = codepages::unicodeTable(cp);
    const bool changeQuotes = settings().ChangeQuotes;
    QString shown;
    for (const char32_t c : e->text().toUcs4()) {
        if (c < 0x20 || c == 0x7F)
            continue;
        if (m_editor.callbacks().keySound)
            m_editor.callbacks().keySound(static_cast<char>(TypedCharMapper::winByteOf(c)));
        const uint8_t stored = m_mapper.map(c, cp, changeQuotes);
        shown += QChar(glyphs[stored]);
    }
    if (shown.isEmpty())
        return;
    if (!shown.at(0).isPrint()) {
        // A control character of the code page: Scintilla would not insert it as typing.
        m_control->replaceSelectionBytes(codepages::encodeFromUtf8(shown.toStdString(), cp));
        return;
    }
    QKeyEvent mapped(QEvent::KeyPress, e->key(), e->modifiers(), shown, e->isAutoRepeat(),
                     static_cast<quint16>(e->count()));
    m_control->passKey(&mapped);
}

bool Ted::handleCtrlKey(QKeyEvent* e)
{
    const int key = e->key();
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    if (key == Qt::Key_Space && shift) {
        insertAtCaret("&nbsp;");
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !shift) {
        insertAtCaret("<br>");
        return true;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !shift && !selEmpty()) {
        // The cased text stays selected, so the other case key can follow.
        const long anchor = m_control->SendScintilla(QsciScintilla::SCI_GETANCHOR);
        const long caret = m_control->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
        const long start = std::min(anchor, caret);
        replaceSel(caseInCodePage(selText(), m_control->codePage(), key == Qt::Key_Up));
        const long end = m_control->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
        if (anchor <= caret)
            m_control->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(start),
                                     end);
        else
            m_control->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(end),
                                     start);
        return true;
    }
    if (key == Qt::Key_End) {
        m_control->jumpToEnd(shift);
        return true;
    }
    if (key == Qt::Key_Y && !shift) {
        deleteDocumentLine();
        return true;
    }
    if (key == Qt::Key_J && !shift && m_templatesType != "None") {
        expandCodeTemplate();
        return true;
    }
    return false;
}

void Ted::expandCodeTemplate()
{
    TedControl* c = m_control;
    const long caret = c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long lineStart =
        c->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE,
                         c->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, caret));
    auto byteAt = [c](long pos) {
        return static_cast<char>(c->SendScintilla(QsciScintilla::SCI_GETCHARAT, pos));
    };
    // Template names and the blanks of an indentation are ASCII: one byte
    // each in the control's UTF-8 as in every working code page.
    long start = caret;
    while (start > lineStart && (std::isalnum(static_cast<unsigned char>(byteAt(start - 1))) ||
                                 byteAt(start - 1) == '_'))
        --start;
    std::string word, indent;
    for (long p = start; p < caret; ++p)
        word += byteAt(p);
    for (long p = lineStart; p < start && (byteAt(p) == ' ' || byteAt(p) == '\t'); ++p)
        indent += byteAt(p);
    const std::optional<CodeTemplateExpansion> expansion =
        editor::expandCodeTemplate(m_templatesType, word, indent);
    if (!expansion)
        return;
    const UndoStep step(c);
    c->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(start), caret);
    replaceSel(expansion->text);
    const long at = start + static_cast<long>(expansion->caret);
    c->SendScintilla(QsciScintilla::SCI_SETSEL, static_cast<unsigned long>(at), at);
}

bool Ted::handleAltKey(QKeyEvent* e)
{
    const int key = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if ((key == Qt::Key_Right || key == Qt::Key_Left) && !selEmpty()) {
        indentSelectedLines(m_control->indentationWidth() * (key == Qt::Key_Right ? 1 : -1));
        return true;
    }
    if (keypad && (key == Qt::Key_Plus || key == Qt::Key_Minus) && !selEmpty()) {
        const std::string open = key == Qt::Key_Plus ? "<font size=\"+1\">" : "<font size=\"-1\">";
        replaceSel(open + selText() + "</font>");
        return true;
    }
    if (key == Qt::Key_F) {
        const QString text = QApplication::clipboard()->text();
        if (!text.isEmpty() && m_editor.host().findText)
            m_editor.host().findText(text);
        return true;
    }
    if (key == Qt::Key_G) {
        const QString clip = QApplication::clipboard()->text();
        bool digits = !clip.isEmpty();
        for (const QChar ch : clip)
            digits = digits && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        if (!digits)
            return false;
        const int line = std::min(clip.toInt(), std::max(0, m_control->lines() - 1));
        m_control->setCursorPosition(line, 1);
        m_control->ensureCursorVisible();
        return true;
    }
    return false;
}

// The document's line, not the shown part of a long one: every part goes.
void Ted::deleteDocumentLine()
{
    TedControl* c = m_control;
    const long caretLine = c->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION,
                                            c->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS));
    const long first = c->firstPart(caretLine);
    const long next = c->lastPart(caretLine) + 1;
    const long start = c->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, first);
    // As Scintilla's own line deletion: up to the next line's start, so the
    // break before an emptied last line stays.
    const long end = next < c->lines() ? c->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, next)
                                       : c->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    c->SendScintilla(QsciScintilla::SCI_DELETERANGE, static_cast<unsigned long>(start),
                     end - start);
}

// Blanks go in and out at the start of each document line the selection
// touches; the parts of a long line after a cut are no line starts.
void Ted::indentSelectedLines(int step)
{
    TedControl* c = m_control;
    int lineFrom = 0, indexFrom = 0, lineTo = 0, indexTo = 0;
    c->getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
    if (lineTo > lineFrom && indexTo == 0)
        --lineTo; // a selection ending at a line start leaves that line alone
    const UndoStep undoStep(c);
    for (long line = c->firstPart(lineFrom); line <= lineTo; ++line) {
        if (c->continuesLine(line))
            continue;
        const int l = static_cast<int>(line);
        c->setIndentation(l, std::max(0, c->indentation(l) + step));
    }
}

void Ted::keyRelease(QKeyEvent* e)
{
    if (!settings().CopyOnSelect || !(e->modifiers() & Qt::ShiftModifier) || !m_shiftSelect)
        return;
    if (!selEmpty())
        m_control->copy();
}

void Ted::mouseReleased()
{
    if (settings().CopyOnSelect && !selEmpty())
        m_control->copy();
    refreshCaretText();
}

} // namespace zuk::editor
