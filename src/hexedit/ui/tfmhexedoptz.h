#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::hexedit::ui {

class Tfmhexedit;

// The hex editor's options window: the translation, applied as soon as it
// is chosen, and the bytes per column and per line, each applied by its
// "SET" button. An empty field is not applied; one that is no integer, or
// out of range, is refused with a message. It belongs to the hex editor
// window, which frees it when it closes.
class Tfmhexedoptz final : public QWidget {
    Q_OBJECT

public:
    Tfmhexedoptz(app::ui::ToolHost& host, Tfmhexedit& editor);

    // The two SET buttons.
    void applyBytesPerColumn();
    void applyBytesPerLine();

    QComboBox* translationBox() const { return m_translation; }
    QLineEdit* bytesPerColumnEdit() const { return m_bytesPerColumn; }
    QLineEdit* bytesPerLineEdit() const { return m_bytesPerLine; }

private:
    // The field's integer, or nothing (empty, or refused with a message).
    bool readField(QLineEdit* field, int& value);

    app::ui::ToolHost& m_host;
    Tfmhexedit& m_editor;
    QComboBox* m_translation = nullptr;
    QLineEdit* m_bytesPerColumn = nullptr;
    QLineEdit* m_bytesPerLine = nullptr;
};

} // namespace zuk::hexedit::ui
