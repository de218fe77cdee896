#include "calc/ui/tfmbaseconv.h"

#include "base/zukerror.h"
#include "calc/baseconverter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zuk::calc::ui {

TfmBaseConv::TfmBaseConv(QWidget* parent) : QDialog(parent)
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
    m_lNumber = new QLabel(this);
    m_lBase = new QLabel(this);
    m_lResult = new QLabel(this);
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
    grid->addWidget(m_lNumber, 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(m_lBase, 1, 0);
    grid->addWidget(m_base, 1, 1);
    grid->addWidget(m_lResult, 2, 0);
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
    applyLanguage({});
}

void TfmBaseConv::applyLanguage(const std::function<QString(const QString& key)>& caption)
{
    auto text = [&](const char* key, const char* builtIn) {
        QString value = caption ? caption(QString::fromLatin1(key)) : QString();
        return value.isEmpty() ? QString::fromUtf8(builtIn) : value;
    };
    setWindowTitle(text("caption", "Конвертация базы"));
    m_ok->setText(text("btOk", "Окэй-окэээй!"));
    m_cancel->setText(text("btCancel", "Отмена"));
    m_do->setText(text("btDo", "Конвертировать"));
    m_lNumber->setText(text("lNumber", "Число"));
    m_lBase->setText(text("lBase", "База"));
    m_lResult->setText(text("lResult", "Результат"));
    m_decode->setText(text("rbDecode", "Из десятичного в  по такой-то базе"));
    m_encode->setText(text("rbEncode", "Из такой-то базы в десятичное"));
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
        const QString message = QString::fromUtf8(e.what());
        if (messageHook)
            messageHook(message);
        else
            QMessageBox::warning(this, windowTitle(), message);
    }
}

} // namespace zuk::calc::ui
