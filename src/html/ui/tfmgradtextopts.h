#pragma once

#include "html/htmlbasics.h"

#include <QDialog>

namespace zuk::app {
class TextService;
}

namespace zuk::html::ui {

class TColorPicker;

// The gradient dialog: the first and the last colour, OK and Cancel.
class TfmGradtextOpts final : public QDialog {
    Q_OBJECT

public:
    TfmGradtextOpts(QWidget* parent, const app::TextService& texts);

    Rgb startColour() const;
    Rgb endColour() const;
    TColorPicker* startPicker() const { return m_start; }
    TColorPicker* endPicker() const { return m_end; }

private:
    TColorPicker* m_start = nullptr;
    TColorPicker* m_end = nullptr;
};

} // namespace zuk::html::ui
