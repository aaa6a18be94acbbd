#pragma once
// Descriptive statistics: twenty-one measures of every checked column.
#include <vector>

#include "analysis/analysis_window.h"

namespace velmora {

// The measures of one sorted column.
struct DescriptiveMeasures {
    double average = 0, variance = 0, standardDeviation = 0, asymmetry = 0, kurtosis = 0, median = 0;
    double harmonicAverage = 0, geometricAverage = 0, quadraticAverage = 0, rootMeanSimple = 0;
    double min = 0, max = 0, firstQuartile = 0, thirdQuartile = 0, iqr = 0, mode = 0;
    int count = 0;
    int maxFrequency = 0;
};

// The measures of columns of ascending values, each columns[k][0..n-1]
// (n >= 1). A floating-point fault in a measure's own arithmetic makes that
// measure not-a-number and leaves the others; it raises no failure.
std::vector<DescriptiveMeasures> describeSorted(const std::vector<const double*>& columns, int n);

class TVelmoraDescrittiva : public AnalysisWindow {
public:
    explicit TVelmoraDescrittiva(TMenuGEN& menu);

    void Analisi_IMGClick();
};

}  // namespace velmora
