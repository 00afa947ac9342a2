// Small X11 helper for the random-click test; there is no window manager
// under Xvfb, so the things a window manager would do are done here.
//   xprobe top PID         the topmost viewable window of process PID:
//                          "ID X Y WIDTH HEIGHT OVERRIDE TITLE" (OVERRIDE 1
//                          for menus and other popups); status 1 if none.
//   xprobe close ID        asks the window to close, as its close box does
//                          (WM_DELETE_WINDOW).
//   xprobe ping ID MS      sends _NET_WM_PING and waits up to MS ms for the
//                          program's answer; status 0 only if it answered,
//                          which shows its event loop is running.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

long cardinalProperty(Display* d, Window w, Atom prop, long fallback) {
    Atom type = None;
    int format = 0;
    unsigned long n = 0, after = 0;
    unsigned char* data = nullptr;
    long result = fallback;
    if (XGetWindowProperty(d, w, prop, 0, 1, False, AnyPropertyType, &type, &format, &n, &after, &data) ==
            Success &&
        data && n == 1 && format == 32)
        result = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return result;
}

bool isTooltip(Display* d, Window w) {
    const Atom type = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
    const Atom tooltip = XInternAtom(d, "_NET_WM_WINDOW_TYPE_TOOLTIP", False);
    return cardinalProperty(d, w, type, 0) == static_cast<long>(tooltip);
}

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

int top(Display* d, long pid) {
    Window root = DefaultRootWindow(d), parent = 0, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, root, &root, &parent, &children, &n)) return 1;
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    int status = 1;
    // Children come in stacking order, bottom first.
    for (unsigned i = n; i-- > 0;) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
        if (cardinalProperty(d, children[i], pidAtom, -1) != pid) continue;
        if (isTooltip(d, children[i])) continue;
        std::printf("%lu %d %d %d %d %d %s\n", children[i], a.x, a.y, a.width, a.height,
                    a.override_redirect ? 1 : 0, title(d, children[i]).c_str());
        status = 0;
        break;
    }
    if (children) XFree(children);
    return status;
}

void sendProtocol(Display* d, Window target, Window w, const char* protocol, long mask, long stamp) {
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, protocol, False));
    e.xclient.data.l[1] = stamp;
    e.xclient.data.l[2] = static_cast<long>(w);
    XSendEvent(d, target, False, mask, &e);
}

int ping(Display* d, Window w, int ms) {
    const Window root = DefaultRootWindow(d);
    // Qt sends the answer to the root for StructureNotify and
    // SubstructureRedirect; the latter belongs to a window manager.
    XSelectInput(d, root, StructureNotifyMask);
    const long stamp = 0x5a5a0000L + (std::rand() & 0xffff);
    sendProtocol(d, w, w, "_NET_WM_PING", NoEventMask, stamp);
    XFlush(d);
    const Atom pingAtom = XInternAtom(d, "_NET_WM_PING", False);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == ClientMessage && e.xclient.window == root &&
                e.xclient.data.l[0] == static_cast<long>(pingAtom) && e.xclient.data.l[1] == stamp &&
                e.xclient.data.l[2] == static_cast<long>(w))
                return 0;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) return 1;
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: xprobe top PID | close ID | ping ID MS\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "xprobe: no display\n");
        return 2;
    }
    // A window may vanish between the query and the use.
    XSetErrorHandler(ignoreErrors);
    const std::string cmd = argv[1];
    int status = 2;
    if (cmd == "top") {
        status = top(d, std::strtol(argv[2], nullptr, 10));
    } else if (cmd == "close") {
        sendProtocol(d, std::strtoul(argv[2], nullptr, 0), std::strtoul(argv[2], nullptr, 0), "WM_DELETE_WINDOW",
                     NoEventMask, CurrentTime);
        XSync(d, False);
        status = 0;
    } else if (cmd == "ping" && argc >= 4) {
        std::srand(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
        status = ping(d, std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]));
    }
    XCloseDisplay(d);
    return status;
}
