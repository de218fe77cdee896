#include "cli/clirunner.h"

#include "codepages/charsets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zuk::codepages::utf8ToWin;
using zuk::testing::checkRows;
using zuk::testing::runCli;

namespace {

std::string w(const char* utf8)
{
    return utf8ToWin(utf8);
}

} // namespace

TEST(ZukTextFunctions, CaseChanges)
{
    checkRows({
        {{"invert-case", "--utf8"}, "ёжик Ёж", "ёЖИК ЁЖ"},
        {{"capitalize-first", "--utf8"}, "ПРИВЕТ. МИР", "Привет. мир"},
        {{"capitalize-words"}, "hello-world it's o'neil (test)", "Hello-World It's O'neil (Test)"},
    });
    const auto a = runCli({"hackerize", "--seed", "5"}, "abcdefghijklmnop");
    const auto b = runCli({"hackerize", "--seed", "5"}, "abcdefghijklmnop");
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(runCli({"lower"}, a.out).out, "abcdefghijklmnop");
}

TEST(ZukTextFunctions, LinesAndText)
{
    checkRows({
        {{"number-lines"}, "a\nb\r\nc\n", "1 a\r\n2 b\r\n3 c\r\n"},
        {{"delete-empty-lines"}, "a\n \t\n\nb", "a\r\nb\r\n"},
        {{"enclose-lines", "--before", "<", "--after", ">"}, "a\nb", "<a>\r\n<b>\r\n"},
        {{"reverse-lines"}, "1\n2\n3\n", "3\r\n2\r\n1\r\n"},
        {{"reverse-text"}, "ab\r\n", "\n\rba"},
        {{"anagrams", "--utf8"},
         "abc\n",
         "bac\r\nbca\r\ncba\r\nabc\r\nacb\r\ncab\r\nНайдено 6 анаграмм...\r\n"},
        {{"anagrams"}, "abcdefghi", "", 1, "8"},
        {{"sort-lines", "--utf8"},
         "яблоко\nApple\nёж\nбанан\nbanana\n",
         "Apple\r\nbanana\r\nбанан\r\nёж\r\nяблоко\r\n"},
        {{"sort-lines-desc"}, "b\na\nc\n", "c\r\nb\r\na\r\n"},
        {{"sort-paragraphs"}, "b;a;;c", "\r\na\r\nb\r\nc\r\n"},
        {{"sort-paragraphs", "--delimiter", ","}, "b,a", "a\r\nb\r\n"},
        {{"sort-paragraphs", "--delimiter", ""}, "b,a", "", 1, "Значение не задано!"},
        {{"delete-word", "--word", "ab"}, "xABabY aab", "xY a"},
        {{"delete-word", "--utf8", "--word", "ёлка"}, "ЁЛКА и ёлка", " и "},
        {{"collapse-spaces"}, "a  \t  b", "a \t b"},
        {{"kill-format"}, "  a \r\n\r\n\tb  ", "a b"},
        {{"hard-wrap", "--width", "10"}, "aaaa bbbb cccc", "aaaa bbbb \r\ncccc"},
        {{"hard-wrap", "--width", "ten"}, "aaaa", "", 1, "ten"},
        {{"tabs-to-spaces"}, "\ta", "   a"},
        {{"tabs-to-spaces", "--tab", "1"}, "\ta\t", " a "},
        {{"straight-to-paired-quotes", "--utf8"}, "\"a\" \"b", "«a» «b"},
        {{"paired-to-straight-quotes", "--utf8"}, "«a»", "\"a\""},
        {{"escape-lt"}, "<b>", "&lt;b>"},
        {{"strip-tags"}, "a<b>c</b>d", "acd"},
        {{"strip-tags"}, "a>b<c", "a>b<c"},
        {{"win-path-to-unix"}, "C:\\dir\\f.txt", "C_/dir/f.txt"},
        {{"unix-path-to-win"}, "/usr/local", "\\usr\\local"},
        {{"qscript-to-cmdline"}, "a\nb\n", "|a|b\r\n"},
        {{"cmdline-to-qscript"}, "|a||b", "\r\na\r\n\r\nb\r\n"},
    });
}

