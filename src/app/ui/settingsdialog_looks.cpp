// The pages "Цвета", "Файл-менеджер" and "Подсветка" of the settings dialog:
// the settings of the record they hold.

#include "app/ui/mainform.h"
#include "app/ui/settingsdialog.h"
#include "codepages/charsets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zuk::app::ui {

using settings::RConnectionTable;
using settings::RFR;
using settings::ui::ColourButton;
using settings::ui::field;
using settings::ui::TextField;

namespace {

ColourButton* colourRow(QBoxLayout* layout, const char* labelName, const char* buttonName)
{
    auto* line = new QHBoxLayout;
    layout->addLayout(line);
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(labelName));
    auto* button = new ColourButton;
    button->setObjectName(QString::fromLatin1(buttonName));
    label->setBuddy(button);
    line->addWidget(label);
    line->addWidget(button);
    line->addStretch();
    return button;
}

QRadioButton* radio(QBoxLayout* layout, const char* name)
{
    auto* button = new QRadioButton;
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
}

} // namespace

void Tfopts::buildColoursPage()
{
    auto* page = new QVBoxLayout(addPage("TabSheet4"));
    auto* inner = new QTabWidget;
    inner->setObjectName(QStringLiteral("pcColors"));
    page->addWidget(inner);

    // The text area's fill.
    auto* editorTab = new QWidget;
    editorTab->setObjectName(QStringLiteral("tsEditorColors"));
    inner->addTab(editorTab, QStringLiteral("tsEditorColors"));
    auto* e = new QVBoxLayout(editorTab);
    auto fill = [](auto member) { return field<int>(&RConnectionTable::EditorFill, member); };
    QGroupBox* fillGroup = group(e, "gbEditorFill");
    auto* fg = new QVBoxLayout(fillGroup);
    QRadioButton* none = radio(fg, "rbFNONE");
    auto* wallRow = new QHBoxLayout;
    fg->addLayout(wallRow);
    QRadioButton* wall = radio(wallRow, "rbWall");
    auto* wallpaper = new QLineEdit;
    wallpaper->setObjectName(QStringLiteral("fillwallpaper"));
    wallRow->addWidget(wallpaper, 1);
    auto* browse = new QToolButton;
    browse->setText(QStringLiteral("…"));
    wallRow->addWidget(browse);
    connect(browse, &QToolButton::clicked, this, [this, wallpaper] {
        const QString chosen = QFileDialog::getOpenFileName(
            this, prefs("sChoosePicture"), wallpaper->text(),
            prefs("sPictureFilter") + QStringLiteral(" (*.png *.bmp *.gif *.jpg *.jpeg *.PNG "
                                                     "*.BMP *.GIF *.JPG *.JPEG)"));
        if (!chosen.isEmpty())
            wallpaper->setText(chosen);
    });
    auto* wallpapers = new QLabel;
    wallpapers->setObjectName(QStringLiteral("lWallpapersLink"));
    wallpapers->setOpenExternalLinks(true);
    wallRow->addWidget(wallpapers);
    m_wallMode = new QComboBox;
    m_wallMode->setObjectName(QStringLiteral("cbFillWallMode"));
    wallRow->addWidget(m_wallMode);
    auto* gradRow = new QHBoxLayout;
    fg->addLayout(gradRow);
    QRadioButton* grad = radio(gradRow, "rbGrad");
    auto* from = new ColourButton;
    from->setObjectName(QStringLiteral("cpFrom"));
    auto* to = new ColourButton;
    to->setObjectName(QStringLiteral("cpTo"));
    m_gradMode = new QComboBox;
    m_gradMode->setObjectName(QStringLiteral("cbFillGradMode"));
    gradRow->addWidget(from);
    gradRow->addWidget(to);
    gradRow->addWidget(m_gradMode);
    gradRow->addStretch();
    m_binder.bindChoice<int>({{none, 0}, {wall, 1}, {grad, 2}}, fill(&RFR::FillOption));
    m_binder.bind(wallpaper, field<std::string>(&RConnectionTable::EditorFill, &RFR::Wallpaper),
                  TextField::utf8);
    m_binder.bind(m_wallMode, fill(&RFR::WallpaperMode));
    m_binder.bind(m_gradMode, fill(&RFR::GradientMode));
    m_binder.bind(from,
                  field<settings::Colour>(&RConnectionTable::EditorFill, &RFR::GradientColor1));
    m_binder.bind(to, field<settings::Colour>(&RConnectionTable::EditorFill, &RFR::GradientColor2));

    m_gradientFrom = from;
    m_gradientTo = to;

    // The colour schemes beside the four colours they set.
    auto* schemeRow = new QHBoxLayout;
    e->addLayout(schemeRow);
    auto* colourGroups = new QVBoxLayout;
    schemeRow->addLayout(colourGroups, 1);
    QGroupBox* plain = group(colourGroups, "gbSimpleText");
    auto* pl = new QVBoxLayout(plain);
    m_schemeColours[0] = colourRow(pl, "lFontColor", "cpFontColor");
    m_schemeColours[1] = colourRow(pl, "lBackColor", "cpBackColor");
    QGroupBox* selected = group(colourGroups, "gbSelectedtext");
    auto* se = new QVBoxLayout(selected);
    m_schemeColours[2] = colourRow(se, "lSelFontColor", "cpSelFontColor");
    m_schemeColours[3] = colourRow(se, "lSelBack", "cpSelBack");
    m_binder.bind(m_schemeColours[0], field<settings::Colour>(&RConnectionTable::FontColor));
    m_binder.bind(m_schemeColours[1], field<settings::Colour>(&RConnectionTable::BGColor));
    m_binder.bind(m_schemeColours[2], field<settings::Colour>(&RConnectionTable::SelFontColor));
    m_binder.bind(m_schemeColours[3], field<settings::Colour>(&RConnectionTable::SelBGColor));
    buildSchemeList(schemeRow);
    e->addStretch();

    // The gutter.
    auto* miscTab = new QWidget;
    miscTab->setObjectName(QStringLiteral("tsMiscColors"));
    inner->addTab(miscTab, QStringLiteral("tsMiscColors"));
    auto* m = new QVBoxLayout(miscTab);
    QGroupBox* gutter = group(m, "gbGutterOpts");
    auto* g = new QVBoxLayout(gutter);
    auto gut = [](auto member) { return field<int>(&RConnectionTable::GutterFill, member); };
    auto* plainRow = new QHBoxLayout;
    g->addLayout(plainRow);
    QRadioButton* simple = radio(plainRow, "rbFillSimpleColor");
    auto* simpleColour = new ColourButton;
    simpleColour->setObjectName(QStringLiteral("cpGutterSimpleColor"));
    plainRow->addWidget(simpleColour);
    plainRow->addStretch();
    auto* gutterGradRow = new QHBoxLayout;
    g->addLayout(gutterGradRow);
    QRadioButton* gutterGrad = radio(gutterGradRow, "rbGutterGrad");
    auto* gradFrom = new ColourButton;
    gradFrom->setObjectName(QStringLiteral("cpGradFrom"));
    auto* gradTo = new ColourButton;
    gradTo->setObjectName(QStringLiteral("cpGradTo"));
    m_gutterGradMode = new QComboBox;
    m_gutterGradMode->setObjectName(QStringLiteral("lbGutterGradMode"));
    gutterGradRow->addWidget(gradFrom);
    gutterGradRow->addWidget(gradTo);
    gutterGradRow->addWidget(m_gutterGradMode);
    gutterGradRow->addStretch();
    QSpinBox* width = spin(g, "lWidthInPixels");
    width->setObjectName(QStringLiteral("spGutterWidth"));
    m_binder.bindChoice<int>({{simple, 0}, {gutterGrad, 2}}, gut(&RFR::FillOption));
    m_binder.bind(simpleColour,
                  field<settings::Colour>(&RConnectionTable::GutterFill, &RFR::SimpleColor));
    m_binder.bind(gradFrom,
                  field<settings::Colour>(&RConnectionTable::GutterFill, &RFR::GradientColor1));
    m_binder.bind(gradTo,
                  field<settings::Colour>(&RConnectionTable::GutterFill, &RFR::GradientColor2));
    m_binder.bind(m_gutterGradMode, gut(&RFR::GradientMode));
    m_binder.bind(width, gut(&RFR::width), 15, 1000);
    m->addStretch();
}

