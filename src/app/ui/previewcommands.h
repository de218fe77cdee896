#pragma once

#include "platform/previewcopy.h"

#include <QObject>
#include <QString>

namespace zuk::app::ui {

class ToolHost;

// The Preview menu: the current document shown in the first or the second
// configured browser (BrowserPaths), in Mozilla's browser, or in the
// desktop's program for it. A document without a file, and any document
// when use_temp_file is set, is shown through a copy (platform/previewcopy.h);
// with autosaveonpreview a changed document is saved first. A child of the
// host's window; it owns the copy and removes it at shut-down.
class PreviewCommands final : public QObject {
public:
    enum class Browser { First, Second, Mozilla, Default };

    explicit PreviewCommands(ToolHost& host);

    void preview(Browser browser);
    // Shut-down: the copy goes, if it is still the program's own.
    void removeCopy() { m_copy.remove(); }
    const std::string& copyPath() const { return m_copy.path(); }

    static PreviewCommands* of(ToolHost& host);

private:
    bool show(Browser browser, const QString& file, bool documentItself);

    ToolHost& m_host;
    platform::PreviewCopy m_copy;
};

// Registers mniPreviewInExplorer, mniPreviewInOpera, mniPreviewInMozilla and
// mniDefaultBrowserPreview.
void installPreviewCommands(ToolHost& host);

} // namespace zuk::app::ui
