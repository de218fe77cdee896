#include "html/ui/htmlfiles.h"

#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "io/safefile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <string>
#include <vector>

namespace zuk::html::ui {

QString readTextFile(const QString& path)
{
    const std::vector<std::string> lines = io::splitLines(io::readFileBytes(path.toStdString()));
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(codepages::winToUtf8(line));
    return text.join(QLatin1Char('\n'));
}

void writeTextFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    io::writeLinesFile(path.toStdString(),
                       io::splitLines(codepages::utf8ToWin(text.toStdString())));
}

QString chooseFile(QWidget* parent, const QString& title, const QString& folder,
                   const QString& filter, const QString& allFiles, bool save)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList filters;
    if (!filter.isEmpty())
        filters << filter;
    dialog.setNameFilters(filters << allFiles + QStringLiteral(" (*)"));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace zuk::html::ui
