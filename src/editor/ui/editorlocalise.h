#pragma once

#include <QString>

#include <string_view>

#include "base/texts.h"

class QWidget;

namespace zuk::app {
class TextService;
}

namespace zuk::editor {

// The editor's windows take their texts from the text service the host gives
// (EditorHost::texts); without one they show the built-in texts.

// The text of `key` in `table`'s section: the language file's, else the built-in one.
QString uiText(const app::TextService* texts, const TextTable& table, std::string_view key);

// Gives a window the texts of its table (see app::ui::localiseWindow). With
// `builtIn` set every text first becomes the built-in one; then the language
// file's texts, where it has them, replace them.
void localiseEditorWindow(QWidget* window, const TextTable& table, const app::TextService* texts,
                          bool builtIn);

} // namespace zuk::editor
