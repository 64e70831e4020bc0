// Whole sample-record files and inhibitor files: read, converted in memory and
// written back through a new file that replaces the old one only when complete.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "input/records.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "shell/commands/analysis_backup.h"
#include "shell/recordfiles/cor_converter.h"
#include "shell/recordfiles/cor_file.h"
#include "shell/records.h"

namespace {

namespace R = cor::Record;
namespace H = cor::Header;

constexpr uint32_t kMostRecords = 0xFFFF;  // what recordCount can count
constexpr uint32_t kInhibitorRecordBytes = 523;

// The whole file at `path`, read as the converter walks it: `head` bytes, then
// pieces of `chunk` bytes, each read checked. False when any read fails or
// comes back short.
bool ReadWhole(const char* path, std::vector<uint8_t>& out, uint32_t head, uint32_t chunk) {
    const win::HFILE file = win::_lopen(path, win::OF_READ);
    if (file == win::HFILE_ERROR) return false;
    const win::LONG size = win::_llseek(file, 0, 2);
    bool ok = size >= 0 && win::_llseek(file, 0, 0) == 0;
    if (ok) out.assign(static_cast<size_t>(size), 0);
    for (size_t at = 0; ok && at < out.size();) {
        const size_t want = std::min<size_t>(at == 0 ? head : chunk, out.size() - at);
        ok = win::_lread(file, out.data() + at, static_cast<win::UINT>(want)) ==
             static_cast<win::UINT>(want);
        at += want;
    }
    win::_lclose(file);
    return ok;
}

// The new contents of `path`, put in place only when complete.
bool WriteWhole(const char* path, const std::vector<uint8_t>& bytes) {
    return win::ReplaceFileContents(path, bytes.data(), bytes.size()) != win::FALSE;
}

// The live settings and the working analysis, put back when a conversion ends.
class KeptSettings {
  public:
    KeptSettings() : preamble_(cor::LivePreamble(0)), reporting_(reportingMode) {
        BackupCurrentAnalysis();
    }
    ~KeptSettings() {
        cor::ApplyPreamble(preamble_);
        reportingMode = reporting_;
        RestoreCurrentAnalysis();
        CloseProgressBar();
    }
    KeptSettings(const KeptSettings&) = delete;
    KeptSettings& operator=(const KeptSettings&) = delete;

