#include "highlight/ui/tfmsyntax.h"

#include "codepages/charsets.h"
#include "highlight/schemefile.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
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

TfmSyntax::TfmSyntax(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfmSyntax"));
    setWindowTitle(QString::fromUtf8("Параметрыыы"));

    m_ext = new QLineEdit(this);
    m_ext->setObjectName(QStringLiteral("edSynExt"));
    m_caption = new QLineEdit(this);
    m_caption->setObjectName(QStringLiteral("edSynCapt"));
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("edSynFile"));
    auto* browse = new QToolButton(this);
    browse->setText(QStringLiteral("..."));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("Расширение файла (без точки!)"), m_ext);
    form->addRow(QString::fromUtf8("Название для отображения в списке"), m_caption);
    form->addRow(QString::fromUtf8("Имя файла с описанием синтаксиса"), fileRow);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QString::fromUtf8("Oкэй-окэээй!"),
                              QDialogButtonBox::AcceptRole); // Latin O
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(440);

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
    const QString chosen = QFileDialog::getOpenFileName(this, QString(), start);
    if (!chosen.isEmpty())
        m_file->setText(chosen);
}

} // namespace zuk::highlight
