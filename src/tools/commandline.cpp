#include "tools/commandline.h"

#include "editor/doctext.h"

#include <algorithm>
#include <cstring>

namespace zuk::tools {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

// The end of the first word of `line` from `at`, quotes honoured.
std::size_t wordEnd(std::string_view line, std::size_t at)
{
    char quote = 0;
    for (; at < line.size(); ++at) {
        const char c = line[at];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ' ' || c == '\t') {
            break;
        }
    }
    return at;
}

// The words of the arguments with placeholders replaced through `replace`.
template <class Replace>
std::vector<std::string> replacedWords(std::string_view arguments, Replace replace)
{
    std::vector<std::string> words = splitCommandWords(arguments);
    for (std::string& word : words)
        word = replace(word);
    return words;
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> splitCommandWords(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : line) {
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

CommandParts cutProgramWord(std::string_view line)
{
    std::size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    const std::size_t end = wordEnd(line, start);
    CommandParts parts;
    const std::vector<std::string> program = splitCommandWords(line.substr(start, end - start));
    if (!program.empty())
        parts.program = program.front();
    if (end < line.size())
        parts.arguments = std::string(line.substr(end + 1));
    return parts;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(text);
    std::string out;
    std::size_t at = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos;
         hit = text.find(from, at)) {
        out.append(text, at, hit - at);
        out.append(to);
        at = hit + from.size();
    }
    if (at == 0)
        return std::string(text);
    out.append(text, at, std::string_view::npos);
    return out;
}

std::size_t findNoCase(std::string_view text, std::string_view what, std::size_t from)
{
    if (what.empty())
        return from <= text.size() ? from : std::string_view::npos;
    const char first = lowerAscii(what.front());
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        if (lowerAscii(text[i]) != first)
            continue;
        std::size_t k = 1;
        while (k < what.size() && lowerAscii(text[i + k]) == lowerAscii(what[k]))
            ++k;
        if (k == what.size())
            return i;
    }
    return std::string_view::npos;
}

std::string substitutePlaceholders(std::string_view word, std::string_view meta,
                                   const PlaceholderTable& table,
                                   const std::optional<std::string>& alone)
{
    if (meta.empty())
        return std::string(word);
    std::string out;
    std::size_t at = 0;
    while (at < word.size()) {
        const std::size_t hit = word.find(meta, at);
        if (hit == std::string_view::npos)
            break;
        out.append(word, at, hit - at);
        const std::string_view rest = word.substr(hit + meta.size());
        const auto entry = std::find_if(table.begin(), table.end(), [rest](const auto& e) {
            return rest.substr(0, e.first.size()) == e.first;
        });
        if (entry != table.end()) {
            out += entry->second;
            at = hit + meta.size() + entry->first.size();
        } else {
            out += alone ? std::string_view(*alone) : meta;
            at = hit + meta.size();
        }
    }
    out.append(word, std::min(at, word.size()), std::string_view::npos);
    return out;
}

bool hasPlaceholder(std::string_view text, std::string_view meta, std::string_view word)
{
    if (meta.empty())
        return false;
    return text.find(std::string(meta) + std::string(word)) != std::string_view::npos;
}

std::string removePlaceholder(std::string_view text, std::string_view meta, std::string_view word)
{
    if (meta.empty())
        return std::string(text);
    return replaceAll(text, std::string(meta) + std::string(word), "");
}

PathParts placeholderParts(std::string_view file, std::string_view volumeRoot)
{
    PathParts parts;
    std::string root(volumeRoot);
    if (root.empty() || root.back() != '/')
        root += '/';
    parts.drive = root;
    const std::size_t slash = file.rfind('/');
    std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : file.substr(0, slash);
    const std::string_view name = slash == std::string_view::npos ? file : file.substr(slash + 1);
    if (folder.substr(0, root.size() - 1) == std::string_view(root).substr(0, root.size() - 1))
        folder.remove_prefix(root.size() - 1);
    while (!folder.empty() && folder.front() == '/')
        folder.remove_prefix(1);
    while (!folder.empty() && folder.back() == '/')
        folder.remove_suffix(1);
    parts.path = std::string(folder);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        parts.filename = std::string(name);
    } else {
        parts.filename = std::string(name.substr(0, dot));
        parts.ext = std::string(name.substr(dot));
    }
    return parts;
}

std::vector<std::string> plainArguments(std::string_view arguments, std::string_view meta,
                                        const PathParts& parts, const std::string& whole)
{
    const PlaceholderTable table{
        {"drive", parts.drive},
        {"path", parts.path},
        {"filename", parts.filename},
        {"ext", parts.ext},
    };
    return replacedWords(arguments, [&](const std::string& word) {
        return substitutePlaceholders(word, meta, table, whole);
    });
}

