// Our picture-size reader against Qt's decoders on real files of every kind
// the img tags read.

#include "html/picturesize.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using zuk::html::PictureSize;
using zuk::html::pictureSizeOfFile;

namespace {

QByteArray encoded(const QImage& image, const char* format, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << format;
    return buffer.data();
}

// An MNG of one PNG image: the MNG signature and MHDR, the PNG's chunks,
// MEND. Chunk CRCs as PNG computes them. (Qt's MNG reader decodes no JNG;
// the JNG header is checked against its declared values elsewhere.)
QByteArray mngOf(const QByteArray& png, quint32 w, quint32 h)
{
    auto crc = [](const QByteArray& data) {
        quint32 c = 0xFFFFFFFFu;
        for (const char byte : data) {
            c ^= static_cast<unsigned char>(byte);
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        return c ^ 0xFFFFFFFFu;
    };
    auto be32 = [](quint32 v) {
        QByteArray b(4, 0);
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>(v >> (24 - 8 * i));
        return b;
    };
    auto chunk = [&](const char* type, const QByteArray& data) {
        const QByteArray typed = QByteArray(type) + data;
        return be32(static_cast<quint32>(data.size())) + typed + be32(crc(typed));
    };
    QByteArray mhdr = be32(w) + be32(h) + be32(1) + be32(1) + be32(1) + be32(0) + be32(1);
    return QByteArray("\x8aMNG\r\n\x1a\n", 8) + chunk("MHDR", mhdr) + png.mid(8) +
           chunk("MEND", {});
}

} // namespace

TEST(PictureSizeAgainstQt, EveryFormatReadsAsQtDecodesIt)
{
    QTemporaryDir dir;
    QImage image(123, 45, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QByteArray png = encoded(image, "png");
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"a.jpg", encoded(image, "jpeg")},
        {"progressive.jpg", encoded(image, "jpeg", true)},
        {"a.png", png},
        {"a.bmp", encoded(image, "bmp")},
        // The classic one-pixel GIF.
        {"a.gif", QByteArray("GIF89a\x01\0\x01\0\x80\0\0\xff\xff\xff\0\0\0!\xf9\x04\x01\0\0\0\0,"
                             "\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;",
                             43)},
        {"a.mng", mngOf(png, 123, 45)},
    };
    for (const auto& f : files) {
        const QString path = dir.path() + "/" + f.name;
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(f.bytes);
        out.close();
        QImageReader reader(path);
        QSize qt = reader.size();
        if (!qt.isValid()) // Qt's MNG reader knows the size only once decoded
            qt = reader.read().size();
        ASSERT_FALSE(qt.isEmpty()) << f.name << ": " << reader.errorString().toStdString();
        const std::optional<PictureSize> ours = pictureSizeOfFile(path.toStdString());
        ASSERT_TRUE(ours) << f.name;
        EXPECT_EQ(QSize(int(ours->width), int(ours->height)), qt) << f.name;
    }
}
