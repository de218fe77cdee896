#include "tools/replace.h"

#include "tools/multipattern.h"
#include "tools/searchtexts.h"

#include <algorithm>
#include <cstdint>

#include <unordered_map>

namespace zuk::tools {

namespace {

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

void checkCap(std::size_t size, std::size_t cap)
{
    if (size > cap)
        throw SearchError(searchMessages(), "sReplaceTooBig");
}

// ReplaceAll with a finder made once; appends the result to `out`.
void replaceInto(std::string& out, std::string_view text, const ByteFinder& finder,
                 std::string_view with, std::size_t cap, std::size_t& count)
{
    std::size_t at = 0;
    for (std::size_t hit = finder.find(text, 0); hit != ByteFinder::npos;
         hit = finder.find(text, at)) {
        out.append(text.data() + at, hit - at);
        out.append(with);
        at = hit + finder.size();
        ++count;
        if (with.size() > finder.size())
            checkCap(out.size(), cap);
    }
    out.append(text.data() + at, text.size() - at);
    checkCap(out.size(), cap);
}

std::string replaceOne(std::string_view text, const ByteFinder& finder, std::string_view with,
                       std::size_t cap, std::size_t& count)
{
    std::string out;
    if (finder.find(text, 0) == ByteFinder::npos)
        return std::string(text);
    out.reserve(with.size() > finder.size() ? text.size() + text.size() / 8 : text.size());
    replaceInto(out, text, finder, with, cap, count);
    return out;
}

// The rules one after another over the whole text.
std::string replaceRuleByRule(std::string_view text, const std::vector<ReplaceRule>& rules,
                              const FoldTable* fold, std::size_t cap, std::size_t& count)
{
    std::string result(text);
    for (const ReplaceRule& rule : rules) {
        const ByteFinder finder(rule.find, fold);
        if (finder.find(result, 0) != ByteFinder::npos)
            result = replaceOne(result, finder, rule.with, cap, count);
    }
    return result;
}

} // namespace

std::size_t replaceCap(std::size_t inputSize)
{
    return 64 * inputSize + (16u << 20);
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with,
                       const FoldTable* fold, std::size_t* count)
{
    std::size_t n = 0;
    std::string out =
        find.empty() ? std::string(text)
                     : replaceOne(text, ByteFinder(find, fold), with, replaceCap(text.size()), n);
    if (count)
        *count = n;
    return out;
}

std::vector<ReplaceRule> parseReplaceList(const std::vector<std::string>& lines,
                                          const FoldTable& nameFold)
{
    std::vector<ReplaceRule> rules;
    std::unordered_map<std::string, std::string> firstValue;
    for (const std::string& line : lines) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0)
            continue;
        std::string key = line.substr(0, eq);
        for (char& c : key)
            c = static_cast<char>(nameFold[static_cast<unsigned char>(c)]);
        const auto it = firstValue.emplace(std::move(key), line.substr(eq + 1)).first;
        rules.push_back({line.substr(0, eq), it->second});
    }
    return rules;
}

namespace {

// Whether putting `value` into a text can make a new occurrence of `name`:
// one that overlaps the value somewhere, agreeing with it where they meet.
// An empty value joins its neighbours, so then anything can appear.
bool canIntroduce(std::string_view value, std::string_view name, const FoldTable* fold)
{
    if (value.empty())
        return true;
    auto same = [fold](char a, char b) {
        const auto x = static_cast<unsigned char>(a);
        const auto y = static_cast<unsigned char>(b);
        return fold ? (*fold)[x] == (*fold)[y] : x == y;
    };
    const auto v = static_cast<long>(value.size());
    const auto n = static_cast<long>(name.size());
    for (long shift = 1 - n; shift < v; ++shift) { // name[i] meets value[i + shift]
        bool fits = true;
        for (long i = std::max(0L, -shift); fits && i < n && i + shift < v; ++i)
            fits =
                same(name[static_cast<std::size_t>(i)], value[static_cast<std::size_t>(i + shift)]);
        if (fits)
            return true;
    }
    return false;
}

// A set of rule indexes for one line.
class RuleSet {
public:
    explicit RuleSet(std::size_t size) : m_words((size + 63) / 64, 0) {}
    void add(std::size_t i) { m_words[i / 64] |= uint64_t{1} << (i % 64); }
    // The smallest member at least `from`, or npos; members below it are dropped.
    std::size_t takeFrom(std::size_t from)
    {
        for (std::size_t w = from / 64; w < m_words.size(); ++w) {
            uint64_t bits = m_words[w];
            if (w == from / 64)
                bits &= ~uint64_t{0} << (from % 64);
            if (bits) {
                const std::size_t i = w * 64 + static_cast<std::size_t>(__builtin_ctzll(bits));
                m_words[w] &= ~(uint64_t{1} << (i % 64));
                return i;
            }
            m_words[w] = 0;
        }
        return MultiPattern::npos;
    }
    void clear() { std::fill(m_words.begin(), m_words.end(), 0); }

private:
    std::vector<uint64_t> m_words;
};

} // namespace

struct MultiReplacer::Prepared {
    MultiPattern automaton;
    std::vector<ByteFinder> finders;
    // Per rule: the later rules its value can bring into a line.
    std::vector<std::vector<uint32_t>> introduces;
};

