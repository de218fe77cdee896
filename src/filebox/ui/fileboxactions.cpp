#include "filebox/ui/fileboxactions.h"

#include "app/ui/toolhost.h"
#include "codepages/charsets.h"
#include "codepages/transcoders.h"
#include "editor/commandshapes.h"
#include "editor/ved.h"
#include "filebox/fileboxlogic.h"
#include "filebox/fileboxtexts.h"
#include "filebox/ui/tfrm_filefind.h"
#include "filebox/ui/thotlist.h"
#include "filebox/ui/tnewfilebox.h"
#include "hexedit/ui/hexeditcommands.h"
#include "highlight/cpelagos.h"
#include "highlight/ui/highlightinstall.h"
#include "html/cleanup.h"
#include "html/imgtag.h"
#include "html/text2html.h"
#include "html/ui/gallery.h"
#include "html/ui/picturetag.h"
#include "html/ui/tfmhtmlcleanup.h"
#include "html/ui/tfmtext2html.h"
#include "io/safefile.h"
#include "organizer/ui/organizercommands.h"
#include "organizer/ui/tfm_gviewer.h"
#include "platform/ui/desktopshell.h"
#include "textfunc/textfunctions.h"
#include "tools/ui/searchcommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QProgressDialog>

#include <sys/stat.h>

