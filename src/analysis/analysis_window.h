#pragma once
// The frame every analysis window shares: column choice, the rounding
// option and digit count, reading values, progress and stop, the result
// table, saving it, and the completion signal. A window declares the
// controls it shows (in layout order) and writes its computation.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "controls/window.h"
#include "table/menu_gen.h"

namespace velmora {

// A row of a result table: a label and its value.
struct LabelledValue {
    std::string label;
    std::string value;
};
// Writes each label with its value in the row below it, down column `col`
// from `row`; returns the row after the last value.
int writeLabelsAbove(StringGrid& table, int col, int row, const std::vector<LabelledValue>& rows);
// Writes each label in column `col` and its value beside it in col + 1,
// one row each from `row`; returns the row after the last.
int writeLabelsBeside(StringGrid& table, int col, int row, const std::vector<LabelledValue>& rows);

class AnalysisWindow : public Window {
public:
    AnalysisWindow(TMenuGEN& menu, std::string className, std::string title, int width, int height);

    TMenuGEN& menu;
    Platform& platform;
    bool Ferma = false;

    // The shared controls. A window shows those it declares.
    Button Analisi_IMG{"Analisi_IMG", "Calcola", ButtonIcon::Run};
    Button Ferma_IMG{"Ferma_IMG", "Ferma", ButtonIcon::Stop};
    CheckBox ArrotondaDato_CHK{"ArrotondaDato_CHK", "Arrotonda i dati a cifre"};
    EditBox NumeroCifre_TXT{"NumeroCifre_TXT", "", "2"};
    Button SalvaTabella_IMG{"SalvaTabella_IMG", "Salva Tabella", ButtonIcon::Save};
    CheckList ListaColonne{"ListaColonne"};
    ComboBox Colonna_X_LST{"Colonna_X_LST", "X"};
    ComboBox Colonna_Y_LST{"Colonna_Y_LST", "Y"};
    ComboBox Colonna_LST{"Colonna_LST", "Disegna colonna"};
    GridBox Tabella_TXT{"Tabella_TXT"};
    ProgressBar barra;

    // The chart and the commands around it.
    ChartBox Grafico{"Grafico"};
    Button SalvaGrafico_IMG{"SalvaGrafico_IMG", "Salva Grafico", ButtonIcon::Save};
    Button Esporta_Distribuzione_IMG{"Esporta_Distribuzione_IMG", "Salva dati Grafico", ButtonIcon::Save};
    Button CopiaColonna_IMG{"CopiaColonna_IMG", "Copia regressione nella tabella", ButtonIcon::Copy};
    Button AsseSinistroInZero{"AsseSinistroInZero", "Left axis from 0", Area::Menu};
    Button AsseSinistroInAuto{"AsseSinistroInAuto", "Left axis from AUTO", Area::Menu};
    Button AsseBassoInZero{"AsseBassoInZero", "Bottom axis from 0", Area::Menu};
    Button AsseBassoInAuto{"AsseBassoInAuto", "Bottom axis from AUTO", Area::Menu};
    FileDialogSpec DialogoSalva_Grafico{"Portable Network Graphics", "*.png", "*.png", true};

    // Shared handlers.
    void Ferma_IMGClick() { Ferma = true; }
    void ArrotondaDato_CHKChange() { NumeroCifre_TXT.enabled = ArrotondaDato_CHK.checked; }
    void ListaColonneItemClick(int index);
    void SalvaTabella_IMGClick() { menu.SalvaTabella(Tabella_TXT); }
    void SalvaGrafico_IMGClick();
    void AsseSinistroInZeroClick() { fixMinimumAtZero(Grafico.leftAxis); }
    void AsseSinistroInAutoClick() { automaticMinimum(Grafico.leftAxis); }
    void AsseBassoInZeroClick() { fixMinimumAtZero(Grafico.bottomAxis); }
    void AsseBassoInAutoClick() { automaticMinimum(Grafico.bottomAxis); }

    // The guard of export and copy in the windows that have one.
    static constexpr const char* mustComputeFirst = "Devi prima calcolare i parametri delle distribuzioni";

