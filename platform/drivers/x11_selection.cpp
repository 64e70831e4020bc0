// The CLIPBOARD selection: serving our text to other programs, reading
// theirs, and keeping ours alive after the program ends.
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstring>

#include "platform/gdi/gdi_types.h"
#include "platform/text/font_codepages.h"
#include "platform/window/window_internal.h"

// Xlib comes last: its macros (None, True, Bool ...) must not reach our headers.
#include "platform/drivers/x11_selection.h"

namespace win::x11 {
namespace {

constexpr int kAnswerMilliseconds = 1500;
constexpr int kManagerMilliseconds = 3000;
constexpr std::size_t kMostTextBytes = 64u << 20;  // a paste larger than this is refused

int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

using Clock = std::chrono::steady_clock;

// Waits up to `milliseconds` for an event that `accept` takes (other events
// stay queued for the caller).
template <typename Accept>
bool WaitFor(Display* dpy, XEvent* out, int milliseconds, Accept accept) {
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    struct Context {
        Accept* accept;
    } context{&accept};
    auto predicate = [](Display*, XEvent* e, XPointer arg) -> int {
        return (*reinterpret_cast<Context*>(arg)->accept)(*e) ? 1 : 0;
    };
    for (;;) {
        if (XCheckIfEvent(dpy, out, predicate, reinterpret_cast<XPointer>(&context))) return true;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

std::string Latin1(const std::string& utf8) {
    std::string out;
    for (char32_t c : DecodeUtf8(utf8)) out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    return out;
}

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string out;
    for (char c : latin1) AppendUtf8(static_cast<unsigned char>(c), &out);
    return out;
}

// Reads and deletes a property; false when it is missing or of another format.
bool TakeProperty(Display* dpy, ::Window w, Atom property, Atom* type, std::string* bytes) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, property, 0, LONG_MAX / 4, 1, AnyPropertyType, &actualType,
                           &format, &count, &after, &data) != Success) {
        return false;
    }
    *type = actualType;
    bool ok = actualType != 0;
    bytes->clear();
    // Text comes in 8-bit items; INCR announces a size in a 32-bit one.
    if (ok && format == 8 && data != nullptr) bytes->assign(reinterpret_cast<char*>(data), count);
    if (data != nullptr) XFree(data);
    return ok;
}

// One conversion of the clipboard to `target`; false when refused or late.
bool FetchTarget(Display* dpy, const Atoms& atoms, ::Window requestor, Atom target,
                 std::string* bytes) {
    XDeleteProperty(dpy, requestor, atoms.transfer);
    XConvertSelection(dpy, atoms.clipboard, target, atoms.transfer, requestor, CurrentTime);
    XEvent e;
    if (!WaitFor(dpy, &e, kAnswerMilliseconds, [&](const XEvent& x) {
            return x.type == SelectionNotify && x.xselection.requestor == requestor &&
                   x.xselection.selection == atoms.clipboard;
        })) {
        return false;
    }
    if (e.xselection.property == 0) return false;
    Atom type = 0;
    if (!TakeProperty(dpy, requestor, atoms.transfer, &type, bytes)) return false;
    if (type != atoms.incr) return true;
    // Pieces follow, each a new value of the property; an empty one ends them.
    bytes->clear();
    for (;;) {
        if (!WaitFor(dpy, &e, kAnswerMilliseconds, [&](const XEvent& x) {
                return x.type == PropertyNotify && x.xproperty.window == requestor &&
                       x.xproperty.atom == atoms.transfer && x.xproperty.state == PropertyNewValue;
            })) {
            return false;
        }
        std::string piece;
        if (!TakeProperty(dpy, requestor, atoms.transfer, &type, &piece)) return false;
        if (piece.empty()) return true;
        if (bytes->size() + piece.size() > kMostTextBytes) return false;
        bytes->append(piece);
    }
}

