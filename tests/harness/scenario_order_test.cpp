// Every what-if command of the harness gives the same bytes whatever ran before
// it: each is run first in a fresh process (the harness binary), then in this one
// right after each other command, with nothing reset in between.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

const std::string kSamples = std::string(TARVEX_SOURCE_DIR) + "/data/samples/";
const std::string kEngine = std::string(TARVEX_BINARY_DIR) + "/tarvex-engine";

struct ScenarioCommand {
    const char* name;
    CommandFunction run;
    std::vector<std::string> args;
};

// The sea water with more calcium and bicarbonate, in the same units, as a second
// source water of a blend.
std::string HarderSeaWater() {
    std::ifstream in(kSamples + "seawater.wat");
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"calcium     = 412",
                                                                       "calcium     = 900"},
                                   {"bicarbonate = 140", "bicarbonate = 400"},
                                   {"alkalinity  = 114.8", "alkalinity  = 328.1"}}) {
        const size_t at = s.find(from);
        if (at != std::string::npos) s.replace(at, from.size(), to);
    }
    const std::string path = testing::TempDir() + "harder_sea.wat";
    std::ofstream(path) << s;
    return path;
}

std::vector<ScenarioCommand> Commands() {
    const std::string sea = kSamples + "seawater.wat";
    const std::string formation = kSamples + "formation.wat";
    const std::string sour = kSamples + "sour_production.wat";
    return {
        {"profile", CmdProfile, {"temperature", sea}},
        {"profile", CmdProfile, {"ph", formation}},
        {"profile", CmdProfile, {"pco2", sea}},
        {"profile", CmdProfile, {"pressure", sour}},
        {"grid", CmdGrid, {"ph", sea}},
        {"grid", CmdGrid, {"pco2", formation}},
        {"grid", CmdGrid, {"pressure", formation}},
        {"well", CmdWell, {"12", sea}},
        {"well", CmdWell, {"11", formation}},
        {"well", CmdWell, {"48", sour}},
        {"mix", CmdMix, {"profile", sea, formation}},
        {"mix", CmdMix, {"grid", "0", sea, formation}},
        {"mix", CmdMix, {"grid", "3", sea, formation}},
        {"mix", CmdMix, {"grid", "4", sea, formation}},
        {"multimix", CmdMultiMix, {sea + ":70", HarderSeaWater() + ":30"}},
    };
}

std::string Label(const ScenarioCommand& c) {
    std::string label = c.name;
    for (const std::string& a : c.args) label += " " + a.substr(a.rfind('/') + 1);
    return label;
}

// The standard output of the harness binary run on its own.
std::string FreshProcessOutput(const ScenarioCommand& c) {
    std::string command = "'" + kEngine + "' " + c.name;
    for (const std::string& a : c.args) command += " '" + a + "'";
    command += " 2>/dev/null";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return "cannot run " + command;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = pclose(pipe);
    if (status != 0) out += "\n[exit " + std::to_string(status) + "]";
    return out;
}

std::string InProcessOutput(const ScenarioCommand& c) {
    std::string out, err;
    const int code = RunCommand(c.run, c.args, out, err);
    if (code != kExitOk) out += "\n[exit " + std::to_string(code) + "] " + err;
    return out;
}

TEST(ScenarioCommands, GiveTheSameBytesAfterEveryOtherCommand) {
    const std::vector<ScenarioCommand> commands = Commands();
    std::vector<std::string> fresh;
    for (const ScenarioCommand& c : commands) {
        fresh.push_back(FreshProcessOutput(c));
        ASSERT_EQ(fresh.back().find("[exit"), std::string::npos) << Label(c) << ": " << fresh.back();
    }
    // Each command right after each other one: whatever one command leaves
    // behind, the next one must not see it.
    for (size_t b = 0; b < commands.size(); ++b) {
        for (size_t a = 0; a < commands.size(); ++a) {
            if (a == b) continue;
            (void)InProcessOutput(commands[a]);
            EXPECT_EQ(InProcessOutput(commands[b]), fresh[b])
                << Label(commands[b]) << " after " << Label(commands[a]);
        }
    }
}

}  // namespace
