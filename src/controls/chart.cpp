#include "controls/chart.h"

#include <algorithm>

namespace velmora {

void ChartSeries::addXY(double x, double y, Color c)
{
    const ChartPoint p{x, y, c};
    if (sortedByX && !points.empty() && points.back().x > x) {
        auto at = std::upper_bound(points.begin(), points.end(), x,
                                   [](double v, const ChartPoint& q) { return v < q.x; });
        points.insert(at, p);
    } else {
        points.push_back(p);
    }
}

}  // namespace velmora
