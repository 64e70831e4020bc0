// The harness's product command: a product packed in each layout shows as one
// text, and that text reads back to the same table; the dose reads .PRD files.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "tests/harness/command_runner.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/product_file.h"
#include "treatment/product_table_codec.h"

namespace {

std::string Path(const std::string& name) {
    return std::string(TARVEX_BINARY_DIR) + "/harness_product_" + name;
}

const char* kText =
    "name = TWO-PART\n"
    "file = TWOPART.PRD\n"
    "function = Test product\n"
    "header_value = 1\n"
    "header_limit = -99\n"
    "limit = 21 -99 400\n"
    "limit = 200 60 -99\n"
    "component\n"
    "treated = 21\n"
    "limit_code = 21\n"
    "kind = 1\n"
    "energy_form = -1\n"
    "c5 = 0.35\n"
    "c9 = 0.6\n"
    "actives = 40\n"
    "share = 1\n"
    "active_conc = 0.4\n"
    "component_limit = 21 -99 400\n"
    "component\n"
    "name = SECOND\n"
    "file = TWOPART.PRD\n"
    "function = Calcite\n"
    "treated = 0\n"
    "kind = 0\n"
    "c9 = 1.1\n"
    "active_conc = 0.4\n";

TEST(ProductCommand, EveryLayoutShowsTheSameText) {
    const std::string text = Path("two.prd.txt");
    std::ofstream(text) << kText;
    std::string out, err, shown;
    ASSERT_EQ(RunCommand(CmdProduct, {"show", text}, shown, err), kExitOk) << err;
    const std::vector<std::vector<std::string>> packs = {
        {},
        {"--scramble", "0123456789abcdef"},
        {"--older"},
        {"--older", "--scramble", "FFFFFFFFFFFFFFFF"}};
    for (const std::vector<std::string>& extra : packs) {
        const std::string file = Path("two.PRD");
        std::vector<std::string> args = {"pack", text, file};
        args.insert(args.end(), extra.begin(), extra.end());
        ASSERT_EQ(RunCommand(CmdProduct, args, out, err), kExitOk) << err;
        ASSERT_EQ(RunCommand(CmdProduct, {"show", file}, out, err), kExitOk) << err;
        EXPECT_EQ(out, shown) << (extra.empty() ? "plain" : extra[0]);
    }
    // The shown text is itself a product text that reads back to the same table.
    auto a = std::make_unique<ProductTable>();
    auto b = std::make_unique<ProductTable>();
    ASSERT_TRUE(ParseProductText(kText, *a).ok);
    ASSERT_TRUE(ParseProductText(shown, *b).ok);
    std::vector<uint8_t> ba(kProductTableBytes), bb(kProductTableBytes);
    ASSERT_TRUE(ProductTableToBytes(*a, ba.data(), ba.size()));
    ASSERT_TRUE(ProductTableToBytes(*b, bb.data(), bb.size()));
    EXPECT_EQ(ba, bb);
    EXPECT_NE(shown.find("c5 = 0.35\n"), std::string::npos);  // shortest exact digits
}

TEST(ProductCommand, RefusalsAndBadArguments) {
    const std::string text = Path("terms.prd.txt");
    std::ofstream(text) << "name = T\ncomponent\ntreated = 21\nkind = 99\nterm = 104 1\n";
    std::string out, err;
    EXPECT_EQ(RunCommand(CmdProduct, {"pack", text, Path("terms.PRD"), "--older"}, out, err),
              kExitBadInput);
    EXPECT_NE(err.find("older layout"), std::string::npos);
    EXPECT_EQ(RunCommand(CmdProduct, {"pack", text, Path("t.PRD"), "--scramble", "12"}, out, err),
              kExitUsage);
    EXPECT_EQ(RunCommand(CmdProduct, {"frobnicate"}, out, err), kExitUsage);

    const std::string broken = Path("BROKEN.PRD");
    std::ofstream(broken) << std::string(5000, 'x');
    EXPECT_EQ(RunCommand(CmdProduct, {"show", broken}, out, err), kExitBadInput);
    EXPECT_NE(err.find("refused: its size fits no product file layout"), std::string::npos);
}

TEST(ProductCommand, TheDoseReadsAProductFile) {
    const std::string text = Path("dose.prd.txt");
    std::ofstream(text) << kText;
    const std::string file = Path("dose.PRD");
    std::string out, err;
    ASSERT_EQ(RunCommand(CmdProduct, {"pack", text, file, "--older"}, out, err), kExitOk);
    ASSERT_EQ(
        RunCommand(CmdDose, {std::string(TARVEX_SOURCE_DIR) + "/data/samples/seawater.wat", file},
                   out, err),
        kExitOk)
        << err;
    EXPECT_NE(out.find("product TWO-PART"), std::string::npos);
    EXPECT_EQ(LinesStartingWith(out, "limit ").size(), 2u);
}

}  // namespace
