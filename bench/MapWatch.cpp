// Starts a program and prints the milliseconds from its start until the X server maps
// a top-level window whose title contains a given text; then ends the program.
// Usage: zelk_map_watch TITLE PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The raw bytes of a title property (UTF-8 or Latin-1 alike: the wanted text is ASCII).
std::string Property(Display* display, Window window, const char* name) {
    const Atom atom = XInternAtom(display, name, False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display, window, atom, 0, 1024, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        if (format == 8) {
            value.assign(reinterpret_cast<const char*>(data), count);
        }
        XFree(data);
    }
    return value;
}

std::string WindowTitle(Display* display, Window window) {
    const std::string title = Property(display, window, "_NET_WM_NAME");
    return title.empty() ? Property(display, window, "WM_NAME") : title;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const std::string wanted = argv[1];
    int result = 1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) {
            continue;
        }
        // Without a window manager a top-level window is mapped as a child of the root.
        const std::string title = WindowTitle(display, event.xmap.window);
        if (title.find(wanted) == std::string::npos) {
            continue;
        }
        const auto mapped = std::chrono::steady_clock::now();
        std::printf("%.1f\n", std::chrono::duration<double, std::milli>(mapped - start).count());
        result = 0;
        break;
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
