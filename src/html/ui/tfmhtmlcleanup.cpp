#include "html/ui/tfmhtmlcleanup.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "html/htmltexts.h"
#include "html/ui/htmlfiles.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zuk::html::ui {

TfmHTMLCleanUpoptsions::TfmHTMLCleanUpoptsions(app::ui::ToolHost& host, QWidget* parent)
    : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("fmHTMLCleanUpoptsions"));
    m_tags = new QPlainTextEdit(this);
    m_tags->setObjectName(QStringLiteral("memoTags"));
    m_tags->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* tagsLabel = new QLabel(this);
    tagsLabel->setObjectName(QStringLiteral("lTags"));
    tagsLabel->setBuddy(m_tags);
    m_presets = new QComboBox(this);
    m_presets->setObjectName(QStringLiteral("cbCleanUpPresets"));
    m_presets->setMinimumWidth(160);
    auto* presetsLabel = new QLabel(this);
    presetsLabel->setObjectName(QStringLiteral("lPresets"));
    presetsLabel->setBuddy(m_presets);
    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("btSaveMemoTags"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    buttons->addButton(QString(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btCancel"));

    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(presetsLabel);
    presetRow->addWidget(m_presets, 1);
    presetRow->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tagsLabel);
    layout->addWidget(m_tags, 1);
    layout->addLayout(presetRow);
    layout->addWidget(buttons);
    resize(360, 380);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &TfmHTMLCleanUpoptsions::savePreset);
    connect(m_presets, &QComboBox::activated, this, &TfmHTMLCleanUpoptsions::loadPreset);
    refillPresets();

    app::ui::localiseWindow(this, cleanUpTexts(), host.texts(), true);
    app::ui::localiseWindow(this, cleanUpTexts(), host.texts());
}

QString TfmHTMLCleanUpoptsions::folder() const
{
    return m_host.dataPath(QStringLiteral("cleanup"));
}

void TfmHTMLCleanUpoptsions::refillPresets()
{
    m_presets->clear();
    m_presets->addItems(QDir(folder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    m_presets->setCurrentIndex(-1);
}

void TfmHTMLCleanUpoptsions::loadPreset(int index)
{
    if (index < 0)
        return;
    const QString path = QDir(folder()).absoluteFilePath(m_presets->itemText(index));
    try {
        m_tags->setPlainText(readTextFile(path));
    } catch (const ZukError&) {
        // A preset that has gone or cannot be read loads nothing.
    }
}

void TfmHTMLCleanUpoptsions::savePreset()
{
    QDir().mkpath(folder());
    const QString chosen =
        chooseFile(this, m_host.text(htmlMessages().section, "sSavePreset"), folder(), QString(),
                   m_host.text(htmlMessages().section, "sAllFiles"), true);
    if (chosen.isEmpty())
        return;
    try {
        writeTextFile(chosen, m_tags->toPlainText());
    } catch (const ZukError& e) {
        m_host.showNote(m_host.message(e));
        return;
    }
    refillPresets();
    m_presets->setCurrentIndex(m_presets->findText(QFileInfo(chosen).fileName()));
}

QString TfmHTMLCleanUpoptsions::tags() const
{
    return m_tags->toPlainText();
}

} // namespace zuk::html::ui
