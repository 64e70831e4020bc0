// The harness's constants command on a water file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"

namespace {

int RunConstants(std::string path, std::string& out, std::string& err) {
    std::vector<char*> argv{path.data()};
    std::FILE* o = std::tmpfile();
    std::FILE* e = std::tmpfile();
    const int code = CmdConstants(argv, o, e);
    out = DrainCapture(o);
    err = DrainCapture(e);
    return code;
}

TEST(ConstantsCommand, PrintsTheConditionsAndEveryConstant) {
    const std::string path = std::string(TARVEX_BINARY_DIR) + "/constants_hot.wat";
    std::ofstream(path) << "temperature = 150 C\npressure = 1 atm\nsodium = 100\nchloride = 154\n";
    std::string out, err;
    EXPECT_EQ(RunConstants(path, out, err), 0) << err;
    EXPECT_NE(out.find("temperature_K 423.160000\n"), std::string::npos) << out;
    // 1 atm at 150 C is raised to the saturation pressure, 69.07 psia.
    EXPECT_NE(out.find("pressure_psia 69.07"), std::string::npos) << out;
    EXPECT_NE(out.find("pressure_raised 1\n"), std::string::npos);
    EXPECT_NE(out.find("logK 0 "), std::string::npos);
    EXPECT_NE(out.find("logK 684 "), std::string::npos);
    std::remove(path.c_str());
    ResetEngineRecords();
    ResetInputsRecords();
}

TEST(ConstantsCommand, RefusesAMissingFileAndWrongArguments) {
    std::string out, err;
    EXPECT_EQ(RunConstants("/nonexistent/water.wat", out, err), kExitBadInput);
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(err.empty());
    std::FILE* o = std::tmpfile();
    std::FILE* e = std::tmpfile();
    EXPECT_EQ(CmdConstants({}, o, e), kExitUsage);
    std::fclose(o);
    std::fclose(e);
}

}  // namespace
