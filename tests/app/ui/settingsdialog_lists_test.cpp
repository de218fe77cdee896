// The settings dialog's pages over a real main window: every record-bound
// control through zuk.ini and back, and the lists of other parts the pages
// edit in place (colour schemes, file types, presets, highlighting schemes,
// text styles, keyboard layouts).

#include "app/ui/filecommands.h"
#include "app/ui/mainform.h"
#include "app/ui/settingsdialog.h"
#include "codepages/ui/codepagecommands.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/cpelagos.h"
#include "highlight/csynman.h"
#include "highlight/ui/highlightinstall.h"
#include "settings/ui/settingsbinder.h"
#include "support/ui/mainformfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using zuk::settings::ui::ColourButton;
using zuk::test::MainFormFixture;
namespace ui = zuk::app::ui;

namespace {

void withDialog(ui::TMainForm& form, const std::function<void(ui::Tfopts&)>& act)
{
    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ui::Tfopts* dialog = ui::openSettingsDialog();
        if (dialog && dialog->isVisible() && !acted) {
            acted = true;
            act(*dialog);
        }
    });
    poll.start(10);
    form.runCommand("mniOpts");
    EXPECT_TRUE(acted);
}

template <class W> W* child(ui::Tfopts& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void click(ui::Tfopts& dialog, const char* name)
{
    child<QPushButton>(dialog, name)->click();
}

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Controls whose values live outside the settings record (text styles,
// toolbars) or that only OK takes: the round trip through zuk.ini skips them.
const QSet<QString> kNotInTheRecord{"cbTextStyleBold",
                                    "cbTextStyleItalic",
                                    "cbTextStyleUnderline",
                                    "cbShowCaptions",
                                    "cbTextStyleFColor",
                                    "cbTextStyleBColor",
                                    "edDefExt",
                                    "edDenyExt",
                                    "edMakros",
                                    "edPrefix",
                                    "edExt",
                                    "qt_spinbox_lineedit",
                                    "edCommand",
                                    "edName",
                                    "qt_keysequenceedit_lineedit"};

// Keys of zuk.ini that only the shut-down writes.
const QSet<QString> kWrittenAtShutdown{"cbDisplayMemStatus", "sePelFontSize", "sePelagosCols"};

// The colour buttons (a class without meta-object: findChildren would give
// every tool button).
QList<ColourButton*> colourButtons(ui::Tfopts& d)
{
    QList<ColourButton*> out;
    for (QToolButton* button : d.findChildren<QToolButton*>())
        if (auto* colour = dynamic_cast<ColourButton*>(button))
            out << colour;
    return out;
}

// A value of every record-bound control that differs from what it shows.
QMap<QString, QVariant> changeEveryControl(ui::Tfopts& d)
{
    QMap<QString, QVariant> changed;
    int n = 0;
    for (QCheckBox* box : d.findChildren<QCheckBox*>())
        if (!box->objectName().isEmpty() && !kNotInTheRecord.contains(box->objectName()))
            box->setChecked(!box->isChecked());
    for (QRadioButton* radio : d.findChildren<QRadioButton*>())
        if (!radio->isChecked())
            radio->setChecked(true); // the last of each group wins
    for (QSpinBox* box : d.findChildren<QSpinBox*>()) {
        if (box->objectName().isEmpty() || kNotInTheRecord.contains(box->objectName()))
            continue;
        const int wanted = box->minimum() + (box->maximum() - box->minimum()) / 3 + 1;
        box->setValue(wanted == box->value() ? wanted + 1 : wanted);
    }
    for (ColourButton* button : colourButtons(d))
        if (!kNotInTheRecord.contains(button->objectName()))
            button->setColour(0x102030 + ++n);
    for (QLineEdit* edit : d.findChildren<QLineEdit*>())
        if (!edit->objectName().isEmpty() && !kNotInTheRecord.contains(edit->objectName()) &&
            edit->isEnabled() && !edit->isReadOnly() &&
            !qobject_cast<QComboBox*>(edit->parentWidget()))
            edit->setText(QStringLiteral("/tmp/x%1").arg(++n));
    for (QCheckBox* box : d.findChildren<QCheckBox*>())
        changed[box->objectName()] = box->isChecked();
    for (QRadioButton* radio : d.findChildren<QRadioButton*>())
        changed[radio->objectName()] = radio->isChecked();
    for (QSpinBox* box : d.findChildren<QSpinBox*>())
        changed[box->objectName()] = box->value();
    for (ColourButton* button : colourButtons(d))
        changed[button->objectName()] = button->colour();
    for (QLineEdit* edit : d.findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(edit->parentWidget()))
            changed[edit->objectName()] = edit->text();
    for (const QString& name : kNotInTheRecord)
        changed.remove(name);
    changed.remove(QString());
    return changed;
}

QVariant valueOf(ui::Tfopts& d, const QString& name)
{
    QObject* o = d.findChild<QObject*>(name);
    if (auto* box = qobject_cast<QCheckBox*>(o))
        return box->isChecked();
    if (auto* radio = qobject_cast<QRadioButton*>(o))
        return radio->isChecked();
    if (auto* box = qobject_cast<QSpinBox*>(o))
        return box->value();
    if (auto* button = dynamic_cast<ColourButton*>(o))
        return button->colour();
    if (auto* edit = qobject_cast<QLineEdit*>(o))
        return edit->text();
    return {};
}

} // namespace

TEST(SettingsDialogPages, EveryBoundControlComesBackFromTheSettingsFile)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    QMap<QString, QVariant> changed;
    withDialog(form, [&](ui::Tfopts& d) {
        changed = changeEveryControl(d);
        d.saveNow();
        d.reject();
    });
    ASSERT_GT(changed.size(), 80);

    // A second program folder with only that zuk.ini: nothing written at
    // shut-down can help.
    auto compare = [&](ui::Tfopts& d, bool shutdownKeys) {
        for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
            if (kWrittenAtShutdown.contains(it.key()) == shutdownKeys) {
                EXPECT_EQ(valueOf(d, it.key()), it.value()) << it.key().toStdString();
            }
        }
        d.reject();
    };
    {
        MainFormFixture g;
        g.seed("zuk.ini", f.read("zuk.ini"));
        withDialog(g.start(), [&](ui::Tfopts& d) { compare(d, false); });
    }
    form.confirmHook = [](const QString&) { return true; };
    ASSERT_TRUE(form.close());
    MainFormFixture h;
    h.seed("zuk.ini", f.read("zuk.ini"));
    withDialog(h.start(), [&](ui::Tfopts& d) { compare(d, true); });
}

