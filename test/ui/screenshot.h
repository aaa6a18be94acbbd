#pragma once
// Saves a picture of a view when VELMORA_SCREENSHOTS names a folder, so a
// developer can look at what the user sees.
#include <QDir>
#include <QString>
#include <QWidget>

namespace velmora::testing {

inline void screenshot(QWidget& w, const char* name)
{
    const QByteArray dir = qgetenv("VELMORA_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromUtf8(dir));
    w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

}  // namespace velmora::testing
