#include "regression/multiple_regression_window.h"

#include "controls/fpcheck.h"
#include "stats/least_squares.h"
#include "table/numbers.h"

namespace velmora {

namespace {
constexpr const char* progressive = "PROGRESSIVE";
constexpr const char* noColumn = "Devi selezionare almeno una colonna\r\nYou must select at least one column";
}  // namespace

MultipleRegressionWindow::MultipleRegressionWindow(TMenuGEN& menu_, std::string className, std::string title_,
                                                   Texts texts)
    : AnalysisWindow(menu_, std::move(className), std::move(title_), 1100, 480), texts_(std::move(texts))
{
    Colonna_Y_LST.caption = "Asse delle Y";
    Tabella_TXT.preferredWidth = 300;
    Grafico.title = texts_.name;
    Grafico.bottomAxis.title = "Value";
    Grafico.leftAxis.title = "Value Y";
    Grafico.legendVisible = false;
    ChartSeries function;
    function.title = "Function";
    function.kind = SeriesKind::Line;
    function.color = colors::orange;
    function.lineWidth = 2;
    Grafico.addSeries(function);
    ChartSeries base;
    base.title = "Base values";
    base.kind = SeriesKind::Point;
    base.color = colors::red;
    base.pointer = PointerStyle::Circle;
    Grafico.addSeries(base);

    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    Esporta_Distribuzione_IMG.onClick = [this] { Esporta_Distribuzione_IMGClick(); };
    CopiaColonna_IMG.onClick = [this] { CopiaColonna_IMGClick(); };
    AggiustaZeri_CHK.color = 0xFFFA8072;  // salmon
    // Its change only re-applies the digit box's state; the run reads it.
    AggiustaZeri_CHK.onChange = [this] { ArrotondaDato_CHKChange(); };
}

void MultipleRegressionWindow::declareControls(bool fixZeri)
{
    fixZeri_ = fixZeri;
    declareStandardCommands(false);
    declare(Colonna_Y_LST);
    declare(SalvaGrafico_IMG);
    declare(Esporta_Distribuzione_IMG);
    declare(CopiaColonna_IMG);
    if (fixZeri) declare(AggiustaZeri_CHK);
    declare(ListaColonne);
    declare(Tabella_TXT);
    declareChart(true);
    declare(barra);
}

void MultipleRegressionWindow::Analisi_IMGClick()
{
    beginRun();
    last_.done = false;
    const std::string yName = Colonna_Y_LST.selectedText();
    const int yColumn = columnOfName(yName);
    const int digits = digitCount();
    const StringGrid& data = menu.Tabella_TXT;
    const int n = data.rowCount();

    ValoriY.assign(static_cast<std::size_t>(n), 0.0);
    double sumY = 0;
    for (int r = 0; r < n; ++r) {
        ValoriY[r] = yName == progressive ? r + 1 : readValue(yColumn, r, digits);
        // A value that overflows when rounded fails at its cell.
        fp::check();
        sumY += ValoriY[r];
    }
    const double yMean = sumY / n;

    std::vector<int> ticked;
    for (int i = 0; i < static_cast<int>(ListaColonne.items.size()); ++i)
        if (ListaColonne.items[i].checked) ticked.push_back(i);
    if (ticked.empty()) {
        platform.showMessage(noColumn);
        return;
    }
    const int p = static_cast<int>(ticked.size()) + 1;
    ValoriX.assign(static_cast<std::size_t>(n) * p, 1.0);
    for (int r = 0; r < n; ++r) {
        for (int j = 1; j < p; ++j) {
            ValoriX[static_cast<std::size_t>(r) * p + j] = readValue(ticked[j - 1], r, digits);
            fp::check();
        }
    }

    // The rows the fit uses, transformed.
    std::vector<double> design, responses;
    design.reserve(ValoriX.size());
    responses.reserve(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
        const double* x = ValoriX.data() + static_cast<std::size_t>(r) * p;
        if (!usable(ValoriY[r], x, p)) {
            if (fixZeri_ && AggiustaZeri_CHK.checked) continue;
            platform.showMessage(unusableMessage());
            return;
        }
        responses.push_back(response(ValoriY[r]));
        design.push_back(1.0);
        for (int j = 1; j < p; ++j) design.push_back(regressor(x[j]));
    }
    const int m = static_cast<int>(responses.size());
    std::vector<double> b = stats::fitLinearModel(design, responses, static_cast<std::size_t>(p));
    fp::check();

    double rss = 0, tss = 0;
    for (int r = 0; r < n; ++r) {
        const double e = ValoriY[r] - fitted(ValoriX.data() + static_cast<std::size_t>(r) * p, b);
        const double d = ValoriY[r] - yMean;
        rss += e * e;
        tss += d * d;
    }
    const double rFit = 1 - rss / tss;
    fp::check();

    StringGrid table;
    TMenuGEN::PulisciTabella(p + 5, 2, table, true);
    table.setHeader(0, texts_.name);
    table.setWidth(0, 150);
    table.setHeader(1, texts_.formula);
    table.setWidth(1, 250);
    const std::string count = fixZeri_ ? IntToStr(m) + "/" + IntToStr(n) : IntToStr(n);
    const std::pair<const char*, std::string> rows[] = {
        {"Count", count},
        {"RSS Residual Sum of Squares", formatValue(rss, digits)},
        {"TSS Total Sum of Squares", formatValue(tss, digits)},
        {"R fitting", formatValue(rFit, digits)},
        {"Coefficients", ""},
    };
    for (int r = 0; r < 5; ++r) {
        table.setCell(0, r, rows[r].first);
        table.setCell(1, r, rows[r].second);
    }
    for (int q = 0; q < p; ++q) {
        table.setCell(0, 5 + q, "B" + IntToStr(q));
        table.setCell(1, 5 + q, formatValue(b[q], digits));
    }
    fp::check();

    Coefficienti = std::move(b);
    last_ = LastRun{true, n, p, yName};

    Grafico.title = texts_.name + " - " + yName;
    Grafico.leftAxis.title = yName;
    Grafico.resetForDrawing();
    for (int r : plottedRows()) {
        Grafico.series[0].add(fittedOfRow(r));
        Grafico.series[1].add(ValoriY[r]);
    }
    showResults(std::move(table));
}

std::vector<int> MultipleRegressionWindow::plottedRows() const
{
    std::vector<int> rows;
    double lastY = -1e12;
    for (int r = 0; r < last_.n; ++r) {
        // A comparison with not-a-number counts as a change.
        if (!(ValoriY[r] == lastY)) {
            rows.push_back(r);
            lastY = ValoriY[r];
        }
    }
    return rows;
}

bool MultipleRegressionWindow::refuseWithoutResults()
{
    // Results of a run over another table are not its results.
    if (last_.done && resultsMatchDataTable()) return false;
    platform.showMessage(mustComputeFirst);
    return true;
}

void MultipleRegressionWindow::CopiaColonna_IMGClick()
{
    if (refuseWithoutResults()) return;
    copyColumnToTable(6, [this](int) {
        CopiedColumn column{texts_.copyPrefix + last_.yName, {}};
        column.cells.reserve(static_cast<std::size_t>(last_.n));
        for (int r = 0; r < last_.n; ++r) column.cells.push_back(FloatToStr(fittedOfRow(r)));
        fp::check();
        return column;
    });
}

void MultipleRegressionWindow::Esporta_Distribuzione_IMGClick()
{
    if (refuseWithoutResults()) return;
    saveChartData(6, [this] {
        std::vector<std::string> lines{"y\tF(x)"};
        for (int r : plottedRows()) lines.push_back(FloatToStr(ValoriY[r]) + "\t" + FloatToStr(fittedOfRow(r)));
        return lines;
    });
}

}  // namespace velmora
