#include "app/ui/settingsdialog.h"

#include "app/textservice.h"
#include "app/ui/generalcommands.h"
#include "app/ui/localiser.h"
#include "app/ui/mainform.h"
#include "app/ui/toolbarsholder.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "filebox/ui/fileboxcommands.h"
#include "plugins/ui/plugincommands.h"
#include "settings/settings.h"
#include "settings/settingsnotifier.h"
#include "settings/settingstexts.h"
#include "tools/toolstexts.h"
#include "tools/ui/cfunx.h"
#include "tools/ui/tfmcompopts.h"
#include "tools/ui/toolscommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zuk::app::ui {

using settings::RConnectionTable;
using settings::RSaveOptions;
using settings::ui::field;
using settings::ui::TextField;

namespace {

QPointer<Tfopts> g_open;

// The characters a version-name prefix may not hold: they would make the
// version's file name a path or a pattern.
QString blankForbiddenPrefixCharacters(QString text)
{
    for (QChar& c : text)
        if (QStringLiteral("*,./;<>\\").contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

QHBoxLayout* row(QBoxLayout* layout)
{
    auto* line = new QHBoxLayout;
    layout->addLayout(line);
    return line;
}

} // namespace

Tfopts::Tfopts(TMainForm& form) : QDialog(form.window()), m_form(form)
{
    setObjectName(QStringLiteral("Tfopts"));
    setModal(true);
    g_open = this;

    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pcOpts"));
    // The fourteen captions do not fit one row of tabs; the bar scrolls.
    m_pages->tabBar()->setUsesScrollButtons(true);
    layout->addWidget(m_pages);

    buildMiscPage();
    buildColoursPage();
    buildSavePage();
    buildFileManagerPage();
    buildHighlightPage();
    buildKeyboardPage();
    buildEditorPage();
    buildProgramsPage();
    buildPluginsPage();
    buildSoundPage();
    buildMiraclesPage();
    buildInterfacePage();
    buildFunctionsPage();
    buildTidyPage();

    auto* buttons = row(layout);
    buttons->addStretch();
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Tfopts::accept);
    buttons->addWidget(ok);
    auto* saveNowButton = new QPushButton(this);
    saveNowButton->setObjectName(QStringLiteral("tbSaveNow"));
    connect(saveNowButton, &QPushButton::clicked, this, &Tfopts::saveNow);
    buttons->addWidget(saveNowButton);

    LocaliseSettingsDialog();
    m_binder.load(m_form.settings());
    // Wide enough for the keyboard page's tree beside the toolbar group.
    resize(std::max(sizeHint().width(), 900), std::max(sizeHint().height(), 640));
    form.addLocaliser(this, [this] { LocaliseSettingsDialog(); });
}

Tfopts::~Tfopts() = default;

Tfopts* openSettingsDialog()
{
    return g_open.data();
}

QString Tfopts::prefs(const char* key) const
{
    return m_form.text("PREFS", key);
}

QWidget* Tfopts::addPage(const char* name)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    m_pages->addTab(page, QString::fromLatin1(name));
    return page;
}

QGroupBox* Tfopts::group(QBoxLayout* layout, const char* name)
{
    auto* box = new QGroupBox;
    box->setObjectName(QString::fromLatin1(name));
    layout->addWidget(box);
    return box;
}

QCheckBox* Tfopts::check(QBoxLayout* layout, const char* name)
{
    auto* box = new QCheckBox;
    box->setObjectName(QString::fromLatin1(name));
    layout->addWidget(box);
    return box;
}

QSpinBox* Tfopts::spin(QBoxLayout* layout, const char* labelName)
{
    auto* line = row(layout);
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(labelName));
    auto* box = new QSpinBox;
    label->setBuddy(box);
    line->addWidget(label);
    line->addWidget(box);
    line->addStretch();
    return box;
}

QLineEdit* Tfopts::lineEdit(QBoxLayout* layout, const char* labelName, const char* editName)
{
    auto* line = row(layout);
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(editName));
    if (labelName) {
        auto* label = new QLabel;
        label->setObjectName(QString::fromLatin1(labelName));
        label->setBuddy(edit);
        line->addWidget(label);
    }
    line->addWidget(edit, 1);
    return edit;
}

