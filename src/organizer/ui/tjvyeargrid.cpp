#include "organizer/ui/tjvyeargrid.h"

#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/ui/colours.h"
#include "io/safefile.h"
#include "organizer/organizertexts.h"
#include "organizer/ui/tyeargrideditf.h"
#include "organizer/yearfile.h"
#include "organizer/yearpage.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QToolTip>
#include <QUrl>

namespace zuk::organizer::ui {

namespace {

constexpr int kHintMs = 5000;

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// A note in the widgets' form: '\n' line breaks.
QString shownNote(const std::string& info)
{
    return qs(info).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

YearNames systemYearNames()
{
    YearNames names;
    const QLocale loc = QLocale::system();
    // QLocale counts Monday as 1 and Sunday as 7; the grid starts on Sunday.
    for (int d = 1; d <= 7; ++d)
        names.shortDayNames[static_cast<std::size_t>(d % 7)] =
            loc.dayName(d, QLocale::ShortFormat).toStdString();
    for (int m = 1; m <= 12; ++m) {
        names.longMonthNames[static_cast<std::size_t>(m - 1)] =
            loc.standaloneMonthName(m, QLocale::LongFormat).toStdString();
        names.shortMonthNames[static_cast<std::size_t>(m - 1)] =
            loc.monthName(m, QLocale::ShortFormat).toStdString();
    }
    return names;
}

TjvYearGrid::TjvYearGrid(app::ui::ToolHost& host, QWidget* parent)
    : QTableWidget(YearGrid::kRows, YearGrid::kColumns, parent), m_host(host),
      m_names(systemYearNames()), m_save([this] { write(); })
{
    setObjectName(QStringLiteral("jvYearGrid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    const QFontMetrics fm(font());
    setColumnWidth(0, std::max(70, fm.horizontalAdvance(QStringLiteral("Сентябрь")) + 8));
    for (int c = 1; c < YearGrid::kColumns; ++c)
        setColumnWidth(c, std::max(16, fm.horizontalAdvance(QStringLiteral("00")) + 4));
    for (int r = 0; r < YearGrid::kRows; ++r)
        setRowHeight(r, fm.height() + 4);
    for (int r = 0; r < YearGrid::kRows; ++r)
        for (int c = 0; c < YearGrid::kColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            setItem(r, c, item);
        }

    m_menu = new QMenu(this);
    auto add = [this](const char* name, std::function<void()> run) {
        QAction* a = m_menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, std::move(run));
    };
    add("mniYear", [this] { askYear(); });
    m_menu->addSeparator();
    add("mniEdit", [this] { editNote(); });
    add("mniColor", [this] { chooseColour(); });
    add("mniNoColor", [this] { clearColour(); });
    m_menu->addSeparator();
    add("mniCopy", [this] { copyNote(); });
    add("mniCut", [this] { cutNote(); });
    add("mniPaste", [this] { pasteNote(); });
    add("mniDelete", [this] { deleteNote(); });
    m_menu->addSeparator();
    add("mniSaveAllInfo", [this] { saveYearPage(false); });
    add("mniSaveFoundInfo", [this] { saveYearPage(true); });
    m_menu->addSeparator();
    add("mniBorderColor", [this] { chooseBorderColour(); });
    add("mniBookMarkColor", [this] { chooseBookmarkColour(); });
    m_menu->addSeparator();
    add("mniFind", [this] { askFind(); });
    add("mniClearFind", [this] { clearFind(); });
    for (QAction* a : m_menu->actions())
        if (!a->isSeparator())
            a->setText(qs(std::string(pimTexts().builtIn(a->objectName().toStdString()))));

    m_grid = std::make_unique<YearGrid>(QDate::currentDate().year(), m_names);
    showYear(QDate::currentDate().year());
}

TjvYearGrid::~TjvYearGrid()
{
    // The host may be half gone by now: a failure is only logged.
    m_closing = true;
    m_save.flush();
}

QString TjvYearGrid::text(const char* key) const
{
    return m_host.text(pimTexts().section, key);
}

QString TjvYearGrid::yearFile(int year) const
{
    return m_host.dataPath(qs(yearFileName(year)));
}

void TjvYearGrid::showMessage(const QString& message)
{
    if (messageHook)
        messageHook(message);
    else
        QMessageBox::warning(this, window()->windowTitle(), message);
}

void TjvYearGrid::showYear(int year)
{
    m_save.flush();
    const QString path = yearFile(year);
    m_path = path;
    std::string bytes;
    QString refused;
    try {
        if (io::readFileBytesIfExists(local(path), bytes))
            m_grid = std::make_unique<YearGrid>(readYearFile(bytes, year, m_names));
        else
            m_grid = std::make_unique<YearGrid>(year, m_names);
        m_readOnly = false;
    } catch (const ZukError& e) {
        // Never an empty year written back over the notes the file holds.
        m_grid = std::make_unique<YearGrid>(year, m_names);
        m_readOnly = true;
        refused = m_host.format(pimTexts().section, "sYearRefused", {path, m_host.message(e)});
    }
    refresh();
    if (!refused.isEmpty())
        showMessage(refused);
}

void TjvYearGrid::write()
{
    if (m_readOnly)
        return;
    const QString path = m_path;
    try {
        io::writeFileAtomically(local(path), writeYearFile(*m_grid));
        m_failureShown = false;
    } catch (const ZukError& e) {
        if (m_closing) {
            qWarning("zuk: %s", e.what());
            return;
        }
        const QString message =
            m_host.format(pimTexts().section, "sCannotSave", {path, m_host.message(e)});
        m_host.showStatus(message);
        if (!m_failureShown) {
            m_failureShown = true;
            showMessage(message);
        }
    }
}

bool TjvYearGrid::isToday(int row, int column) const
{
    const QDate today = QDate::currentDate();
    return m_grid->year() == today.year() && row == today.month() && column > 0 &&
           m_grid->cell(row, column).Text == std::to_string(today.day());
}

QColor TjvYearGrid::backgroundAt(int row, int column) const
{
    const TYearData& c = m_grid->cell(row, column);
    const settings::RPlanner& s = m_host.settings().Planner;
    const QColor window = palette().color(QPalette::Base);
    QColor back;
    if (column == 0 || (row == 0 && c.OwnColor == kColourWhite))
        back = editor::toQColor(s.BorderColor, window);
    else if (isToday(row, column))
        back = Qt::red;
    else
        back = editor::toQColor(c.HasCustomColor ? c.CustomColor : c.OwnColor, window);
    if (c.Found)
        back = editor::toQColor(s.BookMarkColor, Qt::yellow);
    return back;
}

void TjvYearGrid::refreshCell(int row, int column)
{
    QTableWidgetItem* it = item(row, column);
    const bool today = isToday(row, column);
    it->setText(qs(m_grid->cell(row, column).Text));
    it->setBackground(backgroundAt(row, column));
    it->setForeground(today ? Qt::white : Qt::black);
    QFont f = font();
    f.setBold(today);
    it->setFont(f);
}

void TjvYearGrid::refresh()
{
    for (int r = 0; r < YearGrid::kRows; ++r)
        for (int c = 0; c < YearGrid::kColumns; ++c)
            refreshCell(r, c);
}

void TjvYearGrid::changedCell(int row, int column)
{
    refreshCell(row, column);
    m_save.changed();
}

QString TjvYearGrid::hintAt(int row, int column) const
{
    if (row < 0 || column < 0)
        return {};
    const std::string& info = m_grid->cell(row, column).Info;
    if (info.empty())
        return {};
    return (isToday(row, column) ? text("sToday") : QString()) + shownNote(info);
}

bool TjvYearGrid::currentDay(int& row, int& column) const
{
    row = currentRow();
    column = currentColumn();
    return row >= 0 && column >= 0 && m_grid->isDay(row, column);
}

// The day the item acts on, when it may change it.
bool TjvYearGrid::editableDay(int& row, int& column)
{
    if (!currentDay(row, column))
        return false;
    if (m_readOnly) {
        showMessage(
            m_host.format(pimTexts().section, "sYearReadOnly", {QString::number(m_grid->year())}));
        return false;
    }
    return true;
}

void TjvYearGrid::prepareMenu(int row, int column)
{
    const bool day = row >= 0 && column >= 0 && m_grid->isDay(row, column);
    for (const char* name :
         {"mniEdit", "mniColor", "mniNoColor", "mniCopy", "mniCut", "mniPaste", "mniDelete"}) {
        const bool changes = std::string_view(name) != "mniCopy";
        if (QAction* a = m_menu->findChild<QAction*>(QLatin1String(name)))
            a->setEnabled(day && !(changes && m_readOnly));
    }
}

void TjvYearGrid::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (index.isValid())
        setCurrentCell(index.row(), index.column());
    prepareMenu(currentRow(), currentColumn());
    m_menu->exec(event->globalPos());
}

void TjvYearGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    int row = 0, column = 0;
    if (currentDay(row, column))
        editNote();
}

bool TjvYearGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString hint = index.isValid() ? hintAt(index.row(), index.column()) : QString();
        if (hint.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), hint, viewport(), visualRect(index), kHintMs);
        }
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

