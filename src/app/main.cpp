// Start-up only: the application object, every window, the event loop.
#include <QApplication>

#include "app/application.h"
#include "ui/qt_platform.h"
#include "ui/window_view.h"

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    qt.setApplicationName("Velmora");
    velmora::ui::QtPlatform platform;
    velmora::Application app(platform);
    auto& main = platform.viewOf(app.menu());
    QObject::connect(&main, &QDialog::finished, &qt, &QApplication::quit);
    main.show();
    return qt.exec();
}
