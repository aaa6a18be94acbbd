#include "inference/autocorrelazione.h"

#include <cmath>
#include <string>

#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "stats/correlogram_lags.h"
#include "table/numbers.h"

namespace velmora {

double columnMean(const double* y, int n)
{
    double sum = 0;
    bool constant = true;
    for (int i = 0; i < n; ++i) {
        sum += y[i];
        constant = constant && y[i] == y[0];
    }
    if (constant && n > 0) return y[0];
    return sum / n;
}

LagRange lagRange(int n, bool limited, long long lower, long long upper)
{
    LagRange r{1, n / 4};
    if (!limited) return r;
    r.kmin = std::max(lower, 1LL);
    r.kmax = std::min<long long>(upper, n / 4);
    return r;
}

TAutocorrelazione::TAutocorrelazione(TMenuGEN& menu_)
    : AnalysisWindow(menu_, "TAutocorrelazione", "Autocorrelazione", 960, 600)
{
    Colonna_LST.caption = "Colonna da elaborare";
    Limite_K_inf_TXT.enabled = false;
    Limite_K_sup_TXT.enabled = false;
    Tabella_TXT.wholeRowSelection = true;
    Grafico.title = "Correlogram";
    Grafico.leftAxis.title = "R";
    Grafico.legendVisible = false;
    ChartSeries bars;
    bars.kind = SeriesKind::Bar;
    bars.color = colors::cornflowerBlue;
    Grafico.addSeries(bars);

    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    DisegnaDati_IMG.onClick = [this] { DisegnaDati_IMGClick(); };
    SostituisciTabella_IMG.onClick = [this] { SostituisciTabella_IMGClick(); };
    Tipologie_IMG.onClick = [this] { Tipologie_IMGClick(); };
    Limite_K_CHK.onChange = [this] { Limite_K_CHKChange(); };

    declareStandardCommands(true);
    declare(Limite_K_CHK);
    declare(Limite_K_inf_TXT).preferredWidth = 50;
    declare(Limite_K_sup_TXT).preferredWidth = 50;
    declare(DisegnaDati_IMG);
    declare(SalvaGrafico_IMG);
    declare(Tipologie_IMG);
    declare(SostituisciTabella_IMG);
    declare(Colonna_LST);
    declare(Tabella_TXT);
    declareChartWithoutAxisMenu();
    declare(barra);
}

void TAutocorrelazione::Limite_K_CHKChange()
{
    Limite_K_inf_TXT.enabled = Limite_K_CHK.checked;
    Limite_K_sup_TXT.enabled = Limite_K_CHK.checked;
}

long long TAutocorrelazione::wholeNumberOf(EditBox& box)
{
    const double typed = readNumberBox(box);
    // Far beyond any row count, as a typed integer would fail.
    if (!(std::fabs(typed) < 2147483647.0)) throwNotAnInteger(box.text);
    return roundHalfEven(typed);
}

void TAutocorrelazione::Analisi_IMGClick()
{
    beginRun();
    const int column = columnOfName(Colonna_LST.selectedText());
    for (EditBox* box : {&Limite_K_inf_TXT, &Limite_K_sup_TXT}) normaliseDecimalText(*box);
    const int digits = digitCount();

    const int n = menu.Tabella_TXT.rowCount();
    Valori.resize(n);
    for (int r = 0; r < n; ++r) Valori[r] = readValue(column, r, digits);
    fp::Section section;
    const double mean = columnMean(Valori.data(), n);

    LagRange lags = lagRange(n, false, 0, 0);
    if (Limite_K_CHK.checked) {
        const long long lower = wholeNumberOf(Limite_K_inf_TXT);
        const long long upper = wholeNumberOf(Limite_K_sup_TXT);
        lags = lagRange(n, true, lower, upper);
        if (lags.kmin > lags.kmax + 1) {
            platform.showMessage("Il limite inferiore di K (" + std::to_string(lags.kmin) +
                                 ") supera il limite superiore (" + std::to_string(lags.kmax) +
                                 ").\rIl limite superiore è al massimo il numero di righe diviso 4.");
            return;
        }
        Limite_K_inf_TXT.text = IntToStr(lags.kmin);
        Limite_K_sup_TXT.text = IntToStr(lags.kmax);
    }
    const int kmin = static_cast<int>(lags.kmin), kmax = static_cast<int>(lags.kmax);

    barra.maximum = kmax;
    barra.position = kmin;
    const stats::CorrelogramRange sums = stats::correlogramOverLags(Valori.data(), n, mean, kmin, kmax);
    std::vector<double> R(static_cast<std::size_t>(kmax - kmin + 1));
    for (int k = kmin; k <= kmax; ++k) {
        const double denominator = sums.denominators[k - kmin];
        R[k - kmin] = denominator != 0 ? sums.numerators[k - kmin] / denominator : 0.0;
        if ((k - kmin) % 50 == 0 && progressStep(k)) break;
    }
    section.check();
    finishProgress();
    if (reportStopped()) return;

    StringGrid table;
    TMenuGEN::PulisciTabella(static_cast<int>(R.size()), 2, table, true);
    table.setHeader(0, "K");
    table.setHeader(1, "Correlation");
    table.setWidth(1, 150);  // room for fifteen digits
    for (int i = 0; i < static_cast<int>(R.size()); ++i) {
        table.setCell(0, i, IntToStr(kmin + i));
        table.setCell(1, i, formatValue(R[i], digits));
    }
    Correlazione = std::move(R);
    if (!Correlazione.empty()) drawCorrelogram();
    showResults(std::move(table));
}

void TAutocorrelazione::DisegnaDati_IMGClick()
{
    if (Tabella_TXT.rowCount() >= 1) drawCorrelogram();
}

void TAutocorrelazione::drawCorrelogram()
{
    Grafico.title = "Correlation - " + Colonna_LST.selectedText();
    Grafico.resetForDrawing();
    // At their order numbers, not at their lags.
    for (double r : Correlazione) Serie_Correlazione().add(r);
}

void TAutocorrelazione::SostituisciTabella_IMGClick()
{
    // Built in full first: a failure leaves the data table as it was.
    StringGrid table;
    TMenuGEN::PulisciTabella(static_cast<int>(Correlazione.size()), 2, table, true);
    for (int c = 0; c < 2; ++c) {
        table.setHeader(c, Tabella_TXT.header(c));
        for (int r = 0; r < table.rowCount(); ++r) table.setCell(c, r, Tabella_TXT.cell(c, r));
    }
    menu.replaceTable(table);
    platform.showMessage("Tabella sostituita");
}

void TAutocorrelazione::Tipologie_IMGClick()
{
    if (Window* w = menu.window("TAutocorrelazioneTipi")) platform.showModal(*w);
}

}  // namespace velmora
