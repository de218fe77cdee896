#include "highlight/ui/highlightinstall.h"

#include "app/textservice.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "editor/ui/cdreameditor.h"
#include "highlight/cfontcolors.h"
#include "highlight/cmytextstyles.h"
#include "highlight/cpelagos.h"
#include "highlight/csynman.h"
#include "highlight/textstyleset.h"
#include "highlight/ui/schemesupport.h"
#include "platform/programfolder.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QObject>

#include <memory>

namespace zuk::highlight::ui {

namespace {

// Owns the highlighting objects of the run. It is a child of the main window,
// so it goes after the window's own members, and writes the objects back
// then: the file types, the text styles and, last, the scheme registry.
class HighlightStore final : public QObject {
public:
    HighlightStore(app::ui::ToolHost& host, editor::CdreamEditor& ed, QComboBox* box,
                   std::string parts, std::string program)
        : QObject(host.window()), editor(ed), syntaxBox(box),
          synMan(platform::resolveDataPath(parts, "Syntax/syntax.ini"), program),
          textStyles(platform::resolveDataPath(parts, "currtextstyles.txt")),
          colorStyles(platform::workingFolders(program).cstyles),
          fileTypes(platform::resolveDataPath(parts, "Pelagos/filelinx"))
    {
        setObjectName(QStringLiteral("HighlightStore"));
    }

    ~HighlightStore() override
    {
        guarded([this] { fileTypes.save(); });
        guarded([this] { textStyles.save(); });
        guarded([this] {
            // A first run has no Syntax folder yet; the registry is written anyway.
            QDir().mkpath(QFileInfo(QString::fromStdString(synMan.RegistryFile)).absolutePath());
            synMan.save();
        });
    }

    editor::CdreamEditor& editor;
    QComboBox* syntaxBox;
    CSynMan synMan;
    CMyTextStyles textStyles;
    CFontCOlors colorStyles;
    CPelagos fileTypes;

private:
    template <typename Step> static void guarded(Step step)
    {
        try {
            step();
        } catch (const ZukError& e) {
            qWarning("%s", e.what());
        }
    }
};

HighlightStore* storeOf(app::ui::ToolHost& host)
{
    return host.window()->findChild<HighlightStore*>(QStringLiteral("HighlightStore"),
                                                     Qt::FindDirectChildrenOnly);
}

void showError(app::ui::ToolHost& host, const ZukError& e)
{
    host.showStatus(host.message(e));
}

} // namespace

void installHighlighting(app::ui::ToolHost& host, editor::CdreamEditor& editor,
                         QComboBox* syntaxBox)
{
    if (storeOf(host))
        return;
    auto* store = new HighlightStore(host, editor, syntaxBox, host.partsFolder().toStdString(),
                                     host.programFolder().toStdString());
    app::ui::ToolHost* h = &host;
    installSchemeHooks(editor, store->synMan, store->textStyles, host.texts());

    refillSyntaxList(host);
    QObject::connect(syntaxBox, &QComboBox::currentTextChanged, store,
                     [h, store](const QString& text) {
                         try {
                             cbSyntaxChange(store->editor, store->synMan, store->syntaxBox, text);
                         } catch (const ZukError& e) {
                             showError(*h, e);
                         }
                     });

    host.addMenuProvider("mniColorStyles", [h, store](QMenu& menu) {
        fillColorStylesMenu(&menu, store->colorStyles, [h, store](const CColorStyle& scheme) {
            applyColorStyle(scheme, store->textStyles, h->settings());
            try {
                store->editor.ApplyColorsToAll();
            } catch (const ZukError& e) {
                showError(*h, e);
            }
        });
    });
    rebuildColorStylesMenu(host);
}

HighlightObjects highlightObjects(app::ui::ToolHost& host)
{
    HighlightStore* store = storeOf(host);
    if (!store)
        return {};
    return {&store->synMan, &store->textStyles, &store->colorStyles, &store->fileTypes};
}

void rebuildColorStylesMenu(app::ui::ToolHost& host)
{
    host.refillMenu("mniColorStyles");
}

void refillSyntaxList(app::ui::ToolHost& host)
{
    HighlightStore* store = storeOf(host);
    if (!store)
        return;
    settings::RConnectionTable& settings = host.settings();
    QComboBox* box = store->syntaxBox;
    settings.HighlightListUpdating = true;
    fillSyntaxBox(box, &store->synMan);
    box->setCurrentText(QStringLiteral("No"));
    settings.HighlightListUpdating = false;
    if (store->editor.DocumentCount() > 0)
        store->editor.ShowSyntaxName();
}

} // namespace zuk::highlight::ui
