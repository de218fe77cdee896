#include "editor/ui/editorlocalise.h"

#include "app/textservice.h"
#include "app/ui/localiser.h"

namespace zuk::editor {

QString uiText(const app::TextService* texts, const TextTable& table, std::string_view key)
{
    if (texts)
        if (const auto value = texts->lookup(table.section, key))
            return QString::fromStdString(*value);
    return QString::fromStdString(table.builtIn(key));
}

void localiseEditorWindow(QWidget* window, const TextTable& table, const app::TextService* texts,
                          bool builtIn)
{
    if (builtIn) {
        // A service with no language file open: localiseWindow reads only the table.
        static const app::TextService none;
        app::ui::localiseWindow(window, table, none, true);
    }
    if (texts)
        app::ui::localiseWindow(window, table, *texts);
}

} // namespace zuk::editor
