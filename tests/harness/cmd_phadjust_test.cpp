// The harness's phadjust command: a hand-checked acid dose, and refusals of
// unsound arguments and waters.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/carbonate/carbonate_records.h"
#include "engine/records.h"
#include "input/records.h"
#include "tools/engine_harness/commands.h"

namespace {

std::string Drain(std::FILE* f) {
    std::rewind(f);
    std::string s;
    char buf[512];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

int RunPhAdjust(std::vector<std::string> args, std::string& out, std::string& err) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::FILE* o = std::tmpfile();
    std::FILE* e = std::tmpfile();
    const int code = CmdPhAdjust(argv, o, e);
    out = Drain(o);
    err = Drain(e);
    ResetEngineRecords();
    ResetInputRecords();
    ResetCarbonateRecords();
    return code;
}

std::string WriteWater(const char* name, const char* text) {
    const std::string path = std::string(TARVEX_BINARY_DIR) + "/" + name;
    std::ofstream(path) << text;
    return path;
}

double ValueAfter(const std::string& out, const std::string& key) {
    const size_t at = out.find(key);
    return at == std::string::npos ? -1.0 : std::stod(out.substr(at + key.size()));
}

TEST(PhAdjustCommand, HydrochloricAcidDoseForATargetPh) {
    // 2 mmol/L of carbon at pH 8.3 taken to pH 4.5. By hand, with h/K1 = 0.01122
    // and K2/h = 0.009335 at 8.3: HCO3- is 0.97986 and CO3-- 0.009147 of the
    // carbon, the alkalinity 2e-3 (0.97986 + 2 x 0.009147) + OH- 1.995e-6 =
    // 1.99830e-3 eq/L. At 4.5 (h/K1 = 70.8) HCO3- is 0.013928 of it, less
    // 3.162e-5 H+: -3.77e-6 eq/L. The acid is the difference, 100.19 mg/L as
    // CaCO3, or x 2.0832772 as hydrochloric acid.
    const std::string path = WriteWater("phadjust_acid.wat",
                                        "ph = 8.3\nalkalinity_mode = 3\nbicarbonate = 122.0346\n"
                                        "carbonate = 0\nchloride = 10 as CaCO3\n");
    std::string out, err;
    ASSERT_EQ(RunPhAdjust({path, "--target", "4.5", "--acid", "1"}, out, err), kExitOk) << err;
    const double demandCaCO3 = ValueAfter(out, "acid_demand ") / 2.0832772;
    EXPECT_NEAR(demandCaCO3, 100.19, 0.02) << out;
    EXPECT_NEAR(ValueAfter(out, "chloride "), 10.0 + demandCaCO3, 1e-2) << out;
    EXPECT_NEAR(ValueAfter(out, "element  0 ph "), 4.5, 1e-6) << out;
    EXPECT_NE(out.find("textbook 25 C"), std::string::npos);
    std::remove(path.c_str());
}

TEST(PhAdjustCommand, RefusesUnsoundArgumentsAndWaters) {
    const std::string good = WriteWater("phadjust_good.wat", "ph = 7\nalkalinity = 100\n");
    const std::string noPh = WriteWater("phadjust_noph.wat", "alkalinity = 100\n");
    const std::string noAlk = WriteWater("phadjust_noalk.wat", "alkalinity_mode = 1\nph = 7\n");
    const struct {
        std::vector<std::string> args;
        int code;
    } cases[] = {
        {{good}, kExitUsage},
        {{good, "--target"}, kExitUsage},
        {{good, "--target", "x"}, kExitUsage},
        {{good, "--target", "15"}, kExitUsage},
        {{good, "--target", "6", "--acid", "4"}, kExitUsage},
        {{good, "--target", "6", "--alkali", "1.5"}, kExitUsage},
        {{good, "--target", "6", "--acid", "0", "--alkali", "0"}, kExitUsage},
        {{good, "--target", "6", "--fast"}, kExitUsage},
        {{"--target", "6"}, kExitUsage},
        {{"/nonexistent/w.wat", "--target", "6"}, kExitBadInput},
        {{noPh, "--target", "6"}, kExitBadInput},
        {{noAlk, "--target", "6"}, kExitBadInput},
        {{good, "--target", "6", "--open"}, kExitOk},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunPhAdjust(c.args, out, err), c.code) << c.args.back();
        EXPECT_EQ(err.empty(), c.code == kExitOk) << err;
    }
    for (const std::string& p : {good, noPh, noAlk}) std::remove(p.c_str());
}

}  // namespace
