#include "organizer/ui/tfrm_chartable.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "editor/ved.h"
#include "organizer/organizertexts.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zuk::organizer::ui {

namespace {

constexpr int kCellSize = 24;

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

} // namespace

Tfrm_CharTable::Tfrm_CharTable(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_host(host)
{
    setObjectName(QStringLiteral("frm_CharTable"));
    m_grid = new QTableWidget(16, 16, this);
    m_grid->setObjectName(QStringLiteral("sgChars"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList columns, rows;
    for (int i = 0; i < 16; ++i) {
        columns << QString::number(i, 16).toUpper();
        rows << QString::number(i, 16).toUpper() + QLatin1Char('x');
    }
    m_grid->setHorizontalHeaderLabels(columns);
    m_grid->setVerticalHeaderLabels(rows);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultSectionSize(kCellSize);
    m_grid->verticalHeader()->setDefaultSectionSize(kCellSize);
    for (int code = 0; code < 256; ++code) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(code / 16, code % 16, item);
    }
    m_grid->setFixedSize(m_grid->verticalHeader()->sizeHint().width() + 16 * kCellSize + 4,
                         m_grid->horizontalHeader()->sizeHint().height() + 16 * kCellSize + 4);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_sample = new QLabel(this);
    m_sample->setObjectName(QStringLiteral("lSample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFixedSize(96, 96);
    m_sample->setFrameShape(QFrame::Box);
    m_codeField = new QLineEdit(this);
    m_codeField->setObjectName(QStringLiteral("edCode"));
    m_codeField->setFixedWidth(96);
    auto* copyCharButton = new QPushButton(this);
    copyCharButton->setObjectName(QStringLiteral("btCopyChar"));
    auto* copyCodeButton = new QPushButton(this);
    copyCodeButton->setObjectName(QStringLiteral("btCopyCode"));

    auto* side = new QVBoxLayout;
    side->addWidget(m_sample);
    side->addWidget(m_codeField);
    side->addWidget(copyCharButton);
    side->addWidget(copyCodeButton);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(side);

    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { chooseCode(row * 16 + column); });
    connect(copyCharButton, &QPushButton::clicked, this, &Tfrm_CharTable::copyChar);
    connect(copyCodeButton, &QPushButton::clicked, this, &Tfrm_CharTable::copyCode);

    localise(true);
    host.addLocaliser(this, [this] { localise(false); });
    fillGrid();
}

void Tfrm_CharTable::localise(bool builtIn)
{
    app::ui::localiseWindow(this, charTableTexts(), m_host.texts(), builtIn);
}

QString Tfrm_CharTable::shownChar(int code) const
{
    if (code < 0 || code > 255)
        return {};
    const char16_t c = codepages::unicodeTable(m_codePage)[code];
    return QString(QChar(c));
}

void Tfrm_CharTable::followDocument()
{
    if (!m_host.hasDocument())
        return;
    editor::CVed& ved = m_host.document();
    codepages::CodePage cp = codepages::CodePage::Win;
    codepages::codePageFromName(ved.GetCharset(), cp);
    const QString font = QString::fromStdString(ved.GetFontName());
    if (cp == m_codePage && font == m_fontName)
        return;
    m_codePage = cp;
    m_fontName = font;
    fillGrid();
}

// Control characters show as their pictures (U+2400 and on) or not at all,
// greyed: the font has no glyph for them.
void Tfrm_CharTable::fillGrid()
{
    QFont font = m_grid->font();
    if (!m_fontName.isEmpty())
        font.setFamily(m_fontName);
    font.setPointSize(12);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    const QColor text = palette().color(QPalette::Text);
    for (int code = 0; code < 256; ++code) {
        QTableWidgetItem* item = m_grid->item(code / 16, code % 16);
        const char16_t c = codepages::unicodeTable(m_codePage)[code];
        QString shown = shownChar(code);
        if (isControl(c))
            shown = c < 0x20    ? QString(QChar(0x2400 + c))
                    : c == 0x7F ? QString(QChar(0x2421))
                                : QString();
        item->setText(shown);
        item->setFont(font);
        item->setForeground(isControl(c) ? grey : text);
        item->setToolTip(QString::number(code));
    }
    QFont big = font;
    big.setPointSize(36);
    m_sample->setFont(big);
    if (m_code >= 0)
        m_sample->setText(
            isControl(codepages::unicodeTable(m_codePage)[m_code]) ? QString() : shownChar(m_code));
}

void Tfrm_CharTable::chooseCode(int code)
{
    if (code < 0 || code > 255)
        return;
    m_code = code;
    m_grid->setCurrentCell(code / 16, code % 16);
    m_codeField->setText(QString::number(code));
    const char16_t shown = codepages::unicodeTable(m_codePage)[code];
    m_sample->setText(isControl(shown) ? QString() : shownChar(code));
    if (code != 0 && m_host.hasDocument()) {
        editor::CVed& ved = m_host.document();
        // The character shown, in the code page of the document it goes to:
        // the active document may have changed since the table was filled.
        codepages::CodePage cp = codepages::CodePage::Win;
        codepages::codePageFromName(ved.GetCharset(), cp);
        const int byte = cp == m_codePage ? code : codepages::encodeChar(shown, cp);
        if (byte > 0)
            ved.InsertAtCaret(std::string(1, static_cast<char>(byte)));
        followDocument();
    }
    m_grid->setFocus();
}

void Tfrm_CharTable::copyChar()
{
    if (m_code <= 0)
        return;
    const QString c = shownChar(m_code);
    QApplication::clipboard()->setText(c);
    m_codeField->setText(c);
}

void Tfrm_CharTable::copyCode()
{
    QApplication::clipboard()->setText(m_codeField->text());
}

void Tfrm_CharTable::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        followDocument();
}

} // namespace zuk::organizer::ui
