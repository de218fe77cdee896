#include "calc/ui/tsupacalc.h"

#include "app/textservice.h"
#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "calc/calctexts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zuk::calc::ui {

namespace {

struct ButtonRow {
    BigButton button;
    const char* name;
};

const ButtonRow kButtons[] = {
    {BigButton::Add, "btAdd"},
    {BigButton::Subtract, "btSubtract"},
    {BigButton::Multiply, "btMultiply"},
    {BigButton::Divide, "btDivide"},
    {BigButton::Compare, "btCompare"},
    {BigButton::ToHex, "btToHEX"},
    {BigButton::ToDec, "btToDEC"},
    {BigButton::CopyToClipboard, "btCopyToCLipboard"},
    {BigButton::ClearFields, "btClearFields"},
    {BigButton::ClearHistory, "btClearHistory"},
};

QLabel* label(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QComboBox* operandBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setDuplicatesEnabled(true);
    box->setMinimumContentsLength(40);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

} // namespace

Tsupacalc::Tsupacalc(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_host(host)
{
    setObjectName(QStringLiteral("supacalc"));
    m_first = operandBox(this, "cbFirst");
    m_second = operandBox(this, "cbSecond");
    m_result = new QLineEdit(this);
    m_result->setObjectName(QStringLiteral("edResult"));
    QLabel* lFirst = label(this, "lFirstVeryBigNumber");
    QLabel* lSecond = label(this, "lSecondVeryBigNumber");
    QLabel* lResult = label(this, "lResult");

    auto* grid = new QGridLayout;
    int i = 0;
    for (const ButtonRow& row : kButtons) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(row.name));
        b->setAutoDefault(false);
        m_buttons[i] = b;
        grid->addWidget(b, i / 5, i % 5);
        const BigButton which = row.button;
        connect(b, &QPushButton::clicked, this, [this, which] { press(which); });
        ++i;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lFirst);
    layout->addWidget(m_first);
    layout->addWidget(lSecond);
    layout->addWidget(m_second);
    layout->addWidget(lResult);
    layout->addWidget(m_result);
    layout->addLayout(grid);

    app::ui::localiseWindow(this, supacalcTexts(), host.texts(), true);
    host.addLocaliser(this,
                      [this] { app::ui::localiseWindow(this, supacalcTexts(), m_host.texts()); });
}

QString Tsupacalc::languageText(std::string_view key) const
{
    const app::TextService& texts = m_host.texts();
    const TextRow* row = supacalcTexts().find(key);
    if (!row)
        return {};
    if (texts.russian())
        return QString::fromUtf8(row->builtIn.data(), static_cast<int>(row->builtIn.size()));
    if (const auto value = texts.lookup(supacalcTexts().section, key))
        return QString::fromStdString(*value);
    return QString::fromUtf8(row->english.data(), static_cast<int>(row->english.size()));
}

QPushButton* Tsupacalc::button(BigButton which) const
{
    int i = 0;
    for (const ButtonRow& row : kButtons) {
        if (row.button == which)
            return m_buttons[i];
        ++i;
    }
    return nullptr;
}

void Tsupacalc::rememberOperands()
{
    m_second->addItem(m_second->currentText());
    m_first->addItem(m_first->currentText());
}

// The result text of an arithmetic button. A malformed operand is reported
// in the result field itself, where the user looks for the answer.
QString Tsupacalc::compute(BigButton which)
{
    const std::string a = m_first->currentText().toStdString();
    const std::string b = m_second->currentText().toStdString();
    try {
        switch (which) {
        case BigButton::Add:
            return QString::fromStdString(BigAdd(a, b));
        case BigButton::Subtract:
            return QString::fromStdString(BigSub(a, b));
        case BigButton::Multiply:
            return QString::fromStdString(BigMul(a, b));
        case BigButton::Divide:
            return QString::fromStdString(BigDivModText(a, b));
        case BigButton::Compare:
            return languageText(bigCompareVerdictKey(BigCompare(a, b)));
        case BigButton::ToHex:
            return QString::fromStdString(BigToHex(a));
        case BigButton::ToDec:
            return QString::fromStdString(BigHexToDec(a));
        default:
            return m_result->text();
        }
    } catch (const ZukError& e) {
        return m_host.message(e);
    }
}

void Tsupacalc::press(BigButton which)
{
    switch (which) {
    case BigButton::Add:
    case BigButton::Subtract:
    case BigButton::Multiply:
    case BigButton::Divide:
    case BigButton::Compare:
        rememberOperands();
        m_result->setText(compute(which));
        break;
    case BigButton::ToHex:
    case BigButton::ToDec:
        // Only the first field is converted, so only its text is kept.
        m_first->addItem(m_first->currentText());
        m_result->setText(compute(which));
        break;
    case BigButton::CopyToClipboard: {
        // Without a selection the whole result is copied rather than nothing.
        const QString text =
            m_result->hasSelectedText() ? m_result->selectedText() : m_result->text();
        QApplication::clipboard()->setText(text);
        break;
    }
    case BigButton::ClearFields:
        m_result->clear();
        m_first->clear();
        m_second->clear();
        m_first->setEditText(QString());
        m_second->setEditText(QString());
        break;
    case BigButton::ClearHistory: {
        const QString first = m_first->currentText();
        const QString second = m_second->currentText();
        m_first->clear();
        m_second->clear();
        m_first->setEditText(first);
        m_second->setEditText(second);
        break;
    }
    }
    setWindowTitle(languageText(bigButtonTitleKey(which)));
}

} // namespace zuk::calc::ui
