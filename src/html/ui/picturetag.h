#pragma once

#include <QString>

namespace zuk::editor {
class CVed;
}

namespace zuk::html::ui {

// Inserts at the caret of the current document the img tag of a picture:
// its source relative to the document's file, its size read from its header,
// names the code page lacks as character references. Used by the picture
// dialog, by pictures dropped on the window and by the file box. Returns
// whether anything was inserted.
bool insertPictureTag(editor::CVed& ved, const QString& picturePath);

} // namespace zuk::html::ui
