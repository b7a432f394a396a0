// probe: the benchmark's timing helper. It watches the X server directly (map events on the root
// window, pixels read back from the screen) and reads the program's processor time from /proc,
// so that no tool start-up or screenshot file lies between an event and its time stamp.
//
//   probe startup COMMAND...   starts COMMAND and prints the time from exec to its first mapped
//                              window (ms) and its pid; the program is left running.
//   probe session PID          with the splash of Quintrel PID on screen: presses OK, then times
//                              the deal, ten idle seconds, a saved-game load and nine handle clicks.
//   probe deal PID [record]    with the splash on screen: presses OK and times the deal's cards;
//                              with "record", then clicks a spin handle twice, each after five idle
//                              seconds, and times each click to its sound, as parec records it from
//                              the monitor of a PulseAudio sink named "null" (PULSE_SERVER).
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
#include <memory>
#include <poll.h>
#include <string>
#include <signal.h>
#include <sys/wait.h>
#include <atomic>
#include <mutex>
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

// Presses OK on the splash (it has the keyboard) and finds the board window that comes up: the
// screen position of its tiles, the moment of the press and how long the board took to map.
Board pressOkAndFindBoard(Display *display, Window &window, Clock::time_point &okAt)
{
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    key(display, XK_Return);
    okAt = Clock::now();
    const Window mapped = waitForMap(display, 10000);
    if (!mapped)
        fail("no board window");
    const double boardMapMs = msSince(okAt);
    // The board lies inside the window just mapped (the frame around it): searching only there
    // is quick, so the first look at the tiles comes before the deal's first card.
    window = findWindow(display, mapped, "Quintrel", 522 * Ratio, 541 * Ratio);
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
    return board;
}

// Brings the pointer onto tile t's spin handle in three steps, as a hand moves, and lets it rest
// there.
void pointAtHandle(Display *display, const Board &board, int t)
{
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
}

// Clicks where the pointer is; returns the moment of the click.
Clock::time_point click(Display *display)
{
    const auto clickAt = Clock::now();
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
    return clickAt;
}

int session(pid_t pid)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("no display");
    Window window = 0;
    Clock::time_point okAt;
    const Board board = pressOkAndFindBoard(display, window, okAt);

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
        pointAtHandle(display, board, t);
        const std::uint64_t before = look(display, board).hash[t];
        const auto clickAt = click(display);
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

