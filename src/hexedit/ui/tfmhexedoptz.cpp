#include "hexedit/ui/tfmhexedoptz.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "hexedit/hexedittexts.h"
#include "hexedit/hexinput.h"
#include "hexedit/translation.h"
#include "hexedit/ui/tfmhexedit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace zuk::hexedit::ui {

namespace {

// The list's entries, in the order of kTranslations.
const char* const kTranslationEntries[] = {"Ansi", "Dos", "ASCII", "Mac", "EBCDIC"};

QLabel* label(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

Tfmhexedoptz::Tfmhexedoptz(app::ui::ToolHost& host, Tfmhexedit& editor)
    : QWidget(&editor, Qt::Tool), m_host(host), m_editor(editor)
{
    setObjectName(QStringLiteral("fmhexedoptz"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_translation = new QComboBox(this);
    m_translation->setObjectName(QStringLiteral("cbTranslation"));
    for (const char* entry : kTranslationEntries)
        m_translation->addItem(QString::fromLatin1(entry));
    m_bytesPerColumn = new QLineEdit(this);
    m_bytesPerColumn->setObjectName(QStringLiteral("edBytesPerColumn"));
    m_bytesPerLine = new QLineEdit(this);
    m_bytesPerLine->setObjectName(QStringLiteral("edBytesPerLine"));
    auto* setColumn = new QPushButton(this);
    setColumn->setObjectName(QStringLiteral("btSetBytesPerColumn"));
    setColumn->setAutoDefault(false);
    auto* setLine = new QPushButton(this);
    setLine->setObjectName(QStringLiteral("btSetBytesPerLine"));
    setLine->setAutoDefault(false);

    // The fields start from the settings in force.
    const settings::RHexEdit& s = host.settings().HexEdit;
    const Translation current = translationFromName(s.Translation).value_or(Translation::Ansi);
    for (int i = 0; i < static_cast<int>(std::size(kTranslations)); ++i)
        if (kTranslations[i] == current)
            m_translation->setCurrentIndex(i);
    m_bytesPerColumn->setText(QString::number(s.BytesPerColumn));
    m_bytesPerLine->setText(QString::number(s.BytesPerLine));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label(this, "lTranslation"), 0, 0);
    grid->addWidget(m_translation, 0, 1, 1, 2);
    grid->addWidget(label(this, "lBytesPerColumn"), 1, 0);
    grid->addWidget(m_bytesPerColumn, 1, 1);
    grid->addWidget(setColumn, 1, 2);
    grid->addWidget(label(this, "lBytesPerLine"), 2, 0);
    grid->addWidget(m_bytesPerLine, 2, 1);
    grid->addWidget(setLine, 2, 2);

    connect(m_translation, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(std::size(kTranslations)))
            m_editor.setTranslation(kTranslations[index]);
    });
    connect(setColumn, &QPushButton::clicked, this, &Tfmhexedoptz::applyBytesPerColumn);
    connect(setLine, &QPushButton::clicked, this, &Tfmhexedoptz::applyBytesPerLine);

    app::ui::localiseWindow(this, hexEditOptionsTexts(), host.texts(), true);
    host.addLocaliser(
        this, [this] { app::ui::localiseWindow(this, hexEditOptionsTexts(), m_host.texts()); });
    adjustSize();
}

bool Tfmhexedoptz::readField(QLineEdit* field, int& value)
{
    const QString typed = field->text().trimmed();
    if (typed.isEmpty())
        return false;
    try {
        value = parseInteger(typed.toStdString());
        return true;
    } catch (const ZukError& e) {
        const QString message = m_host.message(e);
        if (m_editor.messageHook)
            m_editor.messageHook(message);
        else
            QMessageBox::warning(this, windowTitle(), message);
        return false;
    }
}

void Tfmhexedoptz::applyBytesPerColumn()
{
    int n = 0;
    if (readField(m_bytesPerColumn, n))
        m_editor.setBytesPerColumn(n);
}

void Tfmhexedoptz::applyBytesPerLine()
{
    int n = 0;
    if (readField(m_bytesPerLine, n))
        m_editor.setBytesPerLine(n);
}

} // namespace zuk::hexedit::ui