void Tfopts::buildMiscPage()
{
    auto* page = new QVBoxLayout(addPage("tsOptsMain"));
    m_binder.bind(check(page, "cbDoEncDetect"), field<bool>(&RConnectionTable::DoEncDetect));
    m_binder.bind(check(page, "cbChangeQuotes"), field<bool>(&RConnectionTable::ChangeQuotes));
    QSpinBox* recent = spin(page, "lRecentItemsCount");
    recent->setObjectName(QStringLiteral("seRecentCount"));
    m_binder.bind(recent, field<int>(&RConnectionTable::MRUItemsCount), 1, 365);
    m_binder.bind(check(page, "cbload_opened_files_on_start"),
                  field<bool>(&RConnectionTable::LoadLastFiles));
    m_binder.bind(check(page, "cbautosave_on_exit"),
                  field<bool>(&RConnectionTable::autosave_on_exit));
    m_binder.bind(check(page, "cbExitReq"), field<bool>(&RConnectionTable::confirm_on_exit));
    QLineEdit* makros = lineEdit(page, "lMakros", "edMakros");
    makros->setMaxLength(1);
    // An empty box keeps the macro character: snippets cannot do without one.
    m_binder.bindCustom(
        [makros](const RConnectionTable& ct) {
            makros->setText(QString::fromStdString(codepages::winToUtf8(ct.Metachar)));
        },
        [makros](RConnectionTable& ct) {
            if (!makros->text().isEmpty())
                ct.Metachar = codepages::utf8ToWin(makros->text().toStdString());
        });

    QGroupBox* load = group(page, "gbCPUStatus");
    auto* loadLayout = new QVBoxLayout(load);
    m_binder.bind(check(loadLayout, "cbCPUStatus"),
                  field<bool>(&RConnectionTable::CPUStatus_enable));
    QSpinBox* period = spin(loadLayout, "lCPUStatusUpdate");
    period->setObjectName(QStringLiteral("seCPUStatusUpdate"));
    m_binder.bind(period, field<int>(&RConnectionTable::CPUStatus_update), 1, 10000, 1000);
    m_binder.bind(check(loadLayout, "cbDisplayMemStatus"),
                  field<bool>(&RConnectionTable::DisplayMemStatus));
    m_binder.bind(check(page, "cbExitOnEsc"), field<bool>(&RConnectionTable::exit_on_esc));
    page->addStretch();
}

