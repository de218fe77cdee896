#include "calc/ui/calccommands.h"

#include "analyzer/ui/tunt.h"
#include "app/ui/mainform.h"
#include "base/zukerror.h"
#include "calc/exprevaluator.h"
#include "calc/numformat.h"
#include "calc/ui/calcsupport.h"
#include "calc/ui/tfm_valconv.h"
#include "calc/ui/tfmbaseconv.h"
#include "calc/ui/tsupacalc.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"

#include <QLineEdit>
#include <QPointer>

#include <cmath>
#include <memory>

namespace zuk::calc::ui {

namespace {

// "Русский" in Windows-1251: the interface language of the built-in texts.
const char* const kRussian = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";

struct CalcTools {
    CExprEvaluator evaluator; // its variables live for the whole run
    QPointer<analyzer::ui::Tunt> analyzer;
    QPointer<Tfm_valconv> units;
    QPointer<TfmBaseConv> bases;
    QPointer<Tsupacalc> bigCalc;
};

bool isRussian(app::ui::TMainForm& form)
{
    return form.settings().Lang == kRussian;
}

// Shows a tool window and centres it over the main window the first time.
void showTool(QWidget* tool, QWidget* over, bool first)
{
    if (first) {
        tool->adjustSize();
        const QRect frame = over->frameGeometry();
        tool->move(frame.center() - QPoint(tool->width() / 2, tool->height() / 2));
    }
    tool->show();
    tool->raise();
    tool->activateWindow();
}

// The working text of the current document for the analyzer, in
// Windows-1251 whatever the document's code page.
std::optional<std::string> analyzerText(app::ui::TMainForm& form)
{
    if (form.documentCount() == 0)
        return std::nullopt;
    editor::CVed& ved = form.editor();
    std::string text = ved.GetWorkText();
    codepages::CodePage cp = codepages::CodePage::Win;
    if (codepages::codePageFromName(ved.GetCharset(), cp) && cp != codepages::CodePage::Win)
        text = codepages::utf8ToWin(codepages::decodeToUtf8(text, cp));
    return text;
}

void evaluateSelection(app::ui::TMainForm& form, CExprEvaluator& evaluator)
{
    if (form.documentCount() == 0)
        return;
    editor::CVed& ved = form.editor();
    if (ved.SelEmpty())
        return;
    const std::string selected = ved.GetWorkText();
    const long double value = evaluator.Evaluate(selected);
    // INF and NAN are reports, not results: nothing is written for them.
    if (std::isnan(value))
        throw EMathError(EMathError::Kind::InvalidOperation, "Результат не является числом");
    if (std::isinf(value))
        throw EMathError(EMathError::Kind::Overflow, "Результат бесконечен");
    ved.PutWorkText(selected + " = " + formatGeneral(value, localeDecimalSeparator()));
}

void runBaseConverter(app::ui::TMainForm& form, CalcTools& tools)
{
    if (!tools.bases)
        tools.bases = new TfmBaseConv(&form);
    TfmBaseConv& dialog = *tools.bases;
    if (form.documentCount() > 0 && !form.editor().SelEmpty()) {
        editor::CVed& ved = form.editor();
        dialog.numberEdit()->setText(fromDocument(ved.GetWorkText(), ved.GetCharset()));
    }
    if (dialog.exec() != QDialog::Accepted || form.documentCount() == 0)
        return;
    editor::CVed& ved = form.editor();
    ved.InsertAtCaret(toDocument(dialog.resultEdit()->text(), ved.GetCharset()));
}

} // namespace

void installCalcCommands(app::ui::TMainForm& form)
{
    auto tools = std::make_shared<CalcTools>();
    app::ui::TMainForm* f = &form;

    form.setHandler(QStringLiteral("mniUNITAZ"), [f, tools] {
        const bool first = !tools->analyzer;
        if (first) {
            analyzer::ui::Tunt::Host host;
            host.workText = [f] { return analyzerText(*f); };
            tools->analyzer = new analyzer::ui::Tunt(std::move(host), f);
        }
        showTool(tools->analyzer, f, first);
    });
    form.setHandler(QStringLiteral("mniEvaluateExpression"),
                    [f, tools] { evaluateSelection(*f, tools->evaluator); });
    form.setHandler(QStringLiteral("mniConvertUnits"), [f, tools] {
        const bool first = !tools->units;
        if (first)
            tools->units = new Tfm_valconv(f);
        showTool(tools->units, f, first);
    });
    form.setHandler(QStringLiteral("mniBaseConv"), [f, tools] { runBaseConverter(*f, *tools); });
    form.setHandler(QStringLiteral("mniMegaCalc"), [f, tools] {
        const bool first = !tools->bigCalc;
        if (first)
            tools->bigCalc = new Tsupacalc(isRussian(*f), f);
        else
            tools->bigCalc->setRussian(isRussian(*f));
        showTool(tools->bigCalc, f, first);
    });
}

} // namespace zuk::calc::ui
