#include "textfunc/rle.h"

#include "base/zukerror.h"
#include "textfunc/textfunctexts.h"

namespace zuk::textfunc {

namespace {

// Markers for runs of 3..8 bytes.
constexpr unsigned char ShortRunMarker[9] = {0, 0, 0, 0x16, 0x17, 0x18, 0x19, 0x1D, 0x1E};
constexpr unsigned char LongRunMarker = 0x7F;

std::size_t countLength(std::size_t n)
{
    std::size_t length = 1;
    for (; n > 127; n >>= 7)
        ++length;
    return length;
}

void appendCount(std::string& out, std::size_t n)
{
    for (; n > 127; n >>= 7)
        out += static_cast<char>((n & 0x7F) | 0x80);
    out += static_cast<char>(n);
}

// Visits every maximal run of equal bytes.
template <typename F> void forEachRun(std::string_view bytes, F&& f)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t j = i + 1;
        while (j < bytes.size() && bytes[j] == bytes[i])
            ++j;
        f(static_cast<unsigned char>(bytes[i]), j - i);
        i = j;
    }
}

std::size_t packedRunLength(unsigned char v, std::size_t n)
{
    if (!inRleMarkerSet(v)) {
        if (n <= 2)
            return n;
        if (n <= 8)
            return 2;
    } else if (n <= 2) {
        return 2;
    }
    return 2 + countLength(n);
}

[[noreturn]] void malformed(const char* key)
{
    throw FormatError(textFunctionMessages(), key);
}

// Reads one item at pos and reports the byte and its repeat count. The
// reading is shared by the sizing pass and the writing pass.
struct Item {
    unsigned char value;
    std::size_t count;
};

Item readItem(std::string_view in, std::size_t& pos)
{
    const auto marker = static_cast<unsigned char>(in[pos++]);
    if (!inRleMarkerSet(marker))
        return {marker, 1};
    if (pos >= in.size())
        malformed("sRleMarkerAtEnd");
    const auto v = static_cast<unsigned char>(in[pos++]);
    switch (marker) {
    case 0x16:
        return {v, 3};
    case 0x17:
        return {v, inRleMarkerSet(v) ? 2u : 4u};
    case 0x18:
        return {v, 5};
    case 0x19:
        return {v, inRleMarkerSet(v) ? 1u : 6u};
    case 0x1D:
        return {v, 7};
    case 0x1E:
        return {v, 8};
    default:
        break;
    }
    std::size_t count = 0;
    unsigned shift = 0;
    for (;;) {
        if (pos >= in.size())
            malformed("sRleCountUnfinished");
        const auto b = static_cast<unsigned char>(in[pos++]);
        const std::size_t group = b & 0x7F;
        if (shift > 30 || (group << shift) > MaxRleUnpackedSize)
            malformed("sRleCountTooBig");
        count |= group << shift;
        if ((b & 0x80) == 0)
            break;
        shift += 7;
    }
    return {v, count};
}

} // namespace

std::string RlePack(std::string_view bytes)
{
    std::size_t length = 0;
    forEachRun(bytes, [&](unsigned char v, std::size_t n) { length += packedRunLength(v, n); });
    std::string out;
    out.reserve(length);
    forEachRun(bytes, [&](unsigned char v, std::size_t n) {
        const char c = static_cast<char>(v);
        if (!inRleMarkerSet(v) && n <= 2) {
            out.append(n, c);
        } else if (!inRleMarkerSet(v) && n <= 8) {
            out += static_cast<char>(ShortRunMarker[n]);
            out += c;
        } else if (inRleMarkerSet(v) && n <= 2) {
            out += static_cast<char>(n == 1 ? 0x19 : 0x17);
            out += c;
        } else {
            out += static_cast<char>(LongRunMarker);
            out += c;
            appendCount(out, n);
        }
    });
    return out;
}

std::size_t RleUnpackedSize(std::string_view packed)
{
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < packed.size();) {
        length += readItem(packed, pos).count;
        if (length > MaxRleUnpackedSize)
            malformed("sRleTooLarge");
    }
    return length;
}

std::string RleUnpack(std::string_view packed)
{
    std::string out;
    out.reserve(RleUnpackedSize(packed));
    for (std::size_t pos = 0; pos < packed.size();) {
        const Item item = readItem(packed, pos);
        out.append(item.count, static_cast<char>(item.value));
    }
    return out;
}

} // namespace zuk::textfunc
