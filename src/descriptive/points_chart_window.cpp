#include "descriptive/points_chart_window.h"

#include "controls/platform.h"

namespace velmora {

PointsChartWindow::PointsChartWindow(TMenuGEN& menu_, std::string className, std::string title, int width,
                                     int height)
    : AnalysisWindow(menu_, std::move(className), std::move(title), width, height)
{
    DisegnaDati_IMG.onClick = [this] { DisegnaDati_IMGClick(); };
    Punti_Singoli_CHK.onChange = [this] { Punti_Singoli_CHKChange(); };
    Punti_Uniti_CHK.onChange = [this] { Punti_Singoli_CHKChange(); };
    Tipologie_IMG.onClick = [this] { Tipologie_IMGClick(); };
}

void PointsChartWindow::Tipologie_IMGClick()
{
    if (Window* curves = menu.window("TEquazioniGrafiche")) platform.show(*curves);
}

}  // namespace velmora
