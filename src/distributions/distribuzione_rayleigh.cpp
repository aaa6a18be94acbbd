#include "distributions/distribuzione_rayleigh.h"

#include "stats/densities.h"

namespace velmora {

TDistribuzioneRayleigh::TDistribuzioneRayleigh(TMenuGEN& menu_)
    : DistinctValuesDistribution(menu_, "TDistribuzioneRayleigh", "Distribuzione di Rayleigh",
                                 "Rayleigh distribution ", "Rayleigh distribution - ")
{
    declareLeadingControls();
    declareDrawingControls();
}

std::vector<DistinctValueRow> TDistribuzioneRayleigh::distinctValueRows(int k)
{
    // A variance of 0 or not a number (one row) leaves the density undefined.
    const double variance = Varianze[k];
    return densityRows(
        drawnValues(k), drawnRows(), scanDrawnColumn(k),
        [variance](double x) { return stats::rayleighDensity(x, variance); },
        [variance](double x) { return stats::rayleighCumulative(x, variance); });
}

}  // namespace velmora
