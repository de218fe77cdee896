#include "tools/ui/toolscommands.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "settings/settings.h"
#include "tools/snippets.h"
#include "tools/toolstexts.h"
#include "tools/ui/cfunx.h"
#include "tools/ui/searchcommands.h"
#include "tools/ui/snippetcommands.h"
#include "tools/ui/tfmsnim.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <functional>

namespace zuk::tools::ui {

using app::ui::ToolHost;

namespace {

// Enter in the command box runs its line once and goes no further (the box
// would otherwise see the key too).
class EnterFilter final : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> run) : QObject(parent), m_run(std::move(run))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_run();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_run;
};

// The command box of the tool row: Enter in the box and its button run the
// line; the box keeps the lines run, the latest first.
void wireCommandBox(ToolHost& host, CFunx* programs)
{
    auto* box = host.window()->findChild<QComboBox*>(QStringLiteral("edRun"));
    auto* button = host.window()->findChild<QToolButton*>(QStringLiteral("btRun"));
    if (!box)
        return;
    auto run = [box, programs] {
        const QString line = box->currentText().trimmed();
        if (line.isEmpty())
            return;
        const int known = box->findText(line);
        if (known != 0) {
            if (known > 0)
                box->removeItem(known);
            box->insertItem(0, line);
            box->setCurrentIndex(0);
        }
        programs->runCommandBox(line);
    };
    box->setInsertPolicy(QComboBox::NoInsert); // the run above keeps the history
    if (QLineEdit* edit = box->lineEdit())
        edit->installEventFilter(new EnterFilter(programs, run));
    if (button) {
        button->setEnabled(true);
        QObject::connect(button, &QToolButton::clicked, programs, run);
    }
}

app::ui::ToolWindowSpec snippetManager(ToolHost& host, TSnippetCommands* snippets)
{
    ToolHost* h = &host;
    app::ui::ToolWindowSpec tool;
    tool.id = "fmSniM";
    tool.geometry = settings::sniMGeometryKeys();
    tool.make = [h, snippets](QWidget* parent) {
        auto* w = new TfmSniM(parent);
        w->snippets = [snippets] {
            return walkSnippetFolder(snippets->snippetsFolder().toStdString());
        };
        w->changed = [h] { return h->settings().SnippetsChanged; };
        w->clearChanged = [h] { h->settings().SnippetsChanged = false; };
        w->insertSnippet = [snippets](const QString& path) { snippets->InsertSnippet(path); };
        w->openSnippet = [h](const QString& path) { h->openFile(path, true); };
        app::ui::localiseWindow(w, sniMTexts(), h->texts(), true);
        h->addLocaliser(w, [w, h] { app::ui::localiseWindow(w, sniMTexts(), h->texts()); });
        return w;
    };
    tool.restoreGeometry = [](QWidget* w, const QRect& r) {
        static_cast<TfmSniM*>(w)->restoreGeometry(r);
    };
    tool.storedGeometry = [](QWidget* w) { return static_cast<TfmSniM*>(w)->storedGeometry(); };
    return tool;
}

} // namespace

CFunx* externalPrograms(ToolHost& host)
{
    return host.window()->findChild<CFunx*>(QStringLiteral("zukExternalPrograms"),
                                            Qt::FindDirectChildrenOnly);
}

TSnippetCommands* snippetCommands(ToolHost& host)
{
    return host.window()->findChild<TSnippetCommands*>(QStringLiteral("zukSnippetCommands"),
                                                       Qt::FindDirectChildrenOnly);
}

void installToolsCommands(ToolHost& host)
{
    auto* programs = new CFunx(host);
    auto* snippets = new TSnippetCommands(host);
    ToolHost* h = &host;
    host.addToolWindow(snippetManager(host, snippets));
    host.addCommands({
        {"mniNewFromTemplate", [snippets] { snippets->NewFromTemplate(); }},
        {"mniSaveAsTemplate", [snippets] { snippets->SaveAsTemplate(); }},
        {"mniSaveAsSnippet", [snippets] { snippets->SaveAsSnippet(); }},
        {"mniHTMLTemplate", [snippets] { snippets->InsertHtmlTemplate(); }},
        {"mniOPenMakros", [snippets] { snippets->OpenMacroFile(); }},
        {"mniApplyMakroses", [snippets] { snippets->ApplyMacros(); }},
        {"mniRunTidy", [programs] { programs->RunTidy(); }},
        {"mniSniM",
         [h] {
             QWidget* w = h->existingToolWindow("fmSniM");
             if (w && w->isVisible())
                 w->hide();
             else
                 h->showToolWindow("fmSniM");
         }},
    });
    host.addMenuProvider("mniCompilers",
                         [programs](QMenu& menu) { programs->fillProgramsMenu(menu); });
    host.addMenuProvider("mniSnippets",
                         [snippets](QMenu& menu) { snippets->fillSnippetsMenu(menu); });
    wireCommandBox(host, programs);
    installSearchCommands(host);
}

void toolsStartup(ToolHost& host)
{
    if (CFunx* programs = externalPrograms(host))
        programs->loadPrograms();
}

void toolsShutdown(ToolHost& host)
{
    if (CFunx* programs = externalPrograms(host))
        programs->savePrograms();
}

} // namespace zuk::tools::ui
