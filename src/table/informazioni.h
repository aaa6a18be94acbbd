#pragma once
// The information window, also the splash of the start-up. It has no border
// and no title bar: a click on the logo closes it.
#include "controls/window.h"

namespace velmora {

class TMenuGEN;

class TInformazioni : public Window {
public:
    explicit TInformazioni(TMenuGEN& menu);

    Image logo_IMG{"logo_IMG", "logo"};
    Label titolo_LAB{"titolo_LAB", "Velmora"};
    Label versione_LAB{"versione_LAB", "versione 30-10-2019"};
    Image os_IMG{"os_IMG", "os", Area::Overlay};

    void logo_IMGClick();

private:
    TMenuGEN& menu_;
};

}  // namespace velmora
