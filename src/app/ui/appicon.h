#pragma once

#include <QImage>

#include <thread>
#include <vector>

namespace zuk::app::ui {

// Gives every window of the program its icon, from the resources built into
// the program.
void setApplicationIcon();

// The same icon, drawn on a worker thread while the main window is built.
// Drawing it loads the SVG renderer, and the worker also loads Qt's image
// format plug-ins, which the first image the window reads (a standard icon of
// the menu bar) would otherwise load on the main thread: together several
// milliseconds of every start spent on the other processor.
class ApplicationIconLoader {
public:
    ApplicationIconLoader();
    ~ApplicationIconLoader();
    ApplicationIconLoader(const ApplicationIconLoader&) = delete;
    ApplicationIconLoader& operator=(const ApplicationIconLoader&) = delete;

    // Waits for the worker and gives every window the icon (drawn from the
    // SVG file the usual way where the worker could not draw it).
    void apply();

private:
    std::thread m_worker;
    std::vector<QImage> m_images;
};

} // namespace zuk::app::ui
