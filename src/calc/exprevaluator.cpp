#include "calc/exprevaluator.h"

#include "calc/calctexts.h"
#include "calc/numformat.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace zuk::calc {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isLatin(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

[[noreturn]] void mathError(EMathError::Kind kind)
{
    switch (kind) {
    case EMathError::Kind::DivideByZero:
        throw EMathError(kind, calcMessages(), "sCalcDivisionByZero");
    case EMathError::Kind::InvalidOperation:
        throw EMathError(kind, calcMessages(), "sCalcInvalidOperation");
    case EMathError::Kind::Overflow:
        break;
    }
    throw EMathError(EMathError::Kind::Overflow, calcMessages(), "sCalcOverflow");
}

// Every computed value passes through here: a NaN is an invalid operation, an
// infinity is an overflow, or a division by zero where the operation has a
// pole (logarithms of zero, 1/tan 0, ...).
long double checked(long double value, bool pole = false)
{
    if (std::isnan(value))
        mathError(EMathError::Kind::InvalidOperation);
    if (std::isinf(value))
        mathError(pole ? EMathError::Kind::DivideByZero : EMathError::Kind::Overflow);
    return value;
}

long double divide(long double a, long double b)
{
    if (b == 0)
        mathError(EMathError::Kind::DivideByZero);
    return checked(a / b);
}

// `steps` counts the multiplications, the evaluator's measure of the work.
long double power(long double base, long double exponent, long long& steps)
{
    if (exponent == 0)
        return 1;
    if (base == 0 && exponent > 0)
        return 0;
    if (exponent == std::trunc(exponent)) {
        // Whole exponents multiply; squaring keeps huge exponents from
        // looping for ever and gives the same value for exact operands.
        long double magnitude = std::fabs(exponent);
        long double result = 1, factor = base;
        while (magnitude >= 1) {
            ++steps;
            long double half = std::floor(magnitude / 2);
            if (magnitude - 2 * half == 1)
                result = checked(result * factor);
            magnitude = half;
            if (magnitude >= 1)
                factor = checked(factor * factor);
        }
        return exponent < 0 ? divide(1, result) : result;
    }
    return checked(std::exp(exponent * std::log(base)), true);
}

struct DepthGuard {
    explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    int& m_depth;
};

struct VariableRestorer {
    VariableRestorer(long double& var) : m_var(var), m_saved(var) {}
    ~VariableRestorer() { m_var = m_saved; }
    long double& m_var;
    long double m_saved;
};

} // namespace

long double CExprEvaluator::Evaluate(const std::string& text)
{
    m_text = text + ' ';
    m_pos = 1;
    m_depth = 0;
    m_work = 0;
    return checked(ParseExpression());
}

long double CExprEvaluator::variable(char letter) const
{
    letter = upper(letter);
    return letter >= 'A' && letter <= 'Z' ? m_vars[static_cast<size_t>(letter - 'A')] : 0;
}

void CExprEvaluator::setVariable(char letter, long double value)
{
    letter = upper(letter);
    if (letter >= 'A' && letter <= 'Z')
        m_vars[static_cast<size_t>(letter - 'A')] = value;
}

void CExprEvaluator::syntaxError() const
{
    throw ESyntaxErr(calcMessages(), "sCalcSyntaxError", {positionText()});
}

void CExprEvaluator::spend(long long units)
{
    m_work += units;
    if (m_work > kMaxWork)
        throw EMathError(EMathError::Kind::InvalidOperation, calcMessages(), "sCalcTooLong");
}

void CExprEvaluator::expect(char c)
{
    if (current() != c)
        throw EBracket(calcMessages(), "sCalcExpected", {std::string(1, c), positionText()});
    ++m_pos;
}

void CExprEvaluator::expectComma()
{
    if (current() != ',')
        throw EComma(calcMessages(), "sCalcExpected", {",", positionText()});
    ++m_pos;
}

long double CExprEvaluator::ParseExpression()
{
    long double value = ParseTerm();
    for (;;) {
        char op = current();
        if (op != '+' && op != '-')
            return value;
        ++m_pos;
        long double rhs = ParseTerm();
        value = checked(op == '+' ? value + rhs : value - rhs);
    }
}