// The owner's TARGETS: a list of 32-bit atoms.
bool FetchAtomList(Display* dpy, const Atoms& atoms, ::Window requestor, std::vector<Atom>* out) {
    XDeleteProperty(dpy, requestor, atoms.transfer);
    XConvertSelection(dpy, atoms.clipboard, atoms.targets, atoms.transfer, requestor, CurrentTime);
    XEvent e;
    if (!WaitFor(dpy, &e, kAnswerMilliseconds, [&](const XEvent& x) {
            return x.type == SelectionNotify && x.xselection.requestor == requestor &&
                   x.xselection.selection == atoms.clipboard;
        })) {
        return false;
    }
    if (e.xselection.property == 0) return false;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool ok = XGetWindowProperty(dpy, requestor, atoms.transfer, 0, 4096, 1, AnyPropertyType,
                                       &type, &format, &count, &after, &data) == Success &&
                    format == 32 && data != nullptr;
    if (ok) {
        const auto* list = reinterpret_cast<const long*>(data);
        for (unsigned long i = 0; i < count; ++i) out->push_back(static_cast<Atom>(list[i]));
    }
    if (data != nullptr) XFree(data);
    return ok;
}

[[noreturn]] void ServeUntilTaken(const std::string& displayName, const std::string& text,
                                  bool hasText,
                                  const std::vector<win::detail::NamedClipboardData>& named,
                                  int readyFd) {
    Display* dpy = XOpenDisplay(displayName.c_str());
    if (dpy == nullptr) _exit(1);
    XSetIOErrorHandler([](Display*) -> int { _exit(0); });
    Atoms atoms;
    atoms.Load(dpy);
    ::Window w = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(dpy, w, PropertyChangeMask);
    XStoreName(dpy, w, "tarvex clipboard");
    XClassHint hint;
    char instance[] = "tarvex-clipboard";
    char className[] = "TarvexClipboard";
    hint.res_name = instance;
    hint.res_class = className;
    XSetClassHint(dpy, w, &hint);
    long pid = getpid();
    XChangeProperty(dpy, w, atoms.netWmPid, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
    SelectionServer server(dpy, atoms, w);
    bool owned = server.Own(text, hasText, named, ServerTime(dpy, w, atoms));
    char ready = owned ? 1 : 0;
    if (write(readyFd, &ready, 1) < 0) {
        // The program is gone already; serving goes on all the same.
    }
    close(readyFd);
    while (server.Owns()) {
        XEvent e;
        XNextEvent(dpy, &e);
        server.Handle(e);
    }
    // Let pieces already promised finish arriving (the taker reads them at once).
    XSync(dpy, 0);
    _exit(0);
}

// Starts the serving process, detached from ours (its own session, no
// inherited files), and waits until it holds the clipboard.
void StartServingProcess(const std::string& displayName, const std::string& text, bool hasText,
                         const std::vector<win::detail::NamedClipboardData>& named) {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_t child = fork();
    if (child < 0) {
        close(ready[0]);
        close(ready[1]);
        return;
    }
    if (child == 0) {
        if (fork() != 0) _exit(0);  // the grandchild is adopted by init
        setsid();
        signal(SIGPIPE, SIG_IGN);
        signal(SIGINT, SIG_IGN);
        signal(SIGHUP, SIG_IGN);
        if (dup2(ready[1], 3) < 0) _exit(1);
        if (close_range(4, ~0U, 0) != 0) {
            for (int fd = 4; fd < 1024; ++fd) close(fd);
        }
        int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
            if (null > 3) close(null);
        }
        if (chdir("/") != 0) _exit(1);
        ServeUntilTaken(displayName, text, hasText, named, 3);
    }
    close(ready[1]);
    int status = 0;
    waitpid(child, &status, 0);
    pollfd fd{ready[0], POLLIN, 0};
    if (poll(&fd, 1, kManagerMilliseconds) > 0) {
        char ok = 0;
        if (read(ready[0], &ok, 1) < 0) ok = 0;
    }
    close(ready[0]);
}

}  // namespace

