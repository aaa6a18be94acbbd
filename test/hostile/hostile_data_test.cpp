// Hostile input through the real code paths: every case ends in a table, a
// result or a failure with a message, and the program goes on.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "app/application.h"
#include "controls/failures.h"
#include "descriptive/velmora_descrittiva.h"
#include "distributions/distribuzione_normale.h"
#include "parser/parser.h"
#include "regression/regressione_lineare.h"
#include "fake_platform.h"
#include "table/numbers.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using testing::TempDir;

struct Hostile : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    TempDir dir;

    // Opens the bytes as "Apri dati" does; the failure message or "".
    std::string open(const std::string& bytes)
    {
        const std::string path = dir.file("input.txt");
        testing::writeBytes(path, bytes);
        platform.openAnswers.push_back(path);
        try {
            menu.Apri_Dati_IMGClick();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }

    // Opens an analysis as "Analizza" does and runs its Calcola; the
    // failure message or "".
    template <class W>
    std::string calcola(const char* item, const char* className, const std::function<void(W&)>& choose)
    {
        auto& w = *static_cast<W*>(app.window(className));
        menu.TipoAnalisi_LST.selectText(item);
        menu.Analisi_IMGClick();
        choose(w);
        try {
            w.Analisi_IMGClick();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }

    // A cell of the descriptive statistics' result table.
    std::string result(int column, int row)
    {
        return std::string(static_cast<TVelmoraDescrittiva*>(app.window("TVelmoraDescrittiva"))->Tabella_TXT.cell(column, row));
    }
    std::string describeAll()
    {
        auto& w = *static_cast<TVelmoraDescrittiva*>(app.window("TVelmoraDescrittiva"));
        menu.TipoAnalisi_LST.selectText("Descriptive statistics");
        menu.Analisi_IMGClick();
        for (auto& item : w.ListaColonne.items) item.checked = true;
        try {
            w.Analisi_IMGClick();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(Hostile, AFiftyMegabyteLineIsOneHeader)
{
    std::string bytes(50u << 20, 'x');
    bytes += "\r\n";
    EXPECT_EQ(open(bytes), "");
    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 1);
    EXPECT_EQ(menu.Tabella_TXT.header(0).size(), 50u << 20);
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 0);
}

TEST_F(Hostile, BinaryBytesGiveATableOrAMessage)
{
    std::mt19937 random(3);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096 + round * 997, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        const std::string message = open(bytes);
        if (!message.empty()) {
            EXPECT_TRUE(message.find("Column index") == 0 || message.find("List index") == 0 ||
                        message.find("Invalid") == 0)
                << message;
        }
    }
    // The program goes on: a plain table still opens.
    EXPECT_EQ(open("A\tB\r\n1\t2\r\n"), "");
    EXPECT_EQ(menu.Tabella_TXT.cell(1, 0), "2");
}

TEST_F(Hostile, OddUtf16IsRefusedAndTheTableKept)
{
    EXPECT_EQ(open("A\tB\r\n1\t2\r\n"), "");
    const std::string message = open(std::string("\xFF\xFE" "A\0\t\0B", 7));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(menu.Tabella_TXT.header(1), "B");
    EXPECT_EQ(menu.Tabella_TXT.cell(0, 0), "1");
}

TEST_F(Hostile, HundredThousandColumns)
{
    std::string header, row;
    for (int c = 0; c < 100000; ++c) {
        if (c) {
            header += '\t';
            row += '\t';
        }
        header += "c" + std::to_string(c);
        row += std::to_string(c % 7 + 1);
    }
    EXPECT_EQ(open(header + "\r\n" + row + "\r\n" + row + "\r\n"), "");
    ASSERT_EQ(menu.Tabella_TXT.columnCount(), 100000);
    EXPECT_EQ(describeAll(), "");
    EXPECT_EQ(result(99999, 9), "NAN");  // two equal rows: no spread, so no shape
}

TEST_F(Hostile, TablesTooLargeToHoldAreRefusedAndTheOldTableKept)
{
    const std::string refused =
        "Tabella troppo grande: al massimo 50000000 righe e 200000000 celle\r\n"
        "Table too large: at most 50000000 rows and 200000000 cells";
    const auto kept = [&](const char* what) {
        EXPECT_EQ(menu.Tabella_TXT.rowCount(), 2) << what;
        ASSERT_EQ(menu.Tabella_TXT.columnCount(), 1) << what;
        EXPECT_EQ(menu.Tabella_TXT.cell(0, 1), "7") << what;
    };
    const auto newTable = [&](const char* rows, const char* columns) {
        testing::setTable(menu.Tabella_TXT, {{"A"}, {"5"}, {"7"}});
        menu.Numero_righe_TXT.text = rows;
        menu.Numero_colonne_TXT.text = columns;
        try {
            menu.Nuovi_Dati_IMGClick();
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(newTable("300000000", "1"), refused);
    kept("rows");
    EXPECT_EQ(newTable("2000000000", "2000000000"), refused);
    kept("rows and columns");
    EXPECT_EQ(newTable("0", "2000000000"), refused);
    kept("columns of no rows");
    EXPECT_EQ(newTable("-1", "100000000"), refused);  // the two kept rows count
    kept("kept rows");
    EXPECT_EQ(newTable("3000000000", "1"), "'3000000000' is not a valid integer value");
    kept("beyond an integer");
    EXPECT_EQ(newTable("4", "3"), "");
    EXPECT_EQ(menu.Tabella_TXT.rowCount(), 4);

    // A file whose header is 100,000 columns wide over 2,000 lines.
    testing::setTable(menu.Tabella_TXT, {{"A"}, {"5"}, {"7"}});
    std::string wide;
    for (int c = 0; c < 100000; ++c) wide += "c\t";
    wide += "\r\n";
    for (int r = 0; r < 2000; ++r) wide += "1\r\n";
    EXPECT_EQ(open(wide), refused);
    kept("open");

    // A paste that would lengthen the table past the rows it can hold.
    menu.Tabella_TXT.currentRow = 49999999;
    menu.Tabella_TXT.currentCol = 0;
    EXPECT_THROW(menu.pasteCells("1\r\n1"), TableSizeError);
    kept("paste");
}

// Sums beyond the range of doubles make their measures NAN; the rest stand.
TEST_F(Hostile, ExtremeCellsGiveNanWhereTheirSumsOverflow)
{
    for (const char* value : {"1e308", "-1e308"}) {
        testing::setTable(menu.Tabella_TXT, {{"A"}, {value}, {value}, {"1"}});
        EXPECT_EQ(describeAll(), "") << value;
        EXPECT_EQ(result(0, 1), "NAN") << value;                     // Average
        EXPECT_EQ(result(0, 15), "3") << value;                      // Harmonic Average
        EXPECT_EQ(result(0, 17), "2.15443469003188E205") << value;  // Geometric Average
    }
    testing::setTable(menu.Tabella_TXT, {{"A"}, {"1e309"}});
    EXPECT_EQ(describeAll(), "'1e309' is not a valid floating point value");

    // The sums overflow and the fit then meets inf - inf: the cause is named.
    testing::setTable(menu.Tabella_TXT, {{"X", "Y"}, {"1e300", "1e300"}, {"2e300", "3e300"}, {"3e300", "2e300"}});
    EXPECT_EQ(calcola<TRegressioneLineare>("Regression Linear", "TRegressioneLineare",
                                           [](TRegressioneLineare& w) {
                                               w.Colonna_X_LST.selectText("X");
                                               w.Colonna_Y_LST.selectText("Y");
                                           }),
              "Floating point overflow");
}

TEST_F(Hostile, MillionEqualValuesSortWithinBounds)
{
    TMenuGEN::PulisciTabella(1000000, 1, menu.Tabella_TXT, false);
    menu.Tabella_TXT.setHeader(0, "A");
    for (int r = 0; r < 1000000; ++r) menu.Tabella_TXT.setCell(0, r, "1");
    EXPECT_EQ(describeAll(), "");
    EXPECT_EQ(result(0, 9), "NAN");  // no spread, so no shape

    // The pair sort of the regression and the sort of the distributions.
    testing::setTable(menu.Tabella_TXT, {{"A", "B"}});
    TMenuGEN::PulisciTabella(1000000, 2, menu.Tabella_TXT, false);
    menu.Tabella_TXT.setHeader(0, "A");
    menu.Tabella_TXT.setHeader(1, "B");
    for (int r = 0; r < 1000000; ++r) {
        menu.Tabella_TXT.setCell(0, r, "1");
        menu.Tabella_TXT.setCell(1, r, r % 2 ? "2" : "3");
    }
    EXPECT_EQ(calcola<TRegressioneLineare>("Regression Linear", "TRegressioneLineare",
                                           [](TRegressioneLineare& w) {
                                               w.Colonna_X_LST.selectText("A");
                                               w.Colonna_Y_LST.selectText("B");
                                           }),
              "Invalid floating point operation");  // no spread of X
    EXPECT_EQ(calcola<TDistribuzioneNormale>("Normal Distribution", "TDistribuzioneNormale",
                                             [](TDistribuzioneNormale& w) { w.ListaColonne.items[0].checked = true; }),
              "");  // standard deviation 0: the shape rows are NAN

    std::vector<double> keys(1000000, 2.0), companions(1000000, 0.0);
    OrdinaVettoriAlgoritmoQuickSortReali(keys, companions, 0, 999999);
    EXPECT_EQ(keys.front(), 2.0);
}

TEST_F(Hostile, FormulasOfTenThousandCharactersCompileOrFail)
{
    std::string sum = "X";
    while (sum.size() < 10000) sum += "+X*2-Y/3";
    std::string nested;
    while (nested.size() < 10000) nested = "(" + (nested.empty() ? std::string("X") : nested) + "+1)";
    std::string mixed;
    for (int i = 0; mixed.size() < 10000; ++i) mixed += "SIN(X)*(Y-" + std::to_string(i) + ")^2/";
    for (const std::string& formula : {sum, nested, mixed, std::string(10000, '(')}) {
        TParser parser;
        parser.SetVariable("X", 1.5);
        parser.SetVariable("Y", 2.0);
        try {
            parser.ParseExpression(formula);
            (void)parser.Value();
        } catch (const Error& e) {
            EXPECT_GT(std::string(e.what()).size(), 0u);
        }
    }
}

}  // namespace
}  // namespace velmora
