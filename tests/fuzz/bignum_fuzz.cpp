// The big-number calculator: the input is two operands separated by the first
// line break. Both parse or FormatError is thrown; results have no leading
// zeros and no "-0", and the operations agree with each other (a + b - b is
// a, q * b + r is a, hexadecimal and back is the number).

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "calc/bignum.h"

#include <cstdlib>
#include <string>

namespace {

using namespace zuk::calc;

using zuk::fuzz::check;

bool canonical(const std::string& n)
{
    size_t i = n.size() > 0 && n[0] == '-' ? 1 : 0;
    if (i == n.size())
        return false;
    for (size_t k = i; k < n.size(); ++k)
        if (n[k] < '0' || n[k] > '9')
            return false;
    if (n[i] == '0')
        return n.size() == 1; // 0 alone, never -0 or 01
    return true;
}

std::string negated(const std::string& n)
{
    if (n == "0")
        return n;
    return n[0] == '-' ? n.substr(1) : "-" + n;
}

bool parses(const std::string& text, std::string& value)
{
    try {
        value = BigAdd(text, "0");
        return true;
    } catch (const zuk::FormatError&) {
        return false;
    }
}

} // namespace

ZUK_FUZZ_TARGET(bignum)
{
    const size_t cut = input.find('\n');
    const std::string a(input.substr(0, cut));
    const std::string b(cut == std::string_view::npos ? "" : input.substr(cut + 1));

    try {
        (void)BigHexToDec(a);
    } catch (const zuk::FormatError&) {
    }
    std::string x, y;
    const bool xOk = parses(a, x), yOk = parses(b, y);
    if (!xOk || !yOk) {
        // Any operation on a text that is no number is refused the same way.
        bool refused = false;
        try {
            (void)BigMul(a, b);
        } catch (const zuk::FormatError&) {
            refused = true;
        }
        check(refused);
        return;
    }
    check(canonical(x) && canonical(y));

    const std::string sum = BigAdd(x, y), difference = BigSub(x, y), product = BigMul(x, y);
    check(canonical(sum) && canonical(difference) && canonical(product));
    check(BigSub(sum, y) == x);
    check(BigAdd(difference, y) == x);
    check(BigMul(y, x) == product);
    check(BigSub(y, x) == negated(difference));
    check(BigCompare(x, y) == -BigCompare(y, x));
    check(BigCompare(difference, "0") == BigCompare(x, y));
    check(BigCompare(a, x) == 0);

    const BigQuotient qr = BigDivMod(x, y);
    if (y == "0") {
        check(qr.quotient.empty() && qr.remainder.empty());
        check(BigDivModText(x, y) == ".");
    } else {
        check(canonical(qr.quotient) && canonical(qr.remainder));
        check(BigAdd(BigMul(qr.quotient, y), qr.remainder) == x);
        // |r| < |b|, and r has the sign of the dividend.
        const std::string absR = qr.remainder[0] == '-' ? negated(qr.remainder) : qr.remainder;
        const std::string absY = y[0] == '-' ? negated(y) : y;
        check(BigCompare(absR, absY) < 0);
        check(qr.remainder == "0" || (qr.remainder[0] == '-') == (x[0] == '-'));
        check(BigDivModText(x, y) == qr.quotient + "." + qr.remainder);
    }

    const std::string hex = BigToHex(x);
    for (char c : hex)
        check(c == '-' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    check(BigHexToDec(hex) == x);
}
