#pragma once

#include "app/connectiontable.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace zuk::io {
class IniFile;
}

namespace zuk::app::ui {

// The services the main window's start-up and shut-down draw on, in one place:
// the program folder, the settings record's file, the shortcut and list files,
// the quotation and the load meters. Paths are UTF-8.

// The program folder, with a trailing '/': --home, then ZUK_HOME, then the
// executable's folder when it holds Engine/, then the per-user folder seeded
// from the installed tree.
QString resolveProgramFolder(const QString& home, const QString& executableDir);
// TablesDir, TemplatesDir, PluginsDir, PartsDir and CStylesDir from the program folder.
void fillFolderFields(RConnectionTable& settings, const std::string& programFolder);

void loadSettings(io::IniFile& ini, RConnectionTable& settings, int screenWidth, int screenHeight,
                  const std::string& programFolder);
// Every key but those written at shut-down only and the window sections.
void saveSettings(io::IniFile& ini, const RConnectionTable& settings);
// The keys written at shut-down only (DisplayMemStatus, the file box's).
void saveShutdownSettings(io::IniFile& ini, const RConnectionTable& settings);

// (caption, shortcut) lines of shortcuts.txt; a missing file gives none.
std::vector<std::pair<std::string, std::string>> readShortcuts(const std::string& path);
void writeShortcuts(const std::string& path, const std::vector<std::pair<std::string, std::string>>& lines);

// The lines of a list file; a missing file gives none.
std::vector<std::string> readListIfPresent(const std::string& path);
void writeListFile(const std::string& path, const std::vector<std::string>& lines);
std::string readWholeFile(const std::string& path);

// The items of a quotation file: the text cut at every '#'; an empty remainder
// after the last '#' is not an item.
std::vector<std::string> cutQuotation(const std::string& text);

// Processor and memory load in percent, 0 when unknown.
int cpuLoadPercent();
int memoryLoadPercent();

} // namespace zuk::app::ui
