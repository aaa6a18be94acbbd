#pragma once
// What the trends and occurrences windows share beside the analysis frame:
// "Disegna Dati", drawing as single or joined points (a switch redraws), and
// the page of typical curves beside the window.
#include "analysis/analysis_window.h"

namespace velmora {

class PointsChartWindow : public AnalysisWindow {
public:
    PointsChartWindow(TMenuGEN& menu, std::string className, std::string title, int width, int height);

    Button DisegnaDati_IMG{"DisegnaDati_IMG", "Disegna Dati", ButtonIcon::Draw};
    RadioButton Punti_Singoli_CHK{"Punti_Singoli_CHK", "Punti Singoli", "gruppo_1", true};
    RadioButton Punti_Uniti_CHK{"Punti_Uniti_CHK", "Punti Uniti", "gruppo_1"};
    Button Tipologie_IMG{"Tipologie_IMG", "Distribuzioni", ButtonIcon::Pictures};

    virtual void DisegnaDati_IMGClick() = 0;
    // Both radio buttons report their change here.
    virtual void Punti_Singoli_CHKChange() { DisegnaDati_IMGClick(); }
    void Tipologie_IMGClick();

protected:
    bool drawsSinglePoints() const { return Punti_Singoli_CHK.checked; }
};

}  // namespace velmora