MultiReplacer::MultiReplacer(const std::vector<ReplaceRule>& rules, const FoldTable* fold)
    : m_fold(fold)
{
    for (const ReplaceRule& rule : rules) {
        if (rule.find.empty())
            continue;
        m_rules.push_back(rule);
        m_lineByLine = m_lineByLine && rule.find.find_first_of("\r\n") == std::string::npos;
    }
    if (m_rules.empty() || !m_lineByLine)
        return;
    std::vector<std::string_view> finds;
    for (const ReplaceRule& rule : m_rules)
        finds.push_back(rule.find);
    auto prepared = std::make_unique<Prepared>(Prepared{MultiPattern(finds, fold), {}, {}});
    if (!prepared->automaton.usable())
        return;
    prepared->finders.reserve(m_rules.size());
    prepared->introduces.resize(m_rules.size());
    for (std::size_t j = 0; j < m_rules.size(); ++j) {
        prepared->finders.emplace_back(m_rules[j].find, fold);
        for (std::size_t k = j + 1; k < m_rules.size(); ++k)
            if (canIntroduce(m_rules[j].with, m_rules[k].find, fold))
                prepared->introduces[j].push_back(static_cast<uint32_t>(k));
    }
    m_prepared = std::move(prepared);
}

MultiReplacer::~MultiReplacer() = default;

std::string MultiReplacer::apply(std::string_view text, std::size_t* count) const
{
    std::size_t n = 0;
    const std::size_t cap = replaceCap(text.size());
    if (!m_prepared) {
        std::string out = replaceRuleByRule(text, m_rules, m_fold, cap, n);
        if (count)
            *count = n;
        return out;
    }
    const MultiPattern& automaton = m_prepared->automaton;

    // Lines without a hit are copied as they are, in long runs. For a line
    // with one, a single pass of the automaton gives every rule occurring in
    // it; those run in order, each rule that replaced something adding the
    // later rules its value could bring in. A rule that no longer occurs
    // when its turn comes finds nothing and changes nothing.
    const char* p = text.data();
    const std::size_t size = text.size();
    std::string out;
    std::string line, changed;
    RuleSet pending(m_rules.size());
    std::size_t copied = 0;
    bool any = false;
    MultiPattern::State state = automaton.root();
    for (std::size_t i = 0; i < size; ++i) {
        state = automaton.step(state, static_cast<unsigned char>(p[i]));
        if (!MultiPattern::hit(state))
            continue;
        std::size_t lineStart = i;
        while (lineStart > copied && !isBreak(p[lineStart - 1]))
            --lineStart;
        std::size_t lineEnd = i + 1;
        while (true) {
            if (MultiPattern::hit(state)) {
                const auto [begin, end] = automaton.outputs(state);
                for (const uint32_t* r = begin; r != end; ++r)
                    pending.add(*r);
            }
            if (lineEnd >= size || isBreak(p[lineEnd]))
                break;
            state = automaton.step(state, static_cast<unsigned char>(p[lineEnd++]));
        }
        line.assign(p + lineStart, lineEnd - lineStart);
        for (std::size_t rule = pending.takeFrom(0); rule != MultiPattern::npos;
             rule = pending.takeFrom(rule + 1)) {
            const std::size_t before = n;
            changed.clear();
            replaceInto(changed, line, m_prepared->finders[rule], m_rules[rule].with, cap, n);
            if (n == before)
                continue;
            line.swap(changed);
            for (const uint32_t later : m_prepared->introduces[rule])
                pending.add(later);
        }
        if (!any)
            out.reserve(size + size / 8);
        any = true;
        out.append(p + copied, lineStart - copied);
        out.append(line);
        checkCap(out.size(), cap);
        copied = lineEnd;
        i = lineEnd - 1;
        state = automaton.root();
    }
    if (count)
        *count = n;
    if (!any)
        return std::string(text);
    out.append(p + copied, size - copied);
    return out;
}

std::string MultiReplace(std::string_view text, const std::vector<ReplaceRule>& rules,
                         const FoldTable* fold, std::size_t* count)
{
    return MultiReplacer(rules, fold).apply(text, count);
}

ReplaceStream::ReplaceStream(std::string_view find, std::string_view with, const FoldTable* fold)
    : m_finder(find, fold), m_with(with)
{
}

ReplaceStream::ReplaceStream(const MultiReplacer& multi) : m_multi(&multi) {}

void ReplaceStream::put(std::string_view piece, std::string& out)
{
    m_held.append(piece);
    if (m_multi) {
        if (!m_multi->lineByLine())
            return;
        const std::size_t cut = m_held.find_last_of("\r\n");
        if (cut == std::string::npos)
            return;
        std::size_t n = 0;
        out += m_multi->apply(std::string_view(m_held).substr(0, cut + 1), &n);
        m_count += n;
        m_held.erase(0, cut + 1);
        return;
    }
    if (m_finder.empty()) {
        out += m_held;
        m_held.clear();
        return;
    }
    // Matches are settled up to where a match could still go on into the next piece.
    std::size_t at = 0;
    for (std::size_t hit = m_finder.find(m_held, 0); hit != ByteFinder::npos;
         hit = m_finder.find(m_held, at)) {
        out.append(m_held, at, hit - at);
        out += m_with;
        at = hit + m_finder.size();
        ++m_count;
    }
    const std::size_t keep =
        std::max(at, m_held.size() - std::min(m_held.size(), m_finder.size() - 1));
    out.append(m_held, at, keep - at);
    m_held.erase(0, keep);
}

void ReplaceStream::finish(std::string& out)
{
    if (m_multi) {
        std::size_t n = 0;
        out += m_multi->apply(m_held, &n);
        m_count += n;
    } else {
        out += m_held;
    }
    m_held.clear();
}

} // namespace zuk::tools
