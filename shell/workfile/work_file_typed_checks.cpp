// Checking what a work file holds as typed (work_file_typed_checks.h). The
// values are read straight from the image at their records' offsets: the
// forms' ranges are those of input/waterform/form_checks.h, in the units and
// modes the file itself stores.
#include "shell/workfile/work_file_typed_checks.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/byte_io.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "input/multimix/multimix_fields.h"
#include "input/typed_values.h"
#include "input/units/analysis_ranges.h"
#include "input/units/unit_choices.h"
#include "input/waterform/form_checks.h"
#include "input/waterform/form_text.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/calendar/date_text.h"
#include "shell/workfile/work_file_field_names.h"
#include "shell/workfile/work_file_layout.h"

namespace workfile {
namespace {

namespace E = AnalysisElement;

constexpr int kSourceWatersRecord = 176;
constexpr int kResidenceRecord = 179;
constexpr int kSourceAcidsRecord = 180;
constexpr int kWeightRecord = 181;
constexpr int kSourceEnteredRecord = 192;
constexpr int kFirstAcidSetRecord = 130;
constexpr int kFirstEnteredRowRecord = 274;
constexpr int kFirstStoredWaterRecord = 18;
constexpr int kSourceRowsRecord = 405;
constexpr int kAnalysisBytes = 268;
constexpr int kAnalysisHeadBytes = 12;

// The pairs of records the writer fills from one value.
constexpr int kCopies[][2] = {{1, 7}, {230, 325}, {322, 324}, {399, 403}};

std::string Number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// A refusal sentence of the forms without its full stop: the load message
// ends the reason with its own.
std::string Clause(std::string sentence) {
    if (!sentence.empty() && sentence.back() == '.') sentence.pop_back();
    return sentence;
}

class TypedChecks {
  public:
    TypedChecks(const uint8_t* image, int recordCount) : image_(image), records_(recordCount) {
        bytes::Reader unitBytes(At(50), sizeof units_);
        DecodeUnitCodes(unitBytes, units_);
        reportingMode_ = bytes::GetU16(At(36));
        alkalinityMode_ = bytes::GetU16(At(37));
        // The surface water's flag is read from record 7, as the reader keeps it.
        entered_[0] = bytes::GetU16(At(7)) != 0;
        entered_[1] = bytes::GetU16(At(5)) != 0;
        entered_[2] = bytes::GetU16(At(8)) != 0;
        for (int k = 0; k < kMultiMixWaterCount; ++k)
            sourceEntered_[k] = bytes::GetU32(At(kSourceEnteredRecord) + 4 * k) != 0;
    }

    std::string Fault() {
        Copies();
        for (int w = 0; w < 3 && fault_.empty(); ++w)
            if (entered_[w]) {
                Acids(kFirstAcidSetRecord + w, At(kFirstAcidSetRecord + w), "");
                StoredConditions(kFirstStoredWaterRecord + w, At(kFirstStoredWaterRecord + w),
                                 Holds(kFirstEnteredRowRecord + w) ? At(kFirstEnteredRowRecord + w)
                                                                   : nullptr,
                                 "");
                Row(kFirstEnteredRowRecord + w, At(kFirstEnteredRowRecord + w),
                    kFirstStoredWaterRecord + w, At(kFirstStoredWaterRecord + w), "");
            }
        for (int k = 0; k < kMultiMixWaterCount && fault_.empty(); ++k)
            if (sourceEntered_[k]) SourceWater(k);
        return fault_;
    }

  private:
    const uint8_t* At(int record) const { return image_ + kRecordTable[record].offset; }
    bool Holds(int record) const { return record < records_; }
    FieldUnits Units() const {
        return FieldUnits{units_, reportingMode_, alkalinityMode_};
    }
    void Fail(int record, const std::string& why) {
        if (fault_.empty())
            fault_ = "record " + std::to_string(record) + " (" + RecordName(record) + "): " + why;
    }

    void Copies() {
        for (const auto& pair : kCopies) {
            const int first = pair[0];
            const int second = pair[1];
            if (!Holds(second) || !fault_.empty()) continue;
            const RecordRow& row = kRecordTable[second];
            const uint32_t a = row.size == 2 ? bytes::GetU16(At(first)) : bytes::GetU32(At(first));
            const uint32_t b =
                row.size == 2 ? bytes::GetU16(At(second)) : bytes::GetU32(At(second));
            if (a != b)
                Fail(second, "its value (" + std::to_string(b) +
                                 ") disagrees with its copy in record " + std::to_string(first) +
                                 " (" + std::to_string(a) +
                                 "); a file this program writes holds one value in both");
        }
    }

