#pragma once
// Occurrences: how often each distinct value occurs in every checked column,
// and a chart of the counts of one of them.
#include <vector>

#include "descriptive/points_chart_window.h"
#include "stats/occurrence_count.h"

namespace velmora {

class TOccorrenze : public PointsChartWindow {
public:
    explicit TOccorrenze(TMenuGEN& menu);

    CheckBox NonDisegnareValoriNulli_CHK{"NonDisegnareValoriNulli_CHK", "Non disegnare valori nulli"};

    // The last complete counting, per checked column: its distinct values
    // in ascending order with their counts. The result table shows them,
    // the drawing reads them.
    std::vector<std::vector<ValueCount>> ColonneOccorrenze;

    void Analisi_IMGClick();
    void DisegnaDati_IMGClick() override;
    void Punti_Singoli_CHKChange() override;

    static constexpr const char* mustCountFirst = "Devi prima calcolare i parametri delle occorrenze";

private:
    ChartSeries& Series1() { return Grafico.series[0]; }
    ChartSeries& Series2() { return Grafico.series[1]; }
    // Row j of column k of the results; rows past a column's distinct
    // values hold 0 and 0.
    ValueCount occorrenza(int j, int k) const;
    int righe() const;

    // Cleared when a counting starts and set when one completes: after a
    // stopped or failed counting the column picker no longer names the
    // columns of the results, so nothing is drawn until the next one.
    bool drawable_ = false;
};

}  // namespace velmora
