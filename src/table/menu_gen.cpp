#include "table/menu_gen.h"

#include <algorithm>

#include "controls/failures.h"
#include "table/informazioni.h"
#include "table/numbers.h"
#include "table/table_file.h"

namespace velmora {

void ValoriArray::resize(int rows, int columns)
{
    rows_ = std::max(rows, 0);
    columns_ = std::max(columns, 0);
    data_.assign(static_cast<std::size_t>(rows_) * columns_, 0.0);
    data_.shrink_to_fit();
}

const std::vector<AnalysisEntry>& analysisTable()
{
    static const std::vector<AnalysisEntry> table{
        {"Descriptive statistics", "TVelmoraDescrittiva", Preparation::List},
        {"Trends", "TAndamenti", Preparation::XThenList},
        {"Occurrences", "TOccorrenze", Preparation::List},
        {"Regression Linear", "TRegressioneLineare", Preparation::XAndY},
        {"Regression Polynomial", "TRegressionePolinomiale", Preparation::XAndY},
        {"Regression Logarithmic", "TRegressioneLogaritmica", Preparation::XAndY},
        {"Regression Exponential", "TRegressioneEsponenziale", Preparation::XAndY},
        {"Regression Power", "TRegressionePotenza", Preparation::XAndY},
        {"Regression Multiple Linear", "TRegressioneMultiplaLineare", Preparation::YThenList},
        {"Regression Multiple Logarithmic", "TRegressioneMultiplaLogaritmica", Preparation::YThenList},
        {"Regression Multiple Exponential", "TRegressioneMultiplaEsponenziale", Preparation::YThenList},
        {"Regression Multiple Power", "TRegressioneMultiplaPotenza", Preparation::YThenList},
        {"Uniform Distribution", "TDistribuzioneUniforme", Preparation::List},
        {"Normal Distribution", "TDistribuzioneNormale", Preparation::List},
        {"Rayleigh Distribution", "TDistribuzioneRayleigh", Preparation::List},
        {"Weibull Distribution", "TDistribuzioneWeibull", Preparation::List},
        {"Operations", "TOperazioni", Preparation::List},
        {"T Test", "TTestT", Preparation::List},
        {"ANOVA Test", "TTestANOVA", Preparation::List},
        {"Correlation", "TCorrelazione", Preparation::List},
        {"Autocorrelation", "TAutocorrelazione", Preparation::Column},
        {"Matrix", "TMatrice", Preparation::Nothing},
        {"Smoothing filters", "TFiltriSmoothing", Preparation::List},
    };
    return table;
}

TMenuGEN::TMenuGEN(Platform& platform_) : Window("TMenuGEN", baseTitle, 1024, 720), platform(platform_)
{
    // Closing the main window ends the program: Escape must not do it.
    closesOnEscape = false;
    declare(Nuovi_Dati_IMG).onClick = [this] { Nuovi_Dati_IMGClick(); };
    declare(Numero_righe_TXT).preferredWidth = 40;
    declare(Numero_colonne_TXT).preferredWidth = 40;
    declare(Apri_Dati_IMG).onClick = [this] { Apri_Dati_IMGClick(); };
    declare(Salva_Dati_IMG).onClick = [this] { Salva_Dati_IMGClick(); };
    declare(Equazioni_IMG).onClick = [this] { Equazioni_IMGClick(); };
    declare(FiltraDati_IMG).onClick = [this] { FiltraDati_IMGClick(); };
    declare(TipoAnalisi_LST);
    for (const AnalysisEntry& e : analysisTable()) TipoAnalisi_LST.add(e.item);
    TipoAnalisi_LST.itemIndex = 0;
    TipoAnalisi_LST.preferredWidth = 165;
    declare(Analisi_IMG).onClick = [this] { Analisi_IMGClick(); };
    declare(Informazioni_IMG).onClick = [this] { Informazioni_IMGClick(); };
    declare(Tabella_TXT).wholeRowSelection = true;
    declare(barra);
    declareTableMenu();
    FormCreate();
}

void TMenuGEN::FormCreate()
{
    DecimalSeparator = '.';
    MessaggioColonne = true;
}

void TMenuGEN::showSplash()
{
    TInformazioni splash(*this);
    platform.show(splash);
    platform.processEvents();  // so that it is painted before the wait
    platform.sleep(2000);
    platform.close(splash);
    platform.release(splash);
}

void TMenuGEN::PulisciTabella(int righe, int colonne, StringGrid& Tabella, bool SolaLettura)
{
    Tabella.removeAllColumns();
    Tabella.setRowCount(righe);
    for (int i = 0; i < colonne; ++i) Tabella.addColumn({}, SolaLettura);
}

void TMenuGEN::RiempiListaColonne(CheckList& ListaColonne) const
{
    ListaColonne.clear();
    for (int c = 0; c < Tabella_TXT.columnCount(); ++c) ListaColonne.add(Tabella_TXT.header(c));
}

std::string TMenuGEN::CambiaCarattere(std::string_view Stringa, std::string_view Carattere_Attuale,
                                      std::string_view Carattere_Nuovo)
{
    return velmora::CambiaCarattere(Stringa, Carattere_Attuale, Carattere_Nuovo);
}

double TMenuGEN::ArrotondaNumero(double Numero, int Decimali) { return velmora::ArrotondaNumero(Numero, Decimali); }

void TMenuGEN::OrdinaMatriceAlgoritmoQuickSort(int InizioVettore, int FineVettore, int colonna)
{
    // Any ascending order serves the callers of this sort; the pair sort is
    // the one that must keep its exchange order.
    if (InizioVettore >= FineVettore) return;
    sortAscending(Valori.column(colonna) + InizioVettore, static_cast<std::size_t>(FineVettore - InizioVettore) + 1);
}

void TMenuGEN::replaceTable(StringGrid& table)
{
    Tabella_TXT.swap(table);
    Tabella_TXT.currentRow = -1;
    Tabella_TXT.currentCol = -1;
    Numero_righe_TXT.text = IntToStr(Tabella_TXT.rowCount());
    Numero_colonne_TXT.text = IntToStr(Tabella_TXT.columnCount());
}

std::string TMenuGEN::letterName(int index)
{
    if (index < 26) return std::string(1, static_cast<char>('A' + index));
    const int a = index / 26;
    std::string name;
    // The first character runs on in character code past "Z"; it is stored
    // as UTF-8 like every other text.
    unsigned cp = 64u + static_cast<unsigned>(a);
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        name += static_cast<char>(cp);
    } else if (cp < 0x800) {
        name += static_cast<char>(0xC0 | (cp >> 6));
        name += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        name += static_cast<char>(0xE0 | (cp >> 12));
        name += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        name += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        name += static_cast<char>(0xF0 | (cp >> 18));
        name += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        name += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        name += static_cast<char>(0x80 | (cp & 0x3F));
    }
    name += static_cast<char>(65 + (index - 26 * a));
    return name;
}

