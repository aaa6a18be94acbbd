#include "ui/grid_model.h"

namespace velmora::ui {

GridModel::GridModel(StringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), shape_(grid.shapeRevision()), content_(grid.contentRevision())
{
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.rowCount(); }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.columnCount(); }

QString shownText(std::string_view text, int characters)
{
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 character starts at every byte that does not continue one.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (count++ == characters) return QString::fromUtf8(text.data(), static_cast<qsizetype>(i)) + QChar(0x2026);
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    if (index.column() >= grid_.columnCount() || index.row() >= grid_.rowCount()) return {};
    const std::string_view text = grid_.cell(index.column(), index.row());
    if (role == Qt::DisplayRole) return shownText(text);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || grid_.readOnly(index.column())) return false;
    grid_.setCell(index.column(), index.row(), value.toString().toStdString());
    content_ = grid_.contentRevision();
    emit dataChanged(index, index);
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= grid_.columnCount()) return {};
    return QString::fromStdString(grid_.header(section));
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !grid_.readOnly(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::refresh()
{
    if (grid_.shapeRevision() != shape_) {
        beginResetModel();
        shape_ = grid_.shapeRevision();
        content_ = grid_.contentRevision();
        endResetModel();
        return true;
    }
    if (grid_.contentRevision() != content_) {
        content_ = grid_.contentRevision();
        if (grid_.rowCount() > 0 && grid_.columnCount() > 0)
            emit dataChanged(index(0, 0), index(grid_.rowCount() - 1, grid_.columnCount() - 1));
    }
    return false;
}

}  // namespace velmora::ui