namespace zuk::filebox::ui {

using app::ui::ToolHost;

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QString text(ToolHost& host, const char* key)
{
    return host.text(fileBoxTexts().section, key);
}

QString format(ToolHost& host, const char* key, const QString& arg)
{
    return host.format(fileBoxTexts().section, key, {arg});
}

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A UTF-8 file name written into the current document, in its code page.
std::string forDocument(ToolHost& host, const std::string& utf8)
{
    return codepages::encodeFromUtf8(utf8, editor::workingCodePage(host.document()));
}

// Every batch command: the selected files, each written by the processing
// rule to `targetName(file)`, after one question when files would be
// replaced; what went wrong goes to the information console.
void runBatch(Tnewfilebox& box, ToolHost& host,
              const std::function<std::string(const std::string&)>& targetName,
              const std::function<std::string(const std::string&)>& transform)
{
    const std::vector<std::string> files = box.selectedFiles();
    if (files.empty())
        return;
    const ProcessRule rule = box.processRule();
    std::vector<ProcessItem> items;
    std::size_t replaced = 0;
    bool any = false;
    for (const std::string& file : files) {
        ProcessItem item{file, processedTarget(rule, targetName(file), box.dir().toStdString())};
        any = any || !item.target.empty();
        if (!item.target.empty() && fileExists(item.target))
            ++replaced;
        items.push_back(std::move(item));
    }
    if (!any) {
        host.showStatus(text(host, "sNotProcessable"));
        return;
    }
    if (replaced != 0 &&
        !host.confirm(format(host, "sFilesOverwritten", QString::number(replaced))))
        return;
    QProgressDialog progress(QString(), QString(), 0, static_cast<int>(items.size()), &box);
    progress.setMinimumDuration(500);
    progress.setWindowModality(Qt::WindowModal);
    int done = 0;
    const ProcessReport report = processFiles(items, transform, [&] {
        progress.setValue(done++);
        return !progress.wasCanceled();
    });
    progress.reset();
    host.showStatus(format(host, "sProcessedCount", QString::number(report.written.size())));
    bool problems = false;
    for (const std::string& path : report.binary) {
        host.consoleAppend(format(host, "sNulSkipped", qs(path)));
        problems = true;
    }
    for (const auto& [path, error] : report.failed) {
        host.consoleAppend(
            host.format(fileBoxTexts().section, "sProcessFailed", {qs(path), host.message(error)}));
        problems = true;
    }
    if (problems)
        host.showConsole();
    box.refresh();
}

std::string sameName(const std::string& path)
{
    return path;
}

void convertCodePage(Tnewfilebox& box, ToolHost& host, std::string (*convert)(std::string_view))
{
    runBatch(box, host, sameName, [convert](const std::string& t) { return convert(t); });
}

void textToHtml(Tnewfilebox& box, ToolHost& host)
{
    if (box.selectedFiles().empty())
        return;
    html::ui::Text2HtmlChoice choice;
    {
        html::ui::TfmText2HTML dialog(host, &box);
        if (auto* newFile = dialog.findChild<QCheckBox*>(QStringLiteral("cbMakeNewFile"))) {
            newFile->setChecked(false);
            newFile->setEnabled(false);
        }
        if (dialog.exec() != QDialog::Accepted)
            return;
        choice = dialog.choice();
    }
    html::RText2HTMLParams params;
    auto win = [](const QString& s) { return codepages::utf8ToWin(s.toStdString()); };
    params.left_margin = win(choice.leftMargin);
    params.right_margin = win(choice.rightMargin);
    params.back_color = choice.backColour.toStdString();
    params.fore_color = choice.foreColour.toStdString();
    params.replace_CRLF_with_br = choice.replaceBreaks;
    params.add_spaces_after_br = choice.addSpaces;
    params.num_of_spaces = choice.spaces;
    params.enclose_para_with_p = choice.paragraphs;
    params.use_css_style = choice.useCss;
    params.css = win(choice.css);
    runBatch(
        box, host, [](const std::string& p) { return withExtension(p, "htm"); },
        [params](const std::string& t) { return html::Text2HTML(t, params); });
}

void cleanUpHtml(Tnewfilebox& box, ToolHost& host)
{
    if (box.selectedFiles().empty())
        return;
    QString tags;
    {
        html::ui::TfmHTMLCleanUpoptsions dialog(host, &box);
        if (dialog.exec() != QDialog::Accepted)
            return;
        tags = dialog.tags();
    }
    const std::vector<std::string> names =
        html::parseTagList(codepages::utf8ToWin(tags.toStdString()));
    if (names.empty())
        return;
    runBatch(box, host, sameName,
             [names](const std::string& t) { return html::KillTags(t, names); });
}

void makeLinks(Tnewfilebox& box, ToolHost& host)
{
    if (!host.hasDocument() || box.currentPath().empty())
        return;
    editor::CVed& ved = host.document();
    const std::string document = ved.HasFile() ? ved.GetFileName() : std::string();
    const std::vector<std::string> files = box.selectedFiles();
    std::vector<std::string> lines;
    for (const std::string& file : files) {
        std::string bytes;
        try {
            bytes = io::readFileBytes(file);
        } catch (const ZukError&) {
            bytes.clear();
        }
        std::string line = linkTo(forDocument(host, html::PictureSource(document, file)), bytes,
                                  forDocument(host, file.substr(file.rfind('/') + 1)));
        if (files.size() > 1)
            line += "<br>";
        lines.push_back(std::move(line));
    }
    if (lines.empty())
        return;
    editor::CVed::EditGroup group(ved);
    ved.InsertLines(lines);
}

void newFromLocation(Tnewfilebox& box, ToolHost& host, bool recursive)
{
    const std::string dir = box.dir().toStdString();
    const std::vector<std::string> names =
        recursive ? locationFilesRecursive(dir) : locationNames(dir);
    host.newDocument();
    if (!host.hasDocument())
        return;
    std::string textBytes;
    for (const std::string& name : names)
        textBytes += forDocument(host, name) + "\r\n";
    editor::CVed& ved = host.document();
    editor::CVed::EditGroup group(ved);
    ved.SetAllText(textBytes);
}

void openWithTypeProgram(Tnewfilebox& box, ToolHost& host, bool editor)
{
    const std::string path = box.currentPath();
    if (path.empty())
        return;
    const highlight::CPelagos* types = highlight::ui::highlightObjects(host).fileTypes;
    const QString suffix = QFileInfo(qs(path)).suffix().toLower();
    const int index = types ? types->IndexOfFileType(suffix.toStdString()) : -1;
    QString program;
    if (index >= 0 && types->Handlers) {
        const highlight::TRNHandler& type = (*types->Handlers)[static_cast<std::size_t>(index)];
        program = qs(codepages::winToUtf8(editor ? type.Editor : type.Viewer));
    }
    if (program.isEmpty() || !QFileInfo(program).isFile()) {
        host.showStatus(text(host, "sNoProgram"));
        return;
    }
    platform::ui::DesktopShell(&box, &host.texts()).ShellOpen(program, {qs(path)});
}

void renameItem(Tnewfilebox& box, ToolHost& host)
{
    const std::string path = box.currentPath();
    if (path.empty())
        return;
    const QString old = QFileInfo(qs(path)).fileName();
    const std::optional<QString> answer =
        host.prompt(text(host, "SFileRename"), text(host, "sNewName") + QStringLiteral(": "), old);
    if (!answer || answer->isEmpty() || *answer == old)
        return;
    platform::ui::DesktopShell(&box, &host.texts())
        .ShellRename(qs(path), *answer, platform::ui::kShellRenameOnCollision);
    box.refresh();
}

void deleteItems(Tnewfilebox& box, ToolHost& host)
{
    const std::vector<std::string> items = box.selectedItems();
    if (items.empty() || !host.confirm(text(host, "sRUSure")))
        return;
    const platform::ui::DesktopShell shell(&box, &host.texts());
    for (const std::string& item : items) {
        if (shell.ShellDelete(qs(item), platform::ui::kShellToTrash | platform::ui::kShellSilent))
            continue;
        // The trash refused it: deleting for good is a question of its own.
        if (host.confirm(format(host, "sDeleteForever", qs(item))))
            shell.ShellDelete(qs(item), platform::ui::kShellSilent);
    }
    box.refresh();
}

void findInFilesWindow(Tnewfilebox& box, ToolHost& host)
{
    if (auto* find = host.tool<Tfrm_FileFind>("frm_FileFind")) {
        find->setFolder(box.dir());
        host.showToolWindow("frm_FileFind");
    }
}

void showPicture(Tnewfilebox& box, ToolHost& host)
{
    const std::string path = box.currentPath();
    if (!path.empty() && html::isPictureName(path))
        organizer::ui::openPicture(host, qs(path));
}

bool hasOptions(ToolHost& host)
{
    return host.hasCommand("mniOpts");
}

} // namespace

