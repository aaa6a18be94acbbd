#pragma once
// The page of the equations the analyses use: a caption per formula and one
// or two pictures of it.
#include <memory>
#include <vector>

#include "controls/window.h"

namespace velmora {

class TMenuGEN;

class TEquazioni : public Window {
public:
    explicit TEquazioni(TMenuGEN& menu);

    Label Titolo_LAB{"Titolo_LAB", "Equations used by this software", Area::Heading};
    // Equazione1_LAB .. Equazione14_LAB, each followed by its pictures
    // (Equazione5_IMG and Equazione5b_IMG where there are two).
    std::vector<std::unique_ptr<Label>> captions;
    std::vector<std::unique_ptr<Image>> formulas;
};

}  // namespace velmora
