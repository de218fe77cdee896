#include "calc/ui/calccommands.h"

#include "analyzer/ui/tunt.h"
#include "app/textservice.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "calc/exprevaluator.h"
#include "calc/numformat.h"
#include "calc/ui/calcsupport.h"
#include "calc/ui/tfm_valconv.h"
#include "calc/ui/tfmbaseconv.h"
#include "calc/ui/tsupacalc.h"
#include "codepages/charsets.h"
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

// A window's captions from its section of the language file; an empty
// result keeps the built-in caption.
std::function<QString(const QString&)> captionsOf(ToolHost& host, const char* section)
{
    return [&host, section](const QString& key) {
        return QString::fromStdString(
            host.texts().lookup(section, key.toStdString()).value_or(std::string()));
    };
}

// Centres a tool window over the main window the first time it is shown.
void placeFirst(QWidget* tool, QWidget* over)
{
    tool->adjustSize();
    const QRect frame = over->frameGeometry();
    tool->move(frame.center() - QPoint(tool->width() / 2, tool->height() / 2));
}

// The working text of the current document for the analyzer, in
// Windows-1251 whatever the document's code page.
std::optional<std::string> analyzerText(ToolHost& host)
{
    if (!host.hasDocument())
        return std::nullopt;
    editor::CVed& ved = host.document();
    std::string text = ved.GetWorkText();
    codepages::CodePage cp = codepages::CodePage::Win;
    if (codepages::codePageFromName(ved.GetCharset(), cp) && cp != codepages::CodePage::Win)
        text = codepages::utf8ToWin(codepages::decodeToUtf8(text, cp));
    return text;
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
        throw EMathError(EMathError::Kind::InvalidOperation, "Результат не является числом");
    if (std::isinf(value))
        throw EMathError(EMathError::Kind::Overflow, "Результат бесконечен");
    ved.PutWorkText(selected + " = " + formatGeneral(value, localeDecimalSeparator()));
}

void runBaseConverter(ToolHost& host, CalcTools& tools)
{
    if (!tools.bases)
        tools.bases = new TfmBaseConv(host.window());
    TfmBaseConv& dialog = *tools.bases;
    dialog.applyLanguage(captionsOf(host, "fmBaseConv"));
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

    app::ui::ToolWindowSpec unt;
    unt.id = "unt";
    unt.make = [h](QWidget* parent) -> QWidget* {
        analyzer::ui::Tunt::Host callbacks;
        callbacks.workText = [h] { return analyzerText(*h); };
        callbacks.caption = captionsOf(*h, "unt");
        callbacks.texts = [h] {
            analyzer::UnitazTexts texts = analyzer::UnitazTexts::builtIn();
            if (h->texts().isOpen())
                texts.load([h](const std::string& key) {
                    return codepages::utf8ToWin(h->texts().lookup("unt", key).value_or(""));
                });
            return texts;
        };
        auto* w = new analyzer::ui::Tunt(std::move(callbacks), parent);
        placeFirst(w, parent);
        return w;
    };
    host.addToolWindow(std::move(unt));

    app::ui::ToolWindowSpec units;
    units.id = "fm_valconv";
    units.make = [](QWidget* parent) -> QWidget* {
        auto* w = new Tfm_valconv(parent);
        placeFirst(w, parent);
        return w;
    };
    host.addToolWindow(std::move(units));

    app::ui::ToolWindowSpec bigCalc;
    bigCalc.id = "supacalc";
    bigCalc.make = [h](QWidget* parent) -> QWidget* {
        auto* w = new Tsupacalc(h->texts().russian(), parent);
        // Its captions are taken once; a later title is the last joke line.
        w->applyLanguage(captionsOf(*h, "supacalc"));
        placeFirst(w, parent);
        return w;
    };
    host.addToolWindow(std::move(bigCalc));

    host.addCommands({
        {"mniUNITAZ",
         [h] {
             const bool made = h->existingToolWindow("unt") != nullptr;
             auto* w = static_cast<analyzer::ui::Tunt*>(h->showToolWindow("unt"));
             if (made)
                 w->applyLanguage();
         }},
        {"mniEvaluateExpression", [h, tools] { evaluateSelection(*h, tools->evaluator); }},
        {"mniConvertUnits", [h] { h->showToolWindow("fm_valconv"); }},
        {"mniBaseConv", [h, tools] { runBaseConverter(*h, *tools); }},
        {"mniMegaCalc",
         [h] {
             auto* w = static_cast<Tsupacalc*>(h->showToolWindow("supacalc"));
             w->setRussian(h->texts().russian());
         }},
    });
}

} // namespace zuk::calc::ui
