#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QPushButton;

namespace zuk::calc::ui {

// The unit converter's tool window: a number with its history, the
// conversion (chosen from the list or typed) and "Перевести".
class Tfm_valconv final : public QWidget {
    Q_OBJECT

public:
    explicit Tfm_valconv(QWidget* parent);

    // "Перевести": keeps the number in the history, converts and writes the
    // result over the number. A number that does not read leaves the fields
    // as they are and shows why.
    void translate();

    QComboBox* numberBox() const { return m_number; }
    QComboBox* conversionBox() const { return m_conversion; }

    // Test hook: replaces the message box for a number that does not read.
    std::function<void(const QString& message)> messageHook;

private:
    QComboBox* m_number = nullptr;
    QComboBox* m_conversion = nullptr;
    QPushButton* m_translate = nullptr;
};

} // namespace zuk::calc::ui
