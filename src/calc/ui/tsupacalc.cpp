#include "calc/ui/tsupacalc.h"

#include "base/zukerror.h"

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
    const char* caption;
};

const ButtonRow kButtons[] = {
    {BigButton::Add, "btAdd", "Сложить"},
    {BigButton::Subtract, "btSubtract", "Вычесть"},
    {BigButton::Multiply, "btMultiply", "Умножить, гыыы"},
    {BigButton::Divide, "btDivide", "Разделить"},
    {BigButton::Compare, "btCompare", "Сравнить"},
    {BigButton::ToHex, "btToHEX", "To HEX"},
    {BigButton::ToDec, "btToDEC", "To DEC"},
    {BigButton::CopyToClipboard, "btCopyToCLipboard", "Копировать в буфер"},
    {BigButton::ClearFields, "btClearFields", "Очистить поля"},
    {BigButton::ClearHistory, "btClearHistory", "Очистить историю"},
};

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

Tsupacalc::Tsupacalc(bool russian, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_russian(russian)
{
    setObjectName(QStringLiteral("supacalc"));
    m_first = operandBox(this, "cbFirst");
    m_second = operandBox(this, "cbSecond");
    m_result = new QLineEdit(this);
    m_result->setObjectName(QStringLiteral("edResult"));
    m_lFirst = new QLabel(this);
    m_lSecond = new QLabel(this);
    m_lResult = new QLabel(this);

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
    layout->addWidget(m_lFirst);
    layout->addWidget(m_first);
    layout->addWidget(m_lSecond);
    layout->addWidget(m_second);
    layout->addWidget(m_lResult);
    layout->addWidget(m_result);
    layout->addLayout(grid);
    applyLanguage({});
}

void Tsupacalc::applyLanguage(const std::function<QString(const QString& key)>& caption)
{
    auto text = [&](const char* key, const char* builtIn) {
        QString value = caption ? caption(QString::fromLatin1(key)) : QString();
        return value.isEmpty() ? QString::fromUtf8(builtIn) : value;
    };
    setWindowTitle(text("caption", "Калькулятор мега-больших величин"));
    m_lFirst->setText(text("lFirstVeryBigNumber", "Первое очень большое целое число"));
    m_lSecond->setText(text("lSecondVeryBigNumber", "Второе очень большое целое число"));
    m_lResult->setText(text("lResult", "Результат"));
    int i = 0;
    for (const ButtonRow& row : kButtons)
        m_buttons[i++]->setText(text(row.name, row.caption));
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
            return QString::fromStdString(bigCompareVerdict(BigCompare(a, b), m_russian));
        case BigButton::ToHex:
            return QString::fromStdString(BigToHex(a));
        case BigButton::ToDec:
            return QString::fromStdString(BigHexToDec(a));
        default:
            return m_result->text();
        }
    } catch (const ZukError& e) {
        return QString::fromUtf8(e.what());
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
    setWindowTitle(QString::fromStdString(bigButtonTitle(which, m_russian)));
}

} // namespace zuk::calc::ui
