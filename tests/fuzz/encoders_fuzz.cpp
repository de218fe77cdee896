// The decoders of the encoder commands: the first byte picks Base64, MIME,
// UUE, hexadecimal, URL or RLE, the rest is the text to decode. A decoder
// either throws FormatError or returns bytes that its encoder writes back
// (or, for the lenient ones, bytes of the size the input allows); and every
// encoder's output decodes to the input.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "textfunc/encoders.h"
#include "textfunc/rle.h"

#include <cstdlib>
#include <string>

namespace {

using namespace zuk::textfunc;

using zuk::fuzz::check;

std::string upperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// A decoded result, or nullopt-like false when the decoder refused the text.
template <typename F> bool decodes(F&& decode, std::string& out)
{
    try {
        out = decode();
        return true;
    } catch (const zuk::FormatError&) {
        return false;
    }
}

void base64(std::string_view text)
{
    std::string bytes;
    if (decodes([&] { return Base64Decode(text); }, bytes)) {
        size_t fill = 0;
        if (!text.empty() && text.back() == '=')
            fill = text[text.size() - 2] == '=' ? 2 : 1;
        check(bytes.size() == text.size() / 4 * 3 - fill);
        // The strict form is the lenient one's too.
        check(MimeDecode(text) == bytes);
        check(Base64Decode(Base64Encode(bytes)) == bytes);
    }
    check(Base64Decode(Base64Encode(text)) == text);
}

void mime(std::string_view text)
{
    const std::string bytes = MimeDecode(text);
    check(bytes.size() <= text.size() / 4 * 3 + 2);
    check(MimeDecode(MimeEncode(bytes)) == bytes);
    // Line breaks every 76 characters, as mail carries it, change nothing.
    const std::string encoded = MimeEncode(text);
    std::string wrapped;
    for (size_t i = 0; i < encoded.size(); i += 76) {
        wrapped.append(encoded, i, 76);
        wrapped += "\r\n";
    }
    check(MimeDecode(wrapped) == text);
}

void uue(std::string_view text)
{
    const std::string bytes = UueDecode(text);
    check(bytes.size() <= text.size() / 4 * 3 + 1);
    // Whole groups of three bytes, written as UU characters from the space
    // up, read back as they were.
    const std::string_view whole = text.substr(0, text.size() / 3 * 3);
    std::string stream;
    for (size_t i = 0; i < whole.size(); i += 3) {
        const unsigned v = unsigned(static_cast<unsigned char>(whole[i])) << 16 |
                           unsigned(static_cast<unsigned char>(whole[i + 1])) << 8 |
                           unsigned(static_cast<unsigned char>(whole[i + 2]));
        for (int shift = 18; shift >= 0; shift -= 6)
            stream += static_cast<char>(0x20 + (v >> shift & 63));
    }
    check(UueDecode(stream) == whole);
}

void hex(std::string_view text)
{
    std::string bytes;
    if (decodes([&] { return HexDecode(text); }, bytes))
        check(HexEncode(bytes) == upperAscii(text));
    check(HexDecode(HexEncode(text)) == text);
}

void url(std::string_view text)
{
    std::string bytes;
    if (decodes([&] { return UrlDecode(text); }, bytes))
        check(bytes.size() <= text.size());
    // Every byte escaped, in either case of digits, reads back.
    const std::string escaped = HexEncode(text);
    std::string url;
    for (size_t i = 0; i < escaped.size(); i += 2) {
        url += '%';
        url.append(escaped, i, 2);
    }
    check(UrlDecode(url) == text);
    if (text.find('%') == std::string_view::npos)
        check(UrlDecode(text) == text);
}

void rle(std::string_view packed)
{
    std::size_t size = 0;
    bool sized = true;
    try {
        size = RleUnpackedSize(packed);
    } catch (const zuk::FormatError&) {
        sized = false;
    }
    check(!sized || size <= MaxRleUnpackedSize);
    // Results up to the bound are allowed, but a hundred megabytes an input
    // would only measure the allocator; the sizing pass above has read the
    // whole input, and the unpacking of small results is what can go wrong.
    std::string bytes;
    if (!sized || size <= (1u << 20)) {
        check(decodes([&] { return RleUnpack(packed); }, bytes) == sized);
        if (sized) {
            check(bytes.size() == size);
            check(RleUnpack(RlePack(bytes)) == bytes);
        }
    }
    check(RleUnpack(RlePack(packed)) == packed);
}

} // namespace

ZUK_FUZZ_TARGET(encoders)
{
    if (input.empty())
        return;
    const std::string_view text = input.substr(1);
    switch (static_cast<unsigned char>(input[0]) % 6) {
    case 0:
        base64(text);
        break;
    case 1:
        mime(text);
        break;
    case 2:
        uue(text);
        break;
    case 3:
        hex(text);
        break;
    case 4:
        url(text);
        break;
    default:
        rle(text);
        break;
    }
}
