#include "cli/registry.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace zuk::cli {

namespace {

// A function-local table, so registrations from other files' static
// initialisers always find it constructed.
std::vector<FunctionSpec>& table()
{
    static std::vector<FunctionSpec> rows;
    return rows;
}

bool g_sorted = false;

} // namespace

FunctionRegistration::FunctionRegistration(std::initializer_list<FunctionSpec> rows)
{
    for (const FunctionSpec& row : rows)
        table().push_back(row);
    g_sorted = false;
}

const std::vector<FunctionSpec>& allFunctions()
{
    if (!g_sorted) {
        std::sort(table().begin(), table().end(),
                  [](const FunctionSpec& a, const FunctionSpec& b) { return a.name < b.name; });
        g_sorted = true;
    }
    return table();
}

const FunctionSpec* findFunction(const std::string& name)
{
    for (const FunctionSpec& function : allFunctions()) {
        if (function.name == name)
            return &function;
    }
    return nullptr;
}

FunctionSpec::FunctionSpec(std::string name_, FunctionKind kind_, std::string summary_,
                           std::vector<OptionSpec> options_, TextHandler handler)
    : name(std::move(name_)), kind(kind_), summary(std::move(summary_)),
      options(std::move(options_)), text(handler)
{
}

FunctionSpec::FunctionSpec(std::string name_, FunctionKind kind_, std::string summary_,
                           std::vector<OptionSpec> options_, LinesHandler handler)
    : name(std::move(name_)), kind(kind_), summary(std::move(summary_)),
      options(std::move(options_)), lines(handler)
{
}

FunctionSpec& FunctionSpec::withArguments(std::vector<std::string> names)
{
    arguments = std::move(names);
    return *this;
}

FunctionSpec& FunctionSpec::binaryInput()
{
    inputIsText = false;
    return *this;
}

FunctionSpec& FunctionSpec::streaming(StreamHandler handler)
{
    stream = handler;
    return *this;
}

FunctionSpec& FunctionSpec::binaryOutput()
{
    outputIsText = false;
    return *this;
}

std::string Invocation::option(const std::string& name, const std::string& fallback) const
{
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

long long Invocation::intOption(const std::string& name, long long fallback) const
{
    const auto it = options.find(name);
    if (it == options.end())
        return fallback;
    const std::string& text = it->second;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE)
        throw UsageError("the value of --" + name + " must be a whole number: \"" + text + "\"");
    return value;
}

} // namespace zuk::cli
