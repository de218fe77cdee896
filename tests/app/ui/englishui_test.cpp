// With the shipped English language file, no Russian is left anywhere the
// program shows text of its own: menus, tool windows, dialogs, boxes and the
// status bar. Every enabled command is run on a document of English text, so
// any Cyrillic letter found is a text that did not come from the tables.

#include "app/commandtable.h"
#include "app/ui/generalcommands.h"
#include "app/ui/mainform.h"
#include "app/ui/mainmenu.h"
#include "editor/ui/cdreameditor.h"
#include "support/ui/mainformfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

using zuk::test::MainFormFixture;
namespace ui = zuk::app::ui;

namespace {

bool cyrillic(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    return false;
}

// Every text of a window and its children that the program itself puts there.
void collect(QWidget* window, const QString& where, std::set<std::string>& found)
{
    auto check = [&](const QObject* o, const QString& text) {
        if (cyrillic(text))
            found.insert((where + " / " + o->objectName() + ": " + text).toStdString());
    };
    check(window, window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        check(w, w->toolTip());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            check(b, b->text());
        else if (auto* l = qobject_cast<QLabel*>(w))
            check(l, l->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            check(g, g->title());
        else if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable())
            for (int i = 0; i < c->count(); ++i)
                if (c->objectName() != QLatin1String("cbLang")) // languages named in themselves
                    check(c, c->itemText(i));
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                check(t, t->tabText(i));
        for (QAction* a : w->actions())
            check(a, a->text());
    }
    if (auto* box = qobject_cast<QMessageBox*>(window))
        check(box, box->text());
}

} // namespace

TEST(EnglishInterface, NoRussianIsLeftInMenusWindowsDialogsBoxesOrTheStatusBar)
{
    MainFormFixture f;
    f.seedShippedEnglish();
    ui::TMainForm& form = f.start();
    form.confirmHook = [](const QString&) { return false; };
    ui::GeneralCommands::urlOpener() = [](const QUrl&) { return true; };
    QTemporaryDir wine;
    qputenv("WINEPREFIX", wine.path().toLocal8Bit());

    std::set<std::string> found;
    QString running;
    int boxes = 0, windows = 0;
    // Every modal box or dialog is read, then closed.
    QTimer inspector;
    QObject::connect(&inspector, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        collect(w, running, found);
        ++boxes;
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else
            w->close();
    });
    inspector.start(10);

    for (QAction* item : form.mainMenu().itemsDepthFirst())
        if (cyrillic(item->text()))
            found.insert("menu / " + item->objectName().toStdString());

    // Commands that insert Russian text (the Russian alphabet, number words)
    // must not lead a later message to quote it: each command starts from
    // the same English text.
    const char* const kEnglish = "first line 12\r\nsecond line\r\n";
    bool reset = false, select = false;
    auto runAll = [&](const char* stage) {
        for (const zuk::app::CommandRow& row : zuk::app::commandTable()) {
            if (row.kind != zuk::app::RowKind::Command || row.name == "mniExit")
                continue;
            const QString name = QString::fromUtf8(row.name.data(), int(row.name.size()));
            QAction* a = form.command(name);
            if (!a->isEnabled())
                continue;
            running = QString::fromLatin1(stage) + " " + name;
            if (reset) {
                if (form.documentCount() == 0)
                    form.NewFile();
                form.editor().SetAllText(kEnglish);
                if (select)
                    form.editor().SelectAll();
            }
            form.statusBar()->clearMessage();
            a->trigger();
            QCoreApplication::processEvents();
            if (cyrillic(form.statusBar()->currentMessage()))
                found.insert(
                    (running + " / status: " + form.statusBar()->currentMessage()).toStdString());
        }
    };
    runAll("no document:");
    reset = select = true;
    runAll("selection:");
    select = false;
    runAll("no selection:");

    // The tool windows the commands left open, and every menu with its run-time items.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != &form) {
            collect(w, "window " + w->objectName(), found);
            ++windows;
        }
    for (QMenu* m : form.findChildren<QMenu*>()) {
        if (m->objectName() == "mniLanguage")
            continue; // each language is named in itself
        emit m->aboutToShow();
        for (QAction* a : m->actions())
            if (cyrillic(a->text()))
                found.insert(("menu " + m->objectName() + " / " + a->text()).toStdString());
    }
    for (QAction* a : form.mainMenu().menu("mniLanguage")->actions()) {
        if (a->text() != QString::fromUtf8("Русский")) { // a language is named in itself
            EXPECT_FALSE(cyrillic(a->text()));
        }
    }
    if (form.isChecked("mniAscroll"))
        form.runCommand("mniAscroll");
    if (form.isChecked("mniClipHook"))
        form.runCommand("mniClipHook");
    qunsetenv("WINEPREFIX");

    // The commands really showed their dialogs and windows.
    EXPECT_GE(boxes, 10);
    EXPECT_GE(windows, 3);
    std::string report;
    for (const std::string& line : found)
        report += line + "\n";
    EXPECT_TRUE(found.empty()) << found.size() << " Russian texts:\n" << report;
}
