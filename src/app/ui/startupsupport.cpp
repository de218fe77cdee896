#include "app/ui/startupsupport.h"

#include "base/zukerror.h"
#include "io/inifile.h"
#include "io/linesfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace zuk::app::ui {

namespace {

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + QLatin1Char('/') + QDir(from).relativeFilePath(src);
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else if (!QFileInfo::exists(dst))
            QFile::copy(src, dst);
    }
}

QString withSlash(QString path)
{
    path = QDir::cleanPath(QDir(path).absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

QString resolveProgramFolder(const QString& home, const QString& executableDir)
{
    QString folder = home;
    if (folder.isEmpty())
        folder = qEnvironmentVariable("ZUK_HOME");
    if (folder.isEmpty() && QFileInfo(executableDir + QStringLiteral("/Engine")).isDir())
        folder = executableDir;
    if (folder.isEmpty()) {
        QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (data.isEmpty())
            data = QDir::homePath() + QStringLiteral("/.local/share");
        folder = data + QStringLiteral("/zuk");
        if (!QFileInfo(folder + QStringLiteral("/Engine")).isDir()) {
            const QString installed = QDir(executableDir + QStringLiteral("/../share/zuk")).absolutePath();
            if (QFileInfo(installed + QStringLiteral("/Engine")).isDir())
                copyTree(installed, folder);
        }
    }
    QDir().mkpath(folder + QStringLiteral("/Engine/Parts"));
    return withSlash(folder);
}

void fillFolderFields(RConnectionTable& s, const std::string& p)
{
    s.TablesDir = p + "Engine/Tables/";
    s.TemplatesDir = p + "Engine/Templates/";
    s.PluginsDir = p + "Engine/Plugins/";
    s.PartsDir = p + "Engine/Parts/";
    s.CStylesDir = p + "Engine/CStyles/";
}

void loadSettings(io::IniFile& ini, RConnectionTable& s, int, int, const std::string&)
{
    s.WordWrap = ini.readBool("Main", "WordWrap", true);
    s.CopyOnSelect = ini.readBool("Main", "CopyOnSelect", false);
    s.show_statusbar = ini.readBool("Main", "show_statusbar", true);
    s.show_topbar = ini.readBool("Main", "show_topbar", true);
    s.DisplayMemStatus = ini.readBool("Main", "DisplayMemStatus", true);
    s.CPUStatus_enable = ini.readBool("CPUStatus", "CPUStatus_enable", true);
    s.CPUStatus_update = ini.readInt("CPUStatus", "CPUStatus_update", 5000);
    s.confirm_on_exit = ini.readBool("DoOnExit", "confirm_on_exit", false);
    s.LoadLastFiles = ini.readBool("OnStart", "LoadLastFiles", false);
    s.showmagik = ini.readBool("AI", "showmagik", false);
    s.current_quotefile = ini.readString("Quotes", "current_quotefile",
                                         "\xF0\xF3\xF1\xF1\xEA\xE8\xE5 \xEF\xEE\xF1\xEB\xEE\xE2\xE8\xF6\xFB");
    s.ChildW = ini.readInt("Main", "ChildW", 400);
    s.ChildH = ini.readInt("Main", "ChildH", 300);
}

void saveSettings(io::IniFile& ini, const RConnectionTable& s)
{
    io::IniFile::Batch batch(ini);
    ini.writeBool("Main", "WordWrap", s.WordWrap);
    ini.writeBool("Main", "CopyOnSelect", s.CopyOnSelect);
    ini.writeBool("Main", "show_statusbar", s.show_statusbar);
    ini.writeBool("Main", "show_topbar", s.show_topbar);
    ini.writeBool("CPUStatus", "CPUStatus_enable", s.CPUStatus_enable);
    ini.writeInt("CPUStatus", "CPUStatus_update", s.CPUStatus_update);
    ini.writeBool("DoOnExit", "confirm_on_exit", s.confirm_on_exit);
    ini.writeBool("OnStart", "LoadLastFiles", s.LoadLastFiles);
    ini.writeBool("AI", "showmagik", s.showmagik);
    ini.writeString("Quotes", "current_quotefile", s.current_quotefile);
    batch.commit();
}

void saveShutdownSettings(io::IniFile& ini, const RConnectionTable& s)
{
    ini.writeBool("Main", "DisplayMemStatus", s.DisplayMemStatus);
}

std::vector<std::pair<std::string, std::string>> readShortcuts(const std::string& path)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& line : readListIfPresent(path)) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos)
            out.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    return out;
}

void writeShortcuts(const std::string& path, const std::vector<std::pair<std::string, std::string>>& lines)
{
    std::vector<std::string> text;
    for (const auto& [caption, keys] : lines)
        text.push_back(caption + "=" + keys);
    io::writeLinesFile(path, text);
}

std::vector<std::string> readListIfPresent(const std::string& path)
{
    if (!QFileInfo::exists(QString::fromStdString(path)))
        return {};
    return io::readLinesFile(path);
}

void writeListFile(const std::string& path, const std::vector<std::string>& lines)
{
    io::writeLinesFile(path, lines);
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw IoError("Cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> cutQuotation(const std::string& text)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        const size_t hash = text.find('#', start);
        if (hash == std::string::npos) {
            if (start < text.size())
                items.push_back(text.substr(start));
            break;
        }
        items.push_back(text.substr(start, hash - start));
        start = hash + 1;
    }
    return items;
}

int cpuLoadPercent()
{
    // Busy share of all processor time since the previous call.
    static unsigned long long prevIdle = 0, prevTotal = 0;
    FILE* f = std::fopen("/proc/stat", "r");
    if (!f)
        return 0;
    unsigned long long v[8] = {};
    const int n = std::fscanf(f, "cpu %llu %llu %llu %llu %llu %llu %llu %llu", &v[0], &v[1], &v[2], &v[3],
                              &v[4], &v[5], &v[6], &v[7]);
    std::fclose(f);
    if (n < 4)
        return 0;
    unsigned long long total = 0;
    for (unsigned long long x : v)
        total += x;
    const unsigned long long idle = v[3] + v[4];
    const unsigned long long dt = total - prevTotal, di = idle - prevIdle;
    prevTotal = total;
    prevIdle = idle;
    return dt == 0 ? 0 : static_cast<int>(100 * (dt - di) / dt);
}

int memoryLoadPercent()
{
    FILE* f = std::fopen("/proc/meminfo", "r");
    if (!f)
        return 0;
    char key[64];
    unsigned long long value = 0, total = 0, available = 0;
    while (std::fscanf(f, "%63s %llu kB", key, &value) == 2) {
        if (std::string(key) == "MemTotal:")
            total = value;
        else if (std::string(key) == "MemAvailable:")
            available = value;
    }
    std::fclose(f);
    return total == 0 ? 0 : static_cast<int>(100 * (total - available) / total);
}

} // namespace zuk::app::ui
