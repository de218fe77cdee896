#pragma once

#include <string>
#include <string_view>

namespace zuk::codepages {

enum TConversionDirection { cdLatinToRussian = 0, cdRussianToLatin = 1 };
enum TShchaConvMode { scUseSj, scUseShch, scUseW, scUseQ, scUseSch };
enum TXaConvMode { xcUseX, xcUseKH, xcUseH };
enum TWInterpMode { wiAsV, wiAsSj };

// The transliterator between Russian (Windows-1251) and Latin letters. One
// instance lives for the whole run: TransOn, toggled by a backslash and a
// space inside Latin text, keeps its value from one conversion to the next.
class TRungler final {
public:
    bool TransOn = true;
    TConversionDirection Direction = cdRussianToLatin;
    TShchaConvMode ShchaConvMode = scUseSj;
    TXaConvMode XaConvMode = xcUseX;
    TWInterpMode WInterpMode = wiAsV;

    // Assigning the original text runs the conversion in the current
    // direction and mode; ConvertedStr holds the result.
    void setOriginalStr(std::string_view text);
    const std::string& OriginalStr() const { return m_original; }
    const std::string& ConvertedStr() const { return m_converted; }

    std::string Transliterate(std::string_view text);

    // The settings texts of the three modes ("Sj", "Shch", "W", "Q", "Sch";
    // "X", "KH", "H"; "V", "Sj"), compared case-sensitively. Any other text
    // leaves the mode as it was and returns false.
    bool setShchaMode(std::string_view text);
    bool setXaMode(std::string_view text);
    bool setWMode(std::string_view text);

private:
    std::string toLatin(std::string_view text);
    std::string toRussian(std::string_view text);

    std::string m_original;
    std::string m_converted;
    bool PrevUpper = false;
    bool CurUpper = false;
};

} // namespace zuk::codepages
