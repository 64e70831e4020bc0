// Parsing scripts. Words are separated by blanks or tabs; the free text at the
// end of an answer, a dialog field or a file name keeps its inner blanks. A
// comment is a line whose first character other than a blank is '#', so a '#'
// inside a text ("Error # 5") stays part of it.
#include "app/script.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

#include "app/key_names.h"
#include "platform/window/win_types.h"

namespace {

// Splits off the first word of `rest`; `rest` keeps the remainder without the
// blanks in front of it.
std::string NextWord(std::string& rest) {
    size_t start = rest.find_first_not_of(" \t");
    if (start == std::string::npos) {
        rest.clear();
        return "";
    }
    size_t end = rest.find_first_of(" \t", start);
    std::string word =
        rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    rest = end == std::string::npos ? "" : rest.substr(end);
    size_t next = rest.find_first_not_of(" \t");
    rest = next == std::string::npos ? "" : rest.substr(next);
    return word;
}

bool ParseNumber(const std::string& word, int& value) {
    if (word.empty() || word.size() > 9 ||
        word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::atoi(word.c_str());
    return true;
}

bool ParseSigned(const std::string& word, int& value) {
    if (!word.empty() && word[0] == '-') {
        if (!ParseNumber(word.substr(1), value)) return false;
        value = -value;
        return true;
    }
    return ParseNumber(word, value);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string TrimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
    return s;
}

bool ParseAnswer(const std::string& word, int& button) {
    const std::string w = Lower(word);
    if (w == "yes")
        button = win::IDYES;
    else if (w == "no")
        button = win::IDNO;
    else if (w == "ok")
        button = win::IDOK;
    else if (w == "cancel")
        button = win::IDCANCEL;
    else
        return false;
    return true;
}

// printer NAME [portrait|landscape], printer cancel, printer stop N. A name
// may hold blanks ("Office Laser"); a last word portrait or landscape is the
// orientation.
bool ParsePrinter(std::string rest, ScriptAction& a, std::string& why) {
    a.verb = ScriptAction::Verb::kPrinter;
    if (Lower(rest) == "cancel") {
        a.printer = ScriptAction::PrinterStep::kCancel;
        return true;
    }
    std::string probe = rest;
    if (Lower(NextWord(probe)) == "stop") {
        a.printer = ScriptAction::PrinterStep::kStop;
        if (!ParseNumber(NextWord(probe), a.number) || a.number < 1 || !probe.empty()) {
            why = "printer stop wants a page number from 1";
            return false;
        }
        return true;
    }
    a.printer = ScriptAction::PrinterStep::kChoose;
    const size_t lastBlank = rest.find_last_of(" \t");
    const std::string last =
        Lower(lastBlank == std::string::npos ? rest : rest.substr(lastBlank + 1));
    if (lastBlank != std::string::npos && (last == "portrait" || last == "landscape")) {
        a.orientation = last == "landscape" ? 2 : 1;
        rest = TrimRight(rest.substr(0, lastBlank));
    }
    a.text = rest;
    if (a.text.empty()) {
        why = "printer wants a printer name [portrait|landscape], cancel or stop N";
        return false;
    }
    return true;
}

bool KeysOk(const std::string& keys, std::string& why) {
    std::vector<KeyStroke> strokes;
    std::string bad;
    if (ParseKeys(keys, strokes, bad)) return true;
    why = "no key is called \"" + bad + "\"";
    return false;
}

// An optional count (1 when absent).
bool ParseCount(std::string& rest, int& count) {
    count = 1;
    if (rest.empty()) return true;
    return ParseNumber(NextWord(rest), count) && count >= 1 && rest.empty();
}

// dialog ID STEP ...: the steps that name no control first, then those that do.
bool ParseDialog(std::string rest, ScriptAction& a, std::string& why) {
    using Step = ScriptAction::DialogStep;
    a.verb = ScriptAction::Verb::kDialog;
    const std::string usage =
        "dialog wants a template id and a step: set, check, press, select, click, dblclick, "
        "type, key, scroll, thumb, read, dump, snap, next or do";
    const bool templateId = ParseNumber(NextWord(rest), a.number);
    const std::string step = Lower(NextWord(rest));
    if (!templateId) {
        why = usage;
        return false;
    }
    if ((step == "dump" || step == "next") && rest.empty()) {
        a.step = step == "dump" ? Step::kDump : Step::kNext;
        return true;
    }
    if (step == "snap" && !rest.empty()) {
        a.step = Step::kSnap;
        a.text = rest;
        return true;
    }
    if (step == "do") {
        // Another window's action while this modal dialog is open.
        a.step = Step::kDo;
        a.text = rest;
        std::vector<ScriptAction> inner;
        std::string error;
        if (!rest.empty() && ParseScript(rest, inner, error) && inner.size() == 1 &&
            inner[0].verb != ScriptAction::Verb::kDialog)
            return true;
        why = "do wants one script line other than dialog" + (error.empty() ? "" : ": " + error);
        return false;
    }
    const bool control = ParseNumber(NextWord(rest), a.control);
    if (!control) {
        why = usage;
        return false;
    }
    if (step == "set" || step == "type") {
        a.step = step == "set" ? Step::kSet : Step::kType;
        a.text = rest;
        if (step == "set" || !rest.empty()) return true;
        why = "type wants a control and a text";
        return false;
    }
    if ((step == "check" || step == "press" || step == "read") && rest.empty()) {
        a.step = step == "check" ? Step::kCheck : step == "press" ? Step::kPress : Step::kRead;
        return true;
    }
    if (step == "select" && !rest.empty()) {
        a.step = Step::kSelect;
        const size_t last = rest.find_last_of(" \t");
        if (last != std::string::npos && Lower(rest.substr(last + 1)) == "dblclick") {
            a.doubleClick = true;
            rest = TrimRight(rest.substr(0, last));
        }
        a.byIndex = ParseNumber(rest, a.x);
        a.text = rest;
        return true;
    }
    if (step == "click" || step == "dblclick") {
        a.step = step == "click" ? Step::kClick : Step::kDoubleClick;
        if (rest.empty()) return true;
        a.hasPoint = ParseSigned(NextWord(rest), a.x) && ParseSigned(NextWord(rest), a.y);
        if (a.hasPoint && rest.empty()) return true;
        why = step + " wants a control and optionally X and Y";
        return false;
    }
    if (step == "key") {
        a.step = Step::kKey;
        a.text = rest;
        return KeysOk(rest, why);
    }
    if (step == "scroll") {
        a.step = Step::kScroll;
        a.text = Lower(NextWord(rest));
        const bool direction =
            a.text == "up" || a.text == "down" || a.text == "left" || a.text == "right";
        if (direction && ParseCount(rest, a.x)) return true;
        why = "scroll wants a control, up, down, left or right, and optionally a count";
        return false;
    }
    if (step == "thumb") {
        a.step = Step::kThumb;
        if (ParseSigned(NextWord(rest), a.x) && rest.empty()) return true;
        why = "thumb wants a control and a position";
        return false;
    }
    why = usage;
    return false;
}

// key, click, dblclick, scroll, wheel, menustate and windows.
bool ParseWindowVerb(const std::string& verb, std::string rest, ScriptAction& a, std::string& why) {
    using Verb = ScriptAction::Verb;
    if (verb == "windows") {
        a.verb = Verb::kWindows;
        if (rest.empty()) return true;
        why = "windows wants nothing more";
        return false;
    }
    if (verb == "menustate") {
        a.verb = Verb::kMenuState;
        a.className = NextWord(rest);
        if (rest.empty()) return true;
        why = "menustate wants at most a window class";
        return false;
    }
    a.className = NextWord(rest);
    if (a.className.empty()) {
        why = verb + " wants a window class";
        return false;
    }
    if (verb == "key") {
        a.verb = Verb::kKey;
        a.text = rest;
        return KeysOk(rest, why);
    }
    if (verb == "click" || verb == "dblclick") {
        a.verb = verb == "click" ? Verb::kClick : Verb::kDoubleClick;
        const bool point = ParseSigned(NextWord(rest), a.x) && ParseSigned(NextWord(rest), a.y);
        if (verb == "click" && Lower(rest) == "right") {
            a.right = true;
            rest.clear();
        }
        if (point && rest.empty()) return true;
        why = verb == "click" ? "click wants a window class, X, Y and optionally right"
                              : "dblclick wants a window class, X and Y";
        return false;
    }
    if (verb == "wheel") {
        a.verb = Verb::kWheel;
        if (ParseSigned(NextWord(rest), a.number) && rest.empty()) return true;
        why = "wheel wants a window class and a number of notches";
        return false;
    }
    a.verb = Verb::kScroll;
    a.text = Lower(NextWord(rest));
    if (a.text == "thumb") {
        const std::string bar = Lower(NextWord(rest));
        a.vertical = bar == "v";
        if ((bar == "v" || bar == "h") && ParseSigned(NextWord(rest), a.number) && rest.empty())
            return true;
        why = "scroll thumb wants v or h and a position";
        return false;
    }
    const bool direction = a.text == "up" || a.text == "down" || a.text == "left" ||
                           a.text == "right" || a.text == "pageup" || a.text == "pagedown" ||
                           a.text == "top" || a.text == "bottom";
    if (direction && ParseCount(rest, a.number)) return true;
    why =
        "scroll wants up, down, left, right, pageup, pagedown, top or bottom and optionally a "
        "count";
    return false;
}

// clipboard list | save FORMAT PATH | text TEXT | load FORMAT PATH | empty |
// hold | release: the path is the last word, the format every word before it.
bool ParseClipboard(std::string rest, ScriptAction& a, std::string& why) {
    using Op = ScriptAction::ClipboardOp;
    a.verb = ScriptAction::Verb::kClipboard;
    const std::string op = Lower(NextWord(rest));
    if ((op == "list" || op == "empty" || op == "hold" || op == "release") && rest.empty()) {
        a.clipboard = op == "list"    ? Op::kList
                      : op == "empty" ? Op::kEmpty
                      : op == "hold"  ? Op::kHold
                                      : Op::kRelease;
        return true;
    }
    if (op == "text" && !rest.empty()) {
        a.clipboard = Op::kText;
        a.text = rest;
        return true;
    }
    if (op == "save" || op == "load") {
        a.clipboard = op == "save" ? Op::kSave : Op::kLoad;
        const size_t last = rest.find_last_of(" \t");
        if (last != std::string::npos) {
            a.path = rest.substr(last + 1);
            a.text = TrimRight(rest.substr(0, last));
            return true;
        }
    }
    why =
        "clipboard wants list, empty, hold, release, text TEXT, save FORMAT PATH or load FORMAT "
        "PATH";
    return false;
}

// One line into `a`; false with `why` when it is not an action.
bool ParseLine(std::string rest, ScriptAction& a, std::string& why) {
    const std::string verb = Lower(NextWord(rest));
    if (verb == "menu") {
        a.verb = ScriptAction::Verb::kMenu;
        const bool id = ParseNumber(NextWord(rest), a.number);
        a.className = NextWord(rest);
        if (!id || !rest.empty()) {
            why = "menu wants a command id and optionally a window class";
            return false;
        }
        return true;
    }
    if (verb == "answer") {
        a.verb = ScriptAction::Verb::kAnswer;
        if (!ParseAnswer(NextWord(rest), a.number)) {
            why = "answer wants yes, no, ok or cancel";
            return false;
        }
        a.text = rest;
        return true;
    }
    if (verb == "file") {
        a.verb = ScriptAction::Verb::kFile;
        if (rest.empty()) {
            why = "file wants a path or cancel";
            return false;
        }
        a.cancel = Lower(rest) == "cancel";
        a.text = rest;
        return true;
    }
    if (verb == "dialog") return ParseDialog(rest, a, why);
    if (verb == "snap") {
        a.verb = ScriptAction::Verb::kSnap;
        a.className = NextWord(rest);
        a.text = rest;
        if (a.className.empty() || a.text.empty()) {
            why = "snap wants a window class and a file path";
            return false;
        }
        return true;
    }
    if (verb == "drag" || verb == "rclick") {
        a.verb = verb == "drag" ? ScriptAction::Verb::kDrag : ScriptAction::Verb::kRightClick;
        a.className = NextWord(rest);
        const bool first = ParseSigned(NextWord(rest), a.number);
        const bool second = ParseSigned(NextWord(rest), a.control);
        if (a.className.empty() || !first || !second || !rest.empty()) {
            why = verb == "drag" ? "drag wants a window class, DX and DY"
                                 : "rclick wants a page class, a column and a line";
            return false;
        }
        return true;
    }
    if (verb == "close" || verb == "where") {
        a.verb = verb == "close" ? ScriptAction::Verb::kClose : ScriptAction::Verb::kWhere;
        a.className = NextWord(rest);
        if (a.className.empty() || !rest.empty()) {
            why = verb + " wants a window class";
            return false;
        }
        return true;
    }
    if (verb == "text") {
        a.verb = ScriptAction::Verb::kText;
        a.className = NextWord(rest);
        a.text = rest;
        if (a.className.empty() || a.text.empty()) {
            why = "text wants a page class and a file path";
            return false;
        }
        return true;
    }
    if (verb == "printer") return ParsePrinter(rest, a, why);
    if (verb == "key" || verb == "click" || verb == "dblclick" || verb == "scroll" ||
        verb == "wheel" || verb == "menustate" || verb == "windows")
        return ParseWindowVerb(verb, rest, a, why);
    if (verb == "clipboard") return ParseClipboard(rest, a, why);
    why = "unknown action \"" + verb + "\"";
    return false;
}

}  // namespace

bool ParseScript(const std::string& source, std::vector<ScriptAction>& actions,
                 std::string& error) {
    std::istringstream in(source);
    std::string raw;
    int lineNumber = 0;
    while (std::getline(in, raw)) {
        ++lineNumber;
        const std::string line = TrimRight(raw);
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;  // blank or comment
        ScriptAction a;
        a.line = lineNumber;
        std::string why;
        if (!ParseLine(line, a, why)) {
            error = "script line " + std::to_string(lineNumber) + ": " + why;
            return false;
        }
        actions.push_back(std::move(a));
    }
    return true;
}
