// The lists of other parts that the settings dialog edits in place: colour
// schemes, file types and file-box colour presets, highlighting schemes, text
// styles and keyboard layouts. Unlike the record-bound controls these act at
// once, since each list has its own file and owner.

#include "app/ui/mainform.h"
#include "app/ui/settingsdialog.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "codepages/ui/codepagecommands.h"
#include "editor/ui/cdreameditor.h"
#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/cpelagos.h"
#include "highlight/csynman.h"
#include "highlight/ui/highlightinstall.h"
#include "highlight/ui/tfmsyntax.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zuk::app::ui {

using highlight::ui::highlightObjects;
using settings::ui::ColourButton;

namespace {

QPushButton* button(QBoxLayout* layout, const char* name)
{
    auto* b = new QPushButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

QLabel* label(QBoxLayout* layout, const char* name)
{
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    layout->addWidget(l);
    return l;
}

QString fromWin(const std::string& text)
{
    return QString::fromStdString(codepages::winToUtf8(text));
}

// Replaces the rows of `list` with `names` (Windows-1251).
void showNames(QListWidget* list, const std::vector<std::string>& names)
{
    list->clear();
    for (const std::string& name : names)
        list->addItem(fromWin(name));
}

std::string toWin(const QString& text)
{
    return codepages::utf8ToWin(text.toStdString());
}

// A name that stays a file of its folder: not empty, no folder separators,
// no "." or "..", no control characters.
bool isPlainFileName(const QString& name)
{
    if (name.trimmed().isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    return true;
}

// The type dialog of the file manager's file types.
bool editFileTypeInDialog(TMainForm& form, QWidget* parent, highlight::TRNHandler& type)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TfmFileProps"));
    dialog.setWindowTitle(form.text("PREFS", "sFileTypeCaption"));
    auto* layout = new QFormLayout(&dialog);
    auto* ext = new QLineEdit(type.Ext.empty() ? QStringLiteral("TXT") : fromWin(type.Ext));
    ext->setObjectName(QStringLiteral("edExt"));
    ext->setToolTip(form.text("PREFS", "sFileTypeExtHint"));
    auto* colour = new ColourButton;
    colour->setColour(type.Color);
    auto programRow = [&dialog, &form](const std::string& value) {
        auto* row = new QHBoxLayout;
        auto* edit = new QLineEdit(fromWin(value));
        auto* browse = new QToolButton;
        browse->setText(QStringLiteral("…"));
        row->addWidget(edit, 1);
        row->addWidget(browse);
        QObject::connect(browse, &QToolButton::clicked, &dialog, [&dialog, &form, edit] {
            const QString chosen = QFileDialog::getOpenFileName(
                &dialog, form.text("PREFS", "sChooseProgram"), edit->text());
            if (!chosen.isEmpty())
                edit->setText(chosen);
        });
        return std::make_pair(row, edit);
    };
    auto [viewerRow, viewer] = programRow(type.Viewer);
    auto [editorRow, editor] = programRow(type.Editor);
    layout->addRow(form.text("PREFS", "sFileTypeExt"), ext);
    layout->addRow(form.text("PREFS", "sFileTypeColour"), colour);
    layout->addRow(form.text("PREFS", "sFileTypeViewer"), viewerRow);
    layout->addRow(form.text("PREFS", "sFileTypeEditor"), editorRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    dialog.resize(std::max(dialog.sizeHint().width(), 460), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    type.Ext = toWin(ext->text());
    type.Color = colour->colour();
    type.Viewer = toWin(viewer->text());
    type.Editor = toWin(editor->text());
    return true;
}

} // namespace

void Tfopts::note(const QString& text)
{
    if (noteHook)
        noteHook(text);
    else
        m_form.showNote(text);
}

bool Tfopts::askWarning(const QString& question)
{
    if (m_form.confirmHook)
        return m_form.confirmHook(question);
    return QMessageBox::question(this, prefs("sWarning"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) != QMessageBox::No;
}

std::optional<QString> Tfopts::askName(const QString& title)
{
    std::optional<QString> name =
        nameHook ? nameHook(title) : m_form.prompt(title, prefs("sEnterNewName"));
    if (name && !isPlainFileName(*name)) {
        note(m_form.format("PREFS", "sNotAFileName", {*name}));
        return std::nullopt;
    }
    return name;
}

// --- "Цвета": colour schemes --------------------------------------------------------

void Tfopts::buildSchemeList(QBoxLayout* layout)
{
    auto* column = new QVBoxLayout;
    layout->addLayout(column, 1);
    QLabel* caption = label(column, "lColorPresets");
    m_colourSchemes = new QListWidget;
    m_colourSchemes->setObjectName(QStringLiteral("lbschemes"));
    caption->setBuddy(m_colourSchemes);
    column->addWidget(m_colourSchemes, 1);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    QPushButton* save = button(buttons, "btEditFillSave");
    QPushButton* saveAs = button(buttons, "btEditFillSaveAs");
    QPushButton* del = button(buttons, "btEditFillDel");
    QPushButton* apply = button(column, "btApplyColors");

    highlight::CFontCOlors* schemes = highlightObjects(m_form).colorStyles;
    m_colourSchemes->setEnabled(schemes != nullptr);
    for (QPushButton* b : {save, saveAs, del})
        b->setEnabled(schemes != nullptr);
    connect(apply, &QPushButton::clicked, this, &Tfopts::applySchemeColours);
    if (!schemes)
        return;
    connect(m_colourSchemes, &QListWidget::currentRowChanged, this, [this, schemes](int row) {
        if (m_refillingSchemes || row < 0 || row >= static_cast<int>(schemes->Schemes.size()))
            return;
        const highlight::CColorStyle& scheme = schemes->Schemes[static_cast<size_t>(row)];
        const int32_t colours[4] = {scheme.FontColor, scheme.BackColor, scheme.SelFontColor,
                                    scheme.SelBackColor};
        for (int i = 0; i < 4; ++i)
            m_schemeColours[i]->setColour(colours[i]);
    });
    // A picked colour changes the selected scheme in memory; "Save" writes it.
    for (int i = 0; i < 4; ++i)
        m_schemeColours[i]->picked = [this, schemes, i](settings::Colour colour) {
            const int row = m_colourSchemes->currentRow();
            if (m_refillingSchemes || row < 0 || row >= static_cast<int>(schemes->Schemes.size()))
                return;
            highlight::CColorStyle& scheme = schemes->Schemes[static_cast<size_t>(row)];
            int32_t* fields[4] = {&scheme.FontColor, &scheme.BackColor, &scheme.SelFontColor,
                                  &scheme.SelBackColor};
            *fields[i] = colour;
        };
    connect(save, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = m_colourSchemes->currentItem())
            saveColourScheme(item->text());
    });
    connect(saveAs, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> name = askName(prefs("sSchemeName")))
            saveColourScheme(*name);
    });
    connect(del, &QPushButton::clicked, this, &Tfopts::deleteColourScheme);
    refillColourSchemes();
}

