// Parsing scripts. Words are separated by blanks or tabs; the free text at the
// end of an answer, a dialog field or a file name keeps its inner blanks. A
// comment is a line whose first character other than a blank is '#', so a '#'
// inside a text ("Error # 5") stays part of it.
#include "app/script.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

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

// One line into `a`; false with `why` when it is not an action.
bool ParseLine(std::string rest, ScriptAction& a, std::string& why) {
    const std::string verb = Lower(NextWord(rest));
    if (verb == "menu") {
        a.verb = ScriptAction::Verb::kMenu;
        if (!ParseNumber(NextWord(rest), a.number) || !rest.empty()) {
            why = "menu wants one command id";
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
    if (verb == "dialog") {
        a.verb = ScriptAction::Verb::kDialog;
        const bool templateId = ParseNumber(NextWord(rest), a.number);
        const std::string step = Lower(NextWord(rest));
        if (templateId && step == "dump" && rest.empty()) {
            a.step = ScriptAction::DialogStep::kDump;
            return true;
        }
        const bool control = ParseNumber(NextWord(rest), a.control);
        if (!templateId || !control) {
            why =
                "dialog wants a template id, a step (set, check, press, select or dump) and a "
                "control id";
            return false;
        }
        if (step == "set") {
            a.step = ScriptAction::DialogStep::kSet;
            a.text = rest;
        } else if (step == "select" && !rest.empty()) {
            a.step = ScriptAction::DialogStep::kSelect;
            a.text = rest;
        } else if ((step == "check" || step == "press") && rest.empty()) {
            a.step = step == "check" ? ScriptAction::DialogStep::kCheck
                                     : ScriptAction::DialogStep::kPress;
        } else {
            why =
                "dialog wants set CONTROL TEXT, check CONTROL, press CONTROL, select CONTROL "
                "TEXT or dump";
            return false;
        }
        return true;
    }
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
