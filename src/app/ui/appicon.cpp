#include "app/ui/appicon.h"

#include <QApplication>
#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

// The resources are linked from a static library: nothing refers to their
// registration, so the linker drops it unless it is called. Without it the
// icon is missing and Qt asks every image plug-in whether it can read the
// absent file. (The macro cannot stand inside a namespace.)
static void registerResources()
{
    Q_INIT_RESOURCE(zuk);
}

namespace zuk::app::ui {

namespace {

const QString kIconFile = QStringLiteral(":/zuk/zuk.svg");

// The sizes a window manager picks from for title bars, task lists and
// switchers.
constexpr int kIconSides[] = {16, 24, 32, 48, 64, 128};

std::vector<QImage> drawIcon()
{
    std::vector<QImage> images;
    for (int side : kIconSides) {
        QImageReader reader(kIconFile);
        reader.setScaledSize(QSize(side, side));
        QImage image = reader.read();
        if (image.isNull())
            return {};
        images.push_back(std::move(image));
    }
    return images;
}

// A reader asked for a format no plug-in is named after asks every plug-in
// whether it reads it, which loads them all; later readers find them loaded.
void loadImagePlugins()
{
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    QImageReader reader(&empty, "png");
    reader.canRead();
}

} // namespace

void setApplicationIcon()
{
    registerResources();
    QApplication::setWindowIcon(QIcon(kIconFile));
}

ApplicationIconLoader::ApplicationIconLoader()
{
    registerResources();
    m_worker = std::thread([this] {
        loadImagePlugins();
        m_images = drawIcon();
    });
}

ApplicationIconLoader::~ApplicationIconLoader()
{
    if (m_worker.joinable())
        m_worker.join();
}

void ApplicationIconLoader::apply()
{
    if (m_worker.joinable())
        m_worker.join();
    if (m_images.empty()) {
        QApplication::setWindowIcon(QIcon(kIconFile));
        return;
    }
    QIcon icon;
    for (const QImage& image : m_images)
        icon.addPixmap(QPixmap::fromImage(image));
    QApplication::setWindowIcon(icon);
}

} // namespace zuk::app::ui
