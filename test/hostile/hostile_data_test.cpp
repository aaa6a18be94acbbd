// Hostile input through the real code paths: every case ends in a table, a
// result or a failure with a message, and the program goes on.
#include <gtest/gtest.h>

#include <random>

#include "app/application.h"
#include "controls/failures.h"
#include "descriptive/velmora_descrittiva.h"
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
    EXPECT_EQ(describeAll(), "Invalid floating point operation");  // two equal rows: no spread
}

TEST_F(Hostile, ExtremeCellsEndWithAnOverflowMessage)
{
    for (const char* value : {"1e308", "-1e308"}) {
        testing::setTable(menu.Tabella_TXT, {{"A"}, {value}, {value}, {"1"}});
        EXPECT_EQ(describeAll(), "Floating point overflow") << value;
    }
    testing::setTable(menu.Tabella_TXT, {{"A"}, {"1e309"}});
    EXPECT_EQ(describeAll(), "'1e309' is not a valid floating point value");
}

TEST_F(Hostile, MillionEqualValuesSortWithinBounds)
{
    TMenuGEN::PulisciTabella(1000000, 1, menu.Tabella_TXT, false);
    menu.Tabella_TXT.setHeader(0, "A");
    for (int r = 0; r < 1000000; ++r) menu.Tabella_TXT.setCell(0, r, "1");
    EXPECT_EQ(describeAll(), "Invalid floating point operation");

    std::vector<double> keys(1000000, 2.0), companions(1000000, 0.0);
    OrdinaVettoriAlgoritmoQuickSortReali(keys, companions, 0, 999999);
    EXPECT_EQ(keys.front(), 2.0);
}

}  // namespace
}  // namespace velmora
