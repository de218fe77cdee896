#include "html/ui/ttablewizard.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "html/htmltexts.h"
#include "html/ui/colourpickers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zuk::html::ui {

namespace {

// Where a cell keeps its settings: set means it has a TCCInfo.
constexpr int HasInfoRole = Qt::UserRole;
constexpr int WidthRole = Qt::UserRole + 1;
constexpr int HeightRole = Qt::UserRole + 2;
constexpr int BackColourRole = Qt::UserRole + 3;

QSpinBox* spin(QWidget* parent, const char* name)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(1, 1000);
    s->setValue(2);
    return s;
}

} // namespace

Ttablewizard::Ttablewizard(app::ui::ToolHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("tablewizard"));
    m_table = new QTableWidget(2, 2, this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->horizontalHeader()->setDefaultSectionSize(80);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    m_columns = spin(this, "SpinEdit1");
    m_rows = spin(this, "SpinEdit2");
    auto* columnsLabel = new QLabel(this);
    columnsLabel->setObjectName(QStringLiteral("lCols"));
    columnsLabel->setBuddy(m_columns);
    auto* rowsLabel = new QLabel(this);
    rowsLabel->setObjectName(QStringLiteral("lRows"));
    rowsLabel->setBuddy(m_rows);

    auto* cell = new QGroupBox(this);
    cell->setObjectName(QStringLiteral("gbCurrentCell"));
    m_width = new QLineEdit(cell);
    m_width->setObjectName(QStringLiteral("edCCW"));
    m_colour = new QLineEdit(cell);
    m_colour->setObjectName(QStringLiteral("edCCbackCOlor"));
    m_colour->setMaxLength(7);
    auto* assign = new QPushButton(cell);
    assign->setObjectName(QStringLiteral("btAssign"));
    assign->setMaximumWidth(32);
    m_picker = new TColorPicker(QStringLiteral("btCCColorMore"), cell);
    m_picker->setObjectName(QStringLiteral("cpCCColor"));
    auto* widthLabel = new QLabel(cell);
    widthLabel->setObjectName(QStringLiteral("lCCW"));
    widthLabel->setBuddy(m_width);
    auto* colourLabel = new QLabel(cell);
    colourLabel->setObjectName(QStringLiteral("lCCbackCOlor"));
    colourLabel->setBuddy(m_colour);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_colour);
    colourRow->addWidget(assign);
    auto* cellForm = new QFormLayout(cell);
    cellForm->addRow(widthLabel, m_width);
    cellForm->addRow(colourLabel, colourRow);
    cellForm->addRow(m_picker);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    buttons->addButton(QString(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btCancel"));

    auto* sizes = new QHBoxLayout;
    sizes->addWidget(columnsLabel);
    sizes->addWidget(m_columns);
    sizes->addSpacing(16);
    sizes->addWidget(rowsLabel);
    sizes->addWidget(m_rows);
    sizes->addStretch();
    auto* side = new QVBoxLayout;
    side->addWidget(cell);
    side->addStretch();
    side->addWidget(buttons);
    auto* left = new QVBoxLayout;
    left->addLayout(sizes);
    left->addWidget(m_table, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);
    resize(640, 360);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_columns, &QSpinBox::valueChanged, m_table, &QTableWidget::setColumnCount);
    connect(m_rows, &QSpinBox::valueChanged, m_table, &QTableWidget::setRowCount);
    connect(m_table, &QTableWidget::cellClicked, this, &Ttablewizard::showCell);
    connect(m_width, &QLineEdit::textEdited, this, [this](const QString& text) {
        QTableWidgetItem* item = m_table->currentItem();
        if (m_filling || !item || !item->data(HasInfoRole).toBool())
            return;
        item->setData(WidthRole, text);
    });
    connect(assign, &QPushButton::clicked, this, &Ttablewizard::assignTyped);
    m_picker->onPicked = [this](const QColor& c) {
        setBackColour(QString::fromStdString(hexColour(toRgb(c))));
    };

    app::ui::localiseWindow(this, tableWizardTexts(), host.texts(), true);
    app::ui::localiseWindow(this, tableWizardTexts(), host.texts());
}

void Ttablewizard::clickCell(int row, int column)
{
    m_table->setCurrentCell(row, column);
    showCell(row, column);
}

void Ttablewizard::showCell(int row, int column)
{
    QTableWidgetItem* item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        m_table->setItem(row, column, item);
    }
    m_table->setCurrentItem(item);
    item->setData(HasInfoRole, true);
    m_filling = true;
    m_width->setText(item->data(WidthRole).toString());
    const QString colour = item->data(BackColourRole).toString();
    m_colour->setText(colour);
    if (const std::optional<Rgb> rgb = parseHexColour(colour.toStdString()))
        m_picker->setColour(toQColor(*rgb));
    m_filling = false;
}

void Ttablewizard::setBackColour(const QString& rrggbb)
{
    QTableWidgetItem* item = m_table->currentItem();
    if (!item || !item->data(HasInfoRole).toBool())
        return;
    item->setData(BackColourRole, rrggbb);
    const std::optional<Rgb> rgb = parseHexColour(rrggbb.toStdString());
    item->setBackground(rgb ? QBrush(toQColor(*rgb)) : QBrush());
    m_filling = true;
    m_colour->setText(rrggbb);
    m_filling = false;
}

void Ttablewizard::assignTyped()
{
    const QString typed = m_colour->text().trimmed();
    if (typed.isEmpty()) {
        setBackColour(QString());
        return;
    }
    const std::optional<Rgb> rgb = parseHexColour(typed.toStdString());
    if (!rgb) {
        m_host.showNote(m_host.format(htmlMessages().section, "sBadColour", {typed}));
        return;
    }
    m_picker->setColour(toQColor(*rgb));
    setBackColour(QString::fromStdString(hexColour(*rgb)));
}

std::vector<std::vector<TableCell>> Ttablewizard::cells() const
{
    std::vector<std::vector<TableCell>> rows(static_cast<std::size_t>(m_table->rowCount()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        for (int c = 0; c < m_table->columnCount(); ++c) {
            TableCell cell;
            if (const QTableWidgetItem* item = m_table->item(r, c)) {
                cell.text = item->text().toStdString();
                if (item->data(HasInfoRole).toBool())
                    cell.info = TCCInfo{item->data(WidthRole).toString().toStdString(),
                                        item->data(HeightRole).toString().toStdString(),
                                        item->data(BackColourRole).toString().toStdString()};
            }
            rows[static_cast<std::size_t>(r)].push_back(std::move(cell));
        }
    }
    return rows;
}

} // namespace zuk::html::ui
