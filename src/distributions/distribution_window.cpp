#include "distributions/distribution_window.h"

#include <cmath>

#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "stats/moments.h"
#include "table/numbers.h"

namespace velmora {

std::vector<OccurrencePoint> scaledOccurrences(const OccurrenceScan& scan, double scale)
{
    std::vector<OccurrencePoint> points;
    points.reserve(scan.groups.size());
    for (const OccurrenceGroup& g : scan.groups)
        points.push_back({g.value, g.count, g.count * scale, static_cast<double>(g.runningCount) / scan.totalCount});
    return points;
}

std::vector<DistinctValueRow> densityRows(const double* values, int n, const OccurrenceScan& scan,
                                          const std::function<double(double)>& density,
                                          const std::function<double(double)>& cumulative)
{
    fp::Section section;
    double largest = -1e12;
    for (int r = 0; r < n; ++r) {
        const double d = density(values[r]);
        // The first value's fault wins, as a trap would have it; a quiet
        // not-a-number (a variance of one row) raises no flag on its way.
        section.check();
        if (std::isnan(d)) throw MathError(msg::invalidOperation);
        if (d > largest) largest = d;
    }
    const double scale = scan.largestCount > 0 ? largest / scan.largestCount : 0.0;
    std::vector<DistinctValueRow> rows;
    rows.reserve(scan.groups.size());
    for (const OccurrencePoint& p : scaledOccurrences(scan, scale))
        rows.push_back({p, density(p.value), cumulative(p.value)});
    section.check();
    return rows;
}

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

void DistributionWindow::addOccurrencePoints(const std::vector<OccurrencePoint>& points)
{
    if (!IncludiValoriBase_CHK.checked) return;
    for (const OccurrencePoint& p : points) baseValuesSeries().addXY(p.value, drawsDensity() ? p.density : p.cumulative);
}

std::string DistributionWindow::occurrenceFields(const OccurrencePoint& point) const
{
    return IntToStr(point.count) + '\t' + FloatToStr(point.density) + '\t' + FloatToStr(point.cumulative);
}

DistinctValuesDistribution::DistinctValuesDistribution(TMenuGEN& menu_, std::string className, std::string title,
                                                       std::string chartTitle, std::string drawingTitle)
    : DistributionWindow(menu_, std::move(className), std::move(title), std::move(chartTitle), 2),
      drawingTitle_(std::move(drawingTitle))
{
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    DisegnaDati_IMG.onClick = [this] { DisegnaDati_IMGClick(); };
    Esporta_Distribuzione_IMG.onClick = [this] { Esporta_Distribuzione_IMGClick(); };
}

void DistinctValuesDistribution::Analisi_IMGClick()
{
    std::optional<Sample> sample = readAndDescribe();
    if (!sample) return;
    StringGrid table = commonResultTable(*sample, 14);
    keepResults(std::move(*sample), std::move(table));
}

void DistinctValuesDistribution::DisegnaDati_IMGClick()
{
    const std::optional<int> k = drawnColumn();
    if (!k) return;
    const std::vector<DistinctValueRow> rows = distinctValueRows(*k);

    startDrawing(drawingTitle_);
    std::vector<OccurrencePoint> occurrences;
    for (const DistinctValueRow& row : rows) {
        functionSeries().addXY(row.occurrence.value, drawsDensity() ? row.f : row.F);
        occurrences.push_back(row.occurrence);
    }
    addOccurrencePoints(occurrences);
}

void DistinctValuesDistribution::Esporta_Distribuzione_IMGClick()
{
    const std::optional<int> k = drawnColumn();
    if (!k) return;
    saveChartData(requiredRows, [&] {
        std::vector<std::string> lines{"x\tf(x)\tF(x)\tOccurrency\tOcc.f(x)\tOcc.F(x)"};
        for (const DistinctValueRow& row : distinctValueRows(*k)) {
            lines.push_back(FloatToStr(row.occurrence.value) + '\t' + FloatToStr(row.f) + '\t' + FloatToStr(row.F) +
                            '\t' + occurrenceFields(row.occurrence));
        }
        return lines;
    });
}

}  // namespace velmora
