// Column operations through the window: result column, summary, references
// to other rows, counters, copy, stop and failures.
#include "transform/operazioni.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/failures.h"
#include "fake_platform.h"
#include "table/table_file.h"
#include "test_tables.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using testing::columnTexts;
using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

struct OperazioniWindow : ::testing::Test {
    FakePlatform platform;
    TMenuGEN menu{platform};
    TOperazioni window{menu};

    void load(const Rows& rows)
    {
        testing::setTable(menu.Tabella_TXT, rows);
        menu.RiempiListaColonne(window.ListaColonne);
    }
    void compute(const std::string& formula)
    {
        window.Operazione_TXT.text = formula;
        window.Analisi_IMGClick();
    }
    // The failure's message, or "" when the computation ends normally.
    std::string failure(const std::string& formula)
    {
        try {
            compute(formula);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }
    Texts result() const { return columnTexts(window.Tabella_TXT, 0); }
    // The summary without its empty separating lines.
    Texts summary() const
    {
        Texts lines;
        for (std::size_t i = 0; i < window.Risultati_TXT.lines.size(); ++i) {
            if (i % 2 == 1) EXPECT_EQ(window.Risultati_TXT.lines[i], "");
            else lines.push_back(window.Risultati_TXT.lines[i]);
        }
        return lines;
    }
};

const Rows abc{{"A", "B"}, {"1", "10"}, {"2", "20"}, {"3", "30"}};

TEST_F(OperazioniWindow, PlainFormulaListsEveryRowAndItsSummary)
{
    load(abc);
    compute("[A]*2");
    EXPECT_EQ(result(), (Texts{"2", "4", "6"}));
    EXPECT_EQ(window.Risultati_TXT.lines.size(), 15u);
    EXPECT_EQ(summary(), (Texts{
                             "The equation is valid 3 times out of 3",
                             "The equation is valid 100.00000%",
                             "The sum of the positive conditions is 12",
                             "The average of the positive conditions is 4",
                             "The equation is not valid 0 times out of 3",
                             "The equation is not valid .00000%",
                             "The sum of the rejected conditions is 0",
                             "The average of the rejected conditions is 0",
                         }));
    EXPECT_EQ(platform.tones, FakePlatform::completion());
    EXPECT_EQ(window.Tabella_TXT.columnCount(), 1);
    EXPECT_TRUE(window.Tabella_TXT.readOnly(0));
}

TEST_F(OperazioniWindow, ConditionsAndReferences)
{
    struct Case {
        Rows table;
        const char* formula;
        Texts column;
        const char* validLine;
        const char* positiveSum;
        const char* rejectedSum;
    };
    const Rows squares{{"A"}, {"1"}, {"4"}, {"9"}};
    const Case cases[] = {
        {abc, "[A]>1", {"", "2", "3"}, "The equation is valid 2 times out of 3", "5", "1"},
        // Three parts: the middle one is listed and summed.
        {abc, "0<[A]<3", {"1", "2", ""}, "The equation is valid 2 times out of 3", "3", "3"},
        {abc, "[B]/10 >= 2", {"", "2", "3"}, "The equation is valid 2 times out of 3", "5", "1"},
        {abc, "[A]<>2", {"1", "", "3"}, "The equation is valid 2 times out of 3", "4", "2"},
        // Runs that are no operator never hold.
        {abc, "[A]=>1", {"", "", ""}, "The equation is valid 0 times out of 3", "0", "6"},
        // An empty first part is 0.
        {abc, "=5", {"", "", ""}, "The equation is valid 0 times out of 3", "0", "0"},
        {squares, "[A+]-[A]", {"3", "5", "0"}, "The equation is valid 2 times out of 3", "8", "0"},
        {squares, "[A]-[A-]", {"0", "3", "5"}, "The equation is valid 2 times out of 3", "8", "0"},
        // A header nobody has reads the first column.
        {abc, "[Q]*10", {"10", "20", "30"}, "The equation is valid 3 times out of 3", "60", "0"},
        // A reference never closed is dropped; "[" restarts one already open.
        {abc, "[A]*2[B", {"2", "4", "6"}, "The equation is valid 3 times out of 3", "12", "0"},
        {abc, "[B[A]*3", {"3", "6", "9"}, "The equation is valid 3 times out of 3", "18", "0"},
        // "." and blanks leave the variable's name, not the header.
        {Rows{{"x", "p.e so"}, {"1", "2"}}, "[p.e so]+[x]", {"3"}, "The equation is valid 1 times out of 1", "3", "0"},
    };
    for (const Case& c : cases) {
        load(c.table);
        compute(c.formula);
        EXPECT_EQ(result(), c.column) << c.formula;
        const Texts s = summary();
        ASSERT_EQ(s.size(), 8u) << c.formula;
        EXPECT_EQ(s[0], c.validLine) << c.formula;
        EXPECT_EQ(s[2], std::string("The sum of the positive conditions is ") + c.positiveSum) << c.formula;
        EXPECT_EQ(s[6], std::string("The sum of the rejected conditions is ") + c.rejectedSum) << c.formula;
    }
}

TEST_F(OperazioniWindow, SummaryPercentagesAndAverages)
{
    load(abc);
    compute("[A]>1");
    EXPECT_EQ(summary(), (Texts{
                             "The equation is valid 2 times out of 3",
                             "The equation is valid 66.66667%",
                             "The sum of the positive conditions is 5",
                             "The average of the positive conditions is 2.5",
                             "The equation is not valid 1 times out of 3",
                             "The equation is not valid 33.33333%",
                             "The sum of the rejected conditions is 1",
                             "The average of the rejected conditions is 1",
                         }));
    EXPECT_EQ(formatPercent(0.5, ','), ",50000");
    EXPECT_EQ(formatPercent(12.345678, ','), "12,34568");
}

TEST_F(OperazioniWindow, ListClicksInsertReferences)
{
    load(abc);
    window.ListaColonneItemClick(1);
    window.RigaPrecedente_CHK.checked = true;
    window.ListaColonneItemClick(0);
    window.RigaSuccessiva_CHK.checked = true;  // the next row wins over the previous one
    window.ListaColonneItemClick(0);
    window.Operatore_LST.selectText("MOD(");
    window.AggiungiOperatore_BTNClick();
    EXPECT_EQ(window.Operazione_TXT.text, "[B][A-][A+]MOD(");
    EXPECT_EQ(window.Operatore_LST.items.size(), 39u);
    EXPECT_EQ(window.Operatore_LST.items.back(), "RANDOM(1)");
}

TEST_F(OperazioniWindow, FailuresKeepTheRowsDoneBefore)
{
    load(Rows{{"2x", "A", "C"}, {"1", "1", "1"}, {"2", "2", "x"}});
    EXPECT_EQ(failure(""), "");
    EXPECT_EQ(platform.lastMessage(), "Devi definire una equazione");
    EXPECT_EQ(failure("[2x]*2"), "2X");
    EXPECT_EQ(failure("[A] * 2"), "Expression has blanks");
    EXPECT_EQ(failure("[2x]*2)"), "2X");  // names are checked before the formula compiles
    EXPECT_EQ(failure("COTAN([A]"), "Missing brackets in expression");
    EXPECT_EQ(failure("[A]+[C]"), "'x' is not a valid floating point value");

    load(Rows{{"A"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}});
    platform.tones.clear();
    window.Risultati_TXT.lines = {"earlier"};
    EXPECT_EQ(failure("[A]/([A]-3)"), "Floating point division by zero");
    EXPECT_EQ(result(), (Texts{"-0.5", "-2", "", "", ""}));
    EXPECT_EQ(window.Risultati_TXT.lines, Texts{"earlier"});
    EXPECT_TRUE(platform.tones.empty());
    // Blanks beside the comparison are trimmed away with the ends of each part.
    EXPECT_EQ(failure(" [A] > 4 "), "");
    EXPECT_EQ(result(), (Texts{"", "", "", "", "5"}));
}

TEST_F(OperazioniWindow, StopKeepsTheRowsDone)
{
    Rows rows{{"A"}};
    for (int i = 0; i < 1000; ++i) rows.push_back({std::to_string(i)});
    load(rows);
    int steps = 0;
    platform.onProcessEvents = [&] {
        if (++steps == 2) window.Ferma_IMGClick();
    };
    window.Risultati_TXT.lines = {"earlier"};
    compute("[A]+1");
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    // Steps at rows 0 and 100: the stop comes after row 100.
    const Texts column = result();
    EXPECT_EQ(column[100], "101");
    EXPECT_EQ(column[101], "");
    EXPECT_EQ(window.barra.position, 100);
    EXPECT_EQ(window.Risultati_TXT.lines, Texts{"earlier"});

    // The next run starts again from the beginning.
    platform.onProcessEvents = nullptr;
    compute("[A]+1");
    EXPECT_EQ(result().back(), "1000");
    EXPECT_EQ(summary()[0], "The equation is valid 1000 times out of 1000");
}

TEST_F(OperazioniWindow, CountersCopyAndSavedSummary)
{
    load(abc);
    window.Image1Click();
    window.Image1Click();
    EXPECT_EQ(menu.Tabella_TXT.header(2), "COUNTER");
    EXPECT_EQ(menu.Tabella_TXT.header(3), "COUNTERT");
    EXPECT_EQ(columnTexts(menu.Tabella_TXT, 3), (Texts{"1", "2", "3"}));
    EXPECT_TRUE(menu.Tabella_TXT.readOnly(2));
    EXPECT_EQ(platform.messages, (Texts{"Contatore inserito", "Contatore inserito"}));
    EXPECT_EQ(platform.closed, (Texts{"TOperazioni", "TOperazioni"}));
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "4");

