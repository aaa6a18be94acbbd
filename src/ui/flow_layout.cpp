#include "ui/flow_layout.h"

#include <QWidget>

#include <algorithm>

namespace velmora::ui {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), gap_(spacing) {}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size()) return nullptr;
    return items_.takeAt(index);
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

QSize FlowLayout::sizeHint() const { return minimumSize(); }

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

int FlowLayout::arrange(const QRect& rect, bool apply) const
{
    const QMargins m = contentsMargins();
    const QRect area = rect.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
    struct Row {
        QList<QLayoutItem*> items;
        int height = 0;
    };
    QList<Row> rows(1);
    int x = area.x();
    for (QLayoutItem* item : items_) {
        if (item->widget() && item->widget()->isHidden()) continue;
        const QSize hint = item->sizeHint();
        if (x + hint.width() > area.right() + 1 && !rows.back().items.isEmpty()) {
            rows.append(Row());
            x = area.x();
        }
        rows.back().items.append(item);
        rows.back().height = std::max(rows.back().height, hint.height());
        x += hint.width() + gap_;
    }
    int y = area.y();
    for (const Row& row : rows) {
        int left = area.x();
        for (QLayoutItem* item : row.items) {
            const QSize hint = item->sizeHint();
            // Short items (check boxes, edit boxes) sit in the middle of a
            // row of tall picture buttons.
            if (apply) item->setGeometry(QRect(QPoint(left, y + (row.height - hint.height()) / 2), hint));
            left += hint.width() + gap_;
        }
        y += row.height + gap_;
    }
    return y - gap_ - rect.y() + m.bottom();
}

}  // namespace velmora::ui
