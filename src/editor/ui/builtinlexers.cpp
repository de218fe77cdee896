#include "editor/ui/builtinlexers.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qscilexerpascal.h>
#include <Qsci/qscilexerperl.h>
#include <Qsci/qscilexersql.h>

namespace zuk::editor {

namespace {

// The C++ lexer with the keywords of C alone.
class CLexer final : public QsciLexerCPP {
public:
    explicit CLexer(QObject* parent) : QsciLexerCPP(parent, false) {}
    const char* language() const override { return "C"; }
    const char* keywords(int set) const override
    {
        if (set == 1)
            return "auto break case char const continue default do double else enum extern float "
                   "for "
                   "goto if inline int long register restrict return short signed sizeof static "
                   "struct "
                   "switch typedef union unsigned void volatile while _Bool _Complex _Imaginary";
        return QsciLexerCPP::keywords(set);
    }
};

} // namespace

const char* VbScriptLexer::keywords(int set) const
{
    if (set == 1)
        return "and as byref byval call case class const dim do each else elseif empty end eqv "
               "erase "
               "error exit explicit false for function get goto if imp in is let loop mod new next "
               "not "
               "nothing null on option or preserve private property public redim rem resume select "
               "set "
               "step sub then to true until wend while with xor";
    return nullptr;
}

QString VbScriptLexer::description(int style) const
{
    switch (style) {
    case 0:
        return QStringLiteral("Default");
    case 1:
        return QStringLiteral("Comment");
    case 2:
        return QStringLiteral("Number");
    case 3:
        return QStringLiteral("Keyword");
    case 4:
        return QStringLiteral("String");
    case 5:
        return QStringLiteral("Pre-processor");
    case 6:
        return QStringLiteral("Operator");
    case 7:
        return QStringLiteral("Identifier");
    case 8:
        return QStringLiteral("Date");
    case 9:
        return QStringLiteral("Unclosed string");
    default:
        return {};
    }
}

QColor VbScriptLexer::defaultColor(int style) const
{
    switch (style) {
    case 1:
        return QColor(0x80, 0x80, 0x80);
    case 2:
        return QColor(0x00, 0x80, 0x00);
    case 3:
        return QColor(0x00, 0x00, 0xFF);
    case 4:
        return QColor(0x80, 0x00, 0x00);
    default:
        return QsciLexer::defaultColor(style);
    }
}

QsciLexer* makeBuiltinLexer(BuiltinSyntax id, QObject* parent)
{
    switch (id) {
    case BuiltinSyntax::None:
        return nullptr;
    case BuiltinSyntax::Html:
        return new QsciLexerHTML(parent);
    case BuiltinSyntax::Delphi:
        return new QsciLexerPascal(parent);
    case BuiltinSyntax::Cpp:
        return new QsciLexerCPP(parent, false);
    case BuiltinSyntax::C:
        return new CLexer(parent);
    case BuiltinSyntax::Perl:
        return new QsciLexerPerl(parent);
    case BuiltinSyntax::JavaScript:
        return new QsciLexerJavaScript(parent);
    case BuiltinSyntax::VBScript:
        return new VbScriptLexer(parent);
    case BuiltinSyntax::Sql:
        return new QsciLexerSQL(parent);
    }
    return nullptr;
}

} // namespace zuk::editor
