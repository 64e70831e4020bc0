// Checking a work-file image value by value before it is loaded
// (work_file_validation.h). The records are read through the codec's visitor,
// so the checks follow the same field order as the reader.
#include "shell/workfile/work_file_validation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>

#include "common/byte_io.h"
#include "common/settings_ranges.h"
#include "input/fields/decimal_field.h"
#include "input/typed_values.h"
#include "input/units/analysis_ranges.h"
#include "input/units/settings_unit_change.h"
#include "input/units/unit_choices.h"
#include "input/waterform/form_text.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/calendar/date_text.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/work_file_checks.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_field_names.h"
#include "shell/workfile/work_file_layout.h"
#include "shell/workfile/work_file_typed_checks.h"
#include "treatment/files/product_checks.h"
#include "treatment/records.h"

namespace workfile {
namespace {

constexpr int kUnitsRecord = 50;
constexpr int kWhatIfRecord = 32;
constexpr int kResidenceSecondsRecord = 108;
// The surface, injection and formation waters' residence times, in seconds.
constexpr int kFirstWaterResidenceRecord = 258;
constexpr int kCorrosionTargetRecord = 114;
constexpr int kSurfaceRecord = 18;
constexpr int kInjectionRecord = 19;
constexpr int kFormationRecord = 20;
constexpr int kMixedWaterRecord = 173;
constexpr int kBlendRowRecord = 174;
constexpr int kSourceWatersRecord = 176;
constexpr int kSourceRowsRecord = 178;
constexpr int kEnteredRecord = 192;
constexpr int kFirstEnteredRow = 274;
constexpr int kSourceRowsAsEntered = 405;
constexpr int kOnePageGraphsRecord = 318;
constexpr double kLargestStored = 1.0e37;
// The stored analyses are cleaned after a load: a value beyond this becomes 0.
// A file must not hold one there, so that nothing changes without a word.
constexpr double kLargestInAnalysis = 1.0e30;
// The older reader makes an analysis value of a magnitude above this 0.
constexpr double kLargestOlderValue = 1.0e8;

// As many digits as show the value itself: 1000.0001 is past 1,000.
std::string Number(double v) {
    char text[40];
    const bool single = static_cast<double>(static_cast<float>(v)) == v;
    for (int digits = 6; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, v);
        const double read = std::strtod(text, nullptr);
        if (single ? static_cast<float>(read) == static_cast<float>(v) : read == v) break;
    }
    return text;
}

// Integer fields with a range of their own: the status flags, the modes kept
// beside the unit choices, the multi-mix indexes and the graph choice count.
struct WordRange {
    int record;
    int field;  // the field within the record
    int64_t low;
    int64_t high;
};
constexpr WordRange kWordRanges[] = {
    {1, 0, 0, 1},
    {2, 0, 0, 1},
    {3, 0, 0, 1},
    {4, 0, 0, 1},
    {5, 0, 0, 1},
    {6, 0, 0, 1},
    {7, 0, 0, 1},
    {8, 0, 0, 1},
    {9, 0, 0, 1},
    {10, 0, 0, 1},
    {11, 0, 0, 1},
    {12, 0, 0, 1},
    {212, 0, 0, 1},
    {213, 0, 0, 1},
    {35, 1, -1, 4},                        // graph choice count
    {36, 0, 0, 3},                         // reporting mode
    {37, 0, 0, 7},                         // alkalinity mode
    {190, 0, 0, kMultiMixWaterCount - 1},  // last multi-mix water
    {193, 0, 0, kMultiMixWaterCount - 1},  // multi-mix water being edited
    {319, 0, 0, 2},                        // precipitation unit
    {404, 0, 0, 2},                        // precipitation quantity
    // The graphs chosen: an IndexCode, a dose graph, or -1 for none.
    {35, 2, -1, SettingRanges::kGraphCodeLimit - 1},
    {35, 3, -1, SettingRanges::kGraphCodeLimit - 1},
    {35, 4, -1, SettingRanges::kGraphCodeLimit - 1},
    {35, 5, -1, SettingRanges::kGraphCodeLimit - 1},
    // pH control and the what-if options.
    {26, 4, 0, 3},   // pH control method
    {26, 5, 0, 5},   // pH prediction method
    {43, 0, 0, 3},   // carbonate model
    {227, 0, 0, 1},  // use the input temperature
    {228, 0, 0, 1},  // force the evaluation pH for pressure
    {399, 0, 0, 2},  // well-log source of pressures and temperatures
    {401, 0, 0, 1},  // correct the pH for temperature
    {403, 0, 0, 2},  // the same source again
};

// The settings records' reals with a range: the record, the fields (in file
// order) and their range in the file's units.
using RangeOf = SettingRange (*)(const UnitCodes&);
struct RealRange {
    int record;
    int first;
    int last;
    RangeOf range;
};
namespace R = SettingRanges;
constexpr SettingRange Ph(const UnitCodes&) {
    return R::kPh;
}
constexpr SettingRange Percent(const UnitCodes&) {
    return R::kPercent;
}
constexpr SettingRange PercentStep(const UnitCodes&) {
    return R::kPercentStep;
}
// The temperatures, pressures and pCO2s of the settings as the dialogs take
// them in any unit, converted into the file's unit (a change of units converts
// them exactly).
SettingRange Temperature(const UnitCodes& u) {
    return HeldSettingSpan(SettingQuantity::kTemperature, u.code[UnitItem::kTemperature]);
}
SettingRange Pressure(const UnitCodes& u) {
    return HeldSettingSpan(SettingQuantity::kPressure, u.code[UnitItem::kPressure]);
}
// The pH that pH control brings a water to: above 0, as its dialogs take it.
constexpr SettingRange TargetPh(const UnitCodes&) {
    return R::kTargetPh;
}
// The pH a what-if or grid point is calculated at, as the what-if, mixing
// zone and Change Range dialogs take it: never 0.
constexpr SettingRange PointPh(const UnitCodes&) {
    return R::kPointPh;
}
// The pCO2 of a range as its dialogs take it, in the file's unit.
SettingRange Pco2(const UnitCodes& u) {
    return HeldSettingSpan(SettingQuantity::kPco2, u.code[UnitItem::kGasCo2]);
}
// A value no dialog edits, kept as far as any dialog ever took one.
SettingRange StoredPco2(const UnitCodes& u) {
    const SettingRange held = Pco2(u);
    const SettingRange once = R::StoredPco2(u.code[UnitItem::kGasCo2]);
    return {0.0, std::max(held.high, once.high)};
}
SettingRange WellTemperature(const UnitCodes& u) {
    return HeldSettingSpan(SettingQuantity::kWellTemperature, u.code[UnitItem::kTemperature]);
}
SettingRange WellPressure(const UnitCodes& u) {
    return HeldSettingSpan(SettingQuantity::kWellPressure, u.code[UnitItem::kPressure]);
}
constexpr SettingRange WellDepth(const UnitCodes&) {
    return R::kWellDepth;
}
constexpr RealRange kRealRanges[] = {
    {26, 0, 1, Percent},           // mixing low and high percent
    {26, 2, 2, PercentStep},       // mixing step
    {26, 3, 3, TargetPh},          // target pH
    {32, 0, 2, PointPh},           // what-if pH low, high, evaluation
    {32, 3, 5, Pressure},          // pressure
    {32, 6, 8, Pco2},              // pCO2
    {32, 12, 14, Temperature},     // temperature
    {49, 0, 1, PointPh},           // 3D graph pH low and high
    {49, 2, 2, Ph},                // the grid's evaluation pH, no dialog's
    {49, 3, 5, Temperature},       // temperature
    {49, 6, 8, Pressure},          // pressure
    {49, 9, 10, Pco2},             // pCO2 low and high
    {49, 11, 11, StoredPco2},      // the grid's evaluation pCO2, no dialog's
    {49, 15, 17, Percent},         // mixing low, high and typical percent
    {364, 0, 2, WellTemperature},  // bottom hole, separator, after flashing
    {364, 3, 5, WellPressure},
    {364, 15, 15, WellDepth},
};

class Checker : public RecordVisitor {
  public:
    Checker(const UnitCodes& units, const bool (&entered)[kRecordCount],
            const bool (&sourceEntered)[kMultiMixWaterCount], bool olderFile, bool datesPacked)
        : units_(units),
          entered_(entered),
          sourceEntered_(sourceEntered),
          older_(olderFile),
          datesPacked_(datesPacked) {}

