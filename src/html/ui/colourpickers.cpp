#include "html/ui/colourpickers.h"

#include "app/ui/localiser.h"
#include "html/htmltexts.h"
#include "io/safefile.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace zuk::html::ui {

QColor toQColor(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

Rgb toRgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

namespace {

QString hexOf(const QColor& colour)
{
    return QString::fromStdString(hexColour(toRgb(colour)));
}

void paintSwatch(QLabel* swatch, const QColor& colour)
{
    swatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #808080;")
                              .arg(colour.name(QColor::HexRgb)));
}

// The common colours of the dialogs' pickers: greys, then the hues in a
// light, a full and a dark shade.
QVector<QColor> commonColours()
{
    QVector<QColor> colours;
    for (const char* hex :
         {"000000", "404040", "808080", "A0A0A0", "C0C0C0", "E0E0E0", "F0F0F0", "FFFFFF"})
        colours << QColor(QStringLiteral("#") + QLatin1String(hex));
    const int hues[] = {0, 30, 60, 120, 180, 210, 240, 300};
    for (const int value : {255, 200, 128})
        for (const int hue : hues)
            colours << QColor::fromHsv(hue, 255, value);
    for (const int hue : hues)
        colours << QColor::fromHsv(hue, 90, 255);
    return colours;
}

} // namespace

// --- ColourGrid ---------------------------------------------------------------------

ColourGrid::ColourGrid(QVector<QColor> colours, int columns, int cell, QWidget* parent)
    : QWidget(parent), m_colours(std::move(colours)), m_columns(columns), m_cell(cell)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ColourGrid::sizeHint() const
{
    const int rows = (static_cast<int>(m_colours.size()) + m_columns - 1) / m_columns;
    return {m_columns * m_cell + 1, rows * m_cell + 1};
}

void ColourGrid::setCurrent(int index)
{
    m_current = (index >= 0 && index < m_colours.size()) ? index : -1;
    update();
}

QColor ColourGrid::currentColour() const
{
    return m_current >= 0 ? m_colours[m_current] : QColor();
}

int ColourGrid::indexOf(const QColor& colour) const
{
    for (int i = 0; i < m_colours.size(); ++i)
        if (m_colours[i].rgb() == colour.rgb())
            return i;
    return -1;
}

int ColourGrid::indexAt(const QPoint& at) const
{
    if (at.x() < 0 || at.y() < 0)
        return -1;
    const int column = at.x() / m_cell;
    const int index = at.y() / m_cell * m_columns + column;
    return column < m_columns && index < m_colours.size() ? index : -1;
}

void ColourGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < m_colours.size(); ++i) {
        const QRect r(i % m_columns * m_cell, i / m_columns * m_cell, m_cell, m_cell);
        p.fillRect(r, m_colours[i]);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(r);
    }
    if (m_current >= 0) {
        const QRect r(m_current % m_columns * m_cell, m_current / m_columns * m_cell, m_cell,
                      m_cell);
        p.setPen(QPen(hasFocus() ? palette().highlight().color() : Qt::black, 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.setPen(Qt::white);
        p.drawRect(r.adjusted(3, 3, -3, -3));
    }
}

void ColourGrid::mousePressEvent(QMouseEvent* event)
{
    const int index = indexAt(event->position().toPoint());
    if (index < 0)
        return;
    setCurrent(index);
    if (onPicked)
        onPicked(currentColour());
}

void ColourGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()) >= 0 && onChosen)
        onChosen(currentColour());
}

void ColourGrid::keyPressEvent(QKeyEvent* event)
{
    int index = m_current < 0 ? 0 : m_current;
    const int count = static_cast<int>(m_colours.size());
    switch (event->key()) {
    case Qt::Key_Left:
        index = std::max(0, index - 1);
        break;
    case Qt::Key_Right:
        index = std::min(count - 1, index + 1);
        break;
    case Qt::Key_Up:
        if (index >= m_columns)
            index -= m_columns;
        break;
    case Qt::Key_Down:
        if (index + m_columns < count)
            index += m_columns;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0 && onChosen) {
            onChosen(currentColour());
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrent(index);
    if (onPicked)
        onPicked(currentColour());
}

QVector<QColor> webSafeColours()
{
    QVector<QColor> colours;
    for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b)
            for (int r = 0; r < 6; ++r)
                colours << QColor(r * 0x33, g * 0x33, b * 0x33);
    return colours;
}

