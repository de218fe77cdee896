#pragma once

#include "filebox/cfilebox.h"

#include <QAbstractListModel>
#include <QColor>
#include <QHash>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>
#include <vector>

namespace zuk::filebox::ui {

// The file box's items for a list view. «..» can never be selected, so no
// command can take the parent folder for a selected item.
class FileListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // One reset for the whole listing.
    void setItems(const std::vector<FileItem>& items);
    const std::vector<FileItem>& items() const { return m_items; }
    const FileItem* item(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<FileItem> m_items;
};

// The colours of the list (settings Files, Folders, Back) and of the file
// types, looked up once per extension.
struct FileListColours {
    QColor files = Qt::black, folders = Qt::blue, back = Qt::white;
    // The type colour of an extension with its dot ("" when none).
    std::function<std::optional<QColor>(const QString& extension)> typeColour;
};

// Draws an item: folders bold in the folder colour, files in the file
// colour or their type's colour, on the list background; a selected item on
// the highlight colour, its lowest bits changed (xor 1 when it is the
// current item, 4 otherwise) so that the focus shows.
class FileItemDelegate final : public QStyledItemDelegate {
public:
    FileItemDelegate(const FileListModel& model, QObject* parent);

    void setColours(FileListColours colours);
    void setItemHeight(int height) { m_height = height; }
    void setColumnWidth(int width) { m_width = width; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QColor colourOf(const FileItem& item) const;

    const FileListModel& m_model;
    FileListColours m_colours;
    mutable QHash<QString, QColor> m_typeCache;
    int m_height = 16;
    int m_width = 150;
};

} // namespace zuk::filebox::ui
