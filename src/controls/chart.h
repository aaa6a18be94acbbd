#pragma once
// The chart model a window draws into; the ui layer renders it.
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// 0xAARRGGBB, as the program's colours are given.
using Color = std::uint32_t;

namespace colors {
inline constexpr Color red = 0xFFFF0000;
inline constexpr Color green = 0xFF008000;
inline constexpr Color blue = 0xFF0000FF;
inline constexpr Color black = 0xFF000000;
inline constexpr Color white = 0xFFFFFFFF;
inline constexpr Color orange = 0xFFFFA500;
inline constexpr Color cornflowerBlue = 0xFF6495ED;
}  // namespace colors

struct ChartAxis {
    std::string title;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0.0;
    double maximum = 0.0;
};

enum class SeriesKind { Line, Point, Bar };
enum class PointerStyle { None, Circle, Rectangle, Triangle, Diamond, Cross };

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    Color color = 0;  // 0: the series' colour
};

struct ChartSeries {
    std::string title;
    SeriesKind kind = SeriesKind::Line;
    Color color = colors::red;
    PointerStyle pointer = PointerStyle::None;
    int pointerSize = 3;
    int lineWidth = 1;
    // Kept in ascending x (stable among equal x) rather than in order of addition.
    bool sortedByX = false;
    std::vector<ChartPoint> points;

    void clear() { points.clear(); }
    void addXY(double x, double y, Color c = 0);
    // Adds a value at the series' next index position (0, 1, 2 ...).
    void add(double y, Color c = 0) { addXY(static_cast<double>(points.size()), y, c); }
};

struct ChartModel {
    std::string title;
    bool legendVisible = true;
    ChartAxis bottomAxis;
    ChartAxis leftAxis;
    std::vector<ChartSeries> series;
    // The size on screen, kept by the view; pictures are saved at this size.
    int screenWidth = 600;
    int screenHeight = 400;
    std::uint64_t revision = 0;  // bumped by the window after every change

    ChartSeries& addSeries(ChartSeries s)
    {
        series.push_back(std::move(s));
        return series.back();
    }
    void changed() { ++revision; }
    // The start of a new drawing: every series emptied, both axes automatic.
    void resetForDrawing()
    {
        for (ChartSeries& s : series) s.clear();
        for (ChartAxis* axis : {&bottomAxis, &leftAxis}) {
            axis->automaticMinimum = true;
            axis->automaticMaximum = true;
        }
    }
};

}  // namespace velmora
