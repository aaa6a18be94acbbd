#include "transform/matrice.h"

#include <limits>

#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "table/numbers.h"

namespace velmora {

namespace {
// Wide enough for a number of 15 significant digits.
constexpr int numberWidth = 160;
}  // namespace

TMatrice::TMatrice(TMenuGEN& menu_) : AnalysisWindow(menu_, "TMatrice", "Operazioni su matrici", 800, 480)
{
    Operazione_LST.items = {"Matrix power", "Matrix inverse"};
    Operazione_LST.itemIndex = 0;
    Operazione_LST.onChange = [this] { Operazione_LSTChange(); };
    esponente_TXT.preferredWidth = 60;
    Tabella_TXT.wholeRowSelection = true;

    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    declareStandardCommands(true);
    declare(Operazione_LST);
    declare(esponente_TXT);
    declare(Tabella_TXT);
    declare(barra);
}

void TMatrice::Analisi_IMGClick()
{
    Ferma = false;
    const int digits = digitCount();
    // The exponent is read only while its box is shown: a hidden box the
    // user cannot mend must not stop an inversion.
    const int esponente = powerSelected() ? readWholeNumber(esponente_TXT) : 0;
    const SquareMatrix a = readMatrix(digits);

    SquareMatrix b;
    MatrixOutcome outcome;
    if (!powerSelected()) {
        outcome = invertShowingProgress(a, b);
    } else if (esponente >= 0) {
        outcome = raiseShowingProgress(a, esponente, b);
    } else {
        // A negative power is the power of the inverse. The lowest integer
        // has no positive counterpart.
        if (esponente == std::numeric_limits<int>::min()) throwNotAnInteger(esponente_TXT.text);
        SquareMatrix inverse;
        outcome = invertShowingProgress(a, inverse);
        if (outcome == MatrixOutcome::Done) outcome = raiseShowingProgress(inverse, -esponente, b);
    }
    if (reportStopped()) return;
    if (outcome == MatrixOutcome::Singular) {
        platform.showMessage(singularMessage);
        return;
    }
    showMatrix(b, digits);
    playCompletion();
}

SquareMatrix TMatrice::readMatrix(int digits) const
{
    const StringGrid& data = menu.Tabella_TXT;
    const int n = data.columnCount();
    SquareMatrix a(n);
    fp::clear();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            // Rows the table lacks read as empty cells, and fail as one.
            if (r >= data.rowCount()) throwNotAFloat("");
            a(r, c) = readValue(c, r, digits);
            fp::check();
        }
    }
    return a;
}

MatrixOutcome TMatrice::invertShowingProgress(const SquareMatrix& a, SquareMatrix& inverse)
{
    barra.maximum = a.n - 1;
    const MatrixOutcome outcome = invert(a, inverse, [this](int p) { return progressStep(p); });
    finishProgress();
    return outcome;
}

MatrixOutcome TMatrice::raiseShowingProgress(const SquareMatrix& a, int e, SquareMatrix& result)
{
    if (e > 2) barra.maximum = e;
    const MatrixOutcome outcome = power(a, e, result, [this](int s) { return progressStep(s); });
    if (e > 2) finishProgress();
    return outcome;
}

void TMatrice::showMatrix(const SquareMatrix& b, int digits)
{
    const StringGrid& data = menu.Tabella_TXT;
    StringGrid table;
    TMenuGEN::PulisciTabella(b.n, b.n, table, true);
    fp::clear();
    for (int c = 0; c < b.n; ++c) {
        table.setHeader(c, data.header(c));
        table.setWidth(c, numberWidth);
        for (int r = 0; r < b.n; ++r) table.setCell(c, r, formatValue(b(r, c), digits));
    }
    fp::check();
    Tabella_TXT.swap(table);
    Tabella_TXT.currentRow = Tabella_TXT.currentCol = -1;
}

}  // namespace velmora
