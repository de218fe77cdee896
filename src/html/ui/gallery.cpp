#include "html/ui/gallery.h"

#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "editor/commandshapes.h"
#include "html/generators.h"
#include "html/htmlbasics.h"
#include "html/htmltexts.h"
#include "html/ui/colourpickers.h"
#include "html/ui/tfmthumboptions.h"
#include "io/linesfile.h"
#include "io/safefile.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <set>
#include <vector>

namespace zuk::html::ui {

namespace {

GalleryMacroExpansion& macroExpansion()
{
    static GalleryMacroExpansion expand;
    return expand;
}

QString pathKey(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// Runs the jobs on a worker thread behind a progress dialog; the reasons of
// the failed ones (empty for those that worked) and whether it was stopped.
std::vector<std::optional<QString>> runJobs(app::ui::ToolHost& host,
                                            const std::vector<ThumbnailJob>& jobs, bool& stopped)
{
    std::vector<std::optional<QString>> errors(jobs.size());
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    QThread* worker = QThread::create([&jobs, &errors, &done, &stop] {
        for (std::size_t i = 0; i < jobs.size() && !stop; ++i) {
            errors[i] = writeThumbnail(jobs[i]);
            done = static_cast<int>(i + 1);
        }
    });
    QProgressDialog progress(host.text(htmlMessages().section, "sGalleryProgress"),
                             host.text(htmlMessages().section, "sGalleryStop"), 0,
                             static_cast<int>(jobs.size()), host.window());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &progress, [&] {
        progress.setValue(done);
        if (progress.wasCanceled())
            stop = true;
    });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    poll.start(50);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    stopped = stop && done < static_cast<int>(jobs.size());
    return errors;
}

// The first few of a list, for a message.
QString listed(const QStringList& items, const QString& separator)
{
    QStringList shown = items.mid(0, 10);
    if (items.size() > shown.size())
        shown << QStringLiteral("...");
    return shown.join(separator);
}

} // namespace

void setGalleryMacroExpansion(GalleryMacroExpansion expand)
{
    macroExpansion() = std::move(expand);
}

std::optional<QString> writeThumbnail(const ThumbnailJob& job)
{
    QImageReader reader(job.source);
    const QSize size = reader.size();
    if (!size.isValid() || job.box.isEmpty())
        return reader.errorString();
    const ThumbnailPlacement at =
        placeThumbnail(size.width(), size.height(), job.box.width(), job.box.height());
    const QSize drawn(at.width, at.height);
    // Large pictures are decoded at the size they are shown at; a JPEG
    // decoder then reads a fraction of its data.
    if (drawn.width() < size.width() || drawn.height() < size.height())
        reader.setScaledSize(drawn);
    const QImage picture = reader.read();
    if (picture.isNull())
        return reader.errorString();

    QImage thumbnail(job.box, QImage::Format_RGB32);
    thumbnail.fill(job.background);
    {
        QPainter painter(&thumbnail);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(at.x, at.y), drawn), picture);
    }
    if (job.grayscale)
        thumbnail = thumbnail.convertToFormat(QImage::Format_Grayscale8);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(job.quality);
    writer.setProgressiveScanWrite(job.progressive);
    if (!writer.write(thumbnail))
        return writer.errorString();
    try {
        io::writeFileAtomically(job.target.toStdString(),
                                std::string_view(buffer.data().constData(),
                                                 static_cast<std::size_t>(buffer.data().size())));
    } catch (const ZukError& e) {
        return QString::fromUtf8(e.what());
    }
    return std::nullopt;
}

