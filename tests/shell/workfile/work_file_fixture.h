// Work-file tests: a fresh program in an empty install folder, helpers that
// build file images by hand and take snapshots of the workspace, and a tear-down
// that puts every record the layout touches back to zero.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "common/byte_io.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/commands/work_file_commands.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"
#include "shell/workfile/work_file_records.h"
#include "tests/shell/shell_fixture.h"

namespace worktest {

using workfile::kFileBytes;
using workfile::kRecordTable;

// Every record the layout names back to zero: an all-zero image decoded.
inline void ClearLayoutRecords() {
    const std::vector<uint8_t> zeros(kFileBytes, 0);
    (void)workfile::DecodeWorkFile(zeros.data(), zeros.size(), workfile::kRecordCount);
    ResetWorkFileRecords();
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
inline std::vector<uint8_t> RandomImage(uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> image(kFileBytes);
    for (uint8_t& b : image) b = static_cast<uint8_t>(random() & 0x3F);
    bytes::PutI16(image.data(), 557);
    for (int flag : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 212, 213})
        bytes::PutU16(At(image, flag), 1);
    for (uint32_t k = 0; k < 12; ++k) bytes::PutU32(At(image, 192, 4 * k), 1);
    // The entered waters' temperatures (degrees F) and species flags in range.
    auto water = [&](uint8_t* values) {
        bytes::PutF32(values + 4 * 15, static_cast<float>(40 + random() % 500));
        bytes::PutF32(values + 4 * 23, static_cast<float>(random() % 2));
    };
    for (int stored : {18, 19, 20}) water(At(image, stored, 12));
    for (uint32_t k = 0; k < 12; ++k) water(At(image, 176, 268 * k + 12));
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