void Tfopts::buildSavePage()
{
    auto* page = new QVBoxLayout(addPage("tsSaveOptions"));
    auto save = [](auto member) { return field<bool>(&RConnectionTable::SaveOptions, member); };

    QGroupBox* versions = group(page, "gbVersions");
    auto* v = new QVBoxLayout(versions);
    m_binder.bind(check(v, "cbSaveVersionOnExit"), save(&RSaveOptions::SaveVersionOnExit));
    m_binder.bind(check(v, "cbConvertVersionTo"), save(&RSaveOptions::DoConvertVersionToCharset));
    auto* charsets = row(v);
    std::vector<std::pair<QAbstractButton*, std::string>> choice;
    for (const auto& [name, value] :
         {std::pair{"rbWin", "win"}, {"rbKOI", "koi"}, {"rbDOS", "dos"}}) {
        auto* button = new QRadioButton;
        button->setObjectName(QString::fromLatin1(name));
        charsets->addWidget(button);
        choice.emplace_back(button, value);
    }
    charsets->addStretch();
    m_binder.bindChoice<std::string>(
        choice,
        field<std::string>(&RConnectionTable::SaveOptions, &RSaveOptions::ConvertVersionToCharset));
    auto* prefixRow = row(v);
    QCheckBox* addPrefix = check(prefixRow, "cbAddPrefixToVersion");
    m_binder.bind(addPrefix, save(&RSaveOptions::AddVersionNamePrefix));
    auto* prefix = new QLineEdit;
    prefix->setObjectName(QStringLiteral("edPrefix"));
    prefixRow->addWidget(prefix, 1);
    // Checked as a whole, so that pasted text cannot bring a path in either.
    connect(prefix, &QLineEdit::textChanged, prefix, [prefix](const QString& text) {
        const QString clean = blankForbiddenPrefixCharacters(text);
        if (clean != text) {
            const int at = prefix->cursorPosition();
            prefix->setText(clean);
            prefix->setCursorPosition(at);
        }
    });
    m_binder.bind(
        prefix,
        field<std::string>(&RConnectionTable::SaveOptions, &RSaveOptions::VersionNamePrefix),
        TextField::win1251);
    m_binder.bind(check(v, "cbSamePlace"), save(&RSaveOptions::SaveInSameFolder));
    auto* copyRow = row(v);
    m_binder.bind(check(copyRow, "cbDoCopyOfVer"), save(&RSaveOptions::DoCopyVer));
    auto* copyPath = new QLineEdit;
    copyPath->setObjectName(QStringLiteral("deCopyVer"));
    copyRow->addWidget(copyPath, 1);
    auto* browse = new QToolButton;
    browse->setObjectName(QStringLiteral("btBrowseCopyVer"));
    browse->setText(QStringLiteral("…"));
    copyRow->addWidget(browse);
    connect(browse, &QToolButton::clicked, this, [this, copyPath] {
        const QString folder =
            QFileDialog::getExistingDirectory(this, prefs("sChooseFolder"), copyPath->text());
        if (!folder.isEmpty())
            copyPath->setText(folder);
    });
    m_binder.bind(copyPath,
                  field<std::string>(&RConnectionTable::SaveOptions, &RSaveOptions::CopyVerPath),
                  TextField::utf8);

    QGroupBox* onEvent = group(page, "gbSaveOnEvent");
    auto* e = new QHBoxLayout(onEvent);
    m_binder.bind(check(e, "cbStandBy"), field<bool>(&RConnectionTable::StandBy));
    m_binder.bind(check(e, "cbSuspend"), field<bool>(&RConnectionTable::Suspend));
    m_binder.bind(check(e, "cbShutdown"), field<bool>(&RConnectionTable::shutdown));

    QGroupBox* backups = group(page, "gbBackupOpts");
    auto* b = new QVBoxLayout(backups);
    m_binder.bind(check(b, "cbBkOnOpen"), field<bool>(&RConnectionTable::bkonopen));
    auto* timed = row(b);
    m_binder.bind(check(timed, "cbTimeAutoSave"), save(&RSaveOptions::SaveTimeEnable));
    auto* minutes = new QSpinBox;
    minutes->setObjectName(QStringLiteral("seTimeAutoSave"));
    timed->addWidget(minutes);
    timed->addStretch();
    m_binder.bind(minutes, field<int>(&RConnectionTable::SaveOptions, &RSaveOptions::SaveTime), 1,
                  1000);

    QGroupBox* www = group(page, "gbWWWSaveOpts");
    auto* w = new QVBoxLayout(www);
    m_binder.bind(check(w, "cbautosaveonpreview"),
                  field<bool>(&RConnectionTable::autosaveonpreview));

    m_binder.bind(check(page, "cbSaveToolbarsOnExit"),
                  field<bool>(&RConnectionTable::SaveToolbarsOnExit));
    auto* extRow = row(page);
    m_binder.bind(check(extRow, "cbChFileExt"), field<bool>(&RConnectionTable::chfileext));
    auto* defext = new QLineEdit;
    defext->setObjectName(QStringLiteral("edDefExt"));
    extRow->addWidget(defext, 1);
    m_binder.bind(defext, field<std::string>(&RConnectionTable::defext), TextField::win1251);
    m_binder.bind(check(page, "cbdo_crash_copy"), field<bool>(&RConnectionTable::do_crash_copy));
    page->addStretch();
}

