#include "distributions/distribuzione_uniforme.h"

#include "controls/fpcheck.h"
#include "table/numbers.h"

namespace velmora {

int distinctValueCount(const double* sorted, int n)
{
    int count = 0;
    double previous = -1e12;
    for (int r = 0; r < n; ++r) {
        if (sorted[r] != previous) {
            ++count;
            previous = sorted[r];
        }
    }
    return count;
}

std::vector<DistinctValueRow> uniformRows(const OccurrenceScan& scan, double probability, int rows)
{
    std::vector<DistinctValueRow> out;
    out.reserve(scan.groups.size());
    double running = 0.0;
    for (const OccurrenceGroup& g : scan.groups) {
        running += probability;
        const OccurrencePoint point{g.value, g.count, static_cast<double>(g.count) / rows,
                                    static_cast<double>(g.runningCount) / rows};
        out.push_back({point, probability, running});
    }
    return out;
}

TDistribuzioneUniforme::TDistribuzioneUniforme(TMenuGEN& menu_)
    : DistinctValuesDistribution(menu_, "TDistribuzioneUniforme", "Distribuzione Uniforme", "Uniform distribution ",
                                 "Uniform distribution - ")
{
    declareLeadingControls();
    declareDrawingControls();
}

void TDistribuzioneUniforme::Analisi_IMGClick()
{
    std::optional<Sample> sample = readAndDescribe();
    if (!sample) return;
    const int m = static_cast<int>(sample->columns.size());

    std::vector<int> distinct(m);
    std::vector<double> probability(m);
    fp::Section section;
    for (int k = 0; k < m; ++k) {
        distinct[k] = distinctValueCount(menu.Valori.column(k), sample->rows);
        // Only a column of nothing but -1e12 counts no value.
        probability[k] = 1.0 / distinct[k];
    }
    section.check();

    StringGrid table = commonResultTable(*sample, 18);
    for (int k = 0; k < m; ++k) {
        table.setCell(k, 14, "CountOcc.");
        table.setCell(k, 15, IntToStr(distinct[k]));
        // Shown with all its digits, whatever the rounding option says.
        table.setCell(k, 16, "Probability");
        table.setCell(k, 17, FloatToStr(probability[k]));
    }
    NumeroOccorrenze = std::move(distinct);
    Probabilita = std::move(probability);
    keepResults(std::move(*sample), std::move(table));
}

std::vector<DistinctValueRow> TDistribuzioneUniforme::distinctValueRows(int k)
{
    return uniformRows(scanDrawnColumn(k), Probabilita[k], drawnRows());
}

}  // namespace velmora
