// Older work files made for tests, by a transcription of the older versions'
// layout of its own (nothing here is shared with the reader). For a version it
// writes a file whose every stored value names its record and position, and the
// workspace image (current layout) the load of that file must give when the
// workspace held `before`.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/byte_io.h"
#include "shell/workfile/work_file_layout.h"

namespace oldfile {

using workfile::kRecordTable;

inline bool In(int v, int low, int high) {
    return v >= low && v <= high;
}

// How a version stores one record.
enum class Kind { kNone, kSame, kRows, kAnalyses, kTexts, kSkip, kUnits, kNineOfEight, kShorts };
enum class Tail { kZero, kKeep };
struct Stored {
    Kind kind = Kind::kNone;
    int rows = 1;         // rows, analyses or descriptions
    int storedWidth = 0;  // f32 per stored row, or bytes per text
    int skip = 0;         // bytes skipped
    Tail tail = Tail::kZero;
};

inline Stored Same() {
    return {Kind::kSame};
}
inline Stored RowsOf(int rows, int width, Tail tail) {
    return {Kind::kRows, rows, width, 0, tail};
}
inline Stored SkipOf(int n) {
    return {Kind::kSkip, 1, 0, n};
}

// The text forms of records 13-16, 177 and 211: 1,024, 640 or 110 bytes per
// description (128 or 22 bytes per text), or none.
inline int TextBytes(int v) {
    if (In(v, 530, 555)) return 1024;
    if (In(v, 140, 199) || In(v, 528, 529)) return 128;
    return 22;
}

inline Stored FormFor(int r, int v) {
    const bool late = In(v, 539, 555);  // 64-value rows and 268-byte analyses
    const bool mid = In(v, 124, 499) || In(v, 512, 538);
    const bool from123 = In(v, 123, 499) || In(v, 511, 555);
    const bool mid123 = In(v, 123, 499) || In(v, 511, 538);
    if (r >= 1 && r <= 12) return Same();
    if (r >= 13 && r <= 16) {
        if (v < 114) return {};
        const int t = TextBytes(v);
        return t == 1024 ? Same() : Stored{Kind::kTexts, 1, t};
    }
    if (r >= 17 && r <= 21) return late ? Same() : Stored{Kind::kAnalyses, 1};
    if (r >= 22 && r <= 25) return late ? Same() : RowsOf(1, mid ? 48 : 46, Tail::kZero);
    if (r == 26 || r == 29 || r == 32 || r == 33) return Same();
    if (r == 27) return late ? Same() : RowsOf(10, 48, Tail::kKeep);
    if (r == 28) return late ? Same() : mid ? RowsOf(10, 48, Tail::kZero) : SkipOf(1840);
    if (r == 30 || r == 31) {
        if (late) return Same();
        if (mid) return r == 30 ? RowsOf(49, 48, Tail::kZero) : SkipOf(9408);
        return SkipOf(In(v, 116, 123) || In(v, 504, 511) ? 5096 : 4508);
    }
    if (r == 34) return SkipOf(v >= 117 ? 224 : 168);
    if (r >= 35 && r <= 49) return Same();
    if (r == 50) return In(v, 125, 499) || In(v, 513, 555) ? Same() : Stored{Kind::kUnits};
    if (r >= 51 && r <= 78) return Same();
    if (r == 79) {
        if (late) return RowsOf(10, 64, Tail::kZero);
        if (mid) return RowsOf(10, 22, Tail::kZero);
        if (In(v, 116, 123) || In(v, 504, 511)) return SkipOf(800);
        if (In(v, 113, 115) || In(v, 500, 503)) return SkipOf(680);
        return {};
    }
    if (r >= 80 && r <= 84) return v >= 113 ? Same() : Stored{};
    if (r == 85)
        return late ? RowsOf(49, 64, Tail::kZero) : mid ? RowsOf(49, 22, Tail::kZero) : Stored{};
    if (r >= 86 && r <= 88) {
        if (late) return RowsOf(1, 64, Tail::kZero);
        return In(v, 115, 538) ? RowsOf(1, 22, Tail::kZero) : Stored{};
    }
    if (r == 89) return In(v, 550, 555) ? Same() : Stored{};  // the older block is written apart
    if (r >= 90 && r <= 113) return In(v, 507, 549) ? Same() : Stored{};
    if (r == 114) return In(v, 119, 499) || In(v, 507, 555) ? Same() : Stored{};
    if (r == 115) return In(v, 507, 555) ? Same() : Stored{};
    if (r == 116) return late ? RowsOf(49, 48, Tail::kZero) : Stored{};
    if (r >= 117 && r <= 119) return In(v, 120, 499) || In(v, 508, 555) ? Same() : Stored{};
    if (r >= 120 && r <= 129) return In(v, 122, 499) || In(v, 510, 555) ? Same() : Stored{};
    if (r >= 130 && r <= 132) return In(v, 125, 499) || In(v, 513, 555) ? Same() : Stored{};
    if (r >= 133 && r <= 144) return from123 ? Same() : Stored{};
    if (r == 145) return late ? RowsOf(10, 48, Tail::kKeep) : Stored{};
    if (r == 146) {
        if (late) return Same();
        if (mid) return RowsOf(10, 48, Tail::kZero);
        return v == 123 || v == 511 ? SkipOf(184) : Stored{};
    }
    if (r == 147) return late ? Same() : mid123 ? RowsOf(10, 48, Tail::kKeep) : Stored{};
    if (r == 148) return late ? Same() : v == 123 || v == 511 ? SkipOf(184) : Stored{};
    if (r >= 149 && r <= 158) return from123 ? Same() : Stored{};
    if (r == 159) {
        if (In(v, 141, 499) || In(v, 529, 555)) return Same();
        return In(v, 123, 140) || In(v, 511, 528) ? Stored{Kind::kNineOfEight} : Stored{};
    }
    if (r >= 160 && r <= 166) return from123 ? Same() : Stored{};
    if (r == 167 || r == 168) return from123 ? RowsOf(10, 22, Tail::kZero) : Stored{};
    if (r == 169) return In(v, 124, 499) || In(v, 512, 555) ? Same() : Stored{};
    if (r == 170 || r == 171) return from123 ? Same() : Stored{};
    if (r == 172)
        return late ? RowsOf(1, 64, Tail::kZero) : mid123 ? RowsOf(1, 22, Tail::kZero) : Stored{};
    if (r == 173) return late ? Same() : mid123 ? Stored{Kind::kAnalyses, 1} : Stored{};
    if (r == 174) return late ? Same() : mid123 ? RowsOf(1, 48, Tail::kZero) : Stored{};
    if (r == 175)
        return late ? RowsOf(12, 64, Tail::kZero) : mid123 ? RowsOf(12, 22, Tail::kZero) : Stored{};
    if (r == 176) return late ? Same() : mid123 ? Stored{Kind::kAnalyses, 12} : Stored{};
    if (r == 177 || r == 211) {
        if (!from123) return {};
        const int t = TextBytes(v);
        return t == 1024 ? Same() : Stored{Kind::kTexts, r == 177 ? 12 : 1, t};
    }
    if (r == 178) return late ? Same() : mid123 ? RowsOf(12, 48, Tail::kZero) : Stored{};
    if (r >= 179 && r <= 210) return from123 ? Same() : Stored{};
    const bool from129 = In(v, 129, 499) || In(v, 517, 555);
    if (r == 212 || r == 213) return from129 ? Same() : Stored{};
    if (r == 214 || r == 215) {
        if (late) return Same();
        if (In(v, 129, 499) || In(v, 517, 538))
            return RowsOf(10, 48, r == 214 ? Tail::kKeep : Tail::kZero);
        return {};
    }
    if (r == 216) return from129 ? RowsOf(10, 22, Tail::kZero) : Stored{};
    if (r >= 217 && r <= 230) return from123 ? Same() : Stored{};
    if (r >= 231 && r <= 242) return In(v, 130, 499) || In(v, 518, 555) ? Same() : Stored{};
    if (r >= 243 && r <= 273) return In(v, 131, 499) || In(v, 519, 555) ? Same() : Stored{};
    if (r >= 274 && r <= 276) return In(v, 132, 499) || In(v, 520, 555) ? Same() : Stored{};
    if (r >= 277 && r <= 282) return In(v, 133, 499) || In(v, 521, 555) ? Same() : Stored{};
    if (r >= 283 && r <= 297) return In(v, 523, 555) ? Same() : Stored{};
    if (r == 298) return In(v, 524, 555) ? Same() : Stored{};
    const bool from527 = In(v, 527, 555);
    if (r >= 299 && r <= 304) return from527 ? Same() : Stored{};
    if (r == 305 || r == 306) {
        if (late) return Same();
        return In(v, 527, 538) ? RowsOf(12, 48, r == 305 ? Tail::kKeep : Tail::kZero) : Stored{};
    }
    if (r == 307)
        return late              ? RowsOf(12, 64, Tail::kZero)
               : In(v, 527, 538) ? RowsOf(12, 22, Tail::kZero)
                                 : Stored{};
    if (r >= 308 && r <= 312) return from527 ? Same() : Stored{};
    if (r == 313 || r == 314)
        return In(v, 546, 555) ? Same() : from527 ? Stored{Kind::kShorts} : Stored{};
    if (r >= 315 && r <= 317) return from527 ? Same() : Stored{};
    const int firstVersion[][3] = {
        {318, 318, 528}, {319, 319, 532}, {320, 321, 533}, {322, 340, 534}, {341, 356, 535},
        {357, 363, 540}, {364, 398, 548}, {399, 400, 551}, {401, 401, 552}, {402, 402, 553}};
    for (const auto& f : firstVersion)
        if (r >= f[0] && r <= f[1]) return In(v, f[2], 555) ? Same() : Stored{};
    return {};  // 403, 404 and 405
}

// A stored value that names its record and position; `generation` tells the
// file's values (0) from the workspace's before the load (1).
inline float Pattern(int record, int position, int generation) {
    return static_cast<float>(record * 10000 + position + 1 + generation * 5000000);
}

inline void PutPatternWords(uint8_t* to, size_t n, int record, int generation, int first = 0) {
    for (size_t at = 0; at < n; at += 4) {
        uint8_t word[4];
        bytes::PutF32(word, Pattern(record, first + static_cast<int>(at / 4), generation));
        std::memcpy(to + at, word, std::min<size_t>(4, n - at));
    }
}

// A text that names its record, description and field.
inline std::string PatternText(int record, int description, int field, int generation) {
    char t[24];
    std::snprintf(t, sizeof t, "%c%d.%d.%d", generation == 0 ? 'F' : 'W', record, description,
                  field);
    return t;
}

constexpr int kAnalysisBytes = 268;
constexpr int kLeadElement = 42;
constexpr int32_t kSteadyDate = 50505;  // the same in every date order

// A water analysis of the pattern: a head that names the record, dates that no
// date order changes, values of the pattern with lead 0; `values` of them.
// The values of the elements with a range of their own keep to it (a pH of 7
// and some hundredths, a temperature of 100 to 199 degrees F, a pressure of 1 to
// 100 atm, a pCO2 below 1 atm, a density of 1.0 to 1.1 g/mL, the modes and the
// species flag); the concentrations, an eighth of
// the pattern, stay below the 1,000,000 mg/L a concentration may reach in any
// unit.
inline float AnalysisPattern(int record, int index, int e, int generation) {
    const int n = record * 10 + index + generation;
    switch (e) {
        case 0:   // pH
        case 41:  // companion pH
            return 7.0f + static_cast<float>(n % 100) / 100.0f;
        case 15:  // temperature
            return static_cast<float>(100 + n % 100);
        case 38:  // pressure
            return static_cast<float>(1 + n % 100);
        case 39:  // pCO2, atm
            return static_cast<float>(n % 100) / 100.0f;
        case 40:  // density, g/mL
            return 1.0f + static_cast<float>(n % 100) / 1000.0f;
        case 22:  // reporting mode
            return static_cast<float>(1 + n % 3);
        case 23:  // species given
            return static_cast<float>(n % 2);
        case 24:  // alkalinity mode
            return static_cast<float>(1 + n % 7);
        case kLeadElement:
            return 0.0f;
        default:
            return (Pattern(record, index * 64 + e, 0) + static_cast<float>(generation * 200000)) /
                   8.0f;
    }
}

inline void PutAnalysis(uint8_t* to, int record, int index, int generation, int values) {
    bytes::PutI16(to, static_cast<int16_t>(record * 10 + index));
    bytes::PutI32(to + 2, kSteadyDate);
    bytes::PutI32(to + 6, kSteadyDate);
    bytes::PutI16(to + 10, static_cast<int16_t>(generation));
    for (int e = 0; e < values; ++e)
        bytes::PutF32(to + 12 + 4 * e, AnalysisPattern(record, index, e, generation));
}

// The what-if (record 32) or 3D graph (record 49) ranges, inside what their
// dialogs take in degrees F and atm; each generation its own.
inline void PutSettingRanges(uint8_t* to, int record, int generation) {
    const float g = static_cast<float>(generation);
    const float ph[3] = {5.0f + g, 8.0f + g, 6.0f + g};
    const float pressure[3] = {2.0f + g, 900.0f + g, 3.0f + g};
    const float pco2[3] = {0.1f + g, 5.0f + g, 1.0f + g};
    const float temperature[3] = {60.0f + g, 120.0f + g, 100.0f + g};
    const float* rows[4] = {ph, pressure, pco2, temperature};  // what-if order
    if (record == 49) {  // pH, temperature, pressure, pCO2, unused, mixing
        rows[1] = temperature;
        rows[3] = pco2;
        rows[2] = pressure;
    }
    const int rowStart[4] = {0, 3, 6, record == 49 ? 9 : 12};
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 3; ++i) bytes::PutF32(to + 4 * (rowStart[k] + i), rows[k][i]);
    if (record == 49)
        for (int i = 0; i < 3; ++i)
            bytes::PutF32(to + 4 * (15 + i), i == 2 ? 16.0f + g : i == 0 ? 10.0f + g : 90.0f - g);
}

