// Quintrel's entry: set up the board hidden, greet with the splash, then show the board.
#include "platform/desktop.h"
#include "platform/gamefolders.h"
#include "platform/soundplayer.h"
#include "quintrel_version.h"
#include "windows/boardwindow.h"
#include "windows/splashwindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>

namespace {

constexpr int SoundPreparationDelayMs = 200;
// The name of the desktop entry and of the AppStream component (see desktop/).
constexpr auto DesktopId = "io.github.quintrel.Quintrel";

void printHelp()
{
    std::printf("Usage: quintrel [--help | --version]\n"
                "Quintrel, a picture-card puzzle: swap and turn nine cards until all twelve seams fit.\n"
                "\n"
                "  -h, --help     show this help and exit\n"
                "  -v, --version  show the version and exit\n"
                "\n"
                "The game is saved in game.ini beside the program when its data lies there (the build\n"
                "tree, a copied folder); an installed copy saves in $XDG_DATA_HOME/quintrel, by default\n"
                "~/.local/share/quintrel. This copy saves in %s\n",
                quintrel::saveFolder().constData());
}

// The command line is read before any window: --help and --version need no display. The game takes
// no other arguments. Returns the exit status when the program is to end here.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            printHelp();
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0 || std::strcmp(argument, "-v") == 0) {
            std::printf("quintrel %s\n", QUINTREL_VERSION);
            return 0;
        }
        std::fprintf(stderr, "quintrel: %s '%s' (see quintrel --help)\n",
                     argument[0] == '-' ? "unknown option" : "unexpected argument", argument);
        return 2;
    }
    return std::nullopt;
}

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

// Qt would end a start without a display with an abort and a hint to reinstall. A platform that
// needs a display server (the default, X11 or Wayland) and no display to connect to: one line instead.
bool hasDisplay()
{
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = entry.left(entry.indexOf(':')).trimmed();
        if (!name.isEmpty() && name != "xcb" && !name.startsWith("wayland"))
            return true; // offscreen, vnc, eglfs...: Qt knows what it needs
    }
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return true;
    if (platforms.isEmpty())
        std::fprintf(stderr, "quintrel: Quintrel needs a graphical session, and neither DISPLAY nor WAYLAND_DISPLAY "
                             "is set\n");
    else
        std::fprintf(stderr,
                     "quintrel: Quintrel needs a graphical session: QT_QPA_PLATFORM is \"%s\", and neither "
                     "DISPLAY nor WAYLAND_DISPLAY is set\n",
                     platforms.constData());
    return false;
}

// A display that is named but cannot be opened: Qt's X11 plugin warns, Qt adds that the plugin
// could not be loaded, then gives up with an abort. While the application starts, all that becomes
// one line and exit status 1.
QtMessageHandler qtMessageHandler = nullptr;
bool displayRefused = false;
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (context.category && std::strcmp(context.category, "qt.qpa.xcb") == 0
        && text.startsWith(QLatin1String("could not connect to display")))
        displayRefused = true;
    if (displayRefused && type != QtFatalMsg)
        return;
    if (displayRefused) {
        std::fprintf(stderr,
                     "quintrel: the display \"%s\" (DISPLAY) cannot be opened, and Quintrel needs a graphical "
                     "session\n",
                     qgetenv("DISPLAY").constData());
        std::_Exit(1);
    }
    qtMessageHandler(type, context, text);
}

// Runs work; an error that escapes it is reported to the player, and the program ends.
template <typename Work>
bool reportingErrors(Work work)
{
    try {
        return work();
    } catch (const std::exception &error) {
        quintrel::reportUnhandledError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        quintrel::reportUnhandledError(QStringLiteral("an unknown error"));
    }
}

// Every event handler runs under reportingErrors().
class QuintrelApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        return reportingErrors([&] { return QApplication::notify(receiver, event); });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    if (!hasDisplay())
        return 1;
    qtMessageHandler = qInstallMessageHandler(startupMessageHandler);
    QuintrelApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    QApplication::setApplicationName(QStringLiteral("Quintrel"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTREL_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
    // The program ends when the board window closes, not when the splash does.
    QApplication::setQuitOnLastWindowClosed(false);

    int status = 0;
    {
        quintrel::BoardWindow board;
        QObject::connect(&board, &quintrel::BoardWindow::closed, &app, [] { QCoreApplication::exit(0); });
        // The set-up reads the icon and the sounds before any event loop runs, so outside notify():
        // an error there (running out of memory, say) is reported the same way.
        const bool ready = reportingErrors([&] { return board.setUp(); });
        if (!ready) {
            quintrel::shutdownSound();
            return board.exitCode();
        }
        {
            quintrel::SplashWindow splash;
            // The sound library opens while the splash waits for the player, once the splash is on
            // the screen, rather than before the first window.
            QTimer::singleShot(SoundPreparationDelayMs, [] { quintrel::prepareSound(); });
            splash.exec();
        }
        board.showAfterPause();
        status = QApplication::exec();
    }
    quintrel::shutdownSound();
    return status;
}
