#pragma once

#include <QStringList>
#include <QToolBar>

class QComboBox;
class QToolButton;

namespace zuk::app::ui {

// The tool row above the document area: the command-line box with its
// history (edRun) and its run button (btRun), the template box (cbTemplates)
// and the highlighting list (cbSyntax). The main window connects their
// signals; this class only builds and fills them.
class TToolRow final : public QToolBar {
public:
    explicit TToolRow(QWidget* parent);

    QComboBox* edRun() const { return m_edRun; }
    QToolButton* btRun() const { return m_btRun; }
    QComboBox* cbTemplates() const { return m_cbTemplates; }
    QComboBox* cbSyntax() const { return m_cbSyntax; }

    // Fills the highlighting list: the built-in highlighters, then the scheme
    // names in their order, then No. Emits no change signal.
    void fillSyntaxList(const QStringList& schemeNames);

    static QStringList builtInSyntaxNames();

private:
    QComboBox* m_edRun;
    QToolButton* m_btRun;
    QComboBox* m_cbTemplates;
    QComboBox* m_cbSyntax;
};

} // namespace zuk::app::ui
