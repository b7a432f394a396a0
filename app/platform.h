// The thin layer between the game and the desktop: window frame metrics, display density, the
// program folder, message boxes, the web-address opener and the report of an unexpected error.
#pragma once

#include <QSize>
#include <QString>
#include <QUrl>

#include <functional>

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
WindowSizes ComputeWindowSizes(int clientWidth, int clientHeight, bool menuAllowance, BorderStyle style);

// The border style a top-level widget has, read from its window flags.
BorderStyle BorderStyleOf(const QWidget *window);

// Sizes a top-level window by the sizing rule (fixed size) and centres it on its screen.
void SizeWindowToClient(QWidget *window, int clientWidth, int clientHeight, bool menuAllowance);

// The display's real logical density in dots per inch. Qt reports 96 on large-font displays and
// moves the rest into the device-pixel ratio, so the two are multiplied back together.
double DisplayDensity();
// Twips per pixel at a density, rounded to the nearest integer with halves to even.
int TwipsPerPixel(double dotsPerInch);
// A display set to large fonts: 12 twips per pixel (116 to 125 dpi).
bool IsLargeFontDensity(double dotsPerInch);

// The folder that holds the running executable (its real path), without a trailing separator
// except at the root. Tests may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString &folder);
// A file beside the program: the program folder, exactly one separator, then the relative name.
QString ProgramFile(const QString &relativeName);

// Message boxes with an OK button only; the icon values are those the messages are known by.
enum class MessageIcon { None = 0, Exclamation = 48, Information = 64, Critical = 16 };
constexpr auto ApplicationTitle = "QUINTREL";
void ShowMessage(const QString &text, const QString &title, MessageIcon icon);

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
};
// Tests take the messages instead of showing boxes. An empty hook restores the boxes.
void SetMessageHook(std::function<void(const ShownMessage &)> hook);

// Opens a web address with the desktop's default handler; false when that fails.
bool OpenWebAddress(const QUrl &address);
void SetWebOpenerHook(std::function<bool(const QUrl &)> hook);

// An error that no procedure handled: tells the player what it was, then ends the program.
[[noreturn]] void ReportUnhandledError(const QString &what);

} // namespace quintrel
