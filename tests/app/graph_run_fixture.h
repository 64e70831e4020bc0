// A whole run of the program that opens a graph window: the window's records
// reset before and after the run, the outside tools that read its files back,
// and its pictures held to the goldens of tests/graphs/golden/.
// TARVEX_REMAKE_GOLDENS=1 writes the run's pictures over the goldens instead.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphs/graph_output_records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/threed_window_records.h"
#include "tests/app/program_run_fixture.h"

class GraphRunFixture : public ProgramRunFixture {
  protected:
    void SetUp() override {
        ProgramRunFixture::SetUp();
        ResetGraphOutputRecords();
        ResetWindowRecords();
    }
    void TearDown() override {
        ResetGraphOutputRecords();
        ResetWindowRecords();
        ProgramRunFixture::TearDown();
    }
    // The records of the graph window the run opens.
    virtual void ResetWindowRecords() {}

    // The tool's output and its exit status, run in the run's folder; its
    // error output joins the output unless toolErrors is false.
    std::string Tool(const std::string& command, int* status = nullptr) {
        const std::string line = "cd '" + folder.string() + "' && " +
                                 (toolErrors ? command + " 2>&1" : "(" + command + ") 2>/dev/null");
        FILE* pipe = popen(line.c_str(), "r");
        if (pipe == nullptr) return "";
        std::string out;
        char chunk[4096];
        std::size_t n = 0;
        while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) out.append(chunk, n);
        const int code = pclose(pipe);
        if (status != nullptr) *status = code;
        return out;
    }
    static bool Have(const char* tool) {
        return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
    }
    // "W H" of a binary PPM picture of the run (a snap of a window's client
    // area), each grown by `grow` (the exported pictures are one pixel larger);
    // "" when it cannot be read.
    std::string PictureSize(const std::string& name, int grow = 0) const {
        std::ifstream in(folder / name, std::ios::binary);
        std::string magic;
        int w = 0;
        int h = 0;
        if (!(in >> magic >> w >> h) || magic != "P6") return "";
        return std::to_string(w + grow) + " " + std::to_string(h + grow);
    }

    // Pixels of the run's picture `made` differing by more than 10 % from the
    // golden picture `golden`, or -1.
    long Differing(const std::string& golden, const std::string& made) {
        const std::filesystem::path g =
            std::filesystem::path(TARVEX_SOURCE_DIR) / "tests/graphs/golden" / golden;
        const std::filesystem::path m = folder / made;
        if (std::getenv("TARVEX_REMAKE_GOLDENS") != nullptr)
            std::filesystem::copy_file(m, g, std::filesystem::copy_options::overwrite_existing);
        const std::string command =
            "compare -metric AE -fuzz 10% '" + g.string() + "' '" + m.string() + "' null: 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return -1;
        char out[128] = {};
        const std::size_t n = std::fread(out, 1, sizeof out - 1, pipe);
        pclose(pipe);
        out[n] = '\0';
        char* end = nullptr;
        const double v = std::strtod(out, &end);
        return end == out ? -1 : static_cast<long>(v);
    }

    bool toolErrors = true;
};

// A run whose 3D graphs are looked at: their records start fresh, and a script
// runs in a fresh folder, answering the prompt of unsaved data at its end.
class ThreeDRunFixture : public GraphRunFixture {
  protected:
    void ResetWindowRecords() override {
        ResetThreeDGraphRecords();
        ResetThreeDWindowRecords();
    }
    void RunIn(const std::string& script) {
        Fresh();
        ASSERT_EQ(Run(script + "answer no Data has been modified\n"), 0) << Log();
    }
};