// Records what the PulseAudio sink "null" plays, through parec on its monitor (mono, 44.1 kHz,
// 5 ms chunks), and notes for every chunk that holds sound when that sound began: the chunk's
// arrival less the samples that followed its first loud one.
class Recorder {
public:
    Recorder()
    {
        int fds[2];
        if (pipe(fds) != 0)
            fail("no pipe for parec");
        m_child = fork();
        if (m_child == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            execlp("parec", "parec", "--device=null.monitor", "--raw", "--format=s16le", "--rate=44100",
                   "--channels=1", "--latency-msec=5", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        m_fd = fds[0];
        m_reader = std::thread([this] { readOn(); });
        const auto start = Clock::now();
        while (!m_running && msSince(start) < 5000)
            sleepMs(5);
        if (!m_running)
            fail("parec records nothing: is PULSE_SERVER's server up, with a sink named null?");
    }
    ~Recorder()
    {
        kill(m_child, SIGTERM);
        waitpid(m_child, nullptr, 0);
        m_reader.join();
        close(m_fd);
    }

    // Milliseconds from `since` to the first sound that began after it, waiting up to timeoutMs;
    // -1 when none came.
    double onsetAfter(Clock::time_point since, int timeoutMs)
    {
        for (;;) {
            {
                std::lock_guard lock(m_mutex);
                for (const Clock::time_point onset : m_onsets) {
                    if (onset > since)
                        return std::chrono::duration<double, std::milli>(onset - since).count();
                }
            }
            if (msSince(since) > timeoutMs)
                return -1;
            sleepMs(1);
        }
    }

private:
    void readOn()
    {
        constexpr int Loud = 328; // 1 % of full scale: a null sink's silence is exact zeros
        std::int16_t samples[4096];
        for (;;) {
            const ssize_t got = read(m_fd, samples, sizeof samples);
            const auto arrival = Clock::now();
            if (got <= 0)
                return;
            m_running = true;
            const int count = int(got / 2);
            for (int i = 0; i < count; ++i) {
                if (std::abs(int(samples[i])) >= Loud) {
                    const auto before = std::chrono::duration<double>((count - i) / 44100.0);
                    std::lock_guard lock(m_mutex);
                    m_onsets.push_back(arrival - std::chrono::duration_cast<Clock::duration>(before));
                    break;
                }
            }
        }
    }

    pid_t m_child = 0;
    int m_fd = -1;
    std::thread m_reader;
    std::atomic<bool> m_running{false};
    std::mutex m_mutex;
    std::vector<Clock::time_point> m_onsets;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The size of the board window's inside, and whether a window is it.
bool isBoardWindow(Display *display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.width == 522 * Ratio
           && attributes.height == 541 * Ratio;
}

// Presses OK on the splash and times the deal's nine cards from the screen, in milliseconds after
// OK. The looks begin as soon as the window manager takes the board window in (before it is on
// the screen, the first card comes a few milliseconds after it is) and go on for some seconds; a
// tile's card came at the first look from which on the tile shows what it shows at the end: what
// lay there before the window, and the window's first empty paint, are told apart that way.
std::vector<double> timeDeal(Display *display, Board &board)
{
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    key(display, XK_Return);
    const auto okAt = Clock::now();
    Window client = 0;
    double mapMs = -1;
    // With a window manager the board is reparented into a frame before anything maps; the frame's
    // mapping puts it on the screen.
    const auto takeEvents = [&] {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (!client && event.type == ReparentNotify && isBoardWindow(display, event.xreparent.window))
                client = event.xreparent.window;
            else if (!client && event.type == MapNotify && isBoardWindow(display, event.xmap.window))
                client = event.xmap.window, mapMs = msSince(okAt);
            else if (client && event.type == MapNotify && mapMs < 0)
                mapMs = msSince(okAt);
        }
    };
    while (!client) {
        if (msSince(okAt) > 10000)
            fail("no board window");
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 5);
        takeEvents();
    }
    std::vector<std::pair<double, Look>> looks;
    while (msSince(okAt) < (mapMs < 0 ? 10000 : mapMs + 3500)) {
        if (mapMs < 0)
            takeEvents();
        // The window manager may still place the frame, before or after it maps it.
        Window child;
        XTranslateCoordinates(display, client, DefaultRootWindow(display), 0, (541 - 522) * Ratio, &board.x, &board.y,
                              &child);
        looks.emplace_back(msSince(okAt), look(display, board));
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
    if (mapMs < 0)
        fail("the board window was not mapped");
    std::printf("ok_to_board_map_ms=%.1f\n", mapMs);
    const Look &last = looks.back().second;
    std::vector<double> cards(9, 0);
    for (int t = 0; t < 9; ++t) {
        if (!last.shown[t]) {
            std::printf("board at %d,%d, mapped at %.1f ms, %zu looks, tile %d empty at the end\n", board.x, board.y,
                        mapMs, looks.size(), t + 1);
            fail("the deal did not finish");
        }
        for (std::size_t i = looks.size(); i-- > 0 && looks[i].second.hash[t] == last.hash[t];)
            cards[t] = looks[i].first;
        if (cards[t] <= looks.front().first)
            fail("a card was up before the first look at the board");
    }
    return cards;
}

// The deal read from the screen: when the first card came after OK, the first pause (the one the
// opening of a sound device would lengthen) and the median of the seven others. With a recorder,
// then two handle clicks, each after five idle seconds: to the picture, and to the sound; and the
// processor time of the idle seconds.
int deal(pid_t pid, bool record)
{
    std::unique_ptr<Recorder> recorder;
    if (record)
        recorder = std::make_unique<Recorder>();
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("no display");
    Board board;
    const std::vector<double> cards = timeDeal(display, board);
    std::vector<double> others;
    for (int i = 2; i < 9; ++i)
        others.push_back(cards[i] - cards[i - 1]);
    std::printf("ok_to_first_card_ms=%.1f first_pause_ms=%.1f other_pauses_median_ms=%.1f other_pauses_max_ms=%.1f\n",
                cards[0], cards[1] - cards[0], median(others), *std::max_element(others.begin(), others.end()));
    if (!recorder) {
        XCloseDisplay(display);
        return 0;
    }
    std::string paints, sounds;
    const auto append = [](std::string &list, double ms) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f,", ms);
        list += text;
    };
    double idleCpu = 0;
    for (int i = 0; i < 2; ++i) {
        // Five idle seconds; the processor time is summed from the moment the device has had its
        // second to close.
        sleepMs(1500);
        const double cpuBefore = processorMs(pid);
        sleepMs(3500);
        idleCpu = std::max(idleCpu, processorMs(pid) - cpuBefore);
        pointAtHandle(display, board, 4);
        const std::uint64_t before = look(display, board).hash[4];
        const auto clickAt = click(display);
        while (look(display, board).hash[4] == before) {
            if (msSince(clickAt) > 2000)
                fail("a handle click did not turn its card");
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        append(paints, msSince(clickAt));
        const double onset = recorder->onsetAfter(clickAt, 2000);
        if (onset < 0)
            fail("a handle click made no sound");
        append(sounds, onset);
    }
    std::printf("idle_cpu_ms=%.2f idle_click_to_paint_ms=%s idle_click_to_sound_ms=%s\n", idleCpu, paints.c_str(),
                sounds.c_str());
    XCloseDisplay(display);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Windows come and go while the probe looks at them (the splash, menus): a request about one
    // that has gone is no failure.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    if (argc >= 3 && std::strcmp(argv[1], "startup") == 0)
        return startup(argv + 2);
    if (argc == 3 && std::strcmp(argv[1], "session") == 0)
        return session(pid_t(std::atoi(argv[2])));
    if ((argc == 3 || (argc == 4 && std::strcmp(argv[3], "record") == 0)) && std::strcmp(argv[1], "deal") == 0)
        return deal(pid_t(std::atoi(argv[2])), argc == 4);
    std::fprintf(stderr, "usage: probe startup COMMAND... | probe session PID | probe deal PID [record]\n");
    return 2;
}
