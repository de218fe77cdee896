#include "tools/ui/tfmcompopts.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "tools/commandline.h"
#include "tools/toolstexts.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zuk::tools::ui {

TfmCompOpts::TfmCompOpts(app::ui::ToolHost& host, ProgramList& programs, QWidget* parent)
    : QDialog(parent), m_host(host), m_programs(programs)
{
    setObjectName(QStringLiteral("fmCompOpts"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbPrograms"));
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    QLabel* lName = label("lName");
    QLabel* lCommand = label("lCommand");
    QLabel* help = label("lHelp");
    help->setWordWrap(true);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edName"));
    m_command = new QLineEdit(this);
    m_command->setObjectName(QStringLiteral("edCommand"));
    auto* browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("btBrowse"));
    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* add = button("btAdd");
    QPushButton* change = button("btChange");
    QPushButton* del = button("btDelete");
    QPushButton* close = button("btClose");

    auto* fields = new QGridLayout;
    fields->addWidget(lName, 0, 0);
    fields->addWidget(m_name, 0, 1, 1, 2);
    fields->addWidget(lCommand, 1, 0);
    fields->addWidget(m_command, 1, 1);
    fields->addWidget(browse, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(change);
    buttons->addWidget(del);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(fields);
    layout->addWidget(help);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, &TfmCompOpts::showEntry);
    connect(browse, &QToolButton::clicked, this, &TfmCompOpts::chooseProgram);
    connect(add, &QPushButton::clicked, this, &TfmCompOpts::add);
    connect(change, &QPushButton::clicked, this, &TfmCompOpts::change);
    connect(del, &QPushButton::clicked, this, &TfmCompOpts::remove);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    app::ui::localiseWindow(this, compOptsTexts(), host.texts(), true);
    app::ui::localiseWindow(this, compOptsTexts(), host.texts());
    resize(560, 380);
    refill(0);
}

void TfmCompOpts::refill(int current)
{
    m_list->clear();
    for (const std::string& line : m_programs.lines())
        m_list->addItem(QString::fromStdString(line));
    if (m_list->count() > 0)
        m_list->setCurrentRow(std::clamp(current, 0, m_list->count() - 1));
}

void TfmCompOpts::showEntry(int row)
{
    if (row < 0)
        return;
    if (const auto entry = m_programs.entry(static_cast<std::size_t>(row))) {
        m_name->setText(QString::fromStdString(entry->name));
        m_command->setText(QString::fromStdString(entry->command));
    } else {
        m_name->clear();
        m_command->setText(QString::fromStdString(m_programs.lines()[row]));
    }
}

// The typed entry; a caption that is empty or holds '=' could not be read
// back from the file as the same entry.
std::optional<ProgramEntry> TfmCompOpts::typedEntry()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('='))) {
        m_host.showNote(m_host.text(compOptsTexts().section, "sNameNeeded"));
        return std::nullopt;
    }
    return ProgramEntry{name.toStdString(), m_command->text().toStdString()};
}

void TfmCompOpts::add()
{
    if (const auto entry = typedEntry()) {
        m_programs.add(*entry);
        refill(static_cast<int>(m_programs.size()) - 1);
        if (edited)
            edited();
    }
}

void TfmCompOpts::change()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    if (const auto entry = typedEntry()) {
        m_programs.replace(static_cast<std::size_t>(row), *entry);
        refill(row);
        if (edited)
            edited();
    }
}

void TfmCompOpts::remove()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    m_programs.remove(static_cast<std::size_t>(row));
    refill(row);
    if (edited)
        edited();
}

void TfmCompOpts::chooseProgram()
{
    const QString chosen = chooseProgramHook
                               ? chooseProgramHook()
                               : QFileDialog::getOpenFileName(
                                     this, m_host.text(compOptsTexts().section, "sChooseProgram"),
                                     QStringLiteral("/usr/bin"));
    if (chosen.isEmpty())
        return;
    // The program goes first, quoted when it holds a blank; the arguments stay.
    QString program = chosen;
    if (program.contains(QLatin1Char(' ')))
        program = QLatin1Char('"') + program + QLatin1Char('"');
    const QString rest =
        QString::fromStdString(cutProgramWord(m_command->text().toStdString()).arguments);
    m_command->setText(rest.isEmpty() ? program : program + QLatin1Char(' ') + rest);
}

} // namespace zuk::tools::ui
