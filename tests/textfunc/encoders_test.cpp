#include "textfunc/encoders.h"
#include "textfunc/rle.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"

#include <gtest/gtest.h>

#include <random>

using namespace zuk::textfunc;
using zuk::codepages::utf8ToWin;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

std::string randomBytes(std::mt19937& rng, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> runLength(1, 300);
    std::string s;
    const std::size_t n = length(rng);
    // Runs of random length, so the long-run forms of RLE get exercised too.
    while (s.size() < n)
        s.append(std::min<std::size_t>(n - s.size(), runLength(rng) > 200 ? runLength(rng) : 1),
                 static_cast<char>(byte(rng)));
    return s;
}

template <typename F> std::string errorOf(F&& f)
{
    try {
        f();
    } catch (const zuk::FormatError& e) {
        return e.what();
    }
    return "no error";
}

const char* const Base64Message = "Формат строки не соответствует способу кодирования Base64.";
const char* const HexMessage =
    "Ошибка при преобразовании строки шестнадцатеричных кодов в в строку символов.";

} // namespace

TEST(Base64, EncodeAndStrictDecode)
{
    EXPECT_EQ(Base64Encode(""), "");
    EXPECT_EQ(Base64Encode("abc"), "YWJj");
    EXPECT_EQ(Base64Encode("ab"), "YWI=");
    EXPECT_EQ(Base64Encode("a"), "YQ==");
    EXPECT_EQ(Base64Encode(bytes({0xFB, 0xFF})), "+/8=");
    EXPECT_EQ(MimeEncode("abc"), "YWJj");
    EXPECT_EQ(Base64Decode(""), "");
    EXPECT_EQ(Base64Decode("YWI="), "ab");
    EXPECT_EQ(Base64Decode("YQ=="), "a");
    EXPECT_EQ(Base64Decode("YWJjYWJj"), "abcabc");
    for (const char* bad :
         {"YWI", "YW\r\nJj", "YW*j", "YQ==YWJj", "YW=j", "====", "Y===", "YWJ "}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(errorOf([&] { Base64Decode(bad); }), Base64Message);
    }
}

TEST(Base64, MimeDecodeSkipsWhatIsNotInTheAlphabet)
{
    EXPECT_EQ(MimeDecode("YW\r\nJj"), "abc");
    EXPECT_EQ(MimeDecode("YWI="), "ab");
    EXPECT_EQ(MimeDecode("YQ"), "a");
    EXPECT_EQ(MimeDecode("Y"), "");
    EXPECT_EQ(MimeDecode(" = \r\n"), "");
}

TEST(Base64, RoundTripsOnRandomBytes)
{
    std::mt19937 rng(1);
    for (int i = 0; i < 300; ++i) {
        const std::string s = randomBytes(rng, 200);
        const std::string encoded = Base64Encode(s);
        ASSERT_EQ(Base64Decode(encoded), s);
        ASSERT_EQ(MimeDecode(encoded), s);
        // Line breaks every 76 characters are what mail does to it.
        std::string wrapped;
        for (std::size_t k = 0; k < encoded.size(); k += 76)
            wrapped += encoded.substr(k, 76) + "\r\n";
        ASSERT_EQ(MimeDecode(wrapped), s);
    }
}

TEST(Uue, DecodesAContinuousStream)
{
    EXPECT_EQ(UueDecode("!!!!"), bytes({0x04, 0x10, 0x41}));
    EXPECT_EQ(UueDecode(""), "");
    // Left-over values add one byte of their bits, unless a fill was removed.
    EXPECT_EQ(UueDecode("!!!!!"), bytes({0x04, 0x10, 0x41, 0x04}));
    EXPECT_EQ(UueDecode("!!!!!`"), bytes({0x04, 0x10, 0x41}));
    EXPECT_EQ(UueDecode("!!!! "), bytes({0x04, 0x10, 0x41}));
    // A byte outside the alphabet counts as 0.
    EXPECT_EQ(UueDecode("\x01\x01\x01\x01"), bytes({0, 0, 0}));
    EXPECT_EQ(UueDecode("____"), bytes({0xFF, 0xFF, 0xFF}));
}

TEST(Rle, PackFormat)
{
    const std::string a20(20, 'a'), a200(200, 'a');
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},
        {"aaaa", bytes({0x17, 'a'})},
        {"aaa", bytes({0x16, 'a'})},
        {"aaaaaaaa", bytes({0x1E, 'a'})},
        {a20, bytes({0x7F, 'a', 0x14})},
        {a200, bytes({0x7F, 'a', 0xC8, 0x01})},
        {bytes({0x16}), bytes({0x19, 0x16})},
        {bytes({0x16, 0x16}), bytes({0x17, 0x16})},
        {bytes({0x7F, 0x7F, 0x7F}), bytes({0x7F, 0x7F, 0x03})},
        {"abab", "abab"},
        {"aab", "aab"},
    };
    for (const auto& [input, packed] : rows) {
        SCOPED_TRACE(testing::PrintToString(input));
        EXPECT_EQ(RlePack(input), packed);
        EXPECT_EQ(RleUnpack(packed), input);
    }
    EXPECT_EQ(RleUnpack(bytes({0x19, 'a'})), "aaaaaa");
    EXPECT_EQ(RleUnpack(bytes({0x19, 0x7F})), bytes({0x7F}));
    EXPECT_EQ(RleUnpack(bytes({0x1D, 'x'})), std::string(7, 'x'));
    EXPECT_EQ(RleUnpack(bytes({0x7F, 'x', 0x00})), "");
}

