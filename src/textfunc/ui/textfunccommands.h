#pragma once

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::textfunc::ui {

// Wires every text-function command of the main menu: case, lines,
// replacement, sorting, format, numbers, encoders, security, anti-spam,
// ringtone digits, tag stripping, URL repair and the Encoding menu's
// UUE, MIME, Base64, RLE and HEX items.
void installTextFunctionCommands(app::ui::ToolHost& host);

} // namespace zuk::textfunc::ui
