#include "calc/bignum.h"

#include "base/zukerror.h"
#include "calc/numformat.h"

#include <gmpxx.h>

#include <string_view>

namespace zuk::calc {

namespace {

bool isDigitIn(char c, int base)
{
    if (c >= '0' && c <= '9')
        return true;
    return base == 16 && ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'));
}

mpz_class parse(const std::string& text, int base)
{
    std::string_view s = trimmed(text);
    std::string_view digits = s;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    bool valid = !digits.empty();
    for (char c : digits)
        valid = valid && isDigitIn(c, base);
    if (!valid) {
        const char* what = base == 16 ? " не является шестнадцатеричным целым числом"
                                      : " не является целым числом";
        throw FormatError(quoteForMessage(s) + what);
    }
    mpz_class value(std::string(digits), base);
    if (negative)
        value = -value;
    return value;
}

mpz_class parseDecimal(const std::string& text)
{
    return parse(text, 10);
}

std::string toText(const mpz_class& value, int base = 10)
{
    std::string s = value.get_str(base);
    if (base == 16)
        for (char& c : s)
            if (c >= 'a' && c <= 'f')
                c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace

std::string BigAdd(const std::string& a, const std::string& b)
{
    return toText(parseDecimal(a) + parseDecimal(b));
}

std::string BigSub(const std::string& a, const std::string& b)
{
    return toText(parseDecimal(a) - parseDecimal(b));
}

std::string BigMul(const std::string& a, const std::string& b)
{
    return toText(parseDecimal(a) * parseDecimal(b));
}

int BigCompare(const std::string& a, const std::string& b)
{
    int c = cmp(parseDecimal(a), parseDecimal(b));
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

BigQuotient BigDivMod(const std::string& a, const std::string& b)
{
    const mpz_class dividend = parseDecimal(a);
    const mpz_class divisor = parseDecimal(b);
    if (divisor == 0)
        return {};
    mpz_class q, r;
    mpz_tdiv_qr(q.get_mpz_t(), r.get_mpz_t(), dividend.get_mpz_t(), divisor.get_mpz_t());
    return {toText(q), toText(r)};
}

std::string BigDivModText(const std::string& a, const std::string& b)
{
    BigQuotient result = BigDivMod(a, b);
    return result.quotient + "." + result.remainder;
}

std::string BigToHex(const std::string& a)
{
    return toText(parseDecimal(a), 16);
}

std::string BigHexToDec(const std::string& hex)
{
    return toText(parse(hex, 16));
}

std::string bigCompareVerdict(int comparison, bool russian)
{
    if (comparison == 0)
        return russian ? "Операнды равныыыы!" : "OPERANDS ARE EQUAAAAL!";
    if (comparison > 0)
        return russian ? "Первый операнд больше второгоооо!" : "1-ST OPERAND > 2-ND!";
    return russian ? "Второй операнд больше первогоооооо!" : "2-ND OPERAND > 1-ST!";
}

std::string bigButtonTitle(BigButton button, bool russian)
{
    switch (button) {
    case BigButton::Add:
        return russian ? "АХЫ, Я СЧИТАТЬ, ТЫ РАДОВАТЬСЯ, КЫ!!" : "OOh!! I CAN EVALUATE KOOL";
    case BigButton::Subtract:
        return russian ? "ЦИФИРЬ СИЛА ДА... ДЫН! КУ!" : "NUMBAS ARE GOOD... LO LO LO LO...";
    case BigButton::Multiply:
        return russian ? "ГЫЫЫЫЫЫ!!" : "BOOO-BOOO-BOOO!! ME - GENIUS!";
    case BigButton::Divide:
        return russian ? "Я СЧИТАТЬ! КУ!" : "GIVE ME MOOOORE NUMBAS!!!";
    case BigButton::Compare:
        return russian ? "УХ, Я СЧИТАТЬ! ДЫН!" : "POWERMIND! YUUUUUUUUU HA HA HA HA!!!";
    case BigButton::ToHex:
        return russian ? "АХЫ, Я СЧИТАТЬ, ТЫ РАДОВАТЬСЯ, КЫ!!" : "FORGET IT";
    case BigButton::ToDec:
        return russian ? "ЭХ!!!" : "YEAH, YOU GOT IT";
    case BigButton::CopyToClipboard:
        return russian ? "КОПИ ТО КЛИПБОРД КОМПЛИТЫД ВЭЛЛ. КУУУУУУУЛ!!! ЙООООО!"
                       : "COPYING TO CLIPBOARD IS VERY COOL";
    case BigButton::ClearFields:
        return russian ? "АААААА! РУССКА ВОДКА!!!" : "RUSSKA VODKA!!!";
    case BigButton::ClearHistory:
        return russian ? "АХЫЧ!" : "NO NO NO";
    }
    return {};
}

} // namespace zuk::calc
