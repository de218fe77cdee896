#include "tools/ui/searchcommands.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "codepages/charsets.h"
#include "editor/ved.h"
#include "platform/ui/desktopshell.h"
#include "settings/settings.h"
#include "textfunc/casefunctions.h"
#include "tools/replace.h"
#include "tools/replaceinfiles.h"
#include "tools/searchtexts.h"
#include "tools/ui/documentsearch.h"
#include "tools/ui/treplaceform.h"

#include <QFileInfo>
#include <QUrl>

namespace zuk::tools::ui {

using app::ui::ToolHost;

namespace {

constexpr const char* kReplaceForm = "replaceform";

app::ui::ToolWindowSpec replaceFormWindow(ToolHost& host)
{
    ToolHost* h = &host;
    app::ui::ToolWindowSpec tool;
    tool.id = kReplaceForm;
    tool.geometry = settings::replaceFormGeometryKeys();
    tool.make = [h](QWidget* parent) {
        auto* w = new Treplaceform(*h, parent);
        h->addLocaliser(w, [w, h] { app::ui::localiseWindow(w, replaceFormTexts(), h->texts()); });
        return w;
    };
    return tool;
}

// The multi-replace list of the window as rules over text in `cp`. A line
// whose name holds a character the code page lacks can match nothing there
// and is left out.
std::vector<ReplaceRule> listRules(const Treplaceform& form, codepages::CodePage cp)
{
    std::vector<std::string> lines;
    for (const QString& line : form.listLines()) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const std::string name = line.left(eq < 0 ? line.size() : eq).toStdString();
        if (codepages::decodeToUtf8(codepages::encodeFromUtf8(name, cp), cp) != name)
            continue;
        lines.push_back(codepages::encodeFromUtf8(line.toStdString(), cp));
    }
    return parseReplaceList(lines, textfunc::inCodePage(textfunc::Cp1251Lower, cp));
}

// The working text written back as one undo step, and only the part that
// changed: a large document keeps its view, and its undo step stays small.
void writeBack(editor::CVed& doc, const std::string& before, const std::string& after)
{
    editor::CVed::EditGroup group(doc);
    if (!doc.SelEmpty()) {
        doc.PutWorkText(after);
        return;
    }
    std::size_t prefix = 0;
    const std::size_t most = std::min(before.size(), after.size());
    while (prefix < most && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < most - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    // The final line break of a whole text is not in the control: a change
    // reaching it goes through the whole text.
    if (suffix < 2) {
        doc.SetAllText(after);
        return;
    }
    doc.SetSelection(static_cast<long>(prefix), static_cast<long>(before.size() - suffix));
    doc.ReplaceSel(after.substr(prefix, after.size() - suffix - prefix));
}

} // namespace

TDocumentSearch* documentSearch(ToolHost& host)
{
    return host.window()->findChild<TDocumentSearch*>(QStringLiteral("zukDocumentSearch"),
                                                      Qt::FindDirectChildrenOnly);
}

void ReplaceInDocument(ToolHost& host)
{
    if (!host.hasDocument())
        return;
    auto* form = host.tool<Treplaceform>(kReplaceForm);
    if (!form || form->exec() != QDialog::Accepted || !host.hasDocument())
        return;
    editor::CVed& doc = host.document();
    codepages::CodePage cp = codepages::CodePage::Win;
    codepages::codePageFromName(doc.GetCharset(), cp);
    const std::string work = doc.GetWorkText();
    std::size_t count = 0;
    std::string result;
    if (form->multi()) {
        result = MultiReplace(work, listRules(*form, cp), nullptr, &count);
    } else {
        const std::string find = form->findText().toStdString();
        const std::string bytes = codepages::encodeFromUtf8(find, cp);
        if (codepages::decodeToUtf8(bytes, cp) == find)
            result = ReplaceAll(work, bytes,
                                codepages::encodeFromUtf8(form->replaceText().toStdString(), cp),
                                nullptr, &count);
    }
    const auto& section = searchMessages().section;
    if (count == 0) {
        host.showNote(host.text(section, "sTextNotFound"));
        return;
    }
    if (result != work)
        writeBack(doc, work, result);
    host.showStatus(host.format(section, "sReplacedCount", {QString::number(count)}));
}

void ReplaceInFiles(ToolHost& host, const std::vector<std::string>& selected,
                    const std::function<std::string(const std::string&)>& target)
{
    if (selected.empty())
        return;
    auto* form = host.tool<Treplaceform>(kReplaceForm);
    if (!form || form->exec() != QDialog::Accepted)
        return;
    const settings::RConnectionTable& s = host.settings();
    ReplaceJob job;
    job.multi = form->multi();
    job.ignoreCase = s.find_opt_CaseInsensitive;
    if (job.multi) {
        job.rules = listRules(*form, codepages::CodePage::Win);
    } else {
        job.find = codepages::utf8ToWin(form->findText().toStdString());
        job.with = codepages::utf8ToWin(form->replaceText().toStdString());
    }
    const ReplaceFilesReport report =
        tools::ReplaceInFiles(collectReplaceFiles(selected, s.ReplaceRecursive), job, target);
    const auto& section = searchMessages().section;
    host.consoleAppend(host.format(
        section, "sFilesReplaced",
        {QString::number(report.changed.size()), QString::number(report.replacements)}));
    if (!report.unchanged.empty())
        host.consoleAppend(
            host.format(section, "sFilesUnchanged", {QString::number(report.unchanged.size())}));
    for (const std::string& path : report.binary)
        host.consoleAppend(
            host.format(section, "sFileHasNulSkipped", {QString::fromStdString(path)}));
    for (const auto& [path, error] : report.failed)
        host.consoleAppend(host.format(section, "sFileReplaceFailed",
                                       {QString::fromStdString(path), host.message(error)}));
    host.showConsole();
}

QUrl webSearchUrl(const QString& text)
{
    // Every byte outside the unreserved set is percent-encoded, so "&", "#",
    // "+" and blanks arrive as typed.
    QUrl url(QStringLiteral("https://www.google.com/search"));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(text)),
                 QUrl::StrictMode);
    return url;
}

void FindInNet(ToolHost& host)
{
    const std::optional<QString> text =
        host.prompt(QStringLiteral("?"), host.text("MainForm", "sWhatToFind"));
    if (!text || text->isEmpty())
        return;
    if (!platform::ui::DesktopShell::urlOpener()(webSearchUrl(*text)))
        host.showNote(host.text(searchMessages().section, "sWebSearchFailed"));
}

void installSearchCommands(ToolHost& host)
{
    auto* search = new TDocumentSearch(host);
    ToolHost* h = &host;
    host.addToolWindow(replaceFormWindow(host));
    host.addCommands({
        {"mniFind", [search] { search->FindDialog(); }},
        {"mniFindNext", [search] { search->FindNext(); }},
        {"mniReplace", [search] { search->ReplaceDialog(); }},
        {"mniReplaceAllMulti", [h] { ReplaceInDocument(*h); }},
        {"mniFindInNet", [h] { FindInNet(*h); }},
    });
}

} // namespace zuk::tools::ui
