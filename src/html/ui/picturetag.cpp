#include "html/ui/picturetag.h"

#include "editor/commandshapes.h"
#include "editor/ved.h"
#include "html/htmlbasics.h"
#include "html/imgtag.h"

#include <QFileInfo>

namespace zuk::html::ui {

bool insertPictureTag(editor::CVed& ved, const QString& picturePath)
{
    const std::string document = ved.HasFile() ? ved.GetFileName() : std::string();
    const std::string tag =
        ImgTagForFile(document, QFileInfo(picturePath).absoluteFilePath().toStdString());
    return ved.InsertAtCaret(utf8ToHtmlBytes(tag, editor::workingCodePage(ved)));
}

} // namespace zuk::html::ui
