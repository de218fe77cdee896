// The gallery as the file box will start it: thumbnails, the page from the
// template, the table in the document, and every refusal made before a file
// is written.

#include "html/ui/gallery.h"
#include "html/ui/htmltestsupport.h"
#include "html/ui/tfmthumboptions.h"
#include "support/ui/fakehost.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zuk::html::ui;
using zuk::test::FakeHost;
using zuk::test::onModal;

namespace {

struct Gallery {
    Gallery()
    {
        host.partsDir = parts.path() + "/";
        host.record.th_w = 60;
        host.record.th_h = 40;
        host.record.th_color = 0x0000FF; // red
        write(host.partsDir + "defgaltemplate.htm",
              "<title>$%TITLE</title>\r\n@stamp\r\n$%PROCESSED_TEXT\r\n");
    }
    static void write(const QString& path, const std::string& bytes)
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    static std::string read(const QString& path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }
    QString picture(const QString& name, QSize size, const char* format)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::green);
        const QString path = pictures.path() + "/" + name;
        EXPECT_TRUE(image.save(path, format)) << name.toStdString();
        return path;
    }
    QString at(const QString& name) const { return pictures.path() + "/" + name; }
    // Answers the options dialog with `set`, then OK.
    std::unique_ptr<QTimer> answer(std::function<void(TfmThumbOptions*)> set = {})
    {
        return onModal<TfmThumbOptions>([set](TfmThumbOptions* d) {
            if (set)
                set(d);
            d->findChild<QPushButton*>("btOK")->click();
        });
    }
    QTemporaryDir parts, pictures;
    FakeHost host;
};

} // namespace

TEST(GalleryCommand, FivePicturesMakeThumbnailsAndAPageOfTwoRows)
{
    Gallery g;
    QStringList names{"a.gif", "a.png", "wide.jpg", "small.bmp", "q\"&.png"};
    g.picture("a.gif", {30, 20}, "png"); // any content: the reader goes by the data
    g.picture("a.png", {300, 200}, "png");
    g.picture("wide.jpg", {2000, 100}, "jpg");
    g.picture("small.bmp", {10, 10}, "bmp");
    g.picture("q\"&.png", {50, 200}, "png");
    setGalleryMacroExpansion([](const std::string& t) {
        std::string out = t;
        out.replace(out.find("@stamp"), 6, "expanded");
        return out;
    });
    auto answer = g.answer([](TfmThumbOptions* d) {
        d->findChild<QLineEdit*>("edTitle")->setText("Trip & \"sea\"");
        d->findChild<QCheckBox*>("cbGrayscale")->setChecked(true);
        d->findChild<QCheckBox*>("cbOpenGal")->setChecked(true);
    });
    ASSERT_TRUE(makeGallery(g.host, names, g.pictures.path()));
    setGalleryMacroExpansion({});

    const std::string page = Gallery::read(g.at("gallery.htm"));
    EXPECT_EQ(
        page.rfind("<title>Trip &amp; &quot;sea&quot;</title>\r\nexpanded\r\n<table>\r\n<tr>\r\n",
                   0),
        0u)
        << page;
    EXPECT_NE(page.find("<td><a href=\"a.gif\"><img src=\"thm_a.gif.jpg\" width=\"60\" "
                        "height=\"40\" border=\"0\" alt=\"a.gif\"></a></td>\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("href=\"q&quot;&amp;.png\""), std::string::npos);
    // Two rows: three cells, then two.
    EXPECT_EQ(page.find("</tr>\r\n<tr>\r\n<td><a href=\"small.bmp\">"), page.find("</tr>\r\n<tr>"));
    EXPECT_NE(page.find("</td>\r\n</tr>\r\n</table>"), std::string::npos);
    for (const QString& name : names) {
        QImageReader thumb(g.at("thm_" + name + ".jpg"));
        EXPECT_EQ(thumb.format(), "jpeg") << name.toStdString();
        EXPECT_EQ(thumb.size(), QSize(60, 40)) << name.toStdString();
    }
    const QImage thumb(g.at("thm_small.bmp.jpg"));
    EXPECT_TRUE(thumb.isGrayscale());
    EXPECT_EQ(g.host.openedFiles, QStringList{g.at("gallery.htm")});
}

