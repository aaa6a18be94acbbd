#pragma once
// A Qt table model over a StringGrid: no item per cell, counts and headers
// read from the grid, one reset when the shape changes.
#include <QAbstractTableModel>

#include <cstdint>
#include <string_view>

#include "controls/grid.h"

namespace velmora::ui {

// The text a cell shows: at most `characters` characters, then "…". Laying
// out and painting a cell of megabytes would freeze the view at every repaint;
// the whole text stays in the grid, for editing and saving.
QString shownText(std::string_view text, int characters = 4000);

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(StringGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Brings the views up to date after the window logic changed the grid.
    // Returns true when the shape changed (the model was reset).
    bool refresh();
    StringGrid& grid() { return grid_; }

private:
    StringGrid& grid_;
    std::uint64_t shape_;
    std::uint64_t content_;
};

}  // namespace velmora::ui