void Tfopts::refillColourSchemes()
{
    highlight::CFontCOlors* schemes = highlightObjects(m_form).colorStyles;
    if (!schemes || !m_colourSchemes)
        return;
    m_refillingSchemes = true;
    schemes->reload();
    m_colourSchemes->clear();
    for (const highlight::CColorStyle& scheme : schemes->Schemes)
        m_colourSchemes->addItem(QString::fromStdString(scheme.Name));
    m_refillingSchemes = false;
}

void Tfopts::saveColourScheme(const QString& name)
{
    highlight::CFontCOlors* schemes = highlightObjects(m_form).colorStyles;
    if (!schemes)
        return;
    // The token colours of the scheme shown stay with it; the four main
    // colours are the pickers'.
    highlight::CColorStyle scheme;
    const int row = m_colourSchemes->currentRow();
    if (row >= 0 && row < static_cast<int>(schemes->Schemes.size()))
        scheme = schemes->Schemes[static_cast<size_t>(row)];
    scheme.Name = name.toStdString();
    scheme.FontColor = m_schemeColours[0]->colour();
    scheme.BackColor = m_schemeColours[1]->colour();
    scheme.SelFontColor = m_schemeColours[2]->colour();
    scheme.SelBackColor = m_schemeColours[3]->colour();
    try {
        QDir().mkpath(QString::fromStdString(schemes->folder()));
        saveColorStyle(QDir(QString::fromStdString(schemes->folder())).filePath(name).toStdString(),
                       scheme);
    } catch (const ZukError& e) {
        note(m_form.message(e));
    }
    refillColourSchemes();
    const QList<QListWidgetItem*> found = m_colourSchemes->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) {
        m_refillingSchemes = true;
        m_colourSchemes->setCurrentItem(found.last());
        m_refillingSchemes = false;
    }
    highlight::ui::rebuildColorStylesMenu(m_form);
}

