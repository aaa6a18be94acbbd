#pragma once
// The Weibull distribution of a shape and a scale the user types, drawn at a
// column's distinct values beside its occurrences, for judging the choice.
#include <vector>

#include "distributions/distribution_window.h"

namespace velmora {

class TDistribuzioneWeibull : public DistinctValuesDistribution {
public:
    explicit TDistribuzioneWeibull(TMenuGEN& menu);

    EditBox k_TXT{"k_TXT", "k", "1,5"};
    EditBox lamda_TXT{"lamda_TXT", "λ", "1"};

protected:
    void normaliseInputBoxes() override;
    // k and λ are read anew from their boxes for every drawing and export.
    std::vector<DistinctValueRow> distinctValueRows(int k) override;
};

}  // namespace velmora
