#include "cli/registry.h"

#include "base/zukerror.h"
#include "calc/bignum.h"
#include "calc/exprevaluator.h"
#include "calc/numformat.h"
#include "calc/unitconverter.h"
#include "textfunc/textlines.h"

#include <string>
#include <vector>

namespace zuk::cli {

namespace {

std::string evaluate(Invocation& call)
{
    calc::CExprEvaluator evaluator;
    return calc::formatGeneral(evaluator.Evaluate(call.input), '.');
}

// The operands of bignum: the input's lines, blank lines at the end dropped.
std::vector<std::string> operands(const std::string& input, size_t needed)
{
    std::vector<std::string> lines = textfunc::splitLines(input);
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos)
        lines.pop_back();
    if (lines.size() != needed)
        throw FormatError(needed == 1 ? "Ожидается одно число"
                                      : "Ожидаются два числа, по одному в строке");
    return lines;
}

std::string bignum(Invocation& call)
{
    const std::string& op = call.arguments.at(0);
    if (op == "to-hex")
        return calc::BigToHex(operands(call.input, 1)[0]);
    if (op == "to-dec")
        return calc::BigHexToDec(operands(call.input, 1)[0]);
    if (op != "add" && op != "sub" && op != "mul" && op != "divmod" && op != "compare")
        throw UsageError("bignum: unknown operation \"" + op +
                         "\" (add, sub, mul, divmod, compare, to-hex, to-dec)");
    const std::vector<std::string> v = operands(call.input, 2);
    if (op == "add")
        return calc::BigAdd(v[0], v[1]);
    if (op == "sub")
        return calc::BigSub(v[0], v[1]);
    if (op == "mul")
        return calc::BigMul(v[0], v[1]);
    if (op == "divmod")
        return calc::BigDivModText(v[0], v[1]);
    return std::to_string(calc::BigCompare(v[0], v[1]));
}

std::string units(Invocation& call)
{
    return calc::convertUnitsText(call.input, call.option("conversion"), '.');
}

const FunctionRegistration kCalcFunctions{
    {"eval",
     FunctionKind::Number,
     "The value of an arithmetic expression (numbers, + - * /, brackets, [integer part], "
     "variables A-Z, PI and functions such as SIN, LOG, POWER, SUM, MAX, MIN, IF).",
     {},
     evaluate},
    FunctionSpec("bignum", FunctionKind::Text,
                 "Integers of any length: the operands one per line. divmod prints quotient, '.', "
                 "remainder; compare prints -1, 0 or 1; to-hex and to-dec take one operand.",
                 {}, bignum)
        .withArguments({"OP"}),
    {"units",
     FunctionKind::Number,
     "Converts the number by one of the unit converter's conversions.",
     {{"conversion", true, true, false, "NAME", "the conversion's name as listed, in UTF-8"}},
     units},
};

} // namespace

} // namespace zuk::cli
