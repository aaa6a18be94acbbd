#include "ui/window_view.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>

#include "ui/chart_view.h"
#include "ui/flow_layout.h"
#include "ui/grid_model.h"
#include "ui/guarded.h"
#include "ui/pictures.h"

namespace velmora::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QStyle::StandardPixmap iconFor(ButtonIcon icon)
{
    switch (icon) {
    case ButtonIcon::Run: return QStyle::SP_MediaPlay;
    case ButtonIcon::Stop: return QStyle::SP_MediaStop;
    case ButtonIcon::Save: return QStyle::SP_DialogSaveButton;
    case ButtonIcon::Open: return QStyle::SP_DialogOpenButton;
    case ButtonIcon::New: return QStyle::SP_FileIcon;
    case ButtonIcon::Information: return QStyle::SP_MessageBoxInformation;
    case ButtonIcon::Pictures: return QStyle::SP_FileDialogInfoView;
    case ButtonIcon::Draw: return QStyle::SP_FileDialogContentsView;
    case ButtonIcon::Copy: return QStyle::SP_ArrowForward;
    case ButtonIcon::Discard: return QStyle::SP_DialogDiscardButton;
    case ButtonIcon::None: break;
    }
    return QStyle::SP_CommandLink;
}

void styleText(QWidget* w, const Control& c)
{
    if (c.color != 0) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, QColor::fromRgba(c.color));
        pal.setColor(QPalette::Text, QColor::fromRgba(c.color));
        w->setPalette(pal);
    }
    if (c.fontSize > 0) {
        QFont f = w->font();
        f.setPointSize(c.fontSize);
        w->setFont(f);
    }
}

// A caption before a box, as one widget.
QWidget* labelled(const std::string& caption, QWidget* box, bool vertical)
{
    if (caption.empty()) return box;
    auto* holder = new QWidget;
    QBoxLayout* l = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(holder))
                             : static_cast<QBoxLayout*>(new QHBoxLayout(holder));
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(new QLabel(qs(caption)));
    l->addWidget(box);
    holder->setObjectName(box->objectName() + "_holder");
    return holder;
}

class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> onClick) : QObject(parent), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease) {
            onClick_();
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> onClick_;
};

// A table view that hands Ctrl+C and Ctrl+V to the window's commands when it
// has them, and behaves as any table view otherwise.
class GridView : public QTableView {
public:
    std::function<void()> onCopy;
    std::function<void()> onPaste;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (onCopy && event->matches(QKeySequence::Copy)) {
            onCopy();
            event->accept();
            return;
        }
        if (onPaste && event->matches(QKeySequence::Paste)) {
            onPaste();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }
};

// The smallest block that holds every selected cell, or the current cell.
CellRange selectedBlock(const QTableView& view)
{
    QModelIndexList cells = view.selectionModel()->selectedIndexes();
    if (cells.isEmpty() && view.currentIndex().isValid()) cells.push_back(view.currentIndex());
    CellRange block;
    if (cells.isEmpty()) return block;
    block = {cells[0].row(), cells[0].column(), cells[0].row(), cells[0].column()};
    for (const QModelIndex& i : cells) {
        block.top = std::min(block.top, i.row());
        block.bottom = std::max(block.bottom, i.row());
        block.left = std::min(block.left, i.column());
        block.right = std::max(block.right, i.column());
    }
    return block;
}

}  // namespace

WindowView::WindowView(Window& window, std::function<void()> afterAction, QWidget* parent)
    : QDialog(parent), window_(window), afterAction_(std::move(afterAction))
{
    setObjectName(qs(window.className()));
    setWindowTitle(qs(window.title));
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::WindowMinMaxButtonsHint;
    if (window.frameless) flags = Qt::Window | Qt::FramelessWindowHint;
    setWindowFlags(flags);
    if (window.background != 0) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor::fromRgba(window.background));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    build();
    resize(window.width, window.height);
    sync();
}