    // The waters whose values as typed the file holds in a row of their own
    // (surface, injection, formation; the multi-mix waters): their stored
    // values are those the calculation balanced, which may add more of a
    // balancing ion than anyone types, and found (CalculatedInStoredWater).
    void TypedRows(const bool (&stored)[3], const bool (&sources)[kMultiMixWaterCount]) {
        std::copy(std::begin(stored), std::end(stored), typedRow_);
        std::copy(std::begin(sources), std::end(sources), sourceTypedRow_);
    }

    void Start(int record) {
        record_ = record;
        field_ = 0;
        water_ = 0;
    }
    const std::string& fault() const { return fault_; }

    void Real(double v) override {
        if (!RowRepairedByReader()) NotFinite(field_, v);
        for (const RealRange& r : kRealRanges)
            if (r.record == record_ && field_ >= r.first && field_ <= r.last && fault_.empty())
                // An older file's pH target of 0 is kept, as its reader always kept it.
                OutsideRange(v, older_ && r.range == TargetPh ? Ph(units_) : r.range(units_));
        if (fault_.empty() && !older_) Paired(v);
        // The water form's residence time (in seconds) and corrosion target,
        // as the form takes them; each entered water's own residence time,
        // which its form shows and takes back, alike.
        if (fault_.empty() && !older_ && field_ == 0 &&
            (record_ == kResidenceSecondsRecord || EnteredWaterResidence()))
            OutsideRange(v, {0.0, kLongestResidenceSeconds});
        if (fault_.empty() && !older_ && field_ == 0 && record_ == kCorrosionTargetRecord) {
            // As the form takes it, with the rounding of its float.
            const AnalysisValueRange r = RangeOfKind(FieldKind::kCorrosionTarget, units_);
            if (!RangeHolds(r, v))
                Fail(ValueName(record_, field_) + " (" + Number(v) + ") is outside 0 to " +
                     StatedEnd(r.high * (1.0 + 1e-6)));
        }
        if (field_ == 0) first_ = v;
        ++field_;
    }
    void Word(int64_t v) override {
        for (const WordRange& w : kWordRanges)
            if (w.record == record_ && w.field == field_ && (v < w.low || v > w.high))
                Fail(ValueName(record_, field_) + " (" + std::to_string(v) + ") is outside " +
                     std::to_string(w.low) + " to " + std::to_string(w.high));
        // A one-page graph is a mineral's IndexCode or none.
        if (record_ == kOnePageGraphsRecord &&
            !SettingRanges::GraphParamValid(static_cast<uint16_t>(v)))
            Fail(ValueName(record_, field_) + " (" + std::to_string(v) +
                 ") is no graph: below " + std::to_string(SettingRanges::kGraphCodeLimit) +
                 " or 65535 (none)");
        ++field_;
    }
    // Older files' texts are read up to their end or their slot's, whichever
    // comes first, as their reader always took them.
    void Text(const char* slot, size_t size) override {
        if (!older_ && std::memchr(slot, 0, size) == nullptr)
            Fail("text " + std::to_string(field_) + " does not end within its " +
                 std::to_string(size) + " bytes");
        ++field_;
    }
    void Analysis(const WaterAnalysis& a) override {
        const std::string which =
            record_ == kSourceWatersRecord ? "water " + std::to_string(water_ + 1) + ", " : "";
        const bool ranged = record_ == kSourceWatersRecord
                                ? water_ < kMultiMixWaterCount && sourceEntered_[water_]
                                : entered_[record_];
        for (int e = 0; e < AnalysisElement::kCount && fault_.empty(); ++e) {
            float v = a.values[e];
            // The older reader's repairs, but for a value beyond any it keeps in
            // an entered water: that one is the file's, and typing refuses it.
            const bool beyondOlder = std::isfinite(v) && std::fabs(v) > kLargestOlderValue;
            if (older_ && RepairedAnalysis() && !(ranged && beyondOlder))
                v = legacy::RepairedStoredValue(e, v);
            NotFinite(e, v, which);
            const bool balanced =
                TypedRow() && (CalculatedInStoredWater(e) || (v >= 0.0f && BalancingIon(e)));
            if (fault_.empty() && ranged && !balanced && !AnalysisValueAllowed(e, v, units_)) {
                const AnalysisValueRange r = RangeOfAnalysisValue(e, units_);
                const std::string where =
                    v > r.high     ? "above " + GroupedNumber(std::round(r.high))
                    : r.low == 0.0 ? std::string("negative")
                                   : "below " + GroupedNumber(std::round(r.low));
                Fail(which + ValueName(record_, e) + " (" + Number(v) + ") is " + where);
            }
        }
        // The flows together, as the form takes them.
        if (fault_.empty() && ranged) {
            const float* v = a.values;
            const std::string flows =
                FlowsWithoutBrineText(v[AnalysisElement::kBrineFlow], v[AnalysisElement::kOilFlow],
                                      v[AnalysisElement::kGasFlow]);
            if (!flows.empty()) Fail(which + flows);
        }
        if (ranged && datesPacked_ && StoredWater()) NoDate(a);
        ++water_;
    }
    void Description(const SampleDescription& d) override {
        for (int k = 0; k < 8; ++k) Text(d.text[k], sizeof d.text[k]);
    }
    void Product(const ProductTable& t) override {
        if (t.componentCount < 0 || t.componentCount > kProductRecordCount) {
            Fail("its component count (" + std::to_string(t.componentCount) + ") is outside 0 to " +
                 std::to_string(kProductRecordCount));
            return;
        }
        // The first product record carries the product's texts even when none is
        // loaded. The product of an older file is the older layout's, which its
        // reader converts as it finds it: its numbers only have to be finite.
        const int shown = t.componentCount > 0 ? t.componentCount : 1;
        std::string why = ProductNumbersFault(t, older_ ? HUGE_VAL : kLargestStored);
        if (why.empty() && !older_) why = ProductTableFault(t, shown);
        if (!why.empty()) Fail(why);
    }
    void Units(const UnitCodes& u) override {
        if (older_) return;  // the older reader clamps them itself
        for (int item = 0; item < UnitItem::kCount - 1 && fault_.empty(); ++item) {
            // The pH has one unit, but the units dialog's presets once stored 1
            // for it, which names the same unit: such files are taken.
            const int most = item == UnitItem::kPh ? 1 : MaxUnitChoice(item);
            if (u.code[item] > most)
                Fail("unit choice " + std::to_string(item) + " (" + std::to_string(u.code[item]) +
                     ") is outside 0 to " + std::to_string(most));
        }
    }

