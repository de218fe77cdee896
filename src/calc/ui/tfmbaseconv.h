#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::calc::ui {

// The base converter dialog: a number, a base and the direction; "Конвертировать"
// writes the result field, OK closes the dialog for the result to be used.
// Its texts (section fmBaseConv) come from the host's text service.
class TfmBaseConv final : public QDialog {
    Q_OBJECT

public:
    TfmBaseConv(app::ui::ToolHost& host, QWidget* parent);

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
    app::ui::ToolHost& m_host;
    QLineEdit* m_number = nullptr;
    QLineEdit* m_base = nullptr;
    QLineEdit* m_result = nullptr;
    QRadioButton* m_decode = nullptr;
    QRadioButton* m_encode = nullptr;
    QPushButton* m_do = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace zuk::calc::ui
