#include "descriptive/occorrenze.h"

#include <algorithm>

#include "controls/fpcheck.h"
#include "controls/platform.h"
#include "table/numbers.h"

namespace velmora {

TOccorrenze::TOccorrenze(TMenuGEN& menu_) : PointsChartWindow(menu_, "TOccorrenze", "Occorrenze", 940, 480)
{
    ArrotondaDato_CHK.checked = true;
    NumeroCifre_TXT.enabled = true;
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };

    Grafico.title = "Occurrences";
    Grafico.bottomAxis.title = "Value";
    Grafico.leftAxis.title = "Occurrences";
    Grafico.legendVisible = false;
    Grafico.leftAxis.automaticMinimum = false;
    ChartSeries points;
    points.title = "Series1";
    points.kind = SeriesKind::Point;
    points.color = 0xFF304871;
    points.pointer = PointerStyle::Circle;
    points.pointerSize = 1;
    Grafico.addSeries(points);
    ChartSeries line;
    line.title = "Series2";
    line.kind = SeriesKind::Line;
    line.color = 0xFF304871;
    line.sortedByX = true;
    Grafico.addSeries(line);

    declare(ArrotondaDato_CHK);
    declare(NumeroCifre_TXT);
    declare(Analisi_IMG);
    declare(DisegnaDati_IMG);
    declare(SalvaGrafico_IMG);
    declare(SalvaTabella_IMG);
    declare(Punti_Singoli_CHK);
    declare(Punti_Uniti_CHK);
    declare(Tipologie_IMG);
    declare(Ferma_IMG);
    declare(Colonna_LST);
    declare(NonDisegnareValoriNulli_CHK);
    declare(ListaColonne);
    declare(Tabella_TXT);
    declareChart(false);
    declare(barra);
}

ValueCount TOccorrenze::occorrenza(int j, int k) const
{
    const std::vector<ValueCount>& column = ColonneOccorrenze[k];
    return j < static_cast<int>(column.size()) ? column[j] : ValueCount{};
}

int TOccorrenze::righe() const
{
    std::size_t rows = 0;
    for (const auto& column : ColonneOccorrenze) rows = std::max(rows, column.size());
    return static_cast<int>(rows);
}

void TOccorrenze::Analisi_IMGClick()
{
    Ferma = false;
    drawable_ = false;
    Colonna_LST.clear();
    const std::vector<int> columns = selectedColumns();
    const StringGrid& data = menu.Tabella_TXT;
    for (int c : columns) Colonna_LST.add(std::string(data.header(c)));
    if (columns.empty()) return;
    Colonna_LST.itemIndex = 0;

    const int digits = digitCount();
    const int n = data.rowCount();
    const int m = static_cast<int>(columns.size());
    // Every cell is read before any counting, so a bad one anywhere ends the
    // computation before the first progress step.
    ValoriArray Valori;
    Valori.resize(n, m);
    fp::Section reading;
    for (int r = 0; r < n; ++r) {
        for (int k = 0; k < m; ++k) {
            Valori(r, k) = readValue(columns[k], r, digits);
            fp::check();
        }
    }

    std::vector<std::vector<ValueCount>> counted;
    barra.maximum = m - 1;
    for (int k = 0; k < m; ++k) {
        counted.push_back(countDistinctValues(Valori.column(k), n));
        if (progressStep(k)) break;
    }
    finishProgress();
    if (reportStopped()) return;

    ColonneOccorrenze = std::move(counted);
    const int rows = righe();
    StringGrid table;
    TMenuGEN::PulisciTabella(rows, 2 * m, table, true);
    for (int k = 0; k < m; ++k) {
        table.setHeader(2 * k, "Occurrences");
        table.setHeader(2 * k + 1, data.header(columns[k]));
        for (int j = 0; j < rows; ++j) {
            const ValueCount o = occorrenza(j, k);
            table.setCell(2 * k, j, IntToStr(o.count));
            table.setCell(2 * k + 1, j, FloatToStr(o.value));
        }
    }
    Tabella_TXT.swap(table);
    Tabella_TXT.currentRow = Tabella_TXT.currentCol = -1;
    drawable_ = true;
    playCompletion();
}

void TOccorrenze::Punti_Singoli_CHKChange()
{
    if (Tabella_TXT.rowCount() > 1) DisegnaDati_IMGClick();
}

void TOccorrenze::DisegnaDati_IMGClick()
{
    if (Tabella_TXT.rowCount() < 2 || !drawable_) {
        platform.showMessage(mustCountFirst);
        return;
    }
    const std::string name = Colonna_LST.selectedText();
    int k = 0;
    for (int c = 0; c < Tabella_TXT.columnCount(); ++c) {
        if (Tabella_TXT.header(c) == name) {
            k = c / 2;
            break;
        }
    }

    Series1().clear();
    Series2().clear();
    Grafico.title = "Occurrences  - " + name;
    Grafico.bottomAxis.automaticMinimum = true;
    Grafico.bottomAxis.automaticMaximum = true;
    Grafico.leftAxis.automaticMaximum = true;
    Grafico.leftAxis.automaticMinimum = false;

    ChartSeries& target = drawsSinglePoints() ? Series1() : Series2();
    const int rows = righe();
    for (int i = 0; i < rows; ++i) {
        const ValueCount o = occorrenza(i, k);
        if (NonDisegnareValoriNulli_CHK.checked && o.value == 0) continue;
        // Of the zero rows that fill up a shorter column only the first is
        // drawn; a 0 in the last row is taken for filler too.
        if (i == 0 || o.value != 0 || (i < rows - 1 && occorrenza(i - 1, k).value != 0))
            target.addXY(o.value, o.count);
    }
    Grafico.changed();
}

}  // namespace velmora
