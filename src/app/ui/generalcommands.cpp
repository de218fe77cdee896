#include "app/ui/generalcommands.h"
#include "app/ui/datelocale.h"

#include "app/commandtable.h"
#include "app/datetimeformat.h"
#include "app/mainformtexts.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "editor/commandshapes.h"
#include "platform/programfolder.h"
#include "textfunc/textlines.h"
#include "textfunc/textstatistics.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>

namespace zuk::app::ui {

namespace {

constexpr const char* DesignerAddress = "zuk-design@example.org";

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString number(std::size_t n)
{
    return QString::number(static_cast<qulonglong>(n));
}

char localeDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

// A new message in the mail program, its subject naming this build.
void mailWithBuildSubject(const char* address)
{
    QUrl url(QStringLiteral("mailto:") + QString::fromLatin1(address));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"),
                       QStringLiteral("Zuk build no. ") + QStringLiteral(ZUK_VERSION));
    url.setQuery(query);
    if (!GeneralCommands::urlOpener()(url))
        throw ZukError(mainFormMessages(), "sCannotStartMail");
}

} // namespace

std::function<QDateTime()>& GeneralCommands::clock()
{
    static std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    return now;
}

std::function<bool(const QUrl&)>& GeneralCommands::urlOpener()
{
    static std::function<bool(const QUrl&)> opener = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
    return opener;
}

GeneralCommands::GeneralCommands(ToolHost& host) : QObject(host.window()), m_host(host)
{
    setObjectName(QStringLiteral("zukGeneralCommands"));
    m_scrollTimer = new QTimer(this);
    connect(m_scrollTimer, &QTimer::timeout, this, [this] {
        if (m_host.hasDocument())
            m_host.document().ScrollVert(m_host.settings().LinesPerTime);
    });

    std::vector<CommandHandler> rows;
    auto on = [&rows](const char* name, std::function<void()> fn) {
        rows.push_back({name, std::move(fn)});
    };
    auto checked = [&host](const char* name) { return host.isChecked(name); };

    const std::vector<std::string_view>& dates = dateItemNames();
    for (std::size_t i = 0; i < dates.size(); ++i)
        rows.push_back({dates[i], [this, i] { insertDate(i); }});
    on("mniStat", [this] { showStatistics(); });
    on("mniClipHook", [this, checked] { setClipboardCapture(checked("mniClipHook")); });
    on("mniAscroll", [this, checked] { setAutoscroll(checked("mniAscroll")); });

    on("mniWinIni", [this] { openSystemFile(q("windows/win.ini"), q("win.ini")); });
    on("mniSystemIni", [this] { openSystemFile(q("windows/system.ini"), q("system.ini")); });
    on("mniAutoexecBat", [this] { openSystemFile(q("autoexec.bat"), q("c:\\autoexec.bat")); });

    on("mniAppManual", [this] { openHelpPage(q("zuk.html")); });
    on("mniSODH", [this] { openHelpPage(q("dic.html")); });
    on("mniFAQ", [this] { openHelpPage(q("fuck.html")); });
    on("mniNotes", [this] { openHelpDocument(q("notes.txt")); });
    on("mniBugs", [this] { openHelpDocument(q("!bugs.txt")); });
    on("mniHelpAbout", [this] { showAbout(); });
    on("mniFeedback", [] { mailWithBuildSubject(MailAddress); });
    on("mniFreedback4Designer", [] { mailWithBuildSubject(DesignerAddress); });
    on("mniAppSite", [] {
        if (!urlOpener()(QUrl(QString::fromLatin1(SiteAddress))))
            throw ZukError(mainFormMessages(), "sCannotOpenSite");
    });
    host.addCommands(std::move(rows));

    // The settings are read after the commands are wired: scrolling left on
    // at the last run starts once start-up is through.
    QTimer::singleShot(0, this, [this] {
        if (m_host.settings().AutoscrollActive)
            setAutoscroll(true);
    });
}

// --- date and time ---------------------------------------------------------------

void GeneralCommands::insertDate(std::size_t item)
{
    if (!m_host.hasDocument() || item >= dateItemFormats().size())
        return;
    const std::string text =
        formatDateTime(dateItemFormats()[item], partsOf(clock()()), systemDateLocale());
    editor::insertAtCaret(m_host.document(), editor::documentBytes(m_host.document(), text));
}

// --- statistics ----------------------------------------------------------------

