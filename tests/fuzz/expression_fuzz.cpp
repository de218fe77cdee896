// The expression evaluator of the calculators: any text as an expression,
// with the variables set as a session might leave them. Evaluate gives a
// finite value or throws an ECalcError, in bounded time whatever the text;
// either way the variables keep their values, and the same text evaluates to
// the same outcome again.

#include "fuzz/fuzztarget.h"

#include "calc/exprevaluator.h"
#include "calc/numformat.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using namespace zuk::calc;

struct Outcome {
    bool ok = false;
    long double value = 0;
    std::string message;
};

Outcome evaluate(CExprEvaluator& evaluator, const std::string& text)
{
    Outcome o;
    try {
        o.value = evaluator.Evaluate(text);
        o.ok = true;
    } catch (const ECalcError& e) {
        o.message = e.what();
    }
    return o;
}

bool sameValue(long double a, long double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

} // namespace

ZUK_FUZZ_TARGET(expression)
{
    CExprEvaluator evaluator;
    for (int k = 0; k < 26; ++k)
        evaluator.setVariable(static_cast<char>('A' + k), (k - 12) * 0.75L);
    const std::string text(input);
    const Outcome first = evaluate(evaluator, text);
    if (first.ok && !std::isfinite(first.value))
        std::abort();
    if (!first.ok && first.message.empty())
        std::abort();
    for (int k = 0; k < 26; ++k)
        if (evaluator.variable(static_cast<char>('A' + k)) != (k - 12) * 0.75L)
            std::abort();
    if (first.ok && formatGeneral(first.value, ',').empty())
        std::abort();
    // Again: the same outcome to the last bit. Only a SUM can spend the
    // whole work allowance, and once is enough for those.
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (upper.find("SUM") == std::string::npos) {
        const Outcome again = evaluate(evaluator, text);
        if (again.ok != first.ok || again.message != first.message ||
            (first.ok && !sameValue(again.value, first.value)))
            std::abort();
    }
}
