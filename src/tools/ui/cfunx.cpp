#include "tools/ui/cfunx.h"

#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/ved.h"
#include "io/linesfile.h"
#include "io/safefile.h"
#include "platform/privatefolder.h"
#include "platform/ui/processrunner.h"
#include "textfunc/casefunctions.h"
#include "tools/commandline.h"
#include "tools/occurrences.h"
#include "tools/toolstexts.h"
#include "tools/ui/tfmcompopts.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStorageInfo>
#include <QUrl>

namespace zuk::tools::ui {

using platform::ui::ProcessResult;

namespace {

QString qs(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Text a program wrote: UTF-8 when it is, else Windows-1251.
QString programText(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return isValidUtf8(view) ? QString::fromUtf8(bytes)
                             : QString::fromStdString(codepages::winToUtf8(view));
}

codepages::CodePage codePageOf(editor::CVed& doc)
{
    codepages::CodePage cp = codepages::CodePage::Win;
    if (!codepages::codePageFromName(doc.GetCharset(), cp))
        cp = codepages::CodePage::Win;
    return cp;
}

std::string textOfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void removeFile(const std::string& path)
{
    if (!path.empty())
        QFile::remove(qs(path));
}

// Whether a stage after `index` loads a file: then the programs before it
// must be done first, or it could load half a result.
bool laterStageLoads(const std::vector<PipelineStage>& stages, std::size_t index)
{
    for (std::size_t i = index + 1; i < stages.size(); ++i)
        if (stages[i].kind == StageKind::Import || stages[i].kind == StageKind::Insert ||
            stages[i].kind == StageKind::InsertToNew)
            return true;
    return false;
}

} // namespace

CFunx::CFunx(app::ui::ToolHost& host) : QObject(host.window()), m_host(host)
{
    setObjectName(QStringLiteral("zukExternalPrograms"));
}

std::string CFunx::meta() const
{
    return codepages::winToUtf8(m_host.settings().Metachar);
}

void CFunx::note(const QString& text)
{
    if (messageHook)
        messageHook(text);
    else
        m_host.showNote(text);
}

// --- the program list -----------------------------------------------------------

std::string CFunx::programsPath() const
{
    return m_host.dataPath(QStringLiteral("compilers.txt")).toStdString();
}

void CFunx::loadPrograms()
{
    try {
        if (std::optional<ProgramList> list = ProgramList::read(programsPath()))
            m_programs = std::move(*list);
        m_programsLoaded = true;
    } catch (const ZukError& e) {
        // A list that could not be read is not written over at shut-down.
        m_host.consoleAppend(m_host.message(e));
    }
}

void CFunx::savePrograms()
{
    if (m_programsLoaded)
        m_programs.write(programsPath());
}

void CFunx::fillProgramsMenu(QMenu& menu)
{
    for (std::size_t i = 0; i < m_programs.size(); ++i) {
        const std::optional<ProgramEntry> entry = m_programs.entry(i);
        if (!entry)
            continue;
        QString caption = qs(entry->name);
        QAction* item = menu.addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setData(qs(entry->command));
        const std::string command = entry->command;
        connect(item, &QAction::triggered, this, [this, command] { runProgram(command); });
    }
    menu.addSeparator();
    QAction* edit = menu.addAction(m_host.text(toolsMessages().section, "sEditProgramList"));
    edit->setObjectName(QStringLiteral("mniEditPrograms"));
    connect(edit, &QAction::triggered, this, &CFunx::editProgramList);
}

void CFunx::editProgramList()
{
    TfmCompOpts dialog(m_host, m_programs, m_host.window());
    dialog.exec();
    programListEdited();
}

void CFunx::programListEdited()
{
    m_programsLoaded = true;
    m_host.refillMenu("mniCompilers");
}

// --- the two places command lines come from ---------------------------------------

void CFunx::runProgram(const std::string& line)
{
    if (!m_host.hasDocument()) {
        // Only a line that needs nothing of a document runs without one.
        if (line.find(meta()) == std::string::npos && line.find("##") == std::string::npos &&
            line.find('|') == std::string::npos)
            RunCommand(line, {});
        return;
    }
    editor::CVed& doc = m_host.document();
    const settings::RConnectionTable& s = m_host.settings();
    if (s.autosaveonpreview && doc.HasFile() && doc.GetModified() && !m_host.saveDocument())
        return;
    const std::string file = doc.GetFileName();
    if (s.use_temp_file)
        RunCommand(line, MakeTempCopy(file, doc.GetAllText()));
    else
        RunCommand(line, file);
}

void CFunx::runCommandBox(const QString& line)
{
    const std::string command = line.toStdString();
    if (hasPlaceholder(command, meta(), "selected_block")) {
        note(m_host.text(toolsMessages().section, "sNoSelectedBlockHere") + QStringLiteral("\r\n") +
             m_host.text(toolsMessages().section, "sSelectedBlockInMenu"));
        return;
    }
    runProgram(command);
}

// --- RunCommand ------------------------------------------------------------------------

void CFunx::RunCommand(const std::string& commandLine, const std::string& file)
{
    const std::string m = meta();
    const bool document = m_host.hasDocument();
    std::string line = commandLine;
    if (hasPlaceholder(line, m, "select_all")) {
        if (document)
            m_host.document().SelectAll();
        line = removePlaceholder(line, m, "select_all");
    }
    if (line.find('|') != std::string::npos) {
        if (document)
            RunPipeline(line, file);
        return;
    }
    const CommandParts parts = cutProgramWord(line);
    if (parts.program.empty())
        return;
    if (parts.program.find("##") != std::string::npos) {
        if (isStringCount(parts.program) && document)
            countOccurrences(parts.arguments);
        return;
    }
    if (hasPlaceholder(parts.arguments, m, "selected_block")) {
        if (document)
            runBlock(parts.program, parts.arguments);
        return;
    }
    runPlain(parts.program, parts.arguments, file);
}

void CFunx::countOccurrences(const std::string& pattern)
{
    editor::CVed& doc = m_host.document();
    const codepages::CodePage cp = codePageOf(doc);
    const std::size_t count =
        CountOccurrences(doc.GetAllText(), codepages::encodeFromUtf8(pattern, cp),
                         textfunc::inCodePage(textfunc::Cp1251Lower, cp));
    m_host.consoleAppend(m_host.text(toolsMessages().section, "sStringCount"));
    m_host.consoleAppend(QString::number(count));
    m_host.showConsole();
}

std::string CFunx::workingFolderOf(const std::string& file) const
{
    const QFileInfo info(qs(file));
    if (!file.empty() && info.isAbsolute() && info.absoluteDir().exists())
        return info.absolutePath().toStdString();
    return QDir::homePath().toStdString();
}

void CFunx::runPlain(const std::string& program, const std::string& arguments,
                     const std::string& file)
{
    const std::string m = meta();
    const QString folder = QFileInfo(qs(file)).absolutePath();
    QStorageInfo volume(folder);
    const std::string root = volume.isValid() ? volume.rootPath().toStdString() : "/";
    const PathParts pathParts =
        placeholderParts(QFileInfo(qs(file)).absoluteFilePath().toStdString(), root);
    std::string whole = file;
    if (m_host.hasDocument()) {
        editor::CVed& doc = m_host.document();
        const settings::RConnectionTable& s = m_host.settings();
        if (s.autosaveonpreview && doc.HasFile() && doc.GetModified() &&
            file == doc.GetFileName() && !m_host.saveDocument())
            return;
        if (s.use_temp_file)
            whole = MakeTempCopy(file, doc.GetAllText());
    }
    shellRun(program, plainArguments(arguments, m, pathParts, whole), workingFolderOf(file));
}

void CFunx::shellRun(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& folder)
{
    const QString name = qs(program);
    const QFileInfo target(QDir(qs(folder)).absoluteFilePath(name));
    // A document named as the program opens with the desktop's program for it.
    if (name.contains(QLatin1Char('/')) && target.isFile() && !target.isExecutable()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(target.absoluteFilePath()));
        return;
    }
    QStringList args;
    for (const std::string& a : arguments)
        args << qs(a);
    QString error;
    if (!platform::ui::startDetached(name, args, qs(folder), &error)) {
        m_host.consoleAppend(
            m_host.format(toolsMessages().section, "sProgramNotStarted", {name, error}));
        m_host.showConsole();
    }
}

ProcessResult CFunx::runWaiting(const QString& program, const QStringList& arguments,
                                const QString& folder)
{
    platform::ui::ProcessRequest request;
    request.program = program;
    request.arguments = arguments;
    request.workingFolder = folder;
    request.waitText = m_host.format(toolsMessages().section, "sProgramRunning", {program});
    request.cancelText = m_host.text(toolsMessages().section, "sProgramCancel");
    return platform::ui::runAndWait(request, m_host.window());
}

bool CFunx::reportFailure(const QString& program, const ProcessResult& result, int worstGoodExit)
{
    if (result.succeeded(worstGoodExit))
        return false;
    const auto& section = toolsMessages().section;
    switch (result.status) {
    case ProcessResult::Status::NotStarted:
        m_host.consoleAppend(
            m_host.format(section, "sProgramNotStarted", {program, result.startError}));
        break;
    case ProcessResult::Status::Crashed:
        m_host.consoleAppend(m_host.format(section, "sProgramCrashed", {program}));
        break;
    case ProcessResult::Status::Cancelled:
        m_host.consoleAppend(m_host.format(section, "sProgramCancelled", {program}));
        return true;
    case ProcessResult::Status::Finished:
        m_host.consoleAppend(m_host.format(section, "sProgramExitCode",
                                           {program, QString::number(result.exitCode)}));
        break;
    }
    showOutput(result.errors);
    m_host.showConsole();
    note(m_host.text(section, "sExternalAppError"));
    return true;
}

void CFunx::showOutput(const QByteArray& output)
{
    if (output.isEmpty())
        return;
    QStringList lines = programText(output).split(QLatin1Char('\n'));
    if (lines.back().isEmpty())
        lines.removeLast(); // the break that ends the last line
    constexpr int kMostLines = 500;
    for (int i = 0; i < lines.size(); ++i) {
        if (i == kMostLines) {
            m_host.consoleAppend(QStringLiteral("..."));
            break;
        }
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        m_host.consoleAppend(line);
    }
    m_host.showConsole();
}

// --- block mode --------------------------------------------------------------------------

void CFunx::runBlock(const std::string& program, const std::string& arguments)
{
    editor::CVed& doc = m_host.document();
    platform::PrivateFolder& exchange = platform::exchangeFolder();
    const std::string inPath = exchange.file("zukblock.in");
    const std::string outPath = exchange.file("zukblock.out");
    removeFile(inPath);
    removeFile(outPath);
    const std::string block = doc.GetSelText();
    io::writeFileAtomically(inPath, blockFileBytes(block));

    const CommandParts parts{program, arguments};
    const bool shell = hasPlaceholder(arguments, meta(), "dosapp");
    // The shell line gets the exchange files' bare names and runs in their
    // folder: nothing but the user's own words reaches the interpreter.
    const BlockPlan plan = shell ? planBlock(parts, meta(), "zukblock.in", "zukblock.out")
                                 : planBlock(parts, meta(), inPath, outPath);
    ProcessResult result;
    QString shown = qs(program);
    if (plan.shell) {
        shown = qs(plan.shellLine);
        result = runWaiting(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), shown},
                            qs(exchange.path()));
    } else {
        QStringList args;
        for (const std::string& a : plan.arguments)
            args << qs(a);
        const std::string folder =
            doc.HasFile() ? workingFolderOf(doc.GetFileName()) : QDir::homePath().toStdString();
        result = runWaiting(qs(plan.program), args, qs(folder));
    }
    auto cleanUp = [&] {
        removeFile(inPath);
        removeFile(outPath);
    };
    if (reportFailure(shown, result)) {
        cleanUp();
        return;
    }
    showOutput(result.output);
    std::string changed;
    try {
        changed = blockFromFile(io::readFileBytes(plan.outputFile ? outPath : inPath));
    } catch (const ZukError& e) {
        cleanUp();
        m_host.consoleAppend(m_host.message(e));
        m_host.showConsole();
        note(m_host.text(toolsMessages().section, "sExternalAppError"));
        return;
    }
    cleanUp();
    doc.FocusEditor();
    if (changed == block)
        return;
    editor::CVed::EditGroup group(doc);
    if (!doc.SelEmpty())
        doc.ReplaceSel(changed);
    else
        doc.InsertAtCaret(changed);
}

