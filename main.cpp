// Quintrel's entry: set up the board hidden, greet with the splash, then show the board.
#include "platform/desktop.h"
#include "platform/gamefolders.h"
#include "platform/language.h"
#include "platform/soundplayer.h"
#include "quintrel_version.h"
#include "windows/boardwindow.h"
#include "windows/splashwindow.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr int SoundPreparationDelayMs = 200;
// The name of the desktop entry and of the AppStream component (see desktop/).
constexpr auto DesktopId = "io.github.quintrel.Quintrel";

// The texts of the start, before any window: the command line's answers and a failed start. They
// are translated before the application exists, so they are looked up here rather than by tr().
const quintrel::Translations *startTranslations = nullptr;

QString startText(const char *source)
{
    return startTranslations ? startTranslations->text("quintrel::Startup", source) : QString::fromUtf8(source);
}

void print(std::FILE *stream, const QString &text) { std::fputs(text.toLocal8Bit().constData(), stream); }

void printHelp()
{
    print(stdout,
          startText(QT_TRANSLATE_NOOP(
                        "quintrel::Startup",
                        "Usage: quintrel [--help | --version] [Qt options]\n"
                        "Quintrel, a picture-card puzzle: swap and turn nine cards until all twelve seams fit.\n"
                        "\n"
                        "  -h, --help     show this help and exit\n"
                        "  -v, --version  show the version and exit\n"
                        "\n"
                        "Qt's own options (-style, -platform, -reverse, -display and the others) work as in\n"
                        "every Qt program.\n"
                        "\n"
                        "The game is saved in game.ini beside the program when its data lies there (the build\n"
                        "tree, a copied folder); an installed copy saves in $XDG_DATA_HOME/quintrel, by default\n"
                        "~/.local/share/quintrel. This copy saves in %1\n"))
              .arg(QString::fromLocal8Bit(quintrel::saveFolder())));
}

// Qt's own options, which QApplication takes out of the arguments: those of every Qt GUI program and
// those of the X11 platform. Qt reads each with one dash or two.
constexpr std::string_view QtOptionsWithValue[] =
    {"platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
     "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
     "display",     "geometry",           "title",         "name",   "icon",
     "visual"};
constexpr std::string_view QtOptionsAlone[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};
// These also take their value after "=".
constexpr std::string_view QtOptionsJoined[] = {"style=", "stylesheet=", "qmljsdebugger="};

struct CommandLine {
    std::optional<int> status; // the program ends here, with this status
    const char *platform = nullptr;
    const char *display = nullptr;
};

// The command line is read before any window: --help and --version need no display, and an unknown
// option is told apart from Qt's own without one. The game takes no arguments of its own.
CommandLine readCommandLine(int argc, char *argv[])
{
    CommandLine line;
    const auto isIn = [](const auto &list, std::string_view option) {
        return std::find(std::begin(list), std::end(list), option) != std::end(list);
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            printHelp();
            line.status = 0;
            return line;
        }
        if (argument == "--version" || argument == "-v") {
            std::printf("quintrel %s\n", QUINTREL_VERSION);
            line.status = 0;
            return line;
        }
        const std::string_view option = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (argument.starts_with('-') && isIn(QtOptionsWithValue, option)) {
            const char *value = i + 1 < argc ? argv[++i] : nullptr;
            if (option == "platform")
                line.platform = value;
            else if (option == "display")
                line.display = value;
            continue;
        }
        if (argument.starts_with('-')
            && (isIn(QtOptionsAlone, option)
                || std::any_of(std::begin(QtOptionsJoined), std::end(QtOptionsJoined),
                               [option](std::string_view joined) { return option.starts_with(joined); })))
            continue;
        const QString problem =
            argument.starts_with('-')
                ? startText(
                    QT_TRANSLATE_NOOP("quintrel::Startup", "quintrel: unknown option '%1' (see quintrel --help)\n"))
                : startText(QT_TRANSLATE_NOOP("quintrel::Startup",
                                              "quintrel: unexpected argument '%1' (see quintrel --help)\n"));
        print(stderr, problem.arg(QString::fromLocal8Bit(argv[i])));
        line.status = 2;
        return line;
    }
    return line;
}

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

// Where the platform comes from: the command line before the environment, as in Qt.
const char *platformSource(const CommandLine &line) { return line.platform ? "-platform" : "QT_QPA_PLATFORM"; }

