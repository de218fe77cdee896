// The main window as the host of the tools: tool windows made on first use,
// run-time menus, localisers, the interface language and the boxes the tools
// ask through.

#include "app/ui/mainform.h"

#include "app/commandtable.h"
#include "app/mainformtexts.h"
#include "app/openfilelist.h"
#include "app/ui/crashhandler.h"
#include "app/ui/filecommands.h"
#include "app/ui/infoconsole.h"
#include "app/ui/localiser.h"
#include "app/ui/mainmenu.h"
#include "base/zukassert.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"
#include "io/inifile.h"
#include "platform/programfolder.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

namespace zuk::app::ui {

namespace {

QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// Items a menu provider added carry this property, so the next fill can take
// them away and leave the menu's own items.
constexpr const char* kRunTimeItem = "zukRunTimeItem";

} // namespace

QString TMainForm::dataPath(const QString& relative) const
{
    return QString::fromStdString(
        platform::resolveDataPath(partsFolder().toStdString(), relative.toStdString()));
}

// --- tool windows ------------------------------------------------------------

TMainForm::ToolWindowEntry* TMainForm::toolEntry(std::string_view id)
{
    for (ToolWindowEntry& e : m_toolWindows)
        if (e.tool.id == id)
            return &e;
    return nullptr;
}

const TMainForm::ToolWindowEntry* TMainForm::toolEntry(std::string_view id) const
{
    for (const ToolWindowEntry& e : m_toolWindows)
        if (e.tool.id == id)
            return &e;
    return nullptr;
}

void TMainForm::addToolWindow(ToolWindowSpec tool)
{
    if (!ZUK_ASSERT(!toolEntry(tool.id) && tool.make))
        return;
    m_toolWindows.push_back({std::move(tool), nullptr});
}

QWidget* TMainForm::existingToolWindow(std::string_view id) const
{
    const ToolWindowEntry* e = toolEntry(id);
    return e ? e->window.data() : nullptr;
}

QWidget* TMainForm::toolWindow(std::string_view id)
{
    ToolWindowEntry* e = toolEntry(id);
    if (!e)
        return nullptr;
    if (e->window)
        return e->window;
    QWidget* w = e->tool.make(this);
    if (!w)
        return nullptr;
    e->window = w;
    if (e->tool.geometry && m_ini) {
        const settings::RWindowGeometry g = settings::readWindowGeometry(*m_ini, *e->tool.geometry);
        const QRect r(g.Left, g.Top, g.Width, g.Height);
        if (e->tool.restoreGeometry)
            e->tool.restoreGeometry(w, r);
        else
            w->setGeometry(r);
    }
    return w;
}

QWidget* TMainForm::showToolWindow(std::string_view id)
{
    QWidget* w = toolWindow(id);
    if (!w)
        return nullptr;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void TMainForm::writeToolWindowGeometry()
{
    io::IniFile::Batch batch(*m_ini);
    for (const ToolWindowEntry& e : m_toolWindows) {
        if (!e.window || !e.tool.geometry)
            continue;
        const QRect r =
            e.tool.storedGeometry ? e.tool.storedGeometry(e.window) : e.window->geometry();
        settings::writeWindowGeometry(*m_ini, *e.tool.geometry,
                                      {r.top(), r.left(), r.width(), r.height()});
    }
    batch.commit();
}

bool TMainForm::toolWindowsMayClose()
{
    for (const ToolWindowEntry& e : m_toolWindows)
        if (e.window && e.tool.mayClose && !e.tool.mayClose(e.window))
            return false;
    return true;
}

// --- run-time menus ------------------------------------------------------------

void TMainForm::addMenuProvider(std::string_view menuName, std::function<void(QMenu&)> fill)
{
    const QString name = qs(menuName);
    QMenu* menu = m_menu->menu(name);
    if (!ZUK_ASSERT(menu != nullptr))
        return;
    m_menuProviders.push_back({name, std::move(fill)});
    // Connected once per menu: every provider of it fills on each showing.
    if (!menu->property("zukProvided").toBool()) {
        menu->setProperty("zukProvided", true);
        connect(menu, &QMenu::aboutToShow, this, [this, name] { refillMenu(name.toStdString()); });
    }
}

void TMainForm::refillMenu(std::string_view menuName)
{
    const QString name = qs(menuName);
    QMenu* menu = m_menu->menu(name);
    if (!menu)
        return;
    const QList<QAction*> own = menu->actions();
    for (QAction* a : own)
        if (a->property(kRunTimeItem).toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    const QList<QAction*> before = menu->actions();
    for (const MenuProvider& p : m_menuProviders)
        if (p.menu == name)
            p.fill(*menu);
    for (QAction* a : menu->actions())
        if (!before.contains(a))
            a->setProperty(kRunTimeItem, true);
}

// --- texts ---------------------------------------------------------------------

void TMainForm::addLocaliser(QWidget* window, std::function<void()> localise)
{
    if (!window || !localise)
        return;
    localise();
    m_localisers.push_back({window, std::move(localise)});
}

void TMainForm::OpenLanguageFile()
{
    m_texts.open(m_partsFolder.toStdString(), m_settings.Lang);
    applyQtTranslation();
}

// Qt's own buttons and dialogs (Yes, No, Cancel, the file dialogs) speak Russian
// with the built-in texts and English with any language file.
void TMainForm::applyQtTranslation()
{
    const bool russian = m_texts.russian() || !m_texts.isOpen();
    if (russian && !m_qtTexts) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"),
                             QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator.get());
            m_qtTexts = std::move(translator);
        }
    } else if (!russian && m_qtTexts) {
        QCoreApplication::removeTranslator(m_qtTexts.get());
        m_qtTexts.reset();
    }
}

