// velmora-batch run as a process: its messages, its failures and the files
// it saves, compared byte for byte with files checked against the
// definitions (see expected/descriptive_reference.py).
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef VELMORA_BATCH_CHARTS
#include <QImage>
#endif

#include "test_tables.h"

namespace velmora::testing {
namespace {

const std::string testDir = VELMORA_BATCH_TEST_DIR;
const std::string warning =
    "ATTENZIONE.\\rAttualmente le colonne devono contenere lo stesso numero di valori, dove la cella risulta "
    "vuota mettere 0 o un altro valore simbolico.\n";

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome runProgram(const std::vector<std::string>& args, const TempDir& dir)
{
    const std::string outFile = dir.file("stdout");
    const std::string errFile = dir.file("stderr");
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv{const_cast<char*>(VELMORA_BATCH_EXE)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(VELMORA_BATCH_EXE, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(outFile), readBytes(errFile)};
}

struct Case {
    const char* name;
    // "@data/" stands for the test tables, "@out/" for a fresh directory.
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
    // Files the run writes under @out/, and the expected file (under
    // expected/, or @data/ for a table saved back unchanged); an empty
    // expected file means the file must not exist.
    std::vector<std::pair<std::string, std::string>> files;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class BatchRun : public ::testing::TestWithParam<Case> {};

std::string expand(std::string text, const TempDir& dir)
{
    for (const auto& [mark, path] : {std::pair<std::string, std::string>{"@data/", testDir + "/data/"},
                                     {"@out/", dir.path().string() + "/"}}) {
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + path.size()))
            text.replace(at, mark.size(), path);
    }
    return text;
}

TEST_P(BatchRun, MessagesStatusAndFiles)
{
    const Case& c = GetParam();
    TempDir dir;
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back(expand(a, dir));
    const Outcome run = runProgram(args, dir);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, expand(c.err, dir));
    for (const auto& [written, expected] : c.files) {
        const std::string path = dir.file(written);
        if (expected.empty()) {
            EXPECT_FALSE(std::filesystem::exists(path)) << written;
            continue;
        }
        const std::string reference = expected.starts_with("@data/") ? expand(expected, dir) : testDir + "/expected/" + expected;
        ASSERT_TRUE(std::filesystem::exists(path)) << written;
        EXPECT_EQ(readBytes(path), readBytes(reference)) << written << " against " << expected;
    }
}

const std::vector<std::string> openDescriptive{"--open", "@data/due_colonne.txt", "--analysis", "Descriptive statistics"};

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Descriptive, BatchRun,
    ::testing::Values(
        Case{"TwoColumns",
             with(openDescriptive, {"--set", "ListaColonne=Peso", "--set", "ListaColonne=Età", "--click", "Analisi_IMG",
                                    "--save-grid", "Tabella_TXT", "@out/r.txt"}),
             0, warning, "", {{"r.txt", "descrittiva_due_colonne.txt"}}},
        // "Salva Tabella" writes what --save-grid writes; --clear starts the
        // next computation from no column, and the window is computed twice.
        Case{"SaveButtonAndSecondRun",
             with(openDescriptive, {"--set", "ListaColonne=Peso", "--set", "ListaColonne=Età", "--click", "Analisi_IMG",
                                    "--answer", "@out/both.txt", "--click", "SalvaTabella_IMG", "--clear", "ListaColonne",
                                    "--set", "ListaColonne=Età", "--click", "Analisi_IMG", "--answer", "@out/eta.txt",
                                    "--click", "SalvaTabella_IMG"}),
             0, warning, "", {{"both.txt", "descrittiva_due_colonne.txt"}, {"eta.txt", "descrittiva_eta.txt"}}},
        // Semicolons and decimal commas; the digit box is enabled only by
        // the check box's handler. Columns come in list order, not tick order.
        Case{"CommaDecimalsRounded",
             {"--open", "@data/virgola.txt", "--analysis", "Descriptive statistics", "--set", "ArrotondaDato_CHK=true",
              "--set", "NumeroCifre_TXT=1", "--set", "ListaColonne=B", "--set", "ListaColonne=A", "--click",
              "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/r.txt"},
             0, warning, "", {{"r.txt", "descrittiva_virgola_arrotondata.txt"}}},
        // Three hundred ordinary readings: the geometric average's product
        // leaves the range of doubles; a column with zeros and negative
        // values has no harmonic average, a constant one no shape.
        Case{"ThreeHundredRows",
             {"--open", "@data/temperature.txt", "--analysis", "Descriptive statistics", "--set",
              "ListaColonne=Temperatura", "--set", "ListaColonne=Scarto", "--set", "ListaColonne=Costante", "--click",
              "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/r.txt"},
             0, warning, "", {{"r.txt", "descrittiva_temperature.txt"}}},
        // Negative values and results round as the mirror of positive ones.
        Case{"NegativeValuesRounded",
             {"--open", "@data/temperature.txt", "--analysis", "Descriptive statistics", "--set", "ArrotondaDato_CHK=true",
              "--set", "NumeroCifre_TXT=1", "--set", "ListaColonne=Scarto", "--click", "Analisi_IMG", "--save-grid",
              "Tabella_TXT", "@out/r.txt"},
             0, warning, "", {{"r.txt", "descrittiva_scarto_arrotondata.txt"}}},
        Case{"DataTableSavedBack",
             {"--open", "@data/due_colonne.txt", "--save-grid", "Tabella_TXT", "@out/t.txt"},
             0, warning, "", {{"t.txt", "@data/due_colonne.txt"}}},
        Case{"CellNotANumber",
             {"--open", "@data/non_numero.txt", "--analysis", "Descriptive statistics", "--set", "ListaColonne=Peso",
              "--click", "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/r.txt"},
             1, warning, "'abc' is not a valid floating point value\n", {{"r.txt", ""}}},
        Case{"NoColumnTicked", with(openDescriptive, {"--click", "Analisi_IMG"}), 0,
             warning + "Devi selezionare almeno una colonna da calcolare\n", "", {}},
        // Without data the window does not open, and steps meant for it must
        // not fall on the main window.
        Case{"NoData",
             {"--analysis", "Descriptive statistics", "--save-grid", "Tabella_TXT", "@out/r.txt"},
             1, "Devi prima inserire o caricare dei dati\n", "The window TVelmoraDescrittiva did not open\n",
             {{"r.txt", ""}}},
        Case{"DisabledDigitBox", with(openDescriptive, {"--set", "NumeroCifre_TXT=1"}), 1, warning,
             "The control NumeroCifre_TXT of TVelmoraDescrittiva is disabled\n", {}},
        // The whole command line is checked before the first step runs.
        Case{"BadArgument", {"--open", "@data/due_colonne.txt", "--frobnicate"}, 1, "",
             "Unknown argument \"--frobnicate\"\n", {}},
        Case{"UnusedAnswer", {"--answer", "@out/x.txt"}, 1, "", "No file dialog took the answer \"@out/x.txt\"\n", {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

const std::vector<std::string> linearRegression{
    "--open", "@data/regressione.txt", "--analysis", "Regression Linear", "--set", "Colonna_X_LST=Mese",
    "--set", "Colonna_Y_LST=Vendite", "--click", "Analisi_IMG"};

INSTANTIATE_TEST_SUITE_P(
    Analyses, BatchRun,
    ::testing::Values(
        // X = 3 twice: the chart data show the Y that the pair sort puts first.
        Case{"LinearRegression",
             with(linearRegression, {"--save-grid", "Tabella_TXT", "@out/tab.txt", "--answer", "@out/graf.txt", "--click",
                                     "Esporta_Distribuzione_IMG", "--click", "CopiaColonna_IMG", "--window", "TMenuGEN",
                                     "--save-grid", "Tabella_TXT", "@out/dati.txt"}),
             0, warning + "Copia effettuata\n", "",
             {{"tab.txt", "lineare_tabella.txt"}, {"graf.txt", "lineare_dati_grafico.txt"}, {"dati.txt", "lineare_copiata.txt"}}},
        Case{"ExportBeforeComputing",
             {"--open", "@data/regressione.txt", "--analysis", "Regression Linear", "--click", "Esporta_Distribuzione_IMG"},
             0, warning + "Devi prima calcolare i parametri delle distribuzioni\n", "", {}},
        // The fit belongs to the table it came from: after another file is
        // opened, the copy is refused and the new table stays as it was read.
        Case{"CopyRefusedAfterAnotherFile",
             with(linearRegression, {"--window", "TMenuGEN", "--open", "@data/due_colonne.txt", "--window",
                                     "TRegressioneLineare", "--click", "CopiaColonna_IMG", "--window", "TMenuGEN",
                                     "--save-grid", "Tabella_TXT", "@out/dati.txt"}),
             0, warning + "Devi prima calcolare i parametri delle distribuzioni\n", "",
             {{"dati.txt", "@data/due_colonne.txt"}}},
        Case{"TTest",
             {"--open", "@data/ttest.txt", "--analysis", "T Test", "--set", "ListaColonne=Gruppo1", "--set",
              "ListaColonne=Gruppo2", "--click", "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/t.txt"},
             0, warning, "", {{"t.txt", "test_t.txt"}}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

std::vector<std::string> distribution(const std::string& analysis, const std::string& column,
                                      const std::vector<std::string>& steps)
{
    return with({"--open", "@data/distribuzioni.txt", "--analysis", analysis, "--set", "ListaColonne=" + column,
                 "--click", "Analisi_IMG"},
                steps);
}

// 240 rows of measurements (distribuzioni.txt); the figures come from
// ../distributions/expected/distinct_values_reference.py.
INSTANTIATE_TEST_SUITE_P(
    Distributions, BatchRun,
    ::testing::Values(
        Case{"Uniform",
             distribution("Uniform Distribution", "Dado",
                          {"--save-grid", "Tabella_TXT", "@out/tab.txt", "--click", "DisegnaDati_IMG", "--answer",
                           "@out/graf.txt", "--click", "Esporta_Distribuzione_IMG"}),
             0, warning, "", {{"tab.txt", "uniforme_tabella.txt"}, {"graf.txt", "uniforme_dati_grafico.txt"}}},
        Case{"Rayleigh",
             distribution("Rayleigh Distribution", "Vento",
                          {"--save-grid", "Tabella_TXT", "@out/tab.txt", "--answer", "@out/graf.txt", "--click",
                           "Esporta_Distribuzione_IMG"}),
             0, warning, "", {{"tab.txt", "rayleigh_tabella.txt"}, {"graf.txt", "rayleigh_dati_grafico.txt"}}},
        Case{"Weibull",
             distribution("Weibull Distribution", "Durata",
                          {"--set", "lamda_TXT=800", "--click", "DisegnaDati_IMG", "--answer", "@out/graf.txt",
                           "--click", "Esporta_Distribuzione_IMG"}),
             0, warning, "", {{"graf.txt", "weibull_dati_grafico.txt"}}},
        // Under the decimal comma the shape typed with a point is read all the same.
        Case{"WeibullDecimalComma",
             {"--open", "@data/virgola.txt", "--analysis", "Weibull Distribution", "--set", "ListaColonne=B", "--set",
              "k_TXT=2.5", "--set", "lamda_TXT=4", "--click", "Analisi_IMG", "--answer", "@out/graf.txt", "--click",
              "Esporta_Distribuzione_IMG"},
             0, warning, "", {{"graf.txt", "weibull_virgola.txt"}}},
        Case{"WeibullScaleZero",
             distribution("Weibull Distribution", "Durata",
                          {"--set", "lamda_TXT=0", "--answer", "@out/graf.txt", "--click", "Esporta_Distribuzione_IMG"}),
             1, warning, "Floating point division by zero\n", {{"graf.txt", ""}}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

const std::vector<std::string> openMatrix{"--open", "@data/matrice.txt", "--analysis", "Matrix"};
const std::vector<std::string> openSmoothing{"--open", "@data/smoothing.txt", "--analysis", "Smoothing filters",
                                             "--set", "ListaColonne=Temperatura"};

// Figures from expected/transform_reference.py. The matrix is the square of
// the first four rows (its first pivot is 0); the rows below are not read.
// Its pivots keep the elimination exact to the last digit, so the inverse
// is compared in full with the exact one.
INSTANTIATE_TEST_SUITE_P(
    Transforms, BatchRun,
    ::testing::Values(
        Case{"MatrixInverse",
             with(openMatrix, {"--set", "Operazione_LST=Matrix inverse", "--click", "Analisi_IMG", "--save-grid",
                               "Tabella_TXT", "@out/inv.txt"}),
             0, warning, "", {{"inv.txt", "matrice_inversa.txt"}}},
        Case{"MatrixCube",
             with(openMatrix, {"--set", "esponente_TXT=3", "--click", "Analisi_IMG", "--answer", "@out/cubo.txt",
                               "--click", "SalvaTabella_IMG"}),
             0, warning, "", {{"cubo.txt", "matrice_cubo.txt"}}},
        Case{"ExponentHiddenForTheInverse",
             with(openMatrix, {"--set", "Operazione_LST=Matrix inverse", "--set", "esponente_TXT=3"}), 1, warning,
             "The control esponente_TXT of TMatrice is hidden\n", {}},
        Case{"SingularMatrix",
             {"--open", "@data/singolare.txt", "--analysis", "Matrix", "--set", "esponente_TXT=-1", "--click",
              "Analisi_IMG"},
             0, warning + "La matrice è singolare: non ha inversa\n", "", {}},
        Case{"SmoothingMovingAverages",
             with(openSmoothing, {"--set", "ListaColonne=Umidita", "--click", "Analisi_IMG", "--set",
                                  "Colonna_LST=Umidita", "--click", "DisegnaDati_IMG", "--save-grid", "Tabella_TXT",
                                  "@out/medie.txt"}),
             0, warning, "", {{"medie.txt", "smoothing_medie.txt"}}},
        Case{"SmoothingExponentialRounded",
             with(openSmoothing, {"--set", "Tipo_Filtro_LST=Exponential smoothing", "--set", "ArrotondaDato_CHK=true",
                                  "--set", "NumeroCifre_TXT=2", "--click", "Analisi_IMG", "--answer", "@out/esp.txt",
                                  "--click", "SalvaTabella_IMG"}),
             0, warning, "", {{"esp.txt", "smoothing_esponenziale.txt"}}},
        Case{"SmoothingDrawBeforeComputing", with(openSmoothing, {"--click", "DisegnaDati_IMG"}), 0,
             warning + "Devi prima calcolare i parametri delle distribuzioni\n", "", {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The five items of the data table's pop-up menu, each on the cell it needs.
INSTANTIATE_TEST_SUITE_P(
    TableMenu, BatchRun,
    ::testing::Values(
        Case{"FiveItems",
             {"--open", "@data/due_colonne.txt", "--cell", "Tabella_TXT=0,1", "--click", "EliminaRiga_MEN", "--click",
              "AggiungiRiga_MEN", "--click", "AggiungiColonna_MEM", "--cell", "Tabella_TXT=0,0", "--click",
              "EliminaColonna_MEM", "--cell", "Tabella_TXT=1,3", "--click", "RinominaColonna_MEM", "--set",
              "NomeColonna_TXT=Altezza", "--click", "Rinomina_BTN", "--window", "TMenuGEN", "--save-grid", "Tabella_TXT",
              "@out/t.txt"},
             0, warning, "", {{"t.txt", "menu_tabella.txt"}}},
        Case{"CellOutsideTheGrid", {"--open", "@data/due_colonne.txt", "--cell", "Tabella_TXT=2,0"}, 1, warning,
             "--cell Tabella_TXT takes COLUMN,ROW inside its 2 columns and 6 rows, not \"2,0\"\n", {}},
        Case{"CellWithoutRow", {"--open", "@data/due_colonne.txt", "--cell", "Tabella_TXT=1"}, 1, warning,
             "--cell Tabella_TXT takes COLUMN,ROW inside its 2 columns and 6 rows, not \"1\"\n", {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

const std::vector<std::string> operations{"--open", "@data/meteo.txt", "--analysis", "Operations"};

INSTANTIATE_TEST_SUITE_P(
    Formulas, BatchRun,
    ::testing::Values(
        Case{"ColumnOperation",
             with(operations, {"--set", "Operazione_TXT=[Temperatura]*2+SIN([Pressione])/(1+[Temperatura]^2)", "--click",
                               "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/r.txt", "--answer", "@out/s.txt",
                               "--click", "SalvaRisultati_IMG"}),
             0, warning, "", {{"r.txt", "operazioni_formula.txt"}, {"s.txt", "operazioni_formula_riassunto.txt"}}},
        // The formula built by clicks: a column, an operator, the same column
        // a row before; the result copied into the data table by name.
        Case{"ConditionOnThePreviousRowCopied",
             with(operations, {"--set", "ListaColonne=Pressione", "--set", "Operatore_LST=>", "--click",
                               "AggiungiOperatore_BTN", "--set", "RigaPrecedente_CHK=true", "--set",
                               "ListaColonne=Pressione", "--click", "Analisi_IMG", "--save-grid", "Tabella_TXT",
                               "@out/r.txt", "--answer", "@out/s.txt", "--click", "SalvaRisultati_IMG", "--set",
                               "NomeColonna_TXT=Salita", "--click", "CopiaColonna_IMG", "--window", "TMenuGEN",
                               "--save-grid", "Tabella_TXT", "@out/d.txt"}),
             0, warning + "Copia effettuata\n", "",
             {{"r.txt", "operazioni_salita.txt"}, {"s.txt", "operazioni_salita_riassunto.txt"},
              {"d.txt", "operazioni_salita_copiata.txt"}}},
        Case{"BadName",
             with(operations, {"--set", "Operazione_TXT=[2x]+1", "--click", "Analisi_IMG"}), 1, warning, "2X\n", {}},
        Case{"FilterThenUseTable",
             {"--open", "@data/meteo.txt", "--click", "FiltraDati_IMG", "--set", "Operazione_TXT=15<[Temperatura]<25",
              "--click", "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/r.txt", "--click", "SostituisciTabella_IMG",
              "--window", "TMenuGEN", "--save-grid", "Tabella_TXT", "@out/d.txt"},
             0, warning + "Tabella sostituita\n", "",
             {{"r.txt", "filtro_temperatura.txt"}, {"d.txt", "filtro_temperatura.txt"}}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

const std::vector<std::string> openOccurrences{"--open", "@data/occorrenze.txt", "--analysis", "Occurrences"};

// Expected tables from expected/occorrenze_reference.py.
INSTANTIATE_TEST_SUITE_P(
    DescriptiveCharts, BatchRun,
    ::testing::Values(
        // Rounded to 2 digits by default; the shorter column ends in 0 0 rows.
        Case{"OccurrencesRounded",
             with(openOccurrences, {"--set", "ListaColonne=Diametro", "--set", "ListaColonne=Difetti", "--click",
                                    "Analisi_IMG", "--answer", "@out/r.txt", "--click", "SalvaTabella_IMG", "--set",
                                    "Colonna_LST=Difetti", "--click", "DisegnaDati_IMG", "--set", "Punti_Uniti_CHK=true"}),
             0, warning, "", {{"r.txt", "occorrenze_arrotondate.txt"}}},
        Case{"OccurrencesUnrounded",
             with(openOccurrences, {"--set", "ArrotondaDato_CHK=false", "--set", "ListaColonne=Diametro", "--click",
                                    "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/r.txt"}),
             0, warning, "", {{"r.txt", "occorrenze_diametro.txt"}}},
        Case{"OccurrencesDrawnBeforeCounting", with(openOccurrences, {"--click", "DisegnaDati_IMG"}), 0,
             warning + "Devi prima calcolare i parametri delle occorrenze\n", "", {}},
        Case{"TrendsSwitchWithNothingTicked",
             {"--open", "@data/occorrenze.txt", "--analysis", "Trends", "--set", "Punti_Uniti_CHK=true"}, 0,
             warning + "Devi selezionare almeno una colonna da calcolare\n", "", {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

const std::vector<std::string> openSeries{"--open", "@data/serie.txt"};

// Expected files from expected/inference_reference.py.
INSTANTIATE_TEST_SUITE_P(
    Inference, BatchRun,
    ::testing::Values(
        Case{"Anova",
             {"--open", "@data/gruppi.txt", "--analysis", "ANOVA Test", "--set", "ListaColonne=Concime A", "--set",
              "ListaColonne=Concime B", "--set", "ListaColonne=Concime C", "--click", "Analisi_IMG", "--answer",
              "@out/a.txt", "--click", "SalvaTabella_IMG"},
             0, warning, "", {{"a.txt", "anova.txt"}}},
        Case{"PearsonAndSpearman",
             with(openSeries, {"--analysis", "Correlation", "--set", "ListaColonne=Temperatura", "--set",
                               "ListaColonne=Gelati", "--click", "Analisi_IMG", "--save-grid", "Tabella_TXT",
                               "@out/p.txt", "--set", "TipoAnalisi_LST=Spearman", "--click", "Analisi_IMG",
                               "--save-grid", "Tabella_TXT", "@out/s.txt"}),
             0, warning, "", {{"p.txt", "pearson.txt"}, {"s.txt", "spearman.txt"}}},
        // The coefficients replace the data table, which is saved from the
        // main window.
        Case{"AutocorrelationReplacesTheTable",
             with(openSeries, {"--analysis", "Autocorrelation", "--set", "Colonna_LST=Gelati", "--click", "Analisi_IMG",
                               "--save-grid", "Tabella_TXT", "@out/r.txt", "--click", "SostituisciTabella_IMG",
                               "--window", "TMenuGEN", "--save-grid", "Tabella_TXT", "@out/dati.txt"}),
             0, warning + "Tabella sostituita\n", "",
             {{"r.txt", "autocorrelazione.txt"}, {"dati.txt", "autocorrelazione.txt"}}},
        Case{"AutocorrelationLimitsFarApart",
             with(openSeries, {"--analysis", "Autocorrelation", "--set", "Limite_K_CHK=true", "--set",
                               "Limite_K_inf_TXT=30", "--click", "Analisi_IMG"}),
             0,
             warning +
                 "Il limite inferiore di K (30) supera il limite superiore (10).\\rIl limite superiore è al massimo il "
                 "numero di righe diviso 4.\n",
             "", {}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });


// Expected files from expected/multipla_reference.py.
INSTANTIATE_TEST_SUITE_P(
    MultipleRegressions, BatchRun,
    ::testing::Values(
        Case{"Linear",
             {"--open", "@data/multipla.txt", "--analysis", "Regression Multiple Linear", "--set", "Colonna_Y_LST=Y",
              "--set", "ListaColonne=A", "--set", "ListaColonne=B", "--set", "ArrotondaDato_CHK=true", "--set",
              "NumeroCifre_TXT=6", "--click", "Analisi_IMG", "--save-grid", "Tabella_TXT", "@out/t.txt", "--answer",
              "@out/g.txt", "--click", "Esporta_Distribuzione_IMG", "--click", "CopiaColonna_IMG", "--window",
              "TMenuGEN", "--save-grid", "Tabella_TXT", "@out/d.txt"},
             0, warning + "Copia effettuata\n", "",
             {{"t.txt", "multipla_lineare.txt"}, {"g.txt", "multipla_lineare_grafico.txt"},
              {"d.txt", "multipla_lineare_copiata.txt"}}},
        Case{"LogarithmicWithFixZeri",
             {"--open", "@data/multipla.txt", "--analysis", "Regression Multiple Logarithmic", "--set",
              "Colonna_Y_LST=W", "--set", "ListaColonne=Z", "--set", "AggiustaZeri_CHK=true", "--set",
              "ArrotondaDato_CHK=true", "--set", "NumeroCifre_TXT=4", "--click", "Analisi_IMG", "--save-grid",
              "Tabella_TXT", "@out/t.txt"},
             0, warning, "", {{"t.txt", "multipla_logaritmica.txt"}}},
        Case{"LogarithmicRefusesAZero",
             {"--open", "@data/multipla.txt", "--analysis", "Regression Multiple Logarithmic", "--set",
              "Colonna_Y_LST=W", "--set", "ListaColonne=Z", "--click", "Analisi_IMG"},
             0, warning + "Impossibile proseguire, sono presenti in X valori <= 0\\r\\nUnable to proceed, there are X values <= 0\n",
             "", {}},
        Case{"Exponential",
             {"--open", "@data/multipla.txt", "--analysis", "Regression Multiple Exponential", "--set",
              "Colonna_Y_LST=W", "--set", "ListaColonne=X1", "--set", "ListaColonne=X2", "--set",
              "ArrotondaDato_CHK=true", "--set", "NumeroCifre_TXT=4", "--click", "Analisi_IMG", "--save-grid",
              "Tabella_TXT", "@out/t.txt"},
             0, warning, "", {{"t.txt", "multipla_esponenziale.txt"}}},
        Case{"PowerWithFixZeri",
             {"--open", "@data/multipla.txt", "--analysis", "Regression Multiple Power", "--set", "Colonna_Y_LST=W",
              "--set", "ListaColonne=X1", "--set", "ListaColonne=Z", "--set", "AggiustaZeri_CHK=true", "--set",
              "ArrotondaDato_CHK=true", "--set", "NumeroCifre_TXT=4", "--click", "Analisi_IMG", "--save-grid",
              "Tabella_TXT", "@out/t.txt"},
             0, warning, "", {{"t.txt", "multipla_potenza.txt"}}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Pictures cannot be compared with a reference across font versions; the
// chart's own size and the agreement of the two ways of saving can.
TEST(BatchChart, SavedPictureIsAPngOfTheChartsSize)
{
#ifndef VELMORA_BATCH_CHARTS
    GTEST_SKIP() << "velmora-batch built without Qt draws no charts";
#endif
    TempDir dir;
    std::vector<std::string> args;
    for (const std::string& a : with(linearRegression, {"--save-chart", "@out/a.png", "--answer", "@out/b.png", "--click",
                                                        "SalvaGrafico_IMG"}))
        args.push_back(expand(a, dir));
    const Outcome run = runProgram(args, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string png = readBytes(dir.file("a.png"));
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    const auto be32 = [&](std::size_t at) {
        return (unsigned(static_cast<unsigned char>(png[at])) << 24) | (unsigned(static_cast<unsigned char>(png[at + 1])) << 16) |
               (unsigned(static_cast<unsigned char>(png[at + 2])) << 8) | unsigned(static_cast<unsigned char>(png[at + 3]));
    };
    EXPECT_EQ(be32(16), 600u);  // the chart model's size on screen
    EXPECT_EQ(be32(20), 400u);
    EXPECT_EQ(readBytes(dir.file("b.png")), png);
}

// A trends chart of 40 rows as blue points: a picture of the chart's size
// whose plot area shows the points, saved alike by both ways.
TEST(BatchChart, TrendsPictureShowsThePoints)
{
#ifndef VELMORA_BATCH_CHARTS
    GTEST_SKIP() << "velmora-batch built without Qt draws no charts";
#else
    TempDir dir;
    std::vector<std::string> args;
    for (const std::string& a : std::vector<std::string>{
             "--open", "@data/occorrenze.txt", "--analysis", "Trends", "--set", "Colonna_X_LST=PROGRESSIVE", "--set",
          "ListaColonne=Temperatura", "--click", "DisegnaDati_IMG", "--answer", "@out/t.png", "--click",
          "SalvaGrafico_IMG", "--save-chart", "@out/s.png"})
        args.push_back(expand(a, dir));
    const Outcome run = runProgram(args, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, warning);
    EXPECT_EQ(run.err, "");
    const QImage image(QString::fromStdString(dir.file("t.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 600);
    EXPECT_EQ(image.height(), 400);
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 80 && c.green() < 80) ++blue;
        }
    }
    EXPECT_GE(blue, 40);  // at least the centre of every point
    EXPECT_EQ(readBytes(dir.file("s.png")), readBytes(dir.file("t.png")));
#endif
}

}  // namespace
}  // namespace velmora::testing
