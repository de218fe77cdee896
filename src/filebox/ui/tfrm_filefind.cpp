#include "filebox/ui/tfrm_filefind.h"

#include "app/textservice.h"
#include "app/ui/toolhost.h"
#include "codepages/charsets.h"
#include "filebox/fileboxtexts.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <QVBoxLayout>

namespace zuk::filebox::ui {

namespace {
constexpr int kHistory = 20;
}

Tfrm_FileFind::Tfrm_FileFind(app::ui::ToolHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_host(host)
{
    setObjectName(QStringLiteral("frm_FileFind"));
    m_body = new QWidget(this);
    m_lWhat = new QLabel(m_body);
    m_edFindWhat = new QComboBox(m_body);
    m_edFindWhat->setObjectName(QStringLiteral("edFindWhat"));
    m_edFindWhat->setEditable(true);
    m_edFindWhat->setInsertPolicy(QComboBox::NoInsert);
    m_lWhere = new QLabel(m_body);
    m_edPath = new QLineEdit(m_body);
    m_edPath->setObjectName(QStringLiteral("edPath"));
    m_edPath->setText(QDir::homePath());
    m_btBrowse = new QToolButton(m_body);
    m_lMask = new QLabel(m_body);
    m_edFileMask = new QComboBox(m_body);
    m_edFileMask->setObjectName(QStringLiteral("edFileMask"));
    m_edFileMask->setEditable(true);
    m_edFileMask->setInsertPolicy(QComboBox::NoInsert);
    m_edFileMask->addItem(QStringLiteral("*.*"));
    for (const char* mask : {"*.txt", "*.htm;*.html", "*.h;*.cpp"})
        m_edFileMask->addItem(QLatin1String(mask));
    m_lWhat->setBuddy(m_edFindWhat);
    m_lWhere->setBuddy(m_edPath);
    m_lMask->setBuddy(m_edFileMask);

    m_list = new QListWidget(m_body);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_status = new QLabel(m_body);
    m_status->setObjectName(QStringLiteral("Panel1"));
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setTextFormat(Qt::PlainText);
    // A long path must not widen the window.
    m_status->setMinimumWidth(1);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto button = [this](const char* name) {
        auto* b = new QPushButton(m_body);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    m_btStart = button("btStartSearch");
    m_btPause = button("btPauseSearch");
    m_btStop = button("btStopSearch");
    m_btResume = button("btResumeSearch");
    m_btStart->setDefault(true);
    m_btRollUp = new QToolButton(this);
    m_btRollUp->setObjectName(QStringLiteral("btRollUp"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_lWhat, 0, 0);
    grid->addWidget(m_edFindWhat, 0, 1, 1, 2);
    grid->addWidget(m_lWhere, 1, 0);
    grid->addWidget(m_edPath, 1, 1);
    grid->addWidget(m_btBrowse, 1, 2);
    grid->addWidget(m_lMask, 2, 0);
    grid->addWidget(m_edFileMask, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_btStart, m_btPause, m_btStop, m_btResume})
        buttons->addWidget(b);
    auto* body = new QVBoxLayout(m_body);
    body->setContentsMargins(0, 0, 0, 0);
    body->addLayout(grid);
    body->addLayout(buttons);
    body->addWidget(m_list, 1);
    body->addWidget(m_status);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(m_btRollUp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 6);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(m_body, 1);
    resize(520, 420);

    connect(m_btStart, &QPushButton::clicked, this, &Tfrm_FileFind::startSearch);
    connect(m_btPause, &QPushButton::clicked, this, &Tfrm_FileFind::pauseSearch);
    connect(m_btStop, &QPushButton::clicked, this, &Tfrm_FileFind::stopSearch);
    connect(m_btResume, &QPushButton::clicked, this, &Tfrm_FileFind::resumeSearch);
    connect(m_btBrowse, &QToolButton::clicked, this, &Tfrm_FileFind::browse);
    connect(m_btRollUp, &QToolButton::clicked, this, &Tfrm_FileFind::toggleRollUp);
    connect(m_list, &QListWidget::itemActivated, this, &Tfrm_FileFind::openResult);
    connect(m_edFindWhat->lineEdit(), &QLineEdit::returnPressed, this, &Tfrm_FileFind::startSearch);

    localise();
    m_host.addLocaliser(this, [this] { localise(); });
}

Tfrm_FileFind::~Tfrm_FileFind()
{
    m_accepting = 0;
    m_search.reset();
}

QString Tfrm_FileFind::text(const char* key) const
{
    return m_host.text(fileFindTexts().section, key);
}

void Tfrm_FileFind::localise()
{
    setWindowTitle(text("caption"));
    m_lWhat->setText(text("lWhatToSearch"));
    m_lWhere->setText(text("lWhereToSearch"));
    m_lMask->setText(text("lFileMask"));
    m_btStart->setText(text("btStartSearch"));
    m_btPause->setText(text("btPauseSearch"));
    m_btStop->setText(text("btStopSearch"));
    m_btResume->setText(text("btResumeSearch"));
    m_btBrowse->setText(text("btBrowse"));
    m_btRollUp->setText(text("sRollUp"));
}

bool Tfrm_FileFind::searching() const
{
    return m_search && !m_search->isFinished();
}

void Tfrm_FileFind::setFolder(const QString& folder)
{
    m_edPath->setText(folder);
}

void Tfrm_FileFind::remember(QComboBox* box)
{
    const QString value = box->currentText();
    if (value.isEmpty())
        return;
    const int at = box->findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (at >= 0)
        box->removeItem(at);
    box->insertItem(0, value);
    while (box->count() > kHistory)
        box->removeItem(box->count() - 1);
    box->setCurrentIndex(0);
}

void Tfrm_FileFind::startSearch()
{
    // The old search ends before the new one begins; its late events are
    // dropped by the generation check.
    m_accepting = 0;
    m_search.reset();
    remember(m_edFindWhat);
    remember(m_edFileMask);
    m_list->clear();
    m_status->clear();

    FindRequest request;
    request.folder = QDir::cleanPath(m_edPath->text()).toStdString();
    request.mask = m_edFileMask->currentText().toStdString();
    request.text = codepages::utf8ToWin(m_edFindWhat->currentText().toStdString());
    const unsigned generation = ++m_generation;
    m_accepting = generation;

    auto post = [this, generation](std::function<void()> run) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, run = std::move(run)] {
                if (m_accepting == generation)
                    run();
            },
            Qt::QueuedConnection);
    };
    CFINDTHREAD::Events events;
    events.starting = [this, post] { post([this] { m_status->setText(text("sStarting")); }); };
    events.reading = [this, post](const std::string& path) {
        post([this, p = QString::fromStdString(path)] { m_status->setText(p); });
    };
    events.found = [this, post](const std::string& path) {
        post([this, p = QString::fromStdString(path)] { m_list->addItem(p); });
    };
    events.finished = [this, post](const FindSummary& summary,
                                   const std::optional<ZukError>& failure) {
        const QString why = failure ? m_host.message(*failure) : QString();
        post([this, summary, why] { finished(summary, why); });
    };
    m_search = std::make_unique<CFINDTHREAD>(std::move(request), std::move(events));
}