void WindowView::act(const std::function<bool()>& action)
{
    if (syncing_) return;
    runGuarded(this, [&] {
        if (!action()) QApplication::beep();
    });
    if (afterAction_) afterAction_();
    else sync();
}

QWidget* WindowView::makeWidget(Control& control)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Button: widget = makeButton(static_cast<Button&>(control)); break;
    case ControlKind::CheckBox: widget = makeCheckBox(static_cast<CheckBox&>(control)); break;
    case ControlKind::RadioButton: widget = makeRadioButton(static_cast<RadioButton&>(control)); break;
    case ControlKind::EditBox: widget = makeEditBox(static_cast<EditBox&>(control)); break;
    case ControlKind::ComboBox: widget = makeComboBox(static_cast<ComboBox&>(control)); break;
    case ControlKind::CheckList: widget = makeCheckList(static_cast<CheckList&>(control)); break;
    case ControlKind::Grid: widget = makeGrid(static_cast<GridBox&>(control)); break;
    case ControlKind::ProgressBar: widget = makeProgressBar(static_cast<ProgressBar&>(control)); break;
    case ControlKind::Label: widget = makeLabel(static_cast<Label&>(control)); break;
    case ControlKind::Memo: widget = makeMemo(static_cast<Memo&>(control)); break;
    case ControlKind::Chart: widget = makeChart(static_cast<ChartBox&>(control)); break;
    case ControlKind::Image: widget = makeImage(static_cast<Image&>(control)); break;
    }
    if (widget->objectName().isEmpty()) widget->setObjectName(qs(control.name));
    return widget;
}

QWidget* WindowView::makeButton(Button& b)
{
    auto* tb = new QToolButton;
    tb->setText(qs(b.caption));
    if (b.area == Area::CommandBar) {
        tb->setIcon(style()->standardIcon(iconFor(b.icon)));
        tb->setIconSize(QSize(28, 28));
        tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    tb->setAutoRaise(b.area == Area::CommandBar);
    connect(tb, &QToolButton::clicked, this, [this, &b] { act([&] { return clickControl(window_, b); }); });
    syncers_.push_back([tb, &b] {
        tb->setEnabled(b.enabled);
        tb->setVisible(b.visible);
    });
    return tb;
}

QWidget* WindowView::makeCheckBox(CheckBox& m)
{
    auto* cb = new QCheckBox(qs(m.caption));
    connect(cb, &QCheckBox::clicked, this, [this, &m](bool checked) {
        m.checked = checked;
        act([&] { return changeControl(window_, m); });
    });
    syncers_.push_back([cb, &m] {
        cb->setChecked(m.checked);
        cb->setEnabled(m.enabled);
        cb->setVisible(m.visible);
    });
    return cb;
}

QWidget* WindowView::makeRadioButton(RadioButton& m)
{
    auto* rb = new QRadioButton(qs(m.caption));
    rb->setAutoExclusive(false);
    connect(rb, &QRadioButton::clicked, this, [this, &m] {
        m.checked = true;
        act([&] { return changeControl(window_, m); });
    });
    syncers_.push_back([rb, &m] {
        rb->setChecked(m.checked);
        rb->setEnabled(m.enabled);
        rb->setVisible(m.visible);
    });
    return rb;
}

QWidget* WindowView::makeEditBox(EditBox& m)
{
    const bool inColumn = m.area != Area::CommandBar;
    auto* le = new QLineEdit;
    le->setObjectName(qs(m.name));
    if (m.preferredWidth > 0) le->setFixedWidth(m.preferredWidth);
    le->setReadOnly(m.readOnly);
    connect(le, &QLineEdit::textEdited, this, [&m](const QString& t) { m.text = t.toStdString(); });
    syncers_.push_back([le, &m] {
        const QString t = qs(m.text);
        if (le->text() != t) le->setText(t);
        le->setEnabled(m.enabled);
    });
    QWidget* widget = labelled(m.caption, le, inColumn);
    // The label goes with the box.
    syncers_.push_back([widget, &m] { widget->setVisible(m.visible); });
    return widget;
}

QWidget* WindowView::makeComboBox(ComboBox& m)
{
    const bool inColumn = m.area != Area::CommandBar;
    auto* box = new QComboBox;
    box->setObjectName(qs(m.name));
    if (m.preferredWidth > 0) {
        // The box keeps its width; its list opens as wide as the items.
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(1);
        box->setMinimumWidth(m.preferredWidth);
    }
    connect(box, QOverload<int>::of(&QComboBox::activated), this, [this, &m](int index) {
        m.itemIndex = index;
        act([&] { return changeControl(window_, m); });
    });
    auto shown = std::make_shared<std::vector<std::string>>();
    syncers_.push_back([box, &m, shown] {
        if (*shown != m.items) {
            *shown = m.items;
            box->clear();
            for (const std::string& item : m.items) box->addItem(qs(item));
        }
        if (box->currentIndex() != m.itemIndex) box->setCurrentIndex(m.itemIndex);
        box->setEnabled(m.enabled);
    });
    return labelled(m.caption, box, inColumn);
}

QWidget* WindowView::makeCheckList(CheckList& m)
{
    auto* list = new QListWidget;
    list->setObjectName(qs(m.name));
    connect(list, &QListWidget::itemClicked, this, [this, list, &m](QListWidgetItem* item) {
        const int row = list->row(item);
        act([&] { return clickListItem(window_, m, row); });
    });
    syncers_.push_back([list, &m] {
        if (list->count() != static_cast<int>(m.items.size())) {
            list->clear();
            for (std::size_t i = 0; i < m.items.size(); ++i) {
                auto* item = new QListWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                if (m.checkMarks) item->setCheckState(Qt::Unchecked);
                list->addItem(item);
            }
        }
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const QString t = qs(m.items[i].text);
            if (item->text() != t) item->setText(t);
            const Qt::CheckState state = m.items[i].checked ? Qt::Checked : Qt::Unchecked;
            if (m.checkMarks && item->checkState() != state) item->setCheckState(state);
        }
        list->setEnabled(m.enabled);
    });
    return labelled(m.caption, list, true);
}