  private:
    cor::Preamble preamble_;
    uint16_t reporting_;
};

// Where an older layout keeps the fields of a current record.
struct OldLayout {
    uint32_t size;
    bool keepsWords12;  // the u32 at 12 and 16
    uint32_t head;      // sampleNumber, reportDate, sampleDate, sampleTime
    uint32_t values;
    int valueCount;
    uint32_t results;
    int resultCount;
    uint32_t texts;   // five texts of 22 bytes
    uint32_t fields;  // the fields of 1568 to 1946
    int32_t limits;   // -1: none stored
};
constexpr OldLayout k901 = {901, false, 12, 24, 35, 164, 36, 352, 462, -1};
constexpr OldLayout k1101 = {1101, false, 12, 24, 35, 280, 36, 468, 578, -1};
constexpr OldLayout k1065 = {1065, true, 20, 32, 35, 288, 36, 432, 542, 981};
constexpr OldLayout k1245 = {1245, false, 20, 32, 64, 288, 46, 544, 654, -1};

std::vector<uint8_t> FromOldLayout(const uint8_t* old, const OldLayout& l) {
    std::vector<uint8_t> r(cor::kRecordBytes, 0);
    std::memcpy(r.data(), old, 12);
    if (l.keepsWords12) std::memcpy(r.data() + 12, old + 12, 8);
    std::memcpy(r.data() + R::kSampleNumber, old + l.head, 12);
    std::memcpy(r.data() + R::kValues, old + l.values, 4u * l.valueCount);
    std::memcpy(r.data() + R::kResults, old + l.results, 4u * l.resultCount);
    for (int t = 0; t < 5; ++t) {
        const uint8_t* text = old + l.texts + 22 * t;
        size_t n = 0;
        while (n < 22 && text[n] != 0) ++n;
        std::memcpy(r.data() + R::kDescription + 128 * t, text, n);
    }
    std::memcpy(r.data() + R::kFields, old + l.fields, R::kFieldsBytes);
    if (l.limits >= 0) {
        std::memcpy(r.data() + R::kLimitCodes, old + l.limits, 84);
    } else {
        for (int i = 0; i < cor::kLimitEntries; ++i) {
            bytes::PutF32(r.data() + R::kLimitValues + 8 * i, -99.0f);
            bytes::PutF32(r.data() + R::kLimitValues + 8 * i + 4, -99.0f);
        }
    }
    for (int i = 0; i < 40; ++i) bytes::PutU16(r.data() + R::kUnits + 2 * i, unitCodes.code[i]);
    return r;
}

void PutUnitDefaults(uint8_t* record) {
    namespace E = AnalysisElement;
    constexpr float kPressure[] = {1.0f, 1.0f, 14.7f, 100.0f};
    constexpr float kPco2[] = {0.0003162f, 0.0003162f, 0.00465f, 0.03162f};
    const uint16_t p = unitCodes.code[UnitItem::kPressure], c = unitCodes.code[UnitItem::kGasCo2],
                   d = unitCodes.code[UnitItem::kDensity];
    if (p < 4) cor::SetValue(record, E::kPressure, kPressure[p]);
    if (c < 4) cor::SetValue(record, E::kPco2, kPco2[c]);
    if (d == 0) cor::SetValue(record, E::kDensity, 1.0f);
    if (d == 1) cor::SetValue(record, E::kDensity, 8.34f);
    if (d == 2) cor::SetValue(record, E::kDensity, 29.16f);
}

// The converted file: the header with its count, the preamble, the records.
std::vector<uint8_t> Assemble(const uint8_t* header,
                              const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> out(cor::kFirstRecord, 0);
    std::memcpy(out.data(), header, cor::kHeaderBytes);
    bytes::PutU16(out.data() + H::kRecordCount, static_cast<uint16_t>(records.size()));
    cor::EncodePreamble(cor::LivePreamble(kDataVersion), out.data() + cor::kHeaderBytes);
    for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
    return out;
}

// The records of a file of `size` bytes from `first`, `recordBytes` each; 0
// with `ok` false when they do not fill it or are more than a count can hold.
uint32_t WholeRecords(size_t size, uint32_t first, uint32_t recordBytes, bool& ok) {
    ok = size >= first && (size - first) % recordBytes == 0 &&
         (size - first) / recordBytes <= kMostRecords;
    return ok ? static_cast<uint32_t>((size - first) / recordBytes) : 0;
}

// Where the records of a file of `version` below 215 lie, and their layout
// (null: current records).
struct Band {
    const OldLayout* layout;
    uint32_t first;
    uint32_t recordBytes;
};
Band BandOf(int16_t version) {
    if (version < 207) return {&k901, 295, k901.size};
    if (version == 207) return {&k1101, 295, k1101.size};
    if (version <= 209) return {&k1065, 337, k1065.size};
    if (version <= 212) return {&k1065, 347, k1065.size};
    return {nullptr, cor::kFirstRecord, cor::kRecordBytes};
}

// `fromFile`: the file's own alkalinity mode and carbonate model are in force
// while its records are recomputed, and its inhibitor file is upgraded first
// (once the file is known to be whole).
int Upgrade(int16_t version, const char* path, bool fromFile) {
    if (version >= 215) return 0;
    const Band band = BandOf(version);
    const OldLayout* layout = band.layout;
    std::vector<uint8_t> file;
    if (!ReadWhole(path, file, band.first, band.recordBytes) || file.size() < cor::kHeaderBytes + 6)
        return -1;
    bool whole = false;
    const uint32_t count = WholeRecords(file.size(), band.first, band.recordBytes, whole);
    if (!whole) return -1;
    std::vector<uint8_t> head(file.begin(), file.begin() + cor::kHeaderBytes);
    if (fromFile) (void)UpgradeInhibitorFiles(head.data());
    KeptSettings kept;
    if (fromFile) {
        alkalinityMode = bytes::GetU16(file.data() + cor::kHeaderBytes + 2);
        whatIfOptions.carbonateModel = bytes::GetU16(file.data() + cor::kHeaderBytes + 4);
    }
    UpdateConversionProgress(0, 0, 0);
    std::vector<std::vector<uint8_t>> records;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* old = file.data() + band.first + i * band.recordBytes;
        std::vector<uint8_t> r = layout != nullptr
                                     ? FromOldLayout(old, *layout)
                                     : std::vector<uint8_t>(old, old + cor::kRecordBytes);
        FixDateOrder(version, r.data());
        if (layout != nullptr) {
            ApplyConvertedUnits(r.data());
            for (int k = 36; k <= 46; ++k) cor::SetResult(r.data(), k, 0.0f);
        }
        records.push_back(std::move(r));
        UpdateConversionProgress(1, static_cast<int>(i + 1), static_cast<int>(count));
    }
    unitCodes.code[UnitItem::kStrontium] = 0;
    unitCodes.code[UnitItem::kBarium] = 0;
    if (layout != nullptr)
        for (auto& r : records) PutUnitDefaults(r.data());
    return WriteWhole(path, Assemble(head.data(), records)) ? 0 : -1;
}

