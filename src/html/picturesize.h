#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zuk::html {

// The width and height a picture file declares in its header.
struct PictureSize {
    std::uint32_t width = 0, height = 0;
    bool operator==(const PictureSize& o) const { return width == o.width && height == o.height; }
};

enum class PictureFormat { Unknown, Jpeg, Gif, Png, Bmp, Mng, Jng };

// Random access to the bytes of a picture. readAt gives up to `size` bytes at
// `offset` and returns how many it gave (fewer at the end of the data).
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t readAt(std::uint64_t offset, char* out, std::size_t size) = 0;
};

// The format by the file's signature, whatever its name says.
PictureFormat pictureFormatOf(std::string_view header);

// The size from the header alone: JPEG (the first start-of-frame segment,
// walking the segments by their lengths), GIF (the logical screen), PNG
// (a checked signature and IHDR), BMP (the core or info header), MNG (MHDR)
// and JNG (JHDR). Nothing when the data is no such picture, is cut short,
// is malformed or declares a zero size. Reads only headers and never past
// the data: a few dozen bytes, or for JPEG a few bytes per segment and at
// most a bounded number of segments.
std::optional<PictureSize> readPictureSize(ByteSource& source);
std::optional<PictureSize> pictureSizeOfBytes(std::string_view bytes);
// The same for a file (UTF-8 path); nothing when it cannot be read.
std::optional<PictureSize> pictureSizeOfFile(const std::string& path);

} // namespace zuk::html