TEST(SettingsDialogPages, ColourSchemesAreSavedReloadedAndDeleted)
{
    MainFormFixture f;
    f.seed("Engine/CStyles/Dark", "FontColor=16777215\r\nBackColor=0\r\nSelFontColor=0\r\n"
                                  "SelBackColor=65280\r\n");
    ui::TMainForm& form = f.start();
    form.NewFile();
    form.NewFile();
    zuk::highlight::CFontCOlors* schemes = zuk::highlight::ui::highlightObjects(form).colorStyles;
    ASSERT_NE(schemes, nullptr);
    withDialog(form, [&](ui::Tfopts& d) {
        auto* list = child<QListWidget>(d, "lbschemes");
        ASSERT_EQ(texts(list), QStringList{"Dark"});
        list->setCurrentRow(0);
        auto* back = child<ColourButton>(d, "cpBackColor");
        EXPECT_EQ(back->colour(), 0);
        EXPECT_EQ(child<ColourButton>(d, "cpSelBack")->colour(), 65280);

        // A picked colour changes the scheme in memory only; Save writes it.
        back->setColour(255);
        back->picked(255);
        EXPECT_EQ(schemes->Schemes[0].BackColor, 255);
        EXPECT_EQ(f.read("Engine/CStyles/Dark").find("BackColor=255"), std::string::npos);
        click(d, "btEditFillSave");
        EXPECT_EQ(
            f.read("Engine/CStyles/Dark"),
            "FontColor=16777215\r\nBackColor=255\r\nSelFontColor=0\r\nSelBackColor=65280\r\n");

        // Save As under a name that stays in the folder; a path is refused.
        QStringList notes;
        d.noteHook = [&](const QString& text) { notes << text; };
        d.nameHook = [](const QString&) { return std::optional<QString>("../Out"); };
        click(d, "btEditFillSaveAs");
        EXPECT_EQ(notes.size(), 1);
        EXPECT_TRUE(f.read("Engine/Out").empty());
        d.nameHook = [](const QString&) { return std::optional<QString>("Light"); };
        child<ColourButton>(d, "cpFontColor")->setColour(128);
        click(d, "btEditFillSaveAs");
        EXPECT_EQ(texts(list), (QStringList{"Dark", "Light"}));
        ASSERT_NE(schemes->findByName("Light"), nullptr);
        EXPECT_EQ(schemes->findByName("Light")->FontColor, 128);
        EXPECT_EQ(schemes->findByName("Light")->BackColor, 255);

        // Del asks; No keeps the file.
        list->setCurrentRow(1);
        form.confirmHook = [](const QString&) { return false; };
        click(d, "btEditFillDel");
        EXPECT_EQ(list->count(), 2);
        form.confirmHook = [](const QString&) { return true; };
        click(d, "btEditFillDel");
        EXPECT_EQ(texts(list), QStringList{"Dark"});
        EXPECT_TRUE(f.read("Engine/CStyles/Light").empty());

        // "Применить!" recolours every open document.
        click(d, "btApplyColors");
        d.reject();
    });
    EXPECT_EQ(form.settings().BGColor, 255);
    EXPECT_EQ(form.settings().FontColor, 128);
    for (zuk::editor::Ted* ted : form.editor().documents()) {
        ASSERT_FALSE(ted->textStyles().empty());
        EXPECT_EQ(ted->textStyles()[0].fore, 128);
    }
}

