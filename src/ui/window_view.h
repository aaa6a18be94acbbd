#pragma once
// One generic Qt view for every window: it lays out the window's declared
// controls by area, pushes the models into the widgets (sync) and feeds user
// actions back as model changes and handler calls.
#include <QDialog>

#include <functional>
#include <vector>

#include "controls/window.h"

class QCustomPlot;

namespace velmora::ui {

class WindowView : public QDialog {
    Q_OBJECT
public:
    // `afterAction` runs after every user action (the platform syncs every
    // view then, since a command may change another window's data).
    WindowView(Window& window, std::function<void()> afterAction, QWidget* parent = nullptr);

    Window& window() { return window_; }
    // Models to widgets.
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void build();
    QWidget* makeWidget(Control& control);
    // One per kind of control: the widget, its signals and its syncer.
    QWidget* makeButton(Button& b);
    QWidget* makeCheckBox(CheckBox& m);
    QWidget* makeRadioButton(RadioButton& m);
    QWidget* makeEditBox(EditBox& m);
    QWidget* makeComboBox(ComboBox& m);
    QWidget* makeCheckList(CheckList& m);
    QWidget* makeGrid(GridBox& m);
    QWidget* makeProgressBar(ProgressBar& m);
    QWidget* makeLabel(Label& m);
    QWidget* makeMemo(Memo& m);
    QWidget* makeChart(ChartBox& m);
    QWidget* makeImage(Image& m);
    void act(const std::function<bool()>& action);
    void addPopupMenu(const std::string& menu, const std::string& target);

    Window& window_;
    std::function<void()> afterAction_;
    std::vector<std::function<void()>> syncers_;
    bool syncing_ = false;
};

}  // namespace velmora::ui
