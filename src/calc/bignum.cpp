#include "calc/bignum.h"

#include "base/zukerror.h"
#include "calc/calctexts.h"
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
    if (!valid)
        throw FormatError(supacalcTexts(), base == 16 ? "sBigNotAHexInteger" : "sBigNotAnInteger",
                          {quoteForMessage(s)});
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

std::string_view bigCompareVerdictKey(int comparison)
{
    if (comparison == 0)
        return "sOperandsEqual";
    return comparison > 0 ? "sFirstOperandGreater" : "sSecondOperandGreater";
}

std::string_view bigButtonTitleKey(BigButton button)
{
    switch (button) {
    case BigButton::Add:
        return "sTitleAdd";
    case BigButton::Subtract:
        return "sTitleSubtract";
    case BigButton::Multiply:
        return "sTitleMultiply";
    case BigButton::Divide:
        return "sTitleDivide";
    case BigButton::Compare:
        return "sTitleCompare";
    case BigButton::ToHex:
        return "sTitleToHex";
    case BigButton::ToDec:
        return "sTitleToDec";
    case BigButton::CopyToClipboard:
        return "sTitleCopy";
    case BigButton::ClearFields:
        return "sTitleClearFields";
    case BigButton::ClearHistory:
        return "sTitleClearHistory";
    }
    return {};
}

} // namespace zuk::calc
