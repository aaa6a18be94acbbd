#include "batch/chart_picture.h"

namespace velmora::batch {

// Built without Qt: saving a chart fails with a message that says why.
BatchPlatform::ChartSaver chartSaver() { return {}; }

}  // namespace velmora::batch
