// Scripts of user actions for headless runs: a text file, one action a line;
// lines starting with '#' are comments.
//
//   menu ID [CLASS]                  menu command ID to the main window (or the
//                                    window of that class)
//   answer yes|no|ok|cancel [TEXT]   answers the next message box whose text
//                                    starts with TEXT (any box without TEXT)
//   file PATH | file cancel          answers the next file dialog
//   dialog ID set CONTROL TEXT       for the next modal dialog of template ID:
//   dialog ID check CONTROL          type TEXT into a control, check a box,
//   dialog ID press CONTROL          press a button (in the order written)
//   dialog ID select CONTROL INDEX|TEXT [dblclick]   pick a list row by number
//                                    or by its starting text
//   dialog ID dump                   write the dialog's controls into the log
//   dialog ID click|dblclick CONTROL [X Y], type CONTROL TEXT, key CONTROL KEYS,
//   dialog ID scroll CONTROL up|down|left|right [N], thumb CONTROL POS,
//   dialog ID read CONTROL, snap PATH, next
//   dialog ID do LINE                runs the script line LINE (any verb but
//                                    dialog) while the dialog is open
//   key CLASS KEYS                   keys to the window of that class
//   click CLASS X Y [right], dblclick CLASS X Y   mouse at a client point
//   scroll CLASS up|down|left|right|pageup|pagedown [N], scroll CLASS thumb v|h POS
//   wheel CLASS N                    the mouse wheel over the window
//   menustate [CLASS]                the window's menu into the log
//   windows                          the top-level windows into the log
//   clipboard list | save FORMAT PATH | text TEXT | load FORMAT PATH | empty
//   snap CLASS PATH                  saves the picture of the window of that
//                                    class as a PPM file
//   drag CLASS DX DY                 drags the window by its body
//   rclick CLASS COLUMN LINE         right-clicks a character cell of a page
//   close CLASS                      the window's close box
//   where CLASS                      logs the window's rectangle
//   text CLASS PATH                  saves the plain text a page shows
//   printer NAME [portrait|landscape] answers the next print or set-up dialog
//   printer cancel                   cancels the next print or set-up dialog
//   printer stop N                   Cancel in the cancel dialog once page N
//                                    of the document has ended
#pragma once

#include <string>
#include <vector>

struct ScriptAction {
    enum class Verb {
        kMenu,
        kAnswer,
        kFile,
        kDialog,
        kSnap,
        kDrag,
        kRightClick,
        kClose,
        kWhere,
        kText,
        kPrinter,
        kKey,
        kClick,
        kDoubleClick,
        kScroll,
        kWheel,
        kMenuState,
        kWindows,
        kClipboard
    };
    enum class DialogStep {
        kSet,
        kCheck,
        kPress,
        kSelect,
        kDump,
        kClick,
        kDoubleClick,
        kType,
        kKey,
        kScroll,
        kThumb,
        kRead,
        kSnap,
        kNext,
        kDo
    };
    enum class ClipboardOp { kList, kSave, kText, kLoad, kEmpty, kHold, kRelease };
    enum class PrinterStep { kChoose, kCancel, kStop };
    Verb verb = Verb::kMenu;
    int line = 0;     // line number in the file, for messages
    int number = 0;   // menu id, answer button id, dialog template id, DX or COLUMN
    int control = 0;  // dialog control id, DY or LINE
    DialogStep step = DialogStep::kSet;
    PrinterStep printer = PrinterStep::kChoose;  // number: the page of stop
    int orientation = 0;  // printer NAME [portrait|landscape]: 0 as shown, 1 portrait, 2 landscape
    bool cancel = false;  // file cancel
    std::string text;     // answer TEXT, file PATH, dialog TEXT, snap or text PATH
    std::string className;  // the window of snap and the page verbs
    // click and dblclick: the point given (a dialog control's centre otherwise);
    // rclick of a window; select by row number; scroll thumb of the vertical bar.
    int x = 0;
    int y = 0;
    bool hasPoint = false;
    bool right = false;
    bool byIndex = false;
    bool doubleClick = false;
    bool vertical = true;
    ClipboardOp clipboard = ClipboardOp::kList;
    std::string path;  // clipboard save and load
};

// Parses the whole script. False with `error` naming the line for a line that
// is not one of the actions above.
[[nodiscard]] bool ParseScript(const std::string& source, std::vector<ScriptAction>& actions,
                               std::string& error);
