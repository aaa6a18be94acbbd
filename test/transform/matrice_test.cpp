#include "transform/matrice.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "controls/failures.h"
#include "fake_platform.h"
#include "test_tables.h"
#include "transform/matrix_algebra.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using Rows = std::vector<std::vector<double>>;
using Table = std::vector<std::vector<std::string>>;

SquareMatrix matrixOf(const Rows& rows)
{
    SquareMatrix m(static_cast<int>(rows.size()));
    for (int r = 0; r < m.n; ++r)
        for (int c = 0; c < m.n; ++c) m(r, c) = rows[r][c];
    return m;
}

const MatrixProgress never = [](int) { return false; };

TEST(MatrixInverse, KnownInversesWithPivoting)
{
    struct Case {
        const char* what;
        Rows a, inverse;
        double tolerance;
    };
    const Case cases[] = {
        {"diagonal", {{2, 0}, {0, 4}}, {{0.5, 0}, {0, 0.25}}, 0},
        {"full", {{1, 2}, {3, 4}}, {{-2, 1}, {1.5, -0.5}}, 1e-15},
        // A zero first pivot: the rows are exchanged, and the result is exact.
        {"zero diagonal", {{0, 1}, {1, 0}}, {{0, 1}, {1, 0}}, 0},
        // A tiny first pivot would lose every digit without the exchange.
        {"tiny diagonal", {{1e-20, 1}, {1, 1}}, {{-1, 1}, {1, 0}}, 1e-15},
        {"three by three", {{0, 2, 0}, {0, 0, 3}, {4, 0, 0}}, {{0, 0, 0.25}, {0.5, 0, 0}, {0, 1.0 / 3, 0}}, 0},
    };
    for (const Case& c : cases) {
        SquareMatrix inverse;
        ASSERT_EQ(invert(matrixOf(c.a), inverse, never), MatrixOutcome::Done) << c.what;
        const SquareMatrix expected = matrixOf(c.inverse);
        for (std::size_t i = 0; i < expected.a.size(); ++i)
            EXPECT_NEAR(inverse.a[i], expected.a[i], c.tolerance) << c.what << " element " << i;
    }
}

TEST(MatrixInverse, RandomWellConditionedMatrixTimesItsInverseIsTheIdentity)
{
    // Random entries in [-1, 1] with a diagonal of 60: rows dominate, so the
    // condition number stays small.
    const int n = 50;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    SquareMatrix a(n);
    for (double& x : a.a) x = entry(random);
    for (int i = 0; i < n; ++i) a(i, i) += (i % 2 ? 60.0 : -60.0);

    SquareMatrix inverse;
    ASSERT_EQ(invert(a, inverse, never), MatrixOutcome::Done);
    const SquareMatrix product = multiply(a, inverse);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) EXPECT_NEAR(product(r, c), r == c ? 1.0 : 0.0, 1e-12) << r << "," << c;
}

TEST(MatrixInverse, ZeroPivotAfterTheExchangeIsSingular)
{
    for (const Rows& a : {Rows{{1, 1}, {1, 1}}, Rows{{0, 0}, {0, 0}}, Rows{{1, 2, 3}, {2, 4, 6}, {0, 1, 5}}}) {
        SquareMatrix inverse = matrixOf({{9}});
        EXPECT_EQ(invert(matrixOf(a), inverse, never), MatrixOutcome::Singular);
        EXPECT_EQ(inverse, matrixOf({{9}}));  // untouched
    }
}

TEST(MatrixPower, RepeatedProductsAndTheSmallExponents)
{
    const SquareMatrix a = matrixOf({{1, 2}, {3, 4}});
    const std::pair<int, Rows> cases[] = {
        {0, {{1, 0}, {0, 1}}},
        {1, {{1, 2}, {3, 4}}},
        {2, {{7, 10}, {15, 22}}},
        {3, {{37, 54}, {81, 118}}},
        {5, {{1069, 1558}, {2337, 3406}}},
    };
    for (const auto& [e, expected] : cases) {
        SquareMatrix result;
        ASSERT_EQ(power(a, e, result, never), MatrixOutcome::Done) << e;
        EXPECT_EQ(result, matrixOf(expected)) << e;
    }
}

