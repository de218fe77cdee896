#pragma once

#include "base/texts.h"
#include "base/zukerror.h"

namespace zuk::tools {

// Section MainForm: the messages of searching and replacing, which the main
// window shows.
const TextTable& searchMessages();

// Section FindReplaceDialog: the find dialog ("Поиск текста") and the replace
// dialog ("Замена текста") of the documents.
const TextTable& findReplaceTexts();

// Section replaceform: the replace-all and multi-replace window.
const TextTable& replaceFormTexts();

// A search that cannot run: a regular expression that does not compile or
// costs too much on the text, a replacement that would grow past its cap.
class SearchError : public ZukError {
public:
    using ZukError::ZukError;
};

} // namespace zuk::tools
