#pragma once
// Creates every window of the program once, in the fixed start-up order,
// and keeps them until the end.
#include <memory>
#include <vector>

#include "controls/platform.h"
#include "table/menu_gen.h"

namespace velmora {

class Application {
public:
    explicit Application(Platform& platform);
    ~Application();

    TMenuGEN& menu() { return *menu_; }
    // Every window, the main window first.
    std::vector<Window*> windows() const;
    Window* window(std::string_view className) const;

private:
    template <class W>
    W& create();

    Platform& platform_;
    std::unique_ptr<TMenuGEN> menu_;
    std::vector<std::unique_ptr<Window>> windows_;
};

}  // namespace velmora