TEST(MatrixProgress, StepsAtTheirPivotsAndProductsAndStopWhenAsked)
{
    std::vector<int> steps;
    const auto record = [&](int s) {
        steps.push_back(s);
        return false;
    };
    SquareMatrix result;
    SquareMatrix a = SquareMatrix::identity(12);
    invert(a, result, record);
    EXPECT_EQ(steps, (std::vector<int>{0, 5, 10}));

    steps.clear();
    power(a, 105, result, record);
    EXPECT_EQ(steps, (std::vector<int>{3, 53, 103}));

    steps.clear();
    result = a;
    EXPECT_EQ(invert(matrixOf({{2, 0}, {0, 4}}), result, [&](int s) { return record(s), true; }), MatrixOutcome::Stopped);
    EXPECT_EQ(power(a, 200, result, [&](int s) { return record(s), s == 53; }), MatrixOutcome::Stopped);
    EXPECT_EQ(steps, (std::vector<int>{0, 3, 53}));
}

TEST(MatrixPower, OverflowIsReportedAsOverflow)
{
    SquareMatrix result;
    // The first product overflows; the sum then adds -inf to +inf, which
    // must not hide the overflow.
    try {
        power(matrixOf({{1e200, 1e200}, {-1e200, 1e200}}), 2, result, never);
        FAIL() << "no failure";
    } catch (const MathError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

// The window, driven as a user drives it.
struct MatrixWindow : ::testing::Test {
    FakePlatform platform;
    Application app{platform};
    TMenuGEN& menu = app.menu();
    TMatrice& window = *static_cast<TMatrice*>(app.window("TMatrice"));

    void open(const Table& table)
    {
        testing::setTable(menu.Tabella_TXT, table);
        menu.TipoAnalisi_LST.selectText("Matrix");
        menu.Analisi_IMGClick();
        ASSERT_EQ(platform.shownModal.back(), "TMatrice");
    }
    void choose(const std::string& operation)
    {
        ASSERT_TRUE(window.Operazione_LST.selectText(operation));
        ASSERT_TRUE(changeControl(window, window.Operazione_LST));
    }
    // The result table row by row, headers first.
    Table result() const
    {
        const StringGrid& t = window.Tabella_TXT;
        Table rows(1);
        for (int c = 0; c < t.columnCount(); ++c) rows[0].push_back(t.header(c));
        for (int r = 0; r < t.rowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < t.columnCount(); ++c) rows.back().push_back(t.cellText(c, r));
        }
        return rows;
    }
    std::string failure()
    {
        try {
            window.Analisi_IMGClick();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(MatrixWindow, OperationsOnTheSquareOfTheFirstRows)
{
    struct Case {
        const char* what;
        Table data;
        const char* operation;
        std::string exponent;
        Table expected;
        std::string exponentShown;
    };
    const Table twoByTwo{{"P", "Q"}, {"1", "2"}, {"3", "4"}};
    // Rows below the square are never read, whatever they hold.
    const Table threeByFive{{"X", "Y", "Z"}, {"1", "1", "0"}, {"0", "1", "1"}, {"1", "0", "1"}, {"a", "b", "c"}, {"", "", ""}};
    const Case cases[] = {
        {"inverse", twoByTwo, "Matrix inverse", "2", {{"P", "Q"}, {"-2", "1"}, {"1.5", "-0.5"}}, "2"},
        {"cube", twoByTwo, "Matrix power", "3", {{"P", "Q"}, {"37", "54"}, {"81", "118"}}, "3"},
        {"exponent 1", twoByTwo, "Matrix power", "1", {{"P", "Q"}, {"1", "2"}, {"3", "4"}}, "1"},
        {"exponent 0", twoByTwo, "Matrix power", "0", {{"P", "Q"}, {"1", "0"}, {"0", "1"}}, "0"},
        // The square of the inverse [[-2, 1], [1.5, -0.5]].
        {"exponent -2", twoByTwo, "Matrix power", "-2", {{"P", "Q"}, {"5.5", "-2.5"}, {"-3.75", "1.75"}}, "-2"},
        {"typed exponent rounded", twoByTwo, "Matrix power", "2,5", {{"P", "Q"}, {"7", "10"}, {"15", "22"}}, "2"},
        {"3 x 5 squared", threeByFive, "Matrix power", "2",
         {{"X", "Y", "Z"}, {"1", "2", "1"}, {"1", "1", "2"}, {"2", "1", "1"}}, "2"},
        {"3 x 5 inverted", threeByFive, "Matrix inverse", "2",
         {{"X", "Y", "Z"}, {"0.5", "-0.5", "0.5"}, {"0.5", "0.5", "-0.5"}, {"-0.5", "0.5", "0.5"}}, "2"},
        {"zero pivot", {{"A", "B"}, {"0", "1"}, {"1", "0"}}, "Matrix inverse", "2", {{"A", "B"}, {"0", "1"}, {"1", "0"}}, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(c.data);
        choose(c.operation);
        if (window.esponente_TXT.visible) window.esponente_TXT.text = c.exponent;
        platform.tones.clear();
        ASSERT_TRUE(clickControl(window, window.Analisi_IMG));
        EXPECT_EQ(result(), c.expected);
        EXPECT_EQ(window.esponente_TXT.text, c.exponentShown);
        EXPECT_EQ(platform.tones, FakePlatform::completion());
        EXPECT_TRUE(window.Tabella_TXT.readOnly(0));
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MatrixWindow, ExponentBoxShownOnlyForThePower)
{
    open({{"P", "Q"}, {"2", "0"}, {"0", "4"}});
    EXPECT_EQ(window.Operazione_LST.items, (std::vector<std::string>{"Matrix power", "Matrix inverse"}));
    EXPECT_TRUE(window.esponente_TXT.visible);
    choose("Matrix inverse");
    EXPECT_FALSE(window.esponente_TXT.visible);
    // A text the user cannot see does not stop the inversion.
    window.esponente_TXT.text = "x";
    window.Analisi_IMGClick();
    EXPECT_EQ(result(), (Table{{"P", "Q"}, {"0.5", "0"}, {"0", "0.25"}}));
    choose("Matrix power");
    EXPECT_TRUE(window.esponente_TXT.visible);
    EXPECT_EQ(failure(), "'x' is not a valid floating point value");
}

TEST_F(MatrixWindow, RoundingAppliesToTheMatrixReadAndTheResultShown)
{
    open({{"A"}, {"1.26"}});
    window.ArrotondaDato_CHK.checked = true;
    window.NumeroCifre_TXT.text = "1";
    // 1.26 is read as 1.3; its square 1.69 is shown as 1.7 (1.26² would give 1.6).
    window.Analisi_IMGClick();
    EXPECT_EQ(result(), (Table{{"A"}, {"1.7"}}));
}

TEST_F(MatrixWindow, FailuresAndRefusalsKeepThePreviousResult)
{
    open({{"P", "Q"}, {"1", "2"}, {"3", "4"}});
    window.Analisi_IMGClick();
    const Table before = result();
    platform.tones.clear();

    open({{"P", "Q"}, {"1", "1"}, {"1", "1"}});
    choose("Matrix inverse");
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.lastMessage(), TMatrice::singularMessage);

    // A negative power needs the inverse too.
    choose("Matrix power");
    window.esponente_TXT.text = "-1";
    platform.messages.clear();
    window.Analisi_IMGClick();
    EXPECT_EQ(platform.messages, std::vector<std::string>{TMatrice::singularMessage});

    // A table with fewer rows than columns lacks cells of the square.
    open({{"P", "Q", "R"}, {"1", "2", "3"}, {"4", "5", "6"}});
    EXPECT_EQ(failure(), "'' is not a valid floating point value");
    open({{"P", "Q"}, {"1e200", "1e200"}, {"-1e200", "1e200"}});
    window.esponente_TXT.text = "2";
    EXPECT_EQ(failure(), "Floating point overflow");

    EXPECT_EQ(result(), before);
    EXPECT_TRUE(platform.tones.empty());
}

TEST_F(MatrixWindow, StoppedPowerKeepsThePreviousResult)
{
    open({{"P", "Q"}, {"1", "0"}, {"0", "1"}});
    window.Analisi_IMGClick();
    const Table before = result();

    open({{"P", "Q"}, {"0.5", "0.1"}, {"0.2", "0.5"}});
    window.esponente_TXT.text = "1000";
    std::vector<int> positions;
    platform.onProcessEvents = [&] {
        positions.push_back(window.barra.position);
        if (window.barra.position == 103) clickControl(window, window.Ferma_IMG);
    };
    ASSERT_TRUE(clickControl(window, window.Analisi_IMG));
    EXPECT_EQ(positions, (std::vector<int>{3, 53, 103}));
    EXPECT_EQ(window.barra.maximum, 1000);
    EXPECT_EQ(window.barra.position, 1000);
    EXPECT_EQ(platform.lastMessage(), "Operazioni fermate");
    EXPECT_EQ(result(), before);

    // The next run starts afresh.
    platform.onProcessEvents = nullptr;
    window.esponente_TXT.text = "2";
    window.Analisi_IMGClick();
    EXPECT_EQ(result(), (Table{{"P", "Q"}, {"0.27", "0.1"}, {"0.2", "0.27"}}));
}

}  // namespace
}  // namespace velmora
