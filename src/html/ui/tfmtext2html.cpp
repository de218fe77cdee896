#include "html/ui/tfmtext2html.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "codepages/charsets.h"
#include "html/htmlbasics.h"
#include "html/htmltexts.h"
#include "html/text2html.h"
#include "html/ui/colourpickers.h"
#include "html/ui/htmlfiles.h"
#include "io/linesfile.h"
#include "io/safefile.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace zuk::html::ui {

namespace {

QLineEdit* field(QWidget* parent, const char* name, int width)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaximumWidth(width);
    return e;
}

QLabel* label(QWidget* parent, const char* name, QWidget* buddy)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

TfmText2HTML::TfmText2HTML(app::ui::ToolHost& host, QWidget* parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("fmText2HTML"));

    m_br = new QCheckBox(this);
    m_br->setObjectName(QStringLiteral("cbreplace_CRLF_with_br"));
    m_spaces = new QCheckBox(this);
    m_spaces->setObjectName(QStringLiteral("cbadd_spaces_after_br"));
    m_spaceCount = new QSpinBox(this);
    m_spaceCount->setObjectName(QStringLiteral("senum_of_spaces"));
    m_spaceCount->setRange(1, 100);
    m_spaceCount->setValue(3);
    m_para = new QCheckBox(this);
    m_para->setObjectName(QStringLiteral("cbenclose_para_with_p"));

    auto* margins = new QGroupBox(this);
    margins->setObjectName(QStringLiteral("gbMargins"));
    m_right = field(margins, "edRightMargin", 60);
    m_left = field(margins, "edLeftMargin", 60);
    auto* marginRow = new QHBoxLayout(margins);
    marginRow->addWidget(label(margins, "lRightMargin", m_right));
    marginRow->addWidget(m_right);
    marginRow->addSpacing(12);
    marginRow->addWidget(label(margins, "lLeftMargin", m_left));
    marginRow->addWidget(m_left);
    marginRow->addStretch();

    auto* colours = new QGroupBox(this);
    colours->setObjectName(QStringLiteral("gbColors"));
    m_back = field(colours, "edBackCOlor", 90);
    m_fore = field(colours, "edForeColor", 90);
    auto* setBack = new QPushButton(colours);
    setBack->setObjectName(QStringLiteral("btSetBackColor"));
    auto* setFore = new QPushButton(colours);
    setFore->setObjectName(QStringLiteral("btSetForeColor"));
    for (QPushButton* b : {setBack, setFore})
        b->setMaximumWidth(32);
    auto* colourGrid = new QGridLayout(colours);
    colourGrid->addWidget(label(colours, "lBackcolor", m_back), 0, 0);
    colourGrid->addWidget(m_back, 0, 1);
    colourGrid->addWidget(setBack, 0, 2);
    colourGrid->addWidget(label(colours, "lForeColor", m_fore), 1, 0);
    colourGrid->addWidget(m_fore, 1, 1);
    colourGrid->addWidget(setFore, 1, 2);
    colourGrid->setColumnStretch(3, 1);

    m_useCss = new QCheckBox(this);
    m_useCss->setObjectName(QStringLiteral("cbUseCSSStyle"));
    m_css = new QPlainTextEdit(this);
    m_css->setObjectName(QStringLiteral("memoCSS"));
    m_css->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_css->setPlainText(QString::fromStdString(
        codepages::winToUtf8(defaultParagraphCss().substr(0, defaultParagraphCss().size() - 2))));
    m_cssFile = new QLineEdit(this);
    m_cssFile->setObjectName(QStringLiteral("edCSSStyleFilename"));
    auto* browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("btCSSStyleFilename"));
    browse->setText(QStringLiteral("..."));
    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("btSaveCSSStyle"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_cssFile, 1);
    fileRow->addWidget(browse);
    fileRow->addWidget(save);

    m_newFile = new QCheckBox(this);
    m_newFile->setObjectName(QStringLiteral("cbMakeNewFile"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btOK"));
    ok->setDefault(true);
    buttons->addButton(QString(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btCancel"));

    auto* spacesRow = new QHBoxLayout;
    spacesRow->addWidget(m_spaces);
    spacesRow->addWidget(m_spaceCount);
    spacesRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_br);
    layout->addLayout(spacesRow);
    layout->addWidget(m_para);
    layout->addWidget(margins);
    layout->addWidget(colours);
    layout->addWidget(m_useCss);
    layout->addWidget(m_css, 1);
    layout->addLayout(fileRow);
    layout->addWidget(m_newFile);
    layout->addWidget(buttons);
    resize(440, 560);

    connect(buttons, &QDialogButtonBox::accepted, this, &TfmText2HTML::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(setBack, &QPushButton::clicked, this, [this] { pickColour(m_back); });
    connect(setFore, &QPushButton::clicked, this, [this] { pickColour(m_fore); });
    connect(browse, &QToolButton::clicked, this, &TfmText2HTML::chooseCss);
    connect(save, &QPushButton::clicked, this, &TfmText2HTML::saveCss);
    connect(m_cssFile, &QLineEdit::textChanged, this, &TfmText2HTML::loadCss);

    app::ui::localiseWindow(this, text2HtmlTexts(), host.texts(), true);
    app::ui::localiseWindow(this, text2HtmlTexts(), host.texts());
}

QString TfmText2HTML::cssFolder() const
{
    return m_host.dataPath(QStringLiteral("paracss"));
}

void TfmText2HTML::loadCss(const QString& name)
{
    if (name.isEmpty())
        return;
    const QString path = QDir(cssFolder()).absoluteFilePath(name);
    if (!QFileInfo(path).isFile())
        return;
    try {
        m_css->setPlainText(readTextFile(path));
    } catch (const ZukError& e) {
        m_host.showNote(m_host.message(e));
    }
}

void TfmText2HTML::chooseCss()
{
    const QString chosen =
        chooseFile(this, m_host.text(htmlMessages().section, "sChooseCssFile"), cssFolder(),
                   m_host.text(htmlMessages().section, "sCssFilter") + QStringLiteral(" (*.css)"),
                   m_host.text(htmlMessages().section, "sAllFiles"), false);
    if (chosen.isEmpty())
        return;
    m_cssFile->setText(QFileInfo(chosen).absolutePath() == QFileInfo(cssFolder()).absoluteFilePath()
                           ? QFileInfo(chosen).fileName()
                           : chosen);
}

void TfmText2HTML::saveCss()
{
    QDir().mkpath(cssFolder());
    const QString chosen =
        chooseFile(this, m_host.text(htmlMessages().section, "sChooseCssFile"), cssFolder(),
                   m_host.text(htmlMessages().section, "sCssFilter") + QStringLiteral(" (*.css)"),
                   m_host.text(htmlMessages().section, "sAllFiles"), true);
    if (chosen.isEmpty())
        return;
    try {
        writeTextFile(chosen, m_css->toPlainText());
    } catch (const ZukError& e) {
        m_host.showNote(m_host.message(e));
    }
}

void TfmText2HTML::pickColour(QLineEdit* field)
{
    if (const std::optional<QString> colour = TWebSafePicker::pick(this, m_host.texts()))
        field->setText(*colour);
}

void TfmText2HTML::accept()
{
    for (QLineEdit* colour : {m_back, m_fore}) {
        const QString text = colour->text().trimmed();
        if (!text.isEmpty() && !parseHexColour(text.toStdString())) {
            m_host.showNote(m_host.format(htmlMessages().section, "sBadColour", {text}));
            colour->setFocus();
            colour->selectAll();
            return;
        }
    }
    QDialog::accept();
}

Text2HtmlChoice TfmText2HTML::choice() const
{
    auto colour = [](const QLineEdit* field) {
        const std::optional<Rgb> rgb = parseHexColour(field->text().toStdString());
        return rgb ? QStringLiteral("#") + QString::fromStdString(hexColour(*rgb)) : QString();
    };
    Text2HtmlChoice c;
    c.leftMargin = m_left->text();
    c.rightMargin = m_right->text();
    c.backColour = colour(m_back);
    c.foreColour = colour(m_fore);
    c.replaceBreaks = m_br->isChecked();
    c.addSpaces = m_spaces->isChecked();
    c.spaces = m_spaceCount->value();
    c.paragraphs = m_para->isChecked();
    c.useCss = m_useCss->isChecked();
    QStringList lines = m_css->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& line : lines)
        c.css += line + QStringLiteral("\r\n");
    c.newFile = m_newFile->isChecked();
    return c;
}

} // namespace zuk::html::ui
