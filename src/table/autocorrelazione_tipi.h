#pragma once
// The page of the three typical correlograms and what each tells of a series.
#include "controls/window.h"

namespace velmora {

class TMenuGEN;

class TAutocorrelazioneTipi : public Window {
public:
    explicit TAutocorrelazioneTipi(TMenuGEN& menu);

    Label Titolo_LAB{"Titolo_LAB", "Typical correlations"};
    Image Correlogrammi_IMG{"Correlogrammi_IMG", "correlograms"};
    Memo A_TXT{"A_TXT"};
    Memo B_TXT{"B_TXT"};
    Memo C_TXT{"C_TXT"};
};

}  // namespace velmora
