#include "app/ui/previewcommands.h"

#include "app/mainformtexts.h"
#include "app/ui/toolhost.h"
#include "editor/ved.h"
#include "platform/privatefolder.h"
#include "platform/ui/desktopshell.h"
#include "settings/connectiontable.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace zuk::app::ui {

using platform::ui::DesktopShell;

PreviewCommands::PreviewCommands(ToolHost& host)
    : QObject(host.window()), m_host(host), m_copy(platform::exchangeFolder())
{
    setObjectName(QStringLiteral("zukPreviewCommands"));
}

PreviewCommands* PreviewCommands::of(ToolHost& host)
{
    return host.window()->findChild<PreviewCommands*>(QStringLiteral("zukPreviewCommands"),
                                                      Qt::FindDirectChildrenOnly);
}

void PreviewCommands::preview(Browser browser)
{
    if (!m_host.hasDocument())
        return;
    editor::CVed& doc = m_host.document();
    const settings::RConnectionTable& s = m_host.settings();
    const std::string name = doc.GetFileName();
    const bool exists = doc.HasFile() && QFileInfo(QString::fromStdString(name)).isFile();
    if (exists && s.autosaveonpreview && doc.GetModified() && !m_host.saveDocument())
        return;
    if (exists && !s.use_temp_file) {
        show(browser, QString::fromStdString(name), true);
        return;
    }
    show(browser, QString::fromStdString(m_copy.write(name, exists, doc.GetAllText())), false);
}

bool PreviewCommands::show(Browser browser, const QString& file, bool documentItself)
{
    const settings::RBrowserPaths& paths = m_host.settings().BrowserPaths;
    const DesktopShell shell(m_host.window(), &m_host.texts());
    const QString folder = QFileInfo(file).absolutePath();
    const QString first = QString::fromStdString(paths.ie);
    const QString second = QString::fromStdString(paths.opera);
    bool shown = false;
    switch (browser) {
    case Browser::First:
        shown = shell.ShowFileInBrowser(first, QStringLiteral("iexplore"), file);
        if (!shown && !QFileInfo(first).isFile()) {
            m_host.showStatus(m_host.text(mainFormMessages().section, "sIncorrectPath4Browser"));
            return false;
        }
        break;
    case Browser::Second:
        // The document's own file goes by its address, a copy as a file.
        shown = documentItself ? shell.OpenUrlInBrowser(second, QStringLiteral("opera"), file)
                               : shell.ShowFileInBrowser(second, QStringLiteral("opera"), file);
        if (!shown && !QFileInfo(second).isFile()) {
            m_host.showStatus(m_host.text(mainFormMessages().section, "sIncorrectPath4Browser"));
            return false;
        }
        break;
    case Browser::Mozilla: {
        // Mozilla's browser is Firefox now; an old "mozilla" still comes first.
        QString program = QStandardPaths::findExecutable(QStringLiteral("mozilla"));
        if (program.isEmpty())
            program = QStandardPaths::findExecutable(QStringLiteral("firefox"));
        shown =
            !program.isEmpty() &&
            DesktopShell::programStarter()(
                program, {QStringLiteral("-url"), QUrl::fromLocalFile(file).toString()}, folder);
        break;
    }
    case Browser::Default:
        shown = DesktopShell::urlOpener()(QUrl::fromLocalFile(file));
        break;
    }
    if (!shown)
        m_host.showStatus(m_host.format(mainFormMessages().section, "sCannotOpenPath", {file}));
    return shown;
}

void installPreviewCommands(ToolHost& host)
{
    auto* preview = new PreviewCommands(host);
    using B = PreviewCommands::Browser;
    host.addCommands({
        {"mniPreviewInExplorer", [preview] { preview->preview(B::First); }},
        {"mniPreviewInOpera", [preview] { preview->preview(B::Second); }},
        {"mniPreviewInMozilla", [preview] { preview->preview(B::Mozilla); }},
        {"mniDefaultBrowserPreview", [preview] { preview->preview(B::Default); }},
    });
}

} // namespace zuk::app::ui
