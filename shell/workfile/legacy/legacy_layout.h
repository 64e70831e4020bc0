// How work files of versions 555 and below store each record of the current
// layout: which versions hold it, in which form, and what a version that lacks
// it puts in its place. Every version rule of the older files lives here.
#pragma once

#include <cstdint>

namespace legacy {

constexpr int16_t kOldest = -32768;
constexpr int16_t kNewestLegacyVersion = 555;

// A closed range of version words.
struct Span {
    int16_t low;
    int16_t high;
};
inline constexpr Span kNoSpan = {1, 0};

// Up to three ranges of versions.
struct Versions {
    Span spans[3] = {kNoSpan, kNoSpan, kNoSpan};
    [[nodiscard]] constexpr bool Has(int version) const {
        for (const Span& s : spans)
            if (version >= s.low && version <= s.high) return true;
        return false;
    }
};
constexpr Versions Ver(Span a, Span b = kNoSpan, Span c = kNoSpan) {
    return Versions{{a, b, c}};
}
inline constexpr Versions kAlways = Ver({kOldest, kNewestLegacyVersion});

// The stored form of a record.
enum class Stored : uint8_t {
    kCurrent,       // as the current layout stores it
    kRows,          // `rows` rows of `perRow` f32 in place of the current rows
    kAnalyses,      // `rows` water analyses of 204 bytes: the 12-byte head and 48 values
    kDescriptions,  // `rows` descriptions of five texts of `perRow` bytes each
    kSkip,          // `bytes` passed over; the record keeps what it held
    kUnits62,       // 31 u16 unit codes
    kConstants32,   // 8 of the 9 f32
    kWords14,       // 7 i16 for the first 7 of 12 f32
    kAbsent,        // nothing stored
    kProductTable,  // the product table as current; records 90-113 absent
    kOlderProduct,  // the older product base record, then records 90-113 as current
    kNoProduct,     // nothing stored for records 89-113
};

// What becomes of the part of a current row that the stored row lacks.
enum class Rest : uint8_t {
    kZero,  // set to 0
    kKeep,  // keeps what it held
};

// What a form puts in memory beyond the stored bytes.
enum class Fill : uint8_t {
    kNone,
    kZero,                // the whole record 0
    kMinus99,             // every f32 of the record -99.0
    kStoredDescriptions,  // fields 0-3, 5 and 6 of records 14-16 emptied
    kExcessHead,          // values 0-19 of each of the 10 rows 0
    kGridAnalysis,        // grid flags 0, values 0-6 of each of the 49 cells -1.0
    kTempProfileUndone,   // record 4 (tempProfileDone) 0
    kPhProfileUndone,     // record 2 (phProfileDone) 0
    kEmptyTexts56,        // fields 5 and 6 of each description emptied (with kDescriptions)
};

struct Form {
    int16_t first;  // records of the current layout
    int16_t last;
    Versions versions;
    Stored stored;
    uint32_t bytes;   // stored bytes per record
    uint16_t rows;    // rows, analyses or descriptions per record
    uint16_t perRow;  // f32 per stored row, or bytes per stored text
    Rest rest;
    Fill fill;
};

// The forms in record order; a record with no form for a version is absent.
extern const Form kForms[];
extern const int kFormCount;

// The form record `record` has in version `version`, or null when absent.
[[nodiscard]] const Form* FormOf(int record, int16_t version);

// Versions for the steps that belong to no single record.
inline constexpr Versions kSampleNumberTexts = Ver({kOldest, 529});  // field 7 from sampleNumber
inline constexpr Versions kResidenceRebuild = Ver({kOldest, 536});
inline constexpr Versions kProductLimits = Ver({543, 549});  // limits block and entries
inline constexpr Versions kWellLogKept = Ver({kOldest, 547});
inline constexpr Versions kOldDates = Ver({kOldest, 125}, {500, 513});
inline constexpr Versions kOldPhControl = Ver({kOldest, 122}, {500, 510});
inline constexpr Versions kNoLead = Ver({kOldest, 126}, {500, 515});

// Where the identification records lie in a file of version `version`: the
// description of the current water (record 13) and the analyses (records 17-21).
struct HeaderPlace {
    uint32_t descriptionOffset;  // record 13
    uint32_t descriptionBytes;   // per description: 0, 110, 640 or 1,024
    uint32_t analysisOffset;     // record 17
    uint32_t analysisBytes;      // per analysis: 204 or 268
};
[[nodiscard]] HeaderPlace HeaderPlaceOf(int16_t version);

}  // namespace legacy
