#include "tools/ui/snippetcommands.h"

#include "app/filenames.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/ved.h"
#include "io/linesfile.h"
#include "io/safefile.h"
#include "tools/macros.h"
#include "tools/snippets.h"
#include "tools/toolstexts.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QTime>

#include <optional>

namespace zuk::tools::ui {

namespace {

constexpr qint64 kMostSnippetBytes = 16 << 20;

codepages::CodePage codePageOf(app::ui::ToolHost& host)
{
    codepages::CodePage cp = codepages::CodePage::Win;
    if (host.hasDocument() && !codepages::codePageFromName(host.document().GetCharset(), cp))
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

// The long time format without the time zone, which the macro never had.
QString longTime()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(QTime::currentTime(), format.trimmed());
}

} // namespace

TSnippetCommands::TSnippetCommands(app::ui::ToolHost& host) : QObject(host.window()), m_host(host)
{
    setObjectName(QStringLiteral("zukSnippetCommands"));
}

QString TSnippetCommands::templatesFolder() const
{
    const std::string& dir = m_host.settings().TemplatesDir;
    if (!dir.empty())
        return QString::fromStdString(dir);
    return m_host.programFolder() + QStringLiteral("Engine/Templates/");
}

QString TSnippetCommands::snippetsFolder() const
{
    QString folder = m_host.dataPath(QStringLiteral("Snippets"));
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString TSnippetCommands::macroFile() const
{
    return m_host.dataPath(QStringLiteral("makros.txt"));
}

void TSnippetCommands::note(const QString& text)
{
    if (messageHook)
        messageHook(text);
    else
        m_host.showNote(text);
}

QString TSnippetCommands::documentFolder() const
{
    if (m_host.hasDocument() && m_host.document().HasFile())
        return QFileInfo(QString::fromStdString(m_host.document().GetFileName())).absolutePath();
    return m_host.partsFolder();
}

std::string TSnippetCommands::expandMacros(std::string_view text, const QString& baseFolder) const
{
    const std::optional<std::vector<std::string>> lines = readMacroFile(macroFile().toStdString());
    if (!lines)
        return std::string(text);
    const codepages::CodePage cp = codePageOf(m_host);
    MacroContext context;
    context.meta = m_host.settings().Metachar;
    context.date = codepages::encodeFromUtf8(
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString(), cp);
    context.time = codepages::encodeFromUtf8(longTime().toStdString(), cp);
    std::string version = ZUK_VERSION;
    while (std::count(version.begin(), version.end(), '.') < 3)
        version += ".0";
    context.version = "Zuk build no. " + version;
    context.readInclude = [baseFolder, cp](const std::string& name) {
        const QString file = QString::fromStdString(codepages::decodeToUtf8(name, cp));
        return readIncludeFile(QDir(baseFolder).absoluteFilePath(file).toStdString());
    };
    return ExpandMacros(lines, text, context);
}

// --- templates -------------------------------------------------------------------

void TSnippetCommands::NewFromTemplate()
{
    const QString folder = templatesFolder();
    const QString path =
        openDialogHook
            ? openDialogHook(folder)
            : QFileDialog::getOpenFileName(
                  m_host.window(), m_host.text(toolsMessages().section, "sChooseTemplate"), folder,
                  QString(), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    // Expanded before the document exists: a failure leaves no empty window.
    const std::string text = textOfLines(io::readLinesFile(path.toStdString()));
    std::string expanded;
    try {
        expanded = expandMacros(text, QFileInfo(path).absolutePath());
    } catch (const ZukError& e) {
        note(m_host.message(e));
        return;
    }
    m_host.newDocument();
    if (!expanded.empty())
        m_host.document().SetAllText(expanded);
}

void TSnippetCommands::SaveAsTemplate()
{
    saveInto(templatesFolder(), false);
}

void TSnippetCommands::SaveAsSnippet()
{
    saveInto(snippetsFolder(), true);
}

void TSnippetCommands::saveInto(const QString& folder, bool snippet)
{
    if (!m_host.hasDocument())
        return;
    QDir().mkpath(folder);
    QString chosen;
    if (saveDialogHook) {
        chosen = saveDialogHook(folder);
    } else {
        QFileDialog dialog(m_host.window(), m_host.text("MainForm", "sSaveFileAs"), folder);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().first();
    }
    if (chosen.isEmpty())
        return;
    // A snippet is saved under the very name typed; a template gets the
    // default extension as any saved document does.
    if (!snippet) {
        const settings::RConnectionTable& s = m_host.settings();
        chosen =
            QString::fromStdString(app::saveAsName(chosen.toStdString(), s.chfileext, s.defext));
    }
    chosen = QFileInfo(chosen).absoluteFilePath();
    if (QFileInfo::exists(chosen) &&
        !m_host.confirm(m_host.format("MainForm", "sOverWrite", {chosen})))
        return;
    if (!m_host.saveDocumentAs(chosen) || !snippet)
        return;
    m_host.settings().SnippetsChanged = true;
    m_host.refillMenu("mniSnippets");
}

void TSnippetCommands::InsertHtmlTemplate()
{
    const QString path = templatesFolder() + QStringLiteral("defaulthtml.htm");
    if (!QFileInfo(path).isFile()) {
        note(m_host.format(toolsMessages().section, "sNoHtmlTemplate", {path}));
        return;
    }
    const std::vector<std::string> lines = io::readLinesFile(path.toStdString());
    if (!lines.empty())
        m_host.document().InsertLines(lines);
}

// --- snippets ------------------------------------------------------------------------

void TSnippetCommands::fillSnippetsMenu(QMenu& menu)
{
    addEntries(menu, walkSnippetFolder(snippetsFolder().toStdString()));
}

void TSnippetCommands::addEntries(QMenu& menu, const std::vector<SnippetEntry>& entries)
{
    for (const SnippetEntry& entry : entries) {
        QString caption = QString::fromStdString(entry.name);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString path = QString::fromStdString(entry.path);
        if (entry.folder && !entry.children.empty()) {
            auto* sub = new QMenu(caption, &menu);
            // The submenu goes when the host takes its item away.
            connect(sub->menuAction(), &QObject::destroyed, sub, &QObject::deleteLater);
            sub->menuAction()->setData(path);
            addEntries(*sub, entry.children);
            menu.addMenu(sub);
            continue;
        }
        QAction* item = menu.addAction(caption);
        item->setData(path);
        if (!entry.folder)
            connect(item, &QAction::triggered, this, [this, path] { InsertSnippet(path); });
    }
}

void TSnippetCommands::InsertSnippet(const QString& path)
{
    const QFileInfo info(path);
    if (!m_host.hasDocument() || !info.isFile() || info.size() > kMostSnippetBytes)
        return;
    editor::CVed& doc = m_host.document();
    const std::vector<std::string> lines = io::readLinesFile(path.toStdString());
    std::optional<std::string> selection;
    if (!doc.SelEmpty())
        selection = doc.GetSelText();
    const QString base = documentFolder();
    SnippetInsertion insertion;
    try {
        insertion = prepareSnippet(
            lines, selectionMarker(m_host.settings().Metachar), selection,
            [this, &base](std::string_view piece) { return expandMacros(piece, base); });
    } catch (const ZukError& e) {
        note(m_host.message(e));
        return;
    }
    editor::CVed::EditGroup group(doc);
    switch (insertion.kind) {
    case SnippetInsertion::Kind::InsertText:
        doc.InsertAtCaret(insertion.text);
        break;
    case SnippetInsertion::Kind::InsertLines:
        doc.InsertLines(insertion.lines);
        break;
    case SnippetInsertion::Kind::ReplaceSelection:
        doc.ReplaceSel(insertion.text);
        break;
    }
}

// --- macros -----------------------------------------------------------------------------

void TSnippetCommands::ApplyMacros()
{
    editor::CVed& doc = m_host.document();
    const std::string text = doc.GetWorkText();
    std::string expanded;
    try {
        expanded = expandMacros(text, documentFolder());
    } catch (const ZukError& e) {
        note(m_host.message(e));
        return;
    }
    if (expanded == text)
        return;
    editor::CVed::EditGroup group(doc);
    doc.PutWorkText(expanded);
}

void TSnippetCommands::OpenMacroFile()
{
    const QString path = macroFile();
    if (!QFileInfo::exists(path))
        io::writeFileAtomically(path.toStdString(), {});
    m_host.openFile(path, true);
}

} // namespace zuk::tools::ui
