#pragma once

#include "base/texts.h"

namespace zuk::app {

// The recovery copies of unsaved documents and the question that offers them
// (section Recovery).
const TextTable& recoveryTexts();

} // namespace zuk::app
