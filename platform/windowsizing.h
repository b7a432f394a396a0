// windowsizing.h: how large the windows are and where they go: the classic frame metrics, the
// sizing rule the windows share, centring, and the display density check.
#pragma once

#include <QSize>

class QWidget;

namespace quintrel {

// The frame metrics that the windows' sizes are worked out with, in pixels. They are the classic
// desktop's standard metrics; our windows then take the client size that those leave inside.
namespace FrameMetrics {
constexpr int CaptionHeight = 19;
constexpr int FixedFrameWidth = 3;
constexpr int MenuBarHeight = 19;
constexpr int ToolCaptionHeight = 15;
} // namespace FrameMetrics

enum class BorderStyle {
    None,        // no caption, no frame: the window is its picture
    FixedSingle, // caption and fixed frame
    FixedTool,   // low tool-window caption and fixed frame
};

struct WindowSizes {
    QSize outer;  // the whole window, frame and caption included
    QSize client; // what is left inside it for menu bar and client area
};

// The sizing rule: the outer size of a captioned, fixed-frame window around a w x h client area
// (plus a menu bar when menuAllowance is set), one pixel larger in each direction, and the inside
// that this outer size leaves for a window of the given border style.
WindowSizes computeWindowSizes(int clientWidth, int clientHeight, bool menuAllowance, BorderStyle style);

// The border style a top-level widget has, read from its window flags.
BorderStyle borderStyleOf(const QWidget *window);

// Sizes a top-level window by the sizing rule (fixed size) and centres it on its screen.
void sizeWindowToClient(QWidget *window, int clientWidth, int clientHeight, bool menuAllowance);

// Moves a top-level window whose outer size (frame included) is `outer` to the middle of its screen.
void centreOnScreen(QWidget *window, QSize outer);

// The display's real logical density in dots per inch. Qt reports 96 on large-font displays and
// moves the rest into the device-pixel ratio, so the two are multiplied back together.
double displayDensity();
// Twips per pixel at a density, rounded to the nearest integer with halves to even.
int twipsPerPixel(double dotsPerInch);
// A display set to large fonts: 12 twips per pixel (116 to 125 dpi).
bool isLargeFontDensity(double dotsPerInch);

} // namespace quintrel