// --- pipelines ----------------------------------------------------------------------------

std::string CFunx::MakeTempCopy(const std::string& source, const std::string& text)
{
    // Whether the source exists is asked first: the source may be the copy itself.
    const bool exists = !source.empty() && QFileInfo(qs(source)).isFile();
    removeFile(m_tempCopy);
    m_tempCopy.clear();
    const std::string path = platform::exchangeFolder().file(tempCopyName(source, exists));
    io::writeFileAtomically(path, text);
    m_tempCopy = path;
    return path;
}

void CFunx::RunPipeline(const std::string& line, const std::string& file)
{
    editor::CVed& doc = m_host.document();
    const std::string m = meta();
    removeFile(m_pipelineOut);
    const std::vector<PipelineStage> stages = splitPipeline(line);
    bool extensionSet = false;
    for (std::size_t i = 0; i < stages.size(); ++i) {
        const PipelineStage& stage = stages[i];
        const std::string copy = MakeTempCopy(file, doc.GetAllText());
        if (!extensionSet)
            m_pipelineOut = changeExtension(copy, ".z13");
        const std::string named = stageFile(stage, m, copy, m_pipelineOut);
        const bool exists = QFileInfo(qs(named)).isFile();
        switch (stage.kind) {
        case StageKind::ChangeExtension:
            if (!safeExtension(stage.arguments)) {
                note(m_host.format(toolsMessages().section, "sBadOutputExtension",
                                   {qs(stage.arguments)}));
                return;
            }
            m_pipelineOut = changeExtension(m_pipelineOut, stage.arguments);
            note(qs(m_pipelineOut));
            extensionSet = true;
            break;
        case StageKind::Import:
            if (exists) {
                const std::string text = textOfLines(io::readLinesFile(named));
                if (text != doc.GetAllText()) {
                    editor::CVed::EditGroup group(doc);
                    doc.SetAllText(text);
                }
            }
            break;
        case StageKind::Insert:
            if (exists)
                doc.InsertLines(io::readLinesFile(named));
            break;
        case StageKind::InsertToNew: {
            const std::vector<std::string> lines =
                exists ? io::readLinesFile(named) : std::vector<std::string>();
            m_host.newDocument();
            if (!lines.empty())
                m_host.document().InsertLines(lines);
            break;
        }
        case StageKind::Program: {
            const std::vector<std::string> args = stageArguments(stage, m, copy, m_pipelineOut);
            if (!stage.exeWait && !laterStageLoads(stages, i)) {
                shellRun(stage.program, args, workingFolderOf(file));
                break;
            }
            QStringList list;
            for (const std::string& a : args)
                list << qs(a);
            const ProcessResult result =
                runWaiting(qs(stage.program), list, qs(workingFolderOf(file)));
            // A failed stage ends the pipeline: nothing after it may load a
            // result it did not finish.
            if (reportFailure(qs(stage.program), result))
                return;
            showOutput(result.output);
            break;
        }
        }
    }
}

