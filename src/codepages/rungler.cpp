#include "codepages/rungler.h"

#include "codepages/charsets.h"

namespace zuk::codepages {

namespace {

constexpr unsigned char kSmallYo = 0xB8, kCapitalYo = 0xA8;

unsigned char upperCyr(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 0x20;
    if (c >= 0xE0)
        return c - 0x20;
    if (c == kSmallYo)
        return kCapitalYo;
    return c;
}

unsigned char upLatin(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
}

bool isCapitalCyr(unsigned char c)
{
    return (c >= 0xC0 && c <= 0xDF) || c == kCapitalYo;
}

// Windows-1251 small letters by name, so the tables below read as the alphabet.
unsigned char cyr(const char* utf8Letter)
{
    return static_cast<unsigned char>(utf8ToWin(utf8Letter)[0]);
}

std::string upperAll(std::string s)
{
    for (char& ch : s)
        ch = static_cast<char>(upperCyr(static_cast<unsigned char>(ch)));
    return s;
}

} // namespace

void TRungler::setOriginalStr(std::string_view text)
{
    m_original = std::string(text);
    m_converted = Transliterate(m_original);
}

std::string TRungler::Transliterate(std::string_view text)
{
    return Direction == cdRussianToLatin ? toLatin(text) : toRussian(text);
}

bool TRungler::setShchaMode(std::string_view text)
{
    static const struct {
        const char* name;
        TShchaConvMode mode;
    } modes[] = {
        {"Sj", scUseSj}, {"Shch", scUseShch}, {"W", scUseW}, {"Q", scUseQ}, {"Sch", scUseSch}};
    for (const auto& m : modes) {
        if (text == m.name) {
            ShchaConvMode = m.mode;
            return true;
        }
    }
    return false;
}

bool TRungler::setXaMode(std::string_view text)
{
    static const struct {
        const char* name;
        TXaConvMode mode;
    } modes[] = {{"X", xcUseX}, {"KH", xcUseKH}, {"H", xcUseH}};
    for (const auto& m : modes) {
        if (text == m.name) {
            XaConvMode = m.mode;
            return true;
        }
    }
    return false;
}

bool TRungler::setWMode(std::string_view text)
{
    if (text == "V")
        WInterpMode = wiAsV;
    else if (text == "Sj")
        WInterpMode = wiAsSj;
    else
        return false;
    return true;
}

std::string TRungler::toLatin(std::string_view text)
{
    // Index: the letter's place in а..я; ё is handled on its own.
    static const char* const kForward[32] = {
        "a", "b", "v", "g", "d", "e", "zh", "z",  "i",  "j", "k", "l", "m", "n",  "o",  "p",
        "r", "s", "t", "u", "f", "",  "c",  "ch", "sh", "",  "~", "y", "'", "e'", "yu", "ya"};
    static const char* const kShcha[] = {"sj", "shch", "w", "q", "sch"};
    static const char* const kXa[] = {"x", "kh", "h"};

    std::string out;
    out.reserve(text.size() + text.size() / 4);
    PrevUpper = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const unsigned char a = upperCyr(c);
        CurUpper = c == a;
        if (!isCapitalCyr(a)) {
            out += static_cast<char>(c);
            PrevUpper = false;
            continue;
        }
        std::string s;
        if (a == kCapitalYo)
            s = "yo";
        else if (a == 0xD5) // х
            s = kXa[XaConvMode];
        else if (a == 0xD9) // щ
            s = kShcha[ShchaConvMode];
        else
            s = kForward[a - 0xC0];
        if (CurUpper) {
            const unsigned char n =
                i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (PrevUpper && n == upperCyr(n))
                s = upperAll(s);
            s[0] = static_cast<char>(upperCyr(static_cast<unsigned char>(s[0])));
        }
        out += s;
        PrevUpper = CurUpper;
    }
    return out;
}

