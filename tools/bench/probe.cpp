// probe: the benchmark's timing helper. It watches the X server directly (map events on the root
// window, pixels read back from the screen) and reads the program's processor time from /proc,
// so that no tool start-up or screenshot file lies between an event and its time stamp.
//
//   probe startup COMMAND...   starts COMMAND and prints the time from exec to its first mapped
//                              window (ms) and its pid; the program is left running.
//   probe session PID          with the splash of Quintrel PID on screen: presses OK, then times
//                              the deal, ten idle seconds, a saved-game load and nine handle clicks.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// libXtst's entry points; its development header is not needed for these four.
extern "C" {
int XTestFakeKeyEvent(Display *, unsigned int keycode, Bool press, unsigned long delay);
int XTestFakeButtonEvent(Display *, unsigned int button, Bool press, unsigned long delay);
int XTestFakeMotionEvent(Display *, int screen, int x, int y, unsigned long delay);
}

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "probe: %s\n", what);
    std::exit(1);
}

// Processor time of every thread of a process, in milliseconds (scheduler nanoseconds).
double processorMs(pid_t pid)
{
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR *tasks = opendir(dir.c_str());
    if (!tasks)
        return -1;
    double total = 0;
    while (dirent *entry = readdir(tasks)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(dir + "/" + entry->d_name + "/schedstat");
        unsigned long long ns = 0;
        if (stat >> ns)
            total += double(ns) / 1e6;
    }
    closedir(tasks);
    return total;
}

// Waits for the first MapNotify among the root window's children, up to timeoutMs; returns the
// window mapped (with a window manager, its frame), or 0.
Window waitForMap(Display *display, int timeoutMs)
{
    const auto start = Clock::now();
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                return event.xmap.window;
        }
        const int left = timeoutMs - int(msSince(start));
        if (left <= 0)
            return 0;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, std::min(left, 50));
    }
}

int startup(char **argv)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("no display");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The program must not hold the caller's output pipe open, or a shell reading our
        // figures through $(...) would wait for the program to end.
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            close(quiet);
        }
        execvp(argv[0], argv);
        _exit(127);
    }
    if (!waitForMap(display, 30000))
        fail("no window was mapped");
    std::printf("map_ms=%.2f pid=%d\n", msSince(start), int(child));
    std::fflush(stdout);
    return 0;
}

// The first mapped window, searched depth first, whose name is `name` and size w x h.
Window findWindow(Display *display, Window under, const char *name, int w, int h)
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        char *windowName = nullptr;
        if (XFetchName(display, children[i], &windowName) && windowName) {
            if (std::strcmp(windowName, name) == 0 && attributes.width == w && attributes.height == h)
                found = children[i];
            XFree(windowName);
        }
        if (!found)
            found = findWindow(display, children[i], name, w, h);
    }
    if (children)
        XFree(children);
    return found;
}

struct Board {
    int x = 0; // screen position of tile 1's top-left corner
    int y = 0;
};

// The screen's pixel ratio (QUINTREL_BENCH_RATIO, 1 or 2): every length on the board is that many
// times its logical length in pixels.
const int Ratio = [] {
    const char *ratio = std::getenv("QUINTREL_BENCH_RATIO");
    return ratio && std::atoi(ratio) == 2 ? 2 : 1;
}();
const int Pitch = 174 * Ratio;
const int TileSize = 172 * Ratio;

// What one look at the board shows: for each tile, whether it shows a picture and a hash of it.
struct Look {
    bool shown[9];
    std::uint64_t hash[9];
};

// One look reads five thin rows across each row of tiles rather than the whole board: a whole
// board is a megabyte from the server and takes milliseconds, which would blur every time stamp.
// A card differs from empty and from itself turned a quarter turn on these rows.
constexpr int SampleRows[] = {20, 60, 86, 112, 150};

Look look(Display *display, const Board &board)
{
    Look result{};
    std::uint64_t first[9] = {};
    bool uniform[9];
    std::fill(uniform, uniform + 9, true);
    std::fill(result.hash, result.hash + 9, 1469598103934665603ull);
    for (int row = 0; row < 3; ++row) {
        for (int sample = 0; sample < int(std::size(SampleRows)); ++sample) {
            XImage *image = XGetImage(display, DefaultRootWindow(display), board.x,
                                      board.y + Pitch * row + Ratio * SampleRows[sample], 2 * Pitch + TileSize, 1,
                                      AllPlanes, ZPixmap);
            if (!image)
                fail("cannot read the screen");
            for (int column = 0; column < 3; ++column) {
                const int t = row * 3 + column;
                for (int x = 1; x < TileSize - 1; ++x) {
                    const unsigned long pixel = XGetPixel(image, Pitch * column + x, 0);
                    if (sample == 0 && x == 1)
                        first[t] = pixel;
                    uniform[t] = uniform[t] && pixel == first[t];
                    result.hash[t] = (result.hash[t] ^ pixel) * 1099511628211ull;
                }
            }
            XDestroyImage(image);
        }
    }
    for (int t = 0; t < 9; ++t)
        result.shown[t] = !uniform[t];
    return result;
}

