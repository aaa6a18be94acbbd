#pragma once
// Plain models of the controls a window owns. The ui layer renders them into
// widgets and feeds user actions back; tests and the batch program drive them
// directly.
#include <functional>
#include <string>
#include <vector>

#include "controls/chart.h"
#include "controls/grid.h"

namespace velmora {

enum class ControlKind { Button, CheckBox, RadioButton, EditBox, ComboBox, CheckList, Grid, ProgressBar, Label, Memo, Chart, Image };

// Where the generic window view places a control.
enum class Area {
    CommandBar,  // picture buttons and options along the top
    Columns,     // column list and pickers on the left
    Result,      // result table
    Chart,       // the chart beside or below the result table
    Body,        // free content, top to bottom (information windows, forms)
    Bottom,      // progress bar
    Menu,        // pop-up menu items; `menu` names the menu
    Overlay,     // at (left, top) of the window, over everything else
    Heading,     // a title across the top, above the command bar and any scrolling
};

struct Control {
    Control(std::string name_, ControlKind kind_, Area area_, std::string caption_ = {})
        : name(std::move(name_)), kind(kind_), area(area_), caption(std::move(caption_))
    {
    }
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string name;
    ControlKind kind;
    Area area;
    std::string caption;
    bool enabled = true;
    bool visible = true;
    Color color = 0;     // text colour, 0 for the default
    int fontSize = 0;    // points, 0 for the default
    int preferredWidth = 0;   // 0 for the layout's choice
    int preferredHeight = 0;
    int left = 0;  // Area::Overlay only
    int top = 0;
};

// The picture of a command-bar button, by what the button does.
enum class ButtonIcon { None, Run, Stop, Save, Open, New, Information, Pictures, Draw, Copy, Discard };

struct Button : Control {
    Button(std::string name_, std::string caption_, Area area_ = Area::CommandBar)
        : Control(std::move(name_), ControlKind::Button, area_, std::move(caption_))
    {
    }
    Button(std::string name_, std::string caption_, ButtonIcon icon_, Area area_ = Area::CommandBar)
        : Control(std::move(name_), ControlKind::Button, area_, std::move(caption_)), icon(icon_)
    {
    }
    ButtonIcon icon = ButtonIcon::None;
    std::function<void()> onClick;
    // The stop button must work while a computation lets events through.
    bool allowWhileBusy = false;
    std::string menu;  // for Area::Menu: the pop-up menu it belongs to
};

struct CheckBox : Control {
    CheckBox(std::string name_, std::string caption_, bool checked_ = false, Area area_ = Area::CommandBar)
        : Control(std::move(name_), ControlKind::CheckBox, area_, std::move(caption_)), checked(checked_)
    {
    }
    bool checked;
    std::function<void()> onChange;
};

// Radio buttons of one `group` exclude each other.
struct RadioButton : Control {
    RadioButton(std::string name_, std::string caption_, std::string group_, bool checked_ = false,
                Area area_ = Area::CommandBar)
        : Control(std::move(name_), ControlKind::RadioButton, area_, std::move(caption_)),
          group(std::move(group_)), checked(checked_)
    {
    }
    std::string group;
    bool checked;
    std::function<void()> onChange;
};

// `caption` is the label shown before the box.
struct EditBox : Control {
    EditBox(std::string name_, std::string caption_, std::string text_ = {}, Area area_ = Area::CommandBar)
        : Control(std::move(name_), ControlKind::EditBox, area_, std::move(caption_)), text(std::move(text_))
    {
    }
    std::string text;
    bool readOnly = false;
};

struct ComboBox : Control {
    ComboBox(std::string name_, std::string caption_, Area area_ = Area::Columns)
        : Control(std::move(name_), ControlKind::ComboBox, area_, std::move(caption_))
    {
    }
    std::vector<std::string> items;
    int itemIndex = -1;
    std::function<void()> onChange;

    void clear()
    {
        items.clear();
        itemIndex = -1;
    }
    void add(std::string item) { items.push_back(std::move(item)); }
    // The selected item's text, empty when none is selected.
    std::string selectedText() const
    {
        return itemIndex >= 0 && itemIndex < static_cast<int>(items.size()) ? items[itemIndex] : std::string();
    }
    // Selects the first item with this text; false when there is none.
    bool selectText(const std::string& text);
};

// A list of items with a check mark each (the column list).
struct CheckList : Control {
    struct Item {
        std::string text;
        bool checked = false;
    };
    CheckList(std::string name_, std::string caption_ = {}, Area area_ = Area::Columns)
        : Control(std::move(name_), ControlKind::CheckList, area_, std::move(caption_))
    {
    }
    std::vector<Item> items;
    int selected = -1;
    bool checkMarks = true;  // false: a plain list whose click does something else
    std::function<void(int)> onItemClick;

    void clear()
    {
        items.clear();
        selected = -1;
    }
    void add(std::string text) { items.push_back({std::move(text), false}); }
};

struct GridBox : Control, StringGrid {
    explicit GridBox(std::string name_, Area area_ = Area::Result)
        : Control(std::move(name_), ControlKind::Grid, area_)
    {
    }
    bool alternatingRows = true;
    bool wholeRowSelection = false;
    // Optional clipboard commands: the text of the selected block, and a
    // pasted text at the current cell. The view runs them for Ctrl+C/Ctrl+V.
    std::function<std::string(const CellRange&)> onCopy;
    std::function<void(const std::string&)> onPaste;
};

struct ProgressBar : Control {
    explicit ProgressBar(std::string name_ = "barra") : Control(std::move(name_), ControlKind::ProgressBar, Area::Bottom) {}
    int maximum = 100;
    int position = 0;
};

struct Label : Control {
    Label(std::string name_, std::string caption_, Area area_ = Area::Body)
        : Control(std::move(name_), ControlKind::Label, area_, std::move(caption_))
    {
    }
    bool wordWrap = false;
    bool centered = false;
    int spaceAbove = 0;  // units of space before the label
};

// A multi-line text area.
struct Memo : Control {
    Memo(std::string name_, std::string caption_ = {}, Area area_ = Area::Body)
        : Control(std::move(name_), ControlKind::Memo, area_, std::move(caption_))
    {
    }
    std::vector<std::string> lines;
    bool readOnly = false;
    bool wordWrap = true;
    std::string text() const;  // lines joined by "\r\n"
    void setText(const std::string& text);
};

struct ChartBox : Control, ChartModel {
    explicit ChartBox(std::string name_ = "Grafico") : Control(std::move(name_), ControlKind::Chart, Area::Chart) {}
};

// A picture the ui draws; `picture` names what to draw, `onClick` is optional.
struct Image : Control {
    Image(std::string name_, std::string picture_, Area area_ = Area::Body)
        : Control(std::move(name_), ControlKind::Image, area_), picture(std::move(picture_))
    {
    }
    std::string picture;
    std::function<void()> onClick;
};

}  // namespace velmora
