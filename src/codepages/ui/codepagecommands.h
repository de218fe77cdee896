#pragma once

#include "codepages/charsets.h"
#include "codepages/exchange.h"
#include "codepages/rungler.h"
#include "codepages/tablecommands.h"
#include "codepages/unicodefile.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::codepages::ui {

// An item of the keyboard-layout submenu: its caption is the layout's name
// exactly as listed, with no accelerator key made from an '&'.
class TKLayoutMenuItem final : public QAction {
public:
    TKLayoutMenuItem(const QString& layoutName, QObject* parent);
    QString layoutName() const { return m_layoutName; }

private:
    QString m_layoutName;
};

// The state behind the Encoding menu and the code-page items of the File
// menu: the program's one transliterator (its TransOn flag lives as long as
// the main window), the keyboard-layout list of klayouts.txt, and the hooks
// tests use instead of the file dialogs and the message box. A child of the
// main window, made by installCodePageCommands.
class TCodePageCommands final : public QObject {
public:
    explicit TCodePageCommands(app::ui::ToolHost& host);

    TRungler& rungler() { return m_rungler; }

    // Answers a file dialog: save is true for the save dialog. Returns the
    // chosen path (UTF-8) or an empty string for a cancelled dialog. Without
    // it the dialogs are real.
    std::function<QString(bool save, const QString& caption)> fileDialogHook;
    // Shows a message box text; without it a real message box is shown.
    std::function<void(const QString& text)> messageHook;

    // The settings of the transliterator (RunglerOpts) applied to it; a mode
    // text it does not know leaves that mode as it was.
    void applyRunglerSettings();

    // klayouts.txt: read at start-up when present, written back in full at
    // shut-down. Names are Windows-1251 bytes as the file holds them.
    void loadKLayouts();
    void saveKLayouts();
    const std::vector<KLayoutEntry>& kLayouts() const { return m_kLayouts; }
    // The settings dialog's new list; the menu is rebuilt from it.
    void setKLayouts(std::vector<KLayoutEntry> entries);
    // The submenu mniKeybLayout made anew from the list: one item per name shown.
    void rebuildKLayoutMenu();
    void fillKLayoutMenu(QMenu& menu);
    // Activates the first loaded system layout whose display name is `caption`;
    // nothing happens when none is. Returns whether one was activated.
    bool activateKLayout(const QString& caption);
    // The loaded system layouts; tests replace them.
    std::function<std::vector<std::string>()> systemLayouts;
    std::function<bool(int index)> activateSystemLayout;

    // Commands, each on the active document (the wrapper has checked there is one).
    void workIn(const char* charset);
    void convertTo(CodePage target);
    // One of the "Сохранять как" items: how the next save writes the file.
    void saveAsEncoding(FileEncoding chosen);
    // The check marks of those items from the active document.
    void refreshEncodingChecks();
    void exportTo(ExchangeFormat format);
    void importFrom(ExchangeFormat format);
    void exportStyled(const char* extension, const char* format);
    void translitCommand(bool toLatin);
    void fixLayoutCommand();
    void tableCommand(const char* table, bool reportMissing);

    // The Engine/Tables folder, UTF-8 with a trailing '/'.
    std::string tablesFolder() const;

private:
    QString chooseFile(bool save);
    // Runs an export's write; a failure is shown in a box with its reason.
    void writeExport(const std::function<void()>& write);
    void showMessage(const QString& text);
    std::string kLayoutsPath() const;

    app::ui::ToolHost& m_host;
    TRungler m_rungler;
    std::vector<KLayoutEntry> m_kLayouts;
    bool m_kLayoutsLoaded = false;
};

// Registers every command of the Encoding menu, the File import/export
// submenus and the keyboard-layout submenu with the host.
void installCodePageCommands(app::ui::ToolHost& host);

// The start-up step after the settings are read: the transliterator's modes,
// then klayouts.txt and the keyboard-layout submenu.
void codePageStartup(app::ui::ToolHost& host);
// The shut-down step: klayouts.txt written back.
void codePageShutdown(app::ui::ToolHost& host);

// The code-page state of a main window, or nullptr before installCodePageCommands.
TCodePageCommands* codePageCommands(app::ui::ToolHost& host);

} // namespace zuk::codepages::ui