TEST(Rle, MalformedInputIsRefused)
{
    const std::string rows[] = {
        bytes({'a', 0x16}),                                           // marker as the last byte
        bytes({0x7F}),                                                // long-run marker alone
        bytes({0x7F, 'a'}),                                           // count missing
        bytes({0x7F, 'a', 0x80, 0x80}),                               // count that does not end
        bytes({0x7F, 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),             // far beyond in one run
        bytes({0x7F, 'a', 0x81, 0x80, 0x80, 0x40}),                   // just beyond in one run
        bytes({0x7F, 'a', 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x01}), // groups past 64 bits
    };
    for (const std::string& packed : rows) {
        SCOPED_TRACE(testing::PrintToString(packed));
        EXPECT_THROW(RleUnpack(packed), zuk::FormatError);
        EXPECT_THROW(RleUnpackedSize(packed), zuk::FormatError);
    }
    EXPECT_EQ(RleUnpackedSize(bytes({0x7F, 'a', 0x80, 0x80, 0x80, 0x40})), MaxRleUnpackedSize);
    // Many runs that together pass the bound are refused before anything is
    // allocated; so is a single run a few packed bytes long.
    static_assert(MaxRleUnpackedSize == std::size_t(1) << 27);
    std::string many;
    for (int i = 0; i < 9; ++i)
        many += bytes({0x7F, 'a', 0x80, 0x80, 0x80, 0x08}); // 2^24 each
    EXPECT_THROW(RleUnpack(many), zuk::FormatError);
}

TEST(Rle, PackThenUnpackRestoresAnyBytes)
{
    std::mt19937 rng(2);
    for (int i = 0; i < 300; ++i) {
        const std::string s = randomBytes(rng, 2000);
        ASSERT_EQ(RleUnpack(RlePack(s)), s);
    }
    std::string all;
    for (int v = 0; v < 256; ++v)
        all.append(static_cast<std::size_t>(v % 11 + 1), static_cast<char>(v));
    EXPECT_EQ(RleUnpack(RlePack(all)), all);
}

TEST(Hex, BothWays)
{
    EXPECT_EQ(HexEncode(utf8ToWin("Я ")), "DF20");
    EXPECT_EQ(HexEncode(""), "");
    EXPECT_EQ(HexDecode("df20"), utf8ToWin("Я "));
    EXPECT_EQ(HexDecode("00FF"), bytes({0, 0xFF}));
    for (const char* bad : {"ABC", "GG", "0x", " 1"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(errorOf([&] { HexDecode(bad); }), HexMessage);
    }
    std::mt19937 rng(3);
    for (int i = 0; i < 100; ++i) {
        const std::string s = randomBytes(rng, 100);
        ASSERT_EQ(HexDecode(HexEncode(s)), s);
    }
}

TEST(UrlDecode, PercentEscapes)
{
    EXPECT_EQ(UrlDecode("a%20b"), "a b");
    EXPECT_EQ(UrlDecode("%3c%3E"), "<>");
    EXPECT_EQ(UrlDecode("a+b"), "a+b");
    EXPECT_EQ(UrlDecode("%E0%FF"), bytes({0xE0, 0xFF}));
    EXPECT_EQ(UrlDecode("x%"), bytes({'x', 0}));
    EXPECT_EQ(UrlDecode("x%4"), "x\x04");
    EXPECT_EQ(errorOf([] { UrlDecode("%zz"); }), "Invalid hex character z");
    EXPECT_EQ(errorOf([] { UrlDecode("%2g"); }), "Invalid hex character g");
}

TEST(SmallEncoders, PasswordEntitiesAndMelodies)
{
    const std::string text = utf8ToWin("Секрет: 42\r\n");
    const std::string once = PasswordXor(text, "pw");
    EXPECT_NE(once, text);
    EXPECT_EQ(PasswordXor(once, "wp"), text) << "decoding reverses the password";
    EXPECT_EQ(PasswordXor(text, "aa"), text) << "bytes that cancel out";
    EXPECT_EQ(PasswordXor("A", bytes({0x01})), "@");
    EXPECT_EQ(errorOf([] { PasswordXor("x", ""); }), "Пароль не может быть пустой строкой!");

    EXPECT_EQ(EntityEncode("a@b"), "&#97;&#64;&#98;");
    EXPECT_EQ(EntityEncode(utf8ToWin("я")), "&#255;");
    EXPECT_EQ(EntityEncode(std::string(1, '\0')), "&#0;");

    // The letters of the name and the settings count as notes too.
    EXPECT_EQ(RtttlToDigits("Nokia:d=4,o=5,b=125:8e6,8d6,4f#,4g#,8c#6,8b,4d,4e"), "62732451723");
    EXPECT_EQ(RtttlToDigits("abcdefgABCDEFG hxz 123"), "67123456712345");
}
