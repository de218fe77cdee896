#pragma once

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::calc::ui {

// Registers the calculators and the text analyzer with the host:
// mniUNITAZ (the analyzer window), mniEvaluateExpression (writes
// "expression = value" over the selection), mniConvertUnits (the unit
// converter), mniBaseConv (the base converter dialog) and mniMegaCalc (the
// big-number calculator). Each tool window is made by the host on first use
// and kept until the main window goes.
void installCalcCommands(app::ui::ToolHost& host);

} // namespace zuk::calc::ui
