#include "html/ui/tfmthumboptions.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "html/htmltexts.h"
#include "html/ui/htmlfiles.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace zuk::html::ui {

TfmThumbOptions::TfmThumbOptions(app::ui::ToolHost& host, QWidget* parent)
    : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("fmThumbOptions"));
    m_template = new QLineEdit(defaultTemplate(), this);
    m_template->setObjectName(QStringLiteral("edTemplateFile"));
    auto* browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("btTemplateFile"));
    browse->setText(QStringLiteral("..."));
    auto* templateLabel = new QLabel(this);
    templateLabel->setObjectName(QStringLiteral("lCreateGalBasedOn"));
    templateLabel->setBuddy(m_template);
    m_title = new QLineEdit(host.text(thumbOptionsTexts().section, "sDefaultTitle"), this);
    m_title->setObjectName(QStringLiteral("edTitle"));
    auto* titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("lTitle"));
    titleLabel->setBuddy(m_title);
    m_perRow = new QSpinBox(this);
    m_perRow->setObjectName(QStringLiteral("seColsPerRow"));
    m_perRow->setRange(1, 100);
    m_perRow->setValue(3);
    auto* perRowLabel = new QLabel(this);
    perRowLabel->setObjectName(QStringLiteral("lCols"));
    perRowLabel->setBuddy(m_perRow);

    m_toFile = new QRadioButton(this);
    m_toFile->setObjectName(QStringLiteral("rbOuputToFile"));
    m_toFile->setChecked(true);
    m_fileName = new QLineEdit(QStringLiteral("gallery.htm"), this);
    m_fileName->setObjectName(QStringLiteral("edFileName"));
    m_toDoc = new QRadioButton(this);
    m_toDoc->setObjectName(QStringLiteral("rbOutputToDoc"));
    m_toDoc->setEnabled(host.hasDocument());

    auto* optimisation = new QGroupBox(this);
    optimisation->setObjectName(QStringLiteral("gbOptimization"));
    m_quality = new QSlider(Qt::Horizontal, optimisation);
    m_quality->setObjectName(QStringLiteral("TrackBar1"));
    m_quality->setRange(1, 100);
    m_quality->setValue(90);
    auto* qualityValue = new QLabel(QString::number(90), optimisation);
    qualityValue->setMinimumWidth(28);
    auto* qualityLabel = new QLabel(optimisation);
    qualityLabel->setObjectName(QStringLiteral("lCompressionQuality"));
    qualityLabel->setBuddy(m_quality);
    m_gray = new QCheckBox(optimisation);
    m_gray->setObjectName(QStringLiteral("cbGrayscale"));
    m_progressive = new QCheckBox(optimisation);
    m_progressive->setObjectName(QStringLiteral("cbProgressiveEncoding"));
    auto* qualityRow = new QHBoxLayout;
    qualityRow->addWidget(qualityLabel);
    qualityRow->addWidget(m_quality, 1);
    qualityRow->addWidget(qualityValue);
    auto* optimisationLayout = new QVBoxLayout(optimisation);
    optimisationLayout->addLayout(qualityRow);
    optimisationLayout->addWidget(m_gray);
    optimisationLayout->addWidget(m_progressive);

    m_show = new QCheckBox(this);
    m_show->setObjectName(QStringLiteral("cbShowGallery"));
    m_open = new QCheckBox(this);
    m_open->setObjectName(QStringLiteral("cbOpenGal"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    buttons->addButton(QString(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btCancel"));

    auto* templateRow = new QHBoxLayout;
    templateRow->addWidget(m_template, 1);
    templateRow->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow(titleLabel, m_title);
    form->addRow(perRowLabel, m_perRow);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_toFile);
    fileRow->addWidget(m_fileName, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(templateLabel);
    layout->addLayout(templateRow);
    layout->addLayout(form);
    layout->addLayout(fileRow);
    layout->addWidget(m_toDoc);
    layout->addWidget(optimisation);
    layout->addWidget(m_show);
    layout->addWidget(m_open);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_quality, &QSlider::valueChanged, qualityValue,
            [qualityValue](int v) { qualityValue->setNum(v); });
    connect(m_toFile, &QRadioButton::toggled, this, &TfmThumbOptions::outputChanged);
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString chosen = chooseFile(
            this, m_host.text(htmlMessages().section, "sChooseGalleryTemplate"),
            QFileInfo(m_template->text()).absolutePath(), QStringLiteral("HTML (*.htm *.html)"),
            m_host.text(htmlMessages().section, "sAllFiles"), false);
        if (!chosen.isEmpty())
            m_template->setText(chosen);
    });
    outputChanged();

    app::ui::localiseWindow(this, thumbOptionsTexts(), host.texts(), true);
    app::ui::localiseWindow(this, thumbOptionsTexts(), host.texts());

    if (!QFileInfo(defaultTemplate()).isFile()) {
        // Said once the dialog is up, over it.
        QTimer::singleShot(0, this, [this] {
            m_host.showNote(
                m_host.format(htmlMessages().section, "sCantFindFile", {defaultTemplate()}));
        });
    }
}

QString TfmThumbOptions::defaultTemplate() const
{
    return m_host.dataPath(QStringLiteral("defgaltemplate.htm"));
}

void TfmThumbOptions::outputChanged()
{
    const bool toFile = m_toFile->isChecked();
    m_fileName->setEnabled(toFile);
    m_show->setEnabled(toFile);
    m_open->setEnabled(toFile);
}

GalleryOptions TfmThumbOptions::options() const
{
    GalleryOptions o;
    o.templateFile = m_template->text().trimmed();
    if (!QFileInfo(o.templateFile).isFile())
        o.templateFile = defaultTemplate();
    o.title = m_title->text();
    o.perRow = m_perRow->value();
    o.toFile = m_toFile->isChecked();
    o.fileName = m_fileName->text().trimmed();
    if (o.fileName.isEmpty())
        o.fileName = QStringLiteral("gallery.htm");
    o.quality = m_quality->value();
    o.grayscale = m_gray->isChecked();
    o.progressive = m_progressive->isChecked();
    o.showGallery = o.toFile && m_show->isChecked();
    o.openInEditor = o.toFile && m_open->isChecked();
    return o;
}

} // namespace zuk::html::ui
