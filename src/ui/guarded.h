#pragma once
// The program-wide error handler: every command started from the ui runs
// through here, and any failure is shown in a message box.
#include <functional>

class QWidget;

namespace velmora::ui {

// Runs f; a failure's message is shown and the program goes on. Returns
// false when f failed.
bool runGuarded(QWidget* parent, const std::function<void()>& f);

}  // namespace velmora::ui
