#include "descriptive/andamenti.h"

#include <array>

#include "controls/fpcheck.h"
#include "controls/platform.h"

namespace velmora {

Color trendColor(int k)
{
    static constexpr std::array<Color, 24> palette{
        0xFF0000FF, 0xFF008000, 0xFFFFA500, 0xFFFF0000, 0xFF808080, 0xFF808000, 0xFF800080, 0xFFFFD700,
        0xFFADFF2F, 0xFF00FA9A, 0xFF800000, 0xFFE9967A, 0xFFD2691E, 0xFF228B22, 0xFF5F9EA0, 0xFFBA55D3,
        0xFF9370DB, 0xFFFF6347, 0xFF66CDAA, 0xFFC71585, 0xFF2F4F4F, 0xFF006400, 0xFF00008B, 0xFF696969,
    };
    return k >= 0 && k < static_cast<int>(palette.size()) ? palette[k] : colors::black;
}

TAndamenti::TAndamenti(TMenuGEN& menu_) : PointsChartWindow(menu_, "TAndamenti", "Andamento grafico", 900, 500)
{
    Colonna_X_LST.caption = "Asse delle X";
    ListaColonne.caption = "Assi delle Y";
    Grafico.title = "Trend";
    Grafico.bottomAxis.title = "Value X";
    Grafico.leftAxis.title = "Value";

    declare(DisegnaDati_IMG);
    declare(SalvaGrafico_IMG);
    declare(Punti_Singoli_CHK);
    declare(Punti_Uniti_CHK);
    declare(ArrotondaDato_CHK);
    declare(NumeroCifre_TXT);
    declare(TitoloGrafico_TXT);
    declare(Tipologie_IMG);
    declare(Colonna_X_LST);
    declare(ListaColonne);
    declareChart(false);
    declare(barra);
}

void TAndamenti::DisegnaDati_IMGClick()
{
    const std::vector<int> columns = selectedColumns();
    if (columns.empty()) return;
    const int digits = digitCount();
    const std::string xName = Colonna_X_LST.selectedText();
    const bool progressive = xName == "PROGRESSIVE";
    const int xColumn = columnOfName(xName);
    const StringGrid& data = menu.Tabella_TXT;
    const int n = data.rowCount();

    Grafico.series.clear();
    Grafico.legendVisible = true;
    Grafico.title = TitoloGrafico_TXT.text;
    Grafico.bottomAxis.title = xName;

    barra.maximum = static_cast<int>(columns.size());
    barra.position = 0;
    int nextProgress = 0;
    for (int k = 0; k < static_cast<int>(columns.size()); ++k) {
        ChartSeries s;
        s.title = data.header(columns[k]);
        s.color = trendColor(k);
        s.lineWidth = 1;
        s.kind = drawsSinglePoints() ? SeriesKind::Point : SeriesKind::Line;
        if (drawsSinglePoints()) {
            s.pointer = PointerStyle::Circle;
            s.pointerSize = 1;
        }
        ChartSeries& series = Grafico.addSeries(std::move(s));
        series.points.reserve(n);
        // A value that overflows when rounded fails at its cell; the series
        // drawn so far stay.
        fp::Section reading;
        for (int r = 0; r < n; ++r) {
            const double y = readValue(columns[k], r, digits);
            const double x = progressive ? r : readValue(xColumn, r, digits);
            fp::check();
            series.addXY(x, y);
        }
        if (k == nextProgress) {
            barra.position = k + 1;
            platform.processEvents();
            nextProgress += 50;
        }
    }
    for (ChartAxis* axis : {&Grafico.bottomAxis, &Grafico.leftAxis}) {
        axis->automaticMinimum = true;
        axis->automaticMaximum = true;
    }
    Grafico.changed();
    finishProgress();
    playCompletion();
}

}  // namespace velmora
