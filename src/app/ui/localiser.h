#pragma once

#include "base/texts.h"

#include <QString>

#include <string_view>

class QObject;
class QWidget;

namespace zuk::app {
class TextService;
}

namespace zuk::app::ui {

// Gives every text of a window that its table lists: the key "caption" is the
// window's title, "name.hint" the tool tip of the component `name`, any other
// key the text of the child object of that name (button, label, check box,
// group box, menu, menu item, tab page). With `builtIn` set every listed text
// becomes the built-in one; otherwise only keys the language file has
// (non-empty) change, so a window keeps what an earlier language gave it.
void localiseWindow(QWidget* window, const TextTable& table, const TextService& texts,
                    bool builtIn = false);

// The text of one component, by the kind of object it is; false when the
// object has no text to set.
bool setComponentText(QObject* component, const QString& text);

} // namespace zuk::app::ui
