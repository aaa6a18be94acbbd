#include "ui/guarded.h"

#include <QMessageBox>
#include <QString>

#include <exception>
#include <new>

#include "controls/failures.h"

namespace velmora::ui {

bool runGuarded(QWidget* parent, const std::function<void()>& f)
{
    QString message;
    try {
        f();
        return true;
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    }
    QMessageBox::critical(parent, QStringLiteral("Velmora"), message);
    return false;
}

}  // namespace velmora::ui