    // A value as the form would take it; `field` an AnalysisElement or a StoredField.
    void Typed(int record, const std::string& which, int field, double v) {
        if (!fault_.empty()) return;
        // Files written before the forms held them to a range keep what they hold.
        const bool lenient = !Holds(kSourceRowsRecord) && (field == E::kPco2 || field == E::kPH2S);
        if (lenient) {
            if (!AnalysisValueAllowed(field, static_cast<float>(v), units_))
                Fail(record, which + StoredFieldName(field, alkalinityMode_) + " (" + Number(v) +
                                 ") is negative");
            return;
        }
        const std::string refusal = StoredValueRefusal(field, v, Units());
        if (!refusal.empty()) Fail(record, which + Clause(refusal));
    }

    void Acids(int record, const uint8_t* at, const std::string& which) {
        for (int i = 0; i < 4; ++i)
            Typed(record, which, StoredField::kC2 - i, bytes::GetF32(at + 4 * i));
    }

    // The 64 values of an analysis at `at`: a row as entered, or a stored
    // water past its head.
    static void ValuesAt(const uint8_t* at, float (&values)[E::kCount]) {
        for (int e = 0; e < E::kCount; ++e) values[e] = bytes::GetF32(at + 4 * e);
    }

    // A row of values as entered, when it holds any (a file written before
    // such rows were kept has none, and the stored water stands for them).
    // The form shows and takes back every value of a row, so each keeps to
    // the form's range, agree as it may with the stored water's (the rows a
    // load makes for an older file hold the stored values the form takes). A
    // file of an older version keeps, in a value its row shares with its
    // stored water, the range of the stored water. In a file of the newest
    // layout the row and the stored water (record `storedRecord`) hold one
    // value of everything no calculation changes.
    void Row(int record, const uint8_t* at, int storedRecord, const uint8_t* stored,
             const std::string& which) {
        if (!Holds(record)) return;
        float row[E::kCount];
        float kept[E::kCount];
        ValuesAt(at, row);
        ValuesAt(stored + kAnalysisHeadBytes, kept);
        if (!HoldsEnteredValues(row)) return;
        const bool newest = Holds(kSourceRowsRecord);
        for (int e = 0; e < E::kCount; ++e)
            if (newest || row[e] != kept[e]) Typed(record, which, e, row[e]);
        if (!fault_.empty()) return;
        const std::string flows =
            FlowsWithoutBrineText(row[E::kBrineFlow], row[E::kOilFlow], row[E::kGasFlow]);
        if (!flows.empty()) Fail(record, which + flows);
        const int e = Holds(kSourceRowsRecord) ? DisagreeingTypedValue(kept, row) : -1;
        if (fault_.empty() && e >= 0)
            Fail(record, which + StoredFieldName(e, alkalinityMode_) + " as entered (" +
                             Number(row[e]) + ") disagrees with the stored water's (" +
                             Number(kept[e]) + ") in record " + std::to_string(storedRecord) +
                             "; a file this program writes holds the value as typed in both");
    }

    // A stored water's pCO2, pH2S and density: within the form's ranges
    // unless kept beside its row as entered (at `row`, nullptr for none) as
    // StoredConditionKept says. Files of older layouts keep their partial
    // pressures at any amount 0 or more; their density, which the rows a load
    // makes for them carry into the next save, keeps to the form's range.
    void StoredConditions(int record, const uint8_t* stored, const uint8_t* row,
                          const std::string& which) {
        if (!fault_.empty()) return;
        const bool newest = Holds(kSourceRowsRecord);
        float kept[E::kCount];
        float entered[E::kCount] = {};
        ValuesAt(stored + kAnalysisHeadBytes, kept);
        if (row != nullptr) ValuesAt(row, entered);
        for (int e : kStoredConditions)
            if ((newest || e == E::kDensity) && !StoredConditionKept(e, kept[e], entered))
                Typed(record, which, e, kept[e]);
    }

