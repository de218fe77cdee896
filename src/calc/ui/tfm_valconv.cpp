#include "calc/ui/tfm_valconv.h"

#include "base/zukerror.h"
#include "calc/numformat.h"
#include "calc/ui/calcsupport.h"
#include "calc/unitconverter.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace zuk::calc::ui {

Tfm_valconv::Tfm_valconv(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("fm_valconv"));
    setWindowTitle(QStringLiteral("Конвертация величин"));

    m_number = new QComboBox(this);
    m_number->setObjectName(QStringLiteral("ComboBox1"));
    m_number->setEditable(true);
    m_number->setInsertPolicy(QComboBox::NoInsert);
    m_number->setEditText(QStringLiteral("13"));

    m_conversion = new QComboBox(this);
    m_conversion->setObjectName(QStringLiteral("ComboBox2"));
    m_conversion->setEditable(true);
    m_conversion->setInsertPolicy(QComboBox::NoInsert);
    m_conversion->setMaxVisibleItems(20);
    for (const std::string& name : unitConversionNames())
        m_conversion->addItem(QString::fromStdString(name));
    m_conversion->setEditText(QStringLiteral("Фаренгейт в Цельсий"));

    m_translate = new QPushButton(QStringLiteral("Перевести"), this);
    m_translate->setObjectName(QStringLiteral("btTranslate"));
    m_translate->setDefault(true);
    m_translate->setAutoDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Число:"), m_number);
    form->addRow(QStringLiteral("Способ конвертирования"), m_conversion);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_translate, 0, Qt::AlignRight);
    resize(460, sizeHint().height());

    connect(m_translate, &QPushButton::clicked, this, [this] { translate(); });
    // Enter in either box converts, as the default button would.
    connect(m_number->lineEdit(), &QLineEdit::returnPressed, this, [this] { translate(); });
    connect(m_conversion->lineEdit(), &QLineEdit::returnPressed, this, [this] { translate(); });
}

void Tfm_valconv::translate()
{
    const QString numberText = m_number->currentText();
    m_number->addItem(numberText);
    const char separator = localeDecimalSeparator();
    long double x = 0;
    if (!parseReal(numberText.toStdString(), separator, x)) {
        const QString message = QString::fromStdString(quoteForMessage(numberText.toStdString()) +
                                                       " не является числом");
        if (messageHook)
            messageHook(message);
        else
            QMessageBox::warning(this, windowTitle(), message);
        return;
    }
    // A conversion the list does not know gives 0, as typed names always have.
    const long double result = convertUnits(m_conversion->currentText().toStdString(), x);
    m_number->setEditText(QString::fromStdString(formatGeneral(result, separator)));
}

} // namespace zuk::calc::ui
