#include "platform/ui/desktopshell.h"

#include "app/textservice.h"
#include "base/zukerror.h"
#include "io/safefile.h"
#include "platform/desktopentry.h"
#include "platform/platformtexts.h"
#include "platform/shellfiles.h"
#include "platform/ui/filepropertiesdialog.h"
#include "platform/ui/openwithdialog.h"
#include "platform/ui/processrunner.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QVariantMap>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::platform::ui {

namespace {

constexpr int kBusTimeoutMs = 3000;

std::string path8(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// A short-lived helper of the desktop (xdg-mime, xdg-settings): its first
// output line, or "" when it is missing, fails or takes too long.
QString askDesktop(const QString& program, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return {};
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(kBusTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput())
        .section(QLatin1Char('\n'), 0, 0)
        .trimmed();
}

bool serviceAvailable(const QString& name)
{
    if (!DesktopShell::useSessionBus())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    if (bus.interface()->isServiceRegistered(name).value())
        return true;
    return bus.interface()->activatableServiceNames().value().contains(name);
}

QString desktopLanguage()
{
    return QLocale().name();
}

// QFile::moveToTrash, made safe: when it cannot make the trash in the user's
// data folder (the folder is not there yet) it moves the file into "files"
// under the current folder instead. The data folder is made first, and a
// file that still lands anywhere but in a trash is put back.
bool moveToTrash(const QString& path)
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return false;
    const QFileInfo landed(inTrash);
    const QString trash = landed.absoluteDir().absolutePath();
    const QString trashName = QFileInfo(QFileInfo(trash).absolutePath()).fileName();
    if (landed.isAbsolute() && QFileInfo(trash).fileName() == QStringLiteral("files") &&
        (trashName == QStringLiteral("Trash") || trashName.startsWith(QStringLiteral(".Trash"))))
        return true;
    if (::renameat2(AT_FDCWD, QFile::encodeName(landed.absoluteFilePath()).constData(), AT_FDCWD,
                    QFile::encodeName(path).constData(), RENAME_NOREPLACE) == 0)
        QFile::remove(QFileInfo(trash).absolutePath() + QStringLiteral("/info/") +
                      landed.fileName() + QStringLiteral(".trashinfo"));
    return false;
}

} // namespace

std::function<bool(const QUrl&)>& DesktopShell::urlOpener()
{
    static std::function<bool(const QUrl&)> opener = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
    return opener;
}

std::function<bool(const QString&, const QStringList&, const QString&)>&
DesktopShell::programStarter()
{
    static std::function<bool(const QString&, const QStringList&, const QString&)> starter =
        [](const QString& program, const QStringList& arguments, const QString& folder) {
            return startDetached(program, arguments, folder);
        };
    return starter;
}

bool& DesktopShell::useSessionBus()
{
    static bool use = true;
    return use;
}

DesktopShell::DesktopShell(QWidget* parent, const app::TextService* texts)
    : m_parent(parent), m_texts(texts)
{
}

QString DesktopShell::text(const char* key, const QString& argument) const
{
    const TextTable& table = shellMessages();
    const std::string pattern = m_texts ? m_texts->text(table.section, key) : table.builtIn(key);
    return QString::fromStdString(formatText(pattern, {argument.toStdString()}));
}

