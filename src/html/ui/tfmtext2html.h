#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::html::ui {

// What the text-to-HTML dialog gives on OK. Colours are "#RRGGBB" or empty.
struct Text2HtmlChoice {
    QString leftMargin, rightMargin, backColour, foreColour;
    bool replaceBreaks = false, addSpaces = false, paragraphs = false, useCss = false;
    int spaces = 3;
    QString css; // every line followed by CR LF
    bool newFile = false;
};

// The options dialog of text to HTML ("Опции"), made anew for every use, so
// it always opens with its built-in defaults. The style sheet folder is
// paracss in the parts folder: a file chosen there is loaded into the style
// text, and SAVE writes the style text to a file there. OK refuses a colour
// that is not six hexadecimal digits.
class TfmText2HTML final : public QDialog {
    Q_OBJECT

public:
    TfmText2HTML(app::ui::ToolHost& host, QWidget* parent);

    Text2HtmlChoice choice() const;
    // The style sheet file field; a file that exists is loaded at once.
    QLineEdit* cssFileField() const { return m_cssFile; }

    void accept() override;

private:
    QString cssFolder() const;
    void loadCss(const QString& name);
    void chooseCss();
    void saveCss();
    void pickColour(QLineEdit* field);

    app::ui::ToolHost& m_host;
    QCheckBox* m_br = nullptr;
    QCheckBox* m_spaces = nullptr;
    QSpinBox* m_spaceCount = nullptr;
    QCheckBox* m_para = nullptr;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_right = nullptr;
    QLineEdit* m_back = nullptr;
    QLineEdit* m_fore = nullptr;
    QCheckBox* m_useCss = nullptr;
    QPlainTextEdit* m_css = nullptr;
    QLineEdit* m_cssFile = nullptr;
    QCheckBox* m_newFile = nullptr;
};

} // namespace zuk::html::ui
