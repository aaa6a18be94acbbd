#include "transform/operazioni.h"

#include <charconv>

#include "table/numbers.h"
#include "table/table_file.h"

namespace velmora {

std::string formatPercent(double value, char decimalSeparator)
{
    // to_chars: the C library's printf would follow the locale Qt sets.
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5).ptr;
    std::string text(buffer, end);
    if (text.rfind("0.", 0) == 0) text.erase(0, 1);
    for (char& c : text)
        if (c == '.') c = decimalSeparator;
    return text;
}

TOperazioni::TOperazioni(TMenuGEN& menu_) : FormulaWindow(menu_, "TOperazioni", "Operazioni sulle colonne", 900, 600)
{
    Analisi_IMG.onClick = [this] { Analisi_IMGClick(); };
    ListaColonne.onItemClick = [this](int i) { ListaColonneItemClick(i); };
    ListaColonne.checkMarks = false;
    Image1.onClick = [this] { Image1Click(); };
    CopiaColonna_IMG.caption = "Copia la colonna nella tabella";
    CopiaColonna_IMG.onClick = [this] { CopiaColonna_IMGClick(); };
    SalvaRisultati_IMG.onClick = [this] { SalvaRisultati_IMGClick(); };
    Risultati_TXT.readOnly = true;
    NumeroCifre_TXT.enabled = false;

    declareStandardCommands(true);
    declare(Image1);
    declare(SalvaRisultati_IMG);
    declare(CopiaColonna_IMG);
    declare(NomeColonna_TXT);
    declare(Operazione_TXT);
    declare(Operatore_LST);
    declare(AggiungiOperatore_BTN);
    declare(RigaPrecedente_CHK);
    declare(RigaSuccessiva_CHK);
    declare(ListaColonne);
    declare(Tabella_TXT);
    declare(Risultati_TXT);
    declare(barra);
}

void TOperazioni::ListaColonneItemClick(int index)
{
    const std::string suffix = RigaSuccessiva_CHK.checked ? "+]" : RigaPrecedente_CHK.checked ? "-]" : "]";
    Operazione_TXT.text += "[" + ListaColonne.items[index].text + suffix;
}

void TOperazioni::Analisi_IMGClick()
{
    if (!formulaTyped()) return;
    beginRun();
    const int digits = digitCount();
    const int n = menu.Tabella_TXT.rowCount();
    TMenuGEN::PulisciTabella(n, 1, Tabella_TXT, true);
    resultsBelongToThisRun();

    const ColumnFormula formula = scanFormula(Operazione_TXT.text, menu.Tabella_TXT, true);
    const ValueTable values = readValueTable(formula, digits);
    barra.maximum = n - 1;
    // A row whose neighbour does not exist is not computed.
    const int first = formula.readsPreviousRow() ? 1 : 0;
    const int last = formula.readsNextRow() ? n - 2 : n - 1;

    int valid = 0;
    double validSum = 0, rejectedSum = 0;
    const bool stopped = runRows(formula, values, first, last, [&](int row, const FormulaEvaluation::PartValues& v) {
        if (!formula.hasCondition()) {
            ++valid;
            validSum += v[0];
            Tabella_TXT.setCell(0, row, FloatToStr(v[0]));
            return;
        }
        // A condition of three parts lists its middle part.
        const double value = formula.parts[2].empty() ? v[0] : v[1];
        if (conditionHolds(formula, v)) {
            ++valid;
            validSum += value;
            Tabella_TXT.setCell(0, row, FloatToStr(value));
        } else {
            rejectedSum += value;
        }
    });
    if (stopped) {
        reportStopped();
        return;
    }
    finishProgress();
    if (first == 1) Tabella_TXT.setCell(0, 0, "0");
    if (n > 0 && last == n - 2) Tabella_TXT.setCell(0, n - 1, "0");

    const int rejected = n - valid;
    const double validAverage = valid == 0 ? 0 : validSum / valid;
    const double rejectedAverage = rejected == 0 ? 0 : rejectedSum / rejected;
    const double validShare = n == 0 ? 0 : valid * 100.0 / n;
    const double rejectedShare = n == 0 ? 0 : rejected * 100.0 / n;
    const char sep = menu.DecimalSeparator;
    const std::string lines[] = {
        "The equation is valid " + IntToStr(valid) + " times out of " + IntToStr(n),
        "The equation is valid " + formatPercent(validShare, sep) + "%",
        "The sum of the positive conditions is " + FloatToStr(validSum),
        "The average of the positive conditions is " + FloatToStr(validAverage),
        "The equation is not valid " + IntToStr(rejected) + " times out of " + IntToStr(n),
        "The equation is not valid " + formatPercent(rejectedShare, sep) + "%",
        "The sum of the rejected conditions is " + FloatToStr(rejectedSum),
        "The average of the rejected conditions is " + FloatToStr(rejectedAverage),
    };
    Risultati_TXT.lines.clear();
    for (const std::string& line : lines) {
        if (!Risultati_TXT.lines.empty()) Risultati_TXT.lines.emplace_back();
        Risultati_TXT.lines.push_back(line);
    }
    playCompletion();
}

void TOperazioni::Image1Click()
{
    StringGrid& table = menu.Tabella_TXT;
    bool counterExists = false;
    for (int c = 0; c < table.columnCount(); ++c) counterExists = counterExists || table.header(c) == "COUNTER";
    const int col = table.addColumn(counterExists ? "COUNTERT" : "COUNTER", true);
    for (int r = 0; r < table.rowCount(); ++r) table.setCell(col, r, IntToStr(r + 1));
    menu.Numero_colonne_TXT.text = IntToStr(table.columnCount());
    platform.showMessage("Contatore inserito");
    platform.close(*this);
}

void TOperazioni::CopiaColonna_IMGClick()
{
    copyColumnToTable(1, [this](int newIndex) {
        CopiedColumn column{NomeColonna_TXT.text.empty() ? TMenuGEN::letterName(newIndex) : NomeColonna_TXT.text, {}};
        for (int r = 0; r < Tabella_TXT.rowCount(); ++r) column.cells.push_back(Tabella_TXT.cellText(0, r));
        return column;
    });
}

void TOperazioni::SalvaRisultati_IMGClick()
{
    const auto path = platform.askSaveFile(DialogoSalva_Testo);
    if (!path) return;
    writeWholeFile(*path, formatTextLines(Risultati_TXT.lines));
}

}  // namespace velmora
