#include "calc/ui/calcsupport.h"

#include "codepages/charsets.h"

#include <QLocale>

namespace zuk::calc::ui {

char localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

namespace {
codepages::CodePage pageOf(const std::string& charset)
{
    codepages::CodePage cp = codepages::CodePage::Win;
    if (!codepages::codePageFromName(charset, cp))
        cp = codepages::CodePage::Win;
    return cp;
}
} // namespace

QString fromDocument(const std::string& bytes, const std::string& charset)
{
    return QString::fromStdString(codepages::decodeToUtf8(bytes, pageOf(charset)));
}

std::string toDocument(const QString& text, const std::string& charset)
{
    return codepages::encodeFromUtf8(text.toStdString(), pageOf(charset));
}

} // namespace zuk::calc::ui
