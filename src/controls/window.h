#pragma once
// The base of every window's logic: its identity, its controls by name, and
// the guard that keeps a second command out while one is running.
#include <functional>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "controls/controls.h"

namespace velmora {

class Platform;

class Window {
public:
    Window(std::string className, std::string title, int width, int height);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& className() const { return className_; }
    std::string title;
    int width;
    int height;
    bool modal = true;
    bool frameless = false;
    // False for a window that has its own way of closing (the main window,
    // the splash).
    bool closesOnEscape = true;
    Color background = 0;

    // Controls in the order the window declares them.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(std::string_view name) const;
    template <class C>
    C* findAs(std::string_view name) const
    {
        return dynamic_cast<C*>(find(name));
    }

    // Runs one command of this window. While a command runs (and lets events
    // through) a second one is refused, unless it is marked allowWhileBusy.
    // Returns false when refused; failures propagate to the caller. Every
    // chart of the window is marked changed after the handler, failed or
    // not, so no handler has to remember it.
    bool run(const std::function<void()>& handler, bool allowWhileBusy = false);
    bool busy() const { return busy_; }

    // Called by the platform when the user closes the window.
    std::function<void()> onClose;
    // Pop-up menus: the menu's name and the control it opens on. Its items
    // are the buttons declared with Area::Menu and that menu name.
    std::vector<std::pair<std::string, std::string>> popupMenus;

protected:
    template <class C>
    C& declare(C& control)
    {
        controls_.push_back(&control);
        return control;
    }

private:
    void afterHandler(bool nested);

    std::string className_;
    std::vector<Control*> controls_;
    bool busy_ = false;
};

// The three interactions, by control: click a button or image, toggle an item
// of a check list, change a check box, radio button or combo box. Each goes
// through Window::run.
bool clickControl(Window& window, Control& control);
bool clickListItem(Window& window, CheckList& list, int index);
bool changeControl(Window& window, Control& control);

}  // namespace velmora