void Tfrm_FileFind::finished(const FindSummary& summary, const QString& failure)
{
    if (!failure.isEmpty()) {
        m_status->setText(failure);
        return;
    }
    if (summary.stopped)
        return;
    QString line = text("sFound") + QStringLiteral(": ") + QString::number(summary.found) +
                   QLatin1Char(' ') + text("sFile");
    if (summary.skipped != 0)
        line += QStringLiteral(", ") + m_host.format(fileFindTexts().section, "sSkipped",
                                                     {QString::number(summary.skipped)});
    m_status->setText(line);
}

QString Tfrm_FileFind::statusOrJoke(const char* status, const char* joke)
{
    if (m_host.texts().russian()) {
        const int dice = jokeDice ? jokeDice() : QRandomGenerator::global()->bounded(2, 6);
        if (dice == 3)
            return text(joke);
    }
    return text(status);
}

void Tfrm_FileFind::pauseSearch()
{
    if (searching())
        m_search->pause();
    m_status->setText(statusOrJoke("sPaused", "sJokePause"));
}

void Tfrm_FileFind::resumeSearch()
{
    if (m_search && m_search->isPaused())
        m_search->resume();
    m_status->setText(statusOrJoke("sResumed", "sJokeResume"));
}

void Tfrm_FileFind::stopSearch()
{
    if (m_search) {
        m_accepting = 0;
        m_search->stop();
    }
    m_status->setText(statusOrJoke("sStopped", "sJokeStop"));
}

void Tfrm_FileFind::browse()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, text("sChooseFolder"), m_edPath->text());
    if (!folder.isEmpty())
        m_edPath->setText(folder);
}

void Tfrm_FileFind::openResult()
{
    if (QListWidgetItem* item = m_list->currentItem())
        m_host.openFile(item->text(), true);
}

void Tfrm_FileFind::toggleRollUp()
{
    if (!m_rolledUp) {
        m_unrolledHeight = height();
        m_rolledUp = true;
        m_body->hide();
        setMinimumHeight(0);
        resize(width(), m_btRollUp->sizeHint().height() + 8);
    } else {
        m_rolledUp = false;
        m_body->show();
        resize(width(), m_unrolledHeight > 0 ? m_unrolledHeight : 420);
    }
}

QRect Tfrm_FileFind::storedGeometry() const
{
    QRect r = geometry();
    if (m_rolledUp)
        r.setHeight(m_unrolledHeight);
    return r;
}

void Tfrm_FileFind::restoreStoredGeometry(const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (m_rolledUp)
        toggleRollUp();
    setGeometry(r);
}

} // namespace zuk::filebox::ui
