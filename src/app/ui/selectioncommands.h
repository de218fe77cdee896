#pragma once

#include "editor/ved.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace zuk::app::ui {

class TMainForm;

// The shapes almost every document command takes. Each does nothing when no
// document is open, reads the text through the editor interface, calls the
// function and writes the result back as one undo step; a result equal to
// its input writes nothing, so the document stays unmodified. A ZukError
// thrown by the function leaves the document as it was and goes on to the
// command wrapper, which shows its message.

using TextFunction = std::function<std::string(const std::string&)>;
using LinesFunction = std::function<editor::LineList(const editor::LineList&)>;

// Transform: the work text (the selection, or the whole text without one)
// through fn, written back in its place. Returns whether anything changed.
bool transformWorkText(TMainForm& form, const TextFunction& fn);

// Line transform: needs a selection; its lines through fn, the selection
// replaced by the resulting lines, each followed by CR LF.
bool transformSelectedLines(TMainForm& form, const LinesFunction& fn);

// Insert: the bytes at the caret. A selection is not replaced: the text goes
// in at the caret end of it, and the selection is kept.
bool insertAtCaret(TMainForm& form, const std::string& bytes);
// The same with lines, each followed by CR LF.
bool insertLinesAtCaret(TMainForm& form, const editor::LineList& lines);

// Prompt: an input box with its title, prompt and initial text. Returns
// nothing when the user cancels.
std::optional<QString> promptText(QWidget* parent, const QString& title, const QString& prompt,
                                  const QString& initial = {});

// The active document's working code page, both ways (the document must exist).
std::string toDocumentBytes(TMainForm& form, const QString& text);
QString fromDocumentBytes(TMainForm& form, const std::string& bytes);

// A message the command shows itself in a box (not in the status bar).
void showNote(QWidget* parent, const QString& text);

// Window: shows a hidden tool window and hides a visible one.
void toggleWindow(QWidget* window);

// Every selection command of the main menu: the text functions, dates and
// statistics, the editing toggles, automatic scrolling, the system files and
// help. Called once from the main window's command wiring.
void installSelectionCommands(TMainForm& form);

} // namespace zuk::app::ui
