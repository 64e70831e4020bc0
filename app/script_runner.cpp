// Running a script. Answers, file names and dialog steps are queued before the
// menu command that will meet them, so the prompts find their answers waiting;
// an answer nothing uses stays queued and does no harm.
#include "app/script_runner.h"

#include "app/page_verbs.h"
#include "app/printer_verbs.h"
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
            const char* step = a.step == ScriptAction::DialogStep::kSet     ? "set"
                               : a.step == ScriptAction::DialogStep::kCheck ? "check"
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
                }
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
