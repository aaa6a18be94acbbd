#include "table/numbers.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <limits>
#include <random>

#include "controls/failures.h"

namespace velmora {
namespace {

struct FormatCase {
    double value;
    const char* point;
    const char* comma;
};

TEST(FloatToStr, GeneralNumberFormat)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const FormatCase cases[] = {
        {0.0, "0", "0"},
        {1.0, "1", "1"},
        {-2.5, "-2.5", "-2,5"},
        {0.0001, "0.0001", "0,0001"},
        {0.00012345, "0.00012345", "0,00012345"},
        {1e-5, "1E-5", "1E-5"},
        {-1.25e-7, "-1.25E-7", "-1,25E-7"},
        {1.5e20, "1.5E20", "1,5E20"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {1e15, "1E15", "1E15"},
        {1234567890123456.0, "1.23456789012346E15", "1,23456789012346E15"},
        {18.0 / 11.0, "1.63636363636364", "1,63636363636364"},
        {2.0 / 3.0, "0.666666666666667", "0,666666666666667"},
        {0.1 + 0.2, "0.3", "0,3"},
        {1e12, "1000000000000", "1000000000000"},
        {-1e12, "-1000000000000", "-1000000000000"},
        {1e308, "1E308", "1E308"},
        {5e-324, "4.94065645841247E-324", "4,94065645841247E-324"},
        {nan, "NAN", "NAN"},
        {inf, "INF", "INF"},
        {-inf, "-INF", "-INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatToStr(c.value, '.'), c.point) << c.value;
        EXPECT_EQ(FloatToStr(c.value, ','), c.comma) << c.value;
    }
}

// The 15 significant digits are those of the C library's exact "%.14e":
// both texts read back as the same double exactly when their digits agree.
TEST(FloatToStr, FifteenDigitsRoundedLikeTheExactExpansion)
{
    std::vector<double> values{0.1234567890123455,  0.12345678901234549, 9.9999999999999995, 99999999999999.95,
                               1.0000000000000005,  2.2250738585072014e-308, 1.7976931348623157e308,
                               4.4501477170144023e-308, 1e-310, 123456789012345.5};
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> uniform(-1000.0, 1000.0);
    for (int i = 0; i < 100000; ++i) {
        std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any) && any != 0) values.push_back(any);
        values.push_back(uniform(random) / 3);
        // Values of 16 digits ending in 5, whose rounding needs the exact expansion.
        values.push_back(std::strtod((std::to_string(random() % 9000000000000000 + 1000000000000000) + "5e-8").c_str(), nullptr));
    }
    for (double v : values) {
        char exact[64];
        std::snprintf(exact, sizeof exact, "%.14e", v);
        ASSERT_EQ(std::strtod(FloatToStr(v, '.').c_str(), nullptr), std::strtod(exact, nullptr)) << exact;
    }
}

TEST(StrToFloat, AcceptedForms)
{
    const struct {
        const char* text;
        char separator;
        double value;
    } cases[] = {
        {"1", '.', 1.0},         {"  -2.5  ", '.', -2.5}, {"+3", '.', 3.0},     {"1,5", ',', 1.5},
        {".5", '.', 0.5},        {"5.", '.', 5.0},        {"1E3", '.', 1000.0}, {"1e-2", '.', 0.01},
        {"2,5E+2", ',', 250.0},  {"1e-400", '.', 0.0},    {"0.000", '.', 0.0},  {"123456789012345", '.', 123456789012345.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(StrToFloat(c.text, c.separator), c.value) << c.text;

    // Long texts: leading zeros never crowd out the significant digits.
    EXPECT_EQ(StrToFloat(std::string(193, '0') + "," + std::string(205, '0') + "1", ','), 1e-206);
    EXPECT_EQ(StrToFloat("0." + std::string(600, '0') + "5e600", '.'), 0.5);
    EXPECT_EQ(StrToFloat("1" + std::string(300, '0'), '.'), 1e300);
    EXPECT_FALSE(tryParseFloat("1" + std::string(400, '0'), '.'));
}

TEST(StrToFloat, RejectedFormsGiveTheMessage)
{
    const struct {
        const char* text;
        char separator;
    } cases[] = {
        {"", '.'},      {" ", '.'},     {"1,000.5", '.'}, {"1.000,5", ','}, {"1.5", ','}, {"1,5", '.'},
        {"1\t", '.'},   {"\t1", '.'},   {"1..2", '.'},    {"1.2.3", '.'},   {".", '.'},   {"-", '.'},
        {"1e", '.'},    {"1e+", '.'},   {"e5", '.'},      {"1 2", '.'},     {"abc", '.'}, {"NAN", '.'},
        {"INF", '.'},   {"1e400", '.'}, {"0x10", '.'},    {"1_000", '.'},   {"--1", '.'}, {"1-", '.'},
    };
    for (const auto& c : cases) {
        try {
            StrToFloat(c.text, c.separator);
            ADD_FAILURE() << "accepted '" << c.text << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid floating point value");
        }
    }
}

TEST(ConversionFailures, QuoteALongTextCutToAHundredCharacters)
{
    std::string accented;  // 150 two-byte letters: characters are counted, never cut in half
    for (int i = 0; i < 150; ++i) accented += "\xc3\xa9";
    const struct {
        std::string text;
        std::string quoted;
    } cases[] = {
        {std::string(100, 'x'), std::string(100, 'x')},
        {std::string(50000000, 'x'), std::string(100, 'x') + "\u2026"},
        {accented, accented.substr(0, 200) + "\u2026"},
    };
    for (const auto& c : cases) {
        try {
            StrToFloat(c.text, '.');
            ADD_FAILURE() << "accepted";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + c.quoted + "' is not a valid floating point value");
        }
    }
    try {
        StrToInt(std::string(1000, '9'));
        ADD_FAILURE() << "accepted";
    } catch (const ConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + std::string(100, '9') + "\u2026' is not a valid integer value");
    }
}

TEST(StrToInt, AcceptsIntegersAndNamesTheText)
{
    EXPECT_EQ(StrToInt("7"), 7);
    EXPECT_EQ(StrToInt(" -3"), -3);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"abc", "", "1.5", "2147483648", "1e3", "12a"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

TEST(ArrotondaNumero, HalfUpOnPositivesAndTheMirrorOnNegatives)
{
    const struct {
        double value;
        int digits;
        double expected;
    } cases[] = {
        {2.5, 0, 3.0},    {3.14159, 2, 3.14}, {7.7, -1, 8.0},   {2.345, 1, 2.3},     {2.345, 2, 2.35},
        {0.3, 0, 0.0},    {3.0, 3, 3.0},      {1.21, 1, 1.2},   {4503599627370497.0, 0, 4503599627370498.0},
        {-1.21, 1, -1.2}, {-3.0, 3, -3.0},    {-2.5, 0, -3.0},  {-2.7, 0, -3.0},     {-1.25, 1, -1.3},
        {-2.345, 2, -2.35}, {-0.6, 0, -1.0},  {-3.674, 0, -4.0}, {-0.4, 0, 0.0},     {-0.04, 1, 0.0},
    };
    for (const auto& c : cases) {
        const double rounded = ArrotondaNumero(c.value, c.digits);
        EXPECT_EQ(rounded, c.expected) << c.value << " at " << c.digits;
        // A negative value that rounds to zero is +0, written "0".
        EXPECT_EQ(std::signbit(rounded), c.expected < 0) << c.value << " at " << c.digits;
    }
    EXPECT_EQ(FloatToStr(ArrotondaNumero(-0.04, 1), '.'), "0");
    // Rounding twice (on reading and on output) changes nothing more.
    EXPECT_EQ(ArrotondaNumero(ArrotondaNumero(-3.0, 1), 1), -3.0);
    // A not-a-number passes through without raising the invalid-operation flag.
    std::feclearexcept(FE_INVALID);
    EXPECT_TRUE(std::isnan(ArrotondaNumero(std::numeric_limits<double>::quiet_NaN(), 2)));
    EXPECT_TRUE(std::isnan(ArrotondaNumero(-std::numeric_limits<double>::quiet_NaN(), 2)));
    // A digit count whose factor passes the range of doubles fails at once,
    // however large it is.
    EXPECT_DOUBLE_EQ(ArrotondaNumero(1.5, 308), 1.5);
    for (int digits : {309, 400, 1000000000, 2147483647}) {
        try {
            ArrotondaNumero(1.5, digits);
            ADD_FAILURE() << digits;
        } catch (const MathError& e) {
            EXPECT_STREQ(e.what(), "Floating point overflow") << digits;
        }
    }
    EXPECT_FALSE(std::fetestexcept(FE_INVALID));
}

TEST(PartitionSort, SortsAndMovesCompanionsInTheExchangeOrder)
{
    std::vector<double> keys{3, 1, 2};
    std::vector<double> other{10, 20, 30};
    OrdinaVettoriAlgoritmoQuickSortReali(keys, other, 0, 2);
    EXPECT_EQ(keys, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(other, (std::vector<double>{20, 30, 10}));

    // Repeated keys: the exchanges decide where each companion lands (a
    // stable sort would give 5 1 2 3 4). Traced by hand: swaps (0,4), (1,3),
    // (2,2), then the right part [3,4] swaps its two equal keys.
    std::vector<double> k2{2, 2, 2, 2, 1};
    std::vector<double> c2{1, 2, 3, 4, 5};
    OrdinaVettoriAlgoritmoQuickSortReali(k2, c2, 0, 4);
    EXPECT_EQ(k2, (std::vector<double>{1, 2, 2, 2, 2}));
    EXPECT_EQ(c2, (std::vector<double>{5, 4, 3, 1, 2}));

    std::vector<double> single{5}, singleB{6};
    OrdinaVettoriAlgoritmoQuickSortReali(single, singleB, 0, 0);
    EXPECT_EQ(single[0], 5);
    EXPECT_EQ(singleB[0], 6);
}

TEST(PartitionSort, EqualAndUnevenlySplitInputsSort)
{
    std::vector<double> equal(1000000, 4.0);
    partitionSort(equal.data(), nullptr, 0, static_cast<int>(equal.size()) - 1);
    EXPECT_EQ(equal.front(), 4.0);
    // Organ-pipe input splits unevenly at every step: naive recursion would
    // go as deep as the input is long.
    std::vector<double> organ(40000);
    for (std::size_t i = 0; i < organ.size(); ++i) organ[i] = static_cast<double>(i < 20000 ? i : 40000 - i);
    partitionSort(organ.data(), nullptr, 0, static_cast<int>(organ.size()) - 1);
    EXPECT_TRUE(std::is_sorted(organ.begin(), organ.end()));
}

TEST(PartitionSort, HumpShapedColumnFallsBackToAStableSort)
{
    // Rising then falling: the middle pivot is the largest key at every
    // step, and the exchange sort would need about n^2 / 4 comparisons.
    const int n = 1000000;
    std::vector<double> keys(n), rows(n);
    for (int i = 0; i < n; ++i) {
        keys[i] = i < n / 2 ? i : n - 1 - i;
        rows[i] = i;
    }
    partitionSort(keys.data(), rows.data(), 0, n - 1);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    // Each key stands twice, the rising row first.
    for (int k : {0, 1, 250000, 499999}) {
        EXPECT_EQ(keys[2 * k], k);
        EXPECT_EQ(rows[2 * k], k);
        EXPECT_EQ(rows[2 * k + 1], n - 1 - k);
    }
}

TEST(CambiaCarattere, ReplacesSingleCharactersOnly)
{
    EXPECT_EQ(CambiaCarattere("3,14", ",", "."), "3.14");
    EXPECT_EQ(CambiaCarattere("3,14", ",", ""), "314");
    EXPECT_EQ(CambiaCarattere("3,14", ",1", "."), "3,14");
    EXPECT_EQ(CambiaCarattere("3,14", "", "."), "3,14");
    EXPECT_EQ(CambiaCarattere("a€b€", "€", "ab"), "aabbab");
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST(SortAscending, MatchesOrderForMixedSignsAndMagnitudes)
{
    std::mt19937_64 random(7);
    std::vector<double> values;
    for (int i = 0; i < 5000; ++i) {
        const double m = std::uniform_real_distribution<double>(-1, 1)(random);
        values.push_back(std::ldexp(m, static_cast<int>(random() % 200) - 100));
    }
    values.insert(values.end(), {0.0, -0.0, 1e308, -1e308, 5e-324, -5e-324, 3.0, 3.0});
    std::vector<double> expected = values;
    std::sort(expected.begin(), expected.end());
    sortAscending(values.data(), values.size());
    EXPECT_EQ(values, expected);
}

TEST(StrToFloat, ShortDecimalsRoundLikeTheFullConversion)
{
    // The fast path must give the correctly rounded double.
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::uniform_real_distribution<double>(-1e6, 1e6)(random) /
                         std::pow(10.0, static_cast<double>(random() % 12));
        char buf[64];
        const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, static_cast<int>(random() % 17));
        const std::string text(buf, end.ptr);
        double reference = 0;
        std::from_chars(text.data(), text.data() + text.size(), reference);
        ASSERT_EQ(StrToFloat(text, '.'), reference) << text;
    }
}

}  // namespace
}  // namespace velmora
