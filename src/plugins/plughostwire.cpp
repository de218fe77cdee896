#include "plugins/plughostwire.h"

#include <algorithm>

namespace zuk::plugins::wire {

std::string encodeHeader(Status status, std::uint64_t payloadLength)
{
    std::string header(kMagic);
    header += static_cast<char>(status);
    for (int i = 0; i < 8; ++i)
        header += static_cast<char>((payloadLength >> (8 * i)) & 0xFF);
    return header;
}

Parse parseAnswer(std::string_view bytes, std::uint64_t maxPayload, Answer& answer)
{
    const std::size_t magicPart = std::min(bytes.size(), kMagic.size());
    if (bytes.substr(0, magicPart) != kMagic.substr(0, magicPart))
        return Parse::Malformed;
    if (bytes.size() < kHeaderSize)
        return Parse::Incomplete;
    const auto status = static_cast<std::uint8_t>(bytes[4]);
    if (status > static_cast<std::uint8_t>(Status::BadRequest))
        return Parse::Malformed;
    std::uint64_t length = 0;
    for (int i = 7; i >= 0; --i)
        length = (length << 8) | static_cast<std::uint8_t>(bytes[5 + static_cast<std::size_t>(i)]);
    if (length > maxPayload)
        return Parse::Malformed;
    const std::uint64_t have = bytes.size() - kHeaderSize;
    if (have < length)
        return Parse::Incomplete;
    if (have > length)
        return Parse::Malformed;
    answer.status = static_cast<Status>(status);
    answer.payload = bytes.substr(kHeaderSize);
    return Parse::Complete;
}

} // namespace zuk::plugins::wire
