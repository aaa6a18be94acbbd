#pragma once
// The frame of the distribution windows: the drawing options, the first
// seven steps of Calcola (chosen columns, reading, sorting with progress and
// stop, the descriptive parameters), the drawn column and the chart with its
// two series. Each window adds its own parameters, curve and export.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_window.h"
#include "distributions/occurrence_scan.h"

namespace velmora {

// Mean, variance, standard deviation, minimum, maximum and median of the
// columns of one Calcola, one entry per chosen column. Variance and
// deviation are not-a-number for a single value.
struct DistributionParameters {
    std::vector<double> Medie, Varianze, DeviazioniStandard, Min, Max, Mediana;
};

// One occurrence group as drawn and exported: its value and count, and the
// heights of its point in the density and in the cumulative drawing.
struct OccurrencePoint {
    double value = 0.0;
    int count = 0;
    double density = 0.0;
    double cumulative = 0.0;
};

// The points of the groups with the count times `scale` for the density and
// the running count's share of the total count for the cumulative drawing.
std::vector<OccurrencePoint> scaledOccurrences(const OccurrenceScan& scan, double scale);

// A function and its cumulative function at one distinct value of the drawn
// column, beside that value's occurrence point.
struct DistinctValueRow {
    OccurrencePoint occurrence;
    double f = 0.0;
    double F = 0.0;
};

// The rows of a density and its cumulative function at the groups of
// `scan`, the occurrences scaled so that the largest count stands at the
// largest density over all values[0..n-1]. A density that is undefined at
// one of the values (not a number, or a floating-point fault) fails before
// any row is given.
std::vector<DistinctValueRow> densityRows(const double* values, int n, const OccurrenceScan& scan,
                                          const std::function<double(double)>& density,
                                          const std::function<double(double)>& cumulative);

class DistributionWindow : public AnalysisWindow {
public:
    DistributionWindow(TMenuGEN& menu, std::string className, std::string title, std::string chartTitle,
                       int functionLineWidth);

    CheckBox NonDisegnareValoriNulli_CHK{"NonDisegnareValoriNulli_CHK", "Non disegnare valori nulli"};
    Button DisegnaDati_IMG{"DisegnaDati_IMG", "Disegna Dati", ButtonIcon::Draw};
    RadioButton Disegna_DensitaProbabilita_CHK{"Disegna_DensitaProbabilita_CHK", "Probability Density", "Disegna",
                                               true};
    RadioButton Disegna_FunzioneRipartizione_CHK{"Disegna_FunzioneRipartizione_CHK", "Cumulative Probability",
                                                 "Disegna"};
    CheckBox IncludiValoriBase_CHK{"IncludiValoriBase_CHK", "Include base values", true};

    // The parameters of the last successful Calcola, one entry per column of
    // the result table.
    std::vector<double> Medie, Varianze, DeviazioniStandard, Min, Max, Mediana;

    // The sorted columns of the last successful Calcola. Drawing and export
    // read these, not the main window's Valori, which the descriptive
    // statistics, the other distribution windows and a failed Calcola refill.
    const ValoriArray& ValoriCalcolati() const { return valoriCalcolati_; }

    static constexpr int requiredRows = 6;

protected:
    // What steps 1 to 7 of Calcola leave for the window to finish.
    struct Sample {
        std::vector<int> columns;  // data-table columns, in the order chosen
        int digits = 0;
        int rows = 0;
        DistributionParameters parameters;  // over the sorted columns in Valori
    };

    // Steps 1 to 7: refills Colonna_LST with the chosen columns, reads and
    // sorts them into the main window's Valori and computes the parameters.
    // Empty when refused for want of a column or stopped with "Ferma"; a
    // failure propagates. Nothing of the window's results changes here.
    std::optional<Sample> readAndDescribe();
    // Windows with boxes of their own bring them to the decimal separator
    // together with the digit count.
    virtual void normaliseInputBoxes() {}

    // A result table of `rows` rows: the chosen headers and rows 0 to 13
    // (Average to Count), shown rounded when the option is on.
    StringGrid commonResultTable(const Sample& sample, int rows) const;
    // The end of a successful Calcola: the table is shown (see showResults),
    // then the parameters and the sorted columns become the window's.
    void keepResults(Sample&& sample, StringGrid&& table);

    // The result column whose header is the entry picked in Colonna_LST,
    // the first one that matches. Without results, or when the pick names
    // none of them (a Calcola refused, failed or stopped since), shows
    // "Devi prima calcolare i parametri delle distribuzioni" and gives none.
    std::optional<int> drawnColumn();
    int drawnRows() const { return valoriCalcolati_.rows(); }
    const double* drawnValues(int k) const { return valoriCalcolati_.column(k); }
    OccurrenceScan scanDrawnColumn(int k) const;
    bool drawsDensity() const { return Disegna_DensitaProbabilita_CHK.checked; }

    ChartSeries& functionSeries() { return Grafico.series[0]; }
    ChartSeries& baseValuesSeries() { return Grafico.series[1]; }
    // Title with the drawn column's name, the left axis titled after the
    // chosen function, the chart reset for drawing.
    void startDrawing(const std::string& titlePrefix);
    // The occurrence points, when "Include base values" is checked, at the
    // height of the chosen function.
    void addOccurrencePoints(const std::vector<OccurrencePoint>& points);
    // The occurrence fields of an export line: count, density height and
    // cumulative height, joined by tabs.
    std::string occurrenceFields(const OccurrencePoint& point) const;

    // The declarations before and after a window's own boxes, in layout order.
    void declareLeadingControls();
    void declareDrawingControls();

private:
    ValoriArray valoriCalcolati_;
};

// The distribution windows whose function is drawn at the distinct values
// of the drawn column (uniform, Rayleigh, Weibull): each gives its rows and
// texts, the frame draws them and writes them out.
class DistinctValuesDistribution : public DistributionWindow {
public:
    DistinctValuesDistribution(TMenuGEN& menu, std::string className, std::string title, std::string chartTitle,
                               std::string drawingTitle);

    // Calcola: the descriptive rows 0 to 13.
    virtual void Analisi_IMGClick();
    void DisegnaDati_IMGClick();
    void Esporta_Distribuzione_IMGClick();

protected:
    // The rows of result column k in ascending order of value; fails before
    // anything is drawn or written.
    virtual std::vector<DistinctValueRow> distinctValueRows(int k) = 0;

private:
    std::string drawingTitle_;
};

}  // namespace velmora
