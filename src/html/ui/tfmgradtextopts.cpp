#include "html/ui/tfmgradtextopts.h"

#include "app/ui/localiser.h"
#include "html/htmltexts.h"
#include "html/ui/colourpickers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace zuk::html::ui {

TfmGradtextOpts::TfmGradtextOpts(QWidget* parent, const app::TextService& texts) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmGradtextOpts"));
    m_start = new TColorPicker(QStringLiteral("btStartColorMore"), this);
    m_start->setObjectName(QStringLiteral("pbStartColor"));
    m_end = new TColorPicker(QStringLiteral("btEndColorMore"), this);
    m_end->setObjectName(QStringLiteral("pbEndCOlor"));
    m_start->setColour(Qt::black);
    m_end->setColour(QColor(255, 0, 0));
    auto* startLabel = new QLabel(this);
    startLabel->setObjectName(QStringLiteral("lStartColor"));
    auto* endLabel = new QLabel(this);
    endLabel->setObjectName(QStringLiteral("lEndColor"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    buttons->addButton(QString(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(startLabel, 0, 0);
    layout->addWidget(m_start, 1, 0);
    layout->addWidget(endLabel, 0, 1);
    layout->addWidget(m_end, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    app::ui::localiseWindow(this, gradientTexts(), texts, true);
    app::ui::localiseWindow(this, gradientTexts(), texts);
}

Rgb TfmGradtextOpts::startColour() const
{
    return toRgb(m_start->colour());
}

Rgb TfmGradtextOpts::endColour() const
{
    return toRgb(m_end->colour());
}

} // namespace zuk::html::ui
