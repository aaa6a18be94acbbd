#include "ui/chart_view.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <map>

#include "controls/chart.h"
#include "controls/failures.h"
#include "table/table_file.h"

namespace velmora::ui {

namespace {

QColor toQColor(Color c) { return QColor::fromRgba(c); }

QCPScatterStyle::ScatterShape shapeOf(PointerStyle p)
{
    switch (p) {
    case PointerStyle::None: return QCPScatterStyle::ssNone;
    case PointerStyle::Circle: return QCPScatterStyle::ssDisc;
    case PointerStyle::Rectangle: return QCPScatterStyle::ssSquare;
    case PointerStyle::Triangle: return QCPScatterStyle::ssTriangle;
    case PointerStyle::Diamond: return QCPScatterStyle::ssDiamond;
    case PointerStyle::Cross: return QCPScatterStyle::ssCross;
    }
    return QCPScatterStyle::ssNone;
}

// `range` is the span of the data (from rescaleAxes). Automatic ends get a
// small margin so that points on the edge are drawn whole.
void setAxis(QCPAxis* axis, const ChartAxis& model, QCPRange range)
{
    axis->setLabel(QString::fromStdString(model.title));
    if (!std::isfinite(range.lower) || !std::isfinite(range.upper)) range = QCPRange(0, 1);
    const double margin = range.size() > 0 ? range.size() * 0.04 : std::max(std::abs(range.lower) * 0.04, 0.5);
    range.lower = model.automaticMinimum ? range.lower - margin : model.minimum;
    range.upper = model.automaticMaximum ? range.upper + margin : model.maximum;
    if (!(range.upper > range.lower)) range.upper = range.lower + 1.0;
    axis->setRange(range);
}

// Pointer sizes count like half-widths; tiny ones still show as a dot.
double pointerPixels(int size) { return std::max(5, size * 2 + 3); }

void addPointGraph(QCustomPlot& plot, const ChartSeries& s, Color color, const QVector<double>& x,
                   const QVector<double>& y, bool inLegend)
{
    QCPGraph* g = plot.addGraph();
    g->setName(QString::fromStdString(s.title));
    g->setLineStyle(QCPGraph::lsNone);
    const QColor c = toQColor(color);
    const PointerStyle pointer = s.pointer == PointerStyle::None ? PointerStyle::Circle : s.pointer;
    g->setScatterStyle(QCPScatterStyle(shapeOf(pointer), c, c, pointerPixels(s.pointerSize)));
    // Points may come in order of addition; the graph sorts them itself.
    g->setData(x, y, false);
    if (!inLegend) g->removeFromLegend();
}

}  // namespace

void renderChart(const ChartModel& model, QCustomPlot& plot)
{
    plot.clearPlottables();
    plot.clearItems();
    if (plot.plotLayout()->rowCount() > 1) {
        plot.plotLayout()->removeAt(0);
        plot.plotLayout()->simplify();
    }
    if (!model.title.empty()) {
        plot.plotLayout()->insertRow(0);
        auto* title = new QCPTextElement(&plot, QString::fromStdString(model.title), QFont("sans", 11, QFont::Bold));
        plot.plotLayout()->addElement(0, 0, title);
    }

    for (const ChartSeries& s : model.series) {
        const Color base = s.color;
        if (s.kind == SeriesKind::Bar) {
            auto* bars = new QCPBars(plot.xAxis, plot.yAxis);
            bars->setName(QString::fromStdString(s.title));
            bars->setBrush(toQColor(base));
            bars->setPen(QPen(toQColor(base).darker(120)));
            QVector<double> x, y;
            for (const ChartPoint& p : s.points) {
                x << p.x;
                y << p.y;
            }
            double width = 0.8;
            if (x.size() > 1) {
                double gap = 0;
                for (int i = 1; i < x.size(); ++i) {
                    const double d = std::abs(x[i] - x[i - 1]);
                    if (d > 0 && (gap == 0 || d < gap)) gap = d;
                }
                if (gap > 0) width = gap * 0.8;
            }
            bars->setWidth(width);
            bars->setData(x, y, false);
            continue;
        }
        if (s.kind == SeriesKind::Line) {
            // A curve joins the points in the order they were added.
            auto* curve = new QCPCurve(plot.xAxis, plot.yAxis);
            curve->setName(QString::fromStdString(s.title));
            curve->setPen(QPen(toQColor(base), std::max(1, s.lineWidth)));
            if (s.pointer != PointerStyle::None)
                curve->setScatterStyle(QCPScatterStyle(shapeOf(s.pointer), toQColor(base), toQColor(base),
                                                       pointerPixels(s.pointerSize)));
            QVector<double> x, y;
            for (const ChartPoint& p : s.points) {
                x << p.x;
                y << p.y;
            }
            curve->setData(x, y);
            continue;
        }
        // Points: one graph per colour, since a graph has one style.
        std::map<Color, std::pair<QVector<double>, QVector<double>>> byColor;
        for (const ChartPoint& p : s.points) {
            auto& xy = byColor[p.color == 0 ? base : p.color];
            xy.first << p.x;
            xy.second << p.y;
        }
        if (byColor.empty()) byColor[base];
        bool first = true;
        for (const auto& [color, xy] : byColor) {
            addPointGraph(plot, s, color, xy.first, xy.second, first);
            first = false;
        }
    }

    bool any = false;
    for (const ChartSeries& s : model.series) any = any || !s.points.empty();
    if (any) {
        plot.rescaleAxes();
        setAxis(plot.xAxis, model.bottomAxis, plot.xAxis->range());
        setAxis(plot.yAxis, model.leftAxis, plot.yAxis->range());
    } else {
        setAxis(plot.xAxis, model.bottomAxis, QCPRange(0, 1));
        setAxis(plot.yAxis, model.leftAxis, QCPRange(0, 1));
    }
    plot.legend->setVisible(model.legendVisible && !model.series.empty());
    plot.replot();
}

void saveChartPicture(const ChartModel& model, const std::string& path)
{
    QCustomPlot plot;
    plot.resize(std::max(model.screenWidth, 50), std::max(model.screenHeight, 50));
    plot.setBackground(Qt::white);
    renderChart(model, plot);
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    const char* format = suffix == "jpg" || suffix == "jpeg" ? "JPG" : suffix == "bmp" ? "BMP" : "PNG";
    // Encoded in memory and written as every file of the program is, so a
    // failure names its reason and never truncates an existing picture.
    QImage image = plot.toPixmap(plot.width(), plot.height()).toImage();
    const int dotsPerMeter = qRound(96 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw FileError("Cannot create file \"" + path + "\". The picture could not be encoded");
    writeWholeFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace velmora::ui
