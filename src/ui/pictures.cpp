#include "ui/pictures.h"

#include <QPainter>

#include <map>

namespace velmora::ui {

namespace {
std::map<std::string, PictureFactory>& registry()
{
    static std::map<std::string, PictureFactory> pictures;
    return pictures;
}
}  // namespace

void registerPicture(const std::string& name, PictureFactory factory) { registry()[name] = std::move(factory); }

bool hasPicture(const std::string& name) { return registry().count(name) > 0; }

QPixmap drawPicture(const std::string& name, QSize size)
{
    const auto it = registry().find(name);
    if (it != registry().end()) return it->second(size);
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(Qt::gray);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromStdString(name));
    return pixmap;
}

}  // namespace velmora::ui