void TjvYearGrid::askYear()
{
    const std::optional<QString> answer =
        m_host.prompt(text("sYearTitle"), text("sYearPrompt"), QString::number(m_grid->year()));
    if (!answer)
        return;
    bool ok = false;
    const int year = answer->trimmed().toInt(&ok);
    if (!ok) {
        showMessage(text("sInvalidYear"));
        return;
    }
    if (year >= YearGrid::kMinYear && year <= YearGrid::kMaxYear)
        showYear(year);
}

void TjvYearGrid::editNote()
{
    int row = 0, column = 0;
    if (!editableDay(row, column))
        return;
    const QString before = shownNote(m_grid->cell(row, column).Info);
    std::optional<QString> after;
    if (editHook) {
        after = editHook(before);
    } else {
        TYearGridEditF dialog(m_host, before, this);
        if (dialog.exec() == QDialog::Accepted)
            after = dialog.note();
    }
    if (!after)
        return;
    m_grid->setNote(row, column, after->toStdString());
    changedCell(row, column);
}

std::optional<QColor> TjvYearGrid::pickColour(const QColor& initial)
{
    if (colourHook)
        return colourHook(initial);
    const QColor c = QColorDialog::getColor(initial, this);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

void TjvYearGrid::chooseColour()
{
    int row = 0, column = 0;
    if (!editableDay(row, column))
        return;
    TYearData& c = m_grid->cell(row, column);
    const std::optional<QColor> chosen = pickColour(backgroundAt(row, column));
    if (!chosen)
        return;
    c.CustomColor = editor::fromQColor(*chosen);
    c.HasCustomColor = true;
    changedCell(row, column);
}

void TjvYearGrid::clearColour()
{
    int row = 0, column = 0;
    if (!editableDay(row, column))
        return;
    m_grid->cell(row, column).HasCustomColor = false;
    changedCell(row, column);
}

void TjvYearGrid::copyNote()
{
    int row = 0, column = 0;
    if (currentDay(row, column))
        QApplication::clipboard()->setText(shownNote(m_grid->cell(row, column).Info));
}

void TjvYearGrid::cutNote()
{
    int row = 0, column = 0;
    if (!editableDay(row, column))
        return;
    QApplication::clipboard()->setText(shownNote(m_grid->cell(row, column).Info));
    m_grid->cell(row, column).Info.clear();
    changedCell(row, column);
}

void TjvYearGrid::pasteNote()
{
    int row = 0, column = 0;
    if (!editableDay(row, column))
        return;
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText())
        return;
    m_grid->cell(row, column).Info = normaliseNote(clip->text().toStdString());
    changedCell(row, column);
}

