#pragma once

#include "base/zukerror.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::calc {

// Failures of the expression evaluator, raised from the rows of
// calcMessages(). Messages are UTF-8 and carry the 1-based position of the
// parse where the grammar names one.
class ECalcError : public ZukError {
public:
    using ZukError::ZukError;
};
class EBracket final : public ECalcError {
public:
    using ECalcError::ECalcError;
};
class ESyntaxErr final : public ECalcError {
public:
    using ECalcError::ECalcError;
};
class EUnexpectedEnd final : public ECalcError {
public:
    using ECalcError::ECalcError;
};
class EComma final : public ECalcError {
public:
    using ECalcError::ECalcError;
};
class ELongVar final : public ECalcError {
public:
    using ECalcError::ECalcError;
};
class EUnknownFunc final : public ECalcError {
public:
    using ECalcError::ECalcError;
};

// An arithmetic fault: division by zero, an operation outside its domain, a
// result too large for the value type, or a summation with bad bounds.
class EMathError final : public ECalcError {
public:
    enum class Kind { DivideByZero, InvalidOperation, Overflow };
    EMathError(Kind kind, const TextTable& table, std::string_view key,
               std::vector<std::string> args = {})
        : ECalcError(table, key, std::move(args)), m_kind(kind)
    {
    }
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// Recursive-descent evaluator over extended precision that computes while it
// parses. The 26 variables A..Z live as long as the object (the main window
// keeps one for the whole run); only SUM writes one of them, I, and gives the
// old value back when it ends, also when it ends by an error.
class CExprEvaluator final {
public:
    // Parses one expression from the start of text and returns its value;
    // whatever follows the first character that cannot continue the
    // expression is ignored. Throws an ECalcError subclass on failure.
    long double Evaluate(const std::string& text);

    long double variable(char letter) const;
    void setVariable(char letter, long double value);

    // Nesting deeper than this fails with ESyntaxErr instead of exhausting
    // the stack.
    static constexpr int kMaxDepth = 2000;
    // SUM refuses more terms than this rather than hang the program.
    static constexpr long long kMaxSumTerms = 1000000;
    // SUM parses its body once per term and POWER multiplies once per bit of
    // its exponent, so neither the length of the text nor the terms of one
    // SUM bound the time (nested sums multiply). Every factor read and every
    // character of a number or name counts one unit, a function call and a
    // step of POWER the units of their cost; past this many an evaluation
    // fails with EMathError "sCalcTooLong" instead of hanging the window.
    static constexpr long long kMaxWork = 1000000;

private:
    long double ParseExpression();
    long double ParseTerm();
    long double ParseFactor();
    long double ParseFunction(const std::string& name);
    bool ParseComparison();

    long double parseNumber();
    long double parseSum();
    long double parseMaxMin(bool isMax);
    void expect(char c);
    void expectComma();
    [[noreturn]] void syntaxError() const;
    void spend(long long units);
    char current() const { return m_text[m_pos - 1]; }
    bool atFinalBlank() const { return m_pos == m_text.size(); }
    std::string positionText() const { return std::to_string(m_pos); }

    std::array<long double, 26> m_vars{};
    std::string m_text; // the expression with one blank appended
    size_t m_pos = 1;   // 1-based cursor into m_text
    int m_depth = 0;
    long long m_work = 0; // units spent by the current evaluation
};

// What "Вычислить выражение" writes over the selection: the selected text,
// " = " and the value in the general format ("2*(3+4) = 14"). Throws what
// Evaluate throws; the selection then stays as it is.
std::string evaluationLine(CExprEvaluator& evaluator, const std::string& selected,
                           char decimalSeparator);

} // namespace zuk::calc
