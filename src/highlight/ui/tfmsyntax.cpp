#include "highlight/ui/tfmsyntax.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "codepages/charsets.h"
#include "highlight/highlighttexts.h"
#include "highlight/schemefile.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zuk::highlight {

namespace {

QString fromWin(const std::string& bytes)
{
    return QString::fromStdString(codepages::winToUtf8(bytes));
}

std::string toWin(const QString& text)
{
    return codepages::utf8ToWin(text.toStdString());
}

} // namespace

TfmSyntax::TfmSyntax(app::ui::ToolHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("TfmSyntax"));

    m_ext = new QLineEdit(this);
    m_ext->setObjectName(QStringLiteral("edSynExt"));
    m_caption = new QLineEdit(this);
    m_caption->setObjectName(QStringLiteral("edSynCapt"));
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("edSynFile"));
    auto* browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("btSynFile"));
    browse->setText(QStringLiteral("..."));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);

    auto label = [this](const char* name, QWidget* buddy) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setBuddy(buddy);
        return l;
    };
    auto* form = new QFormLayout;
    form->addRow(label("lSynExt", m_ext), m_ext);
    form->addRow(label("lSynCapt", m_caption), m_caption);
    form->addRow(label("lSynFile", m_file), fileRow);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("btOk"));
    QPushButton* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btCancel"));
    m_ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(440);

    app::ui::localiseWindow(this, fmSyntaxTexts(), host.texts(), true);
    host.addLocaliser(this,
                      [this] { app::ui::localiseWindow(this, fmSyntaxTexts(), m_host.texts()); });

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QToolButton::clicked, this, &TfmSyntax::chooseFile);
    connect(m_file, &QLineEdit::textChanged, this, &TfmSyntax::edSynFileChange);
}

void TfmSyntax::setItem(const RSynItem& item)
{
    m_ext->setText(fromWin(item.Ext));
    m_caption->setText(fromWin(item.Name));
    m_file->setText(fromWin(item.FileName));
}

RSynItem TfmSyntax::item() const
{
    return {toWin(m_ext->text()), toWin(m_caption->text()), toWin(m_file->text())};
}

void TfmSyntax::edSynFileChange()
{
    RSynHeader header;
    if (!readSchemeHeader(m_file->text().toStdString(), header))
        return;
    m_caption->setText(fromWin(header.Name));
    const size_t first = header.Extensions.find_first_not_of(' ');
    m_ext->setText(
        fromWin(first == std::string::npos ? std::string() : header.Extensions.substr(first)));
}

void TfmSyntax::chooseFile()
{
    const QString start = QFileInfo(m_file->text()).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(
        this, m_host.text(fmSyntaxTexts().section, "sChooseSchemeFile"), start);
    if (!chosen.isEmpty())
        m_file->setText(chosen);
}

} // namespace zuk::highlight
