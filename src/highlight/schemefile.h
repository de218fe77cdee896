#pragma once

#include "base/zukerror.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::highlight {

// A scheme file that cannot be read as a scheme: empty, no header line where
// the header marker promised one, or a header keyword without its operands.
// The highlighter that was about to be configured must stay as it was. It is
// raised from row sCannotParseSchemeFile of highlightMessages().
class SchemeParseError : public ZukError {
public:
    using ZukError::ZukError;
};

// The first line of a header scheme holds this marker.
inline constexpr std::string_view kHeaderMarker = "/L10\"";

// Settings read from the header lines of a header scheme.
struct RSynHeader {
    std::string LineComment;
    std::string BlockCommentOn;
    std::string BlockCommentOff;
    bool CaseSensitive = true;
    std::string StringChars;
    std::string Delimiters;
    std::string Extensions; // every operand preceded by one space
    std::string Name;
};

// Splits text at every single space: "a  b" gives "a", "", "b".
std::vector<std::string> splitAtSpaces(std::string_view text);

struct SplitScheme {
    std::vector<std::string> headerLines;
    std::vector<std::string> keywords; // raw pieces, empty ones included
};

// Header lines (starting with '/') up to the first other non-empty line, which
// is skipped; every later non-empty line is split at single spaces into
// keywords. Throws SchemeParseError when there are no lines or no header line.
SplitScheme SplitSchemeFile(const std::vector<std::string>& lines);

// Fills the header from the first header line (name, Line/Block/String/File
// operands, Nocase) and the "/Delimiters = " of the later ones. Throws
// SchemeParseError when there is no header line or a header keyword stands too
// near the end of the line for the tokens it needs.
RSynHeader ParseSchemeHeader(const std::vector<std::string>& headerLines);

// Event kinds of the INI scanner.
enum class IniEvent { Section = 1, Key = 2, Value = 3 };

// Receives section, key and value (the scanner's own texts, which the callback
// may change), the kind of event and a continue flag, true on entry; leaving
// it false stops the scan.
using IniScanCallback = std::function<void(std::string& section, std::string& key,
                                           std::string& value, IniEvent kind, bool& go)>;

// The scanner of INI schemes: a lenient reader of Windows-1251 INI text that
// reports sections, keys and values as it meets them.
class TIniScaner final {
public:
    // Scans the file (UTF-8 path). Throws zuk::IoError when it cannot be read.
    static void Scan(const std::string& path, const IniScanCallback& callback);
    static void ScanText(std::string_view text, const IniScanCallback& callback);
};

// The keywords of an INI scheme: the values of every key named KEYWORDS (any
// letter case, any section), split at single spaces, trimmed, identifiers only
// (a Latin letter or '_' followed by Latin letters, digits or '_'), in order.
std::vector<std::string> LoadIniKeywords(const std::string& path);
std::vector<std::string> iniKeywordsFromText(std::string_view text);

// A keyword list as a highlighter keeps it: every entry trimmed of bytes up to
// 32, empty entries and later duplicates (compared without regard to case,
// Windows-1251) dropped, sorted.
std::vector<std::string> normalizeKeywords(const std::vector<std::string>& keywords);

// The three formats a scheme file comes in.
enum class SchemeFormat { Ini, Header, KeywordList };

// What applying a scheme file sets on the custom highlighter.
struct SchemeDefinition {
    SchemeFormat format = SchemeFormat::KeywordList;
    std::vector<std::string> keywords; // normalised, Windows-1251 bytes
    bool caseSensitive = false;
    bool plainNumbers = false; // header schemes: numbers are plain decimals
    RSynHeader header;         // header schemes only
};

// Reads a scheme file (UTF-8 path) in whichever format it is. Throws
// zuk::IoError when it cannot be read and SchemeParseError when it is empty or
// malformed.
SchemeDefinition loadSchemeFile(const std::string& path);

// The header of a file whose first line holds the header marker, for the
// registration dialog; false (and nothing changed) for any other file or one
// that cannot be read or parsed.
bool readSchemeHeader(const std::string& path, RSynHeader& header);

} // namespace zuk::highlight
