#include "table/equazioni.h"

#include <string>

namespace velmora {

namespace {
constexpr Color cornflowerBlue = 0xFF6495ED;
constexpr Color green = 0xFF9BC70F;
constexpr Color orange = 0xFFFFA500;

struct Formula {
    const char* picture;
    int height;
};
struct Entry {
    const char* caption;
    Color color;
    std::vector<Formula> pictures;
};

const std::vector<Entry>& entries()
{
    static const std::vector<Entry> table{
        {"Normal distribution - Probability density", cornflowerBlue, {{"formula.normal.density", 96}}},
        {"Normal distribution - Cumulative function", cornflowerBlue, {{"formula.normal.cumulative", 96}}},
        {"Rayleigh distribution - Probability density", cornflowerBlue, {{"formula.rayleigh.density", 96}}},
        {"Rayleigh distribution - Cumulative function", cornflowerBlue, {{"formula.rayleigh.cumulative", 80}}},
        {"Fisher-Snedecor distribution - Probability density", cornflowerBlue,
         {{"formula.fisher.density", 130}, {"formula.beta", 80}}},
        {"Fisher-Snedecor distribution - Cumulative function", cornflowerBlue,
         {{"formula.fisher.cumulative", 96}, {"formula.incompletebeta", 96}}},
        {"Weibull distribution - Probability density", cornflowerBlue, {{"formula.weibull.density", 96}}},
        {"Weibull distribution - Cumulative function", cornflowerBlue, {{"formula.weibull.cumulative", 80}}},
        {"T - Test", green, {{"formula.ttest", 130}}},
        {"Linear Regression", orange, {{"formula.linear", 150}}},
        {"Polynomial Regression", orange, {{"formula.polynomial", 150}}},
        {"Autocorrelation", orange, {{"formula.autocorrelation", 110}}},
        {"Correlation Pearson index", orange, {{"formula.pearson", 110}}},
        {"Correlation Spearman index", orange, {{"formula.spearman", 100}}},
    };
    return table;
}
}  // namespace

TEquazioni::TEquazioni(TMenuGEN&) : Window("TEquazioni", "Equazioni utilizzate dal software", 760, 720)
{
    background = 0xFF1F262E;
    Titolo_LAB.color = 0xFFFFFFFF;
    Titolo_LAB.fontSize = 22;
    Titolo_LAB.centered = true;
    declare(Titolo_LAB);
    int number = 0;
    for (const Entry& e : entries()) {
        ++number;
        const std::string n = std::to_string(number);
        auto& caption = *captions.emplace_back(std::make_unique<Label>("Equazione" + n + "_LAB", e.caption));
        caption.color = e.color;
        caption.fontSize = 18;
        caption.centered = true;
        caption.spaceAbove = 20;
        declare(caption);
        const char* suffix = "";
        for (const Formula& f : e.pictures) {
            auto& image = *formulas.emplace_back(std::make_unique<Image>("Equazione" + n + suffix + "_IMG", f.picture));
            image.preferredWidth = 680;
            image.preferredHeight = f.height;
            declare(image);
            suffix = "b";
        }
    }
}

}  // namespace velmora
