#include "organizer/jngwrap.h"

#include <array>
#include <cstdint>

namespace zuk::organizer {

namespace {

constexpr std::string_view kJngSignature = "\x8BJNG\r\n\x1A\n";
constexpr std::string_view kMngSignature = "\x8AMNG\r\n\x1A\n";

std::uint32_t crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (char b : bytes)
        c = table[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void putBig(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

std::string chunk(std::string_view type, std::string_view data)
{
    std::string out;
    putBig(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type) + std::string(data);
    out += body;
    putBig(out, crc32(body));
    return out;
}

} // namespace

std::optional<std::string> wrapJngAsMng(std::string_view jng)
{
    // The signature, then JHDR: length 16, type, width and height first.
    if (jng.size() < 8 + 8 + 16 + 4 || jng.substr(0, 8) != kJngSignature ||
        jng.substr(12, 4) != "JHDR")
        return std::nullopt;
    const std::string_view width = jng.substr(16, 4), height = jng.substr(20, 4);
    std::string header;
    header.append(width).append(height);
    putBig(header, 1); // ticks per second
    putBig(header, 0); // layers, frames and play time: not given
    putBig(header, 0);
    putBig(header, 0);
    putBig(header, 1); // simplicity profile: the bit that says it is valid
    std::string out(kMngSignature);
    out += chunk("MHDR", header);
    out.append(jng.substr(8));
    out += chunk("MEND", {});
    return out;
}

} // namespace zuk::organizer
