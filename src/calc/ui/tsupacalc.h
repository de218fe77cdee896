#pragma once

#include "calc/bignum.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zuk::calc::ui {

// The big-number calculator window: two operands with their histories, the
// result field and the operation buttons. Every button sets a joke line as
// the window title, Russian or not by the interface language.
class Tsupacalc final : public QWidget {
    Q_OBJECT

public:
    Tsupacalc(bool russian, QWidget* parent);

    // Captions by control name in the interface language; an empty result
    // keeps the built-in caption.
    void applyLanguage(const std::function<QString(const QString& key)>& caption);
    void setRussian(bool russian) { m_russian = russian; }

    void press(BigButton button);

    QComboBox* firstBox() const { return m_first; }
    QComboBox* secondBox() const { return m_second; }
    QLineEdit* resultEdit() const { return m_result; }
    QPushButton* button(BigButton button) const;

private:
    // The two-operand buttons keep both texts in the histories, second first.
    void rememberOperands();
    QString compute(BigButton button);

    bool m_russian = true;
    QComboBox* m_first = nullptr;
    QComboBox* m_second = nullptr;
    QLineEdit* m_result = nullptr;
    QLabel* m_lFirst = nullptr;
    QLabel* m_lSecond = nullptr;
    QLabel* m_lResult = nullptr;
    QPushButton* m_buttons[10] = {};
};

} // namespace zuk::calc::ui