// --- TWebSafePicker ---------------------------------------------------------------

TWebSafePicker::TWebSafePicker(QWidget* parent, const app::TextService& texts) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmWebSafePalette"));
    m_grid = new ColourGrid(webSafeColours(), 36, 14, this);
    m_grid->setObjectName(QStringLiteral("gridWebSafe"));
    m_swatch = new QLabel(this);
    m_swatch->setFixedSize(48, 24);
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("lColourValue"));
    m_value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    buttons->addButton(QString(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_swatch);
    bottom->addWidget(m_value);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_grid->onPicked = [this](const QColor& c) { show(c); };
    m_grid->onChosen = [this](const QColor& c) {
        show(c);
        accept();
    };
    m_grid->setCurrent(0);
    show(m_grid->currentColour());
    m_grid->setFocus();
    app::ui::localiseWindow(this, webSafeTexts(), texts, true);
    app::ui::localiseWindow(this, webSafeTexts(), texts);
}

void TWebSafePicker::show(const QColor& colour)
{
    paintSwatch(m_swatch, colour);
    m_value->setText(colourText());
}

QString TWebSafePicker::colourText() const
{
    return QStringLiteral("#") + hexOf(m_grid->currentColour());
}

std::optional<QString> TWebSafePicker::pick(QWidget* parent, const app::TextService& texts)
{
    TWebSafePicker picker(parent, texts);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.colourText();
}

// --- TColorPicker -----------------------------------------------------------------

TColorPicker::TColorPicker(const QString& moreName, QWidget* parent) : QWidget(parent)
{
    m_grid = new ColourGrid(commonColours(), 8, 16, this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_swatch = new QLabel(this);
    m_swatch->setObjectName(QStringLiteral("swatch"));
    m_swatch->setFixedSize(40, 20);
    m_more = new QPushButton(this);
    m_more->setObjectName(moreName);
    auto* side = new QVBoxLayout;
    side->addWidget(m_swatch);
    side->addWidget(m_more);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    layout->addLayout(side);

    m_grid->onPicked = [this](const QColor& c) { pick(c); };
    connect(m_more, &QPushButton::clicked, this, [this] {
        QColorDialog dialog(m_colour, this);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() == QDialog::Accepted)
            pick(dialog.selectedColor());
    });
    setColour(Qt::black);
}

void TColorPicker::setColour(const QColor& colour)
{
    m_colour = colour;
    m_grid->setCurrent(m_grid->indexOf(colour));
    paintSwatch(m_swatch, colour);
    m_swatch->setToolTip(QStringLiteral("#") + hexOf(colour));
}

void TColorPicker::pick(const QColor& colour)
{
    setColour(colour);
    if (onPicked)
        onPicked(colour);
}

// --- custom colours -------------------------------------------------------------

void loadCustomColours(const QString& path)
{
    std::string bytes;
    try {
        if (!io::readFileBytesIfExists(path.toStdString(), bytes))
            return;
    } catch (const IoError&) {
        return; // an unreadable file is as good as none
    }
    const CustomColours colours = parseCustomColours(bytes);
    for (int i = 0; i < QColorDialog::customCount() && i < static_cast<int>(colours.size()); ++i)
        if (colours[static_cast<std::size_t>(i)])
            QColorDialog::setCustomColor(
                i, toQColor(rgbOfColourValue(*colours[static_cast<std::size_t>(i)])));
}

void saveCustomColours(const QString& path)
{
    CustomColours colours{};
    for (int i = 0; i < QColorDialog::customCount() && i < static_cast<int>(colours.size()); ++i)
        colours[static_cast<std::size_t>(i)] = colourValueOf(toRgb(QColorDialog::customColor(i)));
    io::writeFileAtomically(path.toStdString(), formatCustomColours(colours));
}

} // namespace zuk::html::ui
