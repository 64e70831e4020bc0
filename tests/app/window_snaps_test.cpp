// Pictures of each window class as it first shows (--snap-windows), in whole
// headless runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"
#include "platform/gdi/gdi.h"
#include "tests/app/program_run_fixture.h"

namespace {

namespace fs = std::filesystem;

TEST(CommandLineTest, DisplayAndWindowPictures) {
    ProgramOptions o;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"--display", "--snap-windows", "shots"}, o, error)) << error;
    EXPECT_TRUE(o.display);
    EXPECT_EQ(o.snapFolder, "shots");
    EXPECT_FALSE(ParseCommandLine({"--snap-windows"}, o, error));
}

class WindowSnapsTest : public ProgramRunFixture {
  protected:
    int RunSnapping(const std::string& script) {
        std::ofstream(folder / "script.txt") << script;
        ProgramOptions o;
        std::string error;
        EXPECT_TRUE(ParseCommandLine(
            {"--headless", "--desktop", "800x600", "--script", (folder / "script.txt").string(),
             "--log", (folder / "run.log").string(), "--snap-windows", (folder / "shots").string()},
            o, error));
        fs::create_directories(folder / "shots");
        const fs::path start = fs::current_path();
        fs::current_path(folder);
        const int code = RunProgram(o);
        fs::current_path(start);
        return code;
    }
    std::vector<std::string> Shots() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder / "shots"))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

// The main window once, however many actions follow; the water form, shown
// twice, once, after the main window, in the picture the snap verb takes.
TEST_F(WindowSnapsTest, EachWindowOnceInTheOrderOfShowing) {
    ASSERT_EQ(RunSnapping("dialog 81 snap form.ppm\n"
                          "dialog 81 press 2\n"
                          "menu 1030\n"
                          "dialog 81 press 2\n"
                          "menu 1030\n"
                          "snap TarvexMainClass main.ppm\n"
                          "menu 1028\n"
                          "answer no\n"),
              0)
        << Log();
    const std::vector<std::string> shots = Shots();
    ASSERT_EQ(shots.size(), 2u) << Log();
    EXPECT_EQ(shots[0], "001-TarvexMainClass.ppm");
    EXPECT_EQ(shots[1].substr(0, 4), "002-");
    win::Image32 seen;
    win::Image32 snapped;
    ASSERT_TRUE(win::ReadPpm((folder / "shots" / shots[0]).string(), &seen));
    ASSERT_TRUE(win::ReadPpm((folder / "main.ppm").string(), &snapped));
    EXPECT_EQ(seen.width, snapped.width);
    EXPECT_EQ(seen.height, snapped.height);
    ASSERT_TRUE(win::ReadPpm((folder / "shots" / shots[1]).string(), &seen));
    ASSERT_TRUE(win::ReadPpm((folder / "form.ppm").string(), &snapped));
    EXPECT_EQ(seen.pixels, snapped.pixels);
}

}  // namespace
