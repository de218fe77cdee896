#include "calc/ui/tfmbaseconv.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "calc/baseconverter.h"
#include "calc/calctexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zuk::calc::ui {

TfmBaseConv::TfmBaseConv(app::ui::ToolHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("fmBaseConv"));
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    m_number = edit("EdNumber");
    m_base = edit("edBase");
    m_result = edit("edResult");
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    QLabel* lNumber = label("lNumber");
    QLabel* lBase = label("lBase");
    QLabel* lResult = label("lResult");
    m_decode = new QRadioButton(this);
    m_decode->setObjectName(QStringLiteral("rbDecode"));
    m_decode->setChecked(true);
    m_encode = new QRadioButton(this);
    m_encode->setObjectName(QStringLiteral("rbEncode"));
    m_do = new QPushButton(this);
    m_do->setObjectName(QStringLiteral("btDo"));
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("btOk"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("btCancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(lNumber, 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(lBase, 1, 0);
    grid->addWidget(m_base, 1, 1);
    grid->addWidget(lResult, 2, 0);
    grid->addWidget(m_result, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_do);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_decode);
    layout->addWidget(m_encode);
    layout->addLayout(buttons);

    connect(m_do, &QPushButton::clicked, this, [this] { convert(); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    app::ui::localiseWindow(this, fmBaseConvTexts(), host.texts(), true);
    host.addLocaliser(this,
                      [this] { app::ui::localiseWindow(this, fmBaseConvTexts(), m_host.texts()); });
}

void TfmBaseConv::convert()
{
    const std::string number = m_number->text().toStdString();
    const std::string base = m_base->text().toStdString();
    try {
        const std::string result =
            m_decode->isChecked() ? decimalToBase(number, base) : baseToDecimal(number, base);
        m_result->setText(QString::fromStdString(result));
    } catch (const ZukError& e) {
        const QString message = m_host.message(e);
        if (messageHook)
            messageHook(message);
        else
            QMessageBox::warning(this, windowTitle(), message);
    }
}

} // namespace zuk::calc::ui