  private:
    bool TypedRow() const {
        if (record_ == kSourceWatersRecord)
            return water_ < kMultiMixWaterCount && sourceTypedRow_[water_];
        return StoredWater() && typedRow_[record_ - kSurfaceRecord];
    }
    // The three stored waters, whose dates and time the forms and pages show.
    bool StoredWater() const {
        return record_ == kSurfaceRecord || record_ == kInjectionRecord ||
               record_ == kFormationRecord;
    }
    // A date no calendar holds, or a time that is no time of day.
    void NoDate(const WaterAnalysis& a) {
        const uint16_t order = units_.code[UnitItem::kDateFormat];
        auto shown = [order](int32_t packed) {
            char text[64];
            WriteDateText(UnpackDate(packed), order, text, sizeof text);
            return std::string(text);
        };
        // 0: no date was stored.
        if (a.reportDate != 0 && !IsPackedDate(a.reportDate))
            Fail("Report Date (" + shown(a.reportDate) + ") is not a date");
        else if (a.sampleDate != 0 && !IsPackedDate(a.sampleDate))
            Fail("Sample Date (" + shown(a.sampleDate) + ") is not a date");
        else if (!IsSampleTime(a.sampleTime))
            Fail("Time (" + std::to_string(a.sampleTime) + ") is not a time of day");
    }
    bool RepairedAnalysis() const {
        return record_ == kSurfaceRecord || record_ == kInjectionRecord ||
               record_ == kFormationRecord || record_ == kMixedWaterRecord ||
               record_ == kSourceWatersRecord;
    }
    // Rows whose values the older reader sets to 0 when they are not finite.
    bool RowRepairedByReader() const {
        return older_ && (record_ == kBlendRowRecord || record_ == kSourceRowsRecord);
    }
    // Not a number, infinite, or beyond the 1e37 that the engine bounds every
    // value it stores with (engine/pipeline/numbers/clamp_to_float.h).
    void NotFinite(int index, double v, const std::string& which = {}) {
        const std::string name = which + ValueName(record_, index);
        // The analyses the older reader repairs hold whatever it makes 0. The
        // results of an older file that no calculation gives are let go before
        // these checks (ForgetUnusableResults): what is left beyond the bound
        // is a value the user typed or chose, which no form takes.
        const bool repaired = older_ && RepairedAnalysis();
        // The clean-up compares f32 values: 1e30 itself, as an f32, stays.
        const double largest = StoredWater() && !older_
                                   ? static_cast<double>(static_cast<float>(kLargestInAnalysis))
                                   : kLargestStored;
        if (std::isnan(v))
            Fail(name + " is not a number");
        else if (!std::isfinite(v))
            Fail(name + " is infinite");
        else if (!repaired && std::fabs(v) > largest)
            Fail(name + " (" + Number(v) + ") is beyond any the program stores");
    }
    // The pair every dialog that edits it checks: the what-if high pH not
    // below the low. (The mixing percentages may be equal: the Change Range
    // dialog keeps them so, and the mixing zone dialog takes them unchanged.)
    bool EnteredWaterResidence() const {
        const int water = record_ - kFirstWaterResidenceRecord;
        return water >= 0 && water < 3 && entered_[kSurfaceRecord + water];
    }
    void Paired(double v) {
        if (field_ != 1) return;
        if (record_ == kWhatIfRecord && v < first_)
            Fail(ValueName(record_, 1) + " (" + Number(v) + ") is below " + ValueName(record_, 0) +
                 " (" + Number(first_) + ")");
    }
    void OutsideRange(double v, const SettingRange& r) {
        if (r.Holds(v) || std::isnan(v)) return;  // NaN has its own message
        const std::string name = ValueName(record_, field_);
        if (!r.lowIncluded && v <= r.low)
            Fail(name + " (" + Number(v) + ") is not above " + Number(r.low));
        else
            Fail(name + " (" + Number(v) + ") is outside " + StatedEnd(r.low, true) + " to " +
                 StatedEnd(r.high));
    }
    void Fail(const std::string& why) {
        if (fault_.empty())
            fault_ = "record " + std::to_string(record_) + " (" + RecordName(record_) + "): " + why;
    }

