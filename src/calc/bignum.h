#pragma once

#include <string>
#include <string_view>

namespace zuk::calc {

// Integers of any length written as decimal texts: an optional '-' and
// decimal digits; blanks around are ignored and so are leading zeros ("012"
// is 12). Any other text throws zuk::FormatError with a message naming it.
// Results carry no leading zeros and no "-0".

std::string BigAdd(const std::string& a, const std::string& b);
std::string BigSub(const std::string& a, const std::string& b);
std::string BigMul(const std::string& a, const std::string& b);
// -1, 0 or 1 as a < b, a = b, a > b.
int BigCompare(const std::string& a, const std::string& b);

// Truncating division: the quotient is rounded toward zero and the remainder
// takes the sign of the dividend (-7 by 2 is -3 rest -1). A zero divisor
// gives an empty quotient and an empty remainder.
struct BigQuotient {
    std::string quotient;
    std::string remainder;
};
BigQuotient BigDivMod(const std::string& a, const std::string& b);
// The calculator's division form: quotient "." remainder ("3.1"; "." for a zero divisor).
std::string BigDivModText(const std::string& a, const std::string& b);

// Upper-case hexadecimal with a leading '-' for negative numbers (-255 is "-FF").
std::string BigToHex(const std::string& a);
// The reverse: an optional '-' and hexadecimal digits of either case.
std::string BigHexToDec(const std::string& hex);

// The row of supacalcTexts() with the calculator window's verdict on BigCompare.
std::string_view bigCompareVerdictKey(int comparison);

// The calculator window's buttons and the row of supacalcTexts() with the
// joke line each sets as the window title.
enum class BigButton {
    Add,
    Subtract,
    Multiply,
    Divide,
    Compare,
    ToHex,
    ToDec,
    CopyToClipboard,
    ClearFields,
    ClearHistory
};
std::string_view bigButtonTitleKey(BigButton button);

} // namespace zuk::calc