int ConvertFile1245(const char* path, bool keepUnits) {
    std::vector<uint8_t> file;
    if (!ReadWhole(path, file, cor::kHeaderBytes, k1245.size) ||
        file.size() < cor::kHeaderBytes + 6)
        return -1;
    const uint8_t* p = file.data() + cor::kHeaderBytes;
    const int16_t version = bytes::GetI16(p);
    const bool shortUnits = version < 125 || (version >= 500 && version <= 512);
    const uint32_t unitBytes = shortUnits ? 62 : 80;
    const uint32_t first = cor::kHeaderBytes + 6 + unitBytes;
    bool whole = false;
    const uint32_t count = WholeRecords(file.size(), first, k1245.size, whole);
    if (!whole) return -1;
    KeptSettings kept;
    alkalinityMode = bytes::GetU16(p + 2);
    whatIfOptions.carbonateModel = bytes::GetU16(p + 4);
    if (!keepUnits)
        for (int i = 0; i < 40; ++i)
            unitCodes.code[i] = 2u * i < unitBytes ? bytes::GetU16(p + 6 + 2 * i) : 0;
    const int total = bytes::GetU16(file.data() + H::kRecordCount);
    UpdateConversionProgress(0, 0, 0);
    std::vector<std::vector<uint8_t>> records;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* old = file.data() + first + i * k1245.size;
        std::vector<uint8_t> r = FromOldLayout(old, k1245);
        if (keepUnits) {
            for (int k = 46; k <= 63; ++k) cor::SetResult(r.data(), k, 0.0f);
        } else {
            cor::SetResult(r.data(), 46, 0.0f);
            cor::SetResult(r.data(), 47, 0.0f);
            std::memcpy(r.data() + R::kWords, old + 1165, 80);
        }
        ApplyFileUnits(r.data());
        if (!keepUnits) {
            int32_t report = bytes::GetI32(r.data() + R::kReportDate);
            int32_t sample = bytes::GetI32(r.data() + R::kSampleDate);
            SwapDateOrder(version, &report, &sample);
            bytes::PutI32(r.data() + R::kReportDate, report);
            bytes::PutI32(r.data() + R::kSampleDate, sample);
        }
        records.push_back(std::move(r));
        UpdateConversionProgress(1, static_cast<int>(i + 1), total);
    }
    return WriteWhole(path, Assemble(file.data(), records)) ? 0 : -1;
}

// A text of at most `from` bytes into a slot of `to` bytes, ended within it.
void CopyText(uint8_t* to, size_t toBytes, const uint8_t* from, size_t fromBytes) {
    size_t n = 0;
    while (n < fromBytes && n + 1 < toBytes && from[n] != 0) ++n;
    std::memset(to, 0, toBytes);
    std::memcpy(to, from, n);
}

// A name of a file in one folder: not empty, no folder part, no drive, not "." or "..".
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string::npos;
}

}  // namespace

int UpgradeWorkFile(int16_t version, const char* path) {
    return Upgrade(version, path, false);
}

int ConvertOldWorkFile(const char* path) {
    std::vector<uint8_t> head(cor::kHeaderBytes + 2, 0);
    const win::HFILE file = win::_lopen(path, win::OF_READ);
    if (file == win::HFILE_ERROR) return -1;
    const bool read = win::_lread(file, head.data(), static_cast<win::UINT>(head.size())) ==
                      static_cast<win::UINT>(head.size());
    win::_lclose(file);
    if (!read) return -1;
    return Upgrade(bytes::GetI16(head.data() + cor::kHeaderBytes), path, true);
}

int ConvertOldFileA(const char* path) {
    return ConvertFile1245(path, true);
}

int ConvertOldFileB(const char* path) {
    return ConvertFile1245(path, false);
}

int UpgradeInhibitorFiles(uint8_t* header) {
    char name[cor::kHeaderBytes - H::kInhibitorFile + 1] = {};
    CopyText(reinterpret_cast<uint8_t*>(name), sizeof name, header + H::kInhibitorFile,
             cor::kHeaderBytes - H::kInhibitorFile);
    if (!IsPlainFileName(name)) return -1;  // names no file of the folder: left alone
    const std::string path = std::string(mainWindowState.installDir) + "\\INHIB\\" + name;
    const win::HFILE existing = win::_lopen(path.c_str(), win::OF_READ);
    if (existing == win::HFILE_ERROR) {
        const int answer = win::MessageBox(nullptr, kCreateQuestion, path.c_str(),
                                           win::MB_YESNO | win::MB_ICONINFORMATION);
        if (answer != win::IDYES) return -1;
        const win::HFILE created = win::_lcreat(path.c_str(), 0);
        if (created == win::HFILE_ERROR)
            win::MessageBox(nullptr, "Error: Cannot create file", path.c_str(),
                            win::MB_ICONINFORMATION);
        else
            win::_lclose(created);
        return -1;
    }
    win::_lclose(existing);
    // A file that cannot be read whole, or holds no whole record, is left alone.
    std::vector<uint8_t> record;
    if (!ReadWhole(path.c_str(), record, kInhibitorRecordBytes, kInhibitorRecordBytes) ||
        record.size() < kInhibitorRecordBytes)
        return -1;
    uint8_t* r = record.data();
    bytes::PutU16(r + 2, static_cast<uint16_t>(MapOldScaleCode(bytes::GetU16(r + 2))));
    for (int i = 0; i < 7; ++i)
        bytes::PutU16(r + 439 + 4 * i,
                      static_cast<uint16_t>(MapOldScaleCode(bytes::GetU16(r + 439 + 4 * i))));
    if (!WriteWhole(path.c_str(), record)) return -1;
    CopyText(header + H::kInhibitorFile, cor::kHeaderBytes - H::kInhibitorFile, r + 239, 80);
    CopyText(header + H::kText2, 20, r + 339, 80);
    CopyText(header + H::kText1, 20, r + 319, 20);
    return 0;
}
