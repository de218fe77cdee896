#include "app/ui/generalcommands.h"
#include "app/ui/datelocale.h"

#include "app/commandtable.h"
#include "app/datetimeformat.h"
#include "app/ui/infoconsole.h"
#include "app/ui/mainform.h"
#include "app/ui/selectioncommands.h"
#include "base/zukerror.h"
#include "editor/ui/cdreameditor.h"
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
        throw ZukError("Не удалось запустить почтовую программу.");
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

GeneralCommands::GeneralCommands(TMainForm& form) : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("zukGeneralCommands"));
    m_scrollTimer = new QTimer(this);
    connect(m_scrollTimer, &QTimer::timeout, this, [this] {
        if (m_form.documentCount() > 0)
            m_form.editor().ScrollVert(m_form.settings().LinesPerTime);
    });

    auto on = [&form](const char* name, std::function<void()> fn) {
        form.setHandler(QString::fromLatin1(name), std::move(fn));
    };
    auto checked = [&form](const char* name) {
        QAction* a = form.command(QString::fromLatin1(name));
        return a && a->isChecked();
    };

    const std::vector<std::string_view>& dates = dateItemNames();
    for (std::size_t i = 0; i < dates.size(); ++i)
        form.setHandler(QString::fromLatin1(dates[i].data(), static_cast<int>(dates[i].size())),
                        [this, i] { insertDate(i); });
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
            throw ZukError("Не удалось открыть сайт в браузере.");
    });

    // The settings are read after the commands are wired: scrolling left on
    // at the last run starts once start-up is through.
    QTimer::singleShot(0, this, [this] {
        if (m_form.settings().AutoscrollActive)
            setAutoscroll(true);
    });
}

// --- date and time ---------------------------------------------------------------

void GeneralCommands::insertDate(std::size_t item)
{
    if (m_form.documentCount() == 0 || item >= dateItemFormats().size())
        return;
    const std::string text =
        formatDateTime(dateItemFormats()[item], partsOf(clock()()), systemDateLocale());
    insertAtCaret(m_form, toDocumentBytes(m_form, QString::fromStdString(text)));
}

// --- statistics ----------------------------------------------------------------

void GeneralCommands::showStatistics()
{
    TInfoConsole* console = m_form.infoConsole();
    if (!console || m_form.documentCount() == 0)
        return;
    if (console->isVisible()) {
        console->close();
        return;
    }
    editor::CVed& ed = m_form.editor();
    const textfunc::TextStatistics s = textfunc::countStatistics(ed.GetWorkText());
    const QString fileName = QString::fromStdString(ed.GetFileName());

    console->append(q("Begin update data:"));
    console->append(fileName);
    if (ed.HasFile()) {
        const QDateTime written = QFileInfo(fileName).lastModified();
        console->append(q(">Дата и время создания файла: ") +
                        QLocale::system().toString(written, QLocale::ShortFormat));
    }
    console->append(q(">Количество знаков и пробелов: ") + number(s.charsAndSpaces()));
    console->append(q(">Количество только знаков: ") + number(s.charsOnly));
    console->append(q(">Количество слов: ") + number(s.words));
    console->append(q(">Авторских листов: ") +
                    QString::fromStdString(
                        textfunc::formatGeneral(s.authorSheets(), localeDecimalSeparator())));
    console->showConsole();
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
    if (m_form.documentCount() == 0)
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    try {
        std::vector<std::string> lines =
            textfunc::splitLines(toDocumentBytes(m_form, data->text()));
        lines.emplace_back();
        insertLinesAtCaret(m_form, lines);
    } catch (const ZukError& e) {
        m_form.statusBar()->showMessage(QString::fromUtf8(e.what()), 8000);
    }
}

void GeneralCommands::setAutoscroll(bool on)
{
    m_form.settings().AutoscrollActive = on;
    if (QAction* a = m_form.command(QStringLiteral("mniAscroll")))
        a->setChecked(on);
    if (on) {
        m_scrollTimer->setInterval(std::max(1, m_form.settings().AutoscrollTime));
        m_scrollTimer->start();
    } else {
        m_scrollTimer->stop();
    }
}

GeneralCommands* GeneralCommands::of(TMainForm& form)
{
    return static_cast<GeneralCommands*>(
        form.findChild<QObject*>(QStringLiteral("zukGeneralCommands"), Qt::FindDirectChildrenOnly));
}

void GeneralCommands::suspendAutoscroll(bool suspended)
{
    if (suspended)
        m_scrollTimer->stop();
    else if (m_form.settings().AutoscrollActive)
        setAutoscroll(true);
}

void GeneralCommands::applyAutoscrollPeriod()
{
    m_scrollTimer->setInterval(std::max(1, m_form.settings().AutoscrollTime));
}

// --- system files ------------------------------------------------------------------

QString GeneralCommands::wineDriveC()
{
    const QByteArray prefix = qgetenv("WINEPREFIX");
    const QString root =
        prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : QString::fromLocal8Bit(prefix);
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
        throw IoError((q("Файл ") + shown + q(" не найден: нет префикса Wine или файла в ") +
                       wineDriveC() + relative)
                          .toStdString());
    m_form.OpenFile(path);
}

// --- help ------------------------------------------------------------------------------

QString GeneralCommands::helpFile(const QString& fileName) const
{
    const QString relative = QStringLiteral("dox/") + fileName;
    // The program folder first; then the program's own folder, the installed
    // data tree and the build tree (the data lies one level above the tests).
    const QString exe = QCoreApplication::applicationDirPath();
    const QStringList roots{m_form.programFolder(), exe, exe + QStringLiteral("/../share/zuk"),
                            exe + QStringLiteral("/..")};
    for (const QString& root : roots) {
        if (root.isEmpty())
            continue;
        const QString path = QString::fromStdString(
            platform::resolveDataPath(root.toStdString(), relative.toStdString()));
        if (QFileInfo(path).isFile())
            return path;
    }
    throw IoError((q("Нет файла справки ") + relative).toStdString());
}

void GeneralCommands::openHelpPage(const QString& fileName)
{
    const QString path = helpFile(fileName);
    if (!urlOpener()(QUrl::fromLocalFile(path)))
        throw IoError((q("Не удалось открыть ") + path).toStdString());
}

void GeneralCommands::openHelpDocument(const QString& fileName)
{
    m_form.OpenFile(helpFile(fileName));
}

void GeneralCommands::showAbout()
{
    QMessageBox::about(
        &m_form, q("Копырайто официазо"),
        q("<h3>Zuk ") + QStringLiteral(ZUK_VERSION) +
            q("</h3><p>Текстовый редактор для русского текста в кодировках Windows-1251, "
              "DOS 866 и KOI8-R.</p><p>Руководство: меню «?» → «Руководство» (F1).</p>"
              "<p>Программа распространяется как есть, без каких-либо гарантий.</p>"));
}

} // namespace zuk::app::ui
