// The X driver's clipboard: the CLIPBOARD selection as other programs on the
// display use it. Text is offered as UTF8_STRING and STRING (and the names
// some programs ask for instead); text another program holds is read as
// UTF8_STRING or else STRING. Each format the program registered by name is
// offered as a target of that name, its bytes as they are, and read from
// another owner that offers it. Large data travel in pieces (INCR).
//
// Only this driver's files include this header: Xlib's macros (None, True,
// Bool ...) must not reach the rest of the platform.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include "platform/system/clipboard_shared.h"

namespace win::x11 {

// The name the program registers its rich text under; other programs find it
// as text/rtf and text/richtext as well.
inline constexpr const char* kRichTextName = "Rich Text Format";
// The name of the comma-separated table; other programs find it as text/csv
// (UTF-8) and, when the clipboard holds no text, as text with tabs between
// the cells.
inline constexpr const char* kCsvName = "Csv";

struct Atoms {
    Atom clipboard = 0;
    Atom targets = 0;
    Atom timestamp = 0;
    Atom multiple = 0;
    Atom atomPair = 0;
    Atom utf8 = 0;
    Atom text = 0;
    Atom textPlain = 0;
    Atom textPlainUtf8 = 0;
    Atom textRtf = 0;
    Atom textRichtext = 0;
    Atom textCsv = 0;
    Atom incr = 0;
    Atom saveTargets = 0;
    Atom clipboardManager = 0;
    Atom transfer = 0;  // our property for incoming selections
    Atom wmProtocols = 0;
    Atom wmDelete = 0;
    Atom wmState = 0;
    Atom netWmName = 0;
    Atom netWmIconName = 0;
    Atom netWmIcon = 0;
    Atom netWmPid = 0;
    Atom netWmState = 0;
    Atom netWmStateMaxVert = 0;
    Atom netWmStateMaxHorz = 0;
    Atom netWmWindowType = 0;
    Atom netWmWindowTypeNormal = 0;
    Atom netWmWindowTypeDialog = 0;
    Atom netActiveWindow = 0;
    Atom netSupportingWmCheck = 0;
    Atom motifWmHints = 0;

    void Load(Display* dpy);
};

// Ignores X protocol errors (a focus change racing an unmap, a requestor that
// went away): the display's default handler would end the program.
void InstallLenientErrorHandler();

// A server timestamp, read by touching a property of `window` (which must
// select PropertyChangeMask).
Time ServerTime(Display* dpy, ::Window window, const Atoms& atoms);

// Serves the CLIPBOARD selection from `window` while it owns it.
class SelectionServer {
  public:
    SelectionServer(Display* dpy, const Atoms& atoms, ::Window window)
        : dpy_(dpy), atoms_(atoms), window_(window) {}

    // Takes the clipboard with `utf8` as its text (`hasText` false: the
    // program's clipboard holds no text) and `named` under their names. False
    // when the server did not make us the owner.
    bool Own(const std::string& utf8, bool hasText,
             std::vector<win::detail::NamedClipboardData> named, Time time);
    // Empties the shared clipboard (whoever holds it).
    void Disown(Time time);
    [[nodiscard]] bool Owns() const { return owns_; }
    [[nodiscard]] bool HasText() const { return owns_ && hasText_; }
    [[nodiscard]] const std::string& Text() const { return text_; }
    [[nodiscard]] const std::vector<win::detail::NamedClipboardData>& Named() const {
        return named_;
    }
    // Whether other programs can take anything from us.
    [[nodiscard]] bool HasData() const { return owns_ && (hasText_ || !named_.empty()); }
    [[nodiscard]] ::Window Window() const { return window_; }

    // Events for the owner window; each returns true when it was one of ours.
    bool Handle(const XEvent& e);

  private:
    struct Transfer {
        ::Window requestor = 0;
        Atom property = 0;
        Atom type = 0;
        std::string data;
        std::size_t sent = 0;
    };

    // Stores the conversion of `target` in the requestor's property; false
    // when the target is not offered.
    bool Convert(::Window requestor, Atom target, Atom property);
    void Answer(const XSelectionRequestEvent& request);
    void Continue(const XPropertyEvent& e);
    [[nodiscard]] std::vector<Atom> Offered() const;
    [[nodiscard]] std::size_t ChunkBytes() const;

    Display* dpy_;
    Atoms atoms_;
    ::Window window_;
    bool owns_ = false;
    bool hasText_ = false;
    Time time_ = 0;
    std::string text_;
    std::vector<win::detail::NamedClipboardData> named_;
    std::vector<Atom> namedAtoms_;  // by named_ index
    int rtfIndex_ = -1;             // the rich text among named_, -1: none
    int csvIndex_ = -1;             // the comma-separated table among named_, -1: none
    std::vector<Transfer> transfers_;
};

// Reads the text of the clipboard's owner into `utf8`, asking from
// `requestor` (a window of ours selecting PropertyChangeMask). False when
// it offers no text or does not answer in time.
bool FetchClipboardText(Display* dpy, const Atoms& atoms, ::Window requestor, std::string* utf8);

// Reads, of the formats named in `names`, those the clipboard's owner offers.
void FetchClipboardNamed(Display* dpy, const Atoms& atoms, ::Window requestor,
                         const std::vector<std::string>& names,
                         std::vector<win::detail::NamedClipboardData>* found);

// At the end of a run, keeps the clipboard (text and named formats) alive for
// other programs:
// asks a running clipboard manager to take a copy (it reads the targets
// through `server`); without one, or when it refuses, starts a small process
// of ours on `displayName` that holds the clipboard until another program
// takes it. Returns once the text is safe (or could not be made so).
void KeepClipboardAfterExit(Display* dpy, const Atoms& atoms, SelectionServer& server,
                            const std::string& displayName);

}  // namespace win::x11
