// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// windowprobe [--close-after MS] TITLE PROGRAM [ARGS...]: starts PROGRAM,
// waits until a top-level window titled TITLE is mapped on the X display,
// MS milliseconds later (0 by default) asks it to close as a window manager
// would, and prints "<milliseconds to map> <peak KiB>" once the program has
// ended. Exits 1 when no such window appears within 30 seconds or the
// program does not end within 10 seconds of the request; it then asks once
// more and says whether that second request ended it. Exits 1 as well when
// another top-level window bears the same title.

#include <X11/Xlib.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

Window findTitled(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool same = std::strcmp(name, title) == 0;
        XFree(name);
        if (same)
            return window;
    }
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

// Top-level windows bearing the title: a client that closes "the window
// titled so" must not be able to pick one that ignores the request.
int countTitled(Display *display, const char *title)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    int titled = 0;
    for (unsigned int i = 0; i < count; ++i) {
        char *name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            titled += std::strcmp(name, title) == 0 ? 1 : 0;
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return titled;
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

bool waitForExit(pid_t child, Clock::time_point deadline, long &peakKiB)
{
    while (Clock::now() < deadline) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            peakKiB = usage.ru_maxrss;
            return true;
        }
        usleep(2000);
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    long closeAfterMs = 0;
    if (argc > 2 && std::strcmp(argv[1], "--close-after") == 0) {
        closeAfterMs = std::strtol(argv[2], nullptr, 10);
        argv += 2;
        argc -= 2;
    }
    if (argc < 3 || closeAfterMs < 0) {
        std::fprintf(stderr, "usage: windowprobe [--close-after MS] TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    // A display that has just seen a client go may refuse the next for a moment.
    Display *display = nullptr;
    for (int attempt = 0; attempt < 40 && !display; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (!display)
            usleep(50000);
    }
    if (!display) {
        std::fprintf(stderr, "windowprobe: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    // Blocks on the display's connection rather than polling it, and stamps
    // each map as it is read, before the round trips that find its title.
    Window window = 0;
    Clock::time_point mapped;
    const Clock::time_point giveUp = start + std::chrono::seconds(30);
    while (!window && Clock::now() < giveUp) {
        if (!XPending(display)) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            const Clock::time_point seen = Clock::now();
            window = findTitled(display, event.xmap.window, argv[1]);
            mapped = seen;
        }
    }
    long peakKiB = 0;
    if (!window) {
        kill(child, SIGKILL);
        waitForExit(child, Clock::now() + std::chrono::seconds(5), peakKiB);
        std::fprintf(stderr, "windowprobe: %s showed no window titled \"%s\"\n", argv[2], argv[1]);
        XCloseDisplay(display);
        return 1;
    }
    const int titled = countTitled(display, argv[1]);
    std::this_thread::sleep_until(mapped + std::chrono::milliseconds(closeAfterMs));
    const Clock::time_point asked = Clock::now();
    askToClose(display, window);
    if (!waitForExit(child, Clock::now() + std::chrono::seconds(10), peakKiB)) {
        askToClose(display, window);
        const bool second = waitForExit(child, Clock::now() + std::chrono::seconds(5), peakKiB);
        if (!second) {
            kill(child, SIGKILL);
            waitForExit(child, Clock::now() + std::chrono::seconds(5), peakKiB);
        }
        // In seconds of the monotonic clock, as Qt's %{time boot} gives them.
        const auto since
            = [](Clock::time_point t) { return std::chrono::duration<double>(t.time_since_epoch()).count(); };
        std::fprintf(
            stderr,
            "windowprobe: %s did not end when asked to close %ld ms after its map (mapped at %.3f s, "
            "asked at %.3f s); %s\n",
            argv[2], closeAfterMs, since(mapped), since(asked),
            second ? "a second request ended it" : "nor when asked again");
        XCloseDisplay(display);
        return 1;
    }
    if (titled != 1) {
        std::fprintf(stderr, "windowprobe: %d top-level windows are titled \"%s\", not one\n", titled,
                     argv[1]);
        XCloseDisplay(display);
        return 1;
    }
    const auto ms = std::chrono::duration<double, std::milli>(mapped - start).count();
    std::printf("%.1f %ld\n", ms, peakKiB);
    XCloseDisplay(display);
    return 0;
}
