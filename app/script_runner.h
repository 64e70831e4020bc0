// Feeding a script to the headless message loop: whenever the program has
// nothing left to do, the runner queues the script's answers, file names and
// dialog steps up to the next action that can open something (menu, key, click,
// dblclick, scroll, wheel, rclick, drag, close) and then runs that action. The
// dialog lines between two such actions are grouped by template (a "next" step
// starts the steps of the template's next opening), so a dialog opened from
// another finds its steps waiting. When the script is used up and the program
// still runs, the main window is closed as a user would close it.
#pragma once

#include <vector>

#include "app/run_log.h"
#include "app/script.h"
#include "app/text_check.h"
#include "app/window_snaps.h"

class ScriptRunner {
  public:
    ScriptRunner(std::vector<ScriptAction> actions, RunLog& log);
    // Installs this runner as the platform's idle feeder (one runner at a time).
    void Install();
    void Uninstall();
    // The feeder: true when it gave the program something to do.
    bool Feed();
    [[nodiscard]] bool Finished() const { return closeSent_; }
    // Before each action, the windows shown since are pictured into `folder`
    // (none when empty); see window_snaps.h.
    void SnapWindowsInto(std::string folder) { snaps_.SetFolder(std::move(folder)); }
    // Before each action, the texts on the shown windows are checked into
    // `file` (see text_check.h); false when the file cannot be made.
    [[nodiscard]] bool CheckTextInto(const std::string& file, std::string& why) {
        const bool started = textCheck_.Start(file);
        why = textCheck_.Failure();
        return started;
    }

  private:
    void Queue(const ScriptAction& a);
    void QueueDialogs();
    void Snap(const ScriptAction& a);

  public:
    // Pictures the windows shown since the last action (--snap-windows).
    void TakeSnaps();
    // Checks the texts of a window (--text-check), as a dialog step left them.
    void CheckTexts(win::HWND window);

  private:
    std::vector<ScriptAction> actions_;
    std::vector<ScriptAction> dialogLines_;  // since the last input action
    size_t next_ = 0;
    bool closeSent_ = false;
    RunLog& log_;
    WindowSnaps snaps_;
    TextCheck textCheck_;
};

// Runs one action at once (a dialog's `do` step): answers, file names and
// printers are queued for the next prompt, window input and reports run now.
void RunActionNow(const ScriptAction& a, RunLog& log);

// A script action written back as a line, for the log.
[[nodiscard]] std::string DescribeAction(const ScriptAction& a);
