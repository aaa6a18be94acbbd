#pragma once
// A window of the tests-and-correlation family over a data table of literals.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/failures.h"
#include "fake_platform.h"
#include "table/menu_gen.h"
#include "test_tables.h"

namespace velmora::testing {

using Rows = std::vector<std::vector<std::string>>;

// Columns named A, B, C ... from their values.
inline Rows columns(const std::vector<std::vector<std::string>>& values)
{
    Rows rows(1);
    for (std::size_t c = 0; c < values.size(); ++c) rows[0].push_back(std::string(1, static_cast<char>('A' + c)));
    for (std::size_t r = 0; !values.empty() && r < values[0].size(); ++r) {
        rows.emplace_back();
        for (const auto& column : values) rows.back().push_back(column[r]);
    }
    return rows;
}

template <class W>
struct InferenceWindow : ::testing::Test {
    FakePlatform platform;
    TMenuGEN menu{platform};
    W window{menu};

    // Loads the data table, refills the list and ticks the given items.
    void load(const Rows& rows, const std::vector<int>& checked)
    {
        setTable(menu.Tabella_TXT, rows);
        menu.RiempiListaColonne(window.ListaColonne);
        for (int i : checked) window.ListaColonne.items[i].checked = true;
    }
    void calcola() { ASSERT_TRUE(clickControl(window, window.Analisi_IMG)); }
    // The message of the failure that Calcola meets, empty when none.
    std::string failure()
    {
        try {
            clickControl(window, window.Analisi_IMG);
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
    std::vector<std::string> result(int col) const { return columnTexts(window.Tabella_TXT, col); }
    std::string cell(int col, int row) const { return window.Tabella_TXT.cellText(col, row); }
};

}  // namespace velmora::testing