BlockPlan planBlock(const CommandParts& parts, std::string_view meta, const std::string& inputName,
                    const std::string& outputName)
{
    BlockPlan plan;
    plan.program = parts.program;
    plan.outputFile = hasPlaceholder(parts.arguments, meta, "output_file");
    plan.shell = hasPlaceholder(parts.arguments, meta, "dosapp");
    const PlaceholderTable table{
        {"output_file", outputName},
        {"input_file", inputName},
        {"selected_block", ""},
        {"dosapp", ""},
    };
    if (plan.shell) {
        // The command interpreter splits the line itself; the only values put
        // into it are the exchange files' own fixed names.
        plan.shellLine = parts.program + ' ' + substitutePlaceholders(parts.arguments, meta, table);
        return plan;
    }
    for (const std::string& word : splitCommandWords(parts.arguments)) {
        const std::string replaced = substitutePlaceholders(word, meta, table);
        // A word that was only selected_block or dosapp is no argument at all.
        if (!replaced.empty() || trimBlanks(word).empty())
            plan.arguments.push_back(replaced);
    }
    return plan;
}

std::string blockFileBytes(std::string_view selected)
{
    if (selected.empty())
        return {};
    std::string bytes;
    bytes.reserve(selected.size() + 2);
    bytes.append(selected);
    bytes.append("\r\n");
    return bytes;
}

std::string blockFromFile(std::string_view bytes)
{
    return editor::toControlForm(bytes);
}

std::vector<PipelineStage> splitPipeline(std::string_view line)
{
    std::vector<PipelineStage> stages;
    line = trimBlanks(line);
    std::size_t at = 0;
    while (at <= line.size()) {
        std::size_t bar = line.find('|', at);
        if (bar == std::string_view::npos)
            bar = line.size();
        const std::string_view text = trimBlanks(line.substr(at, bar - at));
        at = bar + 1;
        if (text.empty())
            continue;
        const CommandParts parts = cutProgramWord(text);
        PipelineStage stage;
        stage.program = parts.program;
        stage.arguments = std::string(trimBlanks(parts.arguments));
        std::string upper = parts.program;
        for (char& c : upper)
            c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper == "##CH_FOUT_EXT") {
            stage.kind = StageKind::ChangeExtension;
            const std::size_t again = findNoCase(stage.arguments, "##CH_FOUT_EXT");
            if (again != std::string::npos)
                stage.arguments.erase(again, std::strlen("##CH_FOUT_EXT"));
            stage.arguments = std::string(trimBlanks(stage.arguments));
        } else if (upper == "##IMPORT") {
            stage.kind = StageKind::Import;
        } else if (upper == "##INSERT") {
            stage.kind = StageKind::Insert;
        } else if (upper == "##INSERT_TO_NEW") {
            stage.kind = StageKind::InsertToNew;
        } else {
            const std::size_t wait = findNoCase(stage.arguments, "##EXEWAIT");
            if (wait != std::string::npos) {
                stage.exeWait = true;
                stage.arguments.erase(wait, std::strlen("##EXEWAIT"));
                stage.arguments = std::string(trimBlanks(stage.arguments));
            }
        }
        stages.push_back(std::move(stage));
    }
    return stages;
}

namespace {

PlaceholderTable stageTable(const std::string& fileIn, const std::string& fileOut)
{
    return {{"file_out", fileOut}, {"file_in", fileIn}};
}

} // namespace

std::string stageFile(const PipelineStage& stage, std::string_view meta, const std::string& fileIn,
                      const std::string& fileOut)
{
    std::string_view name = trimBlanks(stage.arguments);
    if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
        name.back() == name.front())
        name = name.substr(1, name.size() - 2);
    return substitutePlaceholders(name, meta, stageTable(fileIn, fileOut));
}

std::vector<std::string> stageArguments(const PipelineStage& stage, std::string_view meta,
                                        const std::string& fileIn, const std::string& fileOut)
{
    const PlaceholderTable table = stageTable(fileIn, fileOut);
    return replacedWords(stage.arguments, [&](const std::string& word) {
        return substitutePlaceholders(word, meta, table);
    });
}

std::string extensionOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    return std::string(path.substr(dot));
}

std::string changeExtension(std::string_view path, std::string_view ext)
{
    const std::string old = extensionOf(path);
    std::string out(path.substr(0, path.size() - old.size()));
    out += ext;
    return out;
}

bool safeExtension(std::string_view ext)
{
    return !ext.empty() && ext != "." && ext != ".." &&
           ext.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::string tempCopyName(std::string_view source, bool sourceExists)
{
    if (!sourceExists)
        return "zuk_temp.htm";
    return "zuk_temp" + extensionOf(source);
}

bool isStringCount(std::string_view program)
{
    return lowerAscii(program).find("##stringcount") != std::string::npos;
}

} // namespace zuk::tools
