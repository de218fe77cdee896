#include "organizer/ui/tyeargrideditf.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/safefile.h"
#include "organizer/organizertexts.h"
#include "organizer/yeargrid.h"
#include "tools/programlist.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zuk::organizer::ui {

QString decodeNotesFile(const std::string& bytes)
{
    const std::string utf8 = tools::isValidUtf8(bytes) ? bytes : codepages::winToUtf8(bytes);
    QString text = QString::fromStdString(normaliseNote(utf8));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string encodeNotesFile(const QString& text)
{
    return normaliseNote(text.toStdString());
}

TYearGridEditF::TYearGridEditF(app::ui::ToolHost& host, const QString& note, QWidget* parent)
    : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("YearGridEditF"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("mmInfo"));
    m_text->setPlainText(note);
    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* load = button("btLoad");
    QPushButton* save = button("btSave");
    QPushButton* ok = button("btOK");
    QPushButton* cancel = button("btCancel");
    auto* row = new QHBoxLayout;
    row->addWidget(load);
    row->addWidget(save);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(row);

    const QString filter = m_host.text(yearGridEditTexts().section, "sTextFilter");
    connect(load, &QPushButton::clicked, this, [this, filter] {
        const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), filter);
        if (!path.isEmpty())
            loadFrom(path);
    });
    connect(save, &QPushButton::clicked, this, [this, filter] {
        const QString path = QFileDialog::getSaveFileName(this, QString(), QString(), filter);
        if (!path.isEmpty())
            saveTo(path);
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    app::ui::localiseWindow(this, yearGridEditTexts(), host.texts(), true);
    app::ui::localiseWindow(this, yearGridEditTexts(), host.texts(), false);
    resize(420, 300);
}

QString TYearGridEditF::note() const
{
    return m_text->toPlainText();
}

void TYearGridEditF::report(const char* key, const QString& path, const QString& reason)
{
    QMessageBox::warning(this, windowTitle(),
                         m_host.format(yearGridEditTexts().section, key, {path, reason}));
}

bool TYearGridEditF::loadFrom(const QString& path)
{
    try {
        m_text->setPlainText(
            decodeNotesFile(io::readFileBytes(QFile::encodeName(path).toStdString())));
        return true;
    } catch (const ZukError& e) {
        report("sCannotRead", path, m_host.message(e));
        return false;
    }
}

bool TYearGridEditF::saveTo(const QString& path)
{
    try {
        io::writeFileAtomically(QFile::encodeName(path).toStdString(), encodeNotesFile(note()));
        return true;
    } catch (const ZukError& e) {
        report("sCannotSave", path, m_host.message(e));
        return false;
    }
}

} // namespace zuk::organizer::ui
