#pragma once
// The page of typical curves: each family of distributions and the two
// regressions with a picture of how they look. It stays open beside the
// window that showed it.
#include <memory>
#include <vector>

#include "controls/window.h"

namespace velmora {

class TMenuGEN;

class TEquazioniGrafiche : public Window {
public:
    explicit TEquazioniGrafiche(TMenuGEN& menu);

    Label Titolo_LAB{"Titolo_LAB", "Typical trends of the distributions", Area::Heading};
    std::vector<std::unique_ptr<Label>> captions;   // Andamento1_LAB ..
    std::vector<std::unique_ptr<Image>> pictures;   // Andamento1_IMG ..
};

}  // namespace velmora
