#pragma once
// Trends: the checked columns drawn against another column or the row
// number, one series each.
#include "descriptive/points_chart_window.h"

namespace velmora {

// The colour of the series at position k among the checked columns; black
// from the 25th on.
Color trendColor(int k);

class TAndamenti : public PointsChartWindow {
public:
    explicit TAndamenti(TMenuGEN& menu);

    EditBox TitoloGrafico_TXT{"TitoloGrafico_TXT", "Titolo del Grafico", "Trend"};

    void DisegnaDati_IMGClick() override;
};

}  // namespace velmora
