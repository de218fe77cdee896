#include "app/flashimport.h"

#include "app/filenames.h"
#include "codepages/charsets.h"

#include <cstdio>
#include <random>

namespace zuk::app {

std::string newGuid()
{
    static thread_local std::mt19937_64 engine = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device(), device(), device()};
        return std::mt19937_64(seed);
    }();
    unsigned char bytes[16];
    for (int i = 0; i < 16; i += 8) {
        const std::uint64_t v = engine();
        for (int k = 0; k < 8; ++k)
            bytes[i + k] = static_cast<unsigned char>(v >> (8 * k));
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    char text[37];
    std::snprintf(text, sizeof text,
                  "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", bytes[0],
                  bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8],
                  bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    return text;
}

std::string flashInsertion(std::string_view templateText, std::string_view metachar,
                           std::string_view swfPath, std::string_view guid)
{
    if (metachar.empty())
        return std::string(templateText);
    const std::string fileName = codepages::utf8ToWin(swfPath);
    const std::string namePart = fileNamePart(swfPath);
    const std::string id = codepages::utf8ToWin(
        std::string_view(namePart).substr(0, namePart.size() - extensionPart(namePart).size()));
    struct Placeholder {
        std::string_view word;
        std::string_view value;
    };
    const Placeholder placeholders[] = {{"clsid", guid}, {"filename", fileName}, {"id", id}};

    std::string out;
    out.reserve(templateText.size() + 64);
    std::size_t i = 0;
    while (i < templateText.size()) {
        if (templateText.compare(i, metachar.size(), metachar) == 0) {
            const std::string_view rest = templateText.substr(i + metachar.size());
            bool replaced = false;
            for (const Placeholder& p : placeholders) {
                if (rest.substr(0, p.word.size()) == p.word) {
                    out.append(p.value.data(), p.value.size());
                    i += metachar.size() + p.word.size();
                    replaced = true;
                    break;
                }
            }
            if (replaced)
                continue;
        }
        out.push_back(templateText[i]);
        ++i;
    }
    return out;
}

} // namespace zuk::app
