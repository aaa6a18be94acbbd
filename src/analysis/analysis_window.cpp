#include "analysis/analysis_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/failures.h"
#include "controls/fpcheck.h"
#include "table/numbers.h"
#include "table/table_file.h"

namespace velmora {

int writeLabelsAbove(StringGrid& table, int col, int row, const std::vector<LabelledValue>& rows)
{
    for (const LabelledValue& r : rows) {
        table.setCell(col, row++, r.label);
        table.setCell(col, row++, r.value);
    }
    return row;
}

int writeLabelsBeside(StringGrid& table, int col, int row, const std::vector<LabelledValue>& rows)
{
    for (const LabelledValue& r : rows) {
        table.setCell(col, row, r.label);
        table.setCell(col + 1, row++, r.value);
    }
    return row;
}

AnalysisWindow::AnalysisWindow(TMenuGEN& menu_, std::string className, std::string title, int width, int height)
    : Window(std::move(className), std::move(title), width, height), menu(menu_), platform(menu_.platform)
{
    NumeroCifre_TXT.enabled = false;
    NumeroCifre_TXT.preferredWidth = 40;
    ArrotondaDato_CHK.onChange = [this] { ArrotondaDato_CHKChange(); };
    ListaColonne.onItemClick = [this](int i) { ListaColonneItemClick(i); };
    Ferma_IMG.onClick = [this] { Ferma_IMGClick(); };
    Ferma_IMG.allowWhileBusy = true;
    SalvaTabella_IMG.onClick = [this] { SalvaTabella_IMGClick(); };
    SalvaGrafico_IMG.onClick = [this] { SalvaGrafico_IMGClick(); };
    for (Button* item : {&AsseSinistroInZero, &AsseSinistroInAuto, &AsseBassoInZero, &AsseBassoInAuto})
        item->menu = "MenuGrafico";
    AsseSinistroInZero.onClick = [this] { AsseSinistroInZeroClick(); };
    AsseSinistroInAuto.onClick = [this] { AsseSinistroInAutoClick(); };
    AsseBassoInZero.onClick = [this] { AsseBassoInZeroClick(); };
    AsseBassoInAuto.onClick = [this] { AsseBassoInAutoClick(); };
}

void AnalysisWindow::declareStandardCommands(bool stop)
{
    declare(Analisi_IMG);
    if (stop) declare(Ferma_IMG);
    declare(ArrotondaDato_CHK);
    declare(NumeroCifre_TXT);
    declare(SalvaTabella_IMG);
}

void AnalysisWindow::declareChart(bool bottomAxisItems)
{
    declare(Grafico);
    declare(AsseSinistroInZero);
    declare(AsseSinistroInAuto);
    if (bottomAxisItems) {
        declare(AsseBassoInZero);
        declare(AsseBassoInAuto);
    }
    popupMenus.emplace_back("MenuGrafico", Grafico.name);
}

void AnalysisWindow::SalvaGrafico_IMGClick()
{
    const auto path = platform.askSaveFile(DialogoSalva_Grafico);
    if (!path) return;
    platform.saveChartPicture(Grafico, *path);
}

void AnalysisWindow::fixMinimumAtZero(ChartAxis& axis)
{
    axis.automaticMinimum = false;
    axis.minimum = 0.0;
}

void AnalysisWindow::automaticMinimum(ChartAxis& axis)
{
    axis.automaticMinimum = true;
}

void AnalysisWindow::saveChartData(int requiredRows, const std::function<std::vector<std::string>()>& buildLines)
{
    if (Tabella_TXT.rowCount() < requiredRows) {
        platform.showMessage(mustComputeFirst);
        return;
    }
    const auto path = platform.askSaveFile(menu.DialogoSalva);
    if (!path) return;
    writeWholeFile(*path, formatTextLines(buildLines()));
}

void AnalysisWindow::copyColumnToTable(int requiredRows, const std::function<CopiedColumn(int newIndex)>& buildColumn)
{
    if ((requiredRows > 0 && Tabella_TXT.rowCount() < requiredRows) || !resultsMatchDataTable()) {
        platform.showMessage(mustComputeFirst);
        return;
    }
    StringGrid& table = menu.Tabella_TXT;
    const CopiedColumn column = buildColumn(table.columnCount());
    const int col = table.addColumn(column.header, true);
    const int rows = std::min(table.rowCount(), static_cast<int>(column.cells.size()));
    for (int r = 0; r < rows; ++r) table.setCell(col, r, column.cells[r]);
    // The results still describe the rows and columns they came from.
    resultsRevision_ = table.revision();
    menu.Numero_colonne_TXT.text = IntToStr(table.columnCount());
    platform.showMessage("Copia effettuata");
}

void AnalysisWindow::ListaColonneItemClick(int index)
{
    if (index < 0 || index >= static_cast<int>(ListaColonne.items.size())) return;
    ListaColonne.items[index].checked = !ListaColonne.items[index].checked;
}

std::vector<int> AnalysisWindow::checkedColumns() const
{
    std::vector<int> columns;
    for (std::size_t i = 0; i < ListaColonne.items.size(); ++i) {
        if (ListaColonne.items[i].checked) columns.push_back(static_cast<int>(i));
    }
    return columns;
}

std::vector<int> AnalysisWindow::selectedColumns()
{
    std::vector<int> columns = checkedColumns();
    if (columns.empty()) platform.showMessage("Devi selezionare almeno una colonna da calcolare");
    return columns;
}

int AnalysisWindow::columnOfName(const std::string& name) const
{
    int found = 0;
    for (int c = 0; c < menu.Tabella_TXT.columnCount(); ++c) {
        if (menu.Tabella_TXT.header(c) == name) found = c;
    }
    return found;
}

void AnalysisWindow::beginRun()
{
    Ferma = false;
    runRevision_ = menu.Tabella_TXT.revision();
}

void AnalysisWindow::showResults(StringGrid&& table)
{
    fp::check();
    Tabella_TXT.swap(table);
    Tabella_TXT.currentRow = Tabella_TXT.currentCol = -1;
    resultsRevision_ = runRevision_;
    playCompletion();
}

void AnalysisWindow::normaliseDecimalText(EditBox& box)
{
    if (menu.DecimalSeparator == ',') box.text = CambiaCarattere(box.text, ".", ",");
    else box.text = CambiaCarattere(box.text, ",", ".");
}

double AnalysisWindow::readNumberBox(EditBox& box)
{
    normaliseDecimalText(box);
    return StrToFloat(box.text, menu.DecimalSeparator);
}

int AnalysisWindow::readWholeNumber(EditBox& box)
{
    const double typed = readNumberBox(box);
    // Beyond the range of an integer no count makes sense; the conversion
    // fails as a typed integer would.
    const double rounded = std::nearbyint(typed);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throwNotAnInteger(box.text);
    const int whole = static_cast<int>(rounded);
    const std::string text = IntToStr(whole);
    if (text != box.text) box.text = text;
    return whole;
}

double AnalysisWindow::readValue(int col, int row, int digits) const
{
    const double v = StrToFloat(menu.Tabella_TXT.cell(col, row), menu.DecimalSeparator);
    return ArrotondaDato_CHK.checked ? ArrotondaNumero(v, digits) : v;
}

std::string AnalysisWindow::FloatToStr(double value) const { return velmora::FloatToStr(value, menu.DecimalSeparator); }

std::string AnalysisWindow::formatValue(double value, int digits) const
{
    return FloatToStr(ArrotondaDato_CHK.checked ? ArrotondaNumero(value, digits) : value);
}

bool AnalysisWindow::fillAndSortValori(const std::vector<int>& columns, int digits)
{
    const int n = menu.Tabella_TXT.rowCount();
    const int m = static_cast<int>(columns.size());
    ValoriArray& valori = menu.Valori;
    valori.resize(n, m);
    // A value that overflows when rounded fails at its cell, before any later
    // cell is read. Converting a cell raises no flag, so without rounding
    // there is nothing to check there.
    fp::Section reading;
    const bool rounded = ArrotondaDato_CHK.checked;
    for (int r = 0; r < n; ++r) {
        for (int k = 0; k < m; ++k) {
            valori(r, k) = readValue(columns[k], r, digits);
            if (rounded) reading.check();
        }
    }

    barra.maximum = m - 1;
    for (int k = 0; k < m; ++k) {
        menu.OrdinaMatriceAlgoritmoQuickSort(0, n - 1, k);
        if (progressStep(k)) break;
    }
    finishProgress();
    return !reportStopped();
}

bool AnalysisWindow::progressStep(int position)
{
    barra.position = position;
    platform.processEvents();
    return Ferma;
}

bool AnalysisWindow::reportStopped()
{
    if (!Ferma) return false;
    platform.showMessage("Operazioni fermate");
    return true;
}

void AnalysisWindow::playCompletion()
{
    platform.beep(523, 100);
    platform.beep(587, 100);
    platform.beep(523, 100);
    platform.beep(698, 300);
}

}  // namespace velmora