void Tfopts::deleteColourScheme()
{
    highlight::CFontCOlors* schemes = highlightObjects(m_form).colorStyles;
    QListWidgetItem* item = m_colourSchemes->currentItem();
    if (!askWarning(prefs("sAreUSure")) || !schemes || !item)
        return;
    try {
        highlight::deleteColorStyle(schemes->folder(), item->text().toStdString());
    } catch (const ZukError& e) {
        note(m_form.message(e));
    }
    refillColourSchemes();
    highlight::ui::rebuildColorStylesMenu(m_form);
}

void Tfopts::applySchemeColours()
{
    settings::RConnectionTable& s = m_form.settings();
    s.FontColor = m_schemeColours[0]->colour();
    s.BGColor = m_schemeColours[1]->colour();
    s.SelFontColor = m_schemeColours[2]->colour();
    s.SelBGColor = m_schemeColours[3]->colour();
    s.EditorFill.GradientColor1 = m_gradientFrom->colour();
    s.EditorFill.GradientColor2 = m_gradientTo->colour();
    try {
        m_form.editor().ApplyBackgroundToAll();
        m_form.editor().ApplyColorsToAll();
    } catch (const ZukError& e) {
        note(m_form.message(e));
    }
}

// --- "Файл-менеджер": file types and colour presets ----------------------------------

void Tfopts::buildFileTypes(QBoxLayout* layout)
{
    QGroupBox* box = group(layout, "cbFileGroups");
    auto* row = new QHBoxLayout(box);
    m_fileTypes = new QListWidget;
    m_fileTypes->setObjectName(QStringLiteral("lbExts"));
    row->addWidget(m_fileTypes, 1);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    QPushButton* add = button(buttons, "btPelFileTypeAdd");
    QPushButton* del = button(buttons, "btPelFileTypeDel");
    QPushButton* edit = button(buttons, "btPelFileTypeEdit");
    buttons->addStretch();
    highlight::CPelagos* types = highlightObjects(m_form).fileTypes;
    box->setEnabled(types != nullptr);
    if (!types)
        return;
    connect(add, &QPushButton::clicked, this, [this] { editFileType(-1); });
    connect(edit, &QPushButton::clicked, this, [this] {
        if (m_fileTypes->currentRow() >= 0)
            editFileType(m_fileTypes->currentRow());
    });
    connect(m_fileTypes, &QListWidget::itemDoubleClicked, this,
            [this] { editFileType(m_fileTypes->currentRow()); });
    connect(del, &QPushButton::clicked, this, [this, types] {
        if (QListWidgetItem* item = m_fileTypes->currentItem()) {
            types->DeleteFileType(toWin(item->text()));
            refillFileTypes();
        }
    });
    refillFileTypes();
}

void Tfopts::refillFileTypes()
{
    highlight::CPelagos* types = highlightObjects(m_form).fileTypes;
    if (!types || !m_fileTypes)
        return;
    std::vector<std::string> names;
    types->ListFileTypes(names);
    showNames(m_fileTypes, names);
}

void Tfopts::editFileType(int row)
{
    highlight::CPelagos* types = highlightObjects(m_form).fileTypes;
    if (!types)
        return;
    const bool adding =
        row < 0 || !types->Handlers || row >= static_cast<int>(types->Handlers->size());
    highlight::TRNHandler type;
    if (!adding)
        type = (*types->Handlers)[static_cast<size_t>(row)];
    const bool accepted =
        fileTypeHook ? fileTypeHook(type) : editFileTypeInDialog(m_form, this, type);
    if (!accepted || type.Ext.empty())
        return;
    if (adding)
        types->addFileType(type);
    else
        types->changeFileType(static_cast<size_t>(row), type);
    refillFileTypes();
    m_fileTypes->setCurrentRow(adding ? m_fileTypes->count() - 1 : row);
}

void Tfopts::buildFileBoxPresets(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    QLabel* caption = label(row, "lPelColors");
    m_fileBoxPresets = new QComboBox;
    m_fileBoxPresets->setObjectName(QStringLiteral("cbPelColors"));
    caption->setBuddy(m_fileBoxPresets);
    row->addWidget(m_fileBoxPresets, 1);
    QPushButton* save = button(row, "btPelColorsSave");
    const QString folder = m_form.partsFolder() + QStringLiteral("Pelagos/Colors/");
    connect(m_fileBoxPresets, &QComboBox::activated, this, [this, folder](int index) {
        const highlight::FileBoxColors preset = highlight::loadFileBoxColors(
            (folder + m_fileBoxPresets->itemText(index)).toStdString());
        m_fileBoxColours[0]->setColour(preset.Dirs);
        m_fileBoxColours[1]->setColour(preset.Files);
        m_fileBoxColours[2]->setColour(preset.back);
    });
    connect(save, &QPushButton::clicked, this, [this, folder] {
        const std::optional<QString> name = askName(prefs("sPresetName"));
        if (!name)
            return;
        highlight::FileBoxColors preset{m_fileBoxColours[0]->colour(),
                                        m_fileBoxColours[1]->colour(),
                                        m_fileBoxColours[2]->colour()};
        try {
            QDir().mkpath(folder);
            highlight::saveFileBoxColors((folder + *name).toStdString(), preset);
        } catch (const ZukError& e) {
            note(m_form.message(e));
        }
        refillFileBoxPresets();
        m_fileBoxPresets->setCurrentText(*name);
    });
    refillFileBoxPresets();
}

