#pragma once

#include "settings/connectiontable.h"

#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::app {

// Names of documents and of the files derived from them. Paths are UTF-8 with
// '/' between folders.

// "untitled" followed by the counter: the name of a document without a file.
std::string untitledName(int counter);
// True for the name of a document bound to a real file (an absolute path), as
// opposed to an "untitledN" name.
bool isFilePath(std::string_view name);

// The part after the last '/', the folder with its trailing '/' (empty when
// there is none), and the extension of the file-name part with its dot (empty
// when there is none; a name's leading dot does not start an extension, so
// ".profile" has none).
std::string fileNamePart(std::string_view path);
std::string folderPart(std::string_view path);
std::string extensionPart(std::string_view path);
// `path` with its extension replaced by `extension` (added when it has none).
std::string replaceExtension(std::string_view path, std::string_view extension);

// The backup copy (".bak") and the emergency copy (".avr") of a document.
std::string backupName(std::string_view path);
std::string emergencyName(std::string_view path);

// The name Save As writes: the chosen name, with '.' and `defext` appended when
// `chfileext` is set, the name has no extension and `defext` is not empty.
// A `defext` given with its dot gets no second one.
std::string saveAsName(std::string_view chosen, bool chfileext, std::string_view defext);

// The version stamp: "date-", the date as dd.mm.yyyy, "time-", the time as
// hh:mm:ss, with VersionNamePrefix in front when AddVersionNamePrefix is set
// and the prefix is not empty; every ':' and '.' becomes '-'. The prefix is a
// settings string (Windows-1251) and is turned into UTF-8 for the name.
std::string versionStamp(const std::tm& when, const settings::RSaveOptions& options);
// The version name: the folder of `name`, the stamp, the file-name part.
std::string versionName(std::string_view name, std::string_view stamp);

// The text a version holds: Windows-1251 text transcoded to
// ConvertVersionToCharset ("koi" or "dos") when DoConvertVersionToCharset is
// set; unchanged otherwise. Characters the target cannot hold become '?'.
std::string versionText(const std::string& text, const settings::RSaveOptions& options);

// Where a version of `name` goes at time `when`: the version name when
// SaveInSameFolder is set, and CopyVerPath (a UTF-8 folder) with the
// version's file-name part when DoCopyVer is set and `folderExists` says that
// folder exists.
std::vector<std::string>
versionTargets(std::string_view name, const std::tm& when, const settings::RSaveOptions& options,
               const std::function<bool(const std::string&)>& folderExists);

// The local time now; the version commands take their time from a clock of
// this type so that tests can fix it.
using Clock = std::function<std::tm()>;
std::tm localTimeNow();

// Tab strip: the index of the first caption equal (exactly) to the file-name
// part of `documentName`, or -1.
int tabIndexFor(const std::vector<std::string>& captions, std::string_view documentName);
// The next (step 1) or previous (step -1) tab, wrapping around; -1 when there
// are no tabs. A current index of -1 starts from the first or last tab.
int cycleTab(int current, int count, int step);

} // namespace zuk::app
