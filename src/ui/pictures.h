#pragma once
// Pictures drawn at run time (logo, formulas, typical curves), by name.
#include <QPixmap>
#include <QSize>

#include <functional>
#include <string>

namespace velmora::ui {

using PictureFactory = std::function<QPixmap(QSize)>;

void registerPicture(const std::string& name, PictureFactory factory);
// The picture of that name at that size; a plain frame with the name when
// nothing is registered under it.
QPixmap drawPicture(const std::string& name, QSize size);
bool hasPicture(const std::string& name);

}  // namespace velmora::ui
