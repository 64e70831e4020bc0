// Running a script. Answers, file names and dialog steps are queued before the
// menu command that will meet them, so the prompts find their answers waiting;
// an answer nothing uses stays queued and does no harm.
#include "app/script_runner.h"

#include <cctype>
#include <cstring>
#include <string>

#include "app/page_verbs.h"
#include "app/printer_verbs.h"
#include "platform/dialogs/dialog.h"
#include "platform/drivers/driver.h"
#include "platform/drivers/script.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "shell/records.h"

namespace {

ScriptRunner* installed = nullptr;

bool FeedInstalled() {
    return installed != nullptr && installed->Feed();
}

bool IsListBox(win::HWND control) {
    char name[32] = {};
    win::GetClassName(control, name, sizeof name);
    std::string upper(name);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "LISTBOX";
}

std::string ListRow(win::HWND list, int row) {
    const win::LRESULT length =
        win::SendMessage(list, win::LB_GETTEXTLEN, static_cast<win::WPARAM>(row), 0);
    if (length < 0) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    win::SendMessage(list, win::LB_GETTEXT, static_cast<win::WPARAM>(row),
                     reinterpret_cast<win::LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

// A text for the log: tabs between a row's columns shown as " | ".
std::string Shown(const std::string& text) {
    std::string shown;
    for (char c : text) shown += c == '\t' ? std::string(" | ") : std::string(1, c);
    return "\"" + shown + "\"";
}

// Picks the first row of the list that starts with `text`, as a click would.
void SelectListRow(win::HWND dialog, int control, const std::string& text) {
    win::HWND list = win::GetDlgItem(dialog, control);
    const win::LRESULT count = list != nullptr ? win::SendMessage(list, win::LB_GETCOUNT, 0, 0) : 0;
    for (int row = 0; row < count; ++row) {
        if (ListRow(list, row).compare(0, text.size(), text) == 0) {
            win::ChooseListItem(dialog, control, row);
            return;
        }
    }
    win::ReportScriptFailure("list " + std::to_string(control) + " of \"" +
                             win::WindowText(dialog) + "\" has no row starting with \"" + text +
                             "\"");
}

// The dialog's caption, then its controls in creation order (id and text) and
// the rows of its lists (list id, row, text and whether it is selected).
void DumpDialog(win::HWND dialog, RunLog& log) {
    log.Note("dialog " + Shown(win::WindowText(dialog)));
    for (win::HWND c = win::GetWindow(dialog, win::GW_CHILD); c != nullptr;
         c = win::GetWindow(c, win::GW_HWNDNEXT)) {
        const int id = win::GetDlgCtrlID(c);
        if (!IsListBox(c)) {
            log.Note("  control " + std::to_string(id) + " " + Shown(win::WindowText(c)));
            continue;
        }
        const win::LRESULT count = win::SendMessage(c, win::LB_GETCOUNT, 0, 0);
        const win::LRESULT selected = win::SendMessage(c, win::LB_GETCURSEL, 0, 0);
        log.Note("  list " + std::to_string(id) + " (" + std::to_string(count) + " rows)");
        for (int row = 0; row < count; ++row)
            log.Note("  list " + std::to_string(id) + " row " + std::to_string(row) + " " +
                     Shown(ListRow(c, row)) + (row == selected ? " (selected)" : ""));
    }
}

}  // namespace

std::string DescribeAction(const ScriptAction& a) {
    using Verb = ScriptAction::Verb;
    switch (a.verb) {
        case Verb::kMenu:
            return "menu " + std::to_string(a.number);
        case Verb::kAnswer:
            return "answer " + RunLog::AnswerName(a.number) + (a.text.empty() ? "" : " " + a.text);
        case Verb::kFile:
            return a.cancel ? "file cancel" : "file " + a.text;
        case Verb::kDialog: {
            using Step = ScriptAction::DialogStep;
            if (a.step == Step::kDump) return "dialog " + std::to_string(a.number) + " dump";
            const char* step = a.step == Step::kSet      ? "set"
                               : a.step == Step::kCheck  ? "check"
                               : a.step == Step::kSelect ? "select"
                                                         : "press";
            return "dialog " + std::to_string(a.number) + " " + step + " " +
                   std::to_string(a.control) + (a.text.empty() ? "" : " " + a.text);
        }
        case Verb::kSnap:
            return "snap " + a.className + " " + a.text;
        case Verb::kDrag:
            return "drag " + a.className + " " + std::to_string(a.number) + " " +
                   std::to_string(a.control);
        case Verb::kRightClick:
            return "rclick " + a.className + " " + std::to_string(a.number) + " " +
                   std::to_string(a.control);
        case Verb::kClose:
            return "close " + a.className;
        case Verb::kWhere:
            return "where " + a.className;
        case Verb::kText:
            return "text " + a.className + " " + a.text;
        case Verb::kPrinter:
            if (a.printer == ScriptAction::PrinterStep::kCancel) return "printer cancel";
            if (a.printer == ScriptAction::PrinterStep::kStop)
                return "printer stop " + std::to_string(a.number);
            return "printer " + a.text +
                   (a.orientation == 2   ? " landscape"
                    : a.orientation == 1 ? " portrait"
                                         : "");
    }
    return "";
}

ScriptRunner::ScriptRunner(std::vector<ScriptAction> actions, RunLog& log)
    : actions_(std::move(actions)), log_(log) {}

void ScriptRunner::Install() {
    installed = this;
    win::SetIdleFeeder(FeedInstalled);
}

void ScriptRunner::Uninstall() {
    if (installed == this) installed = nullptr;
    win::SetIdleFeeder(nullptr);
}

bool ScriptRunner::Feed() {
    log_.Poll();
    while (next_ < actions_.size()) {
        const ScriptAction& a = actions_[next_];
        if (a.verb == ScriptAction::Verb::kDialog) {
            QueueDialog();  // takes the run of steps for this template
            continue;
        }
        ++next_;
        log_.Note("> " + DescribeAction(a));
        if (a.verb == ScriptAction::Verb::kMenu) {
            win::ChooseMenuCommand(mainWindowState.mainWindow, static_cast<win::UINT>(a.number));
            return true;
        }
        if (a.verb == ScriptAction::Verb::kSnap) {
            Snap(a);
            log_.Poll();
        } else if (PageVerbIsInput(a.verb)) {
            RunPageVerb(a, log_);
            return true;
        } else if (a.verb == ScriptAction::Verb::kWhere || a.verb == ScriptAction::Verb::kText) {
            RunPageVerb(a, log_);
            log_.Poll();
        } else {
            Queue(a);
        }
    }
    if (!closeSent_ && win::IsWindow(mainWindowState.mainWindow)) {
        closeSent_ = true;
        log_.Note("> end of script: the main window is closed");
        win::PostMessage(mainWindowState.mainWindow, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
        return true;
    }
    return false;
}

void ScriptRunner::Queue(const ScriptAction& a) {
    if (a.verb == ScriptAction::Verb::kPrinter) {
        QueuePrinterAnswer(a);
    } else if (a.verb == ScriptAction::Verb::kAnswer) {
        win::AnswerMessageBoxStartingWith(a.text, a.number);
    } else if (a.verb == ScriptAction::Verb::kFile) {
        if (a.cancel)
            win::CancelFileDialog();
        else
            win::AnswerFileDialog(a.text);
    }
}

void ScriptRunner::QueueDialog() {
    std::vector<ScriptAction> steps;
    const int templateId = actions_[next_].number;
    while (next_ < actions_.size() && actions_[next_].verb == ScriptAction::Verb::kDialog &&
           actions_[next_].number == templateId) {
        log_.Note("> " + DescribeAction(actions_[next_]));
        steps.push_back(actions_[next_++]);
    }
    RunLog* log = &log_;
    win::OnDialog(
        templateId,
        [steps, log](win::HWND dialog) {
            log->Poll();  // the dialog's own window, while it is open
            for (const ScriptAction& s : steps) {
                if (!win::IsWindow(dialog)) break;
                switch (s.step) {
                    case ScriptAction::DialogStep::kSet:
                        win::SetField(dialog, s.control, s.text);
                        break;
                    case ScriptAction::DialogStep::kCheck:
                        win::SetCheck(dialog, s.control, true);
                        break;
                    case ScriptAction::DialogStep::kPress:
                        win::PressButton(dialog, s.control);
                        break;
                    case ScriptAction::DialogStep::kSelect:
                        SelectListRow(dialog, s.control, s.text);
                        break;
                    case ScriptAction::DialogStep::kDump:
                        DumpDialog(dialog, *log);
                        break;
                }
                log->Poll();  // what the step showed (a refusal's message box)
            }
        },
        1);
}

void ScriptRunner::Snap(const ScriptAction& a) {
    win::HWND hwnd = win::FindWindow(a.className.c_str(), nullptr);
    if (hwnd == nullptr) {
        win::ReportScriptFailure("snap: no window of class \"" + a.className + "\"");
        return;
    }
    if (!win::WritePpm(a.text, win::ReadWindowPixels(hwnd)))
        win::ReportScriptFailure("snap: cannot write " + a.text);
}