void Atoms::Load(Display* dpy) {
    auto a = [dpy](const char* name) { return XInternAtom(dpy, name, 0); };
    clipboard = a("CLIPBOARD");
    targets = a("TARGETS");
    timestamp = a("TIMESTAMP");
    multiple = a("MULTIPLE");
    atomPair = a("ATOM_PAIR");
    utf8 = a("UTF8_STRING");
    text = a("TEXT");
    textPlain = a("text/plain");
    textPlainUtf8 = a("text/plain;charset=utf-8");
    textRtf = a("text/rtf");
    textRichtext = a("text/richtext");
    textCsv = a("text/csv");
    incr = a("INCR");
    saveTargets = a("SAVE_TARGETS");
    clipboardManager = a("CLIPBOARD_MANAGER");
    transfer = a("TARVEX_SELECTION");
    wmProtocols = a("WM_PROTOCOLS");
    wmDelete = a("WM_DELETE_WINDOW");
    wmState = a("WM_STATE");
    netWmName = a("_NET_WM_NAME");
    netWmIconName = a("_NET_WM_ICON_NAME");
    netWmIcon = a("_NET_WM_ICON");
    netWmPid = a("_NET_WM_PID");
    netWmState = a("_NET_WM_STATE");
    netWmStateMaxVert = a("_NET_WM_STATE_MAXIMIZED_VERT");
    netWmStateMaxHorz = a("_NET_WM_STATE_MAXIMIZED_HORZ");
    netWmWindowType = a("_NET_WM_WINDOW_TYPE");
    netWmWindowTypeNormal = a("_NET_WM_WINDOW_TYPE_NORMAL");
    netWmWindowTypeDialog = a("_NET_WM_WINDOW_TYPE_DIALOG");
    netActiveWindow = a("_NET_ACTIVE_WINDOW");
    netSupportingWmCheck = a("_NET_SUPPORTING_WM_CHECK");
    motifWmHints = a("_MOTIF_WM_HINTS");
}

void InstallLenientErrorHandler() {
    XSetErrorHandler(&IgnoreError);
}

