#include "codepages/ui/codepagecommands.h"

#include "settings/settingsnotifier.h"

#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "codepages/codek.h"
#include "codepages/codepagetexts.h"
#include "codepages/detector.h"
#include "codepages/exchange.h"
#include "codepages/fixlayout.h"
#include "codepages/transcoders.h"
#include "editor/fileencodingchoice.h"
#include "editor/ved.h"
#include "io/linesfile.h"
#include "io/safefile.h"
#include "platform/keyboardlayouts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>

namespace zuk::codepages::ui {

namespace {

const char* const kObjectName = "zukCodePageCommands";

QString fromWin(const std::string& bytes)
{
    return QString::fromStdString(winToUtf8(bytes));
}

std::string toWin(const QString& text)
{
    return utf8ToWin(text.toStdString());
}

// The working code page of the active document; anything unexpected counts as
// Windows-1251, which is what a new document starts in.
CodePage workingCodePage(editor::CVed& doc)
{
    CodePage cp = CodePage::Win;
    if (!codePageFromName(doc.GetCharset(), cp) ||
        (cp != CodePage::Win && cp != CodePage::Dos && cp != CodePage::Koi))
        cp = CodePage::Win;
    return cp;
}

} // namespace

TKLayoutMenuItem::TKLayoutMenuItem(const QString& layoutName, QObject* parent)
    : QAction(parent), m_layoutName(layoutName)
{
    QString caption = layoutName;
    setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

TCodePageCommands::TCodePageCommands(app::ui::ToolHost& host) : QObject(host.window()), m_host(host)
{
    setObjectName(QString::fromLatin1(kObjectName));
    systemLayouts = [] { return platform::keyboardLayoutNames(); };
    activateSystemLayout = [](int index) { return platform::activateKeyboardLayout(index); };
}

std::string TCodePageCommands::tablesFolder() const
{
    const std::string& dir = m_host.settings().TablesDir;
    if (!dir.empty())
        return dir; // the working folders are UTF-8
    return m_host.programFolder().toStdString() + "Engine/Tables/";
}

QString TCodePageCommands::chooseFile(bool save)
{
    const QString caption = m_host.text(codePageMessages().section,
                                        save ? "sCodePageExportDialog" : "sCodePageImportDialog");
    if (fileDialogHook)
        return fileDialogHook(save, caption);
    return save ? QFileDialog::getSaveFileName(m_host.window(), caption)
                : QFileDialog::getOpenFileName(m_host.window(), caption);
}

void TCodePageCommands::showMessage(const QString& text)
{
    if (messageHook)
        messageHook(text);
    else
        m_host.showNote(text);
}

void TCodePageCommands::applyRunglerSettings()
{
    const settings::RConnectionTable& s = m_host.settings();
    m_rungler.setShchaMode(s.ShchaConvMode);
    m_rungler.setXaMode(s.XaConvMode);
    m_rungler.setWMode(s.WInterpMode);
}

// Commands ---------------------------------------------------------------

void TCodePageCommands::workIn(const char* charset)
{
    m_host.document().SetCharset(charset);
}

void TCodePageCommands::convertTo(CodePage target)
{
    editor::CVed& doc = m_host.document();
    const CodePage from = workingCodePage(doc);
    const std::string result = convertDocument(doc.GetAllText(), from, target);
    // One undo step takes the bytes and the code page back together.
    editor::CVed::EditGroup group(doc);
    doc.SetAllText(result);
    doc.SetCharsetUndoable(codePageName(target));
}

void TCodePageCommands::saveAsEncoding(FileEncoding chosen)
{
    editor::CVed& doc = m_host.document();
    FileEncoding current = FileEncoding::CodePage;
    fileEncodingFromName(doc.GetFileEncoding(), current);
    doc.SetFileEncoding(fileEncodingName(editor::encodingForChoice(chosen, current)));
    refreshEncodingChecks();
}

void TCodePageCommands::refreshEncodingChecks()
{
    FileEncoding current = FileEncoding::CodePage;
    if (m_host.hasDocument())
        fileEncodingFromName(m_host.document().GetFileEncoding(), current);
    for (const editor::FileEncodingChoice& choice : editor::fileEncodingChoices())
        m_host.setChecked(choice.menuItem,
                          m_host.hasDocument() &&
                              editor::encodingForChoice(choice.encoding, current) == current);
}

void TCodePageCommands::exportTo(ExchangeFormat format)
{
    editor::CVed& doc = m_host.document();
    const CodePage cp = workingCodePage(doc);
    const QString path = chooseFile(true);
    if (path.isEmpty())
        return;
    const std::string bytes = exportBytes(doc.GetAllText(), cp, format);
    writeExport([&] { io::writeFileAtomically(path.toStdString(), bytes); });
}

void TCodePageCommands::writeExport(const std::function<void()>& write)
{
    // A file the user asked for and did not get is worth a box, as a failed
    // save is, not a status-bar line that goes by unseen.
    try {
        write();
    } catch (const ZukError& e) {
        showMessage(m_host.text(codePageMessages().section, "sCodePageExportFailed") +
                    QStringLiteral("\n\n") + m_host.message(e));
    }
}

void TCodePageCommands::importFrom(ExchangeFormat format)
{
    const QString path = chooseFile(false);
    if (path.isEmpty())
        return;
    // Read before the new document is made, so an unreadable file leaves no
    // empty document behind.
    const std::vector<std::string> lines =
        importLines(io::readFileBytes(path.toStdString()), format);
    m_host.newDocument();
    if (lines.empty())
        return;
    // The imported text replaces the new document's placeholder blank instead
    // of being inserted before it, so the document holds exactly what the
    // file held and no stray space ends its last line.
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    m_host.document().SetAllText(text);
}

void TCodePageCommands::exportStyled(const char* extension, const char* format)
{
    const QString chosen = chooseFile(true);
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    QString name = info.fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    const QString target = info.dir().filePath(name + QString::fromLatin1(extension));
    writeExport([&] { m_host.document().ExportTo(target.toStdString(), format); });
}

void TCodePageCommands::translitCommand(bool toLatin)
{
    editor::CVed& doc = m_host.document();
    const std::string text = doc.GetWorkText();
    const std::string result =
        toLatin ? translit(m_rungler, text)
                : deTranslit(m_rungler, text, m_host.settings().use_ext_translit, tablesFolder());
    doc.PutWorkText(result);
}

void TCodePageCommands::fixLayoutCommand()
{
    editor::CVed& doc = m_host.document();
    doc.PutWorkText(FixLayout(doc.GetWorkText()));
}

void TCodePageCommands::tableCommand(const char* table, bool reportMissing)
{
    editor::CVed& doc = m_host.document();
    const std::optional<std::string> result =
        applyTableIfPresent(doc.GetWorkText(), tablesFolder(), table);
    if (result) {
        doc.PutWorkText(*result);
        return;
    }
    if (reportMissing)
        throw ZukError(codePageMessages(), "sNoCodePageTable", {table, tablesFolder()});
}

// Keyboard layouts ---------------------------------------------------------

std::string TCodePageCommands::kLayoutsPath() const
{
    return m_host.dataPath(QStringLiteral("klayouts.txt")).toStdString();
}

void TCodePageCommands::loadKLayouts()
{
    const std::string path = kLayoutsPath();
    m_kLayouts.clear();
    m_kLayoutsLoaded = false;
    if (QFileInfo::exists(QString::fromStdString(path))) {
        try {
            m_kLayouts = parseKLayouts(io::readLinesFile(path));
            m_kLayoutsLoaded = true;
        } catch (const ZukError& e) {
            qWarning("%s", e.what());
        }
    }
    rebuildKLayoutMenu();
}

void TCodePageCommands::saveKLayouts()
{
    if (!m_kLayoutsLoaded && m_kLayouts.empty())
        return;
    io::writeLinesFile(kLayoutsPath(), formatKLayouts(m_kLayouts));
}

void TCodePageCommands::setKLayouts(std::vector<KLayoutEntry> entries)
{
    m_kLayouts = std::move(entries);
    m_kLayoutsLoaded = true;
    rebuildKLayoutMenu();
}

void TCodePageCommands::rebuildKLayoutMenu()
{
    m_host.refillMenu("mniKeybLayout");
}

void TCodePageCommands::fillKLayoutMenu(QMenu& menu)
{
    for (const std::string& name : shownKLayouts(m_kLayouts)) {
        auto* item = new TKLayoutMenuItem(fromWin(name), &menu);
        connect(item, &QAction::triggered, this,
                [this, caption = item->layoutName()] { activateKLayout(caption); });
        menu.addAction(item);
    }
    menu.menuAction()->setEnabled(!menu.isEmpty());
}

bool TCodePageCommands::activateKLayout(const QString& caption)
{
    std::vector<std::string> loaded;
    for (const std::string& name : systemLayouts())
        loaded.push_back(utf8ToWin(name));
    const int index = findKLayout(loaded, toWin(caption));
    return index >= 0 && activateSystemLayout(index);
}

// Wiring -------------------------------------------------------------------

TCodePageCommands* codePageCommands(app::ui::ToolHost& host)
{
    return host.window()->findChild<TCodePageCommands*>(QString::fromLatin1(kObjectName),
                                                        Qt::FindDirectChildrenOnly);
}

void installCodePageCommands(app::ui::ToolHost& host)
{
    auto* c = new TCodePageCommands(host);
    std::vector<app::ui::CommandHandler> rows;
    auto on = [&rows](const char* name, std::function<void()> fn) {
        rows.push_back({name, std::move(fn)});
    };

    on("mniWorkInEncodingDOS866", [c] { c->workIn("dos"); });
    on("mniWorkInEncodingKOI8R", [c] { c->workIn("koi"); });
    on("mniWorkInEncodingWindowsCP", [c] { c->workIn("win"); });
    on("ConvertToEncodingDOS866", [c] { c->convertTo(CodePage::Dos); });
    on("ConvertToEncodingKOI8R", [c] { c->convertTo(CodePage::Koi); });
    on("ConvertToEncodingWindows1251", [c] { c->convertTo(CodePage::Win); });

    on("mniExportDOS", [c] { c->exportTo(ExchangeFormat::Dos); });
    on("mniExportKOI8Rus", [c] { c->exportTo(ExchangeFormat::Koi); });
    on("mniExportMAC", [c] { c->exportTo(ExchangeFormat::Mac); });
    on("mniExportISO88595", [c] { c->exportTo(ExchangeFormat::Iso); });
    on("mniUnicode2", [c] { c->exportTo(ExchangeFormat::Utf16); });
    on("mniExportUTF8", [c] { c->exportTo(ExchangeFormat::Utf8); });
    on("mniExport2HTML", [c] { c->exportStyled(".htm", "HTML"); });
    on("mniExport2RTF", [c] { c->exportStyled(".rtf", "RTF"); });

    on("mniImportMac", [c] { c->importFrom(ExchangeFormat::Mac); });
    on("mniImportISO88595", [c] { c->importFrom(ExchangeFormat::Iso); });
    on("mniImportUnicode", [c] { c->importFrom(ExchangeFormat::Utf16); });
    on("mniUTF8", [c] { c->importFrom(ExchangeFormat::Utf8); });

    for (const editor::FileEncodingChoice& choice : editor::fileEncodingChoices()) {
        const FileEncoding encoding = choice.encoding;
        on(choice.menuItem, [c, encoding] { c->saveAsEncoding(encoding); });
    }

    on("mniTranslit", [c] { c->translitCommand(true); });
    on("mniDeTranslit", [c] { c->translitCommand(false); });
    on("mniFixEncoding", [c] { c->fixLayoutCommand(); });
    on("mniAntiwordChartableDistortions", [c] { c->tableCommand(kWordGluxTable, false); });
    on("mniFido2Normal", [c] { c->tableCommand(kFidoTable, true); });
    host.addCommands(std::move(rows));
    host.addMenuProvider("mniKeybLayout", [c](QMenu& menu) { c->fillKLayoutMenu(menu); });
    host.addMenuProvider("mniSaveAsEncoding", [c](QMenu&) { c->refreshEncodingChecks(); });
    // The settings dialog changes the transliteration modes.
    QPointer<TCodePageCommands> live(c);
    host.settingsNotifier().subscribe([live] {
        if (live)
            live->applyRunglerSettings();
    });
}

void codePageStartup(app::ui::ToolHost& host)
{
    if (TCodePageCommands* c = codePageCommands(host)) {
        c->applyRunglerSettings();
        c->loadKLayouts();
    }
}

void codePageShutdown(app::ui::ToolHost& host)
{
    if (TCodePageCommands* c = codePageCommands(host))
        c->saveKLayouts();
}

} // namespace zuk::codepages::ui