bool DesktopShell::confirm(const QString& question) const
{
    return QMessageBox::question(m_parent, QStringLiteral("Zuk"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void DesktopShell::report(const QString& message) const
{
    QMessageBox::warning(m_parent, QStringLiteral("Zuk"), message);
}

void DesktopShell::report(const ZukError& error) const
{
    report(QString::fromStdString(m_texts ? m_texts->message(error) : std::string(error.what())));
}

// --- starting programs and browsers ----------------------------------------------------

bool DesktopShell::ShellOpen(const QString& program, const QStringList& arguments,
                             const QString& folder) const
{
    if (program.isEmpty())
        return false;
    const QUrl asUrl(program, QUrl::StrictMode);
    // "c:" is no scheme here, but a one-letter "scheme" would be a Windows drive anyway.
    if (asUrl.isValid() && asUrl.scheme().size() > 1 && !program.startsWith(QLatin1Char('/')))
        return urlOpener()(asUrl);
    const QFileInfo info(program);
    if (info.exists() && (info.isDir() || !info.isExecutable()))
        return urlOpener()(QUrl::fromLocalFile(info.absoluteFilePath()));
    const QString resolved =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (resolved.isEmpty())
        return false;
    return programStarter()(resolved, arguments, folder);
}

bool DesktopShell::ShowFileInBrowser(const QString& browserPath, const QString& service,
                                     const QString& file) const
{
    Q_UNUSED(service);
    if (browserPath.isEmpty() || !QFileInfo(browserPath).isFile())
        return false;
    const QFileInfo info(file);
    return programStarter()(browserPath, {QUrl::fromLocalFile(info.absoluteFilePath()).toString()},
                            info.absolutePath());
}

bool DesktopShell::OpenUrlInBrowser(const QString& browserPath, const QString& service,
                                    const QString& url) const
{
    Q_UNUSED(service);
    if (browserPath.isEmpty() || !QFileInfo(browserPath).isFile())
        return false;
    // A local path given as the address is made one.
    const QString address =
        url.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(url).toString() : url;
    return programStarter()(browserPath, {address}, {});
}

QString DesktopShell::DefaultBrowserPath(const QString& file) const
{
    QString id;
    if (!file.isEmpty() && QFileInfo(file).isFile())
        id = askDesktop(QStringLiteral("xdg-mime"),
                        {QStringLiteral("query"), QStringLiteral("default"),
                         QMimeDatabase().mimeTypeForFile(file).name()});
    if (id.isEmpty())
        id = askDesktop(QStringLiteral("xdg-settings"),
                        {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    for (const char* type : {"x-scheme-handler/https", "x-scheme-handler/http", "text/html"}) {
        if (!id.isEmpty())
            break;
        id = askDesktop(
            QStringLiteral("xdg-mime"),
            {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(type)});
    }
    if (id.isEmpty())
        return {};
    const std::optional<DesktopEntry> entry = findApplication(id.toStdString());
    if (!entry)
        return {};
    const std::vector<std::string> args = execArguments(*entry, "", "");
    if (args.empty())
        return {};
    const QString program = QString::fromStdString(args.front());
    return program.startsWith(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
}

// --- choosers and properties ----------------------------------------------------------

void DesktopShell::OpenWithDialog(const QString& file) const
{
    const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
    if (serviceAvailable(portal)) {
        const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                portal, QStringLiteral("/org/freedesktop/portal/desktop"),
                QStringLiteral("org.freedesktop.portal.OpenURI"), QStringLiteral("OpenFile"));
            QVariantMap options;
            options.insert(QStringLiteral("ask"), true);
            call << QString() << QVariant::fromValue(QDBusUnixFileDescriptor(fd)) << options;
            const QDBusMessage reply =
                QDBusConnection::sessionBus().call(call, QDBus::Block, kBusTimeoutMs);
            ::close(fd);
            if (reply.type() == QDBusMessage::ReplyMessage)
                return;
        }
    }
    TOpenWithDialog chooser(file, desktopLanguage(), m_texts, m_parent);
    chooser.exec();
}

void DesktopShell::ShowProperties(const QString& file) const
{
    const QString manager = QStringLiteral("org.freedesktop.FileManager1");
    if (serviceAvailable(manager)) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(manager, QStringLiteral("/org/freedesktop/FileManager1"),
                                           manager, QStringLiteral("ShowItemProperties"));
        call << QStringList{QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString()}
             << QString();
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(call, QDBus::Block, kBusTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return;
    }
    auto* dialog = new TFileProperties(file, m_texts, m_parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

// --- deleting and renaming -----------------------------------------------------------------

bool DesktopShell::ShellDelete(const QString& path, int flags) const
{
    const bool silent = flags & kShellSilent;
    struct stat st {};
    if (::lstat(path8(path).c_str(), &st) != 0) {
        if (!silent)
            report(io::writeError(path8(path), errno));
        return false;
    }
    const bool folder = S_ISDIR(st.st_mode);
    if (folder && (flags & kShellFilesOnly))
        return false;
    const bool trash = flags & kShellToTrash;
    const QString name = QFileInfo(path).fileName();
    if (!silent && !confirm(text(trash ? "sConfirmTrash" : "sConfirmDelete", name)))
        return false;
    if (trash) {
        // A link goes into the trash as a link: the rename never touches its target.
        if (moveToTrash(path))
            return true;
        if (!silent)
            report(text("sCannotTrash", name));
        return false;
    }
    try {
        removeTree(path8(path));
        return true;
    } catch (const ZukError& e) {
        if (!silent)
            report(e);
        return false;
    }
}

bool DesktopShell::ShellDeleteFolder(const QString& folder, int flags) const
{
    struct stat st {};
    const bool exists = ::lstat(path8(folder).c_str(), &st) == 0;
    if (exists && !S_ISDIR(st.st_mode) && !S_ISLNK(st.st_mode)) {
        if (!(flags & kShellSilent))
            report(text("sNotAFolder", folder));
        return false;
    }
    return ShellDelete(folder, flags & ~kShellFilesOnly);
}

QString DesktopShell::ShellRename(const QString& from, const QString& newName, int flags) const
{
    const bool silent = flags & kShellSilent;
    if (!validNewName(newName.toStdString())) {
        if (!silent)
            report(text("sBadNewName", newName));
        return {};
    }
    try {
        return QFile::decodeName(QByteArray::fromStdString(
            renameNoReplace(path8(from), newName.toStdString(), flags & kShellRenameOnCollision)));
    } catch (const ZukError& e) {
        if (!silent)
            report(e);
        return {};
    }
}

} // namespace zuk::platform::ui
