#include "calc/ui/calccommands.h"

#include "analyzer/ui/tunt.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "calc/calctexts.h"
#include "calc/exprevaluator.h"
#include "calc/numformat.h"
#include "calc/ui/calcsupport.h"
#include "calc/ui/tfm_valconv.h"
#include "calc/ui/tfmbaseconv.h"
#include "calc/ui/tsupacalc.h"
#include "editor/ved.h"

#include <QLineEdit>
#include <QPointer>

#include <cmath>
#include <memory>

namespace zuk::calc::ui {

using app::ui::ToolHost;

namespace {

struct CalcTools {
    CExprEvaluator evaluator; // its variables live for the whole run
    QPointer<TfmBaseConv> bases;
};

// Centres a tool window over the main window the first time it is shown.
void placeFirst(QWidget* tool, QWidget* over)
{
    tool->adjustSize();
    const QRect frame = over->frameGeometry();
    tool->move(frame.center() - QPoint(tool->width() / 2, tool->height() / 2));
}

void evaluateSelection(ToolHost& host, CExprEvaluator& evaluator)
{
    if (!host.hasDocument())
        return;
    editor::CVed& ved = host.document();
    if (ved.SelEmpty())
        return;
    const std::string selected = ved.GetWorkText();
    const long double value = evaluator.Evaluate(selected);
    // INF and NAN are reports, not results: nothing is written for them.
    if (std::isnan(value))
        throw EMathError(EMathError::Kind::InvalidOperation, calcMessages(), "sCalcNotANumber");
    if (std::isinf(value))
        throw EMathError(EMathError::Kind::Overflow, calcMessages(), "sCalcInfinite");
    ved.PutWorkText(selected + " = " + formatGeneral(value, localeDecimalSeparator()));
}

void runBaseConverter(ToolHost& host, CalcTools& tools)
{
    if (!tools.bases)
        tools.bases = new TfmBaseConv(host, host.window());
    TfmBaseConv& dialog = *tools.bases;
    if (host.hasDocument() && !host.document().SelEmpty()) {
        editor::CVed& ved = host.document();
        dialog.numberEdit()->setText(fromDocument(ved.GetWorkText(), ved.GetCharset()));
    }
    if (dialog.exec() != QDialog::Accepted || !host.hasDocument())
        return;
    editor::CVed& ved = host.document();
    ved.InsertAtCaret(toDocument(dialog.resultEdit()->text(), ved.GetCharset()));
}

} // namespace

void installCalcCommands(ToolHost& host)
{
    auto tools = std::make_shared<CalcTools>();
    ToolHost* h = &host;

    // The tool windows, each made on first use and centred over the main window.
    auto addTool = [h](const char* id, std::function<QWidget*(QWidget*)> make) {
        app::ui::ToolWindowSpec tool;
        tool.id = id;
        tool.make = [make = std::move(make)](QWidget* parent) {
            QWidget* w = make(parent);
            placeFirst(w, parent);
            return w;
        };
        h->addToolWindow(std::move(tool));
    };
    addTool("unt", [h](QWidget* parent) { return new analyzer::ui::Tunt(*h, parent); });
    addTool("fm_valconv", [h](QWidget* parent) { return new Tfm_valconv(*h, parent); });
    addTool("supacalc", [h](QWidget* parent) { return new Tsupacalc(*h, parent); });

    host.addCommands({
        {"mniUNITAZ", [h] { h->showToolWindow("unt"); }},
        {"mniEvaluateExpression", [h, tools] { evaluateSelection(*h, tools->evaluator); }},
        {"mniConvertUnits", [h] { h->showToolWindow("fm_valconv"); }},
        {"mniBaseConv", [h, tools] { runBaseConverter(*h, *tools); }},
        {"mniMegaCalc", [h] { h->showToolWindow("supacalc"); }},
    });
}

} // namespace zuk::calc::ui