    const UnitCodes& units_;
    const bool (&entered_)[kRecordCount];
    const bool (&sourceEntered_)[kMultiMixWaterCount];
    bool typedRow_[3] = {};
    bool sourceTypedRow_[kMultiMixWaterCount] = {};
    bool older_;
    bool datesPacked_;
    int record_ = 0;
    int field_ = 0;
    int water_ = 0;
    double first_ = 0.0;  // the record's first real
    std::string fault_;
};

std::string Thousands(size_t n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
    return digits;
}

}  // namespace

std::string ImageFault(const uint8_t* image, size_t size, int recordCount, bool olderFile,
                       bool datesPacked) {
    if (recordCount < 1 || recordCount > kRecordCount || size < EndOf(recordCount - 1))
        return "the file ends before its last record";
    // The unit choices and the entered flags decide the analyses' ranges.
    UnitCodes units{};
    bytes::Reader unitBytes(image + kRecordTable[kUnitsRecord].offset, sizeof units);
    DecodeUnitCodes(unitBytes, units);
    if (olderFile) ClampUnitCodes(units);  // as the older reader leaves them
    static bool entered[kRecordCount];
    std::memset(entered, 0, sizeof entered);
    // The surface water's flag is stored twice; the reader keeps the second copy.
    entered[kSurfaceRecord] = bytes::GetU16(image + kRecordTable[7].offset) != 0;
    entered[kInjectionRecord] = bytes::GetU16(image + kRecordTable[5].offset) != 0;
    entered[kFormationRecord] = bytes::GetU16(image + kRecordTable[8].offset) != 0;
    bool sourceEntered[kMultiMixWaterCount];
    for (int k = 0; k < kMultiMixWaterCount; ++k)
        sourceEntered[k] = bytes::GetU32(image + kRecordTable[kEnteredRecord].offset + 4 * k) != 0;

    Checker checker(units, entered, sourceEntered, olderFile, datesPacked);
    if (!olderFile) {
        bool stored[3] = {};
        bool sources[kMultiMixWaterCount] = {};
        float row[AnalysisElement::kCount];
        auto holds = [&row](const uint8_t* at) {
            for (int e = 0; e < AnalysisElement::kCount; ++e) row[e] = bytes::GetF32(at + 4 * e);
            return HoldsEnteredValues(row);
        };
        for (int w = 0; w < 3; ++w) stored[w] = holds(image + kRecordTable[kFirstEnteredRow + w].offset);
        for (int k = 0; k < kMultiMixWaterCount && recordCount > kSourceRowsAsEntered; ++k)
            sources[k] = holds(image + kRecordTable[kSourceRowsAsEntered].offset +
                               4 * AnalysisElement::kCount * k);
        checker.TypedRows(stored, sources);
    }
    bytes::Reader in(image, size);
    uint8_t version[2];
    in.Raw(version, sizeof version);
    for (int r = 1; r < recordCount; ++r) {
        checker.Start(r);
        if (!VisitRecord(r, in, checker)) return "the file ends before its last record";
        if (!checker.fault().empty()) return checker.fault();
    }
    // What the forms took as typed; an older file's reader repairs its own.
    return olderFile ? std::string() : TypedValuesFault(image, size, recordCount);
}

