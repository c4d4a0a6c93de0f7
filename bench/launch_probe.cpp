// Starts a program and watches the X server for its first window: when it is
// mapped and when the program has drawn every pixel of it. It then reads the
// program's peak resident memory and stops it.
//
//     launch_probe [--settle-ms N] [--timeout-ms N] [--override-redirect 1] program [args...]
//
// prints one line: "map_ms paint_ms vmhwm_kb cpu_ms", times counted from the
// spawn; cpu_ms is the program's CPU time when its frame was complete.
//
// Every top-level window the program creates gets a Damage object as soon as
// the server reports it. Qt gives its windows no background, so the server
// draws nothing into them on mapping: every damaged pixel was put there by the
// program. The frame counts as painted once the damage covers the window.
// Windows the window manager is not to handle (override-redirect: Qt's menus
// and tooltips) are not the main window, unless --override-redirect 1 says
// they are: Wine, told to manage its windows itself, makes every one so.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int settleMs = 300;
    int timeoutMs = 20000;
    bool overrideRedirect = false;  // whether the main window may be override-redirect
    std::span<char*> program;       // the program and its arguments, ending in a null pointer
};

std::optional<Options> parse(std::span<char*> args) {
    Options options;
    std::size_t at = 1;
    for (; at + 1 < args.size() && std::string_view(args[at]).starts_with("--"); at += 2) {
        const std::string_view flag = args[at];
        const int value = std::atoi(args[at + 1]);
        if (flag == "--settle-ms") {
            options.settleMs = value;
        } else if (flag == "--timeout-ms") {
            options.timeoutMs = value;
        } else if (flag == "--override-redirect") {
            options.overrideRedirect = value != 0;
        } else {
            return std::nullopt;
        }
    }
    if (at >= args.size()) {
        return std::nullopt;
    }
    options.program = args.subspan(at);
    return options;
}

// Windows may vanish or refuse Damage (input-only ones) before we get to them.
int ignoreErrors(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

// Which pixels of the watched window the program has drawn so far.
class Coverage {
public:
    void reset(int width, int height) {
        width_ = width;
        height_ = height;
        left_ = static_cast<long>(width) * height;
        drawn_.assign(static_cast<std::size_t>(left_), 0);
    }
    void add(const XRectangle& area) {
        const int right = std::min<int>(area.x + area.width, width_);
        const int bottom = std::min<int>(area.y + area.height, height_);
        for (int y = std::max<int>(area.y, 0); y < bottom; ++y) {
            for (int x = std::max<int>(area.x, 0); x < right; ++x) {
                auto& pixel =
                    drawn_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                           static_cast<std::size_t>(x)];
                if (pixel == 0) {
                    pixel = 1;
                    --left_;
                }
            }
        }
    }
    [[nodiscard]] bool complete() const { return width_ > 0 && left_ == 0; }

private:
    int width_ = 0;
    int height_ = 0;
    long left_ = 0;
    std::vector<unsigned char> drawn_;
};

struct Result {
    double mapMs = -1;
    double paintMs = -1;
    double cpuMs = -1;  // the program's CPU time when its frame was complete
};

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of all the program's threads, from the scheduler's nanosecond
// counts: less disturbed than wall time by other work on the machine.
double cpuTimeMs(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    double total = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpuNs = 0;
        schedstat >> onCpuNs;
        total += onCpuNs;
    }
    return total / 1e6;
}

// Handles events until the first mapped window is fully drawn; false on
// timeout or if the program exits first.
bool watch(Display* display, int damageBase, pid_t child, const Options& options,
           Clock::time_point start, Result& result) {
    const Window root = DefaultRootWindow(display);
    Window target = None;
    Coverage coverage;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (msSince(start) < options.timeoutMs) {
        if (XPending(display) == 0) {
            if (waitpid(child, nullptr, WNOHANG) == child) {
                return false;
            }
            poll(&fd, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            XFlush(display);
        } else if (event.type == MapNotify && event.xmap.event == root && target == None &&
                   (options.overrideRedirect || event.xmap.override_redirect == False)) {
            result.mapMs = msSince(start);
            target = event.xmap.window;
            XWindowAttributes attributes;
            XGetWindowAttributes(display, target, &attributes);
            coverage.reset(attributes.width, attributes.height);
        } else if (event.type == damageBase + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (damage.drawable == target) {
                coverage.add(damage.area);
                if (coverage.complete()) {
                    result.paintMs = msSince(start);
                    result.cpuMs = cpuTimeMs(child);
                    return true;
                }
            }
        }
    }
    return false;
}

long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string field;
    while (status >> field) {
        if (field == "VmHWM:") {
            long kb = -1;
            status >> kb;  // followed by "kB"
            return kb;
        }
    }
    return -1;
}

void stop(pid_t child) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    // argv[argc] is the null pointer that ends the program's arguments too.
    const std::span<char*> args(argv, static_cast<std::size_t>(argc) + 1);
    const auto options = parse(args.first(args.size() - 1));
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--settle-ms N] [--timeout-ms N] [--override-redirect 1] program "
                     "[args...]\n",
                     args[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageBase = 0;
    int damageError = 0;
    int major = 0;
    int minor = 0;
    if (display == nullptr || !XDamageQueryExtension(display, &damageBase, &damageError) ||
        !XDamageQueryVersion(display, &major, &minor)) {
        std::fprintf(stderr, "launch_probe: no X display with the DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, options->program[0], nullptr, nullptr, options->program.data(),
                    environ) != 0) {
        std::perror("launch_probe: spawn");
        return 2;
    }
    Result result;
    const bool painted = watch(display, damageBase, child, *options, start, result);
    if (painted) {
        std::this_thread::sleep_for(std::chrono::milliseconds(options->settleMs));
    }
    const long peakKb = peakResidentKb(child);
    stop(child);
    XCloseDisplay(display);
    if (!painted) {
        std::fprintf(stderr, "launch_probe: %s drew no window\n", options->program[0]);
        return 1;
    }
    std::printf("%.3f %.3f %ld %.3f\n", result.mapMs, result.paintMs, peakKb, result.cpuMs);
    return 0;
}