void GeneralCommands::showStatistics()
{
    if (!m_host.hasDocument())
        return;
    if (m_host.consoleVisible()) {
        m_host.hideConsole();
        return;
    }
    editor::CVed& ed = m_host.document();
    const textfunc::TextStatistics s = textfunc::countStatistics(ed.GetWorkText());
    const QString fileName = QString::fromStdString(ed.GetFileName());
    auto line = [this](const char* key) { return m_host.text("MainForm", key); };

    m_host.consoleAppend(line("sConBeginUpdate"));
    m_host.consoleAppend(fileName);
    if (ed.HasFile()) {
        const QDateTime written = QFileInfo(fileName).lastModified();
        m_host.consoleAppend(line("sConFileCreationDateTime") +
                             QLocale::system().toString(written, QLocale::ShortFormat));
    }
    m_host.consoleAppend(line("sConCountOfCharsAndSpaces") + number(s.charsAndSpaces()));
    m_host.consoleAppend(line("sConCountOfCharsOnly") + number(s.charsOnly));
    m_host.consoleAppend(line("sConCountOfWord") + number(s.words));
    m_host.consoleAppend(line("sConAuthorSheets") +
                         QString::fromStdString(
                             textfunc::formatGeneral(s.authorSheets(), localeDecimalSeparator())));
    m_host.showConsole();
}

// --- clipboard capture and automatic scrolling -----------------------------------

void GeneralCommands::setClipboardCapture(bool on)
{
    QObject::disconnect(m_clipboardWatch);
    m_clipboardWatch = {};
    if (on)
        m_clipboardWatch = connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
                                   &GeneralCommands::captureClipboard);
}

void GeneralCommands::captureClipboard()
{
    if (!m_host.hasDocument())
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    try {
        std::vector<std::string> lines = textfunc::splitLines(
            editor::documentBytes(m_host.document(), data->text().toStdString()));
        lines.emplace_back();
        editor::insertLinesAtCaret(m_host.document(), lines);
    } catch (const ZukError& e) {
        m_host.showStatus(m_host.message(e));
    }
}

void GeneralCommands::setAutoscroll(bool on)
{
    m_host.settings().AutoscrollActive = on;
    m_host.setChecked("mniAscroll", on);
    if (on) {
        m_scrollTimer->setInterval(std::max(1, m_host.settings().AutoscrollTime));
        m_scrollTimer->start();
    } else {
        m_scrollTimer->stop();
    }
}

GeneralCommands* GeneralCommands::of(ToolHost& host)
{
    return static_cast<GeneralCommands*>(host.window()->findChild<QObject*>(
        QStringLiteral("zukGeneralCommands"), Qt::FindDirectChildrenOnly));
}

void GeneralCommands::suspendAutoscroll(bool suspended)
{
    if (suspended)
        m_scrollTimer->stop();
    else if (m_host.settings().AutoscrollActive)
        setAutoscroll(true);
}

void GeneralCommands::applyAutoscrollPeriod()
{
    m_scrollTimer->setInterval(std::max(1, m_host.settings().AutoscrollTime));
}

// --- system files ------------------------------------------------------------------

QString GeneralCommands::wineDriveC()
{
    const QByteArray prefix = qgetenv("WINEPREFIX");
    const QString root = prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine")
                                          : QString::fromLocal8Bit(prefix);
    return root + QStringLiteral("/drive_c/");
}

QString GeneralCommands::wineFile(const QString& relative)
{
    const QString drive = wineDriveC();
    if (!QFileInfo(drive).isDir())
        return {};
    const QString path = QString::fromStdString(
        platform::resolveDataPath(drive.toStdString(), relative.toStdString()));
    return QFileInfo(path).isFile() ? path : QString();
}

void GeneralCommands::openSystemFile(const QString& relative, const QString& shown)
{
    const QString path = wineFile(relative);
    if (path.isEmpty())
        throw IoError(mainFormMessages(), "sNoWineFile",
                      {shown.toStdString(), (wineDriveC() + relative).toStdString()});
    m_host.openFile(path, true);
}

// --- help ------------------------------------------------------------------------------

QString GeneralCommands::helpFile(const QString& fileName) const
{
    const QString relative = QStringLiteral("dox/") + fileName;
    // The program folder first; then the program's own folder, the installed
    // data tree and the build tree (the data lies one level above the tests).
    const QString exe = QCoreApplication::applicationDirPath();
    const QStringList roots{m_host.programFolder(), exe, exe + QStringLiteral("/../share/zuk"),
                            exe + QStringLiteral("/..")};
    for (const QString& root : roots) {
        if (root.isEmpty())
            continue;
        const QString path = QString::fromStdString(
            platform::resolveDataPath(root.toStdString(), relative.toStdString()));
        if (QFileInfo(path).isFile())
            return path;
    }
    throw IoError(mainFormMessages(), "sNoHelpFile", {relative.toStdString()});
}

void GeneralCommands::openHelpPage(const QString& fileName)
{
    const QString path = helpFile(fileName);
    if (!urlOpener()(QUrl::fromLocalFile(path)))
        throw IoError(mainFormMessages(), "sCannotOpenPath", {path.toStdString()});
}

void GeneralCommands::openHelpDocument(const QString& fileName)
{
    m_host.openFile(helpFile(fileName), true);
}

void GeneralCommands::showAbout()
{
    QMessageBox::about(m_host.window(), m_host.text("MainForm", "mniHelpAbout"),
                       m_host.format("MainForm", "sAboutText", {QStringLiteral(ZUK_VERSION)}));
}

} // namespace zuk::app::ui
