#include "html/picturesize.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::html {

namespace {

// A JPEG has a handful of segments before its frame header; thousands mean
// a damaged or hostile file.
constexpr int MaxJpegSegments = 4096;
// Fill bytes 0xFF before a marker, at most.
constexpr int MaxFillBytes = 1024;

constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr char MngSignature[] = "\x8aMNG\r\n\x1a\n";
constexpr char JngSignature[] = "\x8bJNG\r\n\x1a\n";

std::uint32_t be16(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 8 | p[1];
}
std::uint32_t be32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}
std::uint32_t le16(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}
std::uint32_t le32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[2]) << 16 |
           static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

bool readExactly(ByteSource& source, std::uint64_t offset, unsigned char* out, std::size_t size)
{
    return source.readAt(offset, reinterpret_cast<char*>(out), size) == size;
}

std::optional<PictureSize> sizeOf(std::uint32_t width, std::uint32_t height)
{
    if (width == 0 || height == 0)
        return std::nullopt;
    return PictureSize{width, height};
}

// The start-of-frame markers: C0-CF except C4 (Huffman tables), C8
// (reserved) and CC (arithmetic coding conditioning).
bool isStartOfFrame(unsigned char marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureSize> jpegSize(ByteSource& source)
{
    std::uint64_t at = 2; // after FF D8
    for (int segment = 0; segment < MaxJpegSegments; ++segment) {
        unsigned char byte = 0;
        if (!readExactly(source, at, &byte, 1) || byte != 0xFF)
            return std::nullopt;
        int fill = 0;
        do {
            ++at;
            if (!readExactly(source, at, &byte, 1) || ++fill > MaxFillBytes)
                return std::nullopt;
        } while (byte == 0xFF);
        const unsigned char marker = byte;
        ++at; // past the marker
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue; // no length follows
        if (marker == 0xD9 || marker == 0xDA)
            return std::nullopt; // the image ended or its data began without a frame
        unsigned char head[7];
        if (!readExactly(source, at, head, 2))
            return std::nullopt;
        const std::uint32_t length = be16(head);
        if (length < 2)
            return std::nullopt; // would never move on
        if (isStartOfFrame(marker)) {
            if (length < 7 || !readExactly(source, at, head, 7))
                return std::nullopt;
            return sizeOf(be16(head + 5), be16(head + 3));
        }
        at += length;
    }
    return std::nullopt;
}

std::optional<PictureSize> bmpSize(const unsigned char* h, std::size_t got)
{
    if (got < 18)
        return std::nullopt;
    const std::uint32_t headerSize = le32(h + 14);
    if (headerSize == 12) {
        if (got < 22)
            return std::nullopt;
        return sizeOf(le16(h + 18), le16(h + 20));
    }
    if (headerSize < 16 || got < 26)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(le32(h + 18));
    const auto height = static_cast<std::int32_t>(le32(h + 22));
    // A negative height is a picture stored top down.
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return std::nullopt;
    return sizeOf(static_cast<std::uint32_t>(width),
                  static_cast<std::uint32_t>(height < 0 ? -height : height));
}

// The first chunk of a PNG, MNG or JNG: its length at 8, its type at 12 and
// two 32-bit values at 16 and 20.
std::optional<PictureSize> firstChunkSize(const unsigned char* h, std::size_t got, const char* type,
                                          std::uint32_t length)
{
    if (got < 24 || be32(h + 8) != length || std::memcmp(h + 12, type, 4) != 0)
        return std::nullopt;
    const std::uint32_t width = be32(h + 16);
    const std::uint32_t height = be32(h + 20);
    // The formats allow at most 2^31 - 1.
    if (width > 0x7FFFFFFFu || height > 0x7FFFFFFFu)
        return std::nullopt;
    return sizeOf(width, height);
}

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
    std::size_t readAt(std::uint64_t offset, char* out, std::size_t size) override
    {
        if (offset >= m_bytes.size())
            return 0;
        const std::size_t n = std::min<std::size_t>(size, m_bytes.size() - offset);
        std::memcpy(out, m_bytes.data() + offset, n);
        return n;
    }

private:
    std::string_view m_bytes;
};

// Opened without blocking and only when it is a regular file: a pipe or a
// device named like a picture must not hang the caller.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))
    {
        struct stat st {};
        if (m_fd >= 0 && (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FileSource() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    bool isOpen() const { return m_fd >= 0; }
    std::size_t readAt(std::uint64_t offset, char* out, std::size_t size) override
    {
        std::size_t done = 0;
        while (done < size && offset + done <= static_cast<std::uint64_t>(LLONG_MAX)) {
            const ssize_t n =
                ::pread(m_fd, out + done, size - done, static_cast<off_t>(offset + done));
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

private:
    int m_fd;
};

} // namespace

PictureFormat pictureFormatOf(std::string_view h)
{
    auto starts = [h](std::string_view signature) {
        return h.substr(0, signature.size()) == signature;
    };
    if (starts("\xFF\xD8"))
        return PictureFormat::Jpeg;
    if (starts("GIF"))
        return PictureFormat::Gif;
    if (starts(std::string_view(PngSignature, 8)))
        return PictureFormat::Png;
    if (starts(std::string_view(MngSignature, 8)))
        return PictureFormat::Mng;
    if (starts(std::string_view(JngSignature, 8)))
        return PictureFormat::Jng;
    if (starts("BM"))
        return PictureFormat::Bmp;
    return PictureFormat::Unknown;
}

std::optional<PictureSize> readPictureSize(ByteSource& source)
{
    unsigned char h[32];
    const std::size_t got = source.readAt(0, reinterpret_cast<char*>(h), sizeof h);
    switch (pictureFormatOf(std::string_view(reinterpret_cast<const char*>(h), got))) {
    case PictureFormat::Jpeg:
        return jpegSize(source);
    case PictureFormat::Gif:
        // The logical screen descriptor follows the six-byte signature.
        if (got < 10)
            return std::nullopt;
        return sizeOf(le16(h + 6), le16(h + 8));
    case PictureFormat::Png:
        return firstChunkSize(h, got, "IHDR", 13);
    case PictureFormat::Mng:
        return firstChunkSize(h, got, "MHDR", 28);
    case PictureFormat::Jng:
        return firstChunkSize(h, got, "JHDR", 16);
    case PictureFormat::Bmp:
        return bmpSize(h, got);
    case PictureFormat::Unknown:
        break;
    }
    return std::nullopt;
}

std::optional<PictureSize> pictureSizeOfBytes(std::string_view bytes)
{
    MemorySource source(bytes);
    return readPictureSize(source);
}

std::optional<PictureSize> pictureSizeOfFile(const std::string& path)
{
    FileSource source(path);
    if (!source.isOpen())
        return std::nullopt;
    return readPictureSize(source);
}

} // namespace zuk::html
