// Quintrel's entry: set up the board hidden, greet with the splash, then show the board.
#include "platform/desktop.h"
#include "platform/pause.h"
#include "platform/soundplayer.h"
#include "windows/boardwindow.h"
#include "windows/splashwindow.h"

#include <QApplication>
#include <QTimer>

#include <exception>
#include <memory>

namespace {

constexpr int SoundPreparationDelayMs = 200;

// An error that escapes an event handler is reported to the player, and the program ends.
class QuintrelApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            quintrel::reportUnhandledError(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            quintrel::reportUnhandledError(QStringLiteral("an unknown error"));
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QuintrelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintrel"));
    // The program ends when the board window closes, not when the splash does.
    QApplication::setQuitOnLastWindowClosed(false);

    int status = 0;
    {
        quintrel::BoardWindow board;
        // Ends every event loop at once, also those of a pause in the middle of a deal.
        QObject::connect(&board, &quintrel::BoardWindow::closed, &app, [] { QCoreApplication::exit(0); });
        // The set-up reads the icon and the sounds before any event loop runs, so outside notify():
        // an error there (running out of memory, say) is reported the same way.
        bool ready = false;
        try {
            ready = board.setUp();
        } catch (const std::exception &error) {
            quintrel::reportUnhandledError(QString::fromLocal8Bit(error.what()));
        }
        if (!ready) {
            quintrel::shutdownSound();
            return board.exitCode();
        }
        std::unique_ptr<quintrel::SplashWindow> splash(board.takeSplash());
        // The sound library opens while the splash waits for the player, once the splash is on
        // the screen, rather than before the first window.
        QTimer::singleShot(SoundPreparationDelayMs, [] { quintrel::prepareSound(); });
        splash->exec();
        splash.reset();

        quintrel::waitFor(quintrel::StepPause);
        if (!board.isClosing()) {
            board.show();
            board.activateWindow();
            status = QApplication::exec();
        }
    }
    quintrel::shutdownSound();
    return status;
}
