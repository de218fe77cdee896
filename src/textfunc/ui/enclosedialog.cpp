#include "textfunc/ui/enclosedialog.h"

#include "app/ui/localiser.h"
#include "textfunc/textfunctexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace zuk::textfunc::ui {

namespace {

// What was entered during this run, most recent first.
QStringList& history(bool before)
{
    static QStringList beforeTexts{QStringLiteral("<li>")};
    static QStringList afterTexts{QStringLiteral("</li>")};
    return before ? beforeTexts : afterTexts;
}

void remember(bool before, const QString& text)
{
    QStringList& h = history(before);
    h.removeAll(text);
    h.prepend(text);
    while (h.size() > 20)
        h.removeLast();
}

QComboBox* historyField(QWidget* parent, bool before)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(history(before));
    box->setMinimumWidth(240);
    return box;
}

} // namespace

TEncloseDialog::TEncloseDialog(QWidget* parent, const app::TextService& texts) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmba"));
    m_before = historyField(this, true);
    m_after = historyField(this, false);
    m_before->setObjectName(QStringLiteral("edBefore"));
    m_after->setObjectName(QStringLiteral("edAfter"));
    auto* beforeLabel = new QLabel(this);
    auto* afterLabel = new QLabel(this);
    beforeLabel->setObjectName(QStringLiteral("lBefore"));
    afterLabel->setObjectName(QStringLiteral("lAfter"));
    beforeLabel->setBuddy(m_before);
    afterLabel->setBuddy(m_after);
    auto* form = new QFormLayout;
    form->addRow(beforeLabel, m_before);
    form->addRow(afterLabel, m_after);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // Made anew for each use, so the texts of the language at that moment
    // are all it ever needs.
    app::ui::localiseWindow(this, encloseDialogTexts(), texts, true);
    app::ui::localiseWindow(this, encloseDialogTexts(), texts);
}

QString TEncloseDialog::before() const
{
    return m_before->currentText();
}

QString TEncloseDialog::after() const
{
    return m_after->currentText();
}

void TEncloseDialog::setTexts(const QString& before, const QString& after)
{
    m_before->setCurrentText(before);
    m_after->setCurrentText(after);
}

void TEncloseDialog::ask(QWidget* parent, const app::TextService& texts, QString& before,
                         QString& after)
{
    TEncloseDialog dialog(parent, texts);
    dialog.exec(); // the result is not examined: any way of closing proceeds
    before = dialog.before();
    after = dialog.after();
    remember(true, before);
    remember(false, after);
}

} // namespace zuk::textfunc::ui