void TMainForm::LocaliseMainWindow()
{
    setDateCaptions();
    setCrashMessage(text("MainForm", "sDropout").toUtf8().constData());
    localiseWindow(this, mainFormMessages(), m_texts, true);
    // Messages are looked up when shown, so they follow the file at once; the
    // menu keeps captions an earlier language gave where this one is silent.
    if (m_texts.russian() || !m_texts.isOpen())
        return;
    localiseWindow(this, mainFormMessages(), m_texts);
    for (QAction* item : m_menu->itemsDepthFirst()) {
        const std::string name = item->objectName().toStdString();
        if (name.empty())
            continue;
        if (const auto caption = m_texts.lookup("MainForm", name))
            item->setText(QString::fromStdString(*caption));
    }
}

void TMainForm::LocaliseAll()
{
    LocaliseMainWindow();
    if (m_editor)
        m_editor->localiseDocuments();
    for (auto it = m_localisers.begin(); it != m_localisers.end();) {
        if (!it->window) {
            it = m_localisers.erase(it);
            continue;
        }
        it->localise();
        ++it;
    }
}

void TMainForm::changeLanguage(const std::string& language)
{
    m_settings.Lang = language;
    if (language == kRussianLanguage) {
        showNote(text("MainForm", "sRestartForRussian"));
        return;
    }
    OpenLanguageFile();
    LocaliseAll();
}

// The language menu: every language of the folder, the current one checked.
void TMainForm::fillLanguageMenu(QMenu& menu)
{
    auto* group = new QActionGroup(&menu);
    const std::string current = codepages::winToUtf8(m_settings.Lang);
    for (const std::string& name : availableLanguages(m_partsFolder.toStdString())) {
        QString caption = QString::fromStdString(name);
        QAction* a = menu.addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setCheckable(true);
        a->setChecked(name == current);
        group->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, name] { changeLanguage(codepages::utf8ToWin(name)); });
    }
}

// --- boxes -------------------------------------------------------------------

void TMainForm::showNote(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zuk"), text, QMessageBox::Ok, this);
    box.exec();
}

bool TMainForm::confirm(const QString& question)
{
    return ask(question, false);
}

bool TMainForm::ask(const QString& question, bool warning)
{
    if (confirmHook)
        return confirmHook(question);
    const auto answer =
        warning ? QMessageBox::warning(this, windowTitle(), question,
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                : QMessageBox::question(this, windowTitle(), question,
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

std::optional<QString> TMainForm::prompt(const QString& title, const QString& label,
                                         const QString& initial)
{
    QInputDialog box(this);
    box.setWindowTitle(title);
    box.setLabelText(label);
    box.setTextValue(initial);
    box.setInputMode(QInputDialog::TextInput);
    // The title is the question's name: the box is made wide enough to show it
    // whole (its layout sets its size limits when it shows, so after that).
    const int wide = box.fontMetrics().horizontalAdvance(title) + 120;
    QTimer::singleShot(0, &box, [&box, wide] {
        if (box.width() < wide)
            box.resize(wide, box.height());
    });
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

// --- documents for the tools -------------------------------------------------------

bool TMainForm::activateFile(const QString& path)
{
    const std::string wanted = QFileInfo(path).absoluteFilePath().toStdString();
    for (editor::Ted* t : m_editor->documents())
        if (sameFile(t->fileName(), wanted)) {
            m_editor->activateDocument(t);
            return true;
        }
    return false;
}

bool TMainForm::saveDocument()
{
    FileCommands* files = FileCommands::of(*this);
    return files && hasDocument() && files->save();
}

bool TMainForm::saveDocumentAs(const QString& path)
{
    FileCommands* files = FileCommands::of(*this);
    return files && hasDocument() && files->saveAsNamed(path);
}

// --- the information console ----------------------------------------------------

void TMainForm::consoleAppend(const QString& message)
{
    if (m_console)
        m_console->append(message);
}

void TMainForm::showConsole()
{
    if (m_console)
        m_console->showConsole();
}

void TMainForm::hideConsole()
{
    if (m_console)
        m_console->hide();
}

bool TMainForm::consoleVisible() const
{
    return m_console && m_console->isVisible();
}

} // namespace zuk::app::ui
