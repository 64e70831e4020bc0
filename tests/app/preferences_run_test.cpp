// The preference commands run as a user's script runs them in a fresh folder:
// the windows-to-display dialogs saved in zorin.cnf (and Cancel writing
// nothing), the printout size typed and confirmed or stepped with the arrow,
// the About box by the desktop's height, and Index or Ratio on open windows.
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

namespace {

// The pixels in which two binary PPM pictures of one size differ; -1 when
// they are not two such pictures.
long PixelsApart(const std::string& a, const std::string& b) {
    std::istringstream ia(a), ib(b);
    std::string magic[2];
    int w[2] = {}, h[2] = {}, max[2] = {};
    if (!(ia >> magic[0] >> w[0] >> h[0] >> max[0]) || !(ib >> magic[1] >> w[1] >> h[1] >> max[1]))
        return -1;
    if (magic[0] != "P6" || magic[0] != magic[1] || w[0] != w[1] || h[0] != h[1]) return -1;
    const size_t size = 3u * static_cast<size_t>(w[0]) * static_cast<size_t>(h[0]);
    if (a.size() < size || b.size() < size) return -1;
    const size_t at = a.size() - size, bt = b.size() - size;
    long n = 0;
    for (size_t p = 0; p < size; p += 3) n += a.compare(at + p, 3, b, bt + p, 3) != 0;
    return n;
}

// PREFERENCES > Index or Ratio with the water's pages, its pH profile's pages
// and the one-page summary open: each window paints, at once, what it paints
// opened afresh in the form chosen; Cancel and the form chosen again change
// nothing on screen.
TEST_F(PreferencesRunTest, OpenWindowsFollowIndexOrRatio) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/scripts/seawater-ph.tvs");
    std::string start;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#' && line.rfind("text", 0) != 0 &&
            line.rfind("snap", 0) != 0 && line != "menu 1028")
            start += line + "\n";
    start += "menu 1248\n";
    const char* windows[] = {"DisplayMUValues", "DisplaypHValues", "DisOnePage"};
    auto snaps = [&windows](const std::string& tag) {
        std::string lines;
        for (const char* w : windows) lines += "snap " + std::string(w) + " " + w + tag + ".ppm\n";
        return lines;
    };
    const std::string index = "dialog 73 click 303\ndialog 73 press 1\nmenu 1078\n";
    const std::string cancelled = "dialog 73 click 302\ndialog 73 press 2\nmenu 1078\n";
    const std::string leave = "answer no Data has been modified\n";
    ASSERT_EQ(Run(start + snaps("a") + index + snaps("b") + cancelled + index + snaps("c") + leave),
              0)
        << Log();
    std::vector<std::string> kept;
    for (const char* tag : {"a", "b", "c"})
        for (const char* w : windows) kept.push_back(Read(std::string(w) + tag + ".ppm"));
    Fresh();
    ASSERT_EQ(Run(index + start + snaps("f") + leave), 0) << Log();
    for (size_t w = 0; w < std::size(windows); ++w) {
        SCOPED_TRACE(windows[w]);
        const std::string fresh = Read(std::string(windows[w]) + "f.ppm");
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(kept[w] != kept[3 + w]) << "not painted in the index form";
        // The pictures name the sample time: two runs a minute apart differ
        // in its digits alone, within a few hundred pixels.
        const long apart = PixelsApart(kept[3 + w], fresh);
        EXPECT_GE(apart, 0);
        EXPECT_LE(apart, 200) << "not the window opened afresh";
        EXPECT_TRUE(kept[3 + w] == kept[6 + w]) << "Cancel or the same form again changed it";
    }
}

}  // namespace
