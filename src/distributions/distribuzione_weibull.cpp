#include "distributions/distribuzione_weibull.h"

#include "stats/densities.h"

namespace velmora {

TDistribuzioneWeibull::TDistribuzioneWeibull(TMenuGEN& menu_)
    : DistinctValuesDistribution(menu_, "TDistribuzioneWeibull", "Distribuzione di Weibull", "Weibull distribution",
                                 "Weibull distribution - ")
{
    k_TXT.preferredWidth = 50;
    lamda_TXT.preferredWidth = 50;
    declareLeadingControls();
    declare(k_TXT);
    declare(lamda_TXT);
    declareDrawingControls();
}

void TDistribuzioneWeibull::normaliseInputBoxes()
{
    normaliseDecimalText(k_TXT);
    normaliseDecimalText(lamda_TXT);
}

std::vector<DistinctValueRow> TDistribuzioneWeibull::distinctValueRows(int k)
{
    const double shape = readNumberBox(k_TXT);
    const double scale = readNumberBox(lamda_TXT);
    return densityRows(
        drawnValues(k), drawnRows(), scanDrawnColumn(k),
        [=](double x) { return stats::weibullDensity(x, shape, scale); },
        [=](double x) { return stats::weibullCumulative(x, shape, scale); });
}

}  // namespace velmora
