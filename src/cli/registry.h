#pragma once

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// The function table of zuk-text. Every function is one row: its name, what
// shape of input it takes, its options and its handler. A file of functions
// (functions_case.cpp and the like) registers its rows with a static
// FunctionRegistration, so adding a function never touches the runner:
//
//     namespace {
//     std::string upper(Invocation& call) { ... }
//     const FunctionRegistration kRows{
//         {"upper", FunctionKind::Text, "Upper case", {}, upper},
//         FunctionSpec("bignum", FunctionKind::Text, "...", {}, bignum).withArguments({"OP"}),
//     };
//     }
namespace zuk::cli {

enum class FunctionKind {
    Text,    // the whole input as bytes; the result bytes are written as they are
    Lines,   // the input split into lines; every result line is written with CR LF
    Number,  // the input with surrounding blanks trimmed; the result without a line break
    NoInput, // nothing is read; everything comes from the options
};

struct OptionSpec {
    std::string name;        // without the leading "--"
    bool takesValue = false; // "--name VALUE" (or "--name=VALUE") rather than a flag
    bool required = false;
    bool carriesText = false; // the value is text: converted from UTF-8 with --utf8
    std::string valueName;    // shown in help: "--width N"
    std::string help;
};

// One run of a function: the input already converted to Windows-1251 when
// --utf8 was given, the options given on the command line (text values
// converted likewise), and the extra words the function asked for.
class Invocation final {
public:
    std::string input;
    std::vector<std::string> lines;             // the input as lines, for FunctionKind::Lines
    std::map<std::string, std::string> options; // flags map to an empty value
    std::vector<std::string> arguments;         // named arguments, in order
    bool utf8 = false;

    bool has(const std::string& name) const { return options.count(name) != 0; }
    // The value of an option, or fallback when it was not given.
    std::string option(const std::string& name, const std::string& fallback = {}) const;
    // A decimal integer option; a value that does not parse is a usage error.
    long long intOption(const std::string& name, long long fallback) const;
};

using TextHandler = std::string (*)(Invocation& call);
using LinesHandler = std::vector<std::string> (*)(Invocation& call);
// Reads the input from inFd and writes the result to outFd piece by piece,
// for byte mappings over inputs of any size; failures throw ZukError.
using StreamHandler = void (*)(Invocation& call, int inFd, int outFd);

struct FunctionSpec {
    FunctionSpec(std::string name, FunctionKind kind, std::string summary,
                 std::vector<OptionSpec> options, TextHandler handler);
    FunctionSpec(std::string name, FunctionKind kind, std::string summary,
                 std::vector<OptionSpec> options, LinesHandler handler);

    // Words that come before FILE ("bignum OP"), named for the help text.
    FunctionSpec& withArguments(std::vector<std::string> names);
    // Input or result that is not text: --utf8 leaves it alone.
    FunctionSpec& binaryInput();
    FunctionSpec& binaryOutput();
    // A streaming form used instead of the text handler when --utf8 is not given.
    FunctionSpec& streaming(StreamHandler handler);

    std::string name;
    FunctionKind kind = FunctionKind::Text;
    std::string summary;
    std::vector<OptionSpec> options;
    // Text, Number and NoInput functions return their result bytes; Lines
    // functions return their result lines. Exactly one handler is set.
    TextHandler text = nullptr;
    LinesHandler lines = nullptr;
    StreamHandler stream = nullptr;
    std::vector<std::string> arguments;
    // With --utf8, whether the input is converted to Windows-1251 and the
    // result back to UTF-8.
    bool inputIsText = true;
    bool outputIsText = true;
};

// Adds rows to the table at start-up. Meant to be a namespace-scope constant.
class FunctionRegistration final {
public:
    FunctionRegistration(std::initializer_list<FunctionSpec> rows);
};

// The table, sorted by name once every registration has run.
const std::vector<FunctionSpec>& allFunctions();
const FunctionSpec* findFunction(const std::string& name);

// Thrown for a mistake on the command line (exit status 2).
class UsageError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zuk::cli