TEST(GalleryCommand, ThumbnailsAreReducedIntoTheBoxColour)
{
    Gallery g;
    const QString source = g.picture("tall.png", {100, 400}, "png");
    ThumbnailJob job{source, g.at("thm.jpg"), {60, 40}, QColor(255, 0, 0), 100, false, false};
    ASSERT_FALSE(writeThumbnail(job));
    const QImage thumb(g.at("thm.jpg"));
    ASSERT_EQ(thumb.size(), QSize(60, 40));
    // 10 pixels of green in the middle, red around it.
    EXPECT_GT(thumb.pixelColor(30, 20).green(), 200);
    EXPECT_GT(thumb.pixelColor(5, 20).red(), 200);
    EXPECT_LT(thumb.pixelColor(5, 20).green(), 60);

    job.source = g.at("missing.png");
    const std::optional<QString> failed = writeThumbnail(job);
    EXPECT_TRUE(failed);
}

TEST(GalleryCommand, RefusesBeforeWritingAnything)
{
    Gallery g;
    g.picture("a.png", {30, 20}, "png");
    g.picture("b.png", {30, 20}, "png");
    const QStringList two{"a.png", "b.png"};
    auto entries = [&g] { return QDir(g.pictures.path()).entryList(QDir::Files).size(); };

    // One picture: nothing at all, not even the dialog.
    EXPECT_FALSE(makeGallery(g.host, {"a.png"}, g.pictures.path()));

    // A page name that leaves the folder.
    {
        auto answer = g.answer([](TfmThumbOptions* d) {
            d->findChild<QLineEdit*>("edFileName")->setText("../x.htm");
        });
        EXPECT_FALSE(makeGallery(g.host, two, g.pictures.path()));
        EXPECT_EQ(entries(), 2);
        EXPECT_TRUE(g.host.notes.last().contains("../x.htm"));
    }
    // A page named like a selected picture.
    {
        auto answer = g.answer(
            [](TfmThumbOptions* d) { d->findChild<QLineEdit*>("edFileName")->setText("b.png"); });
        EXPECT_FALSE(makeGallery(g.host, two, g.pictures.path()));
        EXPECT_EQ(entries(), 2);
    }
    // Existing files are replaced only after a question.
    Gallery::write(g.at("thm_a.png.jpg"), "old");
    g.host.confirmAnswer = false;
    {
        auto answer = g.answer();
        EXPECT_FALSE(makeGallery(g.host, two, g.pictures.path()));
        EXPECT_EQ(Gallery::read(g.at("thm_a.png.jpg")), "old");
        EXPECT_TRUE(g.host.questions.last().contains("thm_a.png.jpg"));
        EXPECT_FALSE(QFileInfo::exists(g.at("gallery.htm")));
    }
    // No template: said when the dialog opens and again before any writing.
    QFile::remove(g.host.partsDir + "defgaltemplate.htm");
    g.host.confirmAnswer = true;
    {
        auto answer = g.answer();
        EXPECT_FALSE(makeGallery(g.host, two, g.pictures.path()));
        EXPECT_EQ(Gallery::read(g.at("thm_a.png.jpg")), "old");
        EXPECT_FALSE(QFileInfo::exists(g.at("gallery.htm")));
        ASSERT_GE(g.host.notes.size(), 2);
        EXPECT_TRUE(g.host.notes.last().startsWith("Error! Can\"t find the file - "));
    }
}

TEST(GalleryCommand, IntoTheDocumentWithoutAPage)
{
    Gallery g;
    g.picture("a.png", {30, 20}, "png");
    g.picture("b.png", {30, 20}, "png");
    g.host.ved.text = "";
    auto answer = g.answer([](TfmThumbOptions* d) {
        d->findChild<QRadioButton*>("rbOutputToDoc")->setChecked(true);
        d->findChild<QSpinBox*>("seColsPerRow")->setValue(1);
    });
    ASSERT_TRUE(makeGallery(g.host, {"a.png", "b.png"}, g.pictures.path()));
    EXPECT_EQ(g.host.ved.text.substr(0, 15), "<table>\r\n<tr>\r\n");
    EXPECT_NE(g.host.ved.text.find("</td>\r\n</tr>\r\n<tr>\r\n<td><a href=\"b.png\">"),
              std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(g.at("gallery.htm")));
    EXPECT_TRUE(QFileInfo::exists(g.at("thm_b.png.jpg")));
}
