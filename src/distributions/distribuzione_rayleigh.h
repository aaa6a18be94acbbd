#pragma once
// The Rayleigh distribution whose squared scale is a column's variance,
// drawn at the column's distinct values beside its occurrences.
#include <vector>

#include "distributions/distribution_window.h"

namespace velmora {

class TDistribuzioneRayleigh : public DistinctValuesDistribution {
public:
    explicit TDistribuzioneRayleigh(TMenuGEN& menu);

protected:
    std::vector<DistinctValueRow> distinctValueRows(int k) override;
};

}  // namespace velmora