std::string VersionFault(int16_t version, size_t size) {
    const std::string unknown =
        "not a work file of a known version (" + std::to_string(version) + ")";
    if (version < kFirstCurrentVersion || version > kNewestLayoutVersion) return unknown;
    // A 557 file may also end after record 402 (its last two records are then
    // taken as absent); a 557 or 558 file may run on past its layout (a save
    // over a longer file).
    const size_t expected = version == kFirstCurrentVersion ? kVersion556Bytes
                            : version == kVersion557        ? kVersion557Bytes
                                                            : kFileBytes;
    const bool fits = version == kFirstCurrentVersion ? size == expected
                      : version == kVersion557        ? size >= expected || size == kVersion556Bytes
                                                      : size >= expected;
    if (fits) return {};
    // A file of the current layout cut short (a copy or a save that stopped).
    if (size < expected)
        return "truncated: " + Thousands(size) + " of " + Thousands(expected) + " bytes";
    return unknown + ": a file of that version is " + Thousands(expected) + " bytes, this one is " +
           Thousands(size);
}

std::string OlderSizeFault(int16_t version, size_t size, size_t expected) {
    const std::string unknown =
        "not a work file of a known version (" + std::to_string(version) + ")";
    if (expected == 0) return unknown + ": the file ends before the last record of that version";
    return unknown + ": a file of that version is " + Thousands(expected) + " bytes, this one is " +
           Thousands(size);
}

std::string CurrentImageFault(const std::vector<uint8_t>& image, size_t fileBytes) {
    const int16_t version = bytes::GetI16(image.data());
    std::string fault = VersionFault(version, std::max(image.size(), fileBytes));
    const int records = RecordsHeld(version, image.size());
    if (fault.empty()) fault = ImageFault(image.data(), image.size(), records, false);
    if (fault.empty() && !IndicesInRange(image.data(), image.size(), records))
        fault = "a count or index is outside its range";
    return fault;
}

}  // namespace workfile
