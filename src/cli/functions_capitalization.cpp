#include "cli/registry.h"
#include "textfunc/capitalization.h"

namespace zuk::cli {

namespace {

std::string invertCase(Invocation& call)
{
    return textfunc::InvertCase(call.input);
}

std::string hackerize(Invocation& call)
{
    if (!call.has("seed"))
        return textfunc::Hackerize(call.input);
    return textfunc::Hackerize(call.input, static_cast<std::uint64_t>(call.intOption("seed", 0)));
}

std::string capitalizeFirst(Invocation& call)
{
    return textfunc::CapitalizeFirst(call.input);
}
std::string capitalizeWords(Invocation& call)
{
    return textfunc::CapitalizeWords(call.input);
}

const FunctionRegistration kCaseChanges{
    {"invert-case",
     FunctionKind::Text,
     "Swap the case of a-z and а-я; Ё and ё stay.",
     {},
     invertCase},
    {"hackerize",
     FunctionKind::Text,
     "Each letter upper case with probability 3/5, lower case otherwise.",
     {{"seed", true, false, false, "N", "seed of the random choices, for a repeatable result"}},
     hackerize},
    {"capitalize-first",
     FunctionKind::Text,
     "The whole text in lower case, its first character in upper case.",
     {},
     capitalizeFirst},
    {"capitalize-words",
     FunctionKind::Text,
     "The first letter of every word in upper case, the rest in lower case.",
     {},
     capitalizeWords},
};

} // namespace

} // namespace zuk::cli
