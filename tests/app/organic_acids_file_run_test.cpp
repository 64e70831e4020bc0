// A work file made once, with the working water's C2 to C5 organic acids at
// 10, 20, 30 and 40 mg/L (tests/app/files/organic_acids.krv): each acid comes
// back in its own field, and a save writes each into its own record again. A
// save and open of the program's own file cannot tell two acids read and
// written the wrong way round; a file written before can.
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/workfile/work_file_layout.h"
#include "tests/app/program_run_fixture.h"

namespace {

class OrganicAcidsFileRun : public ProgramRunFixture {};

TEST_F(OrganicAcidsFileRun, EachAcidComesBackInItsOwnField) {
    const std::filesystem::path made =
        std::filesystem::path(TARVEX_SOURCE_DIR) / "tests" / "app" / "files" / "organic_acids.krv";
    std::filesystem::copy_file(made, folder / "acids.krv");
    constexpr int kFields[] = {466, 467, 468, 469};  // C2, C3, C4, C5
    std::string script = "file acids.krv\nmenu 1020\n";
    for (int field : kFields) script += "dialog 80 read " + std::to_string(field) + "\n";
    script += "dialog 80 press 2\nmenu 1030\nfile again.krv\nmenu 1022\n";
    ASSERT_EQ(Run(script), 0) << Log();
    ASSERT_NE(Log().find("FILE SUCCESSFULLY RESTORED!"), std::string::npos) << Log();
    for (int k = 0; k < 4; ++k) {
        const std::vector<std::string> shown = Reads(kFields[k]);
        ASSERT_EQ(shown.size(), 1u) << Log();
        EXPECT_EQ(std::stod(shown[0]), 10.0 * (k + 1)) << "C" << k + 2;
    }
    // Records 126 to 129 hold C2 to C5, each as the file made once held it.
    const std::vector<uint8_t> before = Bytes("acids.krv"), after = Bytes("again.KRV");
    ASSERT_EQ(after.size(), before.size());
    for (int record = 126; record <= 129; ++record) {
        const uint32_t at = workfile::kRecordTable[record].offset;
        float was = 0.0f, now = 0.0f;
        std::memcpy(&was, before.data() + at, sizeof was);
        std::memcpy(&now, after.data() + at, sizeof now);
        EXPECT_EQ(was, 10.0f * static_cast<float>(record - 125)) << "record " << record;
        EXPECT_EQ(now, was) << "record " << record;
    }
}

}  // namespace
