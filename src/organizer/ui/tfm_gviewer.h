#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QMenuBar;
class QMovie;
class QScrollArea;

namespace zuk::app::ui {
class ToolHost;
}

namespace zuk::organizer::ui {

class TPictureView;

// Whether the viewer shows a file: the picture extensions of the file box
// (gif, jpg, jpeg, png, bmp, mng, jng) and whatever else Qt's image readers
// take, compared without regard to case.
bool isPictureFile(const QString& path);

// The picture viewer ("Гляделка"): one picture on black, animated when the
// file is (GIF, MNG), unscaled or fitted to the window. Loading puts the
// window in the top left corner of the screen and sizes it to the picture,
// never past the screen's available area; the caption is the size shown.
class Tfm_GViewer final : public QWidget {
public:
    Tfm_GViewer(app::ui::ToolHost& host, QWidget* parent);
    ~Tfm_GViewer() override;

    // Shows the picture of `path`. A file that is no picture is ignored
    // (false); one that cannot be read leaves the window as it was, and the
    // reason is shown (false).
    bool loadPicture(const QString& path);
    QString fileName() const { return m_file; }
    QSize pictureSize() const;
    // The size the picture is drawn at.
    QSize shownSize() const;

    // "Масштаб по размеру окна" (true) and "Оригинальный размер" (false).
    void setStretched(bool on);
    bool stretched() const { return m_stretched; }

    std::function<void(const QString&)> messageHook;

private:
    void localise(bool builtIn);
    void updateCaption();
    void placeFor(QSize picture);

    app::ui::ToolHost& m_host;
    QMenuBar* m_menu = nullptr;
    QScrollArea* m_scroll = nullptr;
    TPictureView* m_view = nullptr;
    std::unique_ptr<QMovie> m_movie;
    QString m_file;
    bool m_stretched = false;
};

} // namespace zuk::organizer::ui
