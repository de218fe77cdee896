#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::app {

// The items of a quotation file: the text cut at every '#'. The text before the
// first '#' is item 0; an empty remainder after the last '#' is not an item.
std::vector<std::string> splitQuotations(std::string_view text);

// A random source: returns an integer uniformly from lo to hi, both included.
using RandomRange = std::function<std::size_t(std::size_t lo, std::size_t hi)>;

// A RandomRange over a generator seeded from the system.
RandomRange systemRandomRange();

// The index of the item to show: uniformly from 2 to count - 1 (items 0 and 1
// are never shown). Nothing when there are fewer than three items.
std::optional<std::size_t> chooseQuotation(std::size_t count, const RandomRange& random);

// The quotation to show from a whole file's text, if any.
std::optional<std::string> pickQuotation(std::string_view text, const RandomRange& random);

} // namespace zuk::app
