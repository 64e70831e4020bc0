// fuzz-link: tarvex_ui
//
// The sample-record file converter over damaged files. An input is the file
// itself, written to a folder of its own (in /dev/shm, else /tmp; removed after
// each input) and converted in each of the three ways: by its own version, and
// as a file of 1,245-byte records in both ways. Its header names OLD.INH, an inhibitor file of one whole record
// that is written anew for every input; the question for a missing one is
// answered No.
//
// A conversion either succeeds, and then leaves a current file (or, for a
// version the converter does not touch, the file as it was), or returns -1
// and leaves the file byte for byte as it was. Either way the live settings
// and the working analysis are as before.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "common/water_analysis.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "platform/win.h"
#include "shell/recordfiles/cor_converter.h"
#include "shell/recordfiles/cor_file.h"
#include "shell/records.h"

namespace {

namespace fs = std::filesystem;

// The engine's part is not under test: a stand-in leaves fixed results.
void StandInEngine() {
    for (int k = 0; k < kSaturationResultCount; ++k) SaturationResults[k] = static_cast<float>(k);
}
uint32_t NoTicks() {
    return 0;
}

const fs::path& Folder() {
    static const fs::path folder = [] {
        // A memory file system where there is one: every input writes and renames files.
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path f = base / ("tarvex_cor_fuzz_" + std::to_string(::getpid()));
        win::SetPathRoot(f.string());
        char current[kPathChars] = {};
        win::GetCurrentDirectory(sizeof current, current);
        std::memcpy(mainWindowState.installDir, current, sizeof current);
        converterServices.runCalculations = StandInEngine;
        converterServices.tickCount = NoTicks;
        win::AnswerMessageBox("", kCreateQuestion, win::IDNO, -1);
        return f;
    }();
    return folder;
}

void Put(const fs::path& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::vector<uint8_t> Get(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fs::path& folder = Folder();
    fs::create_directories(folder / "COR");
    fs::create_directories(folder / "INHIB");
    const fs::path file = folder / "COR" / "X.COR";
    const std::vector<uint8_t> input(data, data + size);
    const cor::Preamble settings = cor::LivePreamble(0);
    const WaterAnalysis analysis = currentAnalysis;
    for (int way = 0; way < 3; ++way) {
        std::vector<uint8_t> inhibitor(523, 0);
        bytes::PutU16(inhibitor.data() + 2, 41);
        std::memcpy(inhibitor.data() + 239, "OLD.INH", 7);
        Put(folder / "INHIB" / "OLD.INH", inhibitor.data(), inhibitor.size());
        Put(file, data, size);
        const int result = way == 0   ? ConvertOldWorkFile("\\COR\\X.COR")
                           : way == 1 ? ConvertOldFileA("\\COR\\X.COR")
                                      : ConvertOldFileB("\\COR\\X.COR");
        const std::vector<uint8_t> after = Get(file);
        if (result != 0 || after == input) {
            Check(after == input);
        } else {
            Check(after.size() >= cor::kFirstRecord &&
                  (after.size() - cor::kFirstRecord) % cor::kRecordBytes == 0);
            Check(bytes::GetU16(after.data()) ==
                  (after.size() - cor::kFirstRecord) / cor::kRecordBytes);
            Check(bytes::GetI16(after.data() + cor::kHeaderBytes) == kDataVersion);
        }
        Check(!fs::exists(folder / "COR" / "X.COR.~cv"));
        const cor::Preamble now = cor::LivePreamble(0);
        Check(std::memcmp(&now, &settings, sizeof now) == 0);
        Check(std::memcmp(&currentAnalysis, &analysis, sizeof analysis) == 0);
        win::ClearMessageBoxLog();
    }
    fs::remove_all(folder);
    return 0;
}