Time ServerTime(Display* dpy, ::Window window, const Atoms& atoms) {
    XChangeProperty(dpy, window, atoms.timestamp, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent e;
    if (WaitFor(dpy, &e, kAnswerMilliseconds, [&](const XEvent& x) {
            return x.type == PropertyNotify && x.xproperty.window == window &&
                   x.xproperty.atom == atoms.timestamp;
        })) {
        return e.xproperty.time;
    }
    return CurrentTime;
}

bool SelectionServer::Own(const std::string& utf8, bool hasText,
                          std::vector<win::detail::NamedClipboardData> named, Time time) {
    text_ = hasText ? utf8 : std::string();
    hasText_ = hasText;
    named_ = std::move(named);
    namedAtoms_.clear();
    rtfIndex_ = -1;
    csvIndex_ = -1;
    for (const auto& d : named_) {
        if (win::detail::EqualsNoCase(d.name, kRichTextName))
            rtfIndex_ = static_cast<int>(namedAtoms_.size());
        if (win::detail::EqualsNoCase(d.name, kCsvName))
            csvIndex_ = static_cast<int>(namedAtoms_.size());
        namedAtoms_.push_back(XInternAtom(dpy_, d.name.c_str(), 0));
    }
    time_ = time;
    XSetSelectionOwner(dpy_, atoms_.clipboard, window_, time);
    owns_ = XGetSelectionOwner(dpy_, atoms_.clipboard) == window_;
    return owns_;
}

void SelectionServer::Disown(Time time) {
    XSetSelectionOwner(dpy_, atoms_.clipboard, 0, time);
    owns_ = false;
    hasText_ = false;
    text_.clear();
    named_.clear();
    namedAtoms_.clear();
    rtfIndex_ = -1;
    csvIndex_ = -1;
}

std::vector<Atom> SelectionServer::Offered() const {
    std::vector<Atom> atoms{atoms_.targets, atoms_.timestamp, atoms_.multiple};
    if (hasText_) {
        for (Atom a : {atoms_.utf8, XA_STRING, atoms_.text, atoms_.textPlainUtf8, atoms_.textPlain,
                       atoms_.saveTargets})
            atoms.push_back(a);
    }
    for (Atom a : namedAtoms_) atoms.push_back(a);
    if (rtfIndex_ >= 0) {
        atoms.push_back(atoms_.textRtf);
        atoms.push_back(atoms_.textRichtext);
    }
    if (csvIndex_ >= 0) atoms.push_back(atoms_.textCsv);
    return atoms;
}

std::size_t SelectionServer::ChunkBytes() const {
    long most = XExtendedMaxRequestSize(dpy_);
    if (most == 0) most = XMaxRequestSize(dpy_);
    return static_cast<std::size_t>(std::clamp(most * 4 - 1024, 4096L, 256L * 1024));
}

bool SelectionServer::Convert(::Window requestor, Atom target, Atom property) {
    if (target == atoms_.targets) {
        std::vector<long> list;
        for (Atom a : Offered()) list.push_back(static_cast<long>(a));
        XChangeProperty(dpy_, requestor, property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(list.data()),
                        static_cast<int>(list.size()));
        return true;
    }
    if (target == atoms_.timestamp) {
        long t = static_cast<long>(time_);
        XChangeProperty(dpy_, requestor, property, XA_INTEGER, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&t), 1);
        return true;
    }
    if (target == atoms_.saveTargets) {
        // Asked of a manager, never of us; answer with nothing.
        XChangeProperty(dpy_, requestor, property, XA_ATOM, 32, PropModeReplace, nullptr, 0);
        return true;
    }
    Atom type = 0;
    std::string data;
    const auto named = std::find(namedAtoms_.begin(), namedAtoms_.end(), target);
    if (named != namedAtoms_.end()) {
        type = target;
        data = named_[static_cast<std::size_t>(named - namedAtoms_.begin())].bytes;
    } else if (rtfIndex_ >= 0 && (target == atoms_.textRtf || target == atoms_.textRichtext)) {
        // Word processors take the document without the block's closing NUL.
        type = target;
        data = named_[static_cast<std::size_t>(rtfIndex_)].bytes;
        while (!data.empty() && data.back() == '\0') data.pop_back();
    } else if (csvIndex_ >= 0 && target == atoms_.textCsv) {
        type = target;
        const std::string& csv = named_[static_cast<std::size_t>(csvIndex_)].bytes;
        data = win::detail::TextForOthers(std::string_view(csv.data(), std::min(csv.find('\0'), csv.size())),
                                          ANSI_CHARSET);
    } else if (!hasText_) {
        return false;
    } else if (target == atoms_.utf8 || target == atoms_.textPlainUtf8 || target == atoms_.text) {
        type = target == atoms_.text ? atoms_.utf8 : target;
        data = text_;
    } else if (target == XA_STRING || target == atoms_.textPlain) {
        type = target;
        data = Latin1(text_);
    } else {
        return false;
    }
    if (data.size() > ChunkBytes()) {
        XSelectInput(dpy_, requestor, PropertyChangeMask);
        long size = static_cast<long>(data.size());
        XChangeProperty(dpy_, requestor, property, atoms_.incr, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&size), 1);
        transfers_.push_back(Transfer{requestor, property, type, std::move(data), 0});
        return true;
    }
    XChangeProperty(dpy_, requestor, property, type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
    return true;
}

void SelectionServer::Answer(const XSelectionRequestEvent& request) {
    Atom property = request.property != 0 ? request.property : request.target;
    bool ok = owns_ && request.selection == atoms_.clipboard &&
              (request.time == CurrentTime || request.time >= time_);
    if (ok && request.target == atoms_.multiple) {
        // A list of (target, property) pairs; a pair that fails gets None.
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        ok = request.property != 0 &&
             XGetWindowProperty(dpy_, request.requestor, property, 0, 1024, 0, atoms_.atomPair,
                                &type, &format, &count, &after, &data) == Success &&
             format == 32;
        if (ok && data != nullptr) {
            auto* pairs = reinterpret_cast<long*>(data);
            for (unsigned long i = 0; i + 1 < count; i += 2) {
                if (!Convert(request.requestor, static_cast<Atom>(pairs[i]),
                             static_cast<Atom>(pairs[i + 1])))
                    pairs[i + 1] = 0;
            }
            XChangeProperty(dpy_, request.requestor, property, atoms_.atomPair, 32, PropModeReplace,
                            data, static_cast<int>(count));
        }
        if (data != nullptr) XFree(data);
    } else if (ok) {
        ok = Convert(request.requestor, request.target, property);
    }
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = dpy_;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.property = ok ? property : 0;
    reply.xselection.time = request.time;
    XSendEvent(dpy_, request.requestor, 0, 0, &reply);
    XFlush(dpy_);
}

