#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QPushButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::calc::ui {

// The unit converter's tool window: a number with its history, the
// conversion (chosen from the list or typed) and "Перевести". Its texts
// (section fm_valconv), the names of the conversions included, come from the
// host's text service.
class Tfm_valconv final : public QWidget {
    Q_OBJECT

public:
    Tfm_valconv(app::ui::ToolHost& host, QWidget* parent);

    // "Перевести": keeps the number in the history, converts and writes the
    // result over the number. A number that does not read or a conversion
    // that does not exist leaves the fields as they are and shows why.
    void translate();

    // The conversion a typed or chosen text names: its built-in name when the
    // text is a conversion's name in the interface language, in Russian or in
    // English; otherwise the text itself.
    std::string conversionName(const QString& text) const;

    QComboBox* numberBox() const { return m_number; }
    QComboBox* conversionBox() const { return m_conversion; }

    // Test hook: replaces the message box for a failed conversion.
    std::function<void(const QString& message)> messageHook;

private:
    void localise(bool builtIn);

    app::ui::ToolHost& m_host;
    QComboBox* m_number = nullptr;
    QComboBox* m_conversion = nullptr;
    QPushButton* m_translate = nullptr;
};

} // namespace zuk::calc::ui
