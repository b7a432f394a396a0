// The desktop layer: frame metrics, density, program folder, message boxes and web addresses.
#include "app/platform.h"


#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quintrel {

WindowSizes ComputeWindowSizes(int clientWidth, int clientHeight, bool menuAllowance, BorderStyle style)
{
    using namespace FrameMetrics;
    // The outer rectangle of a captioned, fixed-frame window, then one pixel more each way.
    const int outerWidth = clientWidth + 2 * FixedFrameWidth + 1;
    const int outerHeight = clientHeight + CaptionHeight + (menuAllowance ? MenuBarHeight : 0) + 2 * FixedFrameWidth + 1;

    WindowSizes sizes;
    sizes.outer = QSize(outerWidth, outerHeight);
    switch (style) {
    case BorderStyle::None:
        sizes.client = sizes.outer;
        break;
    case BorderStyle::FixedSingle:
        sizes.client = QSize(outerWidth - 2 * FixedFrameWidth, outerHeight - 2 * FixedFrameWidth - CaptionHeight);
        break;
    case BorderStyle::FixedTool:
        sizes.client = QSize(outerWidth - 2 * FixedFrameWidth, outerHeight - 2 * FixedFrameWidth - ToolCaptionHeight);
        break;
    }
    return sizes;
}

BorderStyle BorderStyleOf(const QWidget *window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::FramelessWindowHint))
        return BorderStyle::None;
    if ((flags & Qt::WindowType_Mask) == Qt::Tool)
        return BorderStyle::FixedTool;
    return BorderStyle::FixedSingle;
}

void SizeWindowToClient(QWidget *window, int clientWidth, int clientHeight, bool menuAllowance)
{
    const WindowSizes sizes = ComputeWindowSizes(clientWidth, clientHeight, menuAllowance, BorderStyleOf(window));
    window->setFixedSize(sizes.client);

    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // Centre by the outer size; a window manager's real frame differs by a pixel or two at most.
    const int left = area.left() + (area.width() - sizes.outer.width()) / 2;
    const int top = area.top() + (area.height() - sizes.outer.height()) / 2;
    window->move(left, top);
}

double DisplayDensity()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    return screen->logicalDotsPerInchX() * screen->devicePixelRatio();
}

int TwipsPerPixel(double dotsPerInch)
{
    if (!(dotsPerInch > 0))
        return 0;
    return static_cast<int>(std::nearbyint(1440.0 / dotsPerInch)); // default rounding: halves to even
}

bool IsLargeFontDensity(double dotsPerInch)
{
    return TwipsPerPixel(dotsPerInch) == 12;
}

static QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

static QString executableFolder()
{
    QFileInfo executable(QStringLiteral("/proc/self/exe"));
    QString path = executable.canonicalFilePath();
    if (path.isEmpty())
        path = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return QFileInfo(path).absolutePath();
}

QString ProgramFolder()
{
    if (programFolderOverride().isEmpty())
        programFolderOverride() = executableFolder();
    return programFolderOverride();
}

void SetProgramFolder(const QString &folder)
{
    QString cleaned = QDir::cleanPath(folder);
    programFolderOverride() = cleaned;
}

QString ProgramFile(const QString &relativeName)
{
    QString folder = ProgramFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QString name = relativeName;
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return folder + name;
}

static std::function<void(const ShownMessage &)> &messageHook()
{
    static std::function<void(const ShownMessage &)> hook;
    return hook;
}

void SetMessageHook(std::function<void(const ShownMessage &)> hook)
{
    messageHook() = std::move(hook);
}

void ShowMessage(const QString &text, const QString &title, MessageIcon icon)
{
    if (messageHook()) {
        messageHook()(ShownMessage{text, title, icon});
        return;
    }
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("message_box"));
    box.exec();
}

static std::function<bool(const QUrl &)> &webOpenerHook()
{
    static std::function<bool(const QUrl &)> hook;
    return hook;
}

void SetWebOpenerHook(std::function<bool(const QUrl &)> hook)
{
    webOpenerHook() = std::move(hook);
}

bool OpenWebAddress(const QUrl &address)
{
    if (webOpenerHook())
        return webOpenerHook()(address);
    return QDesktopServices::openUrl(address);
}

void ReportUnhandledError(const QString &what)
{
    std::fprintf(stderr, "quintrel: unexpected error: %s\n", qPrintable(what));
    ShowMessage(QStringLiteral("Quintrel met an error it cannot recover from:\n\n%1\n\nThe program will now end.").arg(what),
                QString::fromLatin1(ApplicationTitle), MessageIcon::Critical);
    std::_Exit(EXIT_FAILURE);
}

} // namespace quintrel
