// The preference commands run as a user's script runs them in a fresh folder:
// the windows-to-display dialogs saved in zorin.cnf (and Cancel writing
// nothing), the printout size typed and confirmed or stepped with the arrow,
// and the About box by the desktop's height.
#include <cstring>

#include "tests/app/program_run_fixture.h"

namespace {

class PreferencesRunTest : public ProgramRunFixture {
  protected:
    uint32_t Word(size_t at) const {
        const std::vector<uint8_t> b = Bytes("zorin.cnf");
        uint32_t v = 0;
        if (b.size() >= at + 4) std::memcpy(&v, b.data() + at, 4);
        return v;
    }
    double Lines() const {
        const std::vector<uint8_t> b = Bytes("zorin.cnf");
        double v = 0;
        if (b.size() >= 26) std::memcpy(&v, b.data() + 18, 8);
        return v;
    }
};

TEST_F(PreferencesRunTest, WindowsToDisplayAreSavedAndCancelWritesNothing) {
    ASSERT_EQ(Run("dialog 182 click 217\ndialog 182 press 1\nmenu 211\n"
                  "dialog 181 click 233\ndialog 181 press 2\nmenu 212\n"),
              0);
    EXPECT_EQ(Word(30), 1u);
    EXPECT_EQ(Bytes("zorin.cnf").size(), 1082u);
    EXPECT_EQ(Word(146), 0u);
    const std::string log = Log();
    const size_t cancelled = log.find("> menu 212");
    ASSERT_NE(cancelled, std::string::npos);
    EXPECT_EQ(log.find("file written zorin.cnf", cancelled), std::string::npos);
    EXPECT_NE(log.find("file written zorin.cnf", log.find("> menu 211")), std::string::npos);
}

TEST_F(PreferencesRunTest, ThePrintoutSizeIsSavedTypedOrStepped) {
    ASSERT_EQ(Run("dialog 79 set 517 47.5\ndialog 79 press 1\nmenu 1008\n"), 0);
    EXPECT_EQ(Lines(), 47.5);
    Fresh();
    std::filesystem::remove(folder / "zorin.cnf");
    ASSERT_EQ(Run("dialog 79 scroll 518 right\ndialog 79 press 1\nmenu 1008\n"), 0);
    EXPECT_EQ(Lines(), 51.0) << "a fresh folder starts at 50 lines";
}

// Cancel in the printout size dialog changes nothing: the pages are not made
// again, and the one-page summary in front of them stays in front. OK makes
// them again at the new size.
TEST_F(PreferencesRunTest, CancelledPrintoutSizeLeavesTheWindowsAsTheyWere) {
    const std::string water =
        "dialog 80 set 407 8.1\ndialog 80 set 400 412\ndialog 80 set 404 10760\n"
        "dialog 80 set 414 19350\ndialog 80 set 419 140\ndialog 80 press 1\nmenu 1030\n";
    ASSERT_EQ(Run(water + "menu 1248\nwindows\ndialog 79 set 517 30\ndialog 79 press 2\n"
                          "menu 1008\nwindows\ndialog 79 set 517 30\ndialog 79 press 1\n"
                          "menu 1008\nanswer no Data has been modified\n"),
              0)
        << Log();
    const std::string log = Log();
    const size_t cancelled = log.find("> menu 1008");
    const size_t confirmed = log.find("> menu 1008", cancelled + 1);
    ASSERT_NE(confirmed, std::string::npos) << log;
    const std::string afterCancel = log.substr(cancelled, confirmed - cancelled);
    for (const char* page : {"DisplayMUWater", "DisplayMUValues"}) {
        EXPECT_EQ(afterCancel.find(std::string("window created ") + page), std::string::npos)
            << afterCancel;
        EXPECT_NE(log.find(std::string("window created ") + page, confirmed), std::string::npos)
            << "OK makes the page again";
    }
    const auto listing = [&](size_t from) {
        std::string shown;
        std::istringstream in(log.substr(from));
        std::string line;
        while (std::getline(in, line) && line != "windows") {}
        while (std::getline(in, line) && line.rfind("  window ", 0) == 0) shown += line + "\n";
        return shown;
    };
    const std::string before = listing(0);
    EXPECT_NE(before.find("DisOnePage"), std::string::npos) << log;
    EXPECT_EQ(listing(cancelled), before);
    EXPECT_EQ(Lines(), 30.0) << "OK saves the size";
}

TEST_F(PreferencesRunTest, TheAboutBoxTakesItsTemplateByTheDesktopHeight) {
    EXPECT_EQ(Run("dialog 21 press 1\nmenu 10\n", "1920x1200"), 0);
    Fresh();
    EXPECT_EQ(Run("dialog 22 press 1\nmenu 10\n", "800x600"), 0);
}

}  // namespace
