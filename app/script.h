// Scripts of user actions for headless runs: a text file, one action a line;
// lines starting with '#' are comments.
//
//   menu ID                          the main window gets menu command ID
//   answer yes|no|ok|cancel [TEXT]   answers the next message box whose text
//                                    starts with TEXT (any box without TEXT)
//   file PATH | file cancel          answers the next file dialog
//   dialog ID set CONTROL TEXT       for the next modal dialog of template ID:
//   dialog ID check CONTROL          type TEXT into a control, check a box,
//   dialog ID press CONTROL          press a button (in the order written)
//   dialog ID select CONTROL TEXT    pick the first list row starting with TEXT
//   dialog ID dump                   write the dialog's controls into the log
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
        kPrinter
    };
    enum class DialogStep { kSet, kCheck, kPress, kSelect, kDump };
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
};

// Parses the whole script. False with `error` naming the line for a line that
// is not one of the actions above.
[[nodiscard]] bool ParseScript(const std::string& source, std::vector<ScriptAction>& actions,
                               std::string& error);
