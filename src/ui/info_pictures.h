#pragma once
// The pictures of the information windows: the logo, the formulas, the
// typical curves and the correlograms, all drawn from their mathematics.
namespace velmora::ui {

void registerInfoPictures();

}  // namespace velmora::ui