TEST(SettingsDialogPages, FileTypesAndFileBoxPresets)
{
    MainFormFixture f;
    f.seed("Engine/Parts/Pelagos/filelinx", "[txt]\r\nViewer=\r\nEditor=\r\nColor=0\r\n");
    ui::TMainForm& form = f.start();
    zuk::highlight::CPelagos* types = zuk::highlight::ui::highlightObjects(form).fileTypes;
    ASSERT_NE(types, nullptr);
    withDialog(form, [&](ui::Tfopts& d) {
        auto* list = child<QListWidget>(d, "lbExts");
        EXPECT_EQ(texts(list), QStringList{"txt"});
        d.fileTypeHook = [](zuk::highlight::TRNHandler& type) {
            EXPECT_TRUE(type.Ext.empty());
            type.Ext = "HTM";
            type.Color = 255;
            return true;
        };
        click(d, "btPelFileTypeAdd");
        EXPECT_EQ(texts(list), (QStringList{"txt", "htm"}));
        ASSERT_NE(types->FindFileType(".HTM"), nullptr);
        EXPECT_EQ(types->FindFileType(".htm")->Color, 255);

        list->setCurrentRow(1);
        d.fileTypeHook = [](zuk::highlight::TRNHandler& type) {
            EXPECT_EQ(type.Ext, "htm");
            type.Ext = "HTML";
            type.Viewer = "/usr/bin/viewer";
            return true;
        };
        click(d, "btPelFileTypeEdit");
        EXPECT_EQ(texts(list), (QStringList{"txt", "html"}));
        EXPECT_EQ(types->FindFileType(".html")->Viewer, "/usr/bin/viewer");
        EXPECT_EQ(types->FindFileType(".html")->Color, 255);

        d.fileTypeHook = [](zuk::highlight::TRNHandler&) { return false; };
        click(d, "btPelFileTypeAdd"); // cancelled
        list->setCurrentRow(0);
        click(d, "btPelFileTypeDel");
        EXPECT_EQ(texts(list), QStringList{"html"});

        // A preset saved from the three pickers and chosen again.
        child<ColourButton>(d, "cbFolders")->setColour(1);
        child<ColourButton>(d, "cbFiles")->setColour(2);
        child<ColourButton>(d, "cbBack")->setColour(3);
        d.nameHook = [](const QString&) { return std::optional<QString>("Mine"); };
        click(d, "btPelColorsSave");
        const zuk::highlight::FileBoxColors saved =
            zuk::highlight::loadFileBoxColors((f.parts() + "Pelagos/Colors/Mine").toStdString());
        EXPECT_EQ(saved.Dirs, 1);
        EXPECT_EQ(saved.Files, 2);
        EXPECT_EQ(saved.back, 3);
        child<ColourButton>(d, "cbBack")->setColour(9);
        auto* presets = child<QComboBox>(d, "cbPelColors");
        ASSERT_EQ(presets->count(), 1);
        emit presets->activated(0);
        EXPECT_EQ(child<ColourButton>(d, "cbBack")->colour(), 3);
        d.accept();
    });
    EXPECT_EQ(form.settings().FileBoxBack, 3);
}

