// Work-file tests: a fresh program in an empty install folder, helpers that
// build file images by hand and take snapshots of the workspace, and a tear-down
// that puts every record the layout touches back to zero (its settings to their
// start values).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "common/byte_io.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/commands/work_file_commands.h"
#include "shell/startup/workspace_defaults.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"
#include "shell/workfile/work_file_records.h"
#include "tests/shell/shell_fixture.h"

namespace worktest {

using workfile::kFileBytes;
using workfile::kRecordTable;

// The settings records as a fresh program holds them (the start-up's well log,
// what-if, 3D graph and mixing ranges, pH control and one-page graphs): what a
// saved workspace holds at the least, as its settings have ranges.
inline void PutStartSettings() {
    const float well[16] = {280.0f, 130.0f, 77.0f,  480.0f,  150.0f, 14.7f, 5.6f, 6.6f,
                            7.2f,   0.45f,  0.045f, 0.0003f, 0.0f,   0.0f,  0.0f, 500.0f};
    std::copy(std::begin(well), std::end(well), wellLogSpecs.value);
    SetStartRanges(unitCodes, whatIfSettings, graphRangeSettings);
    mixingZoneSettings.mixLowPercent = graphRangeSettings.gridMixLow = 0.0f;
    mixingZoneSettings.mixHighPercent = graphRangeSettings.gridMixHigh = 100.0f;
    mixingZoneSettings.mixStepPercent = graphRangeSettings.mixTypicalPercent = 16.6666f;
    phControlSettings.targetPh = 7.0f;
    phControlSettings.phPredictionMethod = 4;
    const uint16_t graphs[6] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};
    std::copy(std::begin(graphs), std::end(graphs), displaySettings.graphParams);
}

// Every record the layout names back to zero (an all-zero image decoded), the
// settings records to their start values.
inline void ClearLayoutRecords() {
    const std::vector<uint8_t> zeros(kFileBytes, 0);
    (void)workfile::DecodeWorkFile(zeros.data(), zeros.size(), workfile::kRecordCount);
    ResetWorkFileRecords();
    PutStartSettings();
}

// What a load may change, as bytes: the layout's records and the shell words a
// load sets.
struct Snapshot {
    std::vector<uint8_t> image;
    int16_t dataVersion;
    int16_t loadedVersion;
    float entryTemperature;
    std::string workFilePath;
    bool operator==(const Snapshot&) const = default;
};
inline Snapshot TakeSnapshot() {
    return Snapshot{workfile::EncodeWorkFile(), mainWindowState.dataVersion,
                    mainWindowState.loadedVersion, entryTemperature, mainWindowState.workFilePath};
}

// The first byte of record `record` in an image.
inline uint8_t* At(std::vector<uint8_t>& image, int record, uint32_t within = 0) {
    return image.data() + kRecordTable[record].offset + within;
}

// Random bytes everywhere, in the shape of a workspace the reader takes: every
// byte below 0x40, so that every real of any alignment is finite (and positive,
// below 2); every water entered, with a temperature in range; the flags, modes,
// unit choices and indices the reader checks set in range; the product an empty
// one of a random count; each description text ended; the version word 557.
// The settings records of a random image inside their ranges (degrees F, atm):
// the mixing zone and pH control, the what-if and 3D graph ranges, the well log,
// the one-page graphs and the option words (none of them all zero).
inline void PutRandomSettings(std::vector<uint8_t>& image, std::mt19937& random) {
    auto between = [&random](float low, float high) {
        return low + (high - low) * static_cast<float>(random() % 1000) / 1000.0f;
    };
    auto put = [&image](int record, uint32_t field, float v) {
        bytes::PutF32(At(image, record, 4 * field), v);
    };
    for (uint32_t f : {0u, 1u}) put(26, f, between(0.0f, 100.0f));
    put(26, 2, between(-16.0f, 16.0f));
    put(26, 3, between(0.0f, 14.0f));
    bytes::PutU16(At(image, 26, 16), static_cast<uint16_t>(random() % 4));
    bytes::PutU16(At(image, 26, 18), static_cast<uint16_t>(random() % 6));
    // The what-if pH range in order, as its dialogs take it.
    put(32, 0, between(0.0f, 7.0f));
    put(32, 1, between(7.0f, 14.0f));
    put(32, 2, between(0.0f, 14.0f));
    for (uint32_t f = 0; f < 3; ++f) {
        put(32, 3 + f, between(1.0f, 1000.0f));    // pressure
        put(32, 6 + f, between(0.0f, 1000.0f));    // pCO2
        put(32, 12 + f, between(30.0f, 572.0f));   // temperature
        put(49, f, between(0.0f, 14.0f));          // pH
        put(49, 3 + f, between(30.0f, 572.0f));    // temperature
        put(49, 6 + f, between(1.0f, 1000.0f));    // pressure
        put(49, 9 + f, between(0.001f, 1000.0f));  // pCO2
        put(49, 15 + f, between(0.0f, 100.0f));    // percents
        put(364, f, between(30.0f, 572.0f));       // well temperatures (degrees F)
        put(364, 3 + f, between(1.0f, 1361.0f));   // well pressures (atm)
    }
    put(364, 15, between(100.0f, 20000.0f));
    for (uint32_t k = 0; k < 6; ++k)
        bytes::PutU16(At(image, 318, 2 * k),
                      random() % 2 ? uint16_t{0xFFFF} : static_cast<uint16_t>(random() % 128));
    bytes::PutU16(At(image, 43), static_cast<uint16_t>(1 + random() % 3));
    for (int word : {227, 228, 401}) bytes::PutU32(At(image, word), 1);
    for (int word : {399, 403}) bytes::PutU32(At(image, word), 1 + random() % 2);
    for (uint32_t k = 0; k < 4; ++k)  // the graphs chosen
        bytes::PutI16(At(image, 35, 4 + 2 * k), static_cast<int16_t>(random() % 129) - 1);
}

