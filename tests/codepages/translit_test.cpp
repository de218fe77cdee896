#include "codepages/charsets.h"
#include "codepages/fixlayout.h"
#include "codepages/rungler.h"

#include <gtest/gtest.h>

#include <string>

using namespace zuk::codepages;

namespace {

std::string w(const char* utf8)
{
    return utf8ToWin(utf8);
}

std::string toLatin(TRungler& r, const std::string& text)
{
    r.Direction = cdRussianToLatin;
    r.setOriginalStr(text);
    return r.ConvertedStr();
}

std::string toRussian(TRungler& r, const std::string& text)
{
    r.Direction = cdLatinToRussian;
    r.setOriginalStr(text);
    return r.ConvertedStr();
}

} // namespace

TEST(FixLayout, SwapsLayoutsKeyForKey)
{
    EXPECT_EQ(FixLayout("ghbdtn"), w("привет"));
    EXPECT_EQ(FixLayout("Ghbdtn"), w("Привет"));
    EXPECT_EQ(FixLayout(w("руддщ")), "hello");
    EXPECT_EQ(FixLayout("{}:\"<>"), w("ХЪЖЭБЮ"));
    EXPECT_EQ(FixLayout("[];',."), w("хъжэбю"));
    // Digits, spaces, Ё, ? and the shifted digit row stay.
    const std::string kept = "0123 !@#$%^&*()? " + w("Ёё");
    EXPECT_EQ(FixLayout(kept), kept);
    // Twice restores everything but the slash, which comes back as ю.
    const std::string text = "Hello, world/ qwerty" + w(" Съешь");
    std::string twice = FixLayout(FixLayout(text));
    EXPECT_EQ(twice, "Hello, world" + w("ю") + " qwerty" + w(" Съешь"));
}

TEST(Rungler, RussianToLatinCaseRules)
{
    TRungler r;
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"ЖАР", "ZhAR"},     {"Жар", "Zhar"},
        {"жар", "zhar"},     {"ЩИ", "SjI"},
        {"Щука", "Sjuka"},   {"ёлка Ёлка", "yolka Yolka"},
        {"объём", "ob~yom"}, {"это семья", "e'to sem'ya"},
        {"ЮЛЯ", "YuLYA"},    {"Чаща, 42!", "Chasja, 42!"},
        {"xyz", "xyz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toLatin(r, w(c.in)), c.out) << c.in;
}

TEST(Rungler, ModesForShchaAndKha)
{
    TRungler r;
    const char* shcha[] = {"Sjuka", "Shchuka", "Wuka", "Quka", "Schuka"};
    const TShchaConvMode modes[] = {scUseSj, scUseShch, scUseW, scUseQ, scUseSch};
    for (int i = 0; i < 5; ++i) {
        r.ShchaConvMode = modes[i];
        EXPECT_EQ(toLatin(r, w("Щука")), shcha[i]);
    }
    const char* xa[] = {"Xleb", "Khleb", "Hleb"};
    const TXaConvMode xmodes[] = {xcUseX, xcUseKH, xcUseH};
    for (int i = 0; i < 3; ++i) {
        r.XaConvMode = xmodes[i];
        EXPECT_EQ(toLatin(r, w("Хлеб")), xa[i]);
        EXPECT_EQ(toLatin(r, w("ХЛЕБ")), std::string(xa[i]).substr(0, 1) == "K"
                                             ? "KhLEB"
                                             : std::string(xa[i]).substr(0, 1) + "LEB");
    }
    // The settings texts: exact and case-sensitive; anything else keeps the mode.
    EXPECT_TRUE(r.setShchaMode("Shch"));
    EXPECT_EQ(r.ShchaConvMode, scUseShch);
    EXPECT_FALSE(r.setShchaMode("shch"));
    EXPECT_EQ(r.ShchaConvMode, scUseShch);
    EXPECT_TRUE(r.setXaMode("KH"));
    EXPECT_FALSE(r.setXaMode("Kh"));
    EXPECT_EQ(r.XaConvMode, xcUseKH);
    EXPECT_TRUE(r.setWMode("Sj"));
    EXPECT_FALSE(r.setWMode("v"));
    EXPECT_EQ(r.WInterpMode, wiAsSj);
}

TEST(Rungler, LatinToRussian)
{
    TRungler r;
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"shchuka", "щука"},
        {"Shchuka", "Щука"},
        {"SHCHUKA", "ЩУКА"},
        {"e'to", "это"},
        {"Zh ZH zH zh", "Ж Ж ж ж"},
        {"yozh", "ёж"},
        {"Yula", "Юла"},
        {"YA", "Я"},
        {"sjomga", "щомга"},
        {"chaj", "чай"},
        {"khleb", "хлеб"},
        {"xleb", "хлеб"},
        {"ob~ekt", "объект"},
        {"sem'ya", "семья"},
        {"MOL'", "МОЛЬ"},
        {"@tot", "этот"},
        {"j'", "й"},
        {"12 + 3", "12 + 3"},
        {"w", "в"},
        // The symbol letters follow the case around them; ^ and _ force it.
        {"'^", "Ь"},
        {"~_", "ъ"},
        {"@^TO", "ЭТО"},
        // A backslash escapes the symbol letters and is dropped before anything else.
        {"\\'\\@\\\\\\~", "'@\\~"},
        {"\\q", "щ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toRussian(r, c.in), w(c.out)) << c.in;
    r.WInterpMode = wiAsSj;
    EXPECT_EQ(toRussian(r, "w"), w("щ"));
}

TEST(Rungler, BackslashSpaceTogglesConversionAcrossCommands)
{
    TRungler r;
    EXPECT_EQ(toRussian(r, "da \\ net"), w("да ") + "net");
    EXPECT_FALSE(r.TransOn);
    // The off state carries into the next conversion until the next pair.
    EXPECT_EQ(toRussian(r, "net\\ da"), "net" + w("да"));
    EXPECT_TRUE(r.TransOn);
    // Russian to Latin is not affected by it.
    r.TransOn = false;
    EXPECT_EQ(toLatin(r, w("да")), "da");
}

TEST(Rungler, EveryConversionStartsFromTheNewOriginal)
{
    TRungler r;
    EXPECT_EQ(toRussian(r, "privet"), w("привет"));
    EXPECT_EQ(toLatin(r, w("мир")), "mir");
    EXPECT_EQ(r.OriginalStr(), w("мир"));
    // Round trip through the default modes for plain words.
    for (const char* word : {"молоко", "Шишка", "ЯБЛОКО", "чёрный", "подъезд"}) {
        TRungler q;
        EXPECT_EQ(toRussian(q, toLatin(q, w(word))), w(word)) << word;
    }
}
