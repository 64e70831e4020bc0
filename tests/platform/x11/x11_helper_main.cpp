// Two small X clients for the display test.
//
//   tarvex-x11-helper manager FILE   a minimal clipboard manager: it holds the
//     CLIPBOARD_MANAGER selection; asked to SAVE_TARGETS, it reads the clipboard
//     owner's UTF8_STRING, writes it to FILE, answers the request and then
//     serves the text itself as the new owner of the clipboard. It ends when
//     another program takes the clipboard from it, or after twenty minutes (a bound on a
//     test that left it running).
//   tarvex-x11-helper close WINDOW   asks the window to close as a window
//     manager's close box does (WM_DELETE_WINDOW).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

Display* dpy = nullptr;
Window self = 0;
Atom clipboard, manager, saveTargets, utf8, targets, property;

bool NextEvent(XEvent* e, std::chrono::steady_clock::time_point end) {
    while (XPending(dpy) == 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        end - std::chrono::steady_clock::now())
                        .count();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
    XNextEvent(dpy, e);
    return true;
}

// Reads the clipboard owner's text; empty when it gives none.
std::string ReadClipboard(std::chrono::steady_clock::time_point end) {
    XConvertSelection(dpy, clipboard, utf8, property, self, CurrentTime);
    XEvent e;
    while (NextEvent(&e, end)) {
        if (e.type != SelectionNotify || e.xselection.selection != clipboard) continue;
        if (e.xselection.property == 0) return "";
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        std::string text;
        if (XGetWindowProperty(dpy, self, property, 0, LONG_MAX / 4, 1, AnyPropertyType, &type,
                               &format, &count, &after, &data) == Success &&
            data != nullptr && format == 8)
            text.assign(reinterpret_cast<char*>(data), count);
        if (data != nullptr) XFree(data);
        return text;
    }
    return "";
}

void Reply(const XSelectionRequestEvent& r, Atom property) {
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = r.requestor;
    reply.xselection.selection = r.selection;
    reply.xselection.target = r.target;
    reply.xselection.property = property;
    reply.xselection.time = r.time;
    XSendEvent(dpy, r.requestor, 0, 0, &reply);
    XFlush(dpy);
}

}  // namespace

int Close(const char* window) {
    Window w = static_cast<Window>(std::strtoul(window, nullptr, 0));
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", 0);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", 0));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, 0, 0, &e);
    XSync(dpy, 0);
    XCloseDisplay(dpy);
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) return 2;
    if (std::string(argv[1]) == "close") return Close(argv[2]);
    if (std::string(argv[1]) != "manager") return 2;
    self = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
    clipboard = XInternAtom(dpy, "CLIPBOARD", 0);
    manager = XInternAtom(dpy, "CLIPBOARD_MANAGER", 0);
    saveTargets = XInternAtom(dpy, "SAVE_TARGETS", 0);
    utf8 = XInternAtom(dpy, "UTF8_STRING", 0);
    targets = XInternAtom(dpy, "TARGETS", 0);
    property = XInternAtom(dpy, "MANAGER_COPY", 0);
    XSetSelectionOwner(dpy, manager, self, CurrentTime);
    if (XGetSelectionOwner(dpy, manager) != self) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(20);
    std::string saved;
    bool owning = false;
    XEvent e;
    while (NextEvent(&e, end)) {
        if (e.type == SelectionClear && e.xselectionclear.selection == clipboard && owning) break;
        if (e.type != SelectionRequest) continue;
        const XSelectionRequestEvent& r = e.xselectionrequest;
        if (r.selection == manager && r.target == saveTargets) {
            saved = ReadClipboard(end);
            if (FILE* f = std::fopen(argv[2], "wb")) {
                std::fwrite(saved.data(), 1, saved.size(), f);
                std::fclose(f);
            }
            XSetSelectionOwner(dpy, clipboard, self, CurrentTime);
            owning = XGetSelectionOwner(dpy, clipboard) == self;
            Reply(r, r.property != 0 ? r.property : r.target);
        } else if (r.selection == clipboard && owning && r.target == utf8) {
            XChangeProperty(dpy, r.requestor, r.property, utf8, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(saved.data()),
                            static_cast<int>(saved.size()));
            Reply(r, r.property);
        } else if (r.selection == clipboard && owning && r.target == targets) {
            long list[2] = {static_cast<long>(targets), static_cast<long>(utf8)};
            XChangeProperty(dpy, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(list), 2);
            Reply(r, r.property);
        } else {
            Reply(r, 0);
        }
    }
    XCloseDisplay(dpy);
    return 0;
}
