#pragma once

#include "settings/ui/settingsbinder.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>

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

namespace zuk::highlight {
struct TRNHandler;
}

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

    // The name a new colour scheme or file-box preset is saved under (the
    // folder is fixed); nothing when cancelled. Without it the user is asked.
    std::function<std::optional<QString>(const QString& title)> nameHook;
    // Edits a file type in the type dialog; false when cancelled. Without it
    // the dialog is shown.
    std::function<bool(highlight::TRNHandler& type)> fileTypeHook;
    // Edits a highlighting scheme's registration; false when cancelled.
    std::function<bool(std::string& ext, std::string& name, std::string& file)> synModuleHook;
    // Shows the list pages' messages; without it a message box.
    std::function<void(const QString& text)> noteHook;

    // The lists of other parts the pages edit, refilled from them.
    void refillColourSchemes();
    void refillFileTypes();
    void refillSynModules();
    void refillFileBoxPresets();

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
    // The list pages' parts (settingsdialog_lists.cpp).
    void buildSchemeList(QBoxLayout* layout);
    void applySchemeColours();
    void saveColourScheme(const QString& name);
    void deleteColourScheme();
    void buildFileTypes(QBoxLayout* layout);
    void editFileType(int row);
    void buildFileBoxPresets(QBoxLayout* layout);
    void buildSynModules(QBoxLayout* layout);
    void buildTextStyles(QBoxLayout* layout);
    void showTextStyle(int row);
    void storeTextStyle();
    void buildLayoutList(QBoxLayout* layout);
    void storeLayouts();
    std::optional<QString> askName(const QString& title);
    void note(const QString& text);
    // A Yes/No question titled "Ахтунг!"; true unless the answer is No.
    bool askWarning(const QString& question);
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
    // "Цвета": the scheme list and the pickers it drives (text, background,
    // selected text, selection background), and the gradient pickers.
    QListWidget* m_colourSchemes = nullptr;
    settings::ui::ColourButton* m_schemeColours[4] = {};
    settings::ui::ColourButton* m_gradientFrom = nullptr;
    settings::ui::ColourButton* m_gradientTo = nullptr;
    bool m_refillingSchemes = false;
    // "Файл-менеджер".
    QListWidget* m_fileTypes = nullptr;
    QComboBox* m_fileBoxPresets = nullptr;
    settings::ui::ColourButton* m_fileBoxColours[3] = {};
    // "Подсветка".
    QListWidget* m_synModules = nullptr;
    QListWidget* m_textStyles = nullptr;
    settings::ui::ColourButton* m_styleColours[2] = {};
    QCheckBox* m_styleFlags[3] = {};
    bool m_showingStyle = false;
    // "Клавиатура".
    QListWidget* m_layouts = nullptr;
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
