#include "settings/ui/settingsbinder.h"

#include "codepages/charsets.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSpinBox>

#include <algorithm>

namespace zuk::settings::ui {

QColor toQColor(Colour colour)
{
    if (colour < 0)
        return QPalette().color(QPalette::Base);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour fromQColor(const QColor& colour)
{
    return static_cast<Colour>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

ColourButton::ColourButton(QWidget* parent) : QToolButton(parent)
{
    setIconSize(QSize(32, 14));
    setColour(0);
    connect(this, &QToolButton::clicked, this, [this] { pick(); });
}

void ColourButton::setColour(Colour colour)
{
    m_colour = colour;
    QPixmap swatch(iconSize());
    swatch.fill(toQColor(colour));
    QPainter frame(&swatch);
    frame.setPen(palette().color(QPalette::WindowText));
    frame.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    frame.end();
    setIcon(QIcon(swatch));
}

void ColourButton::pick()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_colour), this);
    if (!chosen.isValid())
        return;
    setColour(fromQColor(chosen));
    if (picked)
        picked(m_colour);
}

void SettingsBinder::bind(QCheckBox* box, FieldAccess<bool> access)
{
    m_bindings.push_back(
        {[box, access](const RConnectionTable& ct) { box->setChecked(access.get(ct)); },
         [box, access](RConnectionTable& ct) { access.set(ct, box->isChecked()); }});
}

void SettingsBinder::bindInverted(QAbstractButton* box, FieldAccess<bool> access)
{
    m_bindings.push_back(
        {[box, access](const RConnectionTable& ct) { box->setChecked(!access.get(ct)); },
         [box, access](RConnectionTable& ct) { access.set(ct, !box->isChecked()); }});
}

void SettingsBinder::bind(QSpinBox* box, FieldAccess<int> access, int lowest, int highest,
                          int scale)
{
    box->setRange(lowest, highest);
    m_bindings.push_back(
        {[box, access, lowest, highest, scale](const RConnectionTable& ct) {
             const int shown = access.get(ct) / scale;
             box->setValue(std::clamp(shown, lowest, highest));
         },
         [box, access, scale](RConnectionTable& ct) { access.set(ct, box->value() * scale); }});
}

void SettingsBinder::bind(QLineEdit* edit, FieldAccess<std::string> access, TextField kind)
{
    m_bindings.push_back({[edit, access, kind](const RConnectionTable& ct) {
                              const std::string value = access.get(ct);
                              edit->setText(QString::fromStdString(
                                  kind == TextField::utf8 ? value : codepages::winToUtf8(value)));
                          },
                          [edit, access, kind](RConnectionTable& ct) {
                              const std::string text = edit->text().toStdString();
                              access.set(ct, kind == TextField::utf8 ? text
                                                                     : codepages::utf8ToWin(text));
                          }});
}

void SettingsBinder::bind(ColourButton* button, FieldAccess<Colour> access)
{
    m_bindings.push_back(
        {[button, access](const RConnectionTable& ct) { button->setColour(access.get(ct)); },
         [button, access](RConnectionTable& ct) { access.set(ct, button->colour()); }});
}

void SettingsBinder::bind(QComboBox* box, FieldAccess<int> access)
{
    m_bindings.push_back({[box, access](const RConnectionTable& ct) {
                              box->setCurrentIndex(box->findData(access.get(ct)));
                          },
                          [box, access](RConnectionTable& ct) {
                              if (box->currentIndex() >= 0)
                                  access.set(ct, box->currentData().toInt());
                          }});
}

void SettingsBinder::bindCustom(std::function<void(const RConnectionTable&)> load,
                                std::function<void(RConnectionTable&)> store)
{
    m_bindings.push_back({std::move(load), std::move(store)});
}

void SettingsBinder::load(const RConnectionTable& ct)
{
    m_loading = true;
    for (const Binding& binding : m_bindings)
        binding.load(ct);
    m_loading = false;
}

void SettingsBinder::store(RConnectionTable& ct) const
{
    for (const Binding& binding : m_bindings)
        binding.store(ct);
}

void SettingsBinder::checkExclusive(QAbstractButton* button, bool on)
{
    // An exclusive group refuses to uncheck its checked button directly.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(on);
    button->setAutoExclusive(exclusive);
}

bool SettingsBinder::isChecked(const QAbstractButton* button)
{
    return button->isChecked();
}

} // namespace zuk::settings::ui
