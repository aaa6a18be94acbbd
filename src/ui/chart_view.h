#pragma once
// Draws a chart model with QCustomPlot.
#include <string>

class QCustomPlot;

namespace velmora {
struct ChartModel;
}

namespace velmora::ui {

// Rebuilds the plot's title, axes, legend and series from the model.
void renderChart(const ChartModel& model, QCustomPlot& plot);

// Draws the model at its width and height on a white background and saves
// it; the format comes from the path's extension (PNG for ".png"). Throws
// FileError "Cannot create file "%s". %s" when the file cannot be written.
void saveChartPicture(const ChartModel& model, const std::string& path);

}  // namespace velmora::ui
