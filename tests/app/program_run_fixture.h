// Whole headless runs of the program in a fresh folder of their own, as the
// executable makes them: every record the run touches starts from its
// start-up state, the run's files land in the folder and its log is read back.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"
#include "engine/pipeline/service_hooks.h"
#include "platform/gdi/gdi.h"
#include "platform/win.h"
#include "tests/app/every_record_reset.h"

class ProgramRunFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        // A parameterised test's name holds a slash: the folder is one level.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder = std::filesystem::temp_directory_path() /
                 ("tarvex_run_" + std::to_string(::getpid()) + "_" + name);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        Fresh();
    }
    void TearDown() override {
        Fresh();
        std::filesystem::remove_all(folder);
    }
    void Fresh() {
        win::ResetPlatform();
        win::ResetGdi();
        ResetEveryRecord();
        ResetServiceHooks();
        win::SetPathRoot(folder.string());
    }
    // Runs the script text, saved as script.txt in the run's folder.
    int Run(const std::string& script, const std::string& desktop = "1280x1024") {
        std::ofstream(folder / "script.txt") << script;
        return RunFile((folder / "script.txt").string(), desktop);
    }
    // Runs a script file with the run's folder current, so that the file names
    // it gives are the folder's.
    int RunFile(const std::string& scriptPath, const std::string& desktop = "1280x1024") {
        ProgramOptions o;
        std::string error;
        std::vector<std::string> args = {"--headless", "--desktop", desktop, "--script",
                                         scriptPath, "--log", (folder / "run.log").string()};
        if (!textCheck.empty()) {
            args.push_back("--text-check");
            args.push_back((folder / textCheck).string());
        }
        EXPECT_TRUE(ParseCommandLine(args, o, error)) << error;
        const std::filesystem::path start = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        const int code = RunProgram(o);
        std::filesystem::current_path(start);
        return code;
    }
    std::string Read(const std::string& name) const {
        std::stringstream s;
        s << std::ifstream(folder / name, std::ios::binary).rdbuf();
        return s.str();
    }
    std::string Log() const { return Read("run.log"); }
    // The texts the log shows for `dialog ... read CONTROL`, in order.
    std::vector<std::string> Reads(int control) const {
        std::vector<std::string> reads;
        const std::string log = Log();
        const std::string key = "read " + std::to_string(control) + " \"";
        for (size_t at = log.find(key); at != std::string::npos; at = log.find(key, at + 1))
            reads.push_back(
                log.substr(at + key.size(), log.find('"', at + key.size()) - at - key.size()));
        return reads;
    }
    std::vector<uint8_t> Bytes(const std::string& name) const {
        const std::string s = Read(name);
        return std::vector<uint8_t>(s.begin(), s.end());
    }
    std::filesystem::path folder;
    std::string textCheck;  // a file of the folder: the run checks its texts into it
};

// What an outside tool prints (standard error included), with "[exit N]" after
// it when it fails.
inline std::string Tool(const std::string& command) {
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return "cannot run " + command;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    const int status = pclose(pipe);
    if (status != 0) out += "\n[exit " + std::to_string(status) + "]";
    return out;
}

// Two waters typed into the multi-mix input and mixed half and half.
constexpr const char* kTwoWaterMultiMix =
    "answer yes Last Analysis\n"
    "dialog 115 set 400 100\ndialog 115 set 404 1000\ndialog 115 set 414 1700\n"
    "dialog 115 set 419 200\ndialog 115 set 492 50\ndialog 115 press 1\n"
    "dialog 115 next\ndialog 115 press 520\n"
    "dialog 115 set 407 8.3\ndialog 115 set 400 300\ndialog 115 set 401 50\n"
    "dialog 115 set 404 1000\ndialog 115 set 414 1900\ndialog 115 set 419 300\n"
    "dialog 115 set 492 50\ndialog 115 press 527\nmenu 113\n";

// The script lines that save page `page`'s text and its copy, naming both
// files in `names`, and print the page to the PDF printer.
inline std::string SaveCopyAndPrint(const std::string& page, std::vector<std::string>& names) {
    names.push_back(page + ".txt");
    names.push_back(page + "-copy.txt");
    return "text " + page + " " + page + ".txt\nmenu 985 " + page + "\nclipboard save text " +
           page + "-copy.txt\nprinter PDF\nmenu 1013 " + page + "\n";
}

// The lines of a saved page text or CSV, their CR LF ends taken off.
inline std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The values of a page row: the words after the label, which ends before
// column 24; NaN for a point shown "N/A" (not calculated, which is no 0).
// Empty when no line starts with the label.
inline std::vector<double> PageRow(const std::string& page, const std::string& label) {
    for (const std::string& line : TextLines(page)) {
        const size_t at = line.find_first_not_of(' ');
        if (at == std::string::npos || line.compare(at, label.size(), label) != 0) continue;
        std::istringstream words(line.size() > 24 ? line.substr(24) : "");
        std::vector<double> values;
        for (std::string w; words >> w;)
            values.push_back(w == "N/A" ? NAN : std::strtod(w.c_str(), nullptr));
        return values;
    }
    return {};
}

// The lines of the log that start with `head`, each without it.
inline std::vector<std::string> LinesAfter(const std::string& log, const std::string& head) {
    std::vector<std::string> found;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(head, 0) == 0) found.push_back(line.substr(head.size()));
    return found;
}
