#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <thread>

namespace zuk::filebox::ui {

// Decodes the pictures of a folder into thumbnails on a worker thread, each
// read at its reduced size only (a big photo is never decoded whole) and
// centred on the box colour. Every image goes to `ready` on the worker
// thread, in listing order; pictures that cannot be decoded are skipped.
// A new load or the destructor stops the one before and waits for it.
class ThumbnailLoader final {
public:
    using Ready = std::function<void(int index, const QString& path, const QImage& image)>;

    ~ThumbnailLoader();
    void load(QStringList paths, QSize box, QColor background, Ready ready);
    void stop();

    // The thumbnail of one picture, or a null image.
    static QImage thumbnail(const QString& path, QSize box, const QColor& background);

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace zuk::filebox::ui
