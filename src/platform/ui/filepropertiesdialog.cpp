#include "platform/ui/filepropertiesdialog.h"

#include "app/textservice.h"
#include "app/ui/localiser.h"
#include "platform/platformtexts.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>
#include <QVBoxLayout>

#include <sys/stat.h>

namespace zuk::platform::ui {

namespace {

QString permissionText(const QFileInfo& info)
{
    const QFile::Permissions p = info.permissions();
    const struct {
        QFile::Permission flag;
        char letter;
    } bits[] = {{QFile::ReadOwner, 'r'}, {QFile::WriteOwner, 'w'}, {QFile::ExeOwner, 'x'},
                {QFile::ReadGroup, 'r'}, {QFile::WriteGroup, 'w'}, {QFile::ExeGroup, 'x'},
                {QFile::ReadOther, 'r'}, {QFile::WriteOther, 'w'}, {QFile::ExeOther, 'x'}};
    QString text;
    int octal = 0;
    for (const auto& bit : bits) {
        const bool on = p & bit.flag;
        text += on ? QLatin1Char(bit.letter) : QLatin1Char('-');
        octal = octal * 2 + (on ? 1 : 0);
    }
    return text + QStringLiteral(" (") + QString::number(octal, 8).rightJustified(3, u'0') +
           QLatin1Char(')');
}

} // namespace

TFileProperties::TFileProperties(const QString& path, const app::TextService* texts,
                                 QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmFileProperties"));
    const TextTable& table = filePropertiesTexts();
    auto text = [&](const char* key) {
        return QString::fromStdString(texts ? texts->text(table.section, key) : table.builtIn(key));
    };
    const QFileInfo info(path);
    const QLocale locale;
    auto time = [&locale, &text](const QDateTime& t) {
        return t.isValid() ? locale.toString(t, QLocale::LongFormat) : text("sUnknown");
    };

    auto* form = new QFormLayout;
    auto row = [this, form](const char* label, const QString& value) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(label));
        auto* v = new QLabel(value, this);
        v->setObjectName(QString::fromLatin1(label) + QStringLiteral("Value"));
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        v->setWordWrap(true);
        form->addRow(l, v);
    };
    row("lName", info.fileName());
    row("lType", info.isDir()
                     ? QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory")).comment()
                     : QMimeDatabase().mimeTypeForFile(info).comment());
    row("lFolder", QDir::toNativeSeparators(info.absolutePath()));
    if (info.isSymLink())
        row("lTarget", info.symLinkTarget());
    if (info.isDir()) {
        const qsizetype items =
            QDir(path)
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .size();
        row("lSize", QString::fromStdString(
                         formatText(text("sFolderItems").toStdString(), {std::to_string(items)})));
    } else {
        const QString bytes = locale.toString(info.size());
        QString shown =
            QString::fromStdString(formatText(text("sBytes").toStdString(), {bytes.toStdString()}));
        if (info.size() >= 1024)
            shown = locale.formattedDataSize(info.size()) + QStringLiteral(" (") + shown +
                    QLatin1Char(')');
        row("lSize", shown);
    }
    row("lModified", time(info.lastModified()));
    row("lAccessed", time(info.lastRead()));
    row("lCreated", time(info.birthTime()));
    row("lPermissions", permissionText(info));
    row("lOwner", info.owner() + QLatin1Char(':') + info.group());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("btClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    static const app::TextService none;
    app::ui::localiseWindow(this, table, none, true);
    if (texts)
        app::ui::localiseWindow(this, table, *texts);
    setWindowTitle(QString::fromStdString(
        formatText(texts ? texts->text(table.section, "caption") : table.builtIn("caption"),
                   {info.fileName().toStdString()})));
}

QString TFileProperties::value(const char* label) const
{
    const auto* v = findChild<QLabel*>(QString::fromLatin1(label) + QStringLiteral("Value"));
    return v ? v->text() : QString();
}

} // namespace zuk::platform::ui
