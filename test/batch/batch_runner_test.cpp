// The batch steps in process, on a small window with one control of every
// kind the steps reach.
#include <sstream>

#include <gtest/gtest.h>

#include "batch/batch_runner.h"
#include "table/menu_gen.h"

namespace velmora::batch {
namespace {

class TProva : public Window {
public:
    TProva() : Window("TProva", "Prova", 400, 300)
    {
        declare(Singoli).onChange = [this] { log.push_back("Singoli"); };
        declare(Uniti).onChange = [this] { log.push_back("Uniti"); };
        declare(Scelta).onChange = [this] { log.push_back("Scelta"); };
        Scelta.items = {"uno", "due"};
        Scelta.itemIndex = 0;
        declare(Lista).onItemClick = [this](int i) { Lista.items[i].checked = !Lista.items[i].checked; };
        for (const char* t : {"A", "B", "A"}) Lista.add(t);
        declare(Salva).onClick = [this] {
            for (int i = 0; i < 3; ++i) answers.push_back(platform->askSaveFile({}));
        };
        declare(Grafico).title = "Prova";
        declare(Nascosto).visible = false;
    }

    RadioButton Singoli{"Singoli", "Punti Singoli", "punti", true};
    RadioButton Uniti{"Uniti", "Punti Uniti", "punti"};
    ComboBox Scelta{"Scelta", "Scelta"};
    CheckList Lista{"Lista"};
    Button Salva{"Salva", "Salva"};
    ChartBox Grafico;
    EditBox Nascosto{"Nascosto", ""};

    Platform* platform = nullptr;
    std::vector<std::string> log;
    std::vector<std::optional<std::string>> answers;
};

class BatchRunnerTest : public ::testing::Test {
protected:
    BatchRunnerTest()
        : platform(out, [this](const ChartModel& c, const std::string& path) { charts.emplace_back(c.title, path); }),
          menu(platform), runner(platform, menu, {&menu, &prova})
    {
        prova.platform = &platform;
    }

    void steps(const std::vector<std::string>& args)
    {
        for (const Step& s : parseArguments(args)) runner.perform(s);
    }
    // The message of the failure the steps meet.
    std::string failure(const std::vector<std::string>& args)
    {
        try {
            steps(args);
        } catch (const Error& e) {
            return e.what();
        }
        return "no failure";
    }

    std::ostringstream out;
    std::vector<std::pair<std::string, std::string>> charts;
    BatchPlatform platform;
    TMenuGEN menu;  // no analysis window registered
    TProva prova;
    BatchRunner runner;
};

TEST(BatchArguments, MalformedCommandLines)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--frobnicate"}, "Unknown argument \"--frobnicate\""},
        {{"--open"}, "--open needs FILE"},
        {{"--open", "--click", "X"}, "--open needs FILE"},
        {{"--save-grid", "Tabella_TXT"}, "--save-grid needs CONTROL FILE"},
        {{"--set", "NumeroCifre_TXT"}, "--set needs CONTROL=VALUE, not \"NumeroCifre_TXT\""},
        {{"--set", "=3"}, "--set needs CONTROL=VALUE, not \"=3\""},
    };
    for (const auto& [args, message] : cases) {
        try {
            parseArguments(args);
            ADD_FAILURE() << "accepted " << args[0];
        } catch (const BatchError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST(BatchArguments, SetSplitsAtTheFirstEqualsSign)
{
    const auto steps = parseArguments({"--set", "Formula_TXT=A=B", "--save-grid", "Tabella_TXT", "r.txt"});
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].name, "Formula_TXT");
    EXPECT_EQ(steps[0].value, "A=B");
    EXPECT_EQ(steps[1].kind, Step::Kind::SaveGrid);
    EXPECT_EQ(steps[1].name, "Tabella_TXT");
    EXPECT_EQ(steps[1].value, "r.txt");
}

TEST(BatchMessages, OneLineEach)
{
    EXPECT_EQ(oneLine("a\rb\r\nc\\d"), "a\\rb\\r\\nc\\d");
}

