#pragma once
// The uniform distribution: every distinct value of a column equally likely.
// Calcola gives each column's probability beside its parameters; the drawing
// puts that probability (or its running sum) at every distinct value with
// the observed share of the value.
#include <vector>

#include "distributions/distribution_window.h"

namespace velmora {

// The distinct values of sorted[0..n-1]: a value counts when it differs
// from the one before it, the first one from -1e12.
int distinctValueCount(const double* sorted, int n);

// The rows of the drawing: the probability and its running sum at every
// group, the group's count and running count as shares of `rows`, the
// column's rows with its zeros.
std::vector<DistinctValueRow> uniformRows(const OccurrenceScan& scan, double probability, int rows);

class TDistribuzioneUniforme : public DistinctValuesDistribution {
public:
    explicit TDistribuzioneUniforme(TMenuGEN& menu);

    // The probability of each distinct value and the number of distinct
    // values, per column of the last successful Calcola.
    std::vector<double> Probabilita;
    std::vector<int> NumeroOccorrenze;

    void Analisi_IMGClick() override;

protected:
    std::vector<DistinctValueRow> distinctValueRows(int k) override;
};

}  // namespace velmora
