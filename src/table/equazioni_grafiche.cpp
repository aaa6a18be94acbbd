#include "table/equazioni_grafiche.h"

#include <string>

namespace velmora {

TEquazioniGrafiche::TEquazioniGrafiche(TMenuGEN&)
    : Window("TEquazioniGrafiche", "Andamenti delle distribuzioni", 740, 720)
{
    modal = false;
    background = 0xFF1F262E;
    Titolo_LAB.color = 0xFFFFFFFF;
    Titolo_LAB.fontSize = 22;
    Titolo_LAB.centered = true;
    declare(Titolo_LAB);

    const struct {
        const char* caption;
        const char* picture;
        int height;
    } families[] = {
        {"Normal distribution", "curves.normal", 244},
        {"Rayleigh distribution", "curves.rayleigh", 244},
        {"Fisher-Snedecor distribution", "curves.fisher", 244},
        {"Weibull distribution", "curves.weibull", 244},
        {"Linear Regression", "curves.linear", 200},
        {"Polynomial Regression", "curves.polynomial", 200},
    };
    int number = 0;
    for (const auto& f : families) {
        const std::string n = std::to_string(++number);
        auto& caption = *captions.emplace_back(std::make_unique<Label>("Andamento" + n + "_LAB", f.caption));
        caption.color = number <= 4 ? 0xFF6495ED : 0xFFFFA500;
        caption.fontSize = 18;
        caption.centered = true;
        caption.spaceAbove = 20;
        declare(caption);
        auto& picture = *pictures.emplace_back(std::make_unique<Image>("Andamento" + n + "_IMG", f.picture));
        picture.preferredWidth = 684;
        picture.preferredHeight = f.height;
        declare(picture);
    }
}

}  // namespace velmora
