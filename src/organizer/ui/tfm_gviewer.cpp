#include "organizer/ui/tfm_gviewer.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "organizer/jngwrap.h"
#include "organizer/organizertexts.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenuBar>
#include <QMessageBox>
#include <QMovie>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zuk::organizer::ui {

// Draws the current picture (or frame) at its own size, or fitted into the
// widget with its proportions kept.
class TPictureView final : public QWidget {
public:
    explicit TPictureView(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void setImage(const QImage& image)
    {
        m_image = image;
        update();
    }
    const QImage& image() const { return m_image; }
    void setFitted(bool on)
    {
        m_fitted = on;
        update();
    }
    QSize shownSize() const
    {
        if (m_image.isNull())
            return {0, 0};
        return m_fitted ? m_image.size().scaled(size(), Qt::KeepAspectRatio) : m_image.size();
    }

    std::function<void()> resized;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (resized)
            resized();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (m_image.isNull())
            return;
        if (!m_fitted) {
            p.drawImage(0, 0, m_image);
            return;
        }
        const QSize shown = shownSize();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(
            QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown),
            m_image);
    }

private:
    QImage m_image;
    bool m_fitted = false;
};

namespace {

// The extensions the file box treats as pictures.
const QStringList& boxPictureExtensions()
{
    static const QStringList list{
        QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
        QStringLiteral("bmp"), QStringLiteral("mng"), QStringLiteral("jng")};
    return list;
}

bool isJng(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("jng"), Qt::CaseInsensitive) == 0;
}

// A still picture, a JNG through the MNG reader in the stream form it takes.
QImage readStill(const QString& path, QString& error)
{
    QBuffer buffer;
    std::unique_ptr<QImageReader> reader;
    if (isJng(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            error = file.errorString();
            return {};
        }
        const QByteArray bytes = file.readAll();
        const std::optional<std::string> mng = wrapJngAsMng(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (!mng) {
            error = QImageReader(path).errorString();
            return {};
        }
        buffer.setData(QByteArray::fromStdString(*mng));
        buffer.open(QIODevice::ReadOnly);
        reader = std::make_unique<QImageReader>(&buffer, QByteArrayLiteral("mng"));
    } else {
        reader = std::make_unique<QImageReader>(path);
    }
    reader->setAutoTransform(true);
    QImage image = reader->read();
    if (image.isNull())
        error = reader->errorString();
    return image;
}

} // namespace

bool isPictureFile(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext.isEmpty())
        return false;
    return boxPictureExtensions().contains(ext) ||
           QImageReader::supportedImageFormats().contains(ext.toLatin1());
}

Tfm_GViewer::Tfm_GViewer(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("fm_GViewer"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    m_menu = new QMenuBar(this);
    m_menu->setNativeMenuBar(false);
    QAction* zoom = m_menu->addAction(QString());
    zoom->setObjectName(QStringLiteral("mniZoom"));
    QAction* original = m_menu->addAction(QString());
    original->setObjectName(QStringLiteral("mniZoomDefault"));
    connect(zoom, &QAction::triggered, this, [this] { setStretched(true); });
    connect(original, &QAction::triggered, this, [this] { setStretched(false); });

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("sbPicture"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setPalette(black);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_view = new TPictureView(m_scroll);
    m_scroll->setWidget(m_view);
    // While fitted, every new size of the window is a new size of the picture.
    m_view->resized = [this] {
        if (m_stretched && !m_file.isEmpty())
            updateCaption();
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menu);
    layout->addWidget(m_scroll, 1);

    localise(true);
    host.addLocaliser(this, [this] { localise(false); });
    resize(320, 240);
}

Tfm_GViewer::~Tfm_GViewer() = default;

void Tfm_GViewer::localise(bool builtIn)
{
    app::ui::localiseWindow(this, viewerTexts(), m_host.texts(), builtIn);
    if (!m_file.isEmpty())
        updateCaption();
}

QSize Tfm_GViewer::pictureSize() const
{
    return m_view->image().size();
}

QSize Tfm_GViewer::shownSize() const
{
    return m_view->shownSize();
}

bool Tfm_GViewer::loadPicture(const QString& path)
{
    if (!isPictureFile(path) || QFileInfo(path).isDir())
        return false;
    // Animations run through a movie; a still picture is read once.
    std::unique_ptr<QMovie> movie;
    QImage first;
    if (!isJng(path)) {
        QImageReader reader(path);
        if (reader.supportsAnimation() && reader.imageCount() != 1) {
            movie = std::make_unique<QMovie>(path);
            if (movie->isValid() && movie->jumpToFrame(0))
                first = movie->currentImage();
        }
    }
    if (first.isNull()) {
        movie.reset();
        QString error;
        first = readStill(path, error);
        if (first.isNull()) {
            const QString text = m_host.format(viewerTexts().section, "sCannotShow", {path, error});
            if (messageHook)
                messageHook(text);
            else
                QMessageBox::warning(this, windowTitle(), text);
            return false;
        }
    }
    m_movie = std::move(movie);
    m_file = path;
    m_view->setImage(first);
    if (m_movie) {
        QMovie* m = m_movie.get();
        connect(m, &QMovie::frameChanged, m_view,
                [this, m] { m_view->setImage(m->currentImage()); });
        m->start();
    }
    setStretched(m_stretched);
    placeFor(first.size());
    return true;
}

// The top left corner of the screen, the picture's size plus the menu,
// within the screen's available area (scroll bars show the rest).
void Tfm_GViewer::placeFor(QSize picture)
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // The frame around the inside: known once shown, else a usual title bar.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(8, 32);
    const QSize wanted(picture.width(), picture.height() + m_menu->sizeHint().height());
    const QSize most(std::max(100, area.width() - frame.width() - 2),
                     std::max(100, area.height() - frame.height() - 2));
    move(area.topLeft() + QPoint(1, 1));
    resize(wanted.boundedTo(most).expandedTo(QSize(120, 80)));
}

void Tfm_GViewer::setStretched(bool on)
{
    m_stretched = on;
    m_view->setFitted(on);
    m_scroll->setWidgetResizable(on);
    if (!on)
        m_view->resize(m_view->image().size());
    updateCaption();
}

void Tfm_GViewer::updateCaption()
{
    const QSize shown = shownSize();
    setWindowTitle(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height()));
}

} // namespace zuk::organizer::ui
