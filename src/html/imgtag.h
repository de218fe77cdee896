#pragma once

#include "html/picturesize.h"

#include <optional>
#include <string>
#include <string_view>

namespace zuk::html {

// Whether the name ends in a picture extension the tag builder reads
// (.gif, .jpg, .jpeg, .png, .ping, .bmp, .mng, .jng, any case).
bool isPictureName(std::string_view path);

// The src of a picture for a page: its path relative to the page's folder,
// comparing whole path components ("site2" is not below "site"): "name" in
// the same folder, "img/name" below it, "../x/name" beside it. A page
// without a file (`documentPath` empty) has no folder, and the source is the
// picture's name alone. Both paths are absolute, UTF-8, '/' separated.
std::string PictureSource(std::string_view documentPath, std::string_view picturePath);

// The img tag: «<img src="SOURCE" width="W" height="H" border="0"
// alt="NAME">», with the source and the name escaped. Width and height are
// empty when the size is unknown; for a file that is no picture by its
// name, the alt text is empty too.
std::string ImgTag(std::string_view source, std::string_view name,
                   const std::optional<PictureSize>& size, bool picture);

// The tag for a picture file, its size read from its header (UTF-8).
std::string ImgTagForFile(std::string_view documentPath, std::string_view picturePath);

} // namespace zuk::html