void Tfopts::buildEditorPage()
{
    auto* page = new QVBoxLayout(addPage("tsEditor"));
    m_binder.bind(check(page, "cbGutterVisible"), field<bool>(&RConnectionTable::Gutter_Visible));
    m_binder.bind(check(page, "cbDefAutoIndent"), field<bool>(&RConnectionTable::DefAutoIndent));
    QSpinBox* indent = spin(page, "lSpacesPerIndentCount");
    indent->setObjectName(QStringLiteral("pAutoIndent"));
    m_binder.bind(indent, field<int>(&RConnectionTable::autoindent), settings::kMinIndent,
                  settings::kMaxIndent);
    m_binder.bind(check(page, "cbMarginActive"), field<bool>(&RConnectionTable::MarginActive));
    QSpinBox* margin = spin(page, "lLineWidthInChars");
    margin->setObjectName(QStringLiteral("edit1"));
    m_binder.bind(margin, field<int>(&RConnectionTable::RMargin), 1, 10000);
    // Column 10 is never kept: the box moves on to 11.
    connect(margin, &QSpinBox::valueChanged, margin, [margin](int value) {
        if (value == 10)
            margin->setValue(11);
    });
    m_binder.bind(check(page, "cbShowLineNumbers"),
                  field<bool>(&RConnectionTable::ShowLineNumbers));
    auto* lined = row(page);
    m_binder.bind(check(lined, "cbLined"), field<bool>(&RConnectionTable::Lined));
    auto* styleLabel = new QLabel;
    styleLabel->setObjectName(QStringLiteral("lEditLineSepStyle"));
    lined->addWidget(styleLabel);
    m_lineSepStyle = new QComboBox;
    m_lineSepStyle->setObjectName(QStringLiteral("seEditLineSepStyle"));
    styleLabel->setBuddy(m_lineSepStyle);
    lined->addWidget(m_lineSepStyle);
    lined->addStretch();
    fillModeBoxes();
    m_binder.bind(m_lineSepStyle, field<int>(&RConnectionTable::EditLineSepStyle));
    QSpinBox* tab = spin(page, "lCharsPerTab");
    tab->setObjectName(QStringLiteral("spTabsCount"));
    m_binder.bind(tab, field<int>(&RConnectionTable::SpacesPerTab), settings::kMinIndent,
                  settings::kMaxIndent);
    m_binder.bind(check(page, "cbPersistentblocks"),
                  field<bool>(&RConnectionTable::Persistent_blocks));
    m_binder.bind(check(page, "cbHlUrls"), field<bool>(&RConnectionTable::BHU));
    page->addStretch();
}

