#pragma once
// Smoothing filters: ticked columns smoothed by a running filter, listed in
// the result table, and one of them drawn against its smoothed values.
#include <string>
#include <vector>

#include "analysis/analysis_window.h"

namespace velmora {

class TFiltriSmoothing : public AnalysisWindow {
public:
    explicit TFiltriSmoothing(TMenuGEN& menu);

    ComboBox Tipo_Filtro_LST{"Tipo_Filtro_LST", "Tipo di filtro", Area::CommandBar};
    Button DisegnaDati_IMG{"DisegnaDati_IMG", "Disegna Dati"};

    // The values read and their smoothed values, one vector per result
    // column (column by column, so each column's rows lie together). They
    // belong to the last successful run, as the result table does.
    std::vector<std::vector<double>> Valori;
    std::vector<std::vector<double>> Smooting;

    void Analisi_IMGClick();
    void DisegnaDati_IMGClick();

private:
    std::string filterName_;  // of the last successful run

    ChartSeries& Serie_Base() { return Grafico.series[0]; }
    ChartSeries& Serie_Filtro() { return Grafico.series[1]; }
};

}  // namespace velmora
