#include "html/ui/htmlcommands.h"

#include "app/commandtable.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "editor/commandshapes.h"
#include "html/cleanup.h"
#include "html/generators.h"
#include "html/htmltexts.h"
#include "html/text2html.h"
#include "html/ui/colourpickers.h"
#include "html/ui/picturetag.h"
#include "html/ui/tfmgradtextopts.h"
#include "html/ui/tfmhtmlcleanup.h"
#include "html/ui/tfmtext2html.h"
#include "html/ui/ttablewizard.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <string>
#include <vector>

namespace zuk::html::ui {

using app::ui::ToolHost;
using editor::CVed;

namespace {

// The gradient's result is about thirty times its text: above this it asks.
constexpr std::size_t GradientQuestionSize = 1u << 20;

std::string bytesOf(CVed& ved, const QString& text)
{
    return editor::documentBytes(ved, text.toStdString());
}

QString textOf(CVed& ved, const std::string& bytes)
{
    return QString::fromStdString(editor::documentUtf8(ved, bytes));
}

// The selection in a pair of tags, or the empty pair at the caret.
void wrapSelection(CVed& ved, const std::string& open, const std::string& close,
                   const std::string& empty)
{
    if (ved.SelEmpty()) {
        ved.InsertAtCaret(empty);
        return;
    }
    CVed::EditGroup group(ved);
    ved.ReplaceSel(open + ved.GetSelText() + close);
}

// The selection, or the whole text without one, in a pair of tags; an empty
// document gets the empty form at the caret.
void wrapWorkText(CVed& ved, const std::string& open, const std::string& close,
                  const std::string& empty)
{
    const std::string text = ved.GetWorkText();
    if (text.empty()) {
        ved.InsertAtCaret(empty);
        return;
    }
    CVed::EditGroup group(ved);
    ved.PutWorkText(open + text + close);
}

struct PairRow {
    const char* name;
    const char* open;
    const char* close;
};

void installTagPairs(std::vector<app::ui::CommandHandler>& rows, ToolHost& host)
{
    static const PairRow pairs[] = {
        {"mniLink", "<a href=\"\">", "</a>"},
        {"mniLi", "<li>", "</li>"},
        {"mniTR", "<tr>", "</tr>"},
        {"mniTD", "<td>", "</td>"},
        {"mniP", "<p>", "</p>"},
        {"mniBold", "<b>", "</b>"},
        {"mniItalic", "<i>", "</i>"},
        {"mniComment", "<!-- ", " -->"},
    };
    for (const PairRow& p : pairs)
        rows.push_back({p.name, [&host, p] {
                            wrapSelection(host.document(), p.open, p.close,
                                          std::string(p.open) + p.close);
                        }});
    // The heading's tag is its menu caption ("H3" gives <H3> ... </H3>).
    for (const char* name : {"H11", "H21", "H31", "H41", "H51", "H62"}) {
        const std::string caption(app::findCommand(name)->caption);
        rows.push_back({name, [&host, caption] {
                            wrapSelection(host.document(), "<" + caption + ">",
                                          "</" + caption + ">",
                                          "<" + caption + "></" + caption + ">");
                        }});
    }
    rows.push_back({"mniWebFont", [&host] {
                        wrapWorkText(host.document(), "<font size=\"\" color=\"\">", "</font>",
                                     "<font size=\"\" color=\"\"> </font>");
                    }});
    rows.push_back({"mniACenter", [&host] {
                        wrapWorkText(host.document(), "<div align=\"center\">", "</div>",
                                     "<div align=\"center\"> </div>");
                    }});
    rows.push_back({"mniALeft", [&host] {
                        wrapWorkText(host.document(), "<div align=\"left\">", "</div>",
                                     "<div align=\"left\"></div>");
                    }});
    rows.push_back({"mniARight", [&host] {
                        wrapWorkText(host.document(), "<div align=\"right\">", "</div>",
                                     "<div align=\"right\"></div>");
                    }});
    rows.push_back({"mniBR", [&host] { host.document().InsertAtCaret("<br>"); }});
}

void installColours(std::vector<app::ui::CommandHandler>& rows, ToolHost& host)
{
    rows.push_back({"mniColorizeText", [&host] {
                        CVed& ved = host.document();
                        if (ved.SelEmpty())
                            return;
                        const std::optional<QString> colour =
                            TWebSafePicker::pick(host.window(), host.texts());
                        if (!colour)
                            return;
                        wrapSelection(ved, "<font color=\"" + colour->toStdString() + "\">",
                                      "</font>", {});
                    }});
    rows.push_back({"mniSafepal", [&host] {
                        if (const std::optional<QString> colour =
                                TWebSafePicker::pick(host.window(), host.texts()))
                            host.document().InsertAtCaret(colour->toStdString());
                    }});
    rows.push_back({"mniStdPalette", [&host] {
                        QColorDialog dialog(host.window());
                        dialog.setOption(QColorDialog::DontUseNativeDialog);
                        if (dialog.exec() != QDialog::Accepted)
                            return;
                        host.document().InsertAtCaret(hexColour(toRgb(dialog.selectedColor())));
                        try {
                            saveCustomColours(host.dataPath(QStringLiteral("stdpickercolors.txt")));
                        } catch (const ZukError& e) {
                            host.showNote(host.message(e));
                        }
                    }});
}

void choosePicture(ToolHost& host)
{
    // The dialog's folder is kept from one use to the next during the run.
    static QString lastFolder;
    CVed& ved = host.document();
    QString folder = lastFolder;
    if (folder.isEmpty() && ved.HasFile())
        folder = QFileInfo(QString::fromStdString(ved.GetFileName())).absolutePath();
    const std::string_view section = htmlMessages().section;
    QFileDialog dialog(host.window(), host.text(section, "sChoosePicture"), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setNameFilters(
        {host.text(section, "sPictureFilter") +
             QStringLiteral("(*.gif *.jpg *.jpeg *.png *.bmp *.mng *.jng *.GIF *.JPG *.JPEG "
                            "*.PNG *.BMP *.MNG *.JNG)"),
         host.text(section, "sAllFiles") + QStringLiteral(" (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString picture = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(picture).absolutePath();
    if (host.hasDocument())
        insertPictureTag(host.document(), picture);
}

void textToHtml(ToolHost& host)
{
    Text2HtmlChoice choice;
    {
        TfmText2HTML dialog(host, host.window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        choice = dialog.choice();
    }
    if (!host.hasDocument())
        return;
    CVed& source = host.document();
    RText2HTMLParams params;
    params.left_margin = bytesOf(source, choice.leftMargin);
    params.right_margin = bytesOf(source, choice.rightMargin);
    params.back_color = choice.backColour.toStdString();
    params.fore_color = choice.foreColour.toStdString();
    params.replace_CRLF_with_br = choice.replaceBreaks;
    params.add_spaces_after_br = choice.addSpaces;
    params.num_of_spaces = choice.spaces;
    params.enclose_para_with_p = choice.paragraphs;
    params.use_css_style = choice.useCss;
    params.css = bytesOf(source, choice.css);
    const std::string charset = source.GetCharset();
    const std::string page =
        Text2HTML(source.GetAllText(), params, editor::workingCodePage(source));
    if (choice.newFile) {
        host.newDocument();
        // The page is in the source's code page, and so is the new document.
        host.document().SetCharset(charset);
    }
    CVed& target = host.document();
    CVed::EditGroup group(target);
    target.SetAllText(page);
}

void cleanUp(ToolHost& host)
{
    QString tags;
    {
        TfmHTMLCleanUpoptsions dialog(host, host.window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        tags = dialog.tags();
    }
    if (!host.hasDocument())
        return;
    const std::vector<std::string> names = parseTagList(codepages::utf8ToWin(tags.toStdString()));
    if (names.empty())
        return;
    editor::transformWorkText(host.document(),
                              [&names](const std::string& t) { return KillTags(t, names); });
}

void toConsole(ToolHost& host, const std::vector<std::string>& lines)
{
    QStringList shown;
    for (const std::string& line : lines)
        shown << textOf(host.document(), line);
    host.consoleAppend(shown.join(QLatin1Char('\n')));
    host.showConsole();
}

void documentWeight(ToolHost& host)
{
    CVed& ved = host.document();
    WeightDocument document;
    document.text = ved.GetWorkText();
    if (ved.HasFile())
        document.path = ved.GetFileName();
    document.label = ved.GetFileName();
    const std::vector<std::string> lines =
        DocumentWeight(document, [](const std::string& path) -> std::optional<std::uint64_t> {
            const QFileInfo info(QString::fromStdString(path));
            if (!info.isFile())
                return std::nullopt;
            return static_cast<std::uint64_t>(info.size());
        });
    // Paths are UTF-8 already; the lines are shown as they are.
    QStringList shown;
    for (const std::string& line : lines)
        shown << QString::fromStdString(line);
    host.consoleAppend(shown.join(QLatin1Char('\n')));
    host.showConsole();
}

void tableWizard(ToolHost& host)
{
    std::vector<std::vector<TableCell>> cells;
    {
        Ttablewizard dialog(host, host.window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        cells = dialog.cells();
    }
    if (!host.hasDocument())
        return;
    CVed& ved = host.document();
    for (auto& row : cells)
        for (TableCell& cell : row)
            cell.text = editor::documentBytes(ved, cell.text);
    editor::insertLinesAtCaret(ved, TableMarkup(cells));
}

void gradient(ToolHost& host)
{
    CVed& ved = host.document();
    if (ved.SelEmpty())
        return;
    const std::size_t size = ved.GetSelText().size();
    if (size > MaxGradientText)
        throw FormatError(htmlMessages(), "sGradientTooLong",
                          {std::to_string(MaxGradientText >> 20)});
    if (size > GradientQuestionSize &&
        !host.confirm(host.format(htmlMessages().section, "sGradientLargeSelection",
                                  {QString::number(size), QString::number(size * 30 >> 20)})))
        return;
    Rgb from, to;
    {
        TfmGradtextOpts dialog(host.window(), host.texts());
        if (dialog.exec() != QDialog::Accepted)
            return;
        from = dialog.startColour();
        to = dialog.endColour();
    }
    if (!host.hasDocument() || host.document().SelEmpty())
        return;
    editor::transformWorkText(
        host.document(), [from, to](const std::string& t) { return TextGradient(t, from, to); });
}

} // namespace

void htmlStartup(ToolHost& host)
{
    loadCustomColours(host.dataPath(QStringLiteral("stdpickercolors.txt")));
}

void installHtmlCommands(ToolHost& host)
{
    ToolHost* h = &host;
    std::vector<app::ui::CommandHandler> rows;
    installTagPairs(rows, host);
    installColours(rows, host);
    rows.push_back({"mniPictureDlg", [h] { choosePicture(*h); }});
    rows.push_back({"mniText2HTML", [h] { textToHtml(*h); }});
    rows.push_back({"mniHTMLCleanUp", [h] { cleanUp(*h); }});
    rows.push_back(
        {"mniAnHypLinx", [h] { toConsole(*h, LinkReport(h->document().GetWorkText())); }});
    rows.push_back({"mniDocWeight", [h] { documentWeight(*h); }});
    rows.push_back({"mniTableMaster", [h] { tableWizard(*h); }});
    rows.push_back({"mnitextGradient", [h] { gradient(*h); }});
    host.addCommands(std::move(rows));
}

} // namespace zuk::html::ui
