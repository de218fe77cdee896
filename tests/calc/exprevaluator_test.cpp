#include "calc/exprevaluator.h"
#include "calc/numformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <typeinfo>

using zuk::calc::CExprEvaluator;
using namespace zuk::calc;

namespace {

long double eval(const std::string& text)
{
    CExprEvaluator evaluator;
    return evaluator.Evaluate(text);
}

std::string repeatedCalls(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "SQRT(";
    return s + "1";
}

struct ValueRow {
    const char* expression;
    long double expected;
};

TEST(ExprEvaluator, GrammarAndFunctionValues)
{
    const long double pi = 3.141592653589793238462643383279502884L;
    const ValueRow rows[] = {
        {"2+3*4", 14},
        {"(2+3)*4", 20},
        {"2/4/2", 0.25L},
        {"10-4-3", 3},
        {"-2*-2", 4},
        {"-2*3", -6},
        {"--2", 2},
        {"2 + 3", 2}, // a blank ends the expression
        {"2+3)", 5},  // the rest is ignored
        {"x*2", 0},   // variables start at 0
        {"pi", pi},
        {"Pi*2", 2 * pi},
        {"[2.7]", 2},
        {"[-2.5]", -3},
        {"[-2]", -2},
        {"1.5e2", 150},
        {"2E-1", 0.2L},
        {"3.", 3},
        {"1.e2", 100},
        {"2.5.3", 2.5L},
        {"1e", 1}, // no exponent digits: the number is "1"
        {"LOG(2,8)", 3},
        {"POWER(2,10)", 1024},
        {"POWER(2,-2)", 0.25L},
        {"POWER(0,5)", 0},
        {"POWER(7,0)", 1},
        {"POWER(-2,3)", -8},
        {"MAX(3)", 3},
        {"MIN(4,-1,2)", -1},
        {"max(1,7,3)", 7},
        {"SUM(1,3,I)", 6},
        {"SUM(1,10,I*I)", 385},
        {"SUM(2.9,3.9,I)", 5},
        {"SUM(3,3,I)", 3},
        {"SUM(1,3,SUM(1,I,I))", 10}, // 1 + 3 + 6
        {"SUM(1,2,I*SUM(1,3,I)+I)", 1 * 6 + 1 + 2 * 6 + 2},
        {"IF(1<2,10,20)", 10},
        {"IF(2<2<=3,1,0)", 0},
        {"IF(1<2<=2,1,0)", 1},
        {"IF(1<>1,1,0)", 0},
        {"IF(2>=2,1,0)", 1},
        {"IF(3>2,1,0)", 1},
        {"IF(3=3,1,0)", 1},
        {"SQRT(16)", 4},
        {"SQR(-3)", 9},
        {"ABS(-2.5)", 2.5L},
        {"SGN(-4)+SGN(0)+SGN(9)", 0},
        {"EXP(0)+LN(1)+LG(100)", 3},
        {"SIN(0)+COS(0)+TG(0)+ARCTG(0)", 1},
        {"ARCSIN(1)*2", pi},
        {"ARCCOS(-1)", pi},
        {"SH(0)+CH(0)+TH(0)+ARSH(0)+ARCH(1)+ARTH(0)", 1},
    };
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(row.expression);
        EXPECT_NEAR(static_cast<double>(eval(row.expression)), static_cast<double>(row.expected),
                    1e-12);
    }
    EXPECT_NEAR(static_cast<double>(eval("POWER(2,0.5)")), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(static_cast<double>(eval("CTG(1)")), 1 / std::tan(1.0), 1e-15);
}

struct ErrorRow {
    const char* expression;
    const std::type_info& type;
    const char* message;
};

TEST(ExprEvaluator, ErrorClassesAndMessagesWithPositions)
{
    const ErrorRow rows[] = {
        {"sqrt(16", typeid(EBracket), "Ожидается ')' в позиции 8"},
        {"(1+2", typeid(EBracket), "Ожидается ')' в позиции 5"},
        {"[1+2", typeid(EBracket), "Ожидается ']' в позиции 5"},
        {"(1+2]", typeid(EBracket), "Ожидается ')' в позиции 5"},
        {".5", typeid(ESyntaxErr), "Синтаксическая ошибка в позиции 1"},
        {"", typeid(ESyntaxErr), "Синтаксическая ошибка в позиции 1"},
        {"+2", typeid(ESyntaxErr), "Синтаксическая ошибка в позиции 1"},
        {"2*", typeid(ESyntaxErr), "Синтаксическая ошибка в позиции 3"},
        {"MAX()", typeid(ESyntaxErr), "Синтаксическая ошибка в позиции 5"},
        {"IF(1 2,1,0)", typeid(ESyntaxErr), "Синтаксическая ошибка в позиции 5"},
        {"IF(1<2<>3,1,0)", typeid(ESyntaxErr), "Синтаксическая ошибка в позиции 8"},
        {"IF(1", typeid(EUnexpectedEnd), "Неожиданный конец выражения"},
        {"LOG(2;8)", typeid(EComma), "Ожидается ',' в позиции 6"},
        {"POWER(2)", typeid(EComma), "Ожидается ',' в позиции 8"},
        {"SUM(1,2)", typeid(EComma), "Ожидается ',' в позиции 8"},
        {"IF(1<2,1)", typeid(EComma), "Ожидается ',' в позиции 9"},
        {"PI2", typeid(ELongVar), "PI2 не является допустимым именем"},
        {"abc+1", typeid(ELongVar), "ABC не является допустимым именем"},
        {"foo(1)", typeid(EUnknownFunc), "Неизвестная функция FOO"},
        {"SUM(3,1,I)", typeid(EMathError), "Верхняя граница должна быть больше нижней"},
        {"1/0", typeid(EMathError), "Деление на ноль"},
        {"IF(1=1,5,1/0)", typeid(EMathError), "Деление на ноль"}, // both branches evaluated
        {"LN(0)", typeid(EMathError), "Деление на ноль"},
        {"CTG(0)", typeid(EMathError), "Деление на ноль"},
        {"POWER(0,-1)", typeid(EMathError), "Деление на ноль"},
        {"LOG(1,8)", typeid(EMathError), "Деление на ноль"},
        {"SQRT(-1)", typeid(EMathError), "Недопустимая операция"},
        {"LN(-1)", typeid(EMathError), "Недопустимая операция"},
        {"ARCCOS(2)", typeid(EMathError), "Недопустимая операция"},
        {"POWER(-8,0.5)", typeid(EMathError), "Недопустимая операция"},
        {"EXP(100000)", typeid(EMathError), "Переполнение"},
        {"1e4000*1e4000", typeid(EMathError), "Переполнение"},
        {"1e99999", typeid(EMathError), "Переполнение"},
        {"POWER(10,100000)", typeid(EMathError), "Переполнение"},
        {"SUM(1,100000000000,I)", typeid(EMathError), "Слишком много слагаемых в сумме"},
        {"SUM(-1e30,-1e30,I)", typeid(EMathError), "Слишком много слагаемых в сумме"},
    };
    for (const ErrorRow& row : rows) {
        SCOPED_TRACE(row.expression);
        try {
            eval(row.expression);
            ADD_FAILURE() << "no error";
        } catch (const ECalcError& e) {
            EXPECT_EQ(typeid(e), row.type) << e.what();
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

TEST(ExprEvaluator, TheLineWrittenOverTheSelection)
{
    CExprEvaluator evaluator;
    EXPECT_EQ(evaluationLine(evaluator, "2*(3+4)", ','), "2*(3+4) = 14");
    EXPECT_EQ(evaluationLine(evaluator, "1/3", ','), "1/3 = 0,333333333333333");
    EXPECT_EQ(evaluationLine(evaluator, "SUM(1,4,I)/8", '.'), "SUM(1,4,I)/8 = 1.25");
    EXPECT_THROW(evaluationLine(evaluator, "1/(2-2)", ','), EMathError);
}

TEST(ExprEvaluator, SumRestoresTheCounterAlsoAfterAnError)
{
    CExprEvaluator evaluator;
    evaluator.setVariable('I', 42);
    EXPECT_EQ(evaluator.Evaluate("SUM(1,3,I)+I"), 48);
    EXPECT_THROW(evaluator.Evaluate("SUM(1,3,1/(I-2))"), EMathError);
    EXPECT_EQ(evaluator.variable('i'), 42);
    // Variables persist between evaluations of the same evaluator.
    evaluator.setVariable('x', 2.5L);
    EXPECT_EQ(evaluator.Evaluate("x*2"), 5);
}

// Sums within one another and POWER inside a sum multiply the work beyond
// what the length of the text or the terms of one sum show; the evaluator
// refuses such work instead of keeping the window busy for minutes.
TEST(ExprEvaluator, UnboundedWorkIsRefusedInsteadOfHanging)
{
    CExprEvaluator evaluator;
    evaluator.setVariable('I', 7);
    EXPECT_EQ(evaluator.Evaluate("SUM(1,100000,I)"), 5000050000.0L);
    for (const char* heavy :
         {"SUM(1,100000,SUM(1,100000,I))", "SUM(1,1000,SUM(1,1000,SUM(1,1000,I)))",
          "SUM(1,100000,POWER(1,1E4000))", "SUM(1,100000,SGN(SGN(SGN(I))))", "SUM(1,900000,I*I)"}) {
        SCOPED_TRACE(heavy);
        try {
            evaluator.Evaluate(heavy);
            ADD_FAILURE() << "no error";
        } catch (const EMathError& e) {
            EXPECT_EQ(e.kind(), EMathError::Kind::InvalidOperation);
            EXPECT_STREQ(e.what(), "Вычисление слишком долгое");
        }
        EXPECT_EQ(evaluator.variable('I'), 7);
    }
    // Each evaluation has the whole allowance again.
    EXPECT_EQ(evaluator.Evaluate("SUM(1,100000,1)"), 100000);
    // A sum longer than the allowance is still refused up front by its bounds.
    EXPECT_THROW(evaluator.Evaluate("SUM(1,2000000,I)"), EMathError);
}

TEST(ExprEvaluator, DeepNestingFailsCleanlyInsteadOfExhaustingTheStack)
{
    const int depth = CExprEvaluator::kMaxDepth;
    const std::string justDeepEnough =
        std::string(depth - 1, '(') + "1" + std::string(depth - 1, ')');
    EXPECT_EQ(eval(justDeepEnough), 1);
    const std::string minuses = std::string(depth - 2, '-') + "1";
    EXPECT_EQ(eval(minuses), 1);
    for (const std::string& deep : {std::string(200000, '(') + "1", std::string(200000, '-') + "1",
                                    std::string(200000, '[') + "1", repeatedCalls(100000)}) {
        try {
            eval(deep);
            ADD_FAILURE() << "no error";
        } catch (const ESyntaxErr& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Слишком глубокая вложенность в позиции ", 0),
                      0u);
        }
    }
}

} // namespace
