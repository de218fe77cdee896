#pragma once

#include "settings/connectiontable.h"

#include <QString>
#include <QToolButton>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QColor;

namespace zuk::settings::ui {

// How a string field of the record holds its text: most are Windows-1251
// bytes, paths and file names are UTF-8.
enum class TextField { win1251, utf8 };

// A field of the record seen through a getter and a setter, so that nested
// fields and narrow types (uint8_t) bind as easily as plain members.
template <class T> struct FieldAccess {
    std::function<T(const RConnectionTable&)> get;
    std::function<void(RConnectionTable&, T)> set;
};

// A plain member of the record: field(&RConnectionTable::BHU).
template <class T, class M> FieldAccess<T> field(M RConnectionTable::*member)
{
    return {[member](const RConnectionTable& ct) { return static_cast<T>(ct.*member); },
            [member](RConnectionTable& ct, T value) { ct.*member = static_cast<M>(value); }};
}

// A member of a member: field(&RConnectionTable::SaveOptions, &RSaveOptions::DoCopyVer).
template <class T, class S, class M> FieldAccess<T> field(S RConnectionTable::*outer, M S::*inner)
{
    return {[outer, inner](const RConnectionTable& ct) { return static_cast<T>(ct.*outer.*inner); },
            [outer, inner](RConnectionTable& ct, T value) {
                (ct.*outer).*inner = static_cast<M>(value);
            }};
}

// The colour a record value names (0x00BBGGRR; a negative value, a system
// colour, shows as the window colour) and back.
QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);

// A button that shows a colour as its swatch and, clicked, lets the user
// pick another.
class ColourButton : public QToolButton {
public:
    explicit ColourButton(QWidget* parent = nullptr);
    Colour colour() const { return m_colour; }
    void setColour(Colour colour);
    // Called after the user picked a colour.
    std::function<void(Colour)> picked;

private:
    void pick();
    Colour m_colour = 0;
};

// The controls of a settings page bound to fields of a settings record. A page
// is a table of bind calls: load() shows a record's values in the controls
// (out-of-range numbers show the nearest bound), store() writes the controls'
// values into a record. Which record is up to the caller: the dialog loads and
// stores its working copy, so the program's record changes only when the
// user confirms.
class SettingsBinder {
public:
    void bind(QCheckBox* box, FieldAccess<bool> access);
    // `inverted`: the box is checked when the field is false.
    void bindInverted(QAbstractButton* box, FieldAccess<bool> access);
    // The spin box gets the bounds; the value is multiplied by `scale` when
    // stored and divided (toward zero) when shown.
    void bind(QSpinBox* box, FieldAccess<int> access, int lowest, int highest, int scale = 1);
    void bind(QLineEdit* edit, FieldAccess<std::string> access, TextField kind);
    void bind(ColourButton* button, FieldAccess<Colour> access);
    // The combo box items carry their field values as item data; a value no
    // item has selects nothing and is kept when stored.
    void bind(QComboBox* box, FieldAccess<int> access);
    // A group of exclusive buttons, each standing for one value of the field;
    // a value none stands for checks none and is kept.
    template <class T>
    void bindChoice(std::vector<std::pair<QAbstractButton*, T>> buttons, FieldAccess<T> access)
    {
        m_bindings.push_back({[buttons, access](const RConnectionTable& ct) {
                                  const T value = access.get(ct);
                                  for (const auto& [button, standsFor] : buttons)
                                      checkExclusive(button, standsFor == value);
                              },
                              [buttons, access](RConnectionTable& ct) {
                                  for (const auto& [button, standsFor] : buttons)
                                      if (isChecked(button))
                                          access.set(ct, standsFor);
                              }});
    }
    // Anything else: a pair of functions written by the page.
    void bindCustom(std::function<void(const RConnectionTable&)> load,
                    std::function<void(RConnectionTable&)> store);

    void load(const RConnectionTable& ct);
    void store(RConnectionTable& ct) const;
    // True while load() runs, so that change handlers of the controls apply
    // nothing for values that are only being shown.
    bool loading() const { return m_loading; }

private:
    static void checkExclusive(QAbstractButton* button, bool on);
    static bool isChecked(const QAbstractButton* button);

    struct Binding {
        std::function<void(const RConnectionTable&)> load;
        std::function<void(RConnectionTable&)> store;
    };
    std::vector<Binding> m_bindings;
    bool m_loading = false;
};

} // namespace zuk::settings::ui