void Tfopts::refillFileBoxPresets()
{
    const QSignalBlocker quiet(m_fileBoxPresets);
    m_fileBoxPresets->clear();
    const std::string folder =
        (m_form.partsFolder() + QStringLiteral("Pelagos/Colors/")).toStdString();
    for (const std::string& name : highlight::listFileBoxColorPresets(folder))
        m_fileBoxPresets->addItem(QString::fromStdString(name));
    m_fileBoxPresets->setCurrentIndex(-1);
}

// --- "Подсветка": highlighting schemes and text styles -------------------------------

void Tfopts::buildSynModules(QBoxLayout* layout)
{
    QLabel* caption = label(layout, "lInstalledModules");
    m_synModules = new QListWidget;
    m_synModules->setObjectName(QStringLiteral("lbSynModules"));
    caption->setBuddy(m_synModules);
    layout->addWidget(m_synModules, 1);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* add = button(buttons, "btAddSynModule");
    QPushButton* edit = button(buttons, "btEditSynModule");
    QPushButton* del = button(buttons, "btDelSynModule");
    highlight::CSynMan* registry = highlightObjects(m_form).synMan;
    for (QWidget* w : std::initializer_list<QWidget*>{m_synModules, add, edit, del})
        w->setEnabled(registry != nullptr);
    if (!registry)
        return;
    auto editItem = [this](highlight::RSynItem& item) {
        if (synModuleHook)
            return synModuleHook(item.Ext, item.Name, item.FileName);
        highlight::TfmSyntax dialog(m_form, this);
        dialog.setItem(item);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        item = dialog.item();
        return true;
    };
    // The built-in highlighters are not registrations: they cannot change.
    auto registered = [this]() -> std::optional<std::string> {
        QListWidgetItem* current = m_synModules->currentItem();
        if (!current)
            return std::nullopt;
        const std::string name = toWin(current->text());
        if (highlight::IsBuiltInHighlighter(name)) {
            note(prefs("sCannotChangeBuiltInParsers"));
            return std::nullopt;
        }
        return name;
    };
    connect(add, &QPushButton::clicked, this, [this, registry, editItem] {
        highlight::RSynItem item;
        if (!editItem(item))
            return;
        registry->Items.push_back(item);
        refillSynModules();
        highlight::ui::refillSyntaxList(m_form);
    });
    connect(edit, &QPushButton::clicked, this, [this, registry, editItem, registered] {
        const std::optional<std::string> name = registered();
        if (!name)
            return;
        const int index = registry->IndexOfScheme(*name);
        if (index < 0)
            return;
        highlight::RSynItem item = registry->Items[static_cast<size_t>(index)];
        if (!editItem(item))
            return;
        registry->changeScheme(*name, item);
        refillSynModules();
    });
    connect(del, &QPushButton::clicked, this, [this, registry, registered] {
        if (const std::optional<std::string> name = registered()) {
            registry->DeleteScheme(*name);
            refillSynModules();
        }
    });
    refillSynModules();
}

void Tfopts::refillSynModules()
{
    highlight::CSynMan* registry = highlightObjects(m_form).synMan;
    if (!registry || !m_synModules)
        return;
    std::vector<std::string> names;
    registry->ListSchemeNames(names);
    showNames(m_synModules, names);
}

