#include "filebox/ui/thumbnailloader.h"

#include "filebox/fileboxlogic.h"

#include <QImageReader>
#include <QPainter>

namespace zuk::filebox::ui {

ThumbnailLoader::~ThumbnailLoader()
{
    stop();
}

void ThumbnailLoader::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    m_stop = false;
}

QImage ThumbnailLoader::thumbnail(const QString& path, QSize box, const QColor& background)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    QImage picture;
    ThumbPlacement place;
    if (size.isValid()) {
        place = placeThumbnail(size.width(), size.height(), box.width(), box.height());
        if (place.width != size.width() || place.height != size.height())
            reader.setScaledSize(QSize(place.width, place.height));
        picture = reader.read();
    } else {
        // A format that does not tell its size before decoding.
        picture = reader.read();
        if (picture.isNull())
            return {};
        place = placeThumbnail(picture.width(), picture.height(), box.width(), box.height());
    }
    if (picture.isNull())
        return {};
    QImage out(box, QImage::Format_RGB32);
    out.fill(background);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(place.x, place.y, place.width, place.height), picture);
    return out;
}

void ThumbnailLoader::load(QStringList paths, QSize box, QColor background, Ready ready)
{
    stop();
    m_thread =
        std::thread([this, paths = std::move(paths), box, background, ready = std::move(ready)] {
            for (int i = 0; i < paths.size() && !m_stop; ++i) {
                const QImage image = thumbnail(paths[i], box, background);
                if (!image.isNull() && !m_stop)
                    ready(i, paths[i], image);
            }
        });
}

} // namespace zuk::filebox::ui
