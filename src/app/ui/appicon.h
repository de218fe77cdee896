#pragma once

namespace zuk::app::ui {

// Gives every window of the program its icon, from the resources built into
// the program.
void setApplicationIcon();

} // namespace zuk::app::ui
