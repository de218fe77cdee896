#include "cli/registry.h"
#include "textfunc/casefunctions.h"

#include <utility>

namespace zuk::cli {

namespace {

std::string upper(Invocation& call)
{
    textfunc::upperCaseInPlace(call.input);
    return std::move(call.input);
}

std::string lower(Invocation& call)
{
    textfunc::lowerCaseInPlace(call.input);
    return std::move(call.input);
}

const FunctionRegistration kCaseFunctions{
    {"upper",
     FunctionKind::Text,
     "Upper case: a-z, а-я and ё; every other byte unchanged.",
     {},
     upper},
    {"lower",
     FunctionKind::Text,
     "Lower case: A-Z, А-Я and Ё; every other byte unchanged.",
     {},
     lower},
};

} // namespace

} // namespace zuk::cli
