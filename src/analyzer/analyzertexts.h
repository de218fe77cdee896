#pragma once

#include "base/texts.h"

namespace zuk::analyzer {

// Section unt: the word statistics window's captions, the lines of its
// report and of its job controls, and its message.
const TextTable& untTexts();

} // namespace zuk::analyzer