TEST_F(BatchRunnerTest, RadioButtonsRunTheirHandlerOnlyOnAChange)
{
    steps({"--window", "TProva", "--set", "Uniti=true", "--set", "Uniti=true"});
    EXPECT_TRUE(prova.Uniti.checked);
    EXPECT_FALSE(prova.Singoli.checked);
    EXPECT_EQ(prova.log, std::vector<std::string>{"Uniti"});
    EXPECT_EQ(failure({"--set", "Uniti=yes"}), "--set Uniti takes true or false, not \"yes\"");
}

TEST_F(BatchRunnerTest, ComboBoxItemByText)
{
    steps({"--window", "TProva", "--set", "Scelta=due"});
    EXPECT_EQ(prova.Scelta.itemIndex, 1);
    EXPECT_EQ(prova.log, std::vector<std::string>{"Scelta"});
    EXPECT_EQ(failure({"--set", "Scelta=tre"}), "The combo box Scelta has no item \"tre\"");
    EXPECT_EQ(prova.Scelta.itemIndex, 1);
}

TEST_F(BatchRunnerTest, CheckListTicksItemsOfOneTextInTurnAndClears)
{
    steps({"--window", "TProva", "--set", "Lista=A", "--set", "Lista=A", "--set", "Lista=A"});
    EXPECT_TRUE(prova.Lista.items[0].checked);
    EXPECT_FALSE(prova.Lista.items[1].checked);
    EXPECT_TRUE(prova.Lista.items[2].checked);
    steps({"--clear", "Lista"});
    for (const auto& item : prova.Lista.items) EXPECT_FALSE(item.checked);
    EXPECT_EQ(failure({"--set", "Lista=Z"}), "The list Lista has no item \"Z\"");
    EXPECT_EQ(failure({"--clear", "Scelta"}), "--clear works on check lists; Scelta is not one");
}

TEST_F(BatchRunnerTest, AnswersServeTheDialogsInOrderThenCancel)
{
    steps({"--window", "TProva", "--answer", "a.txt", "--answer", "b.txt", "--click", "Salva"});
    EXPECT_EQ(prova.answers, (std::vector<std::optional<std::string>>{"a.txt", "b.txt", std::nullopt}));
    EXPECT_NO_THROW(runner.finish());
    steps({"--answer", "c.txt"});
    EXPECT_THROW(runner.finish(), BatchError);
}

TEST_F(BatchRunnerTest, ChartOfTheCurrentWindow)
{
    EXPECT_EQ(failure({"--save-chart", "c.png"}), "The window TMenuGEN has no chart");
    steps({"--window", "TProva", "--save-chart", "c.png"});
    EXPECT_EQ(charts, (std::vector<std::pair<std::string, std::string>>{{"Prova", "c.png"}}));

    std::ostringstream messages;
    BatchPlatform withoutQt(messages, {});
    EXPECT_THROW(withoutQt.saveChartPicture(prova.Grafico, "c.png"), Error);
}

TEST_F(BatchRunnerTest, ControlsAUserCannotReach)
{
    steps({"--window", "TProva"});
    EXPECT_EQ(failure({"--set", "Nessuno=1"}), "The window TProva has no control \"Nessuno\"");
    EXPECT_EQ(failure({"--set", "Nascosto=1"}), "The control Nascosto of TProva is hidden");
    EXPECT_EQ(failure({"--click", "Scelta"}), "The control Scelta is not a button");
    EXPECT_EQ(failure({"--save-grid", "Scelta", "r.txt"}), "The control Scelta is not a grid");
    EXPECT_EQ(failure({"--window", "TNessuna"}), "Unknown window \"TNessuna\"");
}

TEST_F(BatchRunnerTest, AnalysisNeedsItsWindow)
{
    EXPECT_EQ(failure({"--analysis", "Descriptive statistics"}),
              "The analysis \"Descriptive statistics\" has no window in this program yet");
    EXPECT_EQ(failure({"--analysis", "Statistica"}), "Unknown analysis \"Statistica\"");
}

TEST_F(BatchRunnerTest, ClosingTheCurrentWindowReturnsToTheMainWindow)
{
    steps({"--window", "TProva"});
    platform.close(prova);
    EXPECT_EQ(&runner.current(), &menu);
    platform.showMessage("ATTENZIONE.\rDue righe");
    EXPECT_EQ(out.str(), "ATTENZIONE.\\rDue righe\n");
}

}  // namespace
}  // namespace velmora::batch
