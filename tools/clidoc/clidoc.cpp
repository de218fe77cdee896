#include "tools/clidoc/clidoc.h"

#include <sstream>

namespace zuk::clidoc {

namespace {

struct Words {
    const char* file;
    const char* required;
    const char* lines;
    const char* number;
    const char* noInput;
};

const Words& words(Language language)
{
    static const Words english{
        "FILE", "(required)",
        "Reads the input as lines; writes every result line followed by CR LF.",
        "The input is the number text; the result has no line break.", "Reads no input."};
    static const Words russian{
        "ФАЙЛ", "(обязателен)", "Читает ввод построчно; каждую строку результата завершает CR LF.",
        "Ввод \\(em запись числа; результат без перевода строки.", "Ввод не читает."};
    return language == Language::Russian ? russian : english;
}

std::string optionLabel(const cli::OptionSpec& option)
{
    std::string label = "\\fB" + roffWord("--" + option.name) + "\\fR";
    if (option.takesValue)
        label += " \\fI" + roffText(option.valueName.empty() ? "VALUE" : option.valueName) + "\\fR";
    return label;
}

std::string commandLine(const cli::FunctionSpec& function, const Words& w)
{
    std::string line = "\\fB" + roffWord(function.name) + "\\fR";
    for (const std::string& argument : function.arguments)
        line += " \\fI" + roffText(argument) + "\\fR";
    for (const cli::OptionSpec& option : function.options)
        line += option.required ? " " + optionLabel(option) : " [" + optionLabel(option) + "]";
    if (function.kind != cli::FunctionKind::NoInput)
        line += std::string(" [\\fI") + w.file + "\\fR]";
    return line;
}

// What an option's value may be, for the completion: "@file" for a file
// name, "@dir" for a folder, a list of words, or nothing for free text.
std::string completionValues(const cli::OptionSpec& option)
{
    if (option.valueName == "FILE" || option.valueName == "PATH" || option.valueName == "DOCPATH")
        return "@file";
    if (option.valueName == "DIR")
        return "@dir";
    if (option.valueName == "CP")
        return "win dos koi mac iso";
    if (option.valueName.find('|') == std::string::npos)
        return {};
    std::string values = option.valueName;
    for (char& c : values)
        if (c == '|')
            c = ' ';
    return values;
}

// Function and option names are plain words; a quote in one would break the
// script, so such a row is left out of the completion rather than trusted.
bool plainWord(const std::string& word)
{
    if (word.empty())
        return false;
    for (char c : word)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '-' || c == '_' || c == '.'))
            return false;
    return true;
}

bool plainValues(const std::string& values)
{
    for (char c : values)
        if (c == '\'' || c == '\\' || c == '"' || c == '$' || c == '`')
            return false;
    return true;
}

} // namespace

std::string roffText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        lineStart = c == '\n';
        if (c == '\\')
            out += "\\e";
        else
            out += c;
    }
    return out;
}

std::string roffWord(std::string_view word)
{
    std::string out;
    for (char c : roffText(word)) {
        if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

std::string roffFunctions(const std::vector<cli::FunctionSpec>& functions, Language language)
{
    const Words& w = words(language);
    std::string out;
    for (const cli::FunctionSpec& function : functions) {
        out += ".TP\n" + commandLine(function, w) + "\n";
        if (!function.summary.empty())
            out += roffText(function.summary) + "\n";
        switch (function.kind) {
        case cli::FunctionKind::Lines:
            out += std::string(w.lines) + "\n";
            break;
        case cli::FunctionKind::Number:
            out += std::string(w.number) + "\n";
            break;
        case cli::FunctionKind::NoInput:
            out += std::string(w.noInput) + "\n";
            break;
        case cli::FunctionKind::Text:
            break;
        }
        if (function.options.empty())
            continue;
        out += ".RS\n";
        for (const cli::OptionSpec& option : function.options) {
            out += ".TP\n" + optionLabel(option) + "\n" + roffText(option.help);
            if (option.required)
                out += std::string(" ") + w.required;
            out += "\n";
        }
        out += ".RE\n";
    }
    return out;
}

std::string fillManualTemplate(const std::string& text, const std::string& version,
                               const std::vector<cli::FunctionSpec>& functions, Language language)
{
    std::istringstream in(text);
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        if (line == "@FUNCTIONS@") {
            out += roffFunctions(functions, language);
            continue;
        }
        for (std::size_t at = line.find("@VERSION@"); at != std::string::npos;
             at = line.find("@VERSION@", at + version.size()))
            line.replace(at, 9, version);
        out += line + "\n";
    }
    return out;
}

std::string bashCompletion(const std::vector<cli::FunctionSpec>& functions)
{
    std::string names;
    std::string noInput;
    std::string options;
    std::string values;
    for (const cli::FunctionSpec& function : functions) {
        if (!plainWord(function.name))
            continue;
        names += " " + function.name;
        if (function.kind == cli::FunctionKind::NoInput)
            noInput += " " + function.name;
        std::string list = "--utf8 --help";
        for (const cli::OptionSpec& option : function.options) {
            if (!plainWord(option.name))
                continue;
            list += " --" + option.name;
            if (!option.takesValue)
                continue;
            const std::string v = completionValues(option);
            if (!plainValues(v))
                continue;
            values += "    '" + function.name + " --" + option.name + "') echo '" + v + "' ;;\n";
        }
        options += "    " + function.name + ") echo '" + list + "' ;;\n";
    }

    std::string script;
    script += "# bash completion for zuk-text, made from its function table when Zuk is built.\n"
              "\n"
              "_zuk_text_functions='" +
              names.substr(names.empty() ? 0 : 1) +
              "'\n"
              "_zuk_text_noinput=' " +
              noInput.substr(noInput.empty() ? 0 : 1) +
              " '\n"
              "\n"
              "_zuk_text_options()\n"
              "{\n"
              "    case $1 in\n" +
              options +
              "    esac\n"
              "}\n"
              "\n"
              "# Succeeds for an option that takes a value and prints what the value may\n"
              "# be: @file, @dir, a list of words, or nothing for free text.\n"
              "_zuk_text_values()\n"
              "{\n"
              "    case \"$1 $2\" in\n" +
              values +
              "    *) return 1 ;;\n"
              "    esac\n"
              "}\n";
    script += R"sh(
_zuk_text()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # "--width=5" comes as the words "--width" "=" "5".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$_zuk_text_functions list --help --version" -- "$cur")
        return
    fi
    local function=${COMP_WORDS[1]} values
    if [[ $prev == --* ]] && values=$(_zuk_text_values "$function" "$prev"); then
        if [[ $values == @file ]]; then
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        elif [[ $values == @dir ]]; then
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        elif [[ -n $values ]]; then
            mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
        fi
        return
    fi
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_zuk_text_options "$function")" -- "$cur")
        return
    fi
    if [[ $_zuk_text_noinput == *" $function "* || $function == list ]]; then
        return
    fi
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
}
complete -F _zuk_text zuk-text
)sh";
    return script;
}

} // namespace zuk::clidoc