bool makeGallery(app::ui::ToolHost& host, const QStringList& pictures, const QString& folder)
{
    if (pictures.size() < 2)
        return false;
    const std::string_view section = htmlMessages().section;
    GalleryOptions options;
    {
        TfmThumbOptions dialog(host, host.window());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        options = dialog.options();
    }
    if (!options.toFile && !host.hasDocument())
        return false;
    const QDir dir(folder);

    // Everything that can refuse the work is settled before a file is written.
    if (options.toFile && !isPlainFileName(options.fileName.toStdString())) {
        host.showNote(host.format(section, "sGalleryBadName", {options.fileName}));
        return false;
    }
    std::string templateText;
    if (options.toFile) {
        try {
            templateText = io::readFileBytes(options.templateFile.toStdString());
        } catch (const ZukError&) {
            host.showNote(host.format(section, "sCantFindFile", {options.templateFile}));
            return false;
        }
    }
    QStringList names, sources, targets;
    std::set<QString> sourceKeys;
    for (const QString& picture : pictures) {
        names << QFileInfo(picture).fileName();
        sources << dir.absoluteFilePath(picture);
        sourceKeys.insert(pathKey(sources.last()));
        targets << dir.absoluteFilePath(
            QString::fromStdString(thumbnailName(names.last().toStdString())));
    }
    QStringList outputs = targets;
    const QString page = options.toFile ? dir.absoluteFilePath(options.fileName) : QString();
    if (options.toFile)
        outputs << page;
    QStringList existing;
    for (const QString& output : outputs) {
        if (sourceKeys.count(pathKey(output))) {
            host.showNote(
                host.format(section, "sGalleryOverwritesSource", {QFileInfo(output).fileName()}));
            return false;
        }
        if (QFileInfo::exists(output))
            existing << QFileInfo(output).fileName();
    }
    if (!existing.isEmpty() && !host.confirm(host.format(section, "sGalleryReplace",
                                                         {listed(existing, QStringLiteral(", "))})))
        return false;

    const settings::RConnectionTable& s = host.settings();
    const QSize box(std::max(1, s.th_w), std::max(1, s.th_h));
    std::vector<ThumbnailJob> jobs;
    for (int i = 0; i < sources.size(); ++i)
        jobs.push_back({sources[i], targets[i], box, toQColor(rgbOfColourValue(s.th_color)),
                        options.quality, options.grayscale, options.progressive});
    bool stopped = false;
    const std::vector<std::optional<QString>> errors = runJobs(host, jobs, stopped);
    if (stopped) {
        host.showNote(host.text(section, "sGalleryStopped"));
        return false;
    }
    std::vector<std::string> cells;
    QStringList failures;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const int at = static_cast<int>(i);
        if (!errors[i])
            cells.push_back(galleryCell(names[at].toStdString(), box.width(), box.height()));
        else
            failures << host.format(section, "sGalleryThumbFailed",
                                    {names[at], errors[i]->isEmpty()
                                                    ? host.text(section, "sGalleryUnreadable")
                                                    : *errors[i]});
    }
    if (!failures.isEmpty())
        host.showNote(listed(failures, QStringLiteral("\n")));
    if (cells.empty()) {
        host.showNote(host.text(section, "sGalleryNoPictures"));
        return false;
    }
    const std::vector<std::string> table = galleryTable(cells, options.perRow);

    if (!options.toFile) {
        editor::CVed& ved = host.document();
        const codepages::CodePage cp = editor::workingCodePage(ved);
        std::vector<std::string> lines;
        for (const std::string& line : table)
            lines.push_back(utf8ToHtmlBytes(line, cp));
        editor::insertLinesAtCaret(ved, lines);
        return true;
    }
    if (macroExpansion()) {
        try {
            templateText = macroExpansion()(templateText);
        } catch (const ZukError& e) {
            host.showNote(host.message(e)); // an unreadable include: nothing is written
            return false;
        }
    }
    const std::string tableText = utf8ToHtmlBytes(io::joinLines(table), codepages::CodePage::Win);
    const std::string title =
        utf8ToHtmlBytes(escapeAttribute(options.title.toStdString()), codepages::CodePage::Win);
    try {
        io::writeFileAtomically(page.toStdString(), galleryPage(templateText, tableText, title));
    } catch (const ZukError& e) {
        host.showNote(host.message(e));
        return false;
    }
    if (options.openInEditor)
        host.openFile(page, true);
    if (options.showGallery)
        QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    return true;
}

} // namespace zuk::html::ui
