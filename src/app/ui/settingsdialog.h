#pragma once

#include "settings/ui/settingsbinder.h"

#include <QDialog>
#include <QString>

class QTabWidget;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QTreeWidget;
class QKeySequenceEdit;
class QAction;

namespace zuk::app::ui {

class TMainForm;

// The settings dialog: fourteen pages of controls bound to the settings
// record. The controls show the record when the dialog is made; the record
// changes only with OK or "Сохранить ща!", which store every page at once and
// send the one "settings changed" notification, so every open document and
// window takes the new values together. Closing any other way changes no
// setting.
class Tfopts final : public QDialog {
public:
    explicit Tfopts(TMainForm& form);
    ~Tfopts() override;

    QTabWidget* pages() const { return m_pages; }
    // Makes active the first page whose caption is exactly `caption`, or
    // "Подсветка" when none is.
    void selectPageByCaption(const QString& caption);
    QString activePageCaption() const;

    // Sets the built-in texts, then those the language file gives (when the
    // language is not the built-in one); the mode boxes keep their values.
    void LocaliseSettingsDialog();

    // "Сохранить ща!": the pages into the record, the notification, then the
    // settings file; a failure to write is shown and the dialog stays.
    void saveNow();
    // OK: the pages into the record and the notification, then closes.
    void accept() override;

    settings::ui::SettingsBinder& binder() { return m_binder; }

    // The keyboard page: the menu tree made anew (whenever the dialog becomes
    // active), and the shortcut of the item of the focused node. Each node
    // keeps its item's component name; separators and submenus keep none.
    void rebuildMenuTree();
    void assignShortcut();
    void deleteShortcut();
    // The toolbar group refilled from the toolbar holder.
    void fillToolbarPage();

protected:
    bool event(QEvent* e) override;

private:
    QWidget* addPage(const char* name);
    QCheckBox* check(QBoxLayout* layout, const char* name);
    QSpinBox* spin(QBoxLayout* layout, const char* labelName);
    QLineEdit* lineEdit(QBoxLayout* layout, const char* labelName, const char* editName);
    QGroupBox* group(QBoxLayout* layout, const char* name);

    void buildMiscPage();
    void buildSavePage();
    void buildEditorPage();
    void buildProgramsPage();
    void buildPluginsPage();
    void buildFunctionsPage();
    void buildKeyboardPage();
    void buildInterfacePage();
    void buildColoursPage();
    void buildFileManagerPage();
    void buildHighlightPage();
    void buildSoundPage();
    void buildMiraclesPage();
    void showQuoteFileInfo();
    QAction* focusedItem() const;
    QString selectedToolbar() const;
    void selectToolbar();
    void buildTidyPage();
    // The extension list of "Функции" becomes the program's, however the
    // dialog closes.
    void takeExtensionList();
    void done(int result) override;
    void refillPlugins();
    void showPluginInfo(int row);
    QLineEdit* fileRow(QBoxLayout* layout, const char* labelName, const char* editName,
                       bool folder);
    void fillModeBoxes();
    void storeIntoRecord();
    QString prefs(const char* key) const;

    TMainForm& m_form;
    settings::ui::SettingsBinder m_binder;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_lineSepStyle = nullptr;
    QListWidget* m_plugins = nullptr;
    QLabel* m_pluginInfo = nullptr;
    QListWidget* m_extensions = nullptr;
    QTreeWidget* m_menuTree = nullptr;
    QKeySequenceEdit* m_hotKey = nullptr;
    QListWidget* m_toolbars = nullptr;
    QListWidget* m_toolbarButtons = nullptr;
    QCheckBox* m_showCaptions = nullptr;
    bool m_fillingToolbars = false;
    QComboBox* m_quotes = nullptr;
    QComboBox* m_wallMode = nullptr;
    QComboBox* m_gradMode = nullptr;
    QComboBox* m_gutterGradMode = nullptr;
    QLabel* m_quotesInfo = nullptr;
    QComboBox* m_shcha = nullptr;
    QComboBox* m_xa = nullptr;
    QComboBox* m_w = nullptr;
};

// The "Настройки" command: automatic scrolling paused and the main window
// busy while the dialog is open, the page shown last (or "Подсветка") made
// active, the page shown last remembered afterwards.
void ShowSettings(TMainForm& form);
// The file box's "Опции": the dialog on its "Файл-менеджер" page, leaving
// scrolling, the busy flag and the remembered page alone.
void ShowSettingsOnFileManagerPage(TMainForm& form);
// The dialog while one is open, else nullptr (the language switch reaches it).
Tfopts* openSettingsDialog();

void installSettingsCommands(TMainForm& form);

} // namespace zuk::app::ui