// The words the finishing steps look at, set to what they leave alone.
struct Steady {
    int32_t lastWaterIndex = 3;
    int16_t componentCount = 3;  // of the older product block
    bool noFlags = false;        // no water entered, no result done
};

// The record as the workspace holds it in the pattern of `generation`, in the
// current layout.
inline void PutCurrentRecord(uint8_t* to, int r, int generation, const Steady& steady) {
    const uint32_t size = kRecordTable[r].size;
    if (r >= 13 && r <= 16) {
        std::memset(to, 0, size);
        for (int f = 0; f < 8; ++f) {
            const std::string t = PatternText(r, 0, f, generation);
            std::memcpy(to + 128 * f, t.c_str(), t.size());
        }
        return;
    }
    if (r == 177 || r == 211) {
        std::memset(to, 0, size);
        for (uint32_t d = 0; d < size / 1024; ++d)
            for (int f = 0; f < 8; ++f) {
                const std::string t = PatternText(r, static_cast<int>(d), f, generation);
                std::memcpy(to + 1024 * d + 128 * f, t.c_str(), t.size());
            }
        return;
    }
    if ((r >= 17 && r <= 21) || r == 173 || r == 176) {
        for (uint32_t k = 0; k < size / kAnalysisBytes; ++k)
            PutAnalysis(to + k * kAnalysisBytes, r, static_cast<int>(k), generation, 64);
        return;
    }
    PutPatternWords(to, size, r, generation);
    // The engine's 8-byte values hold the pattern as one f64.
    if (size == 8) bytes::PutF64(to, Pattern(r, 0, generation));
    // The blocks of mixed fields, where a real can lie at any byte: bytes below
    // 0x40, so that every real read from them is finite.
    if (r == 31 || r == 294)
        for (uint32_t k = 0; k < size; ++k)
            to[k] = static_cast<uint8_t>((r + 7 * k + 13 * generation) & 0x3F);
    // Flags are 0 or 1: every water entered, every result done.
    if ((r >= 1 && r <= 12) || r == 212 || r == 213) bytes::PutU16(to, steady.noFlags ? 0 : 1);
    switch (r) {
        case 130:  // the waters' C2-C5 acids, as a form takes them (below 1,000,000 mg/l)
        case 131:
        case 132:
        case 180:
            for (uint32_t k = 0; k < size / 4; ++k)
                bytes::PutF32(to + 4 * k, static_cast<float>(r * 100 + 10 * k + generation));
            break;
        case 179:  // the multi-mix residence times: each block's time, then in days,
                   // hours, minutes and seconds, within the year a water is given
            for (uint32_t k = 0; k < size / 20; ++k) {
                const float s0 = static_cast<float>(1 + k + generation);
                const float values[5] = {s0, s0 / 86400.0f, s0 / 3600.0f, s0 / 60.0f, s0};
                for (int i = 0; i < 5; ++i) bytes::PutF32(to + 20 * k + 4 * i, values[i]);
            }
            break;
        case 36:  // reporting mode
            bytes::PutU16(to, static_cast<uint16_t>(1 + generation));
            break;
        case 319:  // precipitation unit
            bytes::PutU16(to, static_cast<uint16_t>(generation));
            break;
        case 404:  // precipitation quantity
            bytes::PutU32(to, static_cast<uint32_t>(generation));
            break;
        case 26: {  // mixing percents in order, no pH control, prediction 3
            const float low = 10.0f + static_cast<float>(generation);
            const float high = 90.0f - static_cast<float>(generation);
            bytes::PutF32(to, low);
            bytes::PutF32(to + 4, high);
            bytes::PutF32(to + 8, (high - low) / 6.0f);
            bytes::PutF32(to + 12, 7.0f + 0.5f * static_cast<float>(generation));
            bytes::PutU16(to + 16, 0);
            bytes::PutU16(to + 18, 3);
            break;
        }
        case 32:  // what-if ranges of the units the file holds (degrees F, atm)
        case 49:  // the 3D graph ranges; the three unused values keep the pattern
            PutSettingRanges(to, r, generation);
            break;
        case 364:  // well log: temperatures, pressures, depth of the dialog's ranges
            for (int k = 0; k < 6; ++k)
                bytes::PutF32(to + 4 * k, static_cast<float>(100 + 10 * k + generation));
            bytes::PutF32(to + 60, 5000.0f + static_cast<float>(generation));
            break;
        case 318:  // one-page graphs: anhydrite, gypsum, calcite, barite, none
            for (int k = 0; k < 6; ++k) {
                const uint16_t graphs[6] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};
                bytes::PutU16(to + 2 * k,
                              static_cast<uint16_t>(graphs[k] + (k == 0 ? generation : 0)));
            }
            break;
        case 43:  // carbonate model
            bytes::PutU16(to, static_cast<uint16_t>(1 + generation));
            break;
        case 227:  // option switches and the well-log source
        case 228:
        case 401:
            bytes::PutU32(to, static_cast<uint32_t>(generation));
            break;
        case 399:
        case 403:
            bytes::PutU32(to, static_cast<uint32_t>(1 + generation));
            break;
        case 35:  // graphs chosen
            bytes::PutI16(to, 0);
            bytes::PutI16(to + 2, 2);
            for (int k = 0; k < 4; ++k) bytes::PutI16(to + 4 + 2 * k, static_cast<int16_t>(k + 1));
            break;
        case 37:
            bytes::PutU16(to, 2);
            break;
        case 44:
        case 135:
            bytes::PutU16(to, 0xFFFF);
            break;
        case 50:
            std::memset(to, 0, size);
            break;
        case 190:
            bytes::PutI32(to, steady.lastWaterIndex);
            break;
        case 193:
            bytes::PutI32(to, 1);
            break;
        case 89:  // a product table with no components, its first word naming the pattern
            std::memset(to, 0, size);
            bytes::PutI16(to, static_cast<int16_t>(5 + generation));
            break;
        case 191:
            if (steady.noFlags) std::memset(to, 0, size);
            break;
        case 192:  // every multi-mix water entered
            for (uint32_t k = 0; k < size; k += 4) bytes::PutU32(to + k, steady.noFlags ? 0 : 1);
            break;
        default:
            break;
    }
}

