#include "cli/runner.h"

#include "base/zukerror.h"
#include "cli/registry.h"
#include "cli/streamio.h"
#include "codepages/charsets.h"
#include "textfunc/textlines.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace zuk::cli {

namespace {

const char kGeneralUsage[] =
    "Usage: zuk-text FUNCTION [OPTIONS] [FILE]\n"
    "       zuk-text list\n"
    "       zuk-text FUNCTION --help\n"
    "\n"
    "Runs one text function of Zuk on FILE, or on standard input when FILE is\n"
    "absent or \"-\", and writes the result bytes to standard output exactly.\n"
    "Text is Windows-1251 bytes; with --utf8 the input and the result are UTF-8\n"
    "(characters Windows-1251 lacks become \"?\").\n"
    "\n"
    "  list             print every function name, one per line\n"
    "  FUNCTION --help  print the options of a function\n"
    "  --help           print this text\n"
    "\n"
    "Exit status: 0 success, 1 the function failed (its message goes to\n"
    "standard error), 2 a usage error.\n";

const OptionSpec kUtf8Option{
    "utf8", false, false,
    false,  "",    "input, text options and result in UTF-8 instead of Windows-1251"};

// What the command line asked for, after parsing.
struct Request {
    const FunctionSpec* function = nullptr;
    Invocation call;
    std::string file; // "-": standard input
    bool fileGiven = false;
};

void writeText(int fd, const std::string& text)
{
    writeAll(fd, text);
}

std::string optionLabel(const OptionSpec& option)
{
    std::string label = "--" + option.name;
    if (option.takesValue)
        label += " " + (option.valueName.empty() ? std::string("VALUE") : option.valueName);
    return label;
}

std::string functionUsage(const FunctionSpec& function)
{
    std::string usage = "Usage: zuk-text " + function.name;
    for (const std::string& argument : function.arguments)
        usage += " " + argument;
    for (const OptionSpec& option : function.options) {
        const std::string label = optionLabel(option);
        usage += option.required ? " " + label : " [" + label + "]";
    }
    usage += " [--utf8]";
    if (function.kind != FunctionKind::NoInput)
        usage += " [FILE]";
    return usage + "\n";
}

std::string functionHelp(const FunctionSpec& function)
{
    std::string help = functionUsage(function);
    if (!function.summary.empty())
        help += function.summary + "\n";
    switch (function.kind) {
    case FunctionKind::Lines:
        help += "Reads the input as lines; writes every result line followed by CR LF.\n";
        break;
    case FunctionKind::Number:
        help += "The input is the number text; the result has no line break.\n";
        break;
    case FunctionKind::NoInput:
        help += "Reads no input.\n";
        break;
    case FunctionKind::Text:
        break;
    }
    help += "\nOptions:\n";
    std::vector<OptionSpec> options = function.options;
    options.push_back(kUtf8Option);
    std::size_t width = 0;
    for (const OptionSpec& option : options)
        width = std::max(width, optionLabel(option).size());
    for (const OptionSpec& option : options) {
        const std::string label = optionLabel(option);
        help += "  " + label + std::string(width - label.size() + 2, ' ') + option.help;
        if (option.required)
            help += " (required)";
        help += "\n";
    }
    return help;
}

const OptionSpec* findOption(const FunctionSpec& function, const std::string& name)
{
    if (name == kUtf8Option.name)
        return &kUtf8Option;
    for (const OptionSpec& option : function.options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

// Parses the words after the function name. Returns false when --help was
// asked for (the help text is already printed).
bool parseArguments(const FunctionSpec& function, int argc, char** argv, Request& request)
{
    request.function = &function;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (optionsEnded || word == "-" || word.empty() || word[0] != '-') {
            positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word.compare(0, 2, "--") != 0)
            throw UsageError("unknown option \"" + word + "\" for " + function.name);
        std::string name = word.substr(2);
        std::string value;
        const std::size_t eq = name.find('=');
        const bool inlineValue = eq != std::string::npos;
        if (inlineValue) {
            value = name.substr(eq + 1);
            name.erase(eq);
        }
        if (name == "help" && !inlineValue) {
            writeText(STDOUT_FILENO, functionHelp(function));
            return false;
        }
        const OptionSpec* option = findOption(function, name);
        if (!option)
            throw UsageError("unknown option \"--" + name + "\" for " + function.name);
        if (option->takesValue) {
            if (!inlineValue) {
                if (i + 1 >= argc)
                    throw UsageError("option --" + name + " needs a value");
                value = argv[++i];
            }
        } else if (inlineValue) {
            throw UsageError("option --" + name + " takes no value");
        }
        if (option == &kUtf8Option)
            request.call.utf8 = true;
        else
            request.call.options[name] = value;
    }

    for (const OptionSpec& option : function.options) {
        if (option.required && !request.call.has(option.name))
            throw UsageError("option --" + option.name + " is required for " + function.name);
    }
    std::size_t next = 0;
    for (const std::string& argument : function.arguments) {
        if (next >= positional.size())
            throw UsageError(function.name + " needs " + argument);
        request.call.arguments.push_back(positional[next++]);
    }
    if (next < positional.size() && function.kind != FunctionKind::NoInput) {
        request.file = positional[next++];
        request.fileGiven = true;
    }
    if (next < positional.size())
        throw UsageError("unexpected argument \"" + positional[next] + "\"");
    return true;
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string trimBlanks(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string runFunction(Request& request)
{
    const FunctionSpec& function = *request.function;
    Invocation& call = request.call;
    const bool convertText = call.utf8;

    if (convertText) {
        for (const OptionSpec& option : function.options) {
            auto it = call.options.find(option.name);
            if (option.carriesText && it != call.options.end())
                it->second = codepages::utf8ToWin(it->second);
        }
    }
    if (function.kind != FunctionKind::NoInput) {
        call.input = readWholeInput(request.fileGiven ? request.file : std::string("-"));
        if (convertText && function.inputIsText) {
            // A byte-order mark marks the encoding; it is not a character of the text.
            std::string_view utf8 = call.input;
            if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
                utf8.remove_prefix(3);
            call.input = codepages::utf8ToWin(utf8);
        }
    }

    std::string result;
    switch (function.kind) {
    case FunctionKind::Lines:
        call.lines = textfunc::splitLines(call.input);
        call.input.clear();
        call.input.shrink_to_fit();
        result = textfunc::joinLinesCrLf(function.lines(call));
        break;
    case FunctionKind::Number:
        call.input = trimBlanks(call.input);
        result = function.text(call);
        break;
    case FunctionKind::Text:
    case FunctionKind::NoInput:
        result = function.text(call);
        break;
    }
    if (convertText && function.outputIsText)
        result = codepages::winToUtf8(result);
    return result;
}

// A streaming function reads its file (or standard input) itself.
void runStreaming(Request& request)
{
    const bool fromStdin = !request.fileGiven || request.file == "-";
    int fd = STDIN_FILENO;
    if (!fromStdin) {
        fd = ::open(request.file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            throw IoError("Cannot open \"" + request.file + "\": " + std::strerror(errno));
    }
    try {
        request.function->stream(request.call, fd, STDOUT_FILENO);
    } catch (...) {
        if (!fromStdin)
            ::close(fd);
        throw;
    }
    if (!fromStdin)
        ::close(fd);
}

void reportUsageError(const std::string& message, const FunctionSpec* function)
{
    std::string text = "zuk-text: " + message + "\n";
    if (function)
        text += functionUsage(*function) + "Run \"zuk-text " + function->name +
                " --help\" for its options.\n";
    else
        text += "Usage: zuk-text FUNCTION [OPTIONS] [FILE]\n"
                "Run \"zuk-text --help\" for usage, \"zuk-text list\" for the functions.\n";
    writeText(STDERR_FILENO, text);
}

} // namespace

int runZukText(int argc, char** argv)
{
    const FunctionSpec* function = nullptr;
    try {
        if (argc < 2)
            throw UsageError("no function given");
        const std::string first = argv[1];
        if (first == "--help" || first == "-h") {
            writeText(STDOUT_FILENO, kGeneralUsage);
            return 0;
        }
        if (first == "--version") {
            writeText(STDOUT_FILENO, std::string("zuk-text ") + ZUK_VERSION + "\n");
            return 0;
        }
        if (first == "list") {
            if (argc > 2)
                throw UsageError("list takes no arguments");
            std::string names;
            for (const FunctionSpec& row : allFunctions())
                names += row.name + "\n";
            writeText(STDOUT_FILENO, names);
            return 0;
        }
        function = findFunction(first);
        if (!function)
            throw UsageError("unknown function \"" + first + "\"");

        Request request;
        if (!parseArguments(*function, argc, argv, request))
            return 0;
        if (function->stream && !request.call.utf8) {
            runStreaming(request);
            return 0;
        }
        const std::string result = runFunction(request);
        if (!writeAll(STDOUT_FILENO, result)) {
            writeText(STDERR_FILENO, std::string("Cannot write to standard output: ") +
                                         std::strerror(errno) + "\n");
            return 1;
        }
        return 0;
    } catch (const UsageError& e) {
        reportUsageError(e.what(), function);
        return 2;
    } catch (const ZukError& e) {
        writeText(STDERR_FILENO, std::string(e.what()) + "\n");
        return 1;
    } catch (const std::bad_alloc&) {
        writeText(STDERR_FILENO, "Not enough memory\n");
        return 1;
    } catch (const std::exception& e) {
        writeText(STDERR_FILENO, std::string(e.what()) + "\n");
        return 1;
    }
}

} // namespace zuk::cli