QWidget* WindowView::makeGrid(GridBox& m)
{
    auto* view = new GridView;
    // One line per cell: a wrapped number would show only its first part.
    view->setWordWrap(false);
    if (m.onCopy) {
        view->onCopy = [this, view, &m] {
            const CellRange block = selectedBlock(*view);
            act([&] {
                return window_.run([&] { QApplication::clipboard()->setText(QString::fromStdString(m.onCopy(block))); });
            });
        };
    }
    if (m.onPaste) {
        view->onPaste = [this, &m] {
            const std::string text = QApplication::clipboard()->text().toStdString();
            act([&] { return window_.run([&] { m.onPaste(text); }); });
        };
    }
    view->setObjectName(qs(m.name));
    auto* model = new GridModel(m, view);
    view->setModel(model);
    view->setAlternatingRowColors(m.alternatingRows);
    view->setShowGrid(true);
    view->setSelectionBehavior(m.wholeRowSelection ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    view->horizontalHeader()->setSectionsMovable(true);
    view->verticalHeader()->setDefaultSectionSize(22);
    // A header is never cut: the column is at least as wide as its name.
    // The values of the first rows widen it too, up to a limit, so that
    // figures are read whole; wide tables measure fewer rows.
    auto applyWidths = [view, &m] {
        const QFontMetrics headerMetrics(view->horizontalHeader()->font());
        const QFontMetrics cellMetrics(view->font());
        const int columns = m.columnCount();
        const int measuredRows = std::min(m.rowCount(), std::clamp(20000 / std::max(columns, 1), 1, 200));
        for (int c = 0; c < columns; ++c) {
            const int named = headerMetrics.horizontalAdvance(qs(m.header(c))) + 16;
            int values = 0;
            for (int r = 0; r < measuredRows; ++r)
                values = std::max(values, cellMetrics.horizontalAdvance(shownText(m.cell(c, r), 60)) + 12);
            view->setColumnWidth(c, std::max({m.width(c), named, std::min(values, 320), 30}));
        }
    };
    applyWidths();
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [&m](const QModelIndex& current) {
                m.currentRow = current.isValid() ? current.row() : -1;
                m.currentCol = current.isValid() ? current.column() : -1;
            });
    // Dragging a column changes the table's column order itself.
    connect(view->horizontalHeader(), &QHeaderView::sectionMoved, this,
            [this, view, &m](int, int oldVisual, int newVisual) {
                QHeaderView* header = view->horizontalHeader();
                header->blockSignals(true);
                header->moveSection(newVisual, oldVisual);
                header->blockSignals(false);
                act([&] {
                    return window_.run([&] {
                        m.moveColumn(oldVisual, newVisual);
                        m.currentCol = newVisual;
                    });
                });
            });
    syncers_.push_back([view, model, applyWidths, &m] {
        if (!model->refresh()) return;
        applyWidths();
        // A reset drops the view's focus; give it back the model's cell,
        // or tell the model there is none.
        if (m.currentRow >= 0 && m.currentRow < m.rowCount() && m.currentCol >= 0 && m.currentCol < m.columnCount()) {
            view->setCurrentIndex(model->index(m.currentRow, m.currentCol));
        } else {
            m.currentRow = -1;
            m.currentCol = -1;
        }
    });
    return view;
}

