#include "editor/ui/doxwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextStream>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/ui/cdreameditor.h"
#include "editor/ui/ted.h"

namespace zuk::editor {

TfmDox::TfmDox(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("fmdox"));
    setWindowTitle(QString::fromUtf8("Менеджер окон"));

    m_top = new QWidget(this);
    auto* top = new QHBoxLayout(m_top);
    top->setContentsMargins(0, 0, 0, 0);
    auto* save = new QPushButton(QStringLiteral("SAVE"), m_top);
    save->setObjectName(QStringLiteral("btSave"));
    m_states = new QComboBox(m_top);
    m_states->setObjectName(QStringLiteral("cbStates"));
    m_states->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_rollUp = new QToolButton(m_top);
    m_rollUp->setObjectName(QStringLiteral("btRollUp"));
    m_rollUp->setText(QStringLiteral("Z"));
    top->addWidget(save);
    top->addWidget(m_states);
    top->addWidget(m_rollUp);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbDocs"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_top);
    layout->addWidget(m_list);

    connect(save, &QPushButton::clicked, this, &TfmDox::saveStateDialog);
    connect(m_rollUp, &QToolButton::clicked, this, &TfmDox::toggleRollUp);
    connect(m_list, &QListWidget::itemClicked, this, &TfmDox::itemClicked);
    connect(m_states, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            openState(m_states->itemText(index));
    });
    resize(300, 250);
}

void TfmDox::setPartsDir(const QString& partsDir)
{
    m_partsDir = partsDir;
    refreshStates();
}

QString TfmDox::statesDir() const
{
    return QDir(m_partsDir).filePath(QStringLiteral("DoxStates"));
}

void TfmDox::addDocument(const QString& fullName)
{
    m_list->addItem(fullName);
}

void TfmDox::removeDocument(const QString& fullName)
{
    const auto items = m_list->findItems(fullName, Qt::MatchExactly);
    if (!items.isEmpty())
        delete items.first();
}

QStringList TfmDox::names() const
{
    QStringList out;
    for (int i = 0; i < m_list->count(); ++i)
        out << m_list->item(i)->text();
    return out;
}

void TfmDox::connectEditor(CdreamEditor* editor)
{
    windowCaptions = [editor] {
        QStringList captions;
        for (Ted* t : editor->documents())
            captions << t->windowTitle();
        return captions;
    };
    activateDocument = [editor](const QString& caption) {
        for (Ted* t : editor->documents())
            if (t->windowTitle() == caption) {
                editor->activateDocument(t);
                return;
            }
    };
}

void TfmDox::itemClicked(QListWidgetItem* item)
{
    if (item && activateDocument)
        activateDocument(item->text());
}

void TfmDox::saveStateDialog()
{
    QDir().mkpath(statesDir());
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("SAVE"), statesDir());
    if (!path.isEmpty())
        writeState(path);
}

bool TfmDox::writeState(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QStringList captions = windowCaptions ? windowCaptions() : QStringList();
    QByteArray bytes;
    for (auto it = captions.crbegin(); it != captions.crend(); ++it)
        bytes += it->toUtf8() + "\r\n";
    const bool ok = file.write(bytes) == bytes.size();
    file.close();
    refreshStates();
    return ok;
}

QStringList TfmDox::stateNames() const
{
    return QDir(statesDir()).entryList(QDir::Files, QDir::Name);
}

void TfmDox::refreshStates()
{
    m_states->clear();
    m_states->addItems(stateNames());
    m_states->setCurrentIndex(-1);
}

void TfmDox::openState(const QString& name)
{
    QFile file(QDir(statesDir()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString path = QString::fromUtf8(line);
        if (!path.isEmpty() && QFileInfo(path).isFile() && openFile)
            openFile(path);
    }
}

void TfmDox::toggleRollUp()
{
    if (!m_rolledUp) {
        m_unrolledHeight = height();
        m_list->hide();
        m_rolledUp = true;
        setMinimumHeight(0);
        resize(width(), m_top->sizeHint().height() + 4);
    } else {
        m_list->show();
        m_rolledUp = false;
        resize(width(), m_unrolledHeight > 0 ? m_unrolledHeight : 250);
    }
}

QRect TfmDox::storedGeometry() const
{
    QRect r = geometry();
    if (m_rolledUp)
        r.setHeight(m_unrolledHeight);
    return r;
}

void TfmDox::restoreGeometry(const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (m_rolledUp)
        toggleRollUp();
    setGeometry(r);
}

} // namespace zuk::editor
