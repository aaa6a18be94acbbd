#pragma once
// How velmora-batch draws chart pictures: with the ui's chart renderer on
// Qt's offscreen platform when built with Qt, not at all otherwise.
#include "batch/batch_platform.h"

namespace velmora::batch {

BatchPlatform::ChartSaver chartSaver();

}  // namespace velmora::batch