long double CExprEvaluator::ParseTerm()
{
    long double value = ParseFactor();
    for (;;) {
        char op = current();
        if (op != '*' && op != '/')
            return value;
        ++m_pos;
        long double rhs = ParseFactor();
        value = op == '*' ? checked(value * rhs) : divide(value, rhs);
    }
}

long double CExprEvaluator::ParseFactor()
{
    DepthGuard guard(m_depth);
    if (m_depth > kMaxDepth)
        throw ESyntaxErr(calcMessages(), "sCalcTooDeep", {positionText()});
    spend(1);

    char c = current();
    if (c == '(') {
        ++m_pos;
        long double value = ParseExpression();
        expect(')');
        return value;
    }
    if (c == '-') {
        ++m_pos;
        return -ParseFactor();
    }
    if (isDigit(c))
        return parseNumber();
    if (c == '[') {
        ++m_pos;
        long double value = ParseExpression();
        expect(']');
        return std::floor(value);
    }
    if (isLatin(c)) {
        std::string name;
        while (isLatin(current()) || isDigit(current())) {
            name += upper(current());
            ++m_pos;
        }
        spend(static_cast<long long>(name.size()));
        if (current() == '(')
            return ParseFunction(name);
        if (name.size() == 1)
            return m_vars[static_cast<size_t>(name[0] - 'A')];
        if (name == "PI")
            return 3.141592653589793238462643383279502884L;
        throw ELongVar(calcMessages(), "sCalcBadName", {name});
    }
    syntaxError();
}

long double CExprEvaluator::parseNumber()
{
    size_t end = m_pos - 1; // 0-based scan over m_text
    while (isDigit(m_text[end]))
        ++end;
    if (m_text[end] == '.') {
        ++end;
        while (isDigit(m_text[end]))
            ++end;
    }
    if (m_text[end] == 'e' || m_text[end] == 'E') {
        size_t exp = end + 1;
        if (m_text[exp] == '+' || m_text[exp] == '-')
            ++exp;
        if (isDigit(m_text[exp])) {
            while (isDigit(m_text[exp]))
                ++exp;
            end = exp;
        }
    }
    spend(static_cast<long long>(end - (m_pos - 1)));
    long double value = 0;
    std::string number = m_text.substr(m_pos - 1, end - (m_pos - 1));
    if (number.back() == '.')
        number.pop_back();
    parseReal(number, '.', value);
    m_pos = end + 1;
    return checked(value);
}

long double CExprEvaluator::ParseFunction(const std::string& name)
{
    using Unary = long double (*)(long double);
    struct UnaryFunction {
        const char* name;
        Unary fn;
        bool pole;
    };
    static const UnaryFunction unary[] = {
        {"COS", [](long double x) { return std::cos(x); }, false},
        {"SQRT", [](long double x) { return std::sqrt(x); }, false},
        {"SIN", [](long double x) { return std::sin(x); }, false},
        {"TG", [](long double x) { return std::tan(x); }, false},
        {"ARCCOS", [](long double x) { return std::acos(x); }, false},
        {"ARCSIN", [](long double x) { return std::asin(x); }, false},
        {"ARCTG", [](long double x) { return std::atan(x); }, false},
        {"EXP", [](long double x) { return std::exp(x); }, false},
        {"LN", [](long double x) { return std::log(x); }, true},
        {"LG", [](long double x) { return std::log10(x); }, true},
        {"CTG", [](long double x) { return divide(1, std::tan(x)); }, true},
        {"SQR", [](long double x) { return x * x; }, false},
        {"ABS", [](long double x) { return std::fabs(x); }, false},
        {"SH", [](long double x) { return std::sinh(x); }, false},
        {"CH", [](long double x) { return std::cosh(x); }, false},
        {"TH", [](long double x) { return std::tanh(x); }, false},
        {"ARSH", [](long double x) { return std::asinh(x); }, false},
        {"ARCH", [](long double x) { return std::acosh(x); }, false},
        {"ARTH", [](long double x) { return std::atanh(x); }, true},
        {"SGN", [](long double x) { return x > 0   ? 1.0L
                                           : x < 0 ? -1.0L
                                                   : 0.0L; }, false},
    };

    // Finding the function among the names by their texts costs about as
    // much as twenty-five plain factors.
    spend(25);
    const UnaryFunction* found = nullptr;
    for (const auto& f : unary)
        if (name == f.name)
            found = &f;
    const bool known = found || name == "LOG" || name == "POWER" || name == "SUM" ||
                       name == "MAX" || name == "MIN" || name == "IF";
    if (!known)
        throw EUnknownFunc(calcMessages(), "sCalcUnknownFunction", {name});

    ++m_pos; // the opening bracket
    long double value = 0;
    if (found) {
        value = checked(found->fn(ParseExpression()), found->pole);
    } else if (name == "LOG") {
        long double base = ParseExpression();
        expectComma();
        long double x = ParseExpression();
        long double lx = checked(std::log2(x), true);
        long double lb = checked(std::log2(base), true);
        value = divide(lx, lb);
    } else if (name == "POWER") {
        long double base = ParseExpression();
        expectComma();
        long double exponent = ParseExpression();
        long long steps = 0;
        value = power(base, exponent, steps);
        spend(2 * steps);
    } else if (name == "SUM") {
        value = parseSum();
    } else if (name == "MAX" || name == "MIN") {
        value = parseMaxMin(name == "MAX");
    } else { // IF
        bool holds = ParseComparison();
        expectComma();
        long double a = ParseExpression();
        expectComma();
        long double b = ParseExpression();
        value = holds ? a : b;
    }
    expect(')');
    return value;
}

