#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::html::ui {

// What the gallery dialog gives on OK.
struct GalleryOptions {
    QString templateFile; // UTF-8 path
    QString title;
    int perRow = 3;
    bool toFile = true;
    QString fileName; // a plain name in the pictures' folder
    int quality = 90;
    bool grayscale = false;
    bool progressive = false;
    bool showGallery = false;
    bool openInEditor = false;
};

// The gallery options dialog ("Опции"): the template, the title, the cells
// per row, where the result goes and how the thumbnails are compressed. The
// default template is defgaltemplate.htm in the parts folder; when it is
// missing the dialog says so as it opens. Output into the document is
// offered only while a document is open.
class TfmThumbOptions final : public QDialog {
    Q_OBJECT

public:
    TfmThumbOptions(app::ui::ToolHost& host, QWidget* parent);

    // On OK an empty file name becomes gallery.htm, and a template file that
    // does not exist becomes the default template.
    GalleryOptions options() const;
    QString defaultTemplate() const;

private:
    void outputChanged();

    app::ui::ToolHost& m_host;
    QLineEdit* m_template = nullptr;
    QLineEdit* m_title = nullptr;
    QSpinBox* m_perRow = nullptr;
    QRadioButton* m_toFile = nullptr;
    QRadioButton* m_toDoc = nullptr;
    QLineEdit* m_fileName = nullptr;
    QSlider* m_quality = nullptr;
    QCheckBox* m_gray = nullptr;
    QCheckBox* m_progressive = nullptr;
    QCheckBox* m_show = nullptr;
    QCheckBox* m_open = nullptr;
};

} // namespace zuk::html::ui
