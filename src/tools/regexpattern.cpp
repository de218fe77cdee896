#include "tools/regexpattern.h"

#include "tools/searchtexts.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <string>

namespace zuk::tools {

namespace {

// Enough for any sensible search, small enough that a runaway expression
// ends with a message instead of hanging the editor.
constexpr uint32_t kMatchLimit = 1'000'000;
constexpr uint32_t kHeapLimitKb = 256 * 1024;

std::string errorText(int code)
{
    PCRE2_UCHAR buffer[256];
    const int n = pcre2_get_error_message(code, buffer, sizeof buffer);
    return n > 0 ? std::string(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(n))
                 : std::to_string(code);
}

} // namespace

struct RegexPattern::Impl {
    pcre2_code* code = nullptr;
    pcre2_match_data* data = nullptr;
    pcre2_match_context* context = nullptr;

    ~Impl()
    {
        pcre2_match_context_free(context);
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }
};

RegexPattern::RegexPattern(std::string_view utf8, bool ignoreCase)
    : m_impl(std::make_unique<Impl>())
{
    pcre2_compile_context* compile = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(compile, PCRE2_NEWLINE_ANYCRLF);
    uint32_t options = PCRE2_UTF | PCRE2_UCP | PCRE2_MULTILINE;
    if (ignoreCase)
        options |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE offset = 0;
    m_impl->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(), options,
                                 &error, &offset, compile);
    pcre2_compile_context_free(compile);
    if (!m_impl->code)
        throw SearchError(searchMessages(), "sRegexError",
                          {std::to_string(offset + 1), errorText(error)});
    uint32_t captures = 0;
    pcre2_pattern_info(m_impl->code, PCRE2_INFO_CAPTURECOUNT, &captures);
    m_groups = static_cast<int>(captures);
    // Without machine code (a platform JIT does not support) matching is only slower.
    pcre2_jit_compile(m_impl->code, PCRE2_JIT_COMPLETE);
    m_impl->data = pcre2_match_data_create_from_pattern(m_impl->code, nullptr);
    m_impl->context = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(m_impl->context, kMatchLimit);
    pcre2_set_heap_limit(m_impl->context, kHeapLimitKb);
}

RegexPattern::~RegexPattern() = default;

bool RegexPattern::match(std::string_view subject, std::size_t start, bool anchored, bool nonEmpty,
                         std::vector<std::size_t>& groups) const
{
    if (start > subject.size())
        return false;
    // The subject is decoded from a code page by the caller: valid UTF-8.
    uint32_t options = PCRE2_NO_UTF_CHECK;
    if (anchored)
        options |= PCRE2_ANCHORED;
    if (nonEmpty)
        options |= PCRE2_NOTEMPTY_ATSTART;
    const auto* text = reinterpret_cast<PCRE2_SPTR>(subject.data());
    // An empty view may have no storage; PCRE2 wants a pointer all the same.
    static const char kNothing = 0;
    if (!text)
        text = reinterpret_cast<PCRE2_SPTR>(&kNothing);
    // pcre2_match runs the compiled machine code when the options allow it.
    const int rc = pcre2_match(m_impl->code, text, subject.size(), start, options, m_impl->data,
                               m_impl->context);
    if (rc == PCRE2_ERROR_NOMATCH)
        return false;
    if (rc < 0) {
        if (rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_HEAPLIMIT ||
            rc == PCRE2_ERROR_DEPTHLIMIT || rc == PCRE2_ERROR_JIT_STACKLIMIT)
            throw SearchError(searchMessages(), "sRegexTooCostly");
        throw SearchError(searchMessages(), "sRegexFailed", {errorText(rc)});
    }
    const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(m_impl->data);
    const std::size_t pairs = static_cast<std::size_t>(m_groups) + 1;
    groups.assign(pairs * 2, npos);
    for (std::size_t i = 0; i < pairs && i < static_cast<std::size_t>(rc); ++i) {
        if (vector[2 * i] == PCRE2_UNSET)
            continue;
        groups[2 * i] = vector[2 * i];
        groups[2 * i + 1] = vector[2 * i + 1];
    }
    // A match that ends before it starts (\K in a lookahead) is taken as empty.
    if (groups[1] < groups[0])
        groups[1] = groups[0];
    return true;
}

} // namespace zuk::tools
