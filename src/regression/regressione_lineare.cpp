#include "regression/regressione_lineare.h"

#include "controls/fpcheck.h"
#include "table/numbers.h"

namespace velmora {

namespace {
constexpr const char* progressive = "PROGRESSIVE";
}

LinearFit fitLine(const double* x, const double* y, int n, double xMean, double yMean)
{
    LinearFit f;
    fp::clear();
    double varX = 0, cov = 0;
    for (int i = 0; i < n; ++i) {
        const double dx = x[i] - xMean;
        varX += dx * dx;
        cov += dx * (y[i] - yMean);
    }
    f.varX = varX / n;
    f.cov = cov / n;
    f.b = f.cov / f.varX;
    f.a = yMean - f.b * xMean;
    fp::check();
    for (int i = 0; i < n; ++i) {
        const double r = y[i] - (f.a + f.b * x[i]);
        const double d = y[i] - yMean;
        f.rss += r * r;
        f.tss += d * d;
    }
    f.rFit = 1 - f.rss / f.tss;
    fp::check();
    return f;
}

std::vector<std::pair<double, double>> distinctPoints(const double* x, const double* y, int n)
{
    std::vector<std::pair<double, double>> points;
    double lastX = -1e12;
    for (int i = 0; i < n; ++i) {
        if (!(x[i] == lastX)) {
            points.emplace_back(x[i], y[i]);
            lastX = x[i];
        }
    }
    return points;
}

TRegressioneLineare::TRegressioneLineare(TMenuGEN& menu_)
    : AnalysisWindow(menu_, "TRegressioneLineare", "Regressione Lineare", 960, 480)
{
    Colonna_X_LST.caption = "Asse delle X";
    Colonna_Y_LST.caption = "Asse delle Y";
    // Wide enough for both columns of figures.
    Tabella_TXT.preferredWidth = 340;

    Grafico.title = "Linear Regression";
    Grafico.bottomAxis.title = "Value X";
    Grafico.leftAxis.title = "Value Y";
    Grafico.legendVisible = false;
    ChartSeries line;
    line.title = "Function";
    line.kind = SeriesKind::Line;
    line.color = colors::orange;
    line.lineWidth = 2;
    Grafico.addSeries(line);
    ChartSeries points;
    points.title = "Base values";
    points.kind = SeriesKind::Point;
    points.color = colors::red;
    points.pointer = PointerStyle::Circle;
    points.pointerSize = 1;
    points.sortedByX = true;
    Grafico.addSeries(points);

    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    Esporta_Distribuzione_IMG.onClick = [this] { Esporta_Distribuzione_IMGClick(); };
    CopiaColonna_IMG.onClick = [this] { CopiaColonna_IMGClick(); };
    declareStandardCommands(true);
    declare(Colonna_X_LST);
    declare(Colonna_Y_LST);
    declare(SalvaGrafico_IMG);
    declare(Esporta_Distribuzione_IMG);
    declare(CopiaColonna_IMG);
    declare(Tabella_TXT);
    declareChart(true);
    declare(barra);
}

void TRegressioneLineare::Analisi_IMGClick()
{
    beginRun();
    colonna_X = 0;
    const std::string xName = Colonna_X_LST.selectedText();
    const std::string yName = Colonna_Y_LST.selectedText();
    colonna_X = columnOfName(xName);
    const int colonnaY = columnOfName(yName);
    const int digits = digitCount();
    const bool xProgressive = xName == progressive;
    const bool yProgressive = yName == progressive;

    const int n = menu.Tabella_TXT.rowCount();
    ValoriX.assign(n, 0.0);
    ValoriY.assign(n, 0.0);
    // A value that overflows when rounded fails at its cell, before any later
    // cell is read.
    fp::clear();
    for (int i = 0; i < n; ++i) {
        ValoriX[i] = xProgressive ? i + 1 : readValue(colonna_X, i, digits);
        fp::check();
        ValoriY[i] = yProgressive ? i + 1 : readValue(colonnaY, i, digits);
        fp::check();
    }
    if (n > 1) partitionSort(ValoriX.data(), ValoriY.data(), 0, n - 1);

    Min = 1e12;
    Max = -1e12;
    double sx = 0, sy = 0;
    barra.maximum = n - 1;
    int nextProgress = 0;
    for (int i = 0; i < n; ++i) {
        sx += ValoriX[i];
        sy += ValoriY[i];
        if (ValoriX[i] < Min) Min = ValoriX[i];
        if (ValoriX[i] > Max) Max = ValoriX[i];
        if (i == nextProgress) {
            // An overflowing sum fails with the bar where the last step left it.
            fp::check();
            progressStep(i);
            nextProgress += 50;
        }
        if (Ferma) break;
    }
    fp::check();
    const double xMean = sx / n;
    const double yMean = sy / n;
    finishProgress();
    if (reportStopped()) return;
    fp::check();

    const LinearFit fit = fitLine(ValoriX.data(), ValoriY.data(), n, xMean, yMean);
    const double yAtMin = fit.a + fit.b * Min;
    const double yAtMax = fit.a + fit.b * Max;
    fp::check();

    StringGrid table;
    TMenuGEN::PulisciTabella(10, 2, table, true);
    table.setHeader(0, "Linear Regression");
    table.setWidth(0, 160);
    table.setHeader(1, "Y = A + B * X");
    table.setWidth(1, 140);
    const std::pair<const char*, std::string> rows[] = {
        {"X Average", formatValue(xMean, digits)},
        {"Y Average", formatValue(yMean, digits)},
        {"X Variance", formatValue(fit.varX, digits)},
        {"XY Covariance", formatValue(fit.cov, digits)},
        {"Count", IntToStr(n)},
        {"A intercepts", formatValue(fit.a, digits)},
        {"B angular coefficient", formatValue(fit.b, digits)},
        {"RSS Residual Sum of Squares", formatValue(fit.rss, digits)},
        {"TSS Total Sum of Squares", formatValue(fit.tss, digits)},
        {"R fitting", formatValue(fit.rFit, digits)},
    };
    for (int r = 0; r < 10; ++r) {
        table.setCell(0, r, rows[r].first);
        table.setCell(1, r, rows[r].second);
    }
    fp::check();

    A = fit.a;
    B = fit.b;
    last_ = LastRun{true, A, B, Min, Max, distinctPoints(ValoriX.data(), ValoriY.data(), n),
                    xName, yName, xProgressive, colonna_X};

    showResults(std::move(table));

    Grafico.title = "Linear Regression - " + yName;
    Grafico.leftAxis.title = yName;
    Grafico.bottomAxis.title = xName;
    Series1().clear();
    Series2().clear();
    for (ChartAxis* axis : {&Grafico.leftAxis, &Grafico.bottomAxis}) {
        axis->automaticMinimum = true;
        axis->automaticMaximum = true;
    }
    for (const auto& [x, y] : last_.points) Series2().addXY(x, y);
    Series1().addXY(Min, yAtMin);
    Series1().addXY(Max, yAtMax);
}

void TRegressioneLineare::CopiaColonna_IMGClick()
{
    if (!last_.done) {
        platform.showMessage(mustComputeFirst);
        return;
    }
    copyColumnToTable(6, [this](int) {
        const StringGrid& data = menu.Tabella_TXT;
        CopiedColumn column{"RegLIN_" + last_.yName + "_f" + last_.xName, {}};
        column.cells.reserve(data.rowCount());
        fp::clear();
        for (int i = 0; i < data.rowCount(); ++i) {
            // The cells as they are: the fitted value of the real x, whatever
            // the rounding option.
            const double x = last_.xProgressive ? i + 1 : StrToFloat(data.cell(last_.xColumn, i), menu.DecimalSeparator);
            column.cells.push_back(FloatToStr(last_.a + last_.b * x));
        }
        fp::check();
        return column;
    });
}

void TRegressioneLineare::Esporta_Distribuzione_IMGClick()
{
    if (!last_.done) {
        platform.showMessage(mustComputeFirst);
        return;
    }
    saveChartData(6, [this] {
        const auto f = [this](double x) { return FloatToStr(last_.a + last_.b * x); };
        std::vector<std::string> lines{"x\tf(x)\tF(x)\t\tx\tF(x)"};
        for (const auto& [x, y] : last_.points) lines.push_back(FloatToStr(x) + "\t" + FloatToStr(y) + "\t" + f(x));
        // The end points of the line stand in the fourth and fifth fields of
        // lines 1 and 2; with a single drawn point line 2 holds only them.
        if (lines.size() < 3) lines.resize(3, "\t\t");
        lines[1] += "\t" + FloatToStr(last_.min) + "\t" + f(last_.min);
        lines[2] += "\t" + FloatToStr(last_.max) + "\t" + f(last_.max);
        return lines;
    });
}

}  // namespace velmora
