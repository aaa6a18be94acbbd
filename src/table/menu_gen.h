#pragma once
// The main window: the data table, its files, and the start of every
// analysis window. Every other window reaches it by reference.
#include <string>
#include <string_view>
#include <vector>

#include "controls/platform.h"
#include "controls/window.h"

namespace velmora {

// The main window's scratch array of doubles, addressed by row and by the
// position k of a selected column. Kept column by column, since every user
// sorts and scans one column at a time.
class ValoriArray {
public:
    void resize(int rows, int columns);
    void clear() { resize(0, 0); }
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    double& operator()(int row, int k) { return data_[static_cast<std::size_t>(k) * rows_ + row]; }
    double operator()(int row, int k) const { return data_[static_cast<std::size_t>(k) * rows_ + row]; }
    double* column(int k) { return data_.data() + static_cast<std::size_t>(k) * rows_; }
    const double* column(int k) const { return data_.data() + static_cast<std::size_t>(k) * rows_; }

private:
    int rows_ = 0;
    int columns_ = 0;
    std::vector<double> data_;
};

// How "Analizza" prepares a window before showing it.
enum class Preparation { List, XAndY, Y, X, Column, XThenList, YThenList, Nothing };

struct AnalysisEntry {
    const char* item;       // the text in "Tipo di Analisi"
    const char* className;  // the window
    Preparation preparation;
};

// The twenty-three analyses in the order of "Tipo di Analisi".
const std::vector<AnalysisEntry>& analysisTable();

class TMenuGEN : public Window {
public:
    explicit TMenuGEN(Platform& platform);

    Platform& platform;

    Button Nuovi_Dati_IMG{"Nuovi_Dati_IMG", "Nuovi dati", ButtonIcon::New};
    Button Apri_Dati_IMG{"Apri_Dati_IMG", "Apri dati", ButtonIcon::Open};
    Button Salva_Dati_IMG{"Salva_Dati_IMG", "Salva dati", ButtonIcon::Save};
    EditBox Numero_righe_TXT{"Numero_righe_TXT", "N.righe", "1"};
    EditBox Numero_colonne_TXT{"Numero_colonne_TXT", "N.colonne", "1"};
    Button Equazioni_IMG{"Equazioni_IMG", "Equazioni", ButtonIcon::Pictures};
    Button FiltraDati_IMG{"FiltraDati_IMG", "Filtra Dati", ButtonIcon::Run};
    ComboBox TipoAnalisi_LST{"TipoAnalisi_LST", "Tipo di Analisi", Area::CommandBar};
    Button Analisi_IMG{"Analisi_IMG", "Analizza", ButtonIcon::Run};
    Button Informazioni_IMG{"Informazioni_IMG", "Informazioni", ButtonIcon::Information};
    GridBox Tabella_TXT{"Tabella_TXT"};
    ProgressBar barra;

    // The pop-up menu MenuTabella of the grid.
    Button AggiungiRiga_MEN{"AggiungiRiga_MEN", "Aggiungi Riga", Area::Menu};
    Button EliminaRiga_MEN{"EliminaRiga_MEN", "Elimina Riga", Area::Menu};
    Button AggiungiColonna_MEM{"AggiungiColonna_MEM", "Aggiungi Colonna", Area::Menu};
    Button EliminaColonna_MEM{"EliminaColonna_MEM", "Elimina Colonna", Area::Menu};
    Button RinominaColonna_MEM{"RinominaColonna_MEM", "Rinomina Colonna", Area::Menu};

    FileDialogSpec DialogoApri{"Tabella delimitata da tabulatura", "*.txt", "txt", false};
    FileDialogSpec DialogoSalva{"Tabella delimitata da tabulatura", "*.txt", "txt", true};

    bool MessaggioColonne = true;
    ValoriArray Valori;
    // The program-wide decimal separator, '.' or ','.
    char DecimalSeparator = '.';

    // Operations the other windows call.
    static void PulisciTabella(int righe, int colonne, StringGrid& Tabella, bool SolaLettura);
    void RiempiListaColonne(CheckList& ListaColonne) const;
    void SalvaTabella(StringGrid& Tabella);
    static std::string CambiaCarattere(std::string_view Stringa, std::string_view Carattere_Attuale,
                                       std::string_view Carattere_Nuovo);
    static double ArrotondaNumero(double Numero, int Decimali);
    void OrdinaMatriceAlgoritmoQuickSort(int InizioVettore, int FineVettore, int colonna);
    // Puts `table` in place of the data table (the old one is left in
    // `table`), with no current cell, and shows its real size in "N.righe"
    // and "N.colonne", so that the next "Nuovi dati" starts from it.
    void replaceTable(StringGrid& table);

    // Handlers.
    void FormCreate();
    // The last step of the window's creation: a temporary information window
    // shown for two seconds, while the program answers nothing.
    void showSplash();
    void Nuovi_Dati_IMGClick();
    void Apri_Dati_IMGClick();
    void Salva_Dati_IMGClick();
    void Equazioni_IMGClick();
    void FiltraDati_IMGClick();
    void Analisi_IMGClick();
    void Informazioni_IMGClick();
    void AggiungiRiga_MENClick();
    void EliminaRiga_MENClick();
    void AggiungiColonna_MEMClick();
    void EliminaColonna_MEMClick();
    void RinominaColonna_MEMClick();

    // The clipboard of the data table: a block as tab-separated text, and a
    // pasted block written from the current cell on, growing the table when
    // it reaches past its end; read-only columns keep their cells.
    std::string copyCells(const CellRange& block) const;
    void pasteCells(const std::string& text);

    // The other windows, registered once at start-up by their class name.
    void registerWindow(Window& window);
    Window* window(std::string_view className) const;

    // "A".."Z", "AA".."ZZ", then on past "Z" in character code ("[A" ...).
    static std::string letterName(int index);

    static constexpr const char* baseTitle = "Korvane Velmora";

private:
    void declareTableMenu();
    void showWindowModally(std::string_view className);
    void equalLengthWarningOnce();
    std::vector<Window*> windows_;
};

}  // namespace velmora
