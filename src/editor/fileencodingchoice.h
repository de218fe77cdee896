#pragma once

#include "codepages/unicodefile.h"

#include <vector>

namespace zuk::editor {

// The choices of how a document's next save stores its text, offered by the
// Encoding menu ("Сохранять как") and the document's context menu alike:
// the bytes of the working code page as they are, UTF-8, UTF-8 with a
// byte-order mark, UTF-16.
struct FileEncodingChoice {
    codepages::FileEncoding encoding; // UTF-16 stands for both byte orders
    const char* menuItem;             // the row of the main menu
    const char* contextItem;          // the item of the context menu
};
const std::vector<FileEncodingChoice>& fileEncodingChoices();

// The encoding `chosen` gives a document whose file is `current`: UTF-16
// keeps the byte order the file has, little-endian otherwise.
codepages::FileEncoding encodingForChoice(codepages::FileEncoding chosen,
                                          codepages::FileEncoding current);

} // namespace zuk::editor
