#include "descriptive/velmora_descrittiva.h"

#include <cmath>
#include <limits>

#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "stats/geometric_average.h"
#include "stats/moments.h"
#include "table/numbers.h"

namespace velmora {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// The values are finite, so a measure that is infinite or not a number met
// a fault (overflow, division by zero, 0/0) in its own arithmetic.
double orNan(double v) { return std::isfinite(v) ? v : notANumber; }

DescriptiveMeasures describeColumn(const double* s, int n)
{
    DescriptiveMeasures x;
    double reciprocalSum = 0.0, squares = 0.0;
    stats::GeometricProduct product;
    double previous = -stats::extremeStart;
    int repeat = 0;
    // Equal values form runs in sorted data; the first longest run wins.
    auto closeRun = [&] {
        if (repeat > x.maxFrequency) {
            x.maxFrequency = repeat;
            x.mode = previous;
        }
    };
    for (int r = 0; r < n; ++r) {
        const double v = s[r];
        reciprocalSum += 1.0 / v;
        squares += v * v;
        product.multiply(v);
        if (v != previous) {
            closeRun();
            previous = v;
            repeat = 0;
        } else {
            ++repeat;
        }
    }
    closeRun();

    const stats::Moments moments = stats::momentsOfSorted(s, n);
    x.count = n;
    x.average = orNan(moments.mean);
    x.variance = orNan(moments.variance);
    x.standardDeviation = orNan(moments.standardDeviation);
    const stats::Shape shape = stats::shapeOf(s, n, x.average, x.standardDeviation);
    x.asymmetry = orNan(shape.skewness);
    x.kurtosis = orNan(shape.kurtosis);
    x.median = orNan(moments.median);
    x.min = moments.min;
    x.max = moments.max;
    // A value 0 makes the reciprocal sum infinite, and n / INF would show 0.
    x.harmonicAverage = std::isfinite(reciprocalSum) ? orNan(n / reciprocalSum) : notANumber;
    x.geometricAverage = product.average(n);
    x.quadraticAverage = orNan(std::sqrt(squares / n));
    if (n % 2 == 1) {
        x.firstQuartile = s[n / 4];
        x.thirdQuartile = s[(3 * n) / 4];
    } else {
        x.firstQuartile = orNan(n / 4 - 1 < 0 ? x.average : (s[n / 4 - 1] + s[n / 4]) / 2);
        x.thirdQuartile = orNan((s[(3 * n) / 4 - 1] + s[(3 * n) / 4]) / 2);
    }
    x.iqr = orNan(x.thirdQuartile - x.firstQuartile);

    double absolute = 0.0;
    for (int r = 0; r < n; ++r) absolute += std::fabs(s[r] - x.average);
    x.rootMeanSimple = orNan(absolute / n);
    return x;
}

}  // namespace

std::vector<DescriptiveMeasures> describeSorted(const std::vector<const double*>& columns, int n)
{
    // The mean of no values is 0/0; the quartiles would have nothing to read.
    if (n <= 0) throw MathError(msg::invalidOperation);
    // A fault in one measure makes that measure NAN, not the table a failure.
    fp::QuietSection quiet;
    std::vector<DescriptiveMeasures> out;
    out.reserve(columns.size());
    for (const double* column : columns) out.push_back(describeColumn(column, n));
    return out;
}

TVelmoraDescrittiva::TVelmoraDescrittiva(TMenuGEN& menu_)
    : AnalysisWindow(menu_, "TVelmoraDescrittiva", "Velmora Descrittiva", 640, 480)
{
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    declareStandardCommands(true);
    declare(ListaColonne);
    declare(Tabella_TXT);
    declare(barra);
}

void TVelmoraDescrittiva::Analisi_IMGClick()
{
    beginRun();
    const std::vector<int> columns = selectedColumns();
    if (columns.empty()) return;
    const int digits = digitCount();
    const int n = menu.Tabella_TXT.rowCount();
    const int m = static_cast<int>(columns.size());

    if (!fillAndSortValori(columns, digits)) return;
    std::vector<const double*> sorted;
    for (int k = 0; k < m; ++k) sorted.push_back(menu.Valori.column(k));
    const std::vector<DescriptiveMeasures> measures = describeSorted(sorted, n);

    StringGrid table;
    TMenuGEN::PulisciTabella(42, m, table, true);
    for (int k = 0; k < m; ++k) {
        const DescriptiveMeasures& x = measures[k];
        table.setHeader(k, menu.Tabella_TXT.header(columns[k]));
        table.setWidth(k, 160);
        writeLabelsAbove(table, k, 0,
                         {
                             {"Average", formatValue(x.average, digits)},
                             {"Variance", formatValue(x.variance, digits)},
                             {"Sta.Dev.", formatValue(x.standardDeviation, digits)},
                             {"Count", IntToStr(x.count)},
                             {"Asymmetry", formatValue(x.asymmetry, digits)},
                             {"Kurtosis", formatValue(x.kurtosis, digits)},
                             {"Median", formatValue(x.median, digits)},
                             {"Harmonic Average", formatValue(x.harmonicAverage, digits)},
                             {"Geometric Average", formatValue(x.geometricAverage, digits)},
                             {"Quadratic Average", formatValue(x.quadraticAverage, digits)},
                             {"Root Mean Simple", formatValue(x.rootMeanSimple, digits)},
                             {"Min", formatValue(x.min, digits)},
                             {"Max", formatValue(x.max, digits)},
                             {"Quartile 0/4", formatValue(x.min, digits)},
                             {"Quartile 1/4", formatValue(x.firstQuartile, digits)},
                             {"Quartile 2/4", formatValue(x.median, digits)},
                             {"Quartile 3/4", formatValue(x.thirdQuartile, digits)},
                             {"Quartile 4/4", formatValue(x.max, digits)},
                             {"IQR interquartile range", formatValue(x.iqr, digits)},
                             {"Mode", formatValue(x.mode, digits)},
                             {"Max frequency", IntToStr(x.maxFrequency)},
                         });
    }
    showResults(std::move(table));
}

}  // namespace velmora