QWidget* WindowView::makeProgressBar(ProgressBar& m)
{
    auto* bar = new QProgressBar;
    bar->setTextVisible(false);
    bar->setMaximumHeight(14);
    syncers_.push_back([bar, &m] {
        const int maximum = std::max(m.maximum, 1);
        bar->setRange(0, maximum);
        bar->setValue(std::clamp(m.maximum <= 0 && m.position >= m.maximum ? maximum : m.position, 0, maximum));
    });
    return bar;
}

QWidget* WindowView::makeLabel(Label& m)
{
    auto* label = new QLabel(qs(m.caption));
    label->setWordWrap(m.wordWrap);
    if (m.centered) label->setAlignment(Qt::AlignCenter);
    if (m.spaceAbove > 0) label->setContentsMargins(0, m.spaceAbove, 0, 0);
    styleText(label, m);
    syncers_.push_back([label, &m] {
        const QString t = qs(m.caption);
        if (label->text() != t) label->setText(t);
        label->setVisible(m.visible);
    });
    return label;
}

QWidget* WindowView::makeMemo(Memo& m)
{
    auto* edit = new QPlainTextEdit;
    edit->setObjectName(qs(m.name));
    edit->setReadOnly(m.readOnly);
    edit->setLineWrapMode(m.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    if (m.preferredHeight > 0) edit->setFixedHeight(m.preferredHeight);
    styleText(edit, m);
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &m] {
        if (!syncing_) m.setText(edit->toPlainText().toStdString());
    });
    syncers_.push_back([edit, &m] {
        QString t;
        for (std::size_t i = 0; i < m.lines.size(); ++i) {
            if (i > 0) t += '\n';
            t += qs(m.lines[i]);
        }
        if (edit->toPlainText() != t) edit->setPlainText(t);
        edit->setEnabled(m.enabled);
    });
    return labelled(m.caption, edit, true);
}

QWidget* WindowView::makeChart(ChartBox& m)
{
    auto* plot = new QCustomPlot;
    plot->setObjectName(qs(m.name));
    plot->setMinimumSize(200, 150);
    plot->setBackground(Qt::white);
    auto last = std::make_shared<std::uint64_t>(~0ULL);
    syncers_.push_back([plot, &m, last] {
        m.screenWidth = plot->width();
        m.screenHeight = plot->height();
        // Every change of the model bumps its revision.
        if (m.revision != *last) {
            *last = m.revision;
            renderChart(m, *plot);
        }
    });
    return plot;
}

