#pragma once

namespace zuk::app::ui {
class TMainForm;
}

namespace zuk::calc::ui {

// Wires the calculators and the text analyzer into the main window:
// mniUNITAZ (the analyzer window), mniEvaluateExpression (writes
// "expression = value" over the selection), mniConvertUnits (the unit
// converter), mniBaseConv (the base converter dialog) and mniMegaCalc (the
// big-number calculator). Each tool window is made on first use as a child
// of the main window and kept until it goes.
void installCalcCommands(app::ui::TMainForm& form);

} // namespace zuk::calc::ui
