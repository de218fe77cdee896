#include "filebox/ui/thotlist.h"

#include "base/zukerror.h"
#include "filebox/fileboxlogic.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zuk::filebox::ui {

THotlist::THotlist(QString file, std::function<QString()> currentFolder,
                   std::function<void(const QString&)> go, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_file(std::move(file)),
      m_currentFolder(std::move(currentFolder)), m_go(std::move(go))
{
    setObjectName(QStringLiteral("Hotlist"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbHot"));
    auto* plus = new QPushButton(QStringLiteral("+"), this);
    plus->setObjectName(QStringLiteral("btAdd"));
    auto* minus = new QPushButton(QStringLiteral("-"), this);
    minus->setObjectName(QStringLiteral("btRemove"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(plus);
    buttons->addWidget(minus);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(260, 300);
    for (const std::string& folder : loadHotlist(m_file.toStdString()))
        m_list->addItem(QString::fromStdString(folder));
    connect(plus, &QPushButton::clicked, this, &THotlist::add);
    connect(minus, &QPushButton::clicked, this, &THotlist::remove);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { m_go(item->text()); });
}

THotlist::~THotlist()
{
    save();
}

void THotlist::save() const
{
    std::vector<std::string> folders;
    for (int i = 0; i < m_list->count(); ++i)
        folders.push_back(m_list->item(i)->text().toStdString());
    try {
        QDir().mkpath(QFileInfo(m_file).absolutePath());
        saveHotlist(m_file.toStdString(), folders);
    } catch (const ZukError& e) {
        qWarning("%s", e.what());
    }
}

void THotlist::add()
{
    const QString folder = m_currentFolder();
    if (folder.isEmpty() || !m_list->findItems(folder, Qt::MatchExactly).isEmpty())
        return;
    m_list->addItem(folder);
    save();
}

void THotlist::remove()
{
    delete m_list->currentItem();
    save();
}

} // namespace zuk::filebox::ui
