#include "distributions/distribuzione_normale.h"

#include <cmath>

#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "stats/moments.h"
#include "table/numbers.h"

namespace velmora {

std::vector<NormalCurveRow> normalCurve(double mean, double variance, double standardDeviation)
{
    // A quiet not-a-number raises no flag on its way through.
    if (std::isnan(variance) || std::isnan(standardDeviation)) throw MathError(msg::invalidOperation);
    fp::Section section;
    std::vector<NormalCurveRow> rows;
    rows.reserve(81);
    double sum = 0.0;
    for (int i = -40; i <= 40; ++i) {
        const double z = i / 10.0;
        const double x = z * standardDeviation + mean;
        const double f = normalDensity(x, mean, variance);
        sum += f;
        rows.push_back({z, x, f, sum});
    }
    double largest = 0.0;
    for (const NormalCurveRow& r : rows) {
        if (r.F > largest) largest = r.F;
    }
    for (NormalCurveRow& r : rows) r.F = largest == 0.0 ? 0.0 : r.F / largest;
    section.check();
    return rows;
}

NearestGroup nearestGroup(const OccurrenceScan& scan, double target)
{
    NearestGroup nearest;
    for (const OccurrenceGroup& g : scan.groups) {
        const double d = std::fabs(g.value - target);
        if (d < nearest.distance) nearest = {g.count, d};
    }
    return nearest;
}

double normalOccurrenceScale(const OccurrenceScan& scan, double mean, double variance, double standardDeviation,
                             const std::function<double()>& proportionFactor)
{
    fp::Section section;
    const double atMean = normalDensity(mean, mean, variance);
    const double atPlus = normalDensity(mean + standardDeviation, mean, variance);
    const double atMinus = normalDensity(mean - standardDeviation, mean, variance);
    const NearestGroup plus = nearestGroup(scan, mean + standardDeviation);
    const NearestGroup minus = nearestGroup(scan, mean - standardDeviation);
    section.check();

    double peak = atMean;
    double denominator = scan.largestCount;
    // Without a group there is nothing to compare (and no largest count to
    // divide by).
    const bool tooLow = (plus.distance != 1e12 && plus.count * atMean / scan.largestCount < 0.97 * atPlus) ||
                        (minus.distance != 1e12 && minus.count * atMean / scan.largestCount < 0.97 * atMinus);
    if (tooLow) {
        const double factor = proportionFactor();
        if (minus.distance < plus.distance) {
            denominator = factor * minus.count;
            peak = atMinus;
        } else {
            denominator = factor * plus.count;
            peak = atPlus;
        }
    }
    const double scale = denominator > 0 ? peak / denominator : 0.0;
    section.check();
    return scale;
}

std::string medianVerdict(double mean, double median)
{
    return mean - 0.1 <= median && median <= mean + 0.1 ? "OK (Media=Mediana)" : "NO (Media<>Mediana)";
}

std::string skewnessVerdict(double skewness)
{
    if (std::isnan(skewness)) return {};
    return -2 <= skewness && skewness <= 2 ? "OK (Asimmetria)" : "NO (Asimmetria)";
}

std::string kurtosisVerdict(double kurtosis)
{
    if (std::isnan(kurtosis)) return {};
    return kurtosis > 0 ? "Leptocurtica (curva aguzza)" : "Platicurtica (curva piatta)";
}

TDistribuzioneNormale::TDistribuzioneNormale(TMenuGEN& menu_)
    : DistributionWindow(menu_, "TDistribuzioneNormale", "Distribuzione Normale", "Normal (Gaussian) distribution ",
                         1)
{
    FattoreProporzione_TXT.preferredWidth = 50;
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    DisegnaDati_IMG.onClick = [this] { DisegnaDati_IMGClick(); };
    Esporta_Distribuzione_IMG.onClick = [this] { Esporta_Distribuzione_IMGClick(); };
    declareLeadingControls();
    declare(FattoreProporzione_TXT);
    declareDrawingControls();
}

void TDistribuzioneNormale::Analisi_IMGClick()
{
    std::optional<Sample> sample = readAndDescribe();
    if (!sample) return;
    const int m = static_cast<int>(sample->columns.size());
    const DistributionParameters& p = sample->parameters;

    std::vector<double> skewness, kurtosis;
    for (int k = 0; k < m; ++k) {
        const stats::Shape shape = stats::shapeOf(menu.Valori.column(k), sample->rows, p.Medie[k], p.DeviazioniStandard[k]);
        skewness.push_back(shape.skewness);
        kurtosis.push_back(shape.kurtosis);
    }

    StringGrid table = commonResultTable(*sample, 22);
    for (int k = 0; k < m; ++k) {
        const int row = writeLabelsAbove(table, k, 14,
                                         {{"Asymmetry", formatValue(skewness[k], sample->digits)},
                                          {"Kurtosis", formatValue(kurtosis[k], sample->digits)}});
        table.setCell(k, row, "- VERIFICA -");
        table.setCell(k, row + 1, medianVerdict(p.Medie[k], p.Mediana[k]));
        table.setCell(k, row + 2, skewnessVerdict(skewness[k]));
        table.setCell(k, row + 3, kurtosisVerdict(kurtosis[k]));
    }
    keepResults(std::move(*sample), std::move(table));
    Asimmetria = std::move(skewness);
    Curtosi = std::move(kurtosis);
}

TDistribuzioneNormale::Drawing TDistribuzioneNormale::drawing(int k)
{
    normaliseDecimalText(FattoreProporzione_TXT);
    Drawing d;
    d.curve = normalCurve(Medie[k], Varianze[k], DeviazioniStandard[k]);
    const OccurrenceScan scan = scanDrawnColumn(k);
    const double scale = normalOccurrenceScale(scan, Medie[k], Varianze[k], DeviazioniStandard[k],
                                               [this] { return readNumberBox(FattoreProporzione_TXT); });
    d.occurrences = scaledOccurrences(scan, scale);
    return d;
}

void TDistribuzioneNormale::DisegnaDati_IMGClick()
{
    const std::optional<int> k = drawnColumn();
    if (!k) return;
    const Drawing d = drawing(*k);

    startDrawing("Normal (Gaussian) distribution - ");
    for (const NormalCurveRow& row : d.curve) functionSeries().addXY(row.x, drawsDensity() ? row.f : row.F);
    addOccurrencePoints(d.occurrences);
}

void TDistribuzioneNormale::Esporta_Distribuzione_IMGClick()
{
    const std::optional<int> k = drawnColumn();
    if (!k) return;
    saveChartData(requiredRows, [&] {
        const Drawing d = drawing(*k);
        const auto groupFields = [&](const OccurrencePoint& p) { return FloatToStr(p.value) + '\t' + occurrenceFields(p); };
        std::vector<std::string> lines{"Z\tx\tf(x)\tF(x)\t\tx\tOccurrency\tOcc.f(x)\tOcc.F(x)"};
        const std::size_t groups = d.occurrences.size();
        for (std::size_t i = 0; i < d.curve.size(); ++i) {
            const NormalCurveRow& row = d.curve[i];
            std::string line = FloatToStr(row.z) + '\t' + FloatToStr(row.x) + '\t' + FloatToStr(row.f) + '\t' +
                               FloatToStr(row.F);
            if (i < groups) line += "\t\t" + groupFields(d.occurrences[i]);
            lines.push_back(std::move(line));
        }
        for (std::size_t g = d.curve.size(); g < groups; ++g) lines.push_back("\t\t\t\t\t" + groupFields(d.occurrences[g]));
        return lines;
    });
}

}  // namespace velmora
