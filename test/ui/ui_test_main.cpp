// GoogleTest inside a QApplication on the offscreen platform, with a
// watchdog for modal boxes nobody answers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

// A test that opens a modal box on purpose answers it within moments; one
// still open after a few seconds is unexpected. It fails the running test
// and is closed, so the run goes on instead of blocking until the ctest
// time-out.
class ModalWatchdog {
public:
    static constexpr int patienceMs = 3000;

    ModalWatchdog()
    {
        timer_.setInterval(200);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }

private:
    void look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen_) {
            seen_ = modal;
            since_.start();
            return;
        }
        if (!modal || since_.elapsed() < patienceMs) return;
        QString what = modal->metaObject()->className() + QStringLiteral(" \"") + modal->windowTitle() + '"';
        if (auto* box = qobject_cast<QMessageBox*>(modal)) what += QStringLiteral(": ") + box->text();
        ADD_FAILURE() << "unexpected modal box left open: " << what.toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
        seen_ = nullptr;
    }

    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer since_;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ModalWatchdog watchdog;
    return RUN_ALL_TESTS();
}