const std::vector<FileBoxCommand>& fileBoxCommands()
{
    static const std::vector<FileBoxCommand> commands{
        {"mniMakeLinkTo", makeLinks},
        {"mniReplaceMultiReplace",
         [](Tnewfilebox& box, ToolHost& host) {
             const ProcessRule rule = box.processRule();
             const std::string base = box.dir().toStdString();
             tools::ui::ReplaceInFiles(host, box.selectedItems(),
                                       [rule, base](const std::string& path) {
                                           return processedTarget(rule, path, base);
                                       });
             box.refresh();
         }},
        {"mniFindInFiles", findInFilesWindow},
        {"mniText2HTML", textToHtml},
        {"mniHTML2Text",
         [](Tnewfilebox& box, ToolHost& host) {
             runBatch(
                 box, host, [](const std::string& p) { return withExtension(p, "txt"); },
                 [](const std::string& t) { return textfunc::StripTags(t); });
         }},
        {"mniCleanUpHTML", cleanUpHtml},
        {"mniMakeThumbs",
         [](Tnewfilebox& box, ToolHost& host) {
             html::ui::makeGallery(host, box.selectedThumbnails(), box.dir());
         }},
        {"mniRefresh", [](Tnewfilebox& box, ToolHost&) { box.refresh(); }},
        {"mniWin2Dos",
         [](Tnewfilebox& box, ToolHost& host) { convertCodePage(box, host, codepages::WinToDos); }},
        {"mniWin2KOI8R",
         [](Tnewfilebox& box, ToolHost& host) { convertCodePage(box, host, codepages::WinToKoi); }},
        {"mniDOS2Win",
         [](Tnewfilebox& box, ToolHost& host) { convertCodePage(box, host, codepages::DosToWin); }},
        {"mniKOI8R2Win",
         [](Tnewfilebox& box, ToolHost& host) { convertCodePage(box, host, codepages::KoiToWin); }},
        {"mniMakeFromCurrentLocation",
         [](Tnewfilebox& box, ToolHost& host) { newFromLocation(box, host, false); }},
        {"mniMakeFromCurrentLocationRec",
         [](Tnewfilebox& box, ToolHost& host) { newFromLocation(box, host, true); }},
        {"mniHotDirs",
         [](Tnewfilebox& box, ToolHost&) {
             THotlist* hot = box.hotlist();
             hot->show();
             hot->raise();
             hot->activateWindow();
         }},
        {"mniOptions", [](Tnewfilebox&, ToolHost& host) { host.showSettingsPage("tsFileMan"); },
         hasOptions},
        {"mniShowInInternalViewer", showPicture},
        {"mniMakeIMG",
         [](Tnewfilebox& box, ToolHost& host) {
             const std::string path = box.currentPath();
             if (host.hasDocument() && !path.empty())
                 html::ui::insertPictureTag(host.document(), qs(path));
         }},
        {"mniOPenInExtrernalEditor",
         [](Tnewfilebox& box, ToolHost& host) { openWithTypeProgram(box, host, true); }},
        {"mniOPenInExtrernalViewer",
         [](Tnewfilebox& box, ToolHost& host) { openWithTypeProgram(box, host, false); }},
        {"mniOpeninHEXEditor",
         [](Tnewfilebox& box, ToolHost& host) {
             const std::string path = box.currentPath();
             if (!path.empty() && QFileInfo(qs(path)).isFile())
                 hexedit::ui::openInHexEditor(host, qs(path));
         }},
        {"mniFileProps",
         [](Tnewfilebox& box, ToolHost& host) {
             const std::string path = box.currentPath();
             if (!path.empty())
                 platform::ui::DesktopShell(&box, &host.texts()).ShowProperties(qs(path));
         }},
        {"mniRename", renameItem},
        {"mniDeleteFile", deleteItems},
    };
    return commands;
}

bool runFileBoxCommand(Tnewfilebox& box, ToolHost& host, std::string_view name)
{
    for (const FileBoxCommand& command : fileBoxCommands())
        if (name == command.name) {
            command.run(box, host);
            return true;
        }
    return false;
}

} // namespace zuk::filebox::ui
