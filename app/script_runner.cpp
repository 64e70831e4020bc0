// Running a script. Answers, file names and dialog steps are queued before the
// menu command that will meet them, so the prompts find their answers waiting;
// an answer nothing uses stays queued and does no harm.
#include "app/script_runner.h"

#include <map>
#include <string>

#include "app/verbs/clipboard_verbs.h"
#include "app/dialog_steps.h"
#include "app/verbs/page_verbs.h"
#include "app/verbs/printer_verbs.h"
#include "app/verbs/window_verbs.h"
#include "platform/dialogs/dialog.h"
#include "platform/drivers/driver.h"
#include "platform/drivers/script.h"
#include "platform/files/whole_file_write.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "shell/records.h"

namespace {

ScriptRunner* installed = nullptr;

bool FeedInstalled() {
    return installed != nullptr && installed->Feed();
}

}  // namespace

std::string DescribeAction(const ScriptAction& a) {
    using Verb = ScriptAction::Verb;
    switch (a.verb) {
        case Verb::kMenu:
            return "menu " + std::to_string(a.number) +
                   (a.className.empty() ? "" : " " + a.className);
        case Verb::kKey:
            return "key " + a.className + " " + a.text;
        case Verb::kClick:
            return "click " + a.className + " " + std::to_string(a.x) + " " + std::to_string(a.y) +
                   (a.right ? " right" : "");
        case Verb::kDoubleClick:
            return "dblclick " + a.className + " " + std::to_string(a.x) + " " +
                   std::to_string(a.y);
        case Verb::kScroll:
            return "scroll " + a.className + " " + a.text +
                   (a.text == "thumb" ? (a.vertical ? " v " : " h ") : " ") +
                   std::to_string(a.number);
        case Verb::kWheel:
            return "wheel " + a.className + " " + std::to_string(a.number);
        case Verb::kMenuState:
            return "menustate" + (a.className.empty() ? "" : " " + a.className);
        case Verb::kWindows:
            return "windows";
        case Verb::kClipboard:
            switch (a.clipboard) {
                case ScriptAction::ClipboardOp::kList:
                    return "clipboard list";
                case ScriptAction::ClipboardOp::kEmpty:
                    return "clipboard empty";
                case ScriptAction::ClipboardOp::kHold:
                    return "clipboard hold";
                case ScriptAction::ClipboardOp::kRelease:
                    return "clipboard release";
                case ScriptAction::ClipboardOp::kText:
                    return "clipboard text " + a.text;
                case ScriptAction::ClipboardOp::kSave:
                    return "clipboard save " + a.text + " " + a.path;
                case ScriptAction::ClipboardOp::kLoad:
                    return "clipboard load " + a.text + " " + a.path;
            }
            return "clipboard";
        case Verb::kAnswer:
            return "answer " + RunLog::AnswerName(a.number) + (a.text.empty() ? "" : " " + a.text);
        case Verb::kFile:
            return a.cancel ? "file cancel" : "file " + a.text;
        case Verb::kDialog:
            return "dialog " + std::to_string(a.number) + " " + DescribeDialogStep(a);
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

namespace {

// Answers, file names and printers wait for the prompt they answer.
void QueueAnswer(const ScriptAction& a) {
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

void SnapWindow(const ScriptAction& a) {
    win::HWND hwnd = win::FindWindow(a.className.c_str(), nullptr);
    if (hwnd == nullptr) {
        win::ReportScriptFailure("snap: no window of class \"" + a.className + "\"");
        return;
    }
    if (!win::WritePpm(a.text, win::ReadWindowPixels(hwnd)))
        win::ReportScriptFailure("snap: " + win::FailedLinuxWriteText("Writing", a.text));
}

}  // namespace

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
    using Verb = ScriptAction::Verb;
    log_.Poll();
    while (next_ < actions_.size()) {
        TakeSnaps();
        const ScriptAction& a = actions_[next_++];
        log_.Note("> " + DescribeAction(a));
        if (a.verb == Verb::kDialog) {
            dialogLines_.push_back(a);
            continue;
        }
        if (IsWindowInput(a.verb) || PageVerbIsInput(a.verb)) {
            QueueDialogs();
            if (IsWindowInput(a.verb))
                RunWindowInput(a);
            else
                RunPageVerb(a, log_);
            return true;
        }
        switch (a.verb) {
            case Verb::kSnap:
                Snap(a);
                break;
            case Verb::kWhere:
            case Verb::kText:
                RunPageVerb(a, log_);
                break;
            case Verb::kMenuState:
            case Verb::kWindows:
                RunWindowReport(a, log_);
                break;
            case Verb::kClipboard:
                RunClipboardVerb(a, log_);
                break;
            default:
                Queue(a);
                break;
        }
        log_.Poll();
    }
    TakeSnaps();
    QueueDialogs();
    if (!closeSent_ && win::IsWindow(mainWindowState.mainWindow)) {
        closeSent_ = true;
        log_.Note("> end of script: the main window is closed");
        win::PostMessage(mainWindowState.mainWindow, win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
        return true;
    }
    return false;
}

void ScriptRunner::Queue(const ScriptAction& a) {
    QueueAnswer(a);
}

// The dialog lines gathered since the last input action, by template in the
// order the templates first appear; within a template, "next" starts the steps
// of its next opening. A template's openings are registered last first, since
// the platform serves the latest registration first.
void ScriptRunner::QueueDialogs() {
    std::vector<int> templates;
    std::map<int, std::vector<std::vector<ScriptAction>>> openings;
    for (const ScriptAction& line : dialogLines_) {
        auto& list = openings[line.number];
        if (list.empty()) {
            templates.push_back(line.number);
            list.emplace_back();
        }
        if (line.step == ScriptAction::DialogStep::kNext)
            list.emplace_back();
        else
            list.back().push_back(line);
    }
    dialogLines_.clear();
    RunLog* log = &log_;
    for (int templateId : templates) {
        const auto& list = openings[templateId];
        for (auto steps = list.rbegin(); steps != list.rend(); ++steps)
            win::OnDialog(
                templateId,
                [steps = *steps, log](win::HWND dialog) {
                    log->Poll();  // the dialog's own window, while it is open
                    if (installed != nullptr) installed->TakeSnaps();
                    for (const ScriptAction& s : steps) {
                        // A dialog that ended takes no more steps: a Cancel
                        // after an OK that closed it would undo what OK did.
                        if (!win::IsWindow(dialog) || win::DialogEnded(dialog)) break;
                        RunDialogStep(dialog, s, *log);
                        log->Poll();  // what the step showed (a refusal's message box)
                        // What was typed, as the dialog shows it.
                        const bool typed = s.step == ScriptAction::DialogStep::kSet ||
                                           s.step == ScriptAction::DialogStep::kType;
                        if (typed && installed != nullptr) installed->CheckTexts(dialog);
                    }
                },
                1);
    }
}

namespace {

void ReportTextCheckFailure(const TextCheck& check) {
    win::ReportScriptFailure("text-check: a finding could not be written: " + check.Failure());
}

}  // namespace

void ScriptRunner::CheckTexts(win::HWND window) {
    if (!textCheck_.TakeWindow(window)) ReportTextCheckFailure(textCheck_);
}

void ScriptRunner::TakeSnaps() {
    std::string error;
    if (!snaps_.Take(error)) win::ReportScriptFailure("snap-windows: " + error);
    if (!textCheck_.Take()) ReportTextCheckFailure(textCheck_);
}

void ScriptRunner::Snap(const ScriptAction& a) {
    SnapWindow(a);
}

void RunActionNow(const ScriptAction& a, RunLog& log) {
    using Verb = ScriptAction::Verb;
    if (IsWindowInput(a.verb)) {
        RunWindowInput(a);
    } else if (PageVerbIsInput(a.verb)) {
        RunPageVerb(a, log);
    } else {
        switch (a.verb) {
            case Verb::kSnap:
                SnapWindow(a);
                break;
            case Verb::kWhere:
            case Verb::kText:
                RunPageVerb(a, log);
                break;
            case Verb::kMenuState:
            case Verb::kWindows:
                RunWindowReport(a, log);
                break;
            case Verb::kClipboard:
                RunClipboardVerb(a, log);
                break;
            default:
                QueueAnswer(a);
                break;
        }
    }
    log.Poll();
}
