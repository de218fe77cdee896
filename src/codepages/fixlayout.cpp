#include "codepages/fixlayout.h"

#include "codepages/charsets.h"

#include <array>

namespace zuk::codepages {

namespace {

using ByteMap = std::array<unsigned char, 256>;

ByteMap buildLayoutMap()
{
    ByteMap map{};
    for (int b = 0; b < 256; ++b)
        map[b] = static_cast<unsigned char>(b);
    auto pairUp = [&map](std::string_view latin, const std::string& cyrillic) {
        for (size_t i = 0; i < latin.size() && i < cyrillic.size(); ++i) {
            const auto a = static_cast<unsigned char>(latin[i]);
            const auto b = static_cast<unsigned char>(cyrillic[i]);
            map[a] = b;
            map[b] = a;
        }
    };
    pairUp("qwertyuiop[]asdfghjkl;'zxcvbnm,.", utf8ToWin("йцукенгшщзхъфывапролджэячсмитьбю"));
    pairUp("QWERTYUIOPASDFGHJKLZXCVBNM", utf8ToWin("ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ"));
    pairUp("{}:\"<>", utf8ToWin("ХЪЖЭБЮ"));
    map['/'] = '.';
    return map;
}

} // namespace

std::string FixLayout(std::string_view text)
{
    static const ByteMap map = buildLayoutMap();
    std::string out(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(map[static_cast<unsigned char>(text[i])]);
    return out;
}

} // namespace zuk::codepages
