#include "platform/ui/openwithdialog.h"

#include "app/textservice.h"
#include "app/ui/localiser.h"
#include "platform/platformtexts.h"
#include "platform/ui/desktopshell.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zuk::platform::ui {

namespace {

template <class W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TOpenWithDialog::TOpenWithDialog(const QString& file, const QString& language,
                                 const app::TextService* texts, QWidget* parent)
    : QDialog(parent), m_file(file), m_language(language), m_texts(texts)
{
    setObjectName(QStringLiteral("fmOpenWith"));
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    m_types << type.name() << type.aliases() << type.allAncestors();

    auto* fileLabel = named(new QLabel(this), "lFile");
    auto* fileName = named(new QLabel(QFileInfo(file).fileName(), this), "lFileName");
    fileName->setToolTip(file);
    auto* programsLabel = named(new QLabel(this), "lPrograms");
    m_list = named(new QListWidget(this), "lbPrograms");
    m_all = named(new QCheckBox(this), "cbAllPrograms");
    auto* commandLabel = named(new QLabel(this), "lCommand");
    m_command = named(new QLineEdit(this), "edCommand");
    auto* browse = named(new QToolButton(this), "btBrowse");
    auto* ok = named(new QPushButton(this), "btOK");
    auto* cancel = named(new QPushButton(this), "btCancel");
    ok->setDefault(true);
    cancel->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(fileLabel);
    top->addWidget(fileName, 1);
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(commandLabel);
    commandRow->addWidget(m_command, 1);
    commandRow->addWidget(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(programsLabel);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_all);
    layout->addLayout(commandRow);
    layout->addLayout(buttons);
    resize(420, 420);

    static const app::TextService none;
    app::ui::localiseWindow(this, openWithTexts(), none, true);
    if (m_texts)
        app::ui::localiseWindow(this, openWithTexts(), *m_texts);

    connect(m_all, &QCheckBox::toggled, this, &TOpenWithDialog::fill);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        if (openChosen())
            accept();
    });
    connect(browse, &QToolButton::clicked, this, [this] {
        const QString program = QFileDialog::getOpenFileName(this, text("sChooseProgram"));
        if (!program.isEmpty())
            m_command->setText(QProcess::splitCommand(program).size() == 1
                                   ? program
                                   : QLatin1Char('"') + program + QLatin1Char('"'));
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (openChosen())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fill();
    if (m_list->count() == 0 && !m_all->isChecked())
        m_all->setChecked(true);
}

QString TOpenWithDialog::text(const char* key) const
{
    const TextTable& table = openWithTexts();
    return QString::fromStdString(m_texts ? m_texts->text(table.section, key) : table.builtIn(key));
}

void TOpenWithDialog::fill()
{
    m_list->clear();
    m_entries.clear();
    for (DesktopEntry& entry : installedApplications(m_language.toStdString())) {
        bool fits = m_all->isChecked();
        for (const std::string& type : entry.mimeTypes)
            fits = fits || m_types.contains(QString::fromStdString(type));
        if (!fits)
            continue;
        m_list->addItem(QString::fromStdString(entry.name.empty() ? entry.id : entry.name));
        m_entries.push_back(std::move(entry));
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

bool TOpenWithDialog::openChosen()
{
    QStringList args;
    const QString typed = m_command->text().trimmed();
    if (!typed.isEmpty()) {
        args = QProcess::splitCommand(typed);
        args << m_file;
    } else {
        const int row = m_list->currentRow();
        if (row < 0 || row >= static_cast<int>(m_entries.size()))
            return false;
        const std::string url = QUrl::fromLocalFile(m_file).toString().toStdString();
        for (const std::string& word :
             execArguments(m_entries[static_cast<std::size_t>(row)], m_file.toStdString(), url))
            args << QString::fromStdString(word);
    }
    if (args.isEmpty())
        return false;
    const QString program = args.takeFirst();
    if (DesktopShell::programStarter()(program, args, QFileInfo(m_file).absolutePath()))
        return true;
    const TextTable& table = openWithTexts();
    const std::string pattern =
        m_texts ? m_texts->text(table.section, "sCannotStart") : table.builtIn("sCannotStart");
    QMessageBox::warning(this, windowTitle(),
                         QString::fromStdString(formatText(pattern, {program.toStdString()})));
    return false;
}

} // namespace zuk::platform::ui
