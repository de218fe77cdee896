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
#include "io/inifile.h"

#include <QFileInfo>
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
    // The interface language file, read again whenever a tool is opened so a
    // language switch reaches the windows; null for Russian or no file.
    std::shared_ptr<const io::IniFile> language;
    QPointer<analyzer::ui::Tunt> analyzer;
    QPointer<Tfm_valconv> units;
    QPointer<TfmBaseConv> bases;
    QPointer<Tsupacalc> bigCalc;
};

bool isRussian(app::ui::TMainForm& form)
{
    return form.settings().Lang == kRussian;
}

// Opens Lang/<Lang> of the parts folder when the interface language is not
// Russian and the file is there. An unreadable file leaves the built-in texts.
std::shared_ptr<const io::IniFile> openLanguageFile(app::ui::TMainForm& form)
{
    if (isRussian(form))
        return nullptr;
    const QString path =
        form.dataPath(QStringLiteral("Lang/") +
                      QString::fromStdString(codepages::winToUtf8(form.settings().Lang)));
    if (!QFileInfo(path).isFile())
        return nullptr;
    try {
        return std::make_shared<const io::IniFile>(path.toStdString());
    } catch (const ZukError&) {
        return nullptr;
    }
}

// A window's captions from its section of the language file; an empty
// result keeps the built-in caption.
std::function<QString(const QString&)> captionsOf(std::shared_ptr<const io::IniFile> language,
                                                  const char* section)
{
    return [language = std::move(language), section](const QString& key) {
        if (!language)
            return QString();
        return QString::fromStdString(
            codepages::winToUtf8(language->readString(section, key.toStdString(), "")));
    };
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
    tools.language = openLanguageFile(form);
    dialog.applyLanguage(captionsOf(tools.language, "fmBaseConv"));
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
        tools->language = openLanguageFile(*f);
        const bool first = !tools->analyzer;
        if (first) {
            // The window outlives the handlers, so it holds on to the tools.
            analyzer::ui::Tunt::Host host;
            host.workText = [f] { return analyzerText(*f); };
            host.caption = [tools](const QString& key) {
                return captionsOf(tools->language, "unt")(key);
            };
            host.texts = [tools] {
                analyzer::UnitazTexts texts = analyzer::UnitazTexts::builtIn();
                if (const auto language = tools->language)
                    texts.load([&language](const std::string& key) {
                        return language->readString("unt", key, "");
                    });
                return texts;
            };
            tools->analyzer = new analyzer::ui::Tunt(std::move(host), f);
        } else {
            tools->analyzer->applyLanguage();
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
        tools->language = openLanguageFile(*f);
        const bool first = !tools->bigCalc;
        if (first) {
            // Its captions are taken once; a later title is the last joke line.
            tools->bigCalc = new Tsupacalc(isRussian(*f), f);
            tools->bigCalc->applyLanguage(captionsOf(tools->language, "supacalc"));
        }
        tools->bigCalc->setRussian(isRussian(*f));
        showTool(tools->bigCalc, f, first);
    });
}

} // namespace zuk::calc::ui
