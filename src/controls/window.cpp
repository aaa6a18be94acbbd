#include "controls/window.h"

#include "controls/fpcheck.h"

namespace velmora {

Window::Window(std::string className, std::string title_, int width_, int height_)
    : title(std::move(title_)), width(width_), height(height_), className_(std::move(className))
{
}

Control* Window::find(std::string_view name) const
{
    for (Control* c : controls_) {
        if (c->name == name) return c;
    }
    return nullptr;
}

bool Window::run(const std::function<void()>& handler, bool allowWhileBusy)
{
    if (busy_ && !allowWhileBusy) return false;
    const bool nested = busy_;
    // Flags raised before a command (by the toolkit's own drawing) are no
    // fault of it; a command nested in a running one keeps the run's flags.
    if (!nested) fp::clear();
    busy_ = true;
    try {
        handler();
    } catch (...) {
        afterHandler(nested);
        throw;
    }
    afterHandler(nested);
    return true;
}

void Window::afterHandler(bool nested)
{
    busy_ = nested;
    for (Control* c : controls_) {
        if (c->kind == ControlKind::Chart) static_cast<ChartBox*>(c)->changed();
    }
}

bool clickControl(Window& window, Control& control)
{
    if (!control.enabled) return false;
    if (auto* b = dynamic_cast<Button*>(&control)) {
        if (!b->onClick) return false;
        return window.run(b->onClick, b->allowWhileBusy);
    }
    if (auto* img = dynamic_cast<Image*>(&control)) {
        if (!img->onClick) return false;
        return window.run(img->onClick);
    }
    return false;
}

bool clickListItem(Window& window, CheckList& list, int index)
{
    if (index < 0 || index >= static_cast<int>(list.items.size())) return false;
    return window.run([&] {
        list.selected = index;
        if (list.onItemClick) list.onItemClick(index);
    });
}

bool changeControl(Window& window, Control& control)
{
    std::function<void()> handler;
    if (auto* c = dynamic_cast<CheckBox*>(&control)) handler = c->onChange;
    if (auto* r = dynamic_cast<RadioButton*>(&control)) {
        // Checking one button of a group unchecks the others.
        if (r->checked) {
            for (Control* other : window.controls()) {
                auto* o = dynamic_cast<RadioButton*>(other);
                if (o && o != r && o->group == r->group) o->checked = false;
            }
        }
        handler = r->onChange;
    }
    if (auto* b = dynamic_cast<ComboBox*>(&control)) handler = b->onChange;
    if (!handler) return true;
    return window.run(handler);
}

}  // namespace velmora