TEST(SettingsDialogPages, HighlightingSchemesAndTextStyles)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    form.NewFile();
    form.NewFile();
    zuk::highlight::CSynMan* registry = zuk::highlight::ui::highlightObjects(form).synMan;
    ASSERT_NE(registry, nullptr);
    withDialog(form, [&](ui::Tfopts& d) {
        auto* list = child<QListWidget>(d, "lbSynModules");
        const int builtIn = list->count();
        ASSERT_GT(builtIn, 0);

        // The built-in parsers cannot be edited or deleted.
        QStringList notes;
        d.noteHook = [&](const QString& text) { notes << text; };
        bool asked = false;
        d.synModuleHook = [&](std::string&, std::string&, std::string&) {
            asked = true;
            return true;
        };
        list->setCurrentRow(0);
        click(d, "btEditSynModule");
        click(d, "btDelSynModule");
        EXPECT_FALSE(asked);
        EXPECT_EQ(notes, QStringList(2, "Ничего такого делать со встроенными парсерами нельзя!"));
        EXPECT_EQ(list->count(), builtIn);

        d.synModuleHook = [](std::string& ext, std::string& name, std::string& file) {
            ext = "md";
            name = "Markdown";
            file = "Engine/Syntax/md.syn";
            return true;
        };
        click(d, "btAddSynModule");
        EXPECT_EQ(list->count(), builtIn + 1);
        EXPECT_EQ(list->item(builtIn)->text(), QStringLiteral("Markdown"));
        auto* box = form.findChild<QComboBox*>(QStringLiteral("cbSyntax"));
        ASSERT_NE(box, nullptr);
        EXPECT_NE(box->findText(QStringLiteral("Markdown")), -1);
        list->setCurrentRow(builtIn);
        d.synModuleHook = [](std::string& ext, std::string& name, std::string&) {
            EXPECT_EQ(name, "Markdown");
            ext = "md markdown";
            return true;
        };
        click(d, "btEditSynModule");
        EXPECT_EQ(registry->Items.back().Ext, "md markdown");
        list->setCurrentRow(builtIn);
        click(d, "btDelSynModule");
        EXPECT_EQ(list->count(), builtIn);
        EXPECT_EQ(registry->IndexOfScheme("Markdown"), -1);

        // A text style's flag reaches every open document at once.
        auto* styles = child<QListWidget>(d, "lbTextStyles");
        ASSERT_EQ(styles->count(), 17);
        styles->setCurrentRow(zuk::highlight::TsString);
        auto* bold = child<QCheckBox>(d, "cbTextStyleBold");
        EXPECT_FALSE(bold->isChecked());
        bold->setChecked(true);
        auto* fore = child<ColourButton>(d, "cbTextStyleFColor");
        fore->setColour(255);
        fore->picked(255);
        // Showing another style changes no style.
        styles->setCurrentRow(zuk::highlight::TsComment);
        EXPECT_TRUE(child<QCheckBox>(d, "cbTextStyleItalic")->isChecked());
        d.reject();
    });
    const zuk::highlight::RtextStyle& string =
        zuk::highlight::ui::highlightObjects(form).textStyles->Styles[zuk::highlight::TsString];
    EXPECT_TRUE(string.Bold);
    EXPECT_EQ(string.FColor, 255);
    EXPECT_FALSE(zuk::highlight::ui::highlightObjects(form)
                     .textStyles->Styles[zuk::highlight::TsComment]
                     .Bold);
    ASSERT_EQ(form.editor().documents().size(), 2u);
    for (zuk::editor::Ted* ted : form.editor().documents()) {
        EXPECT_TRUE(ted->textStyles()[zuk::highlight::TsString].bold);
        EXPECT_EQ(ted->textStyles()[zuk::highlight::TsString].fore, 255);
    }
}

TEST(SettingsDialogPages, KeyboardLayoutsListTheLoadedOnesTickedAsStored)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    auto* commands = zuk::codepages::ui::codePageCommands(form);
    ASSERT_NE(commands, nullptr);
    commands->systemLayouts = [] { return std::vector<std::string>{"English", "Russian"}; };
    commands->setKLayouts({{"Gone", true}, {"Russian", true}});
    withDialog(form, [&](ui::Tfopts& d) {
        auto* list = child<QListWidget>(d, "clbLayouts");
        ASSERT_EQ(texts(list), (QStringList{"English", "Russian"}));
        EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
        list->item(0)->setCheckState(Qt::Checked);
        d.reject();
    });
    const auto& stored = commands->kLayouts();
    ASSERT_EQ(stored.size(), 2u); // the layout no longer loaded dropped out
    EXPECT_EQ(stored[0].name, "English");
    EXPECT_TRUE(stored[0].shown);
    EXPECT_TRUE(stored[1].shown);
}

TEST(SettingsDialogPages, TheOpenFileDialogTakesTheSizeSet)
{
    MainFormFixture f;
    ui::TMainForm& form = f.start();
    ui::FileCommands* files = ui::FileCommands::of(form);
    ASSERT_NE(files, nullptr);
    const QSize screen = form.screen()->size();
    withDialog(form, [&](ui::Tfopts& d) {
        child<QSpinBox>(d, "seDlgFileOpenSizeX")->setValue(50);
        child<QSpinBox>(d, "seDlgFileOpenSizeY")->setValue(60);
        d.accept();
    });
    QFileDialog& dialog = files->openFileDialog();
    EXPECT_EQ(dialog.width(), qRound(screen.width() * 0.5));
    EXPECT_EQ(dialog.height(), qRound(screen.height() * 0.6));
    // A size the user dragged stays until the setting changes again.
    dialog.resize(300, 200);
    EXPECT_EQ(files->openFileDialog().size(), QSize(300, 200));
}
