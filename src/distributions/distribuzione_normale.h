#pragma once
// The normal distribution: the parameters and three verdicts of every chosen
// column, the Gaussian curve of one column with its occurrences, and the data
// of that drawing as a text table.
#include <functional>
#include <string>
#include <vector>

#include "distributions/distribution_window.h"
#include "stats/densities.h"

namespace velmora {

using stats::normalDensity;

struct NormalCurveRow {
    double z, x, f, F;
};

// 81 rows for z = -4.0 to 4.0 in steps of 0.1: x = z s + mean, the density
// f, and F, the share of the samples of f summed so far (1 at the last row).
// A variance that is not a number (a single value) is an invalid operation.
std::vector<NormalCurveRow> normalCurve(double mean, double variance, double standardDeviation);

// The group nearest to `target` (the first of equally near ones): its count
// and distance, or the distance 1e12 when there is none.
struct NearestGroup {
    int count = 0;
    double distance = 1e12;
};
NearestGroup nearestGroup(const OccurrenceScan& scan, double target);

// The factor that brings the occurrence counts to the curve: the largest
// count at the peak, unless the groups nearest to mean +- s would then lie
// clearly below the curve; then the nearer of them, times the proportion
// factor, at the curve's height there. `proportionFactor` is read only in
// that case. Without groups the scale is 0.
double normalOccurrenceScale(const OccurrenceScan& scan, double mean, double variance, double standardDeviation,
                             const std::function<double()>& proportionFactor);

// The three verdict rows: median against mean, skewness, kurtosis. A
// skewness or kurtosis that is not a number (a single value) gets no verdict.
std::string medianVerdict(double mean, double median);
std::string skewnessVerdict(double skewness);
std::string kurtosisVerdict(double kurtosis);

class TDistribuzioneNormale : public DistributionWindow {
public:
    explicit TDistribuzioneNormale(TMenuGEN& menu);

    EditBox FattoreProporzione_TXT{"FattoreProporzione_TXT", "Fattore di proporz.", "1,8"};

    // Skewness and excess kurtosis of the last successful Calcola.
    std::vector<double> Asimmetria, Curtosi;

    void Analisi_IMGClick();
    void DisegnaDati_IMGClick();
    void Esporta_Distribuzione_IMGClick();

private:
    struct Drawing {
        std::vector<NormalCurveRow> curve;
        std::vector<OccurrencePoint> occurrences;
    };
    // The curve and the scaled occurrences of result column k; fails before
    // anything is drawn or written.
    Drawing drawing(int k);
};

}  // namespace velmora