void Tfopts::buildFileManagerPage()
{
    auto* page = new QVBoxLayout(addPage("tsFileMan"));
    QSpinBox* cols = spin(page, "lPelagosColsNum");
    cols->setObjectName(QStringLiteral("sePelagosCols"));
    m_binder.bind(cols, field<int>(&RConnectionTable::FileBoxCols), 1, 100);
    auto* fontRow = new QHBoxLayout;
    page->addLayout(fontRow);
    auto* fontLabel = new QLabel;
    fontLabel->setObjectName(QStringLiteral("lPelagosFont"));
    auto* font = new QFontComboBox;
    font->setObjectName(QStringLiteral("fcPelagosFont"));
    fontLabel->setBuddy(font);
    auto* sizeLabel = new QLabel;
    sizeLabel->setObjectName(QStringLiteral("lPelagosFontSize"));
    auto* size = new QSpinBox;
    size->setObjectName(QStringLiteral("sePelFontSize"));
    sizeLabel->setBuddy(size);
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(font, 1);
    fontRow->addWidget(sizeLabel);
    fontRow->addWidget(size);
    m_binder.bindCustom(
        [font](const RConnectionTable& ct) {
            font->setCurrentFont(QFont(QString::fromStdString(codepages::winToUtf8(ct.PelFont))));
        },
        [font](RConnectionTable& ct) {
            ct.PelFont = codepages::utf8ToWin(font->currentFont().family().toStdString());
        });
    m_binder.bind(size, field<int>(&RConnectionTable::PelFontSize), 7, 50);

    QGroupBox* colours = group(page, "gbPelagosColors");
    auto* c = new QVBoxLayout(colours);
    m_fileBoxColours[0] = colourRow(c, "lFolders", "cbFolders");
    m_fileBoxColours[1] = colourRow(c, "lFiles", "cbFiles");
    m_fileBoxColours[2] = colourRow(c, "lBackgr", "cbBack");
    m_binder.bind(m_fileBoxColours[0], field<settings::Colour>(&RConnectionTable::FileBoxFolders));
    m_binder.bind(m_fileBoxColours[1], field<settings::Colour>(&RConnectionTable::FileBoxFiles));
    m_binder.bind(m_fileBoxColours[2], field<settings::Colour>(&RConnectionTable::FileBoxBack));
    buildFileBoxPresets(c);
    buildFileTypes(page);

    QGroupBox* viewer = group(page, "gbSmotrelka");
    auto* v = new QVBoxLayout(viewer);
    m_binder.bind(check(v, "cbShowSmotrelka"), field<bool>(&RConnectionTable::show_smotrelka));
    QSpinBox* thumbW = spin(v, "lThumbW");
    thumbW->setObjectName(QStringLiteral("seThumbW"));
    thumbW->setSingleStep(10);
    m_binder.bind(thumbW, field<int>(&RConnectionTable::th_w), 10, 500);
    QSpinBox* thumbH = spin(v, "lThumbH");
    thumbH->setObjectName(QStringLiteral("seThumbH"));
    thumbH->setSingleStep(10);
    m_binder.bind(thumbH, field<int>(&RConnectionTable::th_h), 10, 500);
    m_binder.bind(colourRow(v, "lThumbColor", "cpThumbColor"),
                  field<settings::Colour>(&RConnectionTable::th_color));

    m_binder.bind(check(page, "cboutput_processed_files_to_dir"),
                  field<bool>(&RConnectionTable::boutput_processed_files_to_dir));
    m_binder.bind(fileRow(page, nullptr, "edoutput_processed_files_to_dir", true),
                  field<std::string>(&RConnectionTable::soutput_processed_files_to_dir),
                  TextField::utf8);
    page->addStretch();
}

void Tfopts::buildHighlightPage()
{
    auto* page = new QVBoxLayout(addPage("stSyntax"));
    m_binder.bind(check(page, "cbSyntaxHighlight"),
                  field<bool>(&RConnectionTable::SyntaxHighlight));
    m_binder.bind(check(page, "cbtext_styles_use_back_color"),
                  field<bool>(&RConnectionTable::text_styles_use_back_color));
    auto* lists = new QHBoxLayout;
    page->addLayout(lists, 1);
    auto* modules = new QVBoxLayout;
    lists->addLayout(modules, 1);
    buildSynModules(modules);
    buildTextStyles(lists);
}

} // namespace zuk::app::ui
