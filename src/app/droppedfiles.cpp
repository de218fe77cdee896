#include "app/droppedfiles.h"

#include "app/filenames.h"
#include "io/nocase.h"

namespace zuk::app {

DropKind dropKindOf(std::string_view path)
{
    const std::string ext = io::lowerUtf8(extensionPart(path));
    if (ext == ".rtf")
        return DropKind::Rtf;
    if (ext == ".gif" || ext == ".jpg" || ext == ".jpeg" || ext == ".png" || ext == ".bmp" ||
        ext == ".mng" || ext == ".jng")
        return DropKind::Picture;
    if (ext == ".swf")
        return DropKind::Flash;
    return DropKind::Other;
}

DropAction classifyDroppedFile(std::string_view path, bool documentOpen, bool flashTemplateExists)
{
    switch (dropKindOf(path)) {
    case DropKind::Rtf:
        return DropAction::ImportRtf;
    case DropKind::Picture:
        return documentOpen ? DropAction::InsertPicture : DropAction::Stop;
    case DropKind::Flash:
        if (!flashTemplateExists)
            return DropAction::Skip;
        return documentOpen ? DropAction::InsertFlash : DropAction::Stop;
    case DropKind::Other:
        break;
    }
    return DropAction::Open;
}

std::vector<DropStep> planDrop(const std::vector<std::string>& paths, bool documentOpen,
                               bool flashTemplateExists,
                               const std::function<bool(const std::string&)>& fileExists)
{
    std::vector<DropStep> steps;
    for (const std::string& path : paths) {
        const DropAction action = classifyDroppedFile(path, documentOpen, flashTemplateExists);
        steps.push_back({path, action});
        if (endsDrop(action))
            break;
        if (action == DropAction::Open && fileExists(path))
            documentOpen = true;
    }
    return steps;
}

} // namespace zuk::app
