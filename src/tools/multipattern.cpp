#include "tools/multipattern.h"

#include <algorithm>
#include <limits>

namespace zuk::tools {

namespace {

constexpr std::size_t kMostEntries = 8u << 20; // 32 MB of transitions

} // namespace

MultiPattern::MultiPattern(const std::vector<std::string_view>& patterns, const FoldTable* fold)
{
    auto folded = [fold](char c) {
        const auto b = static_cast<unsigned char>(c);
        return fold ? (*fold)[b] : b;
    };
    // Byte classes: one per byte the patterns use (after folding), one for the rest.
    uint32_t classOf[256] = {};
    std::size_t total = 0;
    for (std::string_view p : patterns) {
        total += p.size();
        for (char c : p) {
            uint32_t& k = classOf[folded(c)];
            if (k == 0)
                k = static_cast<uint32_t>(m_classes++);
        }
    }
    const std::size_t nodesMost = total + 1;
    if (nodesMost * m_classes > kMostEntries || nodesMost * m_classes > kIndex)
        return;
    const auto none = std::numeric_limits<uint32_t>::max();

    // The trie over classes.
    std::vector<uint32_t> child(m_classes, none);
    std::vector<std::vector<uint32_t>> own(1);
    uint32_t nodes = 1;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        uint32_t node = 0;
        for (char c : patterns[i]) {
            const std::size_t k = classOf[folded(c)];
            if (child[node * m_classes + k] == none) {
                child[node * m_classes + k] = nodes++;
                child.resize(static_cast<std::size_t>(nodes) * m_classes, none);
                own.emplace_back();
            }
            node = child[node * m_classes + k];
        }
        if (!patterns[i].empty())
            own[node].push_back(static_cast<uint32_t>(i));
    }

    // Breadth first: failure links, full transitions, outputs merged along the links.
    std::vector<uint32_t> failure(nodes, 0);
    std::vector<uint32_t> order;
    order.reserve(nodes);
    order.push_back(0);
    std::vector<uint32_t> next(static_cast<std::size_t>(nodes) * m_classes, 0);
    for (std::size_t head = 0; head < order.size(); ++head) {
        const uint32_t node = order[head];
        if (node != 0) {
            std::vector<uint32_t>& out = own[node];
            const std::vector<uint32_t>& inherited = own[failure[node]];
            out.insert(out.end(), inherited.begin(), inherited.end());
            std::sort(out.begin(), out.end());
            out.erase(std::unique(out.begin(), out.end()), out.end());
        }
        for (std::size_t k = 0; k < m_classes; ++k) {
            const uint32_t c = child[node * m_classes + k];
            const uint32_t viaFailure = node == 0 ? 0 : next[failure[node] * m_classes + k];
            if (c == none) {
                next[node * m_classes + k] = viaFailure;
            } else {
                failure[c] = viaFailure;
                next[node * m_classes + k] = c;
                order.push_back(c);
            }
        }
    }

    m_outputStart.resize(static_cast<std::size_t>(nodes) + 1);
    for (uint32_t n = 0; n < nodes; ++n) {
        m_outputStart[n] = static_cast<uint32_t>(m_outputs.size());
        m_outputs.insert(m_outputs.end(), own[n].begin(), own[n].end());
    }
    m_outputStart[nodes] = static_cast<uint32_t>(m_outputs.size());

    m_delta.resize(next.size());
    for (std::size_t i = 0; i < next.size(); ++i) {
        const uint32_t target = next[i];
        m_delta[i] = static_cast<State>(target * m_classes) | (own[target].empty() ? 0 : kHit);
    }
    for (int b = 0; b < 256; ++b)
        m_class[b] = classOf[folded(static_cast<char>(b))];
    m_usable = true;
}

} // namespace zuk::tools
