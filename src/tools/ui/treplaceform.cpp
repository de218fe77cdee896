#include "tools/ui/treplaceform.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/safefile.h"
#include "tools/programlist.h"
#include "tools/searchtexts.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zuk::tools::ui {

namespace {

template <class W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

bool hasNonAscii(std::string_view bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

Treplaceform::Treplaceform(app::ui::ToolHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("replaceform"));
    auto* findLabel = named(new QLabel(this), "lFindWhat");
    auto* replaceLabel = named(new QLabel(this), "lReplaceOn");
    m_find = named(new QLineEdit(this), "findto");
    m_replace = named(new QLineEdit(this), "replaceon");
    findLabel->setBuddy(m_find);
    replaceLabel->setBuddy(m_replace);
    m_multi = named(new QCheckBox(this), "CheckBox1");
    auto* presetLabel = named(new QLabel(this), "lPreset");
    m_presetName = named(new QLineEdit(this), "DCFileNameEdit1");
    auto* pick = named(new QToolButton(this), "btPickPreset");
    m_list = named(new QPlainTextEdit(this), "Memo1");
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setTabChangesFocus(true);
    auto* save = named(new QPushButton(this), "btSaveMultireplacePreset");
    auto* run = named(new QPushButton(this), "btDo");
    auto* cancel = named(new QPushButton(this), "btCancel");
    save->setAutoDefault(false);
    cancel->setAutoDefault(false);
    run->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1, 1, 2);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(m_replace, 1, 1, 1, 2);
    fields->addWidget(m_multi, 2, 0, 1, 3);
    fields->addWidget(presetLabel, 3, 0);
    fields->addWidget(m_presetName, 3, 1);
    fields->addWidget(pick, 3, 2);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_multi, &QCheckBox::toggled, this, &Treplaceform::updateEnabled);
    connect(pick, &QToolButton::clicked, this, &Treplaceform::pickPreset);
    connect(m_presetName, &QLineEdit::returnPressed, this,
            [this] { loadPreset(m_presetName->text()); });
    connect(save, &QPushButton::clicked, this, &Treplaceform::saveClicked);
    connect(run, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    app::ui::localiseWindow(this, replaceFormTexts(), host.texts(), true);
    app::ui::localiseWindow(this, replaceFormTexts(), host.texts());
    updateEnabled();
}

bool Treplaceform::multi() const
{
    return m_multi->isChecked();
}

QString Treplaceform::findText() const
{
    return m_find->text();
}

QString Treplaceform::replaceText() const
{
    return m_replace->text();
}

QStringList Treplaceform::listLines() const
{
    QStringList lines = m_list->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

void Treplaceform::updateEnabled()
{
    const bool on = m_multi->isChecked();
    m_find->setEnabled(!on);
    m_replace->setEnabled(!on);
    m_list->setEnabled(on);
}

void Treplaceform::loadPreset(const QString& path)
{
    m_list->clear();
    if (path.isEmpty())
        return;
    m_presetName->setText(path);
    try {
        const std::string bytes = io::readFileBytes(path.toStdString());
        const QString text = hasNonAscii(bytes) && isValidUtf8(bytes)
                                 ? QString::fromStdString(bytes)
                                 : QString::fromStdString(codepages::winToUtf8(bytes));
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        m_list->setPlainText(lines);
        m_multi->setChecked(true);
    } catch (const ZukError& e) {
        m_host.showNote(m_host.message(e));
    }
}

void Treplaceform::savePreset(const QString& path)
{
    const std::string utf8 = listLines().join(QStringLiteral("\r\n")).toStdString() + "\r\n";
    std::string bytes = codepages::utf8ToWin(utf8);
    // A character Windows-1251 lacks would come back as '?': keep UTF-8 then.
    if (codepages::winToUtf8(bytes) != utf8)
        bytes = utf8;
    try {
        io::writeFileAtomically(path.toStdString(), bytes);
        m_presetName->setText(path);
    } catch (const ZukError& e) {
        m_host.showNote(m_host.message(e));
    }
}

void Treplaceform::pickPreset()
{
    const auto& table = replaceFormTexts();
    const QString path =
        choosePresetHook
            ? choosePresetHook()
            : QFileDialog::getOpenFileName(this, m_host.text(table.section, "sChoosePreset"),
                                           QFileInfo(m_presetName->text()).absolutePath(),
                                           m_host.text(table.section, "sPresetFilter"));
    if (!path.isEmpty())
        loadPreset(path);
}

void Treplaceform::saveClicked()
{
    const auto& table = replaceFormTexts();
    const QString path =
        saveAsHook ? saveAsHook()
                   : QFileDialog::getSaveFileName(this, m_host.text(table.section, "sSavePreset"),
                                                  m_presetName->text(),
                                                  m_host.text(table.section, "sPresetFilter"));
    if (!path.isEmpty())
        savePreset(path);
}

} // namespace zuk::tools::ui