struct Fixture {
    std::vector<uint8_t> file;       // the older file
    std::vector<uint8_t> expected;   // the workspace image the load gives (before canonical form)
    std::vector<uint8_t> olderBase;  // the older product base record, when the file holds one
    std::vector<size_t> starts;      // where each stored piece begins in the file
    // Where each record's stored form begins in the file, and its bytes there
    // (0 when the version stores nothing of it).
    std::vector<size_t> recordAt = std::vector<size_t>(workfile::kRecordCount, 0);
    std::vector<size_t> recordBytes = std::vector<size_t>(workfile::kRecordCount, 0);
};

// The workspace before the load: every record in the pattern of generation 1.
inline std::vector<uint8_t> WorkspaceBefore(const Steady& steady) {
    std::vector<uint8_t> image(workfile::kFileBytes, 0);
    bytes::PutI16(image.data(), 557);
    for (int r = 1; r < workfile::kRecordCount; ++r)
        PutCurrentRecord(image.data() + kRecordTable[r].offset, r, 1, steady);
    return image;
}

// The older product block of versions 507-549: a base record with
// `steady.componentCount` components, then (543-549) the limits and the
// entries beyond seven.
inline void WriteOlderProduct(int v, const Steady& steady, Fixture& f) {
    std::vector<uint8_t> base(3965);
    for (size_t k = 0; k < base.size(); ++k) base[k] = static_cast<uint8_t>(k * 7 + 3);
    bytes::PutI16(base.data(), 5);
    bytes::PutI16(base.data() + 2, steady.componentCount);
    std::memset(base.data() + 122, 0, 80);
    std::memcpy(base.data() + 122, "OLDPROD.PRD", 11);
    f.olderBase = base;
    f.starts.push_back(f.file.size());
    f.file.insert(f.file.end(), base.begin(), base.end());
    if (!In(v, 543, 549)) return;
    f.starts.push_back(f.file.size());
    for (int k = 0; k < 604; ++k) f.file.push_back(static_cast<uint8_t>(k * 5 + 1));
    for (int c = 7; c < steady.componentCount; ++c) {
        f.starts.push_back(f.file.size());
        for (int k = 0; k < 535; ++k) f.file.push_back(static_cast<uint8_t>(c + k));
    }
}

