#include "editor/ui/findreplacedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/editortexts.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/editorlocalise.h"

namespace zuk::editor {

FindReplaceDialog::FindReplaceDialog(bool replace, const SearchState& initial,
                                     const app::TextService* texts, QWidget* parent)
    : QDialog(parent)
{
    const TextTable& table = findReplaceTexts();
    setObjectName(replace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(uiText(texts, table, replace ? "sReplaceCaption" : "sFindCaption"));
    auto named = [this](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    auto* form = new QFormLayout;
    m_find = named(new QLineEdit(initial.text, this), "edFind");
    auto* searchFor = named(new QLabel(this), "lSearchFor");
    searchFor->setBuddy(m_find);
    form->addRow(searchFor, m_find);
    if (replace) {
        m_replace = named(new QLineEdit(initial.replacement, this), "edReplace");
        auto* replaceWith = named(new QLabel(this), "lReplaceWith");
        replaceWith->setBuddy(m_replace);
        form->addRow(replaceWith, m_replace);
    }
    m_case = named(new QCheckBox(this), "cbCaseSensitive");
    m_words = named(new QCheckBox(this), "cbWholeWords");
    m_regex = named(new QCheckBox(this), "cbRegex");
    m_backwards = named(new QCheckBox(this), "cbBackwards");
    m_case->setChecked(initial.caseSensitive);
    m_words->setChecked(initial.wholeWords);
    m_regex->setChecked(initial.regex);
    m_backwards->setChecked(initial.backwards);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    named(buttons->button(QDialogButtonBox::Ok), replace ? "btReplace" : "btFind");
    named(buttons->button(QDialogButtonBox::Cancel), "btCancel");
    if (replace) {
        QPushButton* all =
            named(buttons->addButton(QString(), QDialogButtonBox::ActionRole), "btReplaceAll");
        connect(all, &QPushButton::clicked, this, [this] { done(kReplaceAll); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QCheckBox* box : {m_case, m_words, m_regex, m_backwards})
        layout->addWidget(box);
    layout->addWidget(buttons);
    localiseEditorWindow(this, table, texts, true);
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
