#pragma once

#include "highlight/csynman.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::highlight {

// The scheme registration dialog: extension, display name and scheme file.
// Choosing a header scheme file fills the name and extensions from its header.
// Its texts are those of section fmSyntax in the current language, and follow
// a change of language while it is open.
class TfmSyntax final : public QDialog {
public:
    explicit TfmSyntax(app::ui::ToolHost& host, QWidget* parent = nullptr);

    // The fields as Windows-1251 text / the stored path.
    void setItem(const RSynItem& item);
    RSynItem item() const;

    QLineEdit* edSynExt() const { return m_ext; }
    QLineEdit* edSynCapt() const { return m_caption; }
    QLineEdit* edSynFile() const { return m_file; }
    QPushButton* btOk() const { return m_ok; }

private:
    void edSynFileChange();
    void chooseFile();

    app::ui::ToolHost& m_host;
    QLineEdit* m_ext;
    QLineEdit* m_caption;
    QLineEdit* m_file;
    QPushButton* m_ok;
};

} // namespace zuk::highlight