QWidget* WindowView::makeImage(Image& m)
{
    auto* label = new QLabel;
    const QSize size(m.preferredWidth > 0 ? m.preferredWidth : 300, m.preferredHeight > 0 ? m.preferredHeight : 200);
    label->setPixmap(drawPicture(m.picture, size));
    label->setFixedSize(size);
    if (m.onClick) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(new ClickFilter(label, [this, &m] { act([&] { return clickControl(window_, m); }); }));
    }
    return label;
}

void WindowView::build()
{
    std::map<Area, std::vector<QWidget*>> areas;
    std::map<std::string, std::vector<Button*>> menus;
    for (Control* c : window_.controls()) {
        if (c->area == Area::Menu) {
            if (auto* b = dynamic_cast<Button*>(c)) menus[b->menu].push_back(b);
            continue;
        }
        areas[c->area].push_back(makeWidget(*c));
    }

    // A frameless window draws its content edge to edge.
    const int margin = window_.frameless ? 0 : 4;
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(margin, margin, margin, margin);
    root->setSpacing(4);

    // Headings stay in place while the content below them scrolls.
    for (QWidget* w : areas[Area::Heading]) root->addWidget(w);

    if (!areas[Area::CommandBar].empty()) {
        auto* bar = new QFrame;
        bar->setObjectName("CommandBar");
        bar->setFrameShape(QFrame::StyledPanel);
        auto* l = new FlowLayout(bar, 4);
        l->setContentsMargins(4, 2, 4, 2);
        for (QWidget* w : areas[Area::CommandBar]) l->addWidget(w);
        root->addWidget(bar);
    }

    auto column = [](const std::vector<QWidget*>& widgets) {
        auto* holder = new QWidget;
        auto* l = new QVBoxLayout(holder);
        l->setContentsMargins(0, 0, 0, 0);
        // Lists, tables, charts and text areas take the height; small boxes
        // stay together at the top.
        const auto grows = [](QWidget* w) {
            const auto big = [](QObject* x) { return qobject_cast<QAbstractScrollArea*>(x) || qobject_cast<QCustomPlot*>(x); };
            if (big(w)) return true;
            for (QObject* child : w->children())
                if (big(child)) return true;
            return false;
        };
        bool anyGrows = false;
        for (QWidget* w : widgets) {
            const bool g = grows(w);
            anyGrows = anyGrows || g;
            l->addWidget(w, g ? 1 : 0);
        }
        if (!anyGrows) l->addStretch(1);
        return holder;
    };

    QWidget* results = nullptr;
    const auto& result = areas[Area::Result];
    const auto& chart = areas[Area::Chart];
    if (!result.empty() && !chart.empty()) {
        auto* split = new QSplitter(Qt::Horizontal);
        split->addWidget(column(result));
        split->addWidget(column(chart));
        // A result table with a width of its own keeps it; the chart takes
        // the rest.
        int tableWidth = 0;
        for (Control* c : window_.controls())
            if (c->area == Area::Result && c->preferredWidth > 0) tableWidth = c->preferredWidth;
        if (tableWidth > 0) {
            split->setStretchFactor(0, 0);
            split->setStretchFactor(1, 1);
            split->setSizes({tableWidth, std::max(tableWidth, window_.width - tableWidth)});
        } else {
            split->setStretchFactor(0, 1);
            split->setStretchFactor(1, 2);
        }
        results = split;
    } else if (!result.empty()) {
        results = column(result);
    } else if (!chart.empty()) {
        results = column(chart);
    }

    if (!areas[Area::Body].empty()) {
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* content = new QWidget;
        auto* l = new QVBoxLayout(content);
        if (window_.frameless) l->setContentsMargins(0, 0, 0, 0);
        // Buttons that follow each other share one centred row.
        std::vector<QWidget*> buttons;
        auto flushButtons = [&] {
            if (buttons.empty()) return;
            auto* row = new QHBoxLayout;
            row->addStretch(1);
            for (QWidget* b : buttons) row->addWidget(b);
            row->addStretch(1);
            l->addLayout(row);
            buttons.clear();
        };
        for (QWidget* w : areas[Area::Body]) {
            if (w->inherits("QToolButton")) {
                buttons.push_back(w);
                continue;
            }
            flushButtons();
            l->addWidget(w, 0, w->inherits("QLabel") ? Qt::AlignHCenter : Qt::Alignment());
        }
        flushButtons();
        l->addStretch(1);
        scroll->setWidget(content);
        // The viewport takes the window's palette, so a window's own
        // background shows through without touching the scroll bars.
        if (results) {
            auto* split = new QSplitter(Qt::Vertical);
            split->addWidget(scroll);
            split->addWidget(results);
            results = split;
        } else {
            results = scroll;
        }
    }

    if (!areas[Area::Columns].empty()) {
        auto* split = new QSplitter(Qt::Horizontal);
        QWidget* left = column(areas[Area::Columns]);
        left->setMinimumWidth(140);
        split->addWidget(left);
        if (results) split->addWidget(results);
        split->setStretchFactor(0, 0);
        split->setStretchFactor(1, 1);
        split->setSizes({180, 800});
        results = split;
    }
    if (results) root->addWidget(results, 1);
    for (QWidget* w : areas[Area::Bottom]) root->addWidget(w);
    std::size_t overlay = 0;
    for (Control* c : window_.controls()) {
        if (c->area != Area::Overlay) continue;
        QWidget* w = areas[Area::Overlay][overlay++];
        w->setParent(this);
        w->move(c->left, c->top);
        w->raise();
    }

    for (const auto& [menu, target] : window_.popupMenus) addPopupMenu(menu, target);
}

