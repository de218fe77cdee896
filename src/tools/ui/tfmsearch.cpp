#include "tools/ui/tfmsearch.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "tools/searchtexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zuk::tools::ui {

namespace {

template <class W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* historyBox(QWidget* parent, const char* name, const QString& text,
                      const QStringList& history)
{
    auto* box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(28);
    box->addItems(history);
    box->setEditText(text);
    return box;
}

// A group of two choices; the second is checked when `second` is set.
QGroupBox* choice(QWidget* parent, const char* group, const char* first, const char* secondName,
                  bool second, QRadioButton*& secondButton)
{
    auto* box = named(new QGroupBox(parent), group);
    auto* a = named(new QRadioButton(box), first);
    secondButton = named(new QRadioButton(box), secondName);
    (second ? secondButton : a)->setChecked(true);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(a);
    layout->addWidget(secondButton);
    return box;
}

} // namespace

TfmSearch::TfmSearch(app::ui::ToolHost& host, bool replace, const SearchRequest& initial,
                     const QStringList& findHistory, const QStringList& replaceHistory,
                     bool hasSelection, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(replace ? QStringLiteral("fmReplace") : QStringLiteral("fmFind"));
    const TextTable& table = findReplaceTexts();
    setWindowTitle(host.text(table.section, replace ? "sReplaceCaption" : "sFindCaption"));

    auto* fields = new QGridLayout;
    auto* findLabel = named(new QLabel(this), replace ? "lSearchFor" : "lSearchText");
    m_find = historyBox(this, "cbFind", initial.text, findHistory);
    findLabel->setBuddy(m_find);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1);
    if (replace) {
        auto* replaceLabel = named(new QLabel(this), "lReplaceWith");
        m_replace = historyBox(this, "cbReplace", initial.replacement, replaceHistory);
        replaceLabel->setBuddy(m_replace);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(m_replace, 1, 1);
    }
    fields->setColumnStretch(1, 1);

    auto* options = named(new QGroupBox(this), "gbOptions");
    auto* optionsLayout = new QVBoxLayout(options);
    m_case = named(new QCheckBox(options), "cbMatchCase");
    m_words = named(new QCheckBox(options), "cbWholeWords");
    m_regex = named(new QCheckBox(options), "cbRegex");
    m_case->setChecked(initial.options.matchCase);
    m_words->setChecked(initial.options.wholeWords);
    m_regex->setChecked(initial.options.regex);
    for (QCheckBox* box : {m_case, m_words, m_regex})
        optionsLayout->addWidget(box);
    if (replace) {
        m_prompt = named(new QCheckBox(options), "cbPrompt");
        m_prompt->setChecked(initial.prompt);
        optionsLayout->addWidget(m_prompt);
    }
    QGroupBox* direction =
        choice(this, "gbDirection", "rbForward", "rbBackward", initial.backward, m_backward);
    QGroupBox* origin =
        choice(this, "gbOrigin", "rbFromCursor", "rbEntireScope", initial.entireScope, m_entire);
    QGroupBox* scope = choice(this, "gbScope", "rbGlobal", "rbSelected",
                              initial.selectedOnly && hasSelection, m_selected);
    m_selected->setEnabled(hasSelection);

    auto* groups = new QGridLayout;
    groups->addWidget(options, 0, 0);
    groups->addWidget(direction, 0, 1);
    groups->addWidget(origin, 1, 0);
    groups->addWidget(scope, 1, 1);

    auto* buttons = new QVBoxLayout;
    auto* run = named(new QPushButton(this), replace ? "btReplace" : "btFind");
    run->setDefault(true);
    buttons->addWidget(run);
    connect(run, &QPushButton::clicked, this, &QDialog::accept);
    if (replace) {
        auto* all = named(new QPushButton(this), "btReplaceAll");
        all->setAutoDefault(false);
        buttons->addWidget(all);
        connect(all, &QPushButton::clicked, this, [this] { done(kReplaceAll); });
    }
    auto* cancel = named(new QPushButton(this), "btCancel");
    cancel->setAutoDefault(false);
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(groups);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    app::ui::localiseWindow(this, table, host.texts(), true);
    app::ui::localiseWindow(this, table, host.texts());
    m_find->lineEdit()->selectAll();
    m_find->setFocus();
}

SearchRequest TfmSearch::request() const
{
    SearchRequest r;
    r.text = m_find->currentText();
    if (m_replace)
        r.replacement = m_replace->currentText();
    r.options.matchCase = m_case->isChecked();
    r.options.wholeWords = m_words->isChecked();
    r.options.regex = m_regex->isChecked();
    r.prompt = m_prompt && m_prompt->isChecked();
    r.backward = m_backward->isChecked();
    r.entireScope = m_entire->isChecked();
    r.selectedOnly = m_selected->isChecked();
    return r;
}

} // namespace zuk::tools::ui