// Qt would end a start without a display with an abort and a hint to reinstall. A platform that
// needs a display server (the default, X11 or Wayland) and no display to connect to: one line instead.
bool hasDisplay(const CommandLine &line)
{
    const QByteArray platforms = line.platform ? QByteArray(line.platform) : qgetenv("QT_QPA_PLATFORM");
    // A list of platforms to try in turn, each "name" or "name:options".
    for (const QByteArray &entry : platforms.split(';')) {
        const qsizetype colon = entry.indexOf(':');
        const QByteArray name = (colon < 0 ? entry : entry.left(colon)).trimmed();
        if (!name.isEmpty() && name != "xcb" && !name.startsWith("wayland"))
            return true; // offscreen, vnc, eglfs, or one Qt does not have: Qt knows what it needs
    }
    if (line.display || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return true;
    if (platforms.isEmpty())
        print(stderr, startText(QT_TRANSLATE_NOOP("quintrel::Startup",
                                                  "quintrel: Quintrel needs a graphical session, and neither DISPLAY "
                                                  "nor WAYLAND_DISPLAY is set\n")));
    else
        print(stderr, startText(QT_TRANSLATE_NOOP("quintrel::Startup",
                                                  "quintrel: Quintrel needs a graphical session: %1 is \"%2\", and "
                                                  "neither DISPLAY nor WAYLAND_DISPLAY is set\n"))
                          .arg(QLatin1String(platformSource(line)), QString::fromLocal8Bit(platforms)));
    return false;
}

// A platform Qt cannot start (a display that cannot be opened, a plugin it does not have, a
// compositor that is not there) makes Qt warn, then end with a fatal message, an abort and a hint
// to reinstall; one that starts without a screen (linuxfb without a frame buffer) aborts at the
// first window. While the application starts, the warnings are held, and a fatal message or a
// platform without a screen becomes one line and exit status 1; once it has started, the warnings
// (a platform tried in vain before another) are passed on.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler qtMessageHandler = nullptr;
std::vector<HeldMessage> heldMessages;
CommandLine commandLine;

// A platform that Qt has but that cannot start here, with the reason it gave first.
QString platformCannotStart(const QString &platform)
{
    QString reason;
    for (const HeldMessage &held : heldMessages) {
        if (held.category != "qt.qpa.plugin") {
            // Some of Qt's reasons begin with an empty device name and its colon.
            reason = held.text.trimmed();
            while (reason.startsWith(u':'))
                reason = reason.mid(1).trimmed();
            break;
        }
    }
    return startText(QT_TRANSLATE_NOOP("quintrel::Startup", "Qt's platform \"%1\" (%2) cannot start: %3"))
        .arg(platform, QLatin1String(platformSource(commandLine)), reason);
}

QString startupFailure(const QString &fatal)
{
    for (const HeldMessage &held : heldMessages) {
        if (held.category == "qt.qpa.xcb" && held.text.startsWith(QLatin1String("could not connect to display")))
            return startText(QT_TRANSLATE_NOOP("quintrel::Startup", "the display \"%1\" (%2) cannot be opened, and "
                                                                    "Quintrel needs a graphical session"))
                .arg(QString::fromLocal8Bit(commandLine.display ? QByteArray(commandLine.display) : qgetenv("DISPLAY")),
                     QLatin1String(commandLine.display ? "-display" : "DISPLAY"));
    }
    for (const HeldMessage &held : heldMessages) {
        if (held.category == "qt.qpa.plugin" && held.text.startsWith(QLatin1String("Could not find the Qt platform"))) {
            QString available = fatal.section(QLatin1String("Available platform plugins are:"), 1).trimmed();
            if (available.endsWith(u'.'))
                available.chop(1);
            return startText(QT_TRANSLATE_NOOP("quintrel::Startup",
                                               "Qt has no platform \"%1\" (%2); the platforms it has are %3"))
                .arg(held.text.section(u'"', 1, 1), QLatin1String(platformSource(commandLine)), available);
        }
    }
    for (const HeldMessage &held : heldMessages) {
        if (held.category == "qt.qpa.plugin" && held.text.startsWith(QLatin1String("Could not load the Qt platform")))
            return platformCannotStart(held.text.section(u'"', 1, 1));
    }
    // Qt's advice to reinstall never fits: the program has every plugin it needs.
    QString first = fatal.section(u'\n', 0, 0);
    if (const qsizetype advice = first.indexOf(QLatin1String(" Reinstalling")); advice > 0)
        first.truncate(advice);
    return startText(QT_TRANSLATE_NOOP("quintrel::Startup", "Quintrel cannot start: %1")).arg(first);
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category, text});
        return;
    }
    std::fprintf(stderr, "quintrel: %s\n", qPrintable(startupFailure(text)));
    std::_Exit(1);
}

void passHeldMessages()
{
    for (const HeldMessage &held : heldMessages)
        qtMessageHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
    heldMessages.clear();
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
        quintrel::reportUnhandledError(startText(QT_TRANSLATE_NOOP("quintrel::Startup", "an unknown error")));
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

// Ends the program with status once the windows are gone. Qt 6.4's wayland platform can wait
// forever in its display's destructor for its own event thread (about one exit in five here), so
// on wayland the application is not taken apart: nothing is left to write by then, every save was
// synced when it was made, and what stdio holds is flushed first.
int finish(int status)
{
    quintrel::shutdownSound();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    // The session's language, for the answers to the command line as much as for the windows.
    quintrel::Translations translations;
    startTranslations = &translations;
    commandLine = readCommandLine(argc, argv);
    if (commandLine.status)
        return *commandLine.status;
    if (!hasDisplay(commandLine))
        return 1;
    qtMessageHandler = qInstallMessageHandler(startupMessageHandler);
    QuintrelApplication app(argc, argv);
    if (!QGuiApplication::primaryScreen()) {
        std::fprintf(stderr, "quintrel: %s\n", qPrintable(platformCannotStart(QGuiApplication::platformName())));
        return 1;
    }
    qInstallMessageHandler(qtMessageHandler);
    passHeldMessages();
    translations.install();
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
        if (!ready)
            return finish(board.exitCode());
        {
            quintrel::SplashWindow splash;
            // The sound device opens on the sound player's own thread while the splash waits for
            // the player: the first card of the deal finds it open, or known to be missing, and no
            // window waits while a driver is tried. Begun once the splash is on the screen, so
            // that loading SDL's libraries does not hold up the first window.
            QTimer::singleShot(SoundPreparationDelayMs, [] { quintrel::prepareSound(); });
            splash.exec();
        }
        board.showAfterPause();
        status = QApplication::exec();
    }
    return finish(status);
}