void Tfopts::buildTextStyles(QBoxLayout* layout)
{
    QGroupBox* box = group(layout, "gbTextStyles");
    layout->setStretchFactor(box, 1);
    auto* b = new QVBoxLayout(box);
    m_textStyles = new QListWidget;
    m_textStyles->setObjectName(QStringLiteral("lbTextStyles"));
    for (const highlight::RtextStyle& style : highlight::builtInTextStyles())
        m_textStyles->addItem(fromWin(style.Name));
    b->addWidget(m_textStyles, 1);
    auto colourRow = [b](const char* labelName, const char* buttonName) {
        auto* line = new QHBoxLayout;
        b->addLayout(line);
        QLabel* caption = label(line, labelName);
        auto* picker = new ColourButton;
        picker->setObjectName(QString::fromLatin1(buttonName));
        caption->setBuddy(picker);
        line->addWidget(picker);
        line->addStretch();
        return picker;
    };
    m_styleColours[0] = colourRow("lTextStylesCharsColor", "cbTextStyleFColor");
    m_styleColours[1] = colourRow("lTextStylesbackColor", "cbTextStyleBColor");
    const char* flags[3] = {"cbTextStyleBold", "cbTextStyleItalic", "cbTextStyleUnderline"};
    for (int i = 0; i < 3; ++i)
        m_styleFlags[i] = check(b, flags[i]);
    highlight::CMyTextStyles* styles = highlightObjects(m_form).textStyles;
    box->setEnabled(styles != nullptr);
    if (!styles)
        return;
    connect(m_textStyles, &QListWidget::currentRowChanged, this, &Tfopts::showTextStyle);
    for (ColourButton* picker : m_styleColours)
        picker->picked = [this](settings::Colour) { storeTextStyle(); };
    for (QCheckBox* flag : m_styleFlags)
        connect(flag, &QCheckBox::toggled, this, &Tfopts::storeTextStyle);
    m_textStyles->setCurrentRow(0);
}

void Tfopts::showTextStyle(int row)
{
    highlight::CMyTextStyles* styles = highlightObjects(m_form).textStyles;
    if (!styles || row < 0 || row >= static_cast<int>(highlight::kTextStyleCount))
        return;
    const highlight::RtextStyle& style = styles->Styles[static_cast<size_t>(row)];
    m_showingStyle = true;
    m_styleColours[0]->setColour(style.FColor);
    m_styleColours[1]->setColour(style.BColor);
    m_styleFlags[0]->setChecked(style.Bold);
    m_styleFlags[1]->setChecked(style.Italic);
    m_styleFlags[2]->setChecked(style.Underline);
    m_showingStyle = false;
}

void Tfopts::storeTextStyle()
{
    highlight::CMyTextStyles* styles = highlightObjects(m_form).textStyles;
    const int row = m_textStyles->currentRow();
    if (m_showingStyle || !styles || row < 0 || row >= static_cast<int>(highlight::kTextStyleCount))
        return;
    highlight::RtextStyle& style = styles->Styles[static_cast<size_t>(row)];
    style.FColor = m_styleColours[0]->colour();
    style.BColor = m_styleColours[1]->colour();
    style.Bold = m_styleFlags[0]->isChecked();
    style.Italic = m_styleFlags[1]->isChecked();
    style.Underline = m_styleFlags[2]->isChecked();
    // Every open document, not only the current one: documents side by side
    // would otherwise show one style two ways.
    try {
        m_form.editor().ApplyColorsToAll();
    } catch (const ZukError& e) {
        note(m_form.message(e));
    }
}

// --- "Клавиатура": keyboard layouts ----------------------------------------------------

void Tfopts::buildLayoutList(QBoxLayout* layout)
{
    QLabel* caption = label(layout, "lLayouts");
    m_layouts = new QListWidget;
    m_layouts->setObjectName(QStringLiteral("clbLayouts"));
    caption->setBuddy(m_layouts);
    layout->addWidget(m_layouts, 1);
    codepages::ui::TCodePageCommands* commands = codepages::ui::codePageCommands(m_form);
    m_layouts->setEnabled(commands != nullptr);
    if (!commands)
        return;
    // The layouts loaded now, ticked as the list has them.
    const std::vector<codepages::KLayoutEntry> entries =
        codepages::mergeKLayouts(commands->kLayouts(), commands->systemLayouts());
    for (const codepages::KLayoutEntry& entry : entries) {
        auto* item = new QListWidgetItem(fromWin(entry.name), m_layouts);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.shown ? Qt::Checked : Qt::Unchecked);
        item->setData(Qt::UserRole, QByteArray::fromStdString(entry.name));
    }
    connect(m_layouts, &QListWidget::itemChanged, this, &Tfopts::storeLayouts);
}

void Tfopts::storeLayouts()
{
    codepages::ui::TCodePageCommands* commands = codepages::ui::codePageCommands(m_form);
    if (!commands)
        return;
    std::vector<codepages::KLayoutEntry> entries;
    for (int i = 0; i < m_layouts->count(); ++i) {
        const QListWidgetItem* item = m_layouts->item(i);
        entries.push_back({item->data(Qt::UserRole).toByteArray().toStdString(),
                           item->checkState() == Qt::Checked});
    }
    commands->setKLayouts(std::move(entries));
}

} // namespace zuk::app::ui