void key(Display *display, KeySym symbol, bool withAlt = false)
{
    const KeyCode alt = XKeysymToKeycode(display, XK_Alt_L);
    const KeyCode code = XKeysymToKeycode(display, symbol);
    if (withAlt)
        XTestFakeKeyEvent(display, alt, True, 0);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 0);
    if (withAlt)
        XTestFakeKeyEvent(display, alt, False, 0);
    XFlush(display);
}

// How far apart two looks at the tiles were at most: the resolution of every step's time.
double longestLookGap = 0;

// Times the nine tiles as they come up one after another: the moment each one first shows a
// picture after `since`. Returns false on a timeout.
// The processor time of `pid` is read when the first and when the last tile come up.
bool timeSteps(Display *display, const Board &board, std::vector<double> &steps, Clock::time_point since, int timeoutMs,
               pid_t pid, double &cpuAtFirst, double &cpuAtLast)
{
    bool seen[9] = {};
    int count = 0;
    bool firstLook = true;
    steps.assign(9, 0);
    double previousLook = -1;
    while (count < 9) {
        const Look now = look(display, board);
        const double t = msSince(since);
        for (int i = 0; i < 9; ++i) {
            if (now.shown[i] && !seen[i]) {
                if (count == 0)
                    cpuAtFirst = processorMs(pid);
                seen[i] = true;
                // A tile already shown at the first look came up at some unknown moment before it.
                steps[i] = firstLook ? -t : t;
                ++count;
            }
        }
        firstLook = false;
        if (t > timeoutMs)
            return false;
        // A short rest between looks, so that the watcher does not starve the program it times.
        std::this_thread::sleep_for(std::chrono::microseconds(300));
        if (previousLook >= 0)
            longestLookGap = std::max(longestLookGap, t - previousLook);
        previousLook = t;
    }
    cpuAtLast = processorMs(pid);
    return true;
}

// Prints the steps' span and their shortest and longest pause. A step seen at the first look
// (stored negated) has no known time: the pause after it is left out, and the count says so.
void printPauses(const char *what, const std::vector<double> &steps)
{
    std::vector<double> sorted;
    int unknown = 0;
    for (double s : steps) {
        if (s < 0)
            ++unknown;
        else
            sorted.push_back(s);
    }
    std::sort(sorted.begin(), sorted.end());
    double shortest = 1e9, longest = 0;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        shortest = std::min(shortest, sorted[i] - sorted[i - 1]);
        longest = std::max(longest, sorted[i] - sorted[i - 1]);
    }
    std::printf("%s_first_to_last_ms=%.1f %s_pauses_timed=%d %s_pause_min_ms=%.1f %s_pause_max_ms=%.1f\n", what,
                sorted.back() - sorted.front(), what, int(sorted.size()) - 1, what, shortest, what, longest);
    std::printf("%s_steps_ms=", what);
    for (double s : steps)
        std::printf("%.1f,", s);
    std::printf("\n");
}

