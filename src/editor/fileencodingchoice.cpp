#include "editor/fileencodingchoice.h"

namespace zuk::editor {

using codepages::FileEncoding;

const std::vector<FileEncodingChoice>& fileEncodingChoices()
{
    static const std::vector<FileEncodingChoice> choices = {
        {FileEncoding::CodePage, "mniSaveAsCodePage", "mniFileEncodingCodePage"},
        {FileEncoding::Utf8, "mniSaveAsUTF8", "mniFileEncodingUTF8"},
        {FileEncoding::Utf8Bom, "mniSaveAsUTF8BOM", "mniFileEncodingUTF8BOM"},
        {FileEncoding::Utf16Le, "mniSaveAsUTF16", "mniFileEncodingUTF16"},
    };
    return choices;
}

FileEncoding encodingForChoice(FileEncoding chosen, FileEncoding current)
{
    if (codepages::isUtf16(chosen) && codepages::isUtf16(current))
        return current;
    return chosen;
}

} // namespace zuk::editor
