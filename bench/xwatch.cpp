// X event watcher for the benchmark: times how long a program takes to put
// a window on screen, from events the X server sends (no polling).
//   xwatch start MS_LIMIT CMD ARGS...
//       starts CMD and prints "PID MS": the milliseconds from the start
//       to the first top-level window mapped by anyone (the display is the
//       benchmark's own). CMD keeps running.
//   xwatch click MS_LIMIT TITLE X Y
//       clicks the left button at X,Y (through XTest, as xdotool does) and
//       prints the milliseconds from the button's release to the mapping
//       of a window titled TITLE.
// Status 1 when the window did not come within MS_LIMIT.

#include <X11/Xlib.h>
#include <dlfcn.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

std::string title(Display* d, Window w) {
    Atom type = None;
    int format = 0;
    unsigned long n = 0, after = 0;
    unsigned char* data = nullptr;
    std::string result;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 256, False,
                           XInternAtom(d, "UTF8_STRING", False), &type, &format, &n, &after, &data) == Success &&
        data && format == 8)
        result.assign(reinterpret_cast<char*>(data), n);
    if (data) XFree(data);
    return result;
}

// Waits for a MapNotify of a child of the root (a top-level window without
// a window manager) whose title is `want` (any title when empty).
bool waitMap(Display* d, const std::string& want, Clock::time_point deadline, Clock::time_point* when) {
    const Window root = DefaultRootWindow(d);
    for (;;) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != MapNotify || e.xmap.event != root || e.xmap.override_redirect) continue;
            const auto t = Clock::now();
            if (!want.empty() && title(d, e.xmap.window) != want) continue;
            *when = t;
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left));
    }
}

double ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: xwatch start MS CMD... | xwatch click MS TITLE X Y\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "xwatch: no display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    const std::string cmd = argv[1];
    const int limit = std::atoi(argv[2]);

    if (cmd == "start") {
        const auto t0 = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execvp(argv[3], argv + 3);
            _exit(127);
        }
        Clock::time_point shown;
        if (!waitMap(d, "", t0 + std::chrono::milliseconds(limit), &shown)) {
            std::printf("%d -1\n", pid);
            return 1;
        }
        std::printf("%d %.2f\n", pid, ms(t0, shown));
        return 0;
    }
    if (cmd == "click" && argc >= 6) {
        const std::string want = argv[3];
        std::string x = argv[4], y = argv[5];
        // The XTest extension's client library is there wherever xdotool
        // is; it is loaded at run time as no headers are needed for it.
        void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
        auto motion = xtst ? reinterpret_cast<int (*)(Display*, int, int, int, unsigned long)>(
                                 dlsym(xtst, "XTestFakeMotionEvent"))
                           : nullptr;
        auto button = xtst ? reinterpret_cast<int (*)(Display*, unsigned, Bool, unsigned long)>(
                                 dlsym(xtst, "XTestFakeButtonEvent"))
                           : nullptr;
        if (!motion || !button) {
            std::fprintf(stderr, "xwatch: no XTest (libXtst.so.6)\n");
            return 2;
        }
        motion(d, -1, std::atoi(x.c_str()), std::atoi(y.c_str()), CurrentTime);
        button(d, 1, True, CurrentTime);
        XSync(d, False);
        usleep(30000);
        // A button acts on its release: the time runs from the moment the
        // server has taken it. Map events meanwhile stay queued for waitMap.
        button(d, 1, False, CurrentTime);
        XSync(d, False);
        const auto t0 = Clock::now();
        Clock::time_point shown;
        if (!waitMap(d, want, t0 + std::chrono::milliseconds(limit), &shown)) {
            std::printf("-1\n");
            return 1;
        }
        std::printf("%.2f\n", ms(t0, shown));
        return 0;
    }
    return 2;
}