std::string TRungler::toRussian(std::string_view text)
{
    auto backward = [this](unsigned char u) -> int {
        static const char* const kLetters[26] = {"а", "б", "ц", "д", "е", "ф", "г", "х", "и",
                                                 "й", "к", "л", "м", "н", "о", "п", "щ", "р",
                                                 "с", "т", "у", "в", "в", "х", "ы", "з"};
        if (u >= 'A' && u <= 'Z') {
            if (u == 'W' && WInterpMode == wiAsSj)
                return cyr("щ");
            return cyr(kLetters[u - 'A']);
        }
        if (u == '\'' || u == '`')
            return cyr("ь");
        if (u == '~')
            return cyr("ъ");
        if (u == '@')
            return cyr("э");
        return -1;
    };

    const size_t n = text.size();
    auto at = [&](size_t k) -> unsigned char {
        return k < n ? static_cast<unsigned char>(text[k]) : 0;
    };
    std::string out;
    out.reserve(n);
    PrevUpper = false;
    bool forceUpper = false, forceLower = false;
    size_t i = 0;
    while (i < n) {
        const unsigned char c = at(i);
        const bool candidate = c == '\'' || (c >= 0x40 && c <= 0x5A) || c == '\\' ||
                               (c >= 0x60 && c <= 0x7A) || c == '~';
        if (!candidate) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const unsigned char u = upLatin(c);
        const unsigned char nx = upLatin(at(i + 1)), nnx = upLatin(at(i + 2)),
                            nnnx = upLatin(at(i + 3));
        CurUpper = false;
        if (u >= 'A' && u <= 'Z') {
            if (c == u)
                CurUpper = true;
            else
                forceLower = true;
        }
        if (u == '\\' && nx == ' ') {
            TransOn = !TransOn;
            i += 2;
            continue;
        }
        auto caseMark = [&](unsigned char mark) {
            if (mark == '^')
                forceUpper = true;
            else
                forceLower = true;
        };
        const bool marked = nx == '^' || nx == '_';
        int letter = c;
        size_t used = 1;
        if (TransOn) {
            if ((u == '\'' || u == '`') && marked) {
                letter = cyr("ь"), used = 2, caseMark(nx);
            } else if (u == '@' && marked) {
                letter = cyr("э"), used = 2, caseMark(nx);
            } else if (u == 'C' && nx == 'H') {
                letter = cyr("ч"), used = 2;
            } else if (u == 'K' && nx == 'H') {
                letter = cyr("х"), used = 2;
            } else if (u == 'Z' && nx == 'H') {
                letter = cyr("ж"), used = 2;
            } else if (u == 'E' && (nx == '\'' || nx == '`')) {
                letter = cyr("э"), used = 2;
            } else if (u == 'J' && (nx == '\'' || nx == '`')) {
                letter = cyr("й"), used = 2;
            } else if (u == 'S' && nx == 'H' && nnx == 'C' && nnnx == 'H') {
                letter = cyr("щ"), used = 4;
            } else if (u == 'S' && nx == 'H') {
                letter = cyr("ш"), used = 2;
            } else if (u == 'S' && nx == 'J') {
                letter = cyr("щ"), used = 2;
            } else if (u == 'Y' && nx == 'A') {
                letter = cyr("я"), used = 2;
            } else if (u == 'Y' && nx == 'O') {
                letter = cyr("ё"), used = 2;
            } else if (u == 'Y' && nx == 'U') {
                letter = cyr("ю"), used = 2;
            } else if (u == '\\') {
                if (nx == '\'' || nx == '@' || nx == '\\' || nx == '`' || nx == '~') {
                    letter = at(i + 1), used = 2;
                } else {
                    ++i;
                    continue;
                }
            } else if (u == '~' && marked) {
                letter = cyr("ъ"), used = 2, caseMark(nx);
            } else {
                const int value = backward(u);
                letter = value < 0 ? c : value;
            }
        }
        bool upper = false;
        if (forceUpper) {
            CurUpper = true;
            upper = true;
        } else if (forceLower) {
            CurUpper = false;
        } else if (CurUpper) {
            upper = true;
        } else {
            const unsigned char next = at(i + used);
            upper = PrevUpper && next == upLatin(next);
            CurUpper = upper;
        }
        forceUpper = forceLower = false;
        PrevUpper = CurUpper;
        out += static_cast<char>(upper ? upperCyr(static_cast<unsigned char>(letter)) : letter);
        i += used;
    }
    return out;
}

} // namespace zuk::codepages
