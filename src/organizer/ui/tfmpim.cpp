#include "organizer/ui/tfmpim.h"

#include "app/ui/localiser.h"
#include "app/ui/toolhost.h"
#include "base/zukerror.h"
#include "io/safefile.h"
#include "organizer/organizertexts.h"
#include "organizer/ui/tjvyeargrid.h"
#include "organizer/ui/tyeargrideditf.h"

#include <QFile>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zuk::organizer::ui {

TfmPim::TfmPim(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_host(host), m_save([this] { writeNotes(); })
{
    setObjectName(QStringLiteral("fmPim"));
    m_file = host.dataPath(QStringLiteral("pimtext.txt"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pcPim"));

    m_notes = new QPlainTextEdit;
    m_notes->setObjectName(QStringLiteral("mmNotes"));
    m_notes->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* memo = new QWidget;
    memo->setObjectName(QStringLiteral("tsMemo"));
    auto* memoLayout = new QVBoxLayout(memo);
    memoLayout->setContentsMargins(2, 2, 2, 2);
    memoLayout->addWidget(m_notes);

    auto* plannerPage = new QWidget;
    plannerPage->setObjectName(QStringLiteral("tsPlanner"));
    m_planner = new TjvYearGrid(host, plannerPage);
    auto* plannerLayout = new QVBoxLayout(plannerPage);
    plannerLayout->setContentsMargins(2, 2, 2, 2);
    plannerLayout->addWidget(m_planner);

    m_pages->addTab(memo, QString());
    m_pages->addTab(plannerPage, QString());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pages);

    loadNotes();
    connect(m_notes->document(), &QTextDocument::contentsChanged, this, [this] {
        // Typing and taking it back again leaves the file alone.
        if (m_notes->document()->isModified())
            m_save.changed();
        else
            m_save.cancel();
    });

    localise(true);
    host.addLocaliser(this, [this] { localise(false); });
    int gridWidth = 0;
    for (int c = 0; c < m_planner->columnCount(); ++c)
        gridWidth += m_planner->columnWidth(c);
    int gridHeight = 0;
    for (int r = 0; r < m_planner->rowCount(); ++r)
        gridHeight += m_planner->rowHeight(r);
    resize(gridWidth + 40, gridHeight + 90);
}

TfmPim::~TfmPim()
{
    // The host may be half gone by now: a failure is only logged.
    m_closing = true;
    m_save.flush();
}

void TfmPim::flush()
{
    m_save.flush();
    m_planner->flush();
}

void TfmPim::localise(bool builtIn)
{
    app::ui::localiseWindow(this, pimTexts(), m_host.texts(), builtIn);
}

void TfmPim::loadNotes()
{
    std::string bytes;
    try {
        if (!io::readFileBytesIfExists(QFile::encodeName(m_file).toStdString(), bytes))
            return;
    } catch (const ZukError& e) {
        // Nothing is written over a file that could not be read.
        m_notes->setReadOnly(true);
        const QString message = m_host.message(e);
        QTimer::singleShot(0, this, [this, message] { m_host.showStatus(message); });
        return;
    }
    m_notes->setPlainText(decodeNotesFile(bytes));
    m_notes->document()->setModified(false);
}

void TfmPim::writeNotes()
{
    if (!m_notes->document()->isModified())
        return;
    try {
        io::writeFileAtomically(QFile::encodeName(m_file).toStdString(),
                                encodeNotesFile(m_notes->toPlainText()));
        m_notes->document()->setModified(false);
        m_failureShown = false;
    } catch (const ZukError& e) {
        if (m_closing) {
            qWarning("zuk: %s", e.what());
            return;
        }
        const QString message =
            m_host.format(pimTexts().section, "sCannotSave", {m_file, m_host.message(e)});
        m_host.showStatus(message);
        if (!m_failureShown) {
            m_failureShown = true;
            QMessageBox::warning(this, windowTitle(), message);
        }
    }
}

} // namespace zuk::organizer::ui
