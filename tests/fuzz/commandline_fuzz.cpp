// The command-line splitter and the placeholder engine: any line, as a plain,
// block and pipeline command. A file name put in by a placeholder must come
// out as one argument, whole, whatever the line around it.

#include "fuzz/fuzztarget.h"

#include "tools/commandline.h"

#include <algorithm>
#include <string>

ZUK_FUZZ_TARGET(commandline)
{
    using namespace zuk::tools;
    const std::string hostile = "/tmp/a b;$(touch X)'\"|##.txt";
    const std::vector<std::string> words = splitCommandWords(input);
    for (const std::string& word : words)
        zuk::fuzz::check(input.find(word.substr(0, 1)) != std::string_view::npos || word.empty());

    const CommandParts parts = cutProgramWord(input);
    const PathParts path = placeholderParts(hostile, "/");
    const std::vector<std::string> args = plainArguments(parts.arguments, "@", path, hostile);
    // Every placeholder that stood alone as a word gives the file whole.
    const std::vector<std::string> raw = splitCommandWords(parts.arguments);
    zuk::fuzz::check(args.size() == raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i)
        if (raw[i] == "@")
            zuk::fuzz::check(args[i] == hostile);

    const BlockPlan block = planBlock(parts, "@", "/x/zukblock.in", "/x/zukblock.out");
    zuk::fuzz::check(block.arguments.size() <= raw.size());
    for (const PipelineStage& stage : splitPipeline(input)) {
        zuk::fuzz::check(!stage.program.empty() || stage.kind == StageKind::Program);
        stageArguments(stage, "@", hostile, hostile);
        stageFile(stage, "@", hostile, hostile);
    }
    const std::string ext = changeExtension(hostile, input.substr(0, 8));
    zuk::fuzz::check(ext.rfind("/tmp/", 0) == 0);
}
