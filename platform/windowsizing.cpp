// windowsizing.cpp: the sizing rule, centring and the display density.
#include "platform/windowsizing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace quintrel {

WindowSizes computeWindowSizes(int clientWidth, int clientHeight, bool menuAllowance, BorderStyle style)
{
    using namespace FrameMetrics;
    // The outer rectangle of a captioned, fixed-frame window, then one pixel more each way.
    const int outerWidth = clientWidth + 2 * FixedFrameWidth + 1;
    const int outerHeight = clientHeight + CaptionHeight + (menuAllowance ? MenuBarHeight : 0) + 2 * FixedFrameWidth
                            + 1;

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

BorderStyle borderStyleOf(const QWidget *window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::FramelessWindowHint))
        return BorderStyle::None;
    if ((flags & Qt::WindowType_Mask) == Qt::Tool)
        return BorderStyle::FixedTool;
    return BorderStyle::FixedSingle;
}

void sizeWindowToClient(QWidget *window, int clientWidth, int clientHeight, bool menuAllowance)
{
    const WindowSizes sizes = computeWindowSizes(clientWidth, clientHeight, menuAllowance, borderStyleOf(window));
    window->setFixedSize(sizes.client);
    centreOnScreen(window, sizes.outer);
}

void centreOnScreen(QWidget *window, QSize outer)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // Centred by the outer size; a window manager's real frame differs by a pixel or two at most.
    window->move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
}

double displayDensity()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    return screen->logicalDotsPerInchX() * screen->devicePixelRatio();
}

int twipsPerPixel(double dotsPerInch)
{
    if (!(dotsPerInch > 0))
        return 0;
    return static_cast<int>(std::nearbyint(1440.0 / dotsPerInch)); // default rounding: halves to even
}

bool isLargeFontDensity(double dotsPerInch) { return twipsPerPixel(dotsPerInch) == 12; }

} // namespace quintrel
