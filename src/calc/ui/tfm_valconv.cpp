#include "calc/ui/tfm_valconv.h"

#include "app/textservice.h"
#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "calc/calctexts.h"
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

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// The rows of the conversions the list shows, in its order.
std::vector<const TextRow*> listedRows()
{
    std::vector<const TextRow*> rows;
    for (const std::string& name : unitConversionNames())
        for (const TextRow* row : unitConversionRows())
            if (row->builtIn == name)
                rows.push_back(row);
    return rows;
}

} // namespace

Tfm_valconv::Tfm_valconv(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_host(host)
{
    setObjectName(QStringLiteral("fm_valconv"));

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
    for (const TextRow* row : listedRows())
        m_conversion->addItem(qs(row->builtIn));
    m_conversion->setCurrentIndex(0);

    m_translate = new QPushButton(this);
    m_translate->setObjectName(QStringLiteral("btTranslate"));
    m_translate->setDefault(true);
    m_translate->setAutoDefault(true);

    auto* lNumber = new QLabel(this);
    lNumber->setObjectName(QStringLiteral("lNumber"));
    auto* lConversion = new QLabel(this);
    lConversion->setObjectName(QStringLiteral("lConversion"));
    auto* form = new QFormLayout;
    form->addRow(lNumber, m_number);
    form->addRow(lConversion, m_conversion);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_translate, 0, Qt::AlignRight);

    connect(m_translate, &QPushButton::clicked, this, [this] { translate(); });
    // Enter in either box converts, as the default button would.
    connect(m_number->lineEdit(), &QLineEdit::returnPressed, this, [this] { translate(); });
    connect(m_conversion->lineEdit(), &QLineEdit::returnPressed, this, [this] { translate(); });

    localise(true);
    host.addLocaliser(this, [this] { localise(false); });
    resize(460, sizeHint().height());
}

// The list shows the conversions in the interface language; a text in the
// box that is one of them follows it into the new language.
void Tfm_valconv::localise(bool builtIn)
{
    app::ui::localiseWindow(this, valconvTexts(), m_host.texts(), builtIn);
    const QString shown = m_conversion->currentText();
    const std::vector<const TextRow*> rows = listedRows();
    int follow = -1;
    for (int i = 0; i < static_cast<int>(rows.size()) && i < m_conversion->count(); ++i) {
        if (m_conversion->itemText(i) == shown)
            follow = i;
        const QString text =
            builtIn ? qs(rows[static_cast<size_t>(i)]->builtIn)
                    : m_host.text(valconvTexts().section, rows[static_cast<size_t>(i)]->key);
        m_conversion->setItemText(i, text);
    }
    // A new text of the current item would also replace what was typed.
    m_conversion->setEditText(follow >= 0 ? m_conversion->itemText(follow) : shown);
}

std::string Tfm_valconv::conversionName(const QString& text) const
{
    for (const TextRow* row : unitConversionRows())
        if (text == m_host.text(valconvTexts().section, row->key) || text == qs(row->builtIn) ||
            text == qs(row->english))
            return std::string(row->builtIn);
    return text.toStdString();
}

void Tfm_valconv::translate()
{
    const QString numberText = m_number->currentText();
    m_number->addItem(numberText);
    try {
        const std::string result =
            convertUnitsText(numberText.toStdString(), conversionName(m_conversion->currentText()),
                             localeDecimalSeparator());
        m_number->setEditText(QString::fromStdString(result));
    } catch (const ZukError& e) {
        const QString message = m_host.message(e);
        if (messageHook)
            messageHook(message);
        else
            QMessageBox::warning(this, windowTitle(), message);
    }
}

} // namespace zuk::calc::ui