long double CExprEvaluator::parseSum()
{
    const long double lo = std::trunc(ParseExpression());
    expectComma();
    const long double hi = std::trunc(ParseExpression());
    expectComma();
    if (hi < lo)
        throw EMathError(EMathError::Kind::InvalidOperation, calcMessages(), "sCalcSumBounds");
    if (hi - lo + 1 > kMaxSumTerms || std::fabs(lo) > 1e18L || std::fabs(hi) > 1e18L)
        throw EMathError(EMathError::Kind::InvalidOperation, calcMessages(), "sCalcSumTooLong");

    long double& counter = m_vars['I' - 'A'];
    VariableRestorer restore(counter);
    const size_t bodyStart = m_pos;
    long double total = 0;
    const auto first = static_cast<std::int64_t>(lo), last = static_cast<std::int64_t>(hi);
    for (std::int64_t i = first; i <= last; ++i) {
        m_pos = bodyStart;
        counter = static_cast<long double>(i);
        total = checked(total + ParseExpression());
    }
    return total;
}

long double CExprEvaluator::parseMaxMin(bool isMax)
{
    long double value = ParseExpression();
    while (current() == ',') {
        ++m_pos;
        long double next = ParseExpression();
        if (isMax ? next > value : next < value)
            value = next;
    }
    return value;
}

bool CExprEvaluator::ParseComparison()
{
    const long double x = ParseExpression();
    if (atFinalBlank())
        throw EUnexpectedEnd(calcMessages(), "sCalcUnexpectedEnd");

    auto readOperator = [this](bool chainOnly) -> std::string {
        // Two-character operators first; a chain continues only with < or <=.
        static const std::vector<std::string> all = {"<=", "<>", "<", "=", ">=", ">"};
        static const std::vector<std::string> chain = {"<=", "<"};
        for (const std::string& s : chainOnly ? chain : all) {
            if (m_text.compare(m_pos - 1, s.size(), s) == 0) {
                m_pos += s.size();
                return s;
            }
        }
        syntaxError();
    };
    auto holds = [](long double a, const std::string& op, long double b) {
        if (op == "<=")
            return a <= b;
        if (op == "<>")
            return a != b;
        if (op == "<")
            return a < b;
        if (op == "=")
            return a == b;
        if (op == ">=")
            return a >= b;
        return a > b;
    };

    const std::string op1 = readOperator(false);
    const long double y = ParseExpression();
    if ((op1 == "<" || op1 == "<=") && current() == '<') {
        const std::string op2 = readOperator(true);
        const long double z = ParseExpression();
        return holds(x, op1, y) && holds(y, op2, z);
    }
    return holds(x, op1, y);
}

std::string evaluationLine(CExprEvaluator& evaluator, const std::string& selected,
                           char decimalSeparator)
{
    return selected + " = " + formatGeneral(evaluator.Evaluate(selected), decimalSeparator);
}

} // namespace zuk::calc