void TMenuGEN::equalLengthWarningOnce()
{
    if (!MessaggioColonne) return;
    platform.showMessage(
        "ATTENZIONE.\rAttualmente le colonne devono contenere lo stesso numero di valori, dove la cella risulta "
        "vuota mettere 0 o un altro valore simbolico.");
    MessaggioColonne = false;
}

void TMenuGEN::Nuovi_Dati_IMGClick()
{
    const int rows = StrToInt(Numero_righe_TXT.text);
    const int columns = StrToInt(Numero_colonne_TXT.text);
    // A negative row count keeps the rows the table has.
    const int keptRows = rows < 0 ? Tabella_TXT.rowCount() : rows;
    checkTableSize(keptRows, std::max(columns, 0));
    // Built aside, so that running out of memory half-way keeps the old table.
    StringGrid fresh;
    PulisciTabella(keptRows, columns, fresh, false);
    const int named = StrToInt(Numero_colonne_TXT.text);
    for (int c = 0; c < named && c < fresh.columnCount(); ++c) fresh.setHeader(c, letterName(c));
    Tabella_TXT.swap(fresh);
    equalLengthWarningOnce();
}

void TMenuGEN::Apri_Dati_IMGClick()
{
    equalLengthWarningOnce();
    const auto path = platform.askOpenFile(DialogoApri);
    if (!path) return;

    // The whole file is read and checked before anything changes, so a
    // failed open leaves the table, the boxes, the separator and the title.
    const std::string bytes = readWholeFile(*path);
    TableFileContent content = parseTableFile(bytes, [this](int done, int total) {
        barra.maximum = total;
        barra.position = done;
        platform.processEvents();
    });

    replaceTable(content.grid);
    DecimalSeparator = content.decimalSeparator;
    barra.maximum = Tabella_TXT.rowCount();
    barra.position = barra.maximum;
    title = std::string(baseTitle) + " - " + *path;
}

