#pragma once

#include "html/generators.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::html::ui {

class TColorPicker;

// The table wizard ("tablewizard"): a grid of cell texts whose size the two
// spin fields set, and the width and background colour of the current cell.
// A cell gets its settings (TCCInfo) when it is first clicked; its colour is
// shown and typed as RRGGBB and paints the cell.
class Ttablewizard final : public QDialog {
    Q_OBJECT

public:
    Ttablewizard(app::ui::ToolHost& host, QWidget* parent);

    // The cells, row by row: texts and settings as UTF-8.
    std::vector<std::vector<TableCell>> cells() const;

    QTableWidget* table() const { return m_table; }
    // Makes the cell current as a click does.
    void clickCell(int row, int column);

private:
    void showCell(int row, int column);
    void setBackColour(const QString& rrggbb);
    void assignTyped();

    app::ui::ToolHost& m_host;
    QTableWidget* m_table = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_rows = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_colour = nullptr;
    TColorPicker* m_picker = nullptr;
    bool m_filling = false; // the fields are being filled from a cell
};

} // namespace zuk::html::ui
