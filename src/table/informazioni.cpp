#include "table/informazioni.h"

#include "table/menu_gen.h"

namespace velmora {

TInformazioni::TInformazioni(TMenuGEN& menu) : Window("TInformazioni", "Informazioni", 800, 390), menu_(menu)
{
    frameless = true;
    closesOnEscape = false;
    background = 0xFF709229;

    logo_IMG.preferredWidth = 800;
    logo_IMG.preferredHeight = 256;
    declare(logo_IMG).onClick = [this] { logo_IMGClick(); };
    for (Label* l : {&titolo_LAB, &versione_LAB}) {
        l->color = 0xFFFFFFFF;
        l->centered = true;
        declare(*l);
    }
    titolo_LAB.fontSize = 38;
    versione_LAB.fontSize = 26;
    os_IMG.preferredWidth = 50;
    os_IMG.preferredHeight = 50;
    declare(os_IMG);
}

void TInformazioni::logo_IMGClick() { menu_.platform.close(*this); }

}  // namespace velmora
