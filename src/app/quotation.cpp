#include "app/quotation.h"

#include <memory>
#include <random>

namespace zuk::app {

std::vector<std::string> splitQuotations(std::string_view text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        std::size_t hash = text.find('#', start);
        if (hash == std::string_view::npos)
            break;
        items.emplace_back(text.substr(start, hash - start));
        start = hash + 1;
    }
    if (start < text.size())
        items.emplace_back(text.substr(start));
    return items;
}

RandomRange systemRandomRange()
{
    auto engine = std::make_shared<std::mt19937_64>(std::random_device{}());
    return [engine](std::size_t lo, std::size_t hi) {
        std::uniform_int_distribution<std::size_t> dist(lo, hi);
        return dist(*engine);
    };
}

std::optional<std::size_t> chooseQuotation(std::size_t count, const RandomRange& random)
{
    if (count < 3 || !random)
        return std::nullopt;
    std::size_t index = random(2, count - 1);
    if (index < 2 || index >= count) // a faulty source must not index out of range
        return std::nullopt;
    return index;
}

std::optional<std::string> pickQuotation(std::string_view text, const RandomRange& random)
{
    std::vector<std::string> items = splitQuotations(text);
    std::optional<std::size_t> index = chooseQuotation(items.size(), random);
    if (!index)
        return std::nullopt;
    return items[*index];
}

} // namespace zuk::app
