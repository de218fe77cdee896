#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zuk::calc::ui {

// The base converter dialog: a number, a base and the direction; "Конвертировать"
// writes the result field, OK closes the dialog for the result to be used.
class TfmBaseConv final : public QDialog {
    Q_OBJECT

public:
    explicit TfmBaseConv(QWidget* parent);

    // Captions by control name in the interface language; an empty result
    // keeps the built-in caption.
    void applyLanguage(const std::function<QString(const QString& key)>& caption);

    // "Конвертировать". A field that does not read, a base outside 2..36 or
    // a digit outside the base leaves the result as it was and shows why.
    void convert();

    QLineEdit* numberEdit() const { return m_number; }
    QLineEdit* baseEdit() const { return m_base; }
    QLineEdit* resultEdit() const { return m_result; }
    QRadioButton* decodeButton() const { return m_decode; }
    QRadioButton* encodeButton() const { return m_encode; }

    // Test hook: replaces the message box.
    std::function<void(const QString& message)> messageHook;

private:
    QLineEdit* m_number = nullptr;
    QLineEdit* m_base = nullptr;
    QLineEdit* m_result = nullptr;
    QLabel* m_lNumber = nullptr;
    QLabel* m_lBase = nullptr;
    QLabel* m_lResult = nullptr;
    QRadioButton* m_decode = nullptr;
    QRadioButton* m_encode = nullptr;
    QPushButton* m_do = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace zuk::calc::ui
