#include "highlight/ui/schemesupport.h"

#include "app/textservice.h"
#include "codepages/charsets.h"
#include "editor/ui/cdreameditor.h"
#include "editor/ui/colours.h"
#include "editor/ui/ted.h"
#include "highlight/cfontcolors.h"
#include "highlight/csynman.h"
#include "highlight/highlighttexts.h"
#include "highlight/textstyleset.h"
#include "highlight/ui/cmypar.h"
#include "settings/connectiontable.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidgetAction>

namespace zuk::highlight::ui {

namespace {

QString fromWin(const std::string& bytes)
{
    return QString::fromStdString(codepages::winToUtf8(bytes));
}

// One item of the "Стиль" submenu, drawn in its scheme's colours.
class ColorStyleItem final : public QLabel {
public:
    ColorStyleItem(const CColorStyle& scheme, QWidgetAction* action)
        : QLabel(QString::fromStdString(scheme.Name)), m_action(action)
    {
        m_fore = editor::toQColor(scheme.FontColor, Qt::black);
        m_back = editor::toQColor(scheme.BackColor, Qt::white);
        QFont f = font();
        f.setBold(true);
        setFont(f);
        setTextFormat(Qt::PlainText);
        setContentsMargins(8, 3, 8, 3);
        setAutoFillBackground(true);
        setMouseTracking(true);
        paintAs(false);
    }

protected:
    void enterEvent(QEnterEvent*) override { paintAs(true); }
    void leaveEvent(QEvent*) override { paintAs(false); }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_action->trigger();
    }

private:
    void paintAs(bool highlighted)
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, highlighted ? m_fore : m_back);
        p.setColor(QPalette::WindowText, highlighted ? m_back : m_fore);
        setPalette(p);
    }

    QWidgetAction* m_action;
    QColor m_fore, m_back;
};

} // namespace

QString schemeParseWarning(const app::TextService& texts)
{
    // The language files made for earlier versions lack these keys, and those
    // versions gave every language but Russian the English words.
    const auto line = [&texts](std::string_view key) {
        if (const auto value = texts.lookup(highlightMessages().section, key))
            return *value;
        const TextRow* row = highlightMessages().find(key);
        return std::string(texts.russian() ? row->builtIn : row->english);
    };
    return QString::fromStdString(line("sCannotParseSchemeFile") + " \r\n" +
                                  line("sChooseAnotherSchemeFile"));
}

bool ApplyScheme(editor::Ted* ted, const CSynMan& registry, const std::string& name,
                 QWidget* warnParent, const app::TextService& texts)
{
    if (!ted || registry.IndexOfScheme(name) < 0)
        return false;
    auto* existing = dynamic_cast<CMyPar*>(ted->schemeLexer());
    CMyPar* par = existing ? existing : new CMyPar(name);
    std::string problem;
    if (par->InitAll(registry, name, &problem) == CMyPar::InitResult::Malformed) {
        if (!existing)
            delete par;
        QMessageBox::warning(warnParent, QString(), schemeParseWarning(texts));
        return false;
    }
    ted->setSchemeLexer(par, name);
    return true;
}

void installSchemeHooks(editor::CdreamEditor& ed, const CSynMan& registry,
                        const CMyTextStyles& styles, const app::TextService& texts)
{
    const app::TextService* words = &texts;
    editor::CdreamEditor* editor = &ed;
    const CSynMan* schemes = &registry;
    const CMyTextStyles* textStyles = &styles;
    ed.schemeForExtension = [schemes](const std::string& ext) -> std::string {
        const auto found = schemes->schemeForExtension(ext.empty() ? std::string() : "x." + ext);
        return found ? schemes->Items[*found].Name : std::string();
    };
    ed.applyScheme = [editor, schemes, words](editor::Ted* ted, const std::string& name) {
        return ApplyScheme(ted, *schemes, name, editor->host().mainWindow, *words);
    };
    ed.textStyleSet = [textStyles]() { return textStyleSet(*textStyles); };
    ed.documentTextStyles = [textStyles](const settings::RConnectionTable& s) {
        return documentTextStyles(*textStyles, s);
    };
}

void fillSyntaxBox(QComboBox* box, const CSynMan* registry)
{
    std::vector<std::string> names;
    if (registry)
        registry->ListSchemeNames(names);
    else
        CSynMan().ListSchemeNames(names);
    box->clear();
    for (const std::string& n : names)
        box->addItem(fromWin(n));
    box->addItem(QStringLiteral("No"));
}

void cbSyntaxChange(editor::CdreamEditor& ed, const CSynMan& registry, QComboBox* box,
                    const QString& text)
{
    settings::RConnectionTable& s = ed.settings();
    if (s.HighlightListUpdating || !ed.activeDocument() || text.isEmpty())
        return;
    const std::string name = codepages::utf8ToWin(text.toStdString());
    const bool known =
        name == "No" || IsBuiltInHighlighter(name) || registry.IndexOfScheme(name) >= 0;
    if (known) {
        ed.SetSyntax(name);
        ed.ShowSyntaxName();
        return;
    }
    s.HighlightListUpdating = true;
    fillSyntaxBox(box, &registry);
    s.HighlightListUpdating = false;
    ed.ShowSyntaxName();
}

void fillColorStylesMenu(QMenu* menu, const CFontCOlors& schemes,
                         std::function<void(const CColorStyle&)> choose)
{
    const CFontCOlors* list = &schemes;
    for (const CColorStyle& scheme : schemes.Schemes) {
        auto* action = new QWidgetAction(menu);
        const QString caption = QString::fromStdString(scheme.Name);
        action->setText(caption);
        action->setDefaultWidget(new ColorStyleItem(scheme, action));
        const std::string name = scheme.Name;
        QObject::connect(action, &QAction::triggered, menu, [menu, list, name, choose] {
            menu->close();
            if (const CColorStyle* s = list->findByName(name); s && choose)
                choose(*s);
        });
        menu->addAction(action);
    }
}

} // namespace zuk::highlight::ui