QLineEdit* Tfopts::fileRow(QBoxLayout* layout, const char* labelName, const char* editName,
                           bool folder)
{
    QLineEdit* edit = lineEdit(layout, labelName, editName);
    auto* browse = new QToolButton;
    browse->setText(QStringLiteral("…"));
    QLayout* line = layout->itemAt(layout->count() - 1)->layout();
    line->addWidget(browse);
    connect(browse, &QToolButton::clicked, this, [this, edit, folder] {
        const QString chosen =
            folder ? QFileDialog::getExistingDirectory(this, prefs("sChooseFolder"), edit->text())
                   : QFileDialog::getOpenFileName(this, prefs("sChooseProgram"), edit->text());
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    return edit;
}

void Tfopts::buildProgramsPage()
{
    QWidget* tab = addPage("tsPrograms");
    auto* page = new QVBoxLayout(tab);
    if (tools::ui::CFunx* programs = tools::ui::externalPrograms(m_form)) {
        // The program list editor, set into the page in place of a window.
        auto* editor = new tools::ui::TfmCompOpts(m_form, programs->programs(), tab);
        editor->setWindowFlags(Qt::Widget);
        editor->setObjectName(QStringLiteral("lbcompilers"));
        if (auto* close = editor->findChild<QWidget*>(QStringLiteral("btClose")))
            close->hide();
        editor->edited = [this, programs] {
            programs->programListEdited();
            rebuildMenuTree();
        };
        m_form.addLocaliser(editor, [this, editor] {
            localiseWindow(editor, tools::compOptsTexts(), m_form.texts());
        });
        page->addWidget(editor, 1);
    }
    m_binder.bind(check(page, "cbUseTempFile"), field<bool>(&RConnectionTable::use_temp_file));
    m_binder.bind(fileRow(page, "lImageEditor", "edimageEditor", false),
                  field<std::string>(&RConnectionTable::imageeditor), TextField::utf8);
    m_binder.bind(fileRow(page, "lImageViewer", "edimageviewer", false),
                  field<std::string>(&RConnectionTable::imageviewer), TextField::utf8);
    m_binder.bind(fileRow(page, "lIEPath", "dcIEPath", false),
                  field<std::string>(&RConnectionTable::BrowserPaths, &settings::RBrowserPaths::ie),
                  TextField::utf8);
    m_binder.bind(
        fileRow(page, "lOperaPath", "edOperaPath", false),
        field<std::string>(&RConnectionTable::BrowserPaths, &settings::RBrowserPaths::opera),
        TextField::utf8);
}

void Tfopts::buildPluginsPage()
{
    auto* page = new QHBoxLayout(addPage("tsPlugs"));
    m_plugins = new QListWidget;
    m_plugins->setObjectName(QStringLiteral("ListBox1"));
    page->addWidget(m_plugins, 1);
    auto* side = new QVBoxLayout;
    page->addLayout(side, 1);
    auto* infoTitle = new QLabel;
    infoTitle->setObjectName(QStringLiteral("lHandlePluginInfo"));
    side->addWidget(infoTitle);
    m_pluginInfo = new QLabel;
    m_pluginInfo->setObjectName(QStringLiteral("mPluginInfo"));
    m_pluginInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pluginInfo->setFrameShape(QFrame::StyledPanel);
    m_pluginInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pluginInfo->setMinimumHeight(60);
    side->addWidget(m_pluginInfo);
    auto button = [side](const char* name) {
        auto* b = new QPushButton;
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        side->addWidget(b);
        return b;
    };
    QPushButton* install = button("btHandlePlugInstall");
    QPushButton* remove = button("btHandlePlugRemoveCurrent");
    QPushButton* rescan = button("btHandlePlugRefreshList");
    side->addStretch();

    plugins::ui::TPluginCommands* manager = plugins::ui::pluginCommands(m_form);
    for (QPushButton* b : {install, remove, rescan})
        b->setEnabled(manager != nullptr);
    if (!manager)
        return;
    connect(m_plugins, &QListWidget::currentRowChanged, this, &Tfopts::showPluginInfo);
    connect(install, &QPushButton::clicked, this, [this, manager] {
        manager->installFromDialog();
        refillPlugins();
    });
    connect(remove, &QPushButton::clicked, this, [this, manager] {
        const int row = m_plugins->currentRow();
        if (row < 0)
            return;
        manager->removePlugin(row);
        refillPlugins();
        rebuildMenuTree();
    });
    connect(rescan, &QPushButton::clicked, this, [this, manager] {
        m_form.showStatus(
            m_form.format("PREFS", "sScanAt", {QString::fromStdString(manager->pluginsFolder())}));
        manager->rescanPlugins();
        refillPlugins();
        rebuildMenuTree();
    });
    refillPlugins();
}

void Tfopts::refillPlugins()
{
    m_plugins->clear();
    m_pluginInfo->clear();
    if (plugins::ui::TPluginCommands* manager = plugins::ui::pluginCommands(m_form))
        for (const std::string& name : manager->manager().ListPluginNames())
            m_plugins->addItem(QString::fromStdString(codepages::winToUtf8(name)));
}

void Tfopts::showPluginInfo(int row)
{
    plugins::ui::TPluginCommands* manager = plugins::ui::pluginCommands(m_form);
    if (!manager || row < 0 ||
        static_cast<std::size_t>(row) >= manager->manager().Plugins().size()) {
        m_pluginInfo->clear();
        return;
    }
    const plugins::PluginEntry& entry = manager->manager().Plugins()[row];
    m_pluginInfo->setText(prefs("sPluginName") + QStringLiteral(": ") +
                          QString::fromStdString(codepages::winToUtf8(entry.name)) +
                          QLatin1Char('\n') + prefs("sFileName") + QStringLiteral(": ") +
                          QString::fromStdString(entry.file));
}

void Tfopts::buildFunctionsPage()
{
    auto* page = new QVBoxLayout(addPage("tsFunx"));
    QGroupBox* exts = group(page, "gbPelagosExts");
    auto* e = new QVBoxLayout(exts);
    m_extensions = new QListWidget;
    m_extensions->setObjectName(QStringLiteral("lbDenyExt"));
    e->addWidget(m_extensions);
    for (const std::string& ext : m_form.enabledExts())
        m_extensions->addItem(QString::fromStdString(codepages::winToUtf8(ext)));
    auto* addRow = row(e);
    auto* ext = new QLineEdit;
    ext->setObjectName(QStringLiteral("edDenyExt"));
    addRow->addWidget(ext, 1);
    auto* example = new QLabel;
    example->setObjectName(QStringLiteral("lDenyExtExample"));
    addRow->addWidget(example);
    auto* add = new QToolButton;
    add->setObjectName(QStringLiteral("tbAddDenyExt"));
    addRow->addWidget(add);
    auto* del = new QToolButton;
    del->setObjectName(QStringLiteral("tbDelDenyExt"));
    addRow->addWidget(del);
    connect(add, &QToolButton::clicked, this, [this, ext] {
        if (!ext->text().isEmpty())
            m_extensions->addItem(ext->text());
    });
    connect(del, &QToolButton::clicked, this, [this] {
        if (m_extensions->currentRow() >= 0)
            delete m_extensions->takeItem(m_extensions->currentRow());
    });

    QGroupBox* rtf = group(page, "bgImportRTF");
    auto* r = new QHBoxLayout(rtf);
    auto* asText = new QRadioButton;
    asText->setObjectName(QStringLiteral("rbRTFAsText"));
    auto* asHtml = new QRadioButton;
    asHtml->setObjectName(QStringLiteral("rbRTFAsHTML"));
    r->addWidget(asText);
    r->addWidget(asHtml);
    r->addStretch();
    m_binder.bindChoice<bool>({{asText, true}, {asHtml, false}},
                              field<bool>(&RConnectionTable::rtf_import_as_text));

    QGroupBox* translit = group(page, "gbRunglerOpts");
    auto* t = new QHBoxLayout(translit);
    auto modeBox = [this, t](const char* labelName, const char* boxName,
                             std::initializer_list<const char*> modes,
                             std::string RConnectionTable::*member) {
        auto* label = new QLabel;
        label->setObjectName(QString::fromLatin1(labelName));
        auto* box = new QComboBox;
        box->setObjectName(QString::fromLatin1(boxName));
        for (const char* mode : modes)
            box->addItem(QString::fromLatin1(mode));
        label->setBuddy(box);
        t->addWidget(label);
        t->addWidget(box);
        // A stored mode that is none of the items shows none and is kept.
        m_binder.bindCustom(
            [box, member](const RConnectionTable& ct) {
                box->setCurrentIndex(box->findText(QString::fromStdString(ct.*member)));
            },
            [box, member](RConnectionTable& ct) {
                if (box->currentIndex() >= 0)
                    ct.*member = box->currentText().toStdString();
            });
        return box;
    };
    m_shcha = modeBox("lShchaMode", "cbShchaMode", {"Sj", "Q", "Sch", "Shch", "W"},
                      &RConnectionTable::ShchaConvMode);
    m_xa = modeBox("lXaMode", "cbXaMode", {"X", "KH", "H"}, &RConnectionTable::XaConvMode);
    m_w = modeBox("lWMode", "cbWMode", {"V", "Sj"}, &RConnectionTable::WInterpMode);
    m_binder.bind(check(t, "cbUseExtTranslit"), field<bool>(&RConnectionTable::use_ext_translit));
    t->addStretch();

    QGroupBox* fileBox = group(page, "gbPelagosFunx");
    auto* p = new QVBoxLayout(fileBox);
    m_binder.bind(check(p, "cbfind_opt_CaseInsensitive"),
                  field<bool>(&RConnectionTable::find_opt_CaseInsensitive));
    m_binder.bind(check(p, "mniReplaceRecursive"),
                  field<bool>(&RConnectionTable::ReplaceRecursive));
    page->addStretch();
}

void Tfopts::buildTidyPage()
{
    auto* page = new QVBoxLayout(addPage("tsTidy"));
    m_binder.bind(fileRow(page, "lTidyPath", "edTidyPath", false),
                  field<std::string>(&RConnectionTable::tidy_path), TextField::utf8);
    m_binder.bind(lineEdit(page, "lTidyCmopts", "edTidyCmopts"),
                  field<std::string>(&RConnectionTable::tidyconfstr), TextField::win1251);
    for (const char* name : {"lTidyHome", "lTidyDownload"}) {
        auto* link = new QLabel;
        link->setObjectName(QString::fromLatin1(name));
        link->setOpenExternalLinks(true);
        link->setTextFormat(Qt::RichText);
        page->addWidget(link);
    }
    page->addStretch();
}

void Tfopts::takeExtensionList()
{
    std::vector<std::string>& list = m_form.enabledExts();
    list.clear();
    for (int i = 0; i < m_extensions->count(); ++i)
        list.push_back(codepages::utf8ToWin(m_extensions->item(i)->text().toStdString()));
}

void Tfopts::done(int result)
{
    takeExtensionList();
    QDialog::done(result);
}

void Tfopts::fillModeBoxes()
{
    // Refilled with each language; the value shown stays, since the items
    // carry their values and are matched by them, not by their words.
    auto refill = [this](QComboBox* box, std::initializer_list<std::pair<const char*, int>> items) {
        if (!box)
            return;
        const QVariant chosen = box->currentData();
        const QSignalBlocker quiet(box);
        box->clear();
        for (const auto& [key, value] : items)
            box->addItem(prefs(key), value);
        box->setCurrentIndex(box->findData(chosen));
    };
    refill(m_lineSepStyle, {{"sPenSolid", 0},
                            {"sPenDash", 1},
                            {"sPenDot", 2},
                            {"sPenDashDot", 3},
                            {"sPenDashDotDot", 4}});
    refill(
        m_wallMode,
        {{"cbFillWallMode_Tiled", 1}, {"cbFillWallMode_Stretch", 3}, {"cbFillWallMode_Center", 2}});
    for (QComboBox* box : {m_gradMode, m_gutterGradMode})
        refill(box, {{"cbFillGradMode_vert", 1}, {"cbFillGradMode_hor", 2}});
}

void Tfopts::LocaliseSettingsDialog()
{
    const TextTable& table = settings::prefsTexts();
    localiseWindow(this, table, m_form.texts(), true);
    if (m_form.settings().Lang != RConnectionTable().Lang)
        localiseWindow(this, table, m_form.texts());
    fillModeBoxes();
}

void Tfopts::selectPageByCaption(const QString& caption)
{
    for (int i = 0; i < m_pages->count(); ++i)
        if (m_pages->tabText(i) == caption) {
            m_pages->setCurrentIndex(i);
            return;
        }
    m_pages->setCurrentWidget(m_pages->findChild<QWidget*>(QStringLiteral("stSyntax")));
}

QString Tfopts::activePageCaption() const
{
    return m_pages->tabText(m_pages->currentIndex());
}

void Tfopts::storeIntoRecord()
{
    m_binder.store(m_form.settings());
    const bool scrolling = m_form.settings().AutoscrollActive;
    m_form.setChecked("mniAscroll", scrolling);
    if (!scrolling)
        if (GeneralCommands* general = GeneralCommands::of(m_form))
            general->suspendAutoscroll(true);
    m_form.settingsNotifier().notify();
}

void Tfopts::saveNow()
{
    storeIntoRecord();
    takeExtensionList();
    try {
        m_form.SaveSettings();
        if (CToolbarsHolder* toolbars = toolbarsHolder(m_form))
            toolbars->SaveAll();
    } catch (const ZukError& e) {
        m_form.showNote(m_form.format("PREFS", "sSaveFailed", {m_form.message(e)}));
    }
}

void Tfopts::accept()
{
    storeIntoRecord();
    if (m_form.settings().AutoscrollActive)
        if (GeneralCommands* general = GeneralCommands::of(m_form))
            general->suspendAutoscroll(false);
    m_form.setBusy(false);
    QDialog::accept();
}

namespace {

// The file box shown again, so that it shows the new settings at once and has
// the focus it had.
void refreshFileBox(TMainForm& form)
{
    QWidget* fileBox = form.existingToolWindow(filebox::ui::kFileBoxWindow);
    if (!fileBox || !fileBox->isVisible())
        return;
    fileBox->hide();
    fileBox->show();
    form.activateWindow();
    fileBox->activateWindow();
}

QString storedCaption(const std::string& lastab)
{
    return QString::fromStdString(codepages::winToUtf8(lastab));
}

} // namespace

void ShowSettings(TMainForm& form)
{
    if (GeneralCommands* general = GeneralCommands::of(form))
        general->suspendAutoscroll(true);
    form.setBusy(true);
    auto* dialog = new Tfopts(form);
    dialog->selectPageByCaption(storedCaption(form.windowProps().Lastab));
    dialog->exec();
    form.windowProps().Lastab = codepages::utf8ToWin(dialog->activePageCaption().toStdString());
    delete dialog;
    refreshFileBox(form);
    form.setBusy(false);
}

void ShowSettingsOnFileManagerPage(TMainForm& form)
{
    form.showSettingsPage("tsFileMan");
}

void TMainForm::showSettingsPage(std::string_view page)
{
    auto* dialog = new Tfopts(*this);
    const QString name = QString::fromUtf8(page.data(), static_cast<int>(page.size()));
    if (auto* tab = dialog->pages()->findChild<QWidget*>(name))
        dialog->pages()->setCurrentWidget(tab);
    dialog->exec();
    delete dialog;
    refreshFileBox(*this);
}

void installSettingsCommands(TMainForm& form)
{
    form.addCommands({{"mniOpts", [&form] { ShowSettings(form); }}});
}

} // namespace zuk::app::ui
