#include "app/application.h"

#include "descriptive/andamenti.h"
#include "descriptive/occorrenze.h"
#include "descriptive/velmora_descrittiva.h"
#include "distributions/distribuzione_normale.h"
#include "distributions/distribuzione_rayleigh.h"
#include "distributions/distribuzione_uniforme.h"
#include "distributions/distribuzione_weibull.h"
#include "inference/autocorrelazione.h"
#include "inference/correlazione.h"
#include "inference/test_anova.h"
#include "inference/test_t.h"
#include "regression/regressione_lineare.h"
#include "regression/regressione_multipla_esponenziale.h"
#include "regression/regressione_multipla_lineare.h"
#include "regression/regressione_multipla_logaritmica.h"
#include "regression/regressione_multipla_potenza.h"
#include "table/autocorrelazione_tipi.h"
#include "table/equazioni.h"
#include "table/equazioni_grafiche.h"
#include "table/informazioni.h"
#include "table/rinomina_colonna.h"
#include "transform/filtra_dati.h"
#include "transform/filtri_smoothing.h"
#include "transform/matrice.h"
#include "transform/operazioni.h"

namespace velmora {

Application::Application(Platform& platform) : platform_(platform), menu_(std::make_unique<TMenuGEN>(platform))
{
    // The main window's creation ends with the splash, before any other
    // window exists.
    menu_->showSplash();
    // The other windows, in the start-up order; each registers with the
    // main window so that "Analizza" and the buttons can show it.
    create<TAndamenti>();
    create<TDistribuzioneNormale>();
    create<TDistribuzioneRayleigh>();
    create<TDistribuzioneUniforme>();
    create<TDistribuzioneWeibull>();
    create<TInformazioni>();
    create<TFiltraDati>();
    create<TOccorrenze>();
    create<TOperazioni>();
    create<TTestANOVA>();
    create<TTestT>();
    create<TEquazioni>();
    create<TRegressioneLineare>();
    create<TEquazioniGrafiche>();
    create<TAutocorrelazione>();
    create<TMatrice>();
    create<TAutocorrelazioneTipi>();
    create<TVelmoraDescrittiva>();
    create<TFiltriSmoothing>();
    create<TRinominaColonna>();
    create<TCorrelazione>();
    create<TRegressioneMultiplaLineare>();
    create<TRegressioneMultiplaLogaritmica>();
    create<TRegressioneMultiplaEsponenziale>();
    create<TRegressioneMultiplaPotenza>();
}

Application::~Application()
{
    // The views go before the windows they show.
    for (Window* w : windows()) platform_.release(*w);
}

template <class W>
W& Application::create()
{
    auto w = std::make_unique<W>(*menu_);
    W& ref = *w;
    menu_->registerWindow(ref);
    windows_.push_back(std::move(w));
    return ref;
}

std::vector<Window*> Application::windows() const
{
    std::vector<Window*> all{menu_.get()};
    for (const auto& w : windows_) all.push_back(w.get());
    return all;
}

Window* Application::window(std::string_view className) const
{
    if (className == menu_->className()) return menu_.get();
    return menu_->window(className);
}

}  // namespace velmora
