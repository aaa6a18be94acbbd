#pragma once
// The small window that renames a column of the data table.
#include <string>
#include <string_view>

#include "controls/window.h"

namespace velmora {

class TMenuGEN;

class TRinominaColonna : public Window {
public:
    explicit TRinominaColonna(TMenuGEN& menu);

    EditBox NomeColonna_TXT{"NomeColonna_TXT", "Nome della Colonna", {}, Area::Body};
    Button Annulla_BTN{"Annulla_BTN", "Annulla", Area::Body};
    Button Rinomina_BTN{"Rinomina_BTN", "Rinomina", Area::Body};

    // The column of the data table whose header changes.
    int indiceColonna = 0;

    // Blanks become "_", the Italian accented vowels lose their accent, and
    // punctuation that would get in the way of formulas is dropped; every
    // other character, other accented letters included, stays.
    static std::string ControlloAccenti(std::string_view testo);

    void Rinomina_BTNClick();
    void Annulla_BTNClick();

private:
    TMenuGEN& menu_;
};

}  // namespace velmora
