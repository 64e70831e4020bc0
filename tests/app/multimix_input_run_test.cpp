// The bundled script data/scripts/multimix-three-waters.tvs: three source
// waters typed one at a time into the multi-mix input, mixed at once and saved.
#include <cstdint>
#include <cstring>
#include <string>

#include "input/multimix/multimix_input_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "tests/app/program_run_fixture.h"

namespace {

class MultiMixInputRun : public ProgramRunFixture {
  protected:
    void SetUp() override {
        ProgramRunFixture::SetUp();
        ResetMultiMixRecords();
        ResetMultiMixInputRecords();
    }
    template <typename T>
    static T At(const std::string& bytes, size_t offset) {
        T v{};
        if (offset + sizeof v <= bytes.size()) std::memcpy(&v, bytes.data() + offset, sizeof v);
        return v;
    }
};

TEST_F(MultiMixInputRun, ThreeWatersTypedMixedAndSaved) {
    ASSERT_EQ(RunFile(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/multimix-three-waters.tvs"),
              0)
        << Log();
    const std::string log = Log();
    const std::string question =
        "\"LAST ANALYSIS\": \"Last Analysis. Do you wish to add a new Analysis?\" -> yes";
    const size_t first = log.find(question);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(question, first + 1), std::string::npos) << log;

    const std::string file = Read("ws.KRV");
    ASSERT_EQ(file.size(), 200171u);
    EXPECT_EQ(At<float>(file, 110283), 100.0f);  // calcium of the three waters
    EXPECT_EQ(At<float>(file, 110551), 200.0f);
    EXPECT_EQ(At<float>(file, 110819), 300.0f);
    for (size_t k = 0; k < 3; ++k) EXPECT_NEAR(At<float>(file, 129251 + 4 * k), 33.3333f, 1e-4);
    EXPECT_EQ(At<int32_t>(file, 129683), 2);  // lastWaterIndex
    EXPECT_EQ(At<int32_t>(file, 129687), 2);  // multiMixDone
}

// A profile run after a multi-mix stays current when its pages open: Print
// Surface Temperature Profile is offered at once.
TEST_F(MultiMixInputRun, ProfileAfterAMultiMixStaysCurrent) {
    const std::string water = "dialog 80 set 407 8.1\ndialog 80 set 400 412\n"
                              "dialog 80 set 404 10760\ndialog 80 set 414 19350\n"
                              "dialog 80 set 419 140\ndialog 80 press 1\nmenu 1030\n";
    const std::string mix = "answer yes Last Analysis\n"
                            "dialog 115 set 400 100\ndialog 115 set 404 1000\n"
                            "dialog 115 set 414 1700\ndialog 115 set 419 200\n"
                            "dialog 115 press 527\nmenu 113\n";
    ASSERT_EQ(Run(water + mix + "menu 1036\nmenustate\nanswer no Data has been modified\n"
                                "answer no Did you wish to leave data\n"),
              0)
        << Log();
    const std::string log = Log();
    const size_t item = log.find("[1049]");
    ASSERT_NE(item, std::string::npos) << log;
    EXPECT_EQ(log.substr(item, log.find('\n', item) - item).find("(grayed)"), std::string::npos)
        << log;
}

}  // namespace