void WindowView::addPopupMenu(const std::string& menuName, const std::string& target)
{
    QWidget* w = findChild<QWidget*>(qs(target));
    if (!w) return;
    std::vector<Button*> items;
    for (Control* c : window_.controls()) {
        auto* b = dynamic_cast<Button*>(c);
        if (b && c->area == Area::Menu && b->menu == menuName) items.push_back(b);
    }
    auto* menu = new QMenu(this);
    menu->setObjectName(qs(menuName));
    for (Button* b : items) {
        QAction* a = menu->addAction(qs(b->caption));
        a->setObjectName(qs(b->name));
        connect(a, &QAction::triggered, this, [this, b] { act([&] { return clickControl(window_, *b); }); });
    }
    // A scroll area hands the context-menu events of its viewport to itself,
    // so the request comes from the view (in viewport coordinates), and from
    // the header, which is a widget of its own.
    const auto popupAt = [menu](QWidget* origin, const QPoint& pos) { menu->popup(origin->mapToGlobal(pos)); };
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* table = qobject_cast<QTableView*>(w);
    if (!table) {
        connect(w, &QWidget::customContextMenuRequested, this, [w, popupAt](const QPoint& pos) { popupAt(w, pos); });
        return;
    }
    connect(table, &QWidget::customContextMenuRequested, this, [table, popupAt](const QPoint& pos) {
        const QModelIndex index = table->indexAt(pos);
        if (index.isValid()) table->setCurrentIndex(index);
        popupAt(table->viewport(), pos);
    });
    QHeaderView* header = table->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, [table, header, popupAt](const QPoint& pos) {
        // A click on a header makes its column current, as a click on a cell does.
        const int column = header->logicalIndexAt(pos);
        if (column >= 0 && table->model()->rowCount() > 0) {
            const int row = std::max(0, table->currentIndex().row());
            table->setCurrentIndex(table->model()->index(row, column));
        }
        popupAt(header, pos);
    });
}

void WindowView::sync()
{
    syncing_ = true;
    setWindowTitle(qs(window_.title));
    for (const auto& s : syncers_) s();
    syncing_ = false;
}

void WindowView::closeEvent(QCloseEvent* event)
{
    // A running computation keeps its window open until it ends.
    if (window_.busy()) {
        event->ignore();
        return;
    }
    if (window_.onClose) window_.onClose();
    QDialog::closeEvent(event);
}

void WindowView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !window_.closesOnEscape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WindowView::reject()
{
    if (window_.busy()) return;
    QDialog::reject();
}

}  // namespace velmora::ui