    // Chart-data export: with fewer than `requiredRows` rows in the result
    // table shows the guard message; otherwise asks for a file with the main
    // window's save dialog and writes the lines the window builds (header
    // first, fields joined by tabs) in the table-file encoding with CR LF.
    void saveChartData(int requiredRows, const std::function<std::vector<std::string>()>& buildLines);

    // A column to append to the data table.
    struct CopiedColumn {
        std::string header;
        std::vector<std::string> cells;  // one per data-table row
    };
    // Copy into the data table: the guard as above (none for requiredRows 0),
    // and the same message when the data table changed since the results
    // were computed (they would land under the wrong rows and names); then
    // the column the window builds (given the index it will take) is
    // appended read-only, N.colonne shows the new count and "Copia
    // effettuata" is shown. The column is built in full before the table
    // changes, so a failure while building it leaves the table as it was.
    void copyColumnToTable(int requiredRows, const std::function<CopiedColumn(int newIndex)>& buildColumn);

    // The indexes of the checked columns in list order. With none checked it
    // shows "Devi selezionare almeno una colonna da calcolare" and returns
    // an empty list.
    std::vector<int> selectedColumns();
    // The same without any message, for windows with limits of their own.
    std::vector<int> checkedColumns() const;
    // The data-table column of a picked name: the last column with exactly
    // that header, 0 when none has it.
    int columnOfName(const std::string& name) const;
    // The start of every computation: the stop flag cleared, the data
    // table's revision noted.
    void beginRun();
    // The end of every successful computation: a floating-point fault still
    // pending fails it here, before anything shows; otherwise the table
    // becomes the result table, the cursor leaves it, the results take the
    // revision their run read and the completion tones play.
    void showResults(StringGrid&& table);
    // For a window that rebuilds its result table in place as it computes:
    // from here on the result table belongs to this run's data table.
    void resultsBelongToThisRun() { resultsRevision_ = runRevision_; }
    // Whether the data table is still the one the shown results came from.
    bool resultsMatchDataTable() const { return resultsRevision_ == menu.Tabella_TXT.revision(); }

    // A box that holds a number: its text brought to the decimal separator
    // ("." and "," swapped as needed) and shown so.
    void normaliseDecimalText(EditBox& box);
    // The box's number after normaliseDecimalText; a text that is not one
    // fails with the conversion message.
    double readNumberBox(EditBox& box);
    // The digit count from NumeroCifre_TXT, its text first brought to the
    // decimal separator and then to the rounded count.
    int digitCount() { return readWholeNumber(NumeroCifre_TXT); }
    // A whole number typed in a box: the text brought to the decimal
    // separator, read, rounded half to even, and the box rewritten with it.
    int readWholeNumber(EditBox& box);
    // The cell as a number (rounded to `digits` when the option is checked).
    double readValue(int col, int row, int digits) const;
    // A number for the result table: rounded when the option is checked,
    // then in the general number format.
    std::string formatValue(double value, int digits) const;
    std::string FloatToStr(double value) const;

    // Reads the columns into the main window's Valori (row by column
    // position) and sorts each column ascending with a progress step per
    // column. False when the user stopped it ("Operazioni fermate" shown).
    bool fillAndSortValori(const std::vector<int>& columns, int digits);

    // Progress: sets the bar, lets events through, and tells whether the
    // user pressed "Ferma".
    bool progressStep(int position);
    void finishProgress() { barra.position = barra.maximum; }
    // Shows "Operazioni fermate" when stopped; true if so.
    bool reportStopped();
    // The four tones of a successful computation.
    void playCompletion();

protected:
    // The usual command bar: Calcola, Ferma (if `stop`), the rounding option,
    // Salva Tabella.
    void declareStandardCommands(bool stop);
    // The chart with its pop-up menu: the left-axis items, and the
    // bottom-axis items too when `bottomAxisItems`.
    void declareChart(bool bottomAxisItems);
    // The chart without a pop-up menu, for windows that set the axes at
    // every drawing.
    void declareChartWithoutAxisMenu() { declare(Grafico); }

private:
    std::uint64_t runRevision_ = 0;
    // No results yet: matches no revision.
    std::uint64_t resultsRevision_ = UINT64_MAX;

    void fixMinimumAtZero(ChartAxis& axis);
    void automaticMinimum(ChartAxis& axis);
};

}  // namespace velmora
