#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::html::ui {

// The macro expansion the gallery page passes through before its
// placeholders are filled: Windows-1251 template text in, expanded text out.
// The program sets it once at start-up to the macros of makros.txt; until it
// is set the template is used as it stands.
using GalleryMacroExpansion = std::function<std::string(const std::string& text)>;
void setGalleryMacroExpansion(GalleryMacroExpansion expand);

// One thumbnail: the picture reduced into a box of the background colour
// (as the file box shows it) and written as a JPEG file.
struct ThumbnailJob {
    QString source, target;
    QSize box;
    QColor background;
    int quality = 90;
    bool grayscale = false, progressive = false;
};
// Decodes the picture at the reduced size only and writes the thumbnail
// safely (a failed write leaves an old file intact). Nothing on success,
// else the reason (which may be empty when the decoder gives none). Touches
// nothing but its own objects, so it runs on any thread.
std::optional<QString> writeThumbnail(const ThumbnailJob& job);

// The picture gallery, as the file box's "Сделать галерею" starts it:
// `pictures` are the selected thumbnails' files (names in `folder`, or
// paths), in pane order. With fewer than two it does nothing. Otherwise it
// asks for the options (TfmThumbOptions) and then, before writing anything,
// refuses a page name that would leave the folder, a missing template and
// any output that would overwrite a selected picture, and asks once before
// replacing existing files. The thumbnails (thm_NAME.jpg, th_w × th_h on
// th_color) are made on a worker thread behind a progress dialog that can
// stop them; the page (the template with $%PROCESSED_TEXT and $%TITLE
// filled) goes into the folder, or the table into the current document.
// Returns whether a gallery was made.
bool makeGallery(app::ui::ToolHost& host, const QStringList& pictures, const QString& folder);

} // namespace zuk::html::ui