void TjvYearGrid::deleteNote()
{
    int row = 0, column = 0;
    if (!editableDay(row, column))
        return;
    m_grid->cell(row, column).Info.clear();
    changedCell(row, column);
}

void TjvYearGrid::saveYearPage(bool foundOnly)
{
    const settings::RPlanner& s = m_host.settings().Planner;
    YearPageOptions options;
    options.fontName = codepages::winToUtf8(s.HTMLFontName);
    options.border = s.HTMLBorder;
    options.foundOnly = foundOnly;
    const QString path = QFileInfo(yearFile(m_grid->year()))
                             .dir()
                             .filePath(qs(yearPageName(m_grid->year(), foundOnly)));
    try {
        io::writeFileAtomically(local(path), writeYearPage(*m_grid, m_names, options));
    } catch (const ZukError& e) {
        showMessage(m_host.format(pimTexts().section, "sCannotSave", {path, m_host.message(e)}));
        return;
    }
    if (openPageHook)
        openPageHook(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TjvYearGrid::chooseBorderColour()
{
    settings::Colour& border = m_host.settings().Planner.BorderColor;
    if (const std::optional<QColor> c = pickColour(editor::toQColor(border, Qt::white))) {
        border = editor::fromQColor(*c);
        refresh();
    }
}

void TjvYearGrid::chooseBookmarkColour()
{
    settings::Colour& mark = m_host.settings().Planner.BookMarkColor;
    if (const std::optional<QColor> c = pickColour(editor::toQColor(mark, Qt::yellow))) {
        mark = editor::fromQColor(*c);
        refresh();
    }
}

void TjvYearGrid::askFind()
{
    m_grid->clearFound();
    refresh();
    const std::optional<QString> answer = m_host.prompt(text("sFindTitle"), text("sFindPrompt"));
    if (!answer || answer->isEmpty())
        return;
    m_grid->find(answer->toStdString());
    refresh();
}

void TjvYearGrid::clearFind()
{
    m_grid->clearFound();
    refresh();
}

} // namespace zuk::organizer::ui
