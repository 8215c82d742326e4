// SPDX-License-Identifier: MIT
// Starts a program on the X server named by DISPLAY and reports how long, counted from just
// before the program was started, it took until its first top-level window was mapped and
// until every pixel of that window had been drawn at least once. Drawing is seen through the
// X DAMAGE extension: the probe neither polls nor reads pixels, so it costs the program under
// test nothing. With --hold it then waits, reads the program's resident memory and ends it.
//
// Usage: first_frame_probe [--hold SECONDS] [--timeout SECONDS] PROGRAM [ARGUMENTS...]
// Prints one line: map_ms=... frame_ms=... cpu_ms=... width=... height=... [rss_kib=...],
// where cpu_ms is the processor time all the program's threads had used by its first frame.
// Exits with 1 when the program ends or the timeout passes before its first frame.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// A window that may turn out to be the program's main window.
struct Candidate {
    int width = 0;
    int height = 0;
    Damage damage = 0;
};

// The watched window: where it has been drawn so far.
struct Watched {
    Window window = 0;
    int width = 0;
    int height = 0;
    Region drawn = nullptr;
};

// Windows vanish while we look at them (Qt makes and drops helper windows): ignore the
// errors that follow instead of dying on them.
int ignoreXError(Display *, XErrorEvent *) {
    return 0;
}

long residentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Processor time used so far by all threads of the process, from the scheduler's own
// nanosecond counts; -1 when the process is gone.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir) return -1;
    double total = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double runNs = 0;
        if (schedstat >> runNs) total += runNs / 1e6;
    }
    closedir(dir);
    return total;
}

// Ends the program: politely first, then for good.
void endProgram(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

void usage() {
    std::fprintf(stderr,
                 "usage: first_frame_probe [--hold SECONDS] [--timeout SECONDS] PROGRAM "
                 "[ARGUMENTS...]\n");
}

}  // namespace

int main(int argc, char *argv[]) {
    double holdSeconds = 0;
    double timeoutSeconds = 30;
    int first = 1;
    while (first + 1 < argc && argv[first][0] == '-') {
        if (std::strcmp(argv[first], "--hold") == 0) {
            holdSeconds = std::atof(argv[first + 1]);
        } else if (std::strcmp(argv[first], "--timeout") == 0) {
            timeoutSeconds = std::atof(argv[first + 1]);
        } else {
            usage();
            return 2;
        }
        first += 2;
    }
    if (first >= argc) {
        usage();
        return 2;
    }

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_frame_probe: cannot open display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_frame_probe: the X server has no DAMAGE extension\n");
        return 2;
    }
    int major = 0;
    int minor = 0;
    XDamageQueryVersion(display, &major, &minor);
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    std::map<Window, Candidate> candidates;
    Watched watched;
    double mapMs = -1;
    double frameMs = -1;
    double frameCpuMs = -1;
    const int fd = ConnectionNumber(display);
    while (frameMs < 0) {
        while (XPending(display) && frameMs < 0) {
            XEvent event;
            XNextEvent(display, &event);
            const double at = nowMs();
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                // Watch from birth: the first drawing may follow the mapping at once.
                const XCreateWindowEvent &created = event.xcreatewindow;
                candidates[created.window] = {
                    created.width, created.height,
                    XDamageCreate(display, created.window, XDamageReportRawRectangles)};
            } else if (event.type == ConfigureNotify) {
                const auto found = candidates.find(event.xconfigure.window);
                if (found != candidates.end()) {
                    found->second.width = event.xconfigure.width;
                    found->second.height = event.xconfigure.height;
                }
                if (event.xconfigure.window == watched.window) {
                    watched.width = event.xconfigure.width;
                    watched.height = event.xconfigure.height;
                }
            } else if (event.type == MapNotify && event.xmap.event == root && !watched.window) {
                const auto found = candidates.find(event.xmap.window);
                if (found != candidates.end() && found->second.width > 1 &&
                    found->second.height > 1) {
                    watched = {found->first, found->second.width, found->second.height,
                               XCreateRegion()};
                    mapMs = at - start;
                }
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                if (watched.window && damage.drawable == watched.window) {
                    XRectangle area = damage.area;
                    XUnionRectWithRegion(&area, watched.drawn, watched.drawn);
                    if (XRectInRegion(watched.drawn, 0, 0, static_cast<unsigned>(watched.width),
                                      static_cast<unsigned>(watched.height)) == RectangleIn) {
                        frameMs = at - start;
                        frameCpuMs = cpuMs(pid);
                    }
                }
            }
        }
        if (frameMs >= 0) break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "first_frame_probe: %s ended before its first frame\n",
                         argv[first]);
            return 1;
        }
        if (nowMs() - start > timeoutSeconds * 1e3) {
            std::fprintf(stderr, "first_frame_probe: no first frame from %s in %g s\n", argv[first],
                         timeoutSeconds);
            endProgram(pid);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 20000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }

    // Stop watching so that the program's later drawing sends us nothing.
    for (const auto &[window, candidate] : candidates) XDamageDestroy(display, candidate.damage);
    XSelectInput(display, root, NoEventMask);
    XSync(display, True);

    std::printf("map_ms=%.1f frame_ms=%.1f cpu_ms=%.1f width=%d height=%d", mapMs, frameMs,
                frameCpuMs, watched.width, watched.height);
    if (holdSeconds > 0) {
        const double until = start + frameMs + holdSeconds * 1e3;
        while (nowMs() < until) usleep(static_cast<useconds_t>((until - nowMs()) * 1e3) + 1);
        std::printf(" rss_kib=%ld", residentKib(pid));
    }
    std::printf("\n");
    endProgram(pid);
    XDestroyRegion(watched.drawn);
    XCloseDisplay(display);
    return 0;
}
