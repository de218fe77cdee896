#pragma once

#include "cli/registry.h"

#include <string>
#include <string_view>
#include <vector>

// The reference parts of zuk-text's manual pages and its bash completion,
// made from the function table at build time, so neither can fall behind the
// functions the tool has.
namespace zuk::clidoc {

enum class Language { English, Russian };

// Text set in roff: a backslash prints as itself and a line never starts
// with a control character.
std::string roffText(std::string_view text);
// A word typed on the command line (a name, an option): its hyphens are
// ASCII hyphen-minus signs in every output device, so a copied command runs.
std::string roffWord(std::string_view word);

// The list of functions for the FUNCTIONS section: one tagged paragraph per
// function with its command line, summary, input shape and options.
std::string roffFunctions(const std::vector<cli::FunctionSpec>& functions, Language language);

// The template with "@VERSION@" replaced and a line holding only
// "@FUNCTIONS@" replaced by roffFunctions().
std::string fillManualTemplate(const std::string& text, const std::string& version,
                               const std::vector<cli::FunctionSpec>& functions, Language language);

// A bash completion script: the function names after "zuk-text", each
// function's options after it, the values of options that have a fixed set
// (code pages, the choices written as A|B|C) and file names where a file goes.
std::string bashCompletion(const std::vector<cli::FunctionSpec>& functions);

} // namespace zuk::clidoc
