// SPDX-License-Identifier: MIT
// Writes one line with a top-level window's title every time such a window is mapped on the
// X server named by DISPLAY, as it happens, until it is ended. A benchmark driving a game
// with xdotool reads it to learn that a window came up, even one that is gone again before
// anything could have looked for it.
//
// Usage: window_map_log
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

namespace {

int ignoreXError(Display *, XErrorEvent *) {
    return 0;
}

}  // namespace

int main() {
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_map_log: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root) continue;
        XTextProperty title{};
        if (XGetWMName(display, event.xmap.window, &title) && title.value) {
            std::printf("%.*s\n", static_cast<int>(title.nitems),
                        reinterpret_cast<const char *>(title.value));
            XFree(title.value);
        } else {
            std::printf("\n");
        }
    }
}
