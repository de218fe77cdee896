#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The command lines of the external-program engine: a program word, arguments
// with placeholders (the meta character followed by a word) and "##"
// directives. A line is split into words before any placeholder is replaced,
// and every placeholder is replaced inside its own word, so a file name or a
// selection never becomes more than one argument and never reaches a shell.
// All texts here are UTF-8.
namespace zuk::tools {

// The words of a command line. Blanks (space, tab) separate words; a part in
// double or single quotes belongs to its word with the quotes taken away, so
// `"my file".txt` is one word; an unclosed quote runs to the end. A pair of
// quotes with nothing between them is an empty word. Nothing else is special:
// a backslash is an ordinary character (Windows-style paths stay as typed).
std::vector<std::string> splitCommandWords(std::string_view line);

// Text with leading and trailing blanks (space, tab, CR, LF) removed.
std::string_view trimBlanks(std::string_view text);

// The program word and the text of the arguments: the first word of the line
// (quotes as in splitCommandWords) and the rest after the blank that ends it,
// as typed. Leading blanks of the line are skipped.
struct CommandParts {
    std::string program;
    std::string arguments;
};
CommandParts cutProgramWord(std::string_view line);

// Every occurrence of `from` replaced by `to`, left to right, without looking
// at the inserted text again. An empty `from` changes nothing.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// The first occurrence of `what`, found without regard to ASCII letter case;
// npos when there is none.
std::size_t findNoCase(std::string_view text, std::string_view what, std::size_t from = 0);

// Replaces the placeholders of one word in one pass from left to right: at a
// meta character, the first entry of `table` whose word follows it is
// replaced by its value; when none does and `alone` is given, the meta
// character alone is replaced by it; otherwise the character stays. Inserted
// values are never looked at again. An empty meta changes nothing.
using PlaceholderTable = std::vector<std::pair<std::string, std::string>>;
std::string substitutePlaceholders(std::string_view word, std::string_view meta,
                                   const PlaceholderTable& table,
                                   const std::optional<std::string>& alone = std::nullopt);

// Whether `text` holds the meta character followed by `word`.
bool hasPlaceholder(std::string_view text, std::string_view meta, std::string_view word);
// `text` without any meta character followed by `word`.
std::string removePlaceholder(std::string_view text, std::string_view meta, std::string_view word);

// --- plain mode ---------------------------------------------------------------

// What the placeholders drive, path, filename and ext stand for. The drive is
// the root of the file's volume with a '/' after it; the path the folder
// below that root without leading or trailing '/'; the name has neither
// folder nor extension; the extension keeps its dot (empty when the name has
// none). So drive + path + '/' + filename + ext is the file again.
struct PathParts {
    std::string drive, path, filename, ext;
};
PathParts placeholderParts(std::string_view file, std::string_view volumeRoot);

// The argument words of a plain-mode command: each word of `arguments` with
// the placeholders drive, path, filename, ext and the meta character alone
// (as `whole`) replaced.
std::vector<std::string> plainArguments(std::string_view arguments, std::string_view meta,
                                        const PathParts& parts, const std::string& whole);

// --- block mode ---------------------------------------------------------------

// A block-mode command: the selected block goes to a file, the program runs
// and its result comes back. `inputName` and `outputName` are what the
// placeholders input_file and output_file become.
struct BlockPlan {
    std::string program;
    std::vector<std::string> arguments; // placeholders replaced; empty for a shell line
    bool outputFile = false;            // the result is read from the output file
    bool shell = false;                 // dosapp: the command interpreter runs `shellLine`
    std::string shellLine;
};
BlockPlan planBlock(const CommandParts& parts, std::string_view meta, const std::string& inputName,
                    const std::string& outputName);

// The exchange file of a selected block (lines joined by CR LF, as the editor
// hands them): every line followed by CR LF; nothing for an empty block.
std::string blockFileBytes(std::string_view selected);
// What a result file holds as the text that takes the block's place: its
// lines joined by CR LF (CR LF, LF or CR end a line in the file).
std::string blockFromFile(std::string_view bytes);

// --- pipelines ------------------------------------------------------------------

enum class StageKind { ChangeExtension, Import, Insert, InsertToNew, Program };

// One stage of a pipeline, directives found, placeholders not yet replaced.
struct PipelineStage {
    StageKind kind = StageKind::Program;
    std::string program;
    std::string arguments; // trimmed; ##EXEWAIT taken out of a program's arguments
    bool exeWait = false;  // the arguments held ##EXEWAIT
};

// The non-empty stages of a line holding '|', in order.
std::vector<PipelineStage> splitPipeline(std::string_view line);

// The file a directive stage names: its arguments with one pair of enclosing
// quotes removed and the placeholders file_in and file_out replaced.
std::string stageFile(const PipelineStage& stage, std::string_view meta, const std::string& fileIn,
                      const std::string& fileOut);
// The argument words of a program stage, with file_in and file_out replaced.
std::vector<std::string> stageArguments(const PipelineStage& stage, std::string_view meta,
                                        const std::string& fileIn, const std::string& fileOut);

// The extension of a file name, with its dot; empty when the name part has none.
std::string extensionOf(std::string_view path);
// `path` with its extension replaced by `ext` (given with its dot), or added.
std::string changeExtension(std::string_view path, std::string_view ext);
// Whether `ext` may become the extension of a file in the exchange folder:
// not empty, no folder separator, no NUL, not "." or "..".
bool safeExtension(std::string_view ext);

// The name of the temporary copy of a document: "zuk_temp" with the
// extension of `source` when that file exists, else "zuk_temp.htm".
std::string tempCopyName(std::string_view source, bool sourceExists);

// --- ##stringcount ---------------------------------------------------------------

// Whether a program word asks for a count: its lower-cased form holds "##stringcount".
bool isStringCount(std::string_view program);

} // namespace zuk::tools
