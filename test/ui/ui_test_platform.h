#pragma once
// The real Qt platform for ui tests, without the splash's 2-second wait.
#include "ui/qt_platform.h"

namespace velmora::testing {

struct UiTestPlatform : ui::QtPlatform {
    void sleep(int) override {}
};

}  // namespace velmora::testing
