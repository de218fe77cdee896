#pragma once

#include <QDialog>
#include <QString>

class QComboBox;

namespace zuk::app {
class TextService;
}

namespace zuk::textfunc::ui {

// The "Опции" dialog of the enclose command: two texts, "ДО" and "ПОСЛЕ",
// in fields that remember what was entered before during the run, and a
// single OK button. Closing it any way counts as OK. Its texts are those of
// section fmba in the current language.
class TEncloseDialog final : public QDialog {
public:
    TEncloseDialog(QWidget* parent, const app::TextService& texts);

    QString before() const;
    QString after() const;
    void setTexts(const QString& before, const QString& after);

    // Asks and returns the two texts; the fields start with the last answers.
    static void ask(QWidget* parent, const app::TextService& texts, QString& before,
                    QString& after);

private:
    QComboBox* m_before = nullptr;
    QComboBox* m_after = nullptr;
};

} // namespace zuk::textfunc::ui