    compute("[A]>1");
    window.CopiaColonna_IMGClick();  // no name typed: the letter name of its position
    window.NomeColonna_TXT.text = "Grandi";
    window.CopiaColonna_IMGClick();
    EXPECT_EQ(menu.Tabella_TXT.header(4), "E");
    EXPECT_EQ(menu.Tabella_TXT.header(5), "Grandi");
    EXPECT_EQ(columnTexts(menu.Tabella_TXT, 5), (Texts{"", "2", "3"}));
    EXPECT_TRUE(menu.Tabella_TXT.readOnly(5));
    EXPECT_EQ(menu.Numero_colonne_TXT.text, "6");
    EXPECT_EQ(platform.lastMessage(), "Copia effettuata");

    testing::TempDir dir;
    const std::string path = dir.file("riassunto.txt");
    platform.saveAnswers.push_back(path);
    window.SalvaRisultati_IMGClick();
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    EXPECT_EQ(platform.saveDialogs[0].filterName, "File di testo semplice");
    const std::string text = readWholeFile(path);
    EXPECT_EQ(text.substr(0, 42), "The equation is valid 2 times out of 3\r\n\r\n");
    EXPECT_EQ(text.substr(text.size() - 45), "The average of the rejected conditions is 1\r\n");
}

TEST(OperazioniCopy, BeforeAnyComputationNothingIsCopied)
{
    FakePlatform platform;
    TMenuGEN menu{platform};
    TOperazioni window{menu};
    testing::setTable(menu.Tabella_TXT, abc);
    window.CopiaColonna_IMGClick();
    EXPECT_EQ(menu.Tabella_TXT.columnCount(), 2);
    EXPECT_EQ(platform.lastMessage(), AnalysisWindow::mustComputeFirst);
}

}  // namespace
}  // namespace velmora