// --- HTML Tidy ------------------------------------------------------------------------------

void CFunx::RunTidy()
{
    const settings::RConnectionTable& s = m_host.settings();
    const QString tidy = qs(s.tidy_path);
    editor::CVed& doc = m_host.document();
    if (doc.GetWorkText().empty())
        return;
    if (tidy.isEmpty() || !QFileInfo(tidy).isFile()) {
        note(m_host.format(toolsMessages().section, "sTidyNotFound", {tidy}));
        return;
    }
    platform::PrivateFolder& exchange = platform::exchangeFolder();
    const std::string temp = exchange.file("temp.txt");
    const std::string errs = exchange.file("zuk_errs.txt");
    removeFile(errs);
    io::writeFileAtomically(temp, doc.GetAllText());
    QStringList args;
    for (const std::string& word : splitCommandWords(codepages::winToUtf8(s.tidyconfstr)))
        args << qs(word);
    args << QStringLiteral("temp.txt");
    const ProcessResult result = runWaiting(tidy, args, qs(exchange.path()));
    auto cleanUp = [&] {
        removeFile(temp);
        removeFile(errs);
    };
    // Tidy ends with 1 when it only warned.
    if (reportFailure(QFileInfo(tidy).fileName(), result, 1)) {
        cleanUp();
        return;
    }
    bool messages = !result.errors.isEmpty();
    try {
        const std::string text = textOfLines(io::readLinesFile(temp));
        if (text != doc.GetAllText()) {
            editor::CVed::EditGroup group(doc);
            doc.SetAllText(text);
        }
        if (QFileInfo::exists(qs(errs))) {
            m_host.consoleAppend(qs(io::joinLines(io::readLinesFile(errs), " ")));
            messages = true;
        }
    } catch (const ZukError&) {
        cleanUp();
        throw;
    }
    cleanUp();
    showOutput(result.errors);
    if (messages)
        m_host.showConsole();
    note(m_host.text(toolsMessages().section, "sTidyOk"));
}

} // namespace zuk::tools::ui