inline std::vector<uint8_t> RandomImage(uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> image(kFileBytes);
    for (uint8_t& b : image) b = static_cast<uint8_t>(random() & 0x3F);
    bytes::PutI16(image.data(), 557);
    for (int flag : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 212, 213})
        bytes::PutU16(At(image, flag), 1);
    for (uint32_t k = 0; k < 12; ++k) bytes::PutU32(At(image, 192, 4 * k), 1);
    // The entered waters' temperatures (degrees F), densities (g/mL) and species
    // flags in range.
    auto water = [&](uint8_t* values) {
        bytes::PutF32(values + 4 * 15, static_cast<float>(40 + random() % 500));
        bytes::PutF32(values + 4 * 40, static_cast<float>(1 + random() % 100) / 100.0f + 0.5f);
        bytes::PutF32(values + 4 * 23, static_cast<float>(random() % 2));
    };
    for (int stored : {18, 19, 20}) {
        water(At(image, stored, 12));
        // Dates of 2000 to 2099 and a time of day.
        const int32_t date = static_cast<int32_t>((100 + random() % 100) * 10000 +
                                                  (1 + random() % 12) * 100 + 1 + random() % 28);
        bytes::PutI32(At(image, stored, 2), date);
        bytes::PutI32(At(image, stored, 6), date);
        bytes::PutI16(At(image, stored, 10), static_cast<int16_t>(random() % 24 * 100 + random() % 60));
    }
    for (uint32_t k = 0; k < 12; ++k) {
        water(At(image, 176, 268 * k + 12));
        const int32_t date = static_cast<int32_t>((100 + random() % 100) * 10000 +
                                                  (1 + random() % 12) * 100 + 1 + random() % 28);
        bytes::PutI32(At(image, 176, 268 * k + 2), date);
        bytes::PutI32(At(image, 176, 268 * k + 6), date);
        bytes::PutI16(At(image, 176, 268 * k + 10), static_cast<int16_t>(random() % 2400 / 100 * 100));
    }
    // The values as entered are the stored waters' own, as a load of a file
    // without them makes them.
    for (int w = 0; w < 3; ++w) std::memcpy(At(image, 274 + w), At(image, 18 + w, 12), 256);
    for (uint32_t k = 0; k < 12; ++k)
        std::memcpy(At(image, 405, 256 * k), At(image, 176, 268 * k + 12), 256);
    bytes::PutU16(At(image, 36), static_cast<uint16_t>(1 + random() % 3));
    bytes::PutU16(At(image, 37), static_cast<uint16_t>(1 + random() % 7));
    bytes::PutU16(At(image, 319), static_cast<uint16_t>(1 + random() % 2));
    bytes::PutU32(At(image, 404), static_cast<uint32_t>(1 + random() % 2));
    for (uint32_t item = 0; item < 40; ++item)  // degrees F; the first unit of each item but one
        bytes::PutU16(At(image, 50, 2 * item), item == 0 ? 1 : 0);
    std::fill(At(image, 89), At(image, 89) + kRecordTable[89].size, uint8_t{0});
    for (uint32_t d = 0; d < 12 * 8; ++d) *At(image, 177, 128 * d + 127) = 0;
    for (uint32_t d = 0; d < 8; ++d) *At(image, 211, 128 * d + 127) = 0;
    bytes::PutI32(At(image, 190), static_cast<int32_t>(1 + random() % 11));
    bytes::PutI32(At(image, 193), static_cast<int32_t>(1 + random() % 11));
    bytes::PutI16(At(image, 89, 2), static_cast<int16_t>(random() % 29));
    bytes::PutI16(At(image, 35, 2), static_cast<int16_t>(random() % 6) - 1);
    bytes::PutU32(At(image, 357), 1);
    for (uint32_t k = 0; k < 12; ++k)  // statuses the program keeps as i16
        bytes::PutI32(At(image, 183, 4 * k), static_cast<int32_t>(random() % 9) - 4);
    PutRandomSettings(image, random);
    return image;
}

// The same image as the program writes it back: duplicated values made equal,
// names ended, statuses narrowed, padding zero.
inline std::vector<uint8_t> Canonical(const std::vector<uint8_t>& image) {
    EXPECT_TRUE(workfile::DecodeWorkFile(image.data(), image.size(), workfile::kRecordCount));
    return workfile::EncodeWorkFile();
}

class WorkFileTest : public shelltest::ShellTest {
  protected:
    void SetUp() override {
        shelltest::ShellTest::SetUp();
        PutStartSettings();
    }
    void TearDown() override {
        win::FailNextFileWrites(0);
        ClearLayoutRecords();
        shelltest::ShellTest::TearDown();
    }
    void SetPath(const char* path) {
        std::snprintf(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath, "%s",
                      path);
    }
    // Refusals of a load: the reader's own words, then the reason.
    static int Refusals() {
        int n = 0;
        for (const auto& b : win::MessageBoxLog()) n += b.text.rfind(kLoadFailedText, 0) == 0;
        return n;
    }
    // Boxes whose text is `text`, or starts with it and goes on after a blank
    // line (the file and the cause of a failure).
    static int BoxesWithText(const std::string& text) {
        int n = 0;
        for (const auto& b : win::MessageBoxLog())
            n += b.text == text || b.text.rfind(text + "\n\n", 0) == 0 ? 1 : 0;
        return n;
    }
};

}  // namespace worktest
