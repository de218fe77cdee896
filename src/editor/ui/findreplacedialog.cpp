#include "editor/ui/findreplacedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ui/cdreameditor.h"

namespace zuk::editor {

FindReplaceDialog::FindReplaceDialog(bool replace, const SearchState& initial, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(replace ? QStringLiteral("Replace Text") : QStringLiteral("Find Text"));
    setObjectName(replace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    auto* form = new QFormLayout;
    m_find = new QLineEdit(initial.text, this);
    m_find->setObjectName(QStringLiteral("edFind"));
    form->addRow(QStringLiteral("&Search for:"), m_find);
    if (replace) {
        m_replace = new QLineEdit(initial.replacement, this);
        m_replace->setObjectName(QStringLiteral("edReplace"));
        form->addRow(QStringLiteral("&Replace with:"), m_replace);
    }
    m_case = new QCheckBox(QStringLiteral("C&ase sensitivity"), this);
    m_words = new QCheckBox(QStringLiteral("&Whole words only"), this);
    m_regex = new QCheckBox(QStringLiteral("Regular e&xpression"), this);
    m_backwards = new QCheckBox(QStringLiteral("Search &backwards"), this);
    m_case->setChecked(initial.caseSensitive);
    m_words->setChecked(initial.wholeWords);
    m_regex->setChecked(initial.regex);
    m_backwards->setChecked(initial.backwards);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    if (replace) {
        buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Replace"));
        QPushButton* all =
            buttons->addButton(QStringLiteral("Replace &All"), QDialogButtonBox::ActionRole);
        all->setObjectName(QStringLiteral("btReplaceAll"));
        connect(all, &QPushButton::clicked, this, [this] { done(kReplaceAll); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QCheckBox* box : {m_case, m_words, m_regex, m_backwards})
        layout->addWidget(box);
    layout->addWidget(buttons);
    m_find->selectAll();
}

void FindReplaceDialog::store(SearchState& state) const
{
    state.text = m_find->text();
    if (m_replace)
        state.replacement = m_replace->text();
    state.caseSensitive = m_case->isChecked();
    state.wholeWords = m_words->isChecked();
    state.regex = m_regex->isChecked();
    state.backwards = m_backwards->isChecked();
}

} // namespace zuk::editor
