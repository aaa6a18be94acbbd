#include "distributions/distribution_window.h"


#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "stats/moments.h"
#include "table/numbers.h"

namespace velmora {

DistributionWindow::DistributionWindow(TMenuGEN& menu_, std::string className, std::string title,
                                       std::string chartTitle, int functionLineWidth)
    : AnalysisWindow(menu_, std::move(className), std::move(title), 960, 640)
{
    Grafico.title = std::move(chartTitle);
    Grafico.leftAxis.title = Disegna_DensitaProbabilita_CHK.caption;
    Grafico.legendVisible = false;
    ChartSeries function;
    function.title = "Function";
    function.kind = SeriesKind::Line;
    function.color = colors::orange;
    function.lineWidth = functionLineWidth;
    Grafico.addSeries(function);
    ChartSeries base;
    base.title = "Base values";
    base.kind = SeriesKind::Point;
    base.color = 0xFF4466A3;
    base.pointer = PointerStyle::Circle;
    base.pointerSize = 1;
    base.sortedByX = true;
    Grafico.addSeries(base);
}

void DistributionWindow::declareLeadingControls()
{
    declareStandardCommands(true);
    declare(Colonna_LST);
    declare(NonDisegnareValoriNulli_CHK);
}

void DistributionWindow::declareDrawingControls()
{
    declare(DisegnaDati_IMG);
    declare(SalvaGrafico_IMG);
    declare(Esporta_Distribuzione_IMG);
    declare(Disegna_DensitaProbabilita_CHK);
    declare(Disegna_FunzioneRipartizione_CHK);
    declare(IncludiValoriBase_CHK);
    declare(ListaColonne);
    declare(Tabella_TXT);
    declareChartWithoutAxisMenu();
    declare(barra);
}

std::optional<DistributionWindow::Sample> DistributionWindow::readAndDescribe()
{
    beginRun();
    Colonna_LST.clear();
    Sample sample;
    sample.columns = selectedColumns();
    for (int c : sample.columns) Colonna_LST.add(std::string(menu.Tabella_TXT.header(c)));
    if (sample.columns.empty()) return std::nullopt;
    Colonna_LST.itemIndex = 0;

    sample.digits = digitCount();
    normaliseInputBoxes();

    const int n = menu.Tabella_TXT.rowCount();
    const int m = static_cast<int>(sample.columns.size());
    sample.rows = n;
    if (!fillAndSortValori(sample.columns, sample.digits)) return std::nullopt;
    // The mean of no values is 0/0.
    if (n <= 0) throw MathError(msg::invalidOperation);
    fp::Section section;
    DistributionParameters& p = sample.parameters;
    for (int k = 0; k < m; ++k) {
        const stats::Moments x = stats::momentsOfSorted(menu.Valori.column(k), n);
        p.Medie.push_back(x.mean);
        p.Varianze.push_back(x.variance);
        p.DeviazioniStandard.push_back(x.standardDeviation);
        p.Min.push_back(x.min);
        p.Max.push_back(x.max);
        p.Mediana.push_back(x.median);
    }
    section.check();
    return sample;
}

StringGrid DistributionWindow::commonResultTable(const Sample& sample, int rows) const
{
    StringGrid table;
    const int m = static_cast<int>(sample.columns.size());
    TMenuGEN::PulisciTabella(rows, m, table, true);
    const DistributionParameters& p = sample.parameters;
    for (int k = 0; k < m; ++k) {
        table.setHeader(k, menu.Tabella_TXT.header(sample.columns[k]));
        table.setWidth(k, 160);
        const std::vector<LabelledValue> cells{
            {"Average", formatValue(p.Medie[k], sample.digits)},
            {"Variance", formatValue(p.Varianze[k], sample.digits)},
            {"Sta.Dev.", formatValue(p.DeviazioniStandard[k], sample.digits)},
            {"Min", formatValue(p.Min[k], sample.digits)},
            {"Max", formatValue(p.Max[k], sample.digits)},
            {"Median", formatValue(p.Mediana[k], sample.digits)},
            {"Count", IntToStr(sample.rows)},
        };
        writeLabelsAbove(table, k, 0, cells);
    }
    return table;
}

void DistributionWindow::keepResults(Sample&& sample, StringGrid&& table)
{
    showResults(std::move(table));
    Medie = std::move(sample.parameters.Medie);
    Varianze = std::move(sample.parameters.Varianze);
    DeviazioniStandard = std::move(sample.parameters.DeviazioniStandard);
    Min = std::move(sample.parameters.Min);
    Max = std::move(sample.parameters.Max);
    Mediana = std::move(sample.parameters.Mediana);
    valoriCalcolati_ = menu.Valori;
}

std::optional<int> DistributionWindow::drawnColumn()
{
    if (Tabella_TXT.rowCount() >= requiredRows && Colonna_LST.itemIndex >= 0) {
        const std::string name = Colonna_LST.selectedText();
        for (int c = 0; c < Tabella_TXT.columnCount(); ++c) {
            if (Tabella_TXT.header(c) == name) return c;
        }
    }
    platform.showMessage(mustComputeFirst);
    return std::nullopt;
}

OccurrenceScan DistributionWindow::scanDrawnColumn(int k) const
{
    return scanOccurrences(drawnValues(k), drawnRows(), NonDisegnareValoriNulli_CHK.checked);
}

void DistributionWindow::startDrawing(const std::string& titlePrefix)
{
    Grafico.title = titlePrefix + Colonna_LST.selectedText();
    Grafico.leftAxis.title = drawsDensity() ? Disegna_DensitaProbabilita_CHK.caption
                                            : Disegna_FunzioneRipartizione_CHK.caption;
    Grafico.resetForDrawing();
}

void DistributionWindow::addOccurrencePoints(const OccurrenceScan& scan, double scale)
{
    if (!IncludiValoriBase_CHK.checked) return;
    for (const OccurrenceGroup& g : scan.groups) {
        const double y = drawsDensity() ? g.count * scale
                                        : static_cast<double>(g.runningCount) / scan.totalCount;
        baseValuesSeries().addXY(g.value, y);
    }
}

}  // namespace velmora