TEST(ZukTextFunctions, Numbers)
{
    checkRows({
        {{"int-to-roman"}, "1994\n", "MCMXCIV"},
        {{"int-to-roman"}, "0", ""},
        {{"int-to-roman"}, "100001", "", 1, "100000"},
        {{"int-to-roman"}, "-5", "", 1},
        {{"roman-to-int"}, "-XL", "-40"},
        {{"roman-to-int"}, "XIZ", "0"},
        {{"russian-words", "--utf8"}, "11000", "Одиннадцать тысяч"},
        {{"russian-words"}, "2001", w("Две тысячи один")},
        {{"english-words"}, "115", "one hundred and fifteen"},
        {{"english-words"}, "0.05", "zero point zero five"},
        {{"english-words"}, "2,5", "", 1},
        {{"german-words"}, "1001", "eintausendein"},
        {{"german-words"},
         "-2147483648",
         "minus "
         "zweitausendeinhundertsiebenundvierzigmillionenvierhundertdreiundachtzigtausendsechshunder"
         "tachtundvierzig"},
        {{"german-words"}, "2147483648", "", 1},
        {{"hex-to-dec"}, "ffffffffffffffff", "-1"},
        {{"hex-to-dec"}, "f f", "", 1, "Invalid character ' '"},
        {{"dec-to-hex"}, "255", "FF"},
        {{"dec-to-bin"}, "255", "11111111"},
        {{"dec-to-hex"}, "12a", "", 1},
        {{"bin-to-dec"}, "1010", "10"},
        {{"bin-to-dec"}, "102", "", 1, "Invalid character '2'"},
        {{"to-base", "--base", "16"}, "1152921504606846976", "1000000000000000"},
        {{"from-base", "--base", "36"}, "zz", "1295"},
        {{"to-base", "--base", "40"}, "5", "", 2},
        {{"leap-year"}, "1900", "1900" + w(" - увы, не високосный...")},
        {{"leap-year", "--utf8"}, "2000", "2000 - високосный год"},
        {{"leap-year"}, "20x0", "", 1, "Че-то не то!"},
    });
}

TEST(ZukTextFunctions, Encoders)
{
    const std::string a200(200, 'a');
    checkRows({
        {{"base64-encode"}, "abc", "YWJj"},
        {{"base64-encode", "--utf8"}, "Я", "3w=="},
        {{"base64-decode"}, "YWI=", "ab"},
        {{"base64-decode"}, "YWI", "", 1, "Base64"},
        {{"base64-decode"}, "YW\r\nJj", "", 1, "Base64"},
        {{"mime-encode"}, "ab", "YWI="},
        {{"mime-decode"}, "YW\r\nJj", "abc"},
        {{"uue-decode"}, "!!!!", std::string("\x04\x10\x41", 3)},
        {{"rle-pack"},
         a200,
         std::string("\x7F"
                     "a\xC8\x01",
                     4)},
        {{"rle-unpack"},
         std::string("\x19"
                     "a",
                     2),
         "aaaaaa"},
        {{"rle-unpack"}, std::string("a\x16", 2), "", 1},
        {{"hex-encode"}, w("Я "), "DF20"},
        {{"hex-decode"}, "df20", w("Я ")},
        {{"hex-decode"}, "ABC", "", 1, "шестнадцатеричных"},
        {{"url-decode"}, "a%20b%3c%3E", "a b<>"},
        {{"url-decode"}, "%zz", "", 1, "Invalid hex character z"},
        {{"password-xor", "--password", "\x01"}, "A", "@"},
        {{"password-xor", "--password", ""}, "A", "", 1, "Пароль не может быть пустой строкой!"},
        {{"entity-encode"}, "a@b", "&#97;&#64;&#98;"},
        {{"entity-encode", "--utf8"}, "я", "&#255;"},
        {{"rtttl-to-digits"}, "x:d=4:8c,8d,e,f,g,a,b", "21234567"},
    });
    // Binary-safe both ways: every byte value survives packing through the tool.
    std::string all;
    for (int v = 0; v < 256; ++v)
        all.append(static_cast<std::size_t>(v % 12 + 1), static_cast<char>(v));
    const auto packed = runCli({"rle-pack"}, all);
    ASSERT_EQ(packed.status, 0);
    EXPECT_EQ(runCli({"rle-unpack"}, packed.out).out, all);
    const auto encoded = runCli({"base64-encode"}, all);
    EXPECT_EQ(runCli({"base64-decode"}, encoded.out).out, all);
}
