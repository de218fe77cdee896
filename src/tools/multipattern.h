#pragma once

#include "tools/bytefinder.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace zuk::tools {

// Several fixed byte strings found in one pass (an Aho-Corasick automaton
// over byte classes): it tells which of them occur in a text, by their index
// in the list. Letter case is ignored through `fold` when given. A list whose
// automaton would pass about 32 MB of tables is not usable (usable() false);
// the caller then searches for its strings one by one.
class MultiPattern final {
public:
    using State = uint32_t;
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    MultiPattern(const std::vector<std::string_view>& patterns, const FoldTable* fold);

    bool usable() const { return m_usable; }

    // The state before any byte, and the state after one more byte.
    State root() const { return 0; }
    State step(State state, unsigned char byte) const
    {
        return m_delta[(state & kIndex) + m_class[byte]];
    }
    // Whether some pattern ends at the byte that led to `state`.
    static bool hit(State state) { return (state & kHit) != 0; }
    // The indexes of the patterns ending there, ascending.
    std::pair<const uint32_t*, const uint32_t*> outputs(State state) const
    {
        const std::size_t node = (state & kIndex) / m_classes;
        return {m_outputs.data() + m_outputStart[node], m_outputs.data() + m_outputStart[node + 1]};
    }

private:
    static constexpr State kHit = 0x80000000u;
    static constexpr State kIndex = 0x7FFFFFFFu;

    bool m_usable = false;
    std::size_t m_classes = 1;
    uint32_t m_class[256] = {};
    std::vector<State> m_delta;          // node * classes + class -> (next node * classes) | kHit
    std::vector<uint32_t> m_outputStart; // per node: its outputs in m_outputs
    std::vector<uint32_t> m_outputs;     // per node, sorted ascending
};

} // namespace zuk::tools
