#pragma once

#include "calc/bignum.h"

#include <QWidget>

#include <string_view>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::calc::ui {

// The big-number calculator window: two operands with their histories, the
// result field and the operation buttons. Every button sets a joke line as
// the window title: the Russian one while the interface language is
// Russian, else the language file's or the English one. Its texts (section
// supacalc) come from the host's text service.
class Tsupacalc final : public QWidget {
    Q_OBJECT

public:
    Tsupacalc(app::ui::ToolHost& host, QWidget* parent);

    void press(BigButton button);

    QComboBox* firstBox() const { return m_first; }
    QComboBox* secondBox() const { return m_second; }
    QLineEdit* resultEdit() const { return m_result; }
    QPushButton* button(BigButton button) const;

private:
    // The two-operand buttons keep both texts in the histories, second first.
    void rememberOperands();
    QString compute(BigButton button);
    // A text that is Russian in Russian and English in every other language
    // the language file does not word itself.
    QString languageText(std::string_view key) const;

    app::ui::ToolHost& m_host;
    QComboBox* m_first = nullptr;
    QComboBox* m_second = nullptr;
    QLineEdit* m_result = nullptr;
    QPushButton* m_buttons[10] = {};
};

} // namespace zuk::calc::ui
