// The computed results of an older work file that no calculation gives: they
// are taken as not stored, so that the workspace opened is one the program
// saves and opens again.
#include <cmath>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_field_names.h"
#include "shell/workfile/work_file_layout.h"

namespace legacy {
namespace {

using workfile::kRecordTable;

// The engine bounds every value it stores with this (clamp_to_float.h); the
// current reader refuses a value beyond it.
constexpr double kLargestResult = 1.0e37;
constexpr int kAnalysisHead = 12;
constexpr int kAnalysisValues = 64;
constexpr size_t kMostNamed = 3;

// Records of reals that hold what the user typed or chose, not what a
// calculation found: the settings (their dialogs' ranges refuse what they do
// not take), the residence times, the corrosion target, the organic acids, the
// multi-mix weights, residence times and temperatures, and the waters as
// entered. The stored waters are repaired by the finishing steps.
bool Typed(int record) {
    switch (record) {
        case 18: case 19: case 20: case 173: case 176:  // the stored waters
        case 26: case 32: case 49: case 364:            // settings
        case 106: case 107: case 108: case 114:
        case 126: case 127: case 128: case 129: case 130: case 131: case 132:
        case 179: case 180: case 181:
        case 258: case 259: case 260: case 261:
        case 274: case 275: case 276:
        case 355: case 356:
            return true;
        default:
            return false;
    }
}

// The working analysis and the waterflood mix: analyses a calculation fills.
bool ComputedAnalysis(int record) {
    return record == 17 || record == 21;
}

// How a record is stored: only reals, of one width, or anything else.
class Shape : public workfile::RecordVisitor {
  public:
    void Real(double) override { ++reals_; }
    void Word(int64_t) override { mixed_ = true; }
    void Text(const char*, size_t) override { mixed_ = true; }
    void Analysis(const WaterAnalysis&) override { mixed_ = true; }
    void Description(const SampleDescription&) override { mixed_ = true; }
    void Product(const ProductTable&) override { mixed_ = true; }
    void Units(const UnitCodes&) override { mixed_ = true; }
    void Block() override { mixed_ = true; }
    // The bytes of each real (4 or 8), or 0 when the record holds anything else.
    size_t Width(size_t size) const {
        if (mixed_ || reals_ == 0) return 0;
        if (reals_ * 4 == size) return 4;
        if (reals_ * 8 == size) return 8;
        return 0;
    }

  private:
    size_t reals_ = 0;
    bool mixed_ = false;
};

bool Unusable(double v) {
    return !std::isfinite(v) || std::fabs(v) > kLargestResult;
}

std::string Shown(double v) {
    if (std::isnan(v)) return "not a number";
    if (std::isinf(v)) return v > 0 ? "infinite" : "minus infinite";
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

}  // namespace

std::vector<std::string> ForgetUnusableResults(std::vector<uint8_t>& image) {
    std::vector<std::string> forgotten;
    if (image.size() < workfile::kFileBytes) return forgotten;
    auto forget = [&forgotten](int record, int field, double v) {
        forgotten.push_back("record " + std::to_string(record) + " (" +
                            workfile::RecordName(record) + "): " +
                            workfile::ValueName(record, field) + " (" + Shown(v) + ")");
    };
    for (int r = 1; r < workfile::kRecordCount; ++r) {
        const workfile::RecordRow& row = kRecordTable[r];
        uint8_t* at = image.data() + row.offset;
        if (Typed(r) || row.holder != workfile::Holder::kOwned) continue;
        if (ComputedAnalysis(r)) {
            for (int e = 0; e < kAnalysisValues; ++e) {
                uint8_t* value = at + kAnalysisHead + 4 * e;
                const float v = bytes::GetF32(value);
                if (!Unusable(v)) continue;
                forget(r, e, v);
                bytes::PutF32(value, 0.0f);
            }
            continue;
        }
        Shape shape;
        bytes::Reader in(at, row.size);
        if (!workfile::VisitRecord(r, in, shape)) continue;
        const size_t width = shape.Width(row.size);
        for (size_t k = 0; width != 0 && k < row.size / width; ++k) {
            uint8_t* value = at + k * width;
            const double v = width == 4 ? bytes::GetF32(value) : bytes::GetF64(value);
            if (!Unusable(v)) continue;
            forget(r, static_cast<int>(k), v);
            if (width == 4)
                bytes::PutF32(value, 0.0f);
            else
                bytes::PutF64(value, 0.0);
        }
    }
    return forgotten;
}

std::string ForgottenResultsText(const std::vector<std::string>& forgotten) {
    std::string text =
        "This file holds results that no calculation gives. They were not kept (they read 0 "
        "until the waters are calculated again):";
    for (size_t k = 0; k < forgotten.size() && k < kMostNamed; ++k) text += "\n" + forgotten[k];
    if (forgotten.size() > kMostNamed)
        text += "\nand " + std::to_string(forgotten.size() - kMostNamed) + " more.";
    return text;
}

}  // namespace legacy
