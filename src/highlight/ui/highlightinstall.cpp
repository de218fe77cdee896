#include "highlight/ui/highlightinstall.h"

#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "app/ui/mainstatusbar.h"
#include "app/ui/toolrow.h"
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
    HighlightStore(app::ui::TMainForm& form, std::string parts, std::string program)
        : QObject(&form), synMan(platform::resolveDataPath(parts, "Syntax/syntax.ini"), program),
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

HighlightStore* storeOf(app::ui::TMainForm& form)
{
    return form.findChild<HighlightStore*>(QStringLiteral("HighlightStore"),
                                           Qt::FindDirectChildrenOnly);
}

void showError(app::ui::TMainForm& form, const ZukError& e)
{
    form.mainStatusBar().showMessage(QString::fromUtf8(e.what()), 8000);
}

} // namespace

void installHighlighting(app::ui::TMainForm& form)
{
    if (storeOf(form))
        return;
    auto* store = new HighlightStore(form, form.partsFolder().toStdString(),
                                     form.programFolder().toStdString());
    app::RConnectionTable& settings = form.settings();
    settings.SynMan = &store->synMan;
    settings.TextStyles = &store->textStyles;
    installSchemeHooks(form.editor());

    QComboBox* box = form.toolRow().cbSyntax();
    refillSyntaxList(form);
    QObject::connect(box, &QComboBox::currentTextChanged, store, [&form, box](const QString& text) {
        try {
            cbSyntaxChange(form.editor(), box, text);
        } catch (const ZukError& e) {
            showError(form, e);
        }
    });

    rebuildColorStylesMenu(form);
}

HighlightObjects highlightObjects(app::ui::TMainForm& form)
{
    HighlightStore* store = storeOf(form);
    if (!store)
        return {};
    return {&store->synMan, &store->textStyles, &store->colorStyles, &store->fileTypes};
}

void rebuildColorStylesMenu(app::ui::TMainForm& form)
{
    HighlightStore* store = storeOf(form);
    QMenu* menu = form.mainMenu().menu(QStringLiteral("mniColorStyles"));
    if (!store || !menu)
        return;
    app::ui::TMainForm* f = &form;
    fillColorStylesMenu(menu, store->colorStyles, [f](const CColorStyle& scheme) {
        applyColorStyle(scheme, f->settings());
        try {
            f->editor().ApplyColorsToAll();
        } catch (const ZukError& e) {
            showError(*f, e);
        }
    });
}

void refillSyntaxList(app::ui::TMainForm& form)
{
    app::RConnectionTable& settings = form.settings();
    QComboBox* box = form.toolRow().cbSyntax();
    settings.HighlightListUpdating = true;
    fillSyntaxBox(box, settings.SynMan);
    box->setCurrentText(QStringLiteral("No"));
    settings.HighlightListUpdating = false;
    if (form.documentCount() > 0)
        form.editor().ShowSyntaxName();
}

} // namespace zuk::highlight::ui
