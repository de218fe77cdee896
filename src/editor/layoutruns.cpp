#include "editor/layoutruns.h"

namespace zuk::editor {

bool measuresAlone(char32_t c)
{
    if (c < 0x300) // ASCII, Latin-1, Latin Extended A and B, IPA, spacing modifiers
        return true;
    if (c < 0x370) // combining diacritics
        return false;
    if (c < 0x483) // Greek and Cyrillic
        return true;
    if (c < 0x48A) // Cyrillic combining marks
        return false;
    if (c < 0x530) // Cyrillic and its supplement
        return true;
    if (c >= 0x1E00 && c < 0x2000) // precomposed Latin and Greek
        return true;
    if ((c >= 0x2010 && c < 0x2028) || (c >= 0x2030 && c < 0x205F)) // punctuation, no controls
        return true;
    if (c >= 0x20A0 && c < 0x20C1) // currency
        return true;
    if (c >= 0x2100 && c < 0x2150) // letterlike: the numero sign
        return true;
    if (c >= 0x2190 && c < 0x2400) // arrows, mathematical operators, technical
        return true;
    return c >= 0x2500 && c < 0x2600; // box drawing, blocks, shapes
}

namespace {

static_assert(kRunStyleA == 0 && kRunStyleB == 1, "the next style is the other bit");

// measuresAlone() for the code points of two UTF-8 bytes, U+0080 to U+07FF,
// which hold all of Cyrillic.
inline bool twoBytesMeasureAlone(char32_t c)
{
    return c < 0x300 || (c >= 0x370 && c < 0x483) || (c >= 0x48A && c < 0x530);
}

} // namespace

char fillLayoutRunStyles(std::string_view utf8, char* styles, char before)
{
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    char current = before;
    size_t i = 0;
    while (i < n) {
        const unsigned char lead = s[i];
        // The common cases first: ASCII, and two-byte letters.
        if (lead < 0x80) {
            current ^= 1;
            styles[i++] = current;
            continue;
        }
        if (lead >= 0xC2 && lead < 0xE0 && i + 1 < n && (s[i + 1] & 0xC0) == 0x80) {
            if (twoBytesMeasureAlone(((lead & 0x1Fu) << 6) | (s[i + 1] & 0x3Fu)))
                current ^= 1;
            styles[i] = current;
            styles[i + 1] = current;
            i += 2;
            continue;
        }
        size_t length = 1;
        char32_t c = lead;
        if (lead >= 0x80) {
            size_t want = 0;
            if (lead >= 0xC2 && lead < 0xE0) {
                want = 2;
                c = lead & 0x1F;
            } else if (lead >= 0xE0 && lead < 0xF0) {
                want = 3;
                c = lead & 0x0F;
            } else if (lead >= 0xF0 && lead < 0xF5) {
                want = 4;
                c = lead & 0x07;
            }
            size_t k = 1;
            while (k < want && i + k < n && (s[i + k] & 0xC0) == 0x80) {
                c = (c << 6) | (s[i + k] & 0x3F);
                ++k;
            }
            // A broken sequence: each of its bytes is shown as a blob of its own.
            if (want == 0 || k < want)
                c = 0xFFFFFFFF;
            else
                length = want;
        }
        if (c == 0xFFFFFFFF || measuresAlone(c))
            current ^= 1;
        for (size_t k = 0; k < length; ++k)
            styles[i + k] = current;
        i += length;
    }
    return current;
}

} // namespace zuk::editor