int session(pid_t pid)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("no display");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    // OK on the splash (it has the keyboard), then the board.
    key(display, XK_Return);
    const auto okAt = Clock::now();
    const Window mapped = waitForMap(display, 10000);
    if (!mapped)
        fail("no board window");
    const double boardMapMs = msSince(okAt);
    // The board lies inside the window just mapped (the frame around it): searching only there
    // is quick, so the first look at the tiles comes before the deal's first card.
    Window window = findWindow(display, mapped, "Quintrel", 522 * Ratio, 541 * Ratio);
    XWindowAttributes mappedAttributes;
    if (!window && XGetWindowAttributes(display, mapped, &mappedAttributes) && mappedAttributes.width == 522 * Ratio
        && mappedAttributes.height == 541 * Ratio)
        window = mapped;
    for (int i = 0; i < 200 && !window; ++i, sleepMs(5))
        window = findWindow(display, DefaultRootWindow(display), "Quintrel", 522 * Ratio, 541 * Ratio);
    if (!window)
        fail("the board window was not found");
    Board board;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, (541 - 522) * Ratio, &board.x, &board.y,
                          &child);
    std::printf("ok_to_board_map_ms=%.1f\n", boardMapMs);

    // The deal.
    // Measured from the first card shown to the last: the deal's own steps and pauses.
    std::vector<double> deal;
    double cpuFirst = 0, cpuLast = 0;
    if (!timeSteps(display, board, deal, okAt, 10000, pid, cpuFirst, cpuLast))
        fail("the deal did not finish");
    const double dealCpu = cpuLast - cpuFirst;
    double dealFirst = 1e9, dealLast = 0;
    for (double step : deal) {
        dealFirst = std::min(dealFirst, std::abs(step));
        dealLast = std::max(dealLast, std::abs(step));
    }
    const double dealWall = dealLast - dealFirst;
    std::printf("deal_cpu_ms=%.1f deal_cpu_percent=%.2f\n", dealCpu, 100.0 * dealCpu / dealWall);
    printPauses("deal", deal);

    // Ten seconds of rest after the deal, the screen left alone. The sound device closes a
    // second after the last sound; the rest begins once it has, because the sum over the live
    // threads cannot count a thread that ends inside the measurement.
    sleepMs(1500);
    const double cpuBeforeIdle = processorMs(pid);
    sleepMs(10000);
    std::printf("idle_10s_cpu_ms=%.2f\n", processorMs(pid) - cpuBeforeIdle);
    {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0)
                std::printf("settled_rss_kb=%ld\n", std::strtol(line.c_str() + 6, nullptr, 10));
        }
    }

    // A saved-game load through the menu: Alt+F, then L once the menu is open.
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    sleepMs(100);
    key(display, XK_f, true);
    sleepMs(250);
    const double cpuBeforeLoad = processorMs(pid);
    key(display, XK_l);
    const auto loadAt = Clock::now();
    // The rebuild clears the nine tiles and shows the first one in the same step, so the screen
    // never shows all nine empty: the load has begun when tiles 2 to 9 are empty.
    double clearedAt = -1;
    for (bool firstLook = true;; firstLook = false) {
        const Look now = look(display, board);
        if (std::none_of(now.shown + 1, now.shown + 9, [](bool b) { return b; })) {
            // Tile 1 came up with the clearing; the moment is known unless the first look saw it.
            if (!firstLook)
                clearedAt = msSince(loadAt);
            break;
        }
        if (msSince(loadAt) > 5000)
            fail("the load did not clear the board");
        sleepMs(1);
    }
    std::vector<double> rebuild;
    double unused1 = 0, unused2 = 0;
    if (!timeSteps(display, board, rebuild, loadAt, 10000, pid, unused1, unused2))
        fail("the rebuild did not finish");
    if (rebuild[0] < 0 && clearedAt >= 0)
        rebuild[0] = clearedAt;
    // The rebuild pauses after its ninth tile too.
    sleepMs(200);
    const double loadWall = msSince(loadAt);
    const double loadCpu = processorMs(pid) - cpuBeforeLoad;
    std::printf("load_wall_ms=%.1f load_cpu_ms=%.1f load_cpu_percent=%.2f\n", loadWall, loadCpu,
                100.0 * loadCpu / loadWall);
    printPauses("load", rebuild);

    // Handle clicks: the pointer arrives in three steps, rests, and then the click is timed
    // until the tile's new picture is on the screen.
    std::vector<double> clicks;
    for (int t = 0; t < 9; ++t) {
        const int cx = board.x + Pitch * (t % 3) + 85 * Ratio, cy = board.y + Pitch * (t / 3) + 85 * Ratio;
        XTestFakeMotionEvent(display, -1, cx - 40, cy - 30, 0);
        XFlush(display);
        sleepMs(20);
        XTestFakeMotionEvent(display, -1, cx - 10, cy - 8, 0);
        XFlush(display);
        sleepMs(20);
        XTestFakeMotionEvent(display, -1, cx, cy, 0);
        XFlush(display);
        sleepMs(120);
        const std::uint64_t before = look(display, board).hash[t];
        const auto clickAt = Clock::now();
        XTestFakeButtonEvent(display, 1, True, 0);
        XTestFakeButtonEvent(display, 1, False, 0);
        XFlush(display);
        for (;;) {
            if (look(display, board).hash[t] != before) {
                clicks.push_back(msSince(clickAt));
                break;
            }
            if (msSince(clickAt) > 2000)
                fail("a handle click did not turn its card");
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        sleepMs(50);
    }
    std::sort(clicks.begin(), clicks.end());
    std::printf("look_interval_max_ms=%.2f\n", longestLookGap);
    std::printf("click_to_paint_median_ms=%.2f click_to_paint_max_ms=%.2f\n", clicks[clicks.size() / 2], clicks.back());
    XCloseDisplay(display);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "startup") == 0)
        return startup(argv + 2);
    if (argc == 3 && std::strcmp(argv[1], "session") == 0)
        return session(pid_t(std::atoi(argv[2])));
    std::fprintf(stderr, "usage: probe startup COMMAND... | probe session PID\n");
    return 2;
}
