#pragma once

#include "html/htmlbasics.h"

#include <QColor>
#include <QDialog>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace zuk::app {
class TextService;
}

namespace zuk::html::ui {

QColor toQColor(Rgb colour);
Rgb toRgb(const QColor& colour);

// A grid of colour swatches: click (or arrow keys and Space) picks one,
// a double click (or Enter) also reports it as chosen.
class ColourGrid final : public QWidget {
    Q_OBJECT

public:
    ColourGrid(QVector<QColor> colours, int columns, int cell, QWidget* parent);

    int current() const { return m_current; }
    void setCurrent(int index);
    QColor currentColour() const;
    // The index of this colour, or -1.
    int indexOf(const QColor& colour) const;

    std::function<void(const QColor&)> onPicked;
    std::function<void(const QColor&)> onChosen;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int indexAt(const QPoint& at) const;

    QVector<QColor> m_colours;
    int m_columns;
    int m_cell;
    int m_current = -1;
};

// The 216 colours of the web-safe palette (every channel one of 00, 33, 66,
// 99, CC, FF), reds across, greens and blues down.
QVector<QColor> webSafeColours();

// The web-safe colour picker: the grid, the chosen colour and its value,
// OK and Cancel.
class TWebSafePicker final : public QDialog {
    Q_OBJECT

public:
    TWebSafePicker(QWidget* parent, const app::TextService& texts);
    // "#RRGGBB".
    QString colourText() const;
    ColourGrid* grid() const { return m_grid; }

    // Shows the picker; the chosen colour as "#RRGGBB", nothing on Cancel.
    static std::optional<QString> pick(QWidget* parent, const app::TextService& texts);

private:
    void show(const QColor& colour);

    ColourGrid* m_grid = nullptr;
    QLabel* m_swatch = nullptr;
    QLabel* m_value = nullptr;
};

// A colour picker of the dialogs: a grid of common colours, a swatch of the
// current colour and a button (objectName `moreName`) that opens the colour
// dialog for any other colour.
class TColorPicker final : public QWidget {
    Q_OBJECT

public:
    TColorPicker(const QString& moreName, QWidget* parent);

    QColor colour() const { return m_colour; }
    // Sets the colour without reporting it.
    void setColour(const QColor& colour);
    QPushButton* moreButton() const { return m_more; }
    ColourGrid* grid() const { return m_grid; }

    // A colour the user picked.
    std::function<void(const QColor&)> onPicked;

private:
    void pick(const QColor& colour);

    ColourGrid* m_grid = nullptr;
    QLabel* m_swatch = nullptr;
    QPushButton* m_more = nullptr;
    QColor m_colour = Qt::black;
};

// The custom colours of the colour dialog, read from and written to
// stdpickercolors.txt (UTF-8 path).
void loadCustomColours(const QString& path);
// Throws zuk::IoError with the system's reason.
void saveCustomColours(const QString& path);

} // namespace zuk::html::ui
