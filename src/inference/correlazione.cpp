#include "inference/correlazione.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "controls/fpcheck.h"
#include "table/numbers.h"

namespace velmora {

PearsonFigures pearson(const double* a, const double* b, int n)
{
    PearsonFigures p;
    fp::Section section;
    double sumA = 0, sumB = 0;
    for (int i = 0; i < n; ++i) {
        sumA += a[i];
        sumB += b[i];
    }
    p.meanA = sumA / n;
    p.meanB = sumB / n;
    double sab = 0, saa = 0, sbb = 0;
    for (int i = 0; i < n; ++i) {
        const double da = a[i] - p.meanA, db = b[i] - p.meanB;
        sab += da * db;
        saa += da * da;
        sbb += db * db;
    }
    p.r = sab / (std::sqrt(saa) * std::sqrt(sbb));
    p.standardDeviationA = std::sqrt(saa / (n - 1));
    p.standardDeviationB = std::sqrt(sbb / (n - 1));
    p.covariance = sab / (n - 1);
    section.check();
    return p;
}

std::vector<double> averageRanks(const double* values, int n)
{
    std::vector<int> order(static_cast<std::size_t>(std::max(n, 0)));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [values](int x, int y) { return values[x] < values[y]; });
    std::vector<double> ranks(order.size());
    for (std::size_t first = 0; first < order.size();) {
        std::size_t last = first + 1;  // one past the run of equal values
        while (last < order.size() && values[order[last]] == values[order[first]]) ++last;
        // The run takes the ranks first + 1 .. last; each gets their mean.
        const double rank = (static_cast<double>(first + 1) + static_cast<double>(last)) / 2;
        for (std::size_t i = first; i < last; ++i) ranks[order[i]] = rank;
        first = last;
    }
    return ranks;
}

const char* correlationVerdict(double r)
{
    // Each band is open towards -1 and closed towards +1.
    auto within = [r](double bound) { return -bound < r && r <= bound; };
    if (within(0.1)) return "Nessuna correlazione tra le serie";
    if (within(0.5)) return "Scarsa correlazione tra le serie";
    if (within(0.7)) return "Buona correlazione tra le serie";
    return "Ottima correlazione tra le serie";
}

TCorrelazione::TCorrelazione(TMenuGEN& menu_) : AnalysisWindow(menu_, "TCorrelazione", "Correlazione", 640, 480)
{
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    Descrizione_LAB.color = colors::orange;
    Descrizione_LAB.wordWrap = true;
    TipoAnalisi_LST.add("Pearson");
    TipoAnalisi_LST.add("Spearman");
    TipoAnalisi_LST.itemIndex = 0;
    declareStandardCommands(false);
    declare(TipoAnalisi_LST);
    declare(Descrizione_LAB);
    declare(ListaColonne);
    declare(Tabella_TXT);
}

void TCorrelazione::Analisi_IMGClick()
{
    beginRun();
    const std::vector<int> columns = checkedColumns();
    if (columns.size() < 2) {
        platform.showMessage("Devi selezionare almeno due colonne da confrontare");
        return;
    }
    if (columns.size() > 2) {
        platform.showMessage("Puoi selezionare massimo due colonne");
        return;
    }
    // The box is brought to the separator like everywhere else, but this
    // window shows its figures unrounded.
    digitCount();
    const int n = menu.Tabella_TXT.rowCount();
    Valori.resize(n, 2);
    for (int r = 0; r < n; ++r)
        for (int k = 0; k < 2; ++k) Valori(r, k) = StrToFloat(menu.Tabella_TXT.cell(columns[k], r), menu.DecimalSeparator);

    const bool spearman = TipoAnalisi_LST.selectedText() == "Spearman";
    std::vector<double> ranks[2];
    if (spearman) {
        for (int k = 0; k < 2; ++k) ranks[k] = averageRanks(Valori.column(k), n);
    }
    const PearsonFigures p = spearman ? pearson(ranks[0].data(), ranks[1].data(), n)
                                      : pearson(Valori.column(0), Valori.column(1), n);

    const std::string& x = menu.Tabella_TXT.header(columns[0]);
    const std::string& y = menu.Tabella_TXT.header(columns[1]);
    StringGrid table;
    TMenuGEN::PulisciTabella(spearman ? n + 9 : 7, 2, table, true);
    table.setHeader(0, "Parameter");
    table.setHeader(1, "Value");
    table.setWidth(0, 160);
    table.setWidth(1, 300);
    writeLabelsBeside(table, 0, 0,
                      {
                          {"Average(" + x + ")", FloatToStr(p.meanA)},
                          {"Average(" + y + ")", FloatToStr(p.meanB)},
                          {"StdDev(" + x + ")", FloatToStr(p.standardDeviationA)},
                          {"StdDev(" + y + ")", FloatToStr(p.standardDeviationB)},
                          {"Covariance", FloatToStr(p.covariance)},
                          {spearman ? "Spearman" : "Pearson", FloatToStr(p.r)},
                          {"Verifica", correlationVerdict(p.r)},
                      });
    if (spearman) {
        // Row 7 stays empty.
        table.setCell(0, 8, "Rank(" + x + ")");
        table.setCell(1, 8, "Rank(" + y + ")");
        for (int k = 0; k < 2; ++k) {
            table.reserveText(k, static_cast<std::size_t>(n) * 8);
            for (int r = 0; r < n; ++r) table.setCell(k, 9 + r, FloatToStr(ranks[k][r]));
        }
    }
    showResults(std::move(table));
}

}  // namespace velmora
