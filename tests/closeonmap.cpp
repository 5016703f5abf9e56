// closeonmap TITLE: waits until a top-level window titled TITLE is mapped on
// the X display, then at once asks it to close with WM_DELETE_WINDOW, as a
// window manager's close button does. Exits 0 once the request is sent, 1
// when no such window appears within 20 seconds.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool titled(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

// The window itself, or under a window manager the client inside its frame.
Window findTitled(Display *display, Window window, const char *title)
{
    if (titled(display, window, title))
        return window;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = findTitled(display, children[i], title);
    if (children)
        XFree(children);
    return found;
}

void askToClose(Display *display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: closeonmap TITLE\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "closeonmap: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const Window target
                = event.type == MapNotify ? findTitled(display, event.xmap.window, argv[1]) : Window(0);
            if (target) {
                askToClose(display, target);
                XCloseDisplay(display);
                return 0;
            }
        }
        // Cheap enough for a test: the next map arrives within milliseconds.
        struct timespec pause {
            0, 1000000
        };
        nanosleep(&pause, nullptr);
    }
    std::fprintf(stderr, "closeonmap: no window titled \"%s\" was mapped\n", argv[1]);
    XCloseDisplay(display);
    return 1;
}
