// The help items.
#include "shell/menu/help_commands.h"

#include <filesystem>
#include <vector>

#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/system/command_line_words.h"
#include "platform/system/system.h"
#include "shell/records.h"

namespace {

constexpr const char* kReaders[kManualReaderCount] = {"AcroRd32.exe", "Acrobat.exe", "xdg-open"};

}  // namespace

std::string ManualCommandLine(int attempt, const std::string& manualPath) {
    // The path is one word however many blanks or quotes its folders hold.
    return std::string(kReaders[attempt]) + " " + win::CommandLineWord(manualPath);
}

std::string NoPdfReaderText(const std::string& manualPath) {
    return std::string(kNoPdfReaderText) + " The manual is the file " + manualPath + ".";
}

void ShowOrderingHelp(win::HWND mainWindow) {
    (void)win::WinHelp(mainWindow, kOrderingHelpFile, win::HELP_INDEX, 0);
}

std::string ManualNotInstalledText(const std::string& installFolder,
                                   const std::string& programFolder) {
    return std::string(kManualNotInstalledText) + " (no file " + (kManualFile + 1) + " in " +
           installFolder + " or in " + programFolder + ").";
}

// The manual's file: in the install folder (where `make run` puts it), else
// beside the program's own file (where the build makes it); empty when it is
// in neither.
std::string FindManual(const std::string& installFolder, const std::string& programFolder) {
    for (const std::string& folder : {installFolder, programFolder}) {
        if (folder.empty()) continue;
        const std::string path = folder + "/" + (kManualFile + 1);
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) return path;
    }
    return {};
}

void ShowTechnicalManual(win::HWND mainWindow) {
    const std::string installFolder = win::MapPath(mainWindowState.installDir);
    const std::string programFolder = win::ProgramFileFolder();
    const std::string manual = FindManual(installFolder, programFolder);
    if (manual.empty()) {
        win::MessageBox(mainWindow, ManualNotInstalledText(installFolder, programFolder).c_str(),
                        kNoPdfReaderCaption, win::MB_ICONINFORMATION);
        return;
    }
    for (int attempt = 0; attempt < kManualReaderCount; ++attempt) {
        std::string line = ManualCommandLine(attempt, manual);
        std::vector<char> commandLine(line.begin(), line.end());
        commandLine.push_back('\0');
        win::STARTUPINFO startup{};
        startup.cb = 68;
        win::PROCESS_INFORMATION process{};
        if (win::CreateProcess(nullptr, commandLine.data(), nullptr, nullptr, win::FALSE,
                               win::NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
            win::CloseHandle(process.hProcess);
            win::CloseHandle(process.hThread);
            return;
        }
    }
    win::MessageBox(mainWindow, NoPdfReaderText(manual).c_str(), kNoPdfReaderCaption,
                    win::MB_ICONINFORMATION);
}
