#include "app/ui/toolrow.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QToolButton>

namespace zuk::app::ui {

TToolRow::TToolRow(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("TopBar"));
    setWindowTitle(QStringLiteral("Zuk"));
    setMovable(false);

    m_edRun = new QComboBox(this);
    m_edRun->setObjectName(QStringLiteral("edRun"));
    m_edRun->setEditable(true);
    m_edRun->setInsertPolicy(QComboBox::InsertAtTop);
    m_edRun->setMinimumContentsLength(30);
    m_edRun->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    addWidget(m_edRun);

    m_btRun = new QToolButton(this);
    m_btRun->setObjectName(QStringLiteral("btRun"));
    // Its caption and hint are the main window's texts; the external-program
    // engine connects it and the box.
    addWidget(m_btRun);
    addSeparator();

    m_cbTemplates = new QComboBox(this);
    m_cbTemplates->setObjectName(QStringLiteral("cbTemplates"));
    // The code-template sets of the editing control; None turns them off.
    m_cbTemplates->addItems(
        {QStringLiteral("Delphi"), QStringLiteral("C++ Builder"), QStringLiteral("None")});
    m_cbTemplates->setCurrentIndex(2);
    addWidget(m_cbTemplates);

    m_cbSyntax = new QComboBox(this);
    m_cbSyntax->setObjectName(QStringLiteral("cbSyntax"));
    m_cbSyntax->setMinimumContentsLength(12);
    addWidget(m_cbSyntax);
    fillSyntaxList({});
}

QStringList TToolRow::builtInSyntaxNames()
{
    return {QStringLiteral("HTML"),      QStringLiteral("Delphi"), QStringLiteral("C++"),
            QStringLiteral("C"),         QStringLiteral("Perl"),   QStringLiteral("Java Script"),
            QStringLiteral("VB Script"), QStringLiteral("SQL")};
}

void TToolRow::fillSyntaxList(const QStringList& schemeNames)
{
    const QSignalBlocker block(m_cbSyntax);
    m_cbSyntax->clear();
    m_cbSyntax->addItems(builtInSyntaxNames());
    m_cbSyntax->addItems(schemeNames);
    m_cbSyntax->addItem(QStringLiteral("No"));
    m_cbSyntax->setCurrentIndex(m_cbSyntax->count() - 1);
}

} // namespace zuk::app::ui
