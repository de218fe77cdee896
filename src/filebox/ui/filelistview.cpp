#include "filebox/ui/filelistview.h"

#include <QPainter>

namespace zuk::filebox::ui {

void FileListModel::setItems(const std::vector<FileItem>& items)
{
    beginResetModel();
    m_items = items;
    endResetModel();
}

const FileItem* FileListModel::item(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_items.size())
        return nullptr;
    return &m_items[static_cast<std::size_t>(row)];
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    const FileItem* it = item(index.row());
    if (!it || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return QString::fromStdString(it->name);
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    const FileItem* it = item(index.row());
    if (!it)
        return Qt::NoItemFlags;
    if (it->up())
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

FileItemDelegate::FileItemDelegate(const FileListModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

void FileItemDelegate::setColours(FileListColours colours)
{
    m_colours = std::move(colours);
    m_typeCache.clear();
}

QColor FileItemDelegate::colourOf(const FileItem& item) const
{
    if (item.folder)
        return m_colours.folders;
    const std::size_t dot = item.name.rfind('.');
    if (dot == std::string::npos || dot == 0 || !m_colours.typeColour)
        return m_colours.files;
    const QString ext = QString::fromStdString(item.name.substr(dot)).toLower();
    auto cached = m_typeCache.constFind(ext);
    if (cached != m_typeCache.constEnd())
        return *cached;
    const QColor colour = m_colours.typeColour(ext).value_or(m_colours.files);
    m_typeCache.insert(ext, colour);
    return colour;
}

void FileItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const FileItem* item = m_model.item(index.row());
    if (!item)
        return;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    QColor text = colourOf(*item);
    if (selected) {
        const bool focused = option.state & QStyle::State_HasFocus;
        const QColor base = option.palette.color(QPalette::Highlight);
        const int xorBits = focused ? 1 : 4;
        const QColor shade(base.red() ^ xorBits, base.green() ^ xorBits, base.blue() ^ xorBits);
        painter->fillRect(option.rect, shade);
        text = option.palette.color(QPalette::HighlightedText);
    } else {
        painter->fillRect(option.rect, m_colours.back);
    }
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    QFont font = option.font;
    font.setBold(item->folder);
    painter->setFont(font);
    painter->setPen(text);
    const QRect area = option.rect.adjusted(3, 0, -2, 0);
    const QString name = QString::fromStdString(item->name);
    painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                      QFontMetrics(font).elidedText(name, Qt::ElideMiddle, area.width()));
    painter->restore();
}

QSize FileItemDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return {m_width, m_height};
}

} // namespace zuk::filebox::ui
