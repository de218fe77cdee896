#pragma once

#include "codepages/charsets.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

// The character table: the 256 characters of the active document's code
// page in its font, 16 × 16 (row = high four bits, column = low four bits),
// a large sample, a code field and the buttons "Copy char" and "Copy code".
// Clicking a cell types its character into the document at the caret.
class Tfrm_CharTable final : public QWidget {
public:
    Tfrm_CharTable(app::ui::ToolHost& host, QWidget* parent);

    // Takes the font and the code page of the active document (none open:
    // the table stays as it is).
    void followDocument();

    // A click on the cell of `code`: shows it in the code field and the
    // sample, and types it into the current document. Code 0 is never typed:
    // a NUL would end the document's text when it is read back.
    void chooseCode(int code);
    void copyChar();
    void copyCode();

    int currentCode() const { return m_code; }
    codepages::CodePage codePage() const { return m_codePage; }
    // The character the table shows for a code.
    QString shownChar(int code) const;
    QTableWidget* grid() const { return m_grid; }
    QLabel* sample() const { return m_sample; }
    QLineEdit* codeField() const { return m_codeField; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void localise(bool builtIn);
    void fillGrid();

    app::ui::ToolHost& m_host;
    QTableWidget* m_grid = nullptr;
    QLabel* m_sample = nullptr;
    QLineEdit* m_codeField = nullptr;
    codepages::CodePage m_codePage = codepages::CodePage::Win;
    QString m_fontName;
    int m_code = -1;
};

} // namespace zuk::organizer::ui
