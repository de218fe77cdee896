// The context menu of a document window: copy and paste, the working code
// page, breakpoints and local bookmarks, editing modes, and the actions on
// the file the selection names.

#include "editor/ui/ted.h"

#include <QActionGroup>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QUrl>

#include "editor/editortexts.h"
#include "editor/fileencodingchoice.h"
#include "editor/selectedfile.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/editorlocalise.h"
#include "settings/connectiontable.h"

namespace zuk::editor {

QAction* Ted::menuAction(const QString& objectName) const
{
    return m_menu ? m_menu->findChild<QAction*>(objectName) : nullptr;
}

void Ted::buildContextMenu()
{
    m_menu = new QMenu(this);
    // The captions come from the text table (localise).
    auto add = [this](QMenu* menu, const char* name, auto slot) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        a->setParent(m_menu);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(m_menu, "mniCopy", [this] { m_control->copy(); });
    add(m_menu, "mniPaste", [this] { m_control->paste(); });
    add(m_menu, "mniCut", [this] { m_control->cut(); });
    m_menu->addSeparator();
    add(m_menu, "mniWindowsCharset", [this] { setCharset("win"); });
    add(m_menu, "mniKOI8RCharset", [this] { setCharset("koi"); });
    add(m_menu, "mniDOSCharset", [this] { setCharset("dos"); });
    QMenu* encodings = m_menu->addMenu(QString());
    encodings->menuAction()->setObjectName(QStringLiteral("mniFileEncoding"));
    auto* encodingGroup = new QActionGroup(m_menu);
    for (const FileEncodingChoice& choice : fileEncodingChoices()) {
        const codepages::FileEncoding encoding = choice.encoding;
        QAction* a = add(encodings, choice.contextItem, [this, encoding] {
            chooseFileEncoding(encodingForChoice(encoding, m_fileEncoding));
        });
        a->setCheckable(true);
        encodingGroup->addAction(a);
    }
    m_menu->addSeparator();
    add(m_menu, "mniTogglebreakpoint", [this] { toggleBreakpoint(); });

    struct BookmarkMenu {
        const char* name;
        void (Ted::*op)(int);
    };
    const BookmarkMenu bookmarkMenus[] = {
        {"mniSetLocalBookmark", &Ted::setLocalBookmark},
        {"mniGotoLocalBookmark", &Ted::gotoLocalBookmark},
        {"mniDelLocalBookmark", &Ted::deleteLocalBookmark},
    };
    for (const BookmarkMenu& bm : bookmarkMenus) {
        QMenu* sub = m_menu->addMenu(QString());
        sub->menuAction()->setObjectName(QString::fromLatin1(bm.name));
        for (int n = 1; n <= 9; ++n) {
            QAction* a = sub->addAction(QString::number(n));
            a->setObjectName(QString::fromLatin1(bm.name) + QString::number(n));
            a->setParent(m_menu);
            const auto op = bm.op;
            // The number is the caption of the chosen item.
            connect(a, &QAction::triggered, this,
                    [this, a, op] { (this->*op)(a->text().toInt()); });
        }
    }
    m_menu->addSeparator();
    QAction* autoIndent = add(m_menu, "mniAutoIdent", [this](bool on) {
        setAutoIndent(on);
        settings().DefAutoIndent = on;
    });
    autoIndent->setCheckable(true);

    QMenu* selMode = m_menu->addMenu(QString());
    selMode->menuAction()->setObjectName(QStringLiteral("mniSelMode"));
    auto* selGroup = new QActionGroup(m_menu);
    QAction* stream = add(selMode, "mniSelModeStream", [this] {
        m_control->SendScintilla(QsciScintilla::SCI_SETSELECTIONMODE, QsciScintilla::SC_SEL_STREAM);
    });
    QAction* block = add(selMode, "mniSelModeBlock", [this] {
        m_control->SendScintilla(QsciScintilla::SCI_SETSELECTIONMODE,
                                 QsciScintilla::SC_SEL_RECTANGLE);
    });
    for (QAction* a : {stream, block}) {
        a->setCheckable(true);
        selGroup->addAction(a);
    }
    stream->setChecked(true);

    QMenu* eolMode = m_menu->addMenu(QString());
    eolMode->menuAction()->setObjectName(QStringLiteral("mniEOLMode"));
    auto* eolGroup = new QActionGroup(m_menu);
    const struct {
        const char* name;
        QsciScintilla::EolMode mode;
    } eols[] = {{"mniEOLWindows", QsciScintilla::EolWindows},
                {"mniEOLUNIX", QsciScintilla::EolUnix},
                {"mniEOLMAC", QsciScintilla::EolMac}};
    for (const auto& e : eols) {
        const auto mode = e.mode;
        QAction* a = add(eolMode, e.name, [this, mode] { m_control->setEolMode(mode); });
        a->setCheckable(true);
        a->setChecked(mode == QsciScintilla::EolWindows);
        eolGroup->addAction(a);
    }
    m_menu->addSeparator();
    add(m_menu, "mniOpenSelectedFile", [this] { openSelectedFile(); });
    add(m_menu, "mniViewSelectedFile", [this] { viewSelectedFile(); });
    add(m_menu, "mniInternalViewer", [this] { viewSelectedInternally(); });
    add(m_menu, "mniShellOpenAs", [this] { openSelectedWith(); });
}

void Ted::localise(bool builtIn)
{
    localiseEditorWindow(this, editorTexts(), m_editor.host().texts, builtIn);
}

void Ted::showContextMenu(const QPoint& globalPos)
{
    const bool sel = !selEmpty();
    menuAction(QStringLiteral("mniCopy"))->setEnabled(sel);
    menuAction(QStringLiteral("mniCut"))->setEnabled(sel);
    menuAction(QStringLiteral("mniPaste"))->setEnabled(m_editor.CanPaste());
    for (const FileEncodingChoice& choice : fileEncodingChoices())
        menuAction(QString::fromLatin1(choice.contextItem))
            ->setChecked(encodingForChoice(choice.encoding, m_fileEncoding) == m_fileEncoding);
    m_menu->popup(globalPos);
}

void Ted::toggleBreakpoint()
{
    int line = 0, index = 0;
    m_control->getCursorPosition(&line, &index);
    if (m_control->markersAtLine(line) & (1u << kBreakpointLine)) {
        m_control->markerDelete(line, kBreakpointLine);
        m_control->markerDelete(line, kBreakpointMark);
    } else {
        m_control->markerAdd(line, kBreakpointLine);
        m_control->markerAdd(line, kBreakpointMark);
    }
    m_control->markBreakpointLines();
}

void Ted::setLocalBookmark(int n)
{
    if (n < 1 || n > 9)
        return;
    const int marker = kFirstBookmark + n - 1;
    int line = 0, index = 0;
    m_control->getCursorPosition(&line, &index);
    if (m_control->markersAtLine(line) & (1u << marker)) {
        m_control->markerDelete(line, marker);
        return;
    }
    m_control->markerDeleteAll(marker);
    m_control->markerAdd(line, marker);
}

int Ted::bookmarkLine(int n) const
{
    if (n < 1 || n > 9)
        return -1;
    return m_control->markerFindNext(0, 1u << (kFirstBookmark + n - 1));
}

void Ted::gotoLocalBookmark(int n)
{
    const int line = bookmarkLine(n);
    if (line < 0)
        return;
    m_control->setCursorPosition(line, 0);
    m_control->ensureLineVisible(line);
    refreshCaretText();
}

void Ted::deleteLocalBookmark(int n)
{
    if (n >= 1 && n <= 9)
        m_control->markerDeleteAll(kFirstBookmark + n - 1);
}

// --- selected file -------------------------------------------------------------

std::string Ted::selectedFilePath() const
{
    const std::string text = workText();
    if (text.empty())
        return {};
    const std::string name = codepages::decodeToUtf8(text, m_control->codePage());
    return resolveSelectedPath(name, m_fileName, [](const std::string& p) {
        return QFileInfo::exists(QString::fromStdString(p));
    });
}

void Ted::startExternal(const std::string& programSetting, const std::string& path)
{
    const QString program = QString::fromStdString(programSetting); // paths are UTF-8
    if (program.isEmpty())
        return;
    QProcess::startDetached(program, {QString::fromStdString(path)});
}

void Ted::openSelectedFile()
{
    const std::string path = selectedFilePath();
    if (path.empty())
        return;
    if (isPictureName(path)) {
        if (QFileInfo(QString::fromStdString(path)).isFile())
            startExternal(settings().imageeditor, path);
        return;
    }
    m_editor.OpenFileByName(path);
}

void Ted::viewSelectedFile()
{
    const std::string path = selectedFilePath();
    if (!path.empty() && isPictureName(path) && QFileInfo(QString::fromStdString(path)).isFile())
        startExternal(settings().imageviewer, path);
}

void Ted::viewSelectedInternally()
{
    const std::string path = selectedFilePath();
    if (path.empty() || !isPictureName(path) || QFileInfo(QString::fromStdString(path)).isDir())
        return;
    if (m_editor.host().showPicture)
        m_editor.host().showPicture(QString::fromStdString(path));
}

void Ted::openSelectedWith()
{
    const std::string path = selectedFilePath();
    if (path.empty())
        return;
    const QString p = QString::fromStdString(path);
    if (m_editor.host().openWith)
        m_editor.host().openWith(p);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(p));
}

} // namespace zuk::editor