    void SourceWater(int k) {
        const std::string which = "water " + std::to_string(k + 1) + ", ";
        const uint8_t* water = At(kSourceWatersRecord) + kAnalysisBytes * k;
        // Nothing the clean-up of a water's values would make 0.
        for (int e = 0; e < E::kCount && fault_.empty(); ++e) {
            const float v = bytes::GetF32(water + kAnalysisHeadBytes + 4 * e);
            if (std::fabs(v) > static_cast<float>(kLargestAmount))
                Fail(kSourceWatersRecord, which + ValueName(kSourceWatersRecord, e) + " (" +
                                              Number(v) + ") is beyond any the program stores");
        }
        Dates(water, which);
        const float weight = bytes::GetF32(At(kWeightRecord) + 4 * k);
        if (fault_.empty() && !RangeHolds(RangeOfKind(FieldKind::kAmount, units_), weight))
            Fail(kWeightRecord, which + "Weight % (" + Number(weight) + ") is outside 0 to " +
                                    Number(kLargestAmount));
        Residence(k, which);
        Acids(kSourceAcidsRecord, At(kSourceAcidsRecord) + 16 * k, which);
        const uint8_t* row =
            Holds(kSourceRowsRecord) ? At(kSourceRowsRecord) + 4 * E::kCount * k : nullptr;
        StoredConditions(kSourceWatersRecord, water, row, which);
        Row(kSourceRowsRecord, row, kSourceWatersRecord, water, which);
    }

    // The dates a calendar holds (the multi-mix input still takes one kept in
    // the older month, day and two-digit year form) and a time of day.
    void Dates(const uint8_t* water, const std::string& which) {
        if (!fault_.empty()) return;
        const int32_t report = bytes::GetI32(water + 2);
        const int32_t sample = bytes::GetI32(water + 6);
        const int16_t time = bytes::GetI16(water + 10);
        auto date = [](int32_t d) { return d == 0 || IsPackedDate(RepackOldDate(d)); };
        if (!date(report))
            Fail(kSourceWatersRecord,
                 which + "Report Date (" + std::to_string(report) + ") is not a date");
        else if (!date(sample))
            Fail(kSourceWatersRecord,
                 which + "Sample Date (" + std::to_string(sample) + ") is not a date");
        else if (!IsSampleTime(time))
            Fail(kSourceWatersRecord,
                 which + "Time (" + std::to_string(time) + ") is not a time of day");
    }

    // The residence block: the time in the user's unit, then in days, hours,
    // minutes and seconds; each within the year a water is given.
    void Residence(int k, const std::string& which) {
        if (!fault_.empty()) return;
        const uint8_t* block = At(kResidenceRecord) + 4 * ResidenceForm::kCount * k;
        const float seconds = bytes::GetF32(block + 4 * ResidenceForm::kSeconds);
        Typed(kResidenceRecord, which, StoredField::kResidenceSeconds, seconds);
        const double perSlot[ResidenceForm::kCount] = {
            ResidenceSecondsFactor(units_.code[UnitItem::kResidenceTime]), 86400.0, 3600.0, 60.0,
            1.0};
        constexpr double kRounding = 1e-6;
        for (int slot = 0; slot < ResidenceForm::kCount && fault_.empty(); ++slot) {
            const double v = bytes::GetF32(block + 4 * slot);
            const double most = kLongestResidenceSeconds / perSlot[slot];
            if (v < 0.0 || v > most * (1.0 + kRounding))
                Fail(kResidenceRecord, which + "Induc. time (" + Number(v) + ", value " +
                                           std::to_string(slot) +
                                           " of its block) is outside 0 to " + Number(most));
        }
    }

    const uint8_t* image_;
    int records_;
    UnitCodes units_{};
    uint16_t reportingMode_ = 0;
    uint16_t alkalinityMode_ = 0;
    bool entered_[3] = {};
    bool sourceEntered_[kMultiMixWaterCount] = {};
    std::string fault_;
};

}  // namespace

std::string TypedValuesFault(const uint8_t* image, size_t size, int recordCount) {
    if (recordCount < 1 || recordCount > kRecordCount || size < EndOf(recordCount - 1))
        return "the file ends before its last record";
    return TypedChecks(image, recordCount).Fault();
}

}  // namespace workfile
