#include "transform/filtri_smoothing.h"

#include <algorithm>

#include "controls/fpcheck.h"
#include "transform/smoothing.h"

namespace velmora {

TFiltriSmoothing::TFiltriSmoothing(TMenuGEN& menu_)
    : AnalysisWindow(menu_, "TFiltriSmoothing", "Filtri Smoothing", 960, 520)
{
    Tipo_Filtro_LST.items = {"Simple moving averages", "Exponential smoothing"};
    Tipo_Filtro_LST.itemIndex = 0;
    Tabella_TXT.wholeRowSelection = true;

    Grafico.title = "Smoothing Filter";
    Grafico.leftAxis.title = "Value";
    Grafico.legendVisible = false;
    // Both orange with square marks; the smoothed line is drawn wider, so
    // that it reads as the trend through the values.
    for (const char* title : {"Original Values", "Smooted Value"}) {
        ChartSeries s;
        s.title = title;
        s.kind = SeriesKind::Line;
        s.color = colors::orange;
        s.pointer = PointerStyle::Rectangle;
        s.pointerSize = 2;
        Grafico.addSeries(s);
    }
    Serie_Filtro().lineWidth = 3;

    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    DisegnaDati_IMG.onClick = [this] { DisegnaDati_IMGClick(); };
    declareStandardCommands(true);
    declare(Tipo_Filtro_LST);
    declare(DisegnaDati_IMG);
    declare(SalvaGrafico_IMG);
    declare(ListaColonne);
    declare(Colonna_LST);
    declare(Tabella_TXT);
    declareChartWithoutAxisMenu();
    declare(barra);
}

void TFiltriSmoothing::Analisi_IMGClick()
{
    Ferma = false;
    const std::vector<int> columns = selectedColumns();
    Colonna_LST.clear();
    for (int c : columns) Colonna_LST.add(menu.Tabella_TXT.header(c));
    if (columns.empty()) return;
    Colonna_LST.itemIndex = 0;
    const int digits = digitCount();

    const int n = menu.Tabella_TXT.rowCount();
    const int m = static_cast<int>(columns.size());
    std::vector<std::vector<double>> valori(m, std::vector<double>(n));
    fp::clear();
    for (int r = 0; r < n; ++r) {
        for (int k = 0; k < m; ++k) {
            valori[k][r] = readValue(columns[k], r, digits);
            fp::check();
        }
    }

    const SmoothingFilter filter =
        Tipo_Filtro_LST.itemIndex == 1 ? SmoothingFilter::ExponentialSmoothing : SmoothingFilter::MovingAverage;
    std::vector<std::vector<double>> smooth(m, std::vector<double>(n));
    std::vector<double> sums(m, 0.0);
    barra.maximum = n - 1;
    // A progress step after row 0 and then after every 50th row.
    int done = 0;
    for (int stepRow = 0; done < n; stepRow += 50) {
        const int to = std::min(stepRow + 1, n);
        for (int k = 0; k < m; ++k) smoothRows(filter, valori[k].data(), smooth[k].data(), done, to, sums[k]);
        done = to;
        if (done == stepRow + 1 && progressStep(stepRow)) break;
    }
    fp::check();
    finishProgress();
    if (reportStopped()) return;

    StringGrid table;
    TMenuGEN::PulisciTabella(n, m, table, true);
    fp::clear();
    for (int k = 0; k < m; ++k) {
        table.setHeader(k, menu.Tabella_TXT.header(columns[k]));
        table.setWidth(k, 160);  // a number of 15 significant digits
        table.reserveText(k, static_cast<std::size_t>(n) * 16);
        for (int r = 0; r < n; ++r) table.setCell(k, r, formatValue(smooth[k][r], digits));
    }
    fp::check();

    Valori = std::move(valori);
    Smooting = std::move(smooth);
    filterName_ = Tipo_Filtro_LST.selectedText();
    Tabella_TXT.swap(table);
    Tabella_TXT.currentRow = Tabella_TXT.currentCol = -1;
    playCompletion();
}

void TFiltriSmoothing::DisegnaDati_IMGClick()
{
    if (Tabella_TXT.rowCount() == 0) {
        platform.showMessage(mustComputeFirst);
        return;
    }
    int k = 0;
    const std::string chosen = Colonna_LST.selectedText();
    while (k < Tabella_TXT.columnCount() && Tabella_TXT.header(k) != chosen) ++k;
    if (k == Tabella_TXT.columnCount()) k = 0;
    const std::string& name = Tabella_TXT.header(k);

    // The title names the filter that made the values, whatever the box
    // shows now.
    Grafico.title = filterName_ + " - " + name;
    Grafico.leftAxis.title = name;
    Serie_Base().clear();
    Serie_Filtro().clear();
    for (ChartAxis* axis : {&Grafico.leftAxis, &Grafico.bottomAxis}) {
        axis->automaticMinimum = true;
        axis->automaticMaximum = true;
    }
    // A run of equal values is drawn once, in both series.
    double last = -1e12;
    for (std::size_t r = 0; r < Valori[k].size(); ++r) {
        if (Valori[k][r] == last) continue;
        Serie_Base().add(Valori[k][r]);
        Serie_Filtro().add(Smooting[k][r]);
        last = Valori[k][r];
    }
    Grafico.changed();
}

}  // namespace velmora
