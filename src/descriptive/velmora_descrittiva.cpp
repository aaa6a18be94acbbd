#include "descriptive/velmora_descrittiva.h"

#include <cmath>

#include "controls/fpcheck.h"
#include "stats/moments.h"
#include "table/numbers.h"

namespace velmora {

std::vector<DescriptiveMeasures> describeSorted(const std::vector<const double*>& columns, int n)
{
    const std::size_t m = columns.size();
    std::vector<DescriptiveMeasures> out(m);
    std::vector<double> reciprocalSum(m, 0.0), product(m, 1.0), squares(m, 0.0);
    std::vector<double> previous(m, -stats::extremeStart);
    std::vector<int> repeat(m, 0);

    fp::Section section;
    for (int r = 0; r < n; ++r) {
        for (std::size_t k = 0; k < m; ++k) {
            DescriptiveMeasures& x = out[k];
            const double v = columns[k][r];
            reciprocalSum[k] += 1.0 / v;
            squares[k] += v * v;
            product[k] *= v;
            section.check();
            // Equal values form runs in sorted data; the first longest run wins.
            if (v != previous[k]) {
                if (repeat[k] > x.maxFrequency) {
                    x.maxFrequency = repeat[k];
                    x.mode = previous[k];
                }
                previous[k] = v;
                repeat[k] = 0;
            } else {
                ++repeat[k];
            }
        }
    }
    for (std::size_t k = 0; k < m; ++k) {
        DescriptiveMeasures& x = out[k];
        if (repeat[k] > x.maxFrequency) {
            x.maxFrequency = repeat[k];
            x.mode = previous[k];
        }
        const double* s = columns[k];
        const stats::Moments moments = stats::momentsOfSorted(s, n);
        const stats::Shape shape = stats::shapeOf(s, n, moments.mean, moments.standardDeviation);
        x.count = n;
        x.average = moments.mean;
        x.variance = moments.variance;
        x.standardDeviation = moments.standardDeviation;
        x.asymmetry = shape.skewness;
        x.kurtosis = shape.kurtosis;
        x.median = moments.median;
        x.min = moments.min;
        x.max = moments.max;
        x.harmonicAverage = n / reciprocalSum[k];
        section.check();
        x.geometricAverage = fp::power(product[k], 1.0 / n);
        x.quadraticAverage = std::sqrt(squares[k] / n);
        if (n % 2 == 1) {
            x.firstQuartile = s[n / 4];
            x.thirdQuartile = s[(3 * n) / 4];
        } else {
            x.firstQuartile = n / 4 - 1 < 0 ? x.average : (s[n / 4 - 1] + s[n / 4]) / 2;
            x.thirdQuartile = (s[(3 * n) / 4 - 1] + s[(3 * n) / 4]) / 2;
        }
        x.iqr = x.thirdQuartile - x.firstQuartile;
        section.check();
    }

    std::vector<double> absolute(m, 0.0);
    for (int r = 0; r < n; ++r) {
        for (std::size_t k = 0; k < m; ++k) absolute[k] += std::fabs(columns[k][r] - out[k].average);
    }
    for (std::size_t k = 0; k < m; ++k) out[k].rootMeanSimple = absolute[k] / n;
    section.check();
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
