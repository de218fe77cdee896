#include "editor/codetemplates.h"

namespace zuk::editor {

namespace {

struct CodeTemplate {
    std::string_view name;
    std::string_view body; // lines split by '\n'; '|' marks the caret
};

// The familiar templates of the two IDEs, written the way their users type them.
constexpr CodeTemplate kDelphi[] = {
    {"arrayd", "array[0..|] of ;"},
    {"arrayc", "array[0..|] of  = ();"},
    {"beginend", "begin\n  |\nend;"},
    {"cases", "case | of\n  : ;\n  : ;\nend;"},
    {"casee", "case | of\n  : ;\n  : ;\nelse ;\nend;"},
    {"classd", "T| = class(T)\nprivate\n\nprotected\n\npublic\n\npublished\n\nend;"},
    {"forb", "for | :=  to  do\nbegin\n\nend;"},
    {"fors", "for | :=  to  do"},
    {"function", "function |(): ;\nbegin\n\nend;"},
    {"ifb", "if | then\nbegin\n\nend;"},
    {"ife", "if | then\n\nelse"},
    {"ifeb", "if | then\nbegin\n\nend\nelse\nbegin\n\nend;"},
    {"ifs", "if | then"},
    {"procedure", "procedure |();\nbegin\n\nend;"},
    {"trye", "try\n  |\nexcept\n\nend;"},
    {"tryf", "try\n  |\nfinally\n\nend;"},
    {"whileb", "while | do\nbegin\n\nend;"},
    {"whiles", "while | do"},
    {"withb", "with | do\nbegin\n\nend;"},
};

constexpr CodeTemplate kCppBuilder[] = {
    {"classd", "class T| : public T\n{\nprivate:\n\nprotected:\n\npublic:\n\n};"},
    {"dowhile", "do\n{\n    |\n} while ();"},
    {"forb", "for (int i = 0; i < |; i++)\n{\n\n}"},
    {"fors", "for (int i = 0; i < |; i++)"},
    {"ifb", "if (|)\n{\n\n}"},
    {"ife", "if (|)\n{\n\n}\nelse\n{\n\n}"},
    {"ifs", "if (|)"},
    {"main", "int main(int argc, char* argv[])\n{\n    |\n    return 0;\n}"},
    {"structd", "struct | {\n\n};"},
    {"switchs", "switch (|)\n{\ncase :\n    break;\ndefault:\n    break;\n}"},
    {"tryc", "try\n{\n    |\n}\ncatch (const Exception& e)\n{\n\n}"},
    {"tryf", "__try\n{\n    |\n}\n__finally\n{\n\n}"},
    {"whileb", "while (|)\n{\n\n}"},
};

template <std::size_t N>
const CodeTemplate* find(const CodeTemplate (&set)[N], std::string_view word)
{
    for (const CodeTemplate& t : set)
        if (t.name == word)
            return &t;
    return nullptr;
}

} // namespace

std::optional<CodeTemplateExpansion> expandCodeTemplate(std::string_view set, std::string_view word,
                                                        std::string_view indent)
{
    const CodeTemplate* t = nullptr;
    if (set == "Delphi")
        t = find(kDelphi, word);
    else if (set == "C++ Builder")
        t = find(kCppBuilder, word);
    if (!t)
        return std::nullopt;
    CodeTemplateExpansion out;
    bool lineStart = false; // a later line gets the indentation once it has anything
    for (const char c : t->body) {
        if (c == '\n') {
            out.text += "\r\n";
            lineStart = true;
            continue;
        }
        if (lineStart)
            out.text += indent;
        lineStart = false;
        if (c == '|')
            out.caret = out.text.size();
        else
            out.text += c;
    }
    return out;
}

} // namespace zuk::editor
