// The picture-size reader of the img tags: any bytes, read as a picture
// header, give a positive size or none, and the reader stays inside them.

#include "fuzz/fuzztarget.h"

#include "html/imgtag.h"
#include "html/picturesize.h"

#include <string>

using zuk::fuzz::check;

ZUK_FUZZ_TARGET(pictureheader)
{
    const std::optional<zuk::html::PictureSize> size = zuk::html::pictureSizeOfBytes(input);
    if (size)
        check(size->width > 0 && size->height > 0);
    // Whatever the size, the tag is one tag.
    const std::string tag = zuk::html::ImgTag("a\"b.jpg", "a\"b.jpg", size, true);
    check(tag.find('<', 1) == std::string::npos);
}