void SelectionServer::Continue(const XPropertyEvent& e) {
    for (auto it = transfers_.begin(); it != transfers_.end(); ++it) {
        if (it->requestor != e.window || it->property != e.atom) continue;
        std::size_t n = std::min(ChunkBytes(), it->data.size() - it->sent);
        XChangeProperty(dpy_, it->requestor, it->property, it->type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(it->data.data() + it->sent),
                        static_cast<int>(n));
        it->sent += n;
        if (n == 0) transfers_.erase(it);  // the empty piece ends the transfer
        XFlush(dpy_);
        return;
    }
}

bool SelectionServer::Handle(const XEvent& e) {
    switch (e.type) {
        case SelectionClear:
            if (e.xselectionclear.window != window_ ||
                e.xselectionclear.selection != atoms_.clipboard)
                return false;
            owns_ = false;
            return true;
        case SelectionRequest:
            if (e.xselectionrequest.owner != window_) return false;
            Answer(e.xselectionrequest);
            return true;
        case PropertyNotify:
            if (e.xproperty.state != PropertyDelete) return false;
            for (const Transfer& t : transfers_) {
                if (t.requestor == e.xproperty.window && t.property == e.xproperty.atom) {
                    Continue(e.xproperty);
                    return true;
                }
            }
            return false;
        default:
            return false;
    }
}

bool FetchClipboardText(Display* dpy, const Atoms& atoms, ::Window requestor, std::string* utf8) {
    std::string bytes;
    if (FetchTarget(dpy, atoms, requestor, atoms.utf8, &bytes)) {
        *utf8 = bytes;
        return true;
    }
    if (FetchTarget(dpy, atoms, requestor, XA_STRING, &bytes)) {
        *utf8 = Latin1ToUtf8(bytes);
        return true;
    }
    return false;
}

void FetchClipboardNamed(Display* dpy, const Atoms& atoms, ::Window requestor,
                         const std::vector<std::string>& names,
                         std::vector<win::detail::NamedClipboardData>* found) {
    std::vector<Atom> offered;
    if (!FetchAtomList(dpy, atoms, requestor, &offered)) return;
    for (const std::string& name : names) {
        const Atom atom = XInternAtom(dpy, name.c_str(), 1);  // only an atom that exists
        if (atom == 0 || std::find(offered.begin(), offered.end(), atom) == offered.end()) continue;
        std::string bytes;
        if (FetchTarget(dpy, atoms, requestor, atom, &bytes))
            found->push_back(win::detail::NamedClipboardData{name, std::move(bytes)});
    }
}

void KeepClipboardAfterExit(Display* dpy, const Atoms& atoms, SelectionServer& server,
                            const std::string& displayName) {
    if (!server.HasData()) return;
    if (XGetSelectionOwner(dpy, atoms.clipboardManager) != 0) {
        XConvertSelection(dpy, atoms.clipboardManager, atoms.saveTargets, atoms.transfer,
                          server.Window(), CurrentTime);
        XFlush(dpy);
        const auto end = Clock::now() + std::chrono::milliseconds(kManagerMilliseconds);
        for (;;) {
            // Meanwhile the manager reads our targets: answer it.
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            XEvent e;
            if (left <= 0 ||
                !WaitFor(dpy, &e, static_cast<int>(left), [](const XEvent&) { return true; })) {
                break;
            }
            if (e.type == SelectionNotify && e.xselection.selection == atoms.clipboardManager) {
                if (e.xselection.property != 0) return;  // the manager keeps it now
                break;
            }
            server.Handle(e);
        }
    }
    if (server.Owns())
        StartServingProcess(displayName, server.Text(), server.HasText(), server.Named());
}

}  // namespace win::x11
