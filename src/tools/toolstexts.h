#pragma once

#include "base/texts.h"
#include "base/zukerror.h"

namespace zuk::tools {

// Section MainForm: the messages of the external programs, the macros, the
// templates and the snippets, which the main window shows.
const TextTable& toolsMessages();

// Section fmCompOpts: the dialog that edits the program list.
const TextTable& compOptsTexts();

// Section fmSniM: the snippet manager.
const TextTable& sniMTexts();

// A macro expansion that cannot be done: an include that cannot be read or
// is too big, or a result past the cap. The text stays as it was.
class MacroError : public ZukError {
public:
    using ZukError::ZukError;
};

} // namespace zuk::tools
