// A run of the program: headless unless a display is there and no script asks
// for scripted answers (--display keeps the display with a script); the install folder is the
// folder current at start.
#include "app/program.h"

#include <cstdio>
#include <cstdlib>

#include "app/run_log.h"
#include "app/script.h"
#include "app/script_runner.h"
#include "platform/drivers/driver.h"
#include "platform/drivers/script.h"
#include "platform/files/file_io.h"
#include "platform/files/plain_file_read.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "resources/program_resources.h"
#include "shell/mainwindow/win_main.h"

namespace {

RunLog* activeLog = nullptr;
std::string logPath;  // as the command line named it

// The longest script read: far past any a session or a test writes, and read
// in well under a second.
constexpr std::size_t kScriptMaxBytes = std::size_t{16} << 20;

// A log that lost lines is no record of the run: the run fails.
bool TellLogFailure(const RunLog& log) {
    if (log.Failure().empty()) return false;
    std::fprintf(stderr, "tarvex: cannot write the log %s: %s\n", logPath.c_str(),
                 log.Failure().c_str());
    std::fflush(stderr);
    return true;
}

// A prompt nothing answered (or another script failure) ends the run at once:
// going on with the prompt's cancel answer could do what the user never asked.
void FailRun(const std::string& what) {
    std::fprintf(stderr, "tarvex: %s\n", what.c_str());
    std::fflush(stderr);
    if (activeLog != nullptr) {
        activeLog->Note("script failure: " + what);
        activeLog->Close(kExitScriptFailure);
        (void)TellLogFailure(*activeLog);
    }
    std::exit(kExitScriptFailure);
}

// True when the program runs on the X display.
bool ChooseDriver(const ProgramOptions& options) {
    const char* display = std::getenv("DISPLAY");
    if (options.headless || display == nullptr || *display == '\0') return false;
    if (!options.scriptPath.empty() && !options.display) return false;
    auto x11 = win::MakeX11Driver();
    if (!x11) return false;
    win::SetDriver(std::move(x11));
    return true;
}

}  // namespace

int RunProgram(const ProgramOptions& options) {
    std::vector<ScriptAction> actions;
    if (!options.scriptPath.empty()) {
        std::string source;
        std::string error;
        if (!ReadPlainFile(options.scriptPath, kScriptMaxBytes, "a script", source, error)) {
            std::fprintf(stderr, "tarvex: cannot read the script %s: %s\n",
                         options.scriptPath.c_str(), error.c_str());
            return kExitUsage;
        }
        if (!ParseScript(source, actions, error)) {
            std::fprintf(stderr, "tarvex: %s: %s\n", options.scriptPath.c_str(), error.c_str());
            return kExitUsage;
        }
    }
    RunLog log;
    logPath = options.logPath;
    if (!log.Open(options.logPath, win::PathRoot())) {
        (void)TellLogFailure(log);
        return kExitUsage;
    }
    const bool onDisplay = ChooseDriver(options);
    if (options.desktopWidth > 0) win::SetDesktopSize(options.desktopWidth, options.desktopHeight);
    RegisterProgramResources();

    ScriptRunner runner(std::move(actions), log);
    runner.SnapWindowsInto(options.snapFolder);
    std::string why;
    if (!options.textCheckPath.empty() && !runner.CheckTextInto(options.textCheckPath, why)) {
        std::fprintf(stderr, "tarvex: cannot write %s: %s\n", options.textCheckPath.c_str(),
                     why.c_str());
        return kExitUsage;
    }
    activeLog = &log;
    win::EnableMessageTrace(true);
    win::SetScriptFailureHandler(FailRun);
    // On the display without a script the user works: nothing feeds the
    // program when it is idle.
    if (!onDisplay || !options.scriptPath.empty()) runner.Install();
    const int code = WinMain(win::GetModuleHandle(nullptr), nullptr, "", win::SW_SHOWNORMAL);
    runner.Uninstall();
    // Closing the display hands a clipboard the user kept to the desktop.
    win::SetDriver(nullptr);
    win::SetScriptFailureHandler(nullptr);
    win::EnableMessageTrace(false);
    activeLog = nullptr;
    log.Close(code);
    if (TellLogFailure(log) && code == 0) return kExitScriptFailure;
    return code;
}
