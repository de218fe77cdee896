#include "app/ui/toolhost.h"

#include "app/textservice.h"
#include "base/zukerror.h"

namespace zuk::app::ui {

QString ToolHost::text(std::string_view section, std::string_view key) const
{
    return QString::fromStdString(texts().text(section, key));
}

QString ToolHost::format(std::string_view section, std::string_view key,
                         const std::vector<QString>& args) const
{
    std::vector<std::string> values;
    values.reserve(args.size());
    for (const QString& a : args)
        values.push_back(a.toStdString());
    return QString::fromStdString(texts().format(section, key, values));
}

QString ToolHost::message(const ZukError& error) const
{
    return QString::fromStdString(texts().message(error));
}

} // namespace zuk::app::ui