void TMenuGEN::SalvaTabella(StringGrid& Tabella)
{
    const auto path = platform.askSaveFile(DialogoSalva);
    if (!path) return;
    barra.maximum = Tabella.rowCount();
    const std::string bytes = formatTableFile(Tabella, [this](int done, int) {
        barra.position = done;
        platform.processEvents();
    });
    barra.position = barra.maximum;
    writeWholeFile(*path, bytes);
}

void TMenuGEN::Salva_Dati_IMGClick() { SalvaTabella(Tabella_TXT); }

void TMenuGEN::Equazioni_IMGClick() { showWindowModally("TEquazioni"); }

void TMenuGEN::FiltraDati_IMGClick()
{
    Window* w = window("TFiltraDati");
    if (!w) return;
    if (auto* list = w->findAs<CheckList>("ListaColonne")) RiempiListaColonne(*list);
    platform.showModal(*w);
}

void TMenuGEN::Informazioni_IMGClick() { showWindowModally("TInformazioni"); }

namespace {
void fillPicker(ComboBox* box, const StringGrid& table, bool progressive)
{
    if (!box) return;
    box->clear();
    for (int c = 0; c < table.columnCount(); ++c) box->add(table.header(c));
    if (progressive) box->add("PROGRESSIVE");
    box->itemIndex = box->items.empty() ? -1 : 0;
}
}  // namespace

void TMenuGEN::Analisi_IMGClick()
{
    if (Tabella_TXT.rowCount() == 0 || Tabella_TXT.columnCount() == 0) {
        platform.showMessage("Devi prima inserire o caricare dei dati");
        return;
    }
    const std::string item = TipoAnalisi_LST.selectedText();
    for (const AnalysisEntry& e : analysisTable()) {
        if (item != e.item) continue;
        Window* w = window(e.className);
        if (!w) return;  // not part of this build
        auto list = [&] {
            if (auto* l = w->findAs<CheckList>("ListaColonne")) RiempiListaColonne(*l);
        };
        auto x = [&] { fillPicker(w->findAs<ComboBox>("Colonna_X_LST"), Tabella_TXT, true); };
        auto y = [&] { fillPicker(w->findAs<ComboBox>("Colonna_Y_LST"), Tabella_TXT, true); };
        switch (e.preparation) {
        case Preparation::List: list(); break;
        case Preparation::XAndY: x(); y(); break;
        case Preparation::Y: y(); break;
        case Preparation::X: x(); break;
        case Preparation::XThenList: x(); list(); break;
        case Preparation::YThenList: y(); list(); break;
        case Preparation::Column: fillPicker(w->findAs<ComboBox>("Colonna_LST"), Tabella_TXT, false); break;
        case Preparation::Nothing: break;
        }
        platform.showModal(*w);
        return;
    }
}

void TMenuGEN::registerWindow(Window& w) { windows_.push_back(&w); }

Window* TMenuGEN::window(std::string_view className) const
{
    for (Window* w : windows_) {
        if (w->className() == className) return w;
    }
    return nullptr;
}

void TMenuGEN::showWindowModally(std::string_view className)
{
    if (Window* w = window(className)) platform.showModal(*w);
}

}  // namespace velmora
