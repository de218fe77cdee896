#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QPlainTextEdit;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::html::ui {

// The tag clean-up dialog ("Tag killa"): the names of the tags to remove, one
// per line, the presets of the cleanup folder in the parts folder (choosing
// one loads it) and SAVE PRESET, which writes the list as a new preset.
class TfmHTMLCleanUpoptsions final : public QDialog {
    Q_OBJECT

public:
    TfmHTMLCleanUpoptsions(app::ui::ToolHost& host, QWidget* parent);

    QString tags() const;
    QComboBox* presets() const { return m_presets; }
    QPlainTextEdit* tagList() const { return m_tags; }
    // Lists the presets anew.
    void refillPresets();

private:
    QString folder() const;
    void loadPreset(int index);
    void savePreset();

    app::ui::ToolHost& m_host;
    QPlainTextEdit* m_tags = nullptr;
    QComboBox* m_presets = nullptr;
};

} // namespace zuk::html::ui
