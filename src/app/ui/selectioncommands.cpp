#include "app/ui/selectioncommands.h"

#include "app/ui/generalcommands.h"
#include "app/ui/toolhost.h"
#include "textfunc/ui/textfunccommands.h"

namespace zuk::app::ui {

void installSelectionCommands(ToolHost& host)
{
    textfunc::ui::installTextFunctionCommands(host);
    new GeneralCommands(host);
}

} // namespace zuk::app::ui
