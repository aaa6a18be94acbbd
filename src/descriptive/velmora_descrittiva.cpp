#include "descriptive/velmora_descrittiva.h"

#include <cmath>
#include <limits>

#include "controls/fpcheck.h"
#include "table/numbers.h"

namespace velmora {

std::vector<DescriptiveMeasures> describeSorted(const std::vector<const double*>& columns, int n)
{
    const std::size_t m = columns.size();
    std::vector<DescriptiveMeasures> out(m);
    std::vector<double> sum(m, 0.0), reciprocalSum(m, 0.0), product(m, 1.0), squares(m, 0.0);
    std::vector<double> previous(m, -1e12);
    std::vector<int> repeat(m, 0);
    for (DescriptiveMeasures& x : out) {
        x.count = n;
        x.min = 1e12;
        x.max = -1e12;
    }

    fp::clear();
    for (int r = 0; r < n; ++r) {
        for (std::size_t k = 0; k < m; ++k) {
            DescriptiveMeasures& x = out[k];
            const double v = columns[k][r];
            sum[k] += v;
            reciprocalSum[k] += 1.0 / v;
            squares[k] += v * v;
            product[k] *= v;
            fp::check();
            if (x.min > v) x.min = v;
            if (v > x.max) x.max = v;
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
        x.average = sum[k] / n;
        x.harmonicAverage = n / reciprocalSum[k];
        fp::check();
        x.geometricAverage = fp::power(product[k], 1.0 / n);
        x.quadraticAverage = std::sqrt(squares[k] / n);
        fp::check();

        const double* s = columns[k];
        if (n % 2 == 1) {
            x.median = s[n / 2];
            x.firstQuartile = s[n / 4];
            x.thirdQuartile = s[(3 * n) / 4];
        } else {
            x.median = (s[n / 2 - 1] + s[n / 2]) / 2;
            x.firstQuartile = n / 4 - 1 < 0 ? x.average : (s[n / 4 - 1] + s[n / 4]) / 2;
            x.thirdQuartile = (s[(3 * n) / 4 - 1] + s[(3 * n) / 4]) / 2;
        }
        x.iqr = x.thirdQuartile - x.firstQuartile;
        fp::check();
    }

    std::vector<double> deviations(m, 0.0), absolute(m, 0.0);
    for (int r = 0; r < n; ++r) {
        for (std::size_t k = 0; k < m; ++k) {
            const double d = columns[k][r] - out[k].average;
            deviations[k] += d * d;
            absolute[k] += std::fabs(d);
        }
        fp::check();
    }
    for (std::size_t k = 0; k < m; ++k) {
        DescriptiveMeasures& x = out[k];
        if (n - 1 > 0) {
            x.variance = deviations[k] / (n - 1);
            x.standardDeviation = std::sqrt(x.variance);
        } else {
            x.variance = std::numeric_limits<double>::quiet_NaN();
            x.standardDeviation = std::numeric_limits<double>::quiet_NaN();
        }
        x.rootMeanSimple = absolute[k] / n;
        fp::check();
    }

    std::vector<double> cubes(m, 0.0), fourths(m, 0.0);
    for (int r = 0; r < n; ++r) {
        for (std::size_t k = 0; k < m; ++k) {
            const double z = (columns[k][r] - out[k].average) / out[k].standardDeviation;
            const double z2 = z * z;
            cubes[k] += z2 * z;
            fourths[k] += z2 * z2;
        }
        fp::check();
    }
    for (std::size_t k = 0; k < m; ++k) {
        out[k].asymmetry = cubes[k] / n;
        out[k].kurtosis = fourths[k] / n - 3;
    }
    fp::check();
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
    Ferma = false;
    const std::vector<int> columns = selectedColumns();
    if (columns.empty()) return;
    const int digits = digitCount();
    const int n = menu.Tabella_TXT.rowCount();
    const int m = static_cast<int>(columns.size());

    if (!fillAndSortValori(columns, digits)) return;
    const ValoriArray& valori = menu.Valori;

    std::vector<const double*> sorted;
    for (int k = 0; k < m; ++k) sorted.push_back(valori.column(k));
    const std::vector<DescriptiveMeasures> measures = describeSorted(sorted, n);

    StringGrid table;
    TMenuGEN::PulisciTabella(42, m, table, true);
    for (int k = 0; k < m; ++k) {
        const DescriptiveMeasures& x = measures[k];
        table.setHeader(k, menu.Tabella_TXT.header(columns[k]));
        table.setWidth(k, 160);
        const std::pair<const char*, std::string> rows[] = {
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
        };
        int row = 0;
        for (const auto& [label, value] : rows) {
            table.setCell(k, row++, label);
            table.setCell(k, row++, value);
        }
    }
    fp::check();
    Tabella_TXT.swap(table);
    Tabella_TXT.currentRow = Tabella_TXT.currentCol = -1;
    playCompletion();
}

}  // namespace velmora