// The file of version `v` and what loading it over `before` gives.
inline Fixture Make(int v, const std::vector<uint8_t>& before, const Steady& steady = {}) {
    Fixture f;
    f.expected = before;
    uint8_t word[2];
    bytes::PutI16(word, static_cast<int16_t>(v));
    f.file.assign(word, word + 2);
    auto at = [&](int r) { return f.expected.data() + kRecordTable[r].offset; };
    // The load's preparation: the current description, the product words.
    std::memset(at(13), 0, 1024);
    std::memset(at(94), 0, 2);
    std::memset(at(115), 0, 2);
    std::vector<uint8_t> current(32768);
    for (int r = 1; r < workfile::kRecordCount; ++r) {
        const uint32_t size = kRecordTable[r].size;
        PutCurrentRecord(current.data(), r, 0, steady);
        uint8_t* to = at(r);
        if (r == 89 && In(v, 507, 549)) WriteOlderProduct(v, steady, f);
        const Stored s = FormFor(r, v);
        std::vector<uint8_t> stored;
        switch (s.kind) {
            case Kind::kNone:
                break;
            case Kind::kSame:
                stored.assign(current.begin(), current.begin() + size);
                std::memcpy(to, current.data(), size);
                break;
            case Kind::kSkip:
                stored.assign(static_cast<size_t>(s.skip), 0xA5);
                break;
            case Kind::kRows: {
                const int currentWidth = static_cast<int>(size) / 4 / s.rows;
                stored.resize(static_cast<size_t>(4 * s.rows * s.storedWidth));
                for (int row = 0; row < s.rows; ++row)
                    for (int k = 0; k < s.storedWidth; ++k) {
                        const float value = Pattern(r, row * 100 + k, 0);
                        bytes::PutF32(stored.data() + 4 * (row * s.storedWidth + k), value);
                        if (k < currentWidth)
                            bytes::PutF32(to + 4 * (row * currentWidth + k), value);
                    }
                if (s.tail == Tail::kZero)
                    for (int row = 0; row < s.rows; ++row)
                        for (int k = s.storedWidth; k < currentWidth; ++k)
                            bytes::PutF32(to + 4 * (row * currentWidth + k), 0.0f);
                break;
            }
            case Kind::kAnalyses:
                for (int k = 0; k < s.rows; ++k) {
                    uint8_t a[kAnalysisBytes] = {};
                    PutAnalysis(a, r, k, 0, 48);
                    stored.insert(stored.end(), a, a + 204);
                    std::memcpy(to + k * kAnalysisBytes, a, kAnalysisBytes);
                }
                break;
            case Kind::kTexts:
                for (int d = 0; d < s.rows; ++d) {
                    uint8_t* desc = to + 1024 * d;
                    for (int t = 0; t < 5; ++t) {
                        std::vector<uint8_t> slot(static_cast<size_t>(s.storedWidth), 0);
                        const std::string text = PatternText(r, d, t, 0);
                        std::memcpy(slot.data(), text.c_str(), text.size());
                        stored.insert(stored.end(), slot.begin(), slot.end());
                        std::memset(desc + 128 * t, 0, 128);
                        std::memcpy(desc + 128 * t, text.c_str(), text.size());
                    }
                    if (r != 211)  // fields 5 and 6 emptied, except in the blend's description
                        for (int t : {5, 6}) std::memset(desc + 128 * t, 0, 128);
                }
                break;
            case Kind::kUnits:
                stored.assign(62, 0);
                std::memset(to, 0, size);
                break;
            case Kind::kNineOfEight:
                stored.assign(current.begin(), current.begin() + 32);
                std::memcpy(to, stored.data(), 32);
                bytes::PutF32(to + 32, 0.0f);
                break;
            case Kind::kShorts:
                for (int k = 0; k < 12; ++k) {
                    if (k < 7) {
                        uint8_t w[2];
                        bytes::PutI16(w, static_cast<int16_t>(r * 10 + k));
                        stored.insert(stored.end(), w, w + 2);
                    }
                    bytes::PutF32(to + 4 * k, k < 7 ? static_cast<float>(r * 10 + k) : 0.0f);
                }
                break;
        }
        if (!stored.empty()) f.starts.push_back(f.file.size());
        f.recordAt[r] = f.file.size();
        f.recordBytes[r] = s.kind == Kind::kSkip ? 0 : stored.size();
        f.file.insert(f.file.end(), stored.begin(), stored.end());
        // What a version without the record puts in its place.
        if (s.kind == Kind::kNone || s.kind == Kind::kSkip) {
            if (r >= 14 && r <= 16 && v < 114)
                for (int t : {0, 1, 2, 3, 5, 6}) std::memset(to + 128 * t, 0, 128);
            if (r == 79 && v <= 112)
                for (int row = 0; row < 10; ++row) std::memset(to + 152 * row, 0, 80);
            if (r >= 80 && r <= 84 && v <= 112) std::memset(to, 0, size);
            if (r == 85 && v <= 114)
                for (uint32_t k = 0; k < size; k += 4) bytes::PutF32(to + k, -99.0f);
            if (r == 115 || r == 403 || r == 404 || r == 405) std::memset(to, 0, size);
            if (r == 116 && (v <= 119 || In(v, 500, 507))) {
                for (int flag : {3, 4, 10, 11, 12}) std::memset(at(flag), 0, 2);
                for (int cell = 0; cell < 49; ++cell)
                    for (int k = 0; k < 7; ++k) bytes::PutF32(to + 256 * cell + 4 * k, -1.0f);
            }
            if (r == 146 && (v == 123 || v == 511)) std::memset(at(4), 0, 2);
            if (r == 148 && (v == 123 || v == 511)) std::memset(at(2), 0, 2);
            if (r == 113 && v <= 506) {
                for (int z : {90, 91, 92, 93, 95, 96, 97, 98, 100, 101, 102})
                    std::memset(at(z), 0, kRecordTable[z].size);
                std::memset(to, 0, size);
                std::memcpy(to, "OLD FILE", 8);
            }
        }
        if (r == 21 && v <= 529) {
            const int pairs[3][2] = {{14, 19}, {15, 20}, {16, 18}};
            for (const auto& p : pairs) {
                uint8_t* field7 = at(p[0]) + 7 * 128;
                std::memset(field7, 0, 128);
                const std::string n = std::to_string(bytes::GetI16(at(p[1])));
                std::memcpy(field7, n.c_str(), n.size());
            }
        }
        if (r == 210 && v <= 536) {
            const int waters = std::clamp(bytes::GetI32(at(190)) + 1, 0, 12);
            for (int k = 0; k < waters; ++k) {
                uint8_t* t = at(179) + 20 * k;
                const float s0 = bytes::GetF32(t);
                const float values[5] = {s0, s0 / 86400.0f, s0 / 3600.0f, s0 / 60.0f, s0};
                for (int i = 0; i < 5; ++i) bytes::PutF32(t + 4 * i, values[i]);
            }
        }
    }
    return f;
}

// The first version of each stored layout of the older files, as the
// generated files of the tests transcribe them.
inline std::vector<int> FirstVersionOfEachLayout() {
    std::vector<int> versions;
    std::vector<std::tuple<int, int, int, int, int>> before;
    for (int v = 1; v <= 555; ++v) {
        std::vector<std::tuple<int, int, int, int, int>> layout;
        for (int r = 1; r < workfile::kRecordCount; ++r) {
            const oldfile::Stored f = FormFor(r, v);
            layout.emplace_back(static_cast<int>(f.kind), f.rows, f.storedWidth, f.skip,
                                static_cast<int>(f.tail));
        }
        if (layout != before) versions.push_back(v);
        before = std::move(layout);
    }
    return versions;
}

}  // namespace oldfile
