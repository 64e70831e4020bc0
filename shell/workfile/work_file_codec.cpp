// One transfer per record serves both directions: the same statement writes a
// record's fields when the io is an encoder and reads them when it is a
// decoder, so the two can never disagree about the order of the fields.
#include "shell/workfile/work_file_codec.h"

#include <cstring>
#include <memory>
#include <type_traits>

#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "engine/balancing/balancing_records.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/dose/dose_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/inputs/water_gas_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/saturation/water_results_records.h"
#include "engine/speciation/ph_solve_records.h"
#include "engine/speciation/speciation_records.h"
#include "engine/tables/constants_records.h"
#include "graphs/records.h"
#include "input/description_records.h"
#include "input/phcurve/alk_curve.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/waterform/water_form_records.h"
#include "input/whatif_switch_records.h"
#include "pages/records.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/workfile/work_file_records.h"
#include "treatment/product_table_codec.h"
#include "treatment/records.h"

namespace workfile {
namespace {

// Writes each field it is handed.
class Encoder {
  public:
    explicit Encoder(bytes::Writer& w) : w_(w) {}
    void U16(const uint16_t& v) { w_.U16(v); }
    void I16(const int16_t& v) { w_.I16(v); }
    void U32(const uint32_t& v) { w_.U32(v); }
    void I32(const int32_t& v) { w_.I32(v); }
    void F32(const float& v) { w_.F32(v); }
    void F64(const double& v) { w_.F64(v); }
    void I16AsI32(const int16_t& v) { w_.I32(v); }
    template <size_t N>
    void Chars(const char (&text)[N]) {
        w_.Text(text, N);
    }
    void Zeros(size_t n) {
        static const uint8_t zeros[256] = {};
        for (; n > 0 && w_.ok();) {
            const size_t step = n < sizeof zeros ? n : sizeof zeros;
            w_.Raw(zeros, step);
            n -= step;
        }
    }
    void Kept(int record) { w_.Raw(KeptBlock(record), kRecordTable[record].size); }
    void Analysis(const WaterAnalysis& a) { EncodeWaterAnalysis(a, w_); }
    void Description(const SampleDescription& d) { EncodeSampleDescription(d, w_); }
    void Product(const ProductTable& t) { EncodeProductTable(t, w_); }
    void WhatIf(const WhatIfSettings& s) { EncodeWhatIfSettings(s, w_); }
    void Ranges(const GraphRangeSettings& s) { EncodeGraphRangeSettings(s, w_); }
    void Choice(const GraphChoice& g) { EncodeGraphChoice(g, w_); }
    void Units(const UnitCodes& u) { EncodeUnitCodes(u, w_); }
    void Well(const WellLogSpecs& s) { EncodeWellLogSpecs(s, w_); }
    void Curve() { EncodeAlkCurve(TakeAlkCurve(), w_); }
    size_t pos() const { return w_.pos(); }

  private:
    bytes::Writer& w_;
};

// Reads each field it is handed.
class Decoder {
  public:
    explicit Decoder(bytes::Reader& r) : r_(r) {}
    void U16(uint16_t& v) { v = r_.U16(); }
    void I16(int16_t& v) { v = r_.I16(); }
    void U32(uint32_t& v) { v = r_.U32(); }
    void I32(int32_t& v) { v = r_.I32(); }
    void F32(float& v) { v = r_.F32(); }
    void F64(double& v) { v = r_.F64(); }
    // A status the file stores as an i32; values beyond an i16 are not statuses.
    void I16AsI32(int16_t& v) {
        const int32_t s = r_.I32();
        v = s >= INT16_MIN && s <= INT16_MAX ? static_cast<int16_t>(s) : int16_t{0};
    }
    template <size_t N>
    void Chars(char (&text)[N]) {
        r_.Raw(text, N);
        text[N - 1] = '\0';  // a name always ends within its field
    }
    void Zeros(size_t n) {
        uint8_t skipped[256];
        for (; n > 0 && r_.ok();) {
            const size_t step = n < sizeof skipped ? n : sizeof skipped;
            r_.Raw(skipped, step);
            n -= step;
        }
    }
    void Kept(int record) { r_.Raw(KeptBlock(record), kRecordTable[record].size); }
    void Analysis(WaterAnalysis& a) { DecodeWaterAnalysis(r_, a); }
    // Each line ends within its 128 bytes, whatever the file holds.
    void Description(SampleDescription& d) {
        DecodeSampleDescription(r_, d);
        for (char(&line)[128] : d.text) line[sizeof line - 1] = '\0';
    }
    void Product(ProductTable& t) { DecodeProductTable(r_, t); }
    void WhatIf(WhatIfSettings& s) { DecodeWhatIfSettings(r_, s); }
    void Ranges(GraphRangeSettings& s) { DecodeGraphRangeSettings(r_, s); }
    void Choice(GraphChoice& g) { DecodeGraphChoice(r_, g); }
    void Units(UnitCodes& u) { DecodeUnitCodes(r_, u); }
    void Well(WellLogSpecs& s) { DecodeWellLogSpecs(r_, s); }
    void Curve() {
        AlkCurveCopy c = TakeAlkCurve();
        DecodeAlkCurve(r_, c);
        PutAlkCurve(c);
    }
    size_t pos() const { return r_.pos(); }

  private:
    bytes::Reader& r_;
};

// Reads each field it is handed into a scratch value and passes it to a
// RecordVisitor; the program's records stay as they are.
class Visit {
  public:
    Visit(bytes::Reader& r, RecordVisitor& v) : r_(r), v_(v) {}
    void U16(const uint16_t&) { v_.Word(r_.U16()); }
    void I16(const int16_t&) { v_.Word(r_.I16()); }
    void U32(const uint32_t&) { v_.Word(r_.U32()); }
    void I32(const int32_t&) { v_.Word(r_.I32()); }
    void F32(const float&) { v_.Real(r_.F32()); }
    void F64(const double&) { v_.Real(r_.F64()); }
    void I16AsI32(const int16_t&) { v_.Word(r_.I32()); }
    template <size_t N>
    void Chars(const char (&)[N]) {
        char text[N];
        r_.Raw(text, N);
        v_.Text(text, N);
    }
    void Zeros(size_t n) { Skip(n); }
    void Kept(int record) { Skip(kRecordTable[record].size); }
    void Analysis(const WaterAnalysis&) {
        WaterAnalysis a{};
        DecodeWaterAnalysis(r_, a);
        v_.Analysis(a);
    }
    void Description(const SampleDescription&) {
        auto d = std::make_unique<SampleDescription>();
        DecodeSampleDescription(r_, *d);
        v_.Description(*d);
    }
    void Product(const ProductTable&) {
        auto t = std::make_unique<ProductTable>();
        DecodeProductTable(r_, *t);
        v_.Product(*t);
    }
    void Units(const UnitCodes&) {
        UnitCodes u{};
        DecodeUnitCodes(r_, u);
        v_.Units(u);
    }
    // The settings records are rows of f32 only.
    void WhatIf(const WhatIfSettings&) { Reals(sizeof(WhatIfSettings) / 4); }
    void Ranges(const GraphRangeSettings&) { Reals(sizeof(GraphRangeSettings) / 4); }
    void Well(const WellLogSpecs&) { Reals(sizeof(WellLogSpecs) / 4); }
    void Choice(const GraphChoice&) {
        for (int k = 0; k < kGraphChoiceFileBytes / 2; ++k) v_.Word(r_.I16());
    }
    // The pH-alkalinity curve: 61 f32, its i16 pair count and a flag byte.
    void Curve() {
        Reals(AlkCurveLayout::kCount / 4);
        v_.Word(r_.I16());
        uint8_t flag = 0;
        r_.Raw(&flag, 1);
        v_.Word(flag);
    }
    size_t pos() const { return r_.pos(); }

  private:
    void Reals(size_t n) {
        for (size_t k = 0; k < n; ++k) v_.Real(r_.F32());
    }
    void Skip(size_t n) {
        uint8_t skipped[256];
        for (; n > 0 && r_.ok();) {
            const size_t step = n < sizeof skipped ? n : sizeof skipped;
            r_.Raw(skipped, step);
            n -= step;
        }
        v_.Block();
    }
    bytes::Reader& r_;
    RecordVisitor& v_;
};

// Every element of an array of any rank, in memory order (row by row).
template <class IO, class T>
void Each(IO& io, T& v) {
    if constexpr (std::is_array_v<T>) {
        for (auto& e : v) Each(io, e);
    } else if constexpr (std::is_same_v<T, float>) {
        io.F32(v);
    } else if constexpr (std::is_same_v<T, int16_t>) {
        io.I16(v);
    } else if constexpr (std::is_same_v<T, uint16_t>) {
        io.U16(v);
    } else if constexpr (std::is_same_v<T, int32_t>) {
        io.I32(v);
    } else {
        static_assert(std::is_same_v<T, uint32_t>, "tables hold f32, i16, u16, i32 or u32");
        io.U32(v);
    }
}
// The names say which element type the table must have.
template <class Want, class IO, class A>
void Table(IO& io, A& a) {
    static_assert(std::is_same_v<std::remove_all_extents_t<A>, Want>, "table of another type");
    Each(io, a);
}
template <class IO, class A>
void F32s(IO& io, A& a) {
    Table<float>(io, a);
}
template <class IO, class A>
void I16s(IO& io, A& a) {
    Table<int16_t>(io, a);
}
template <class IO, class A>
void U16s(IO& io, A& a) {
    Table<uint16_t>(io, a);
}
template <class IO, class A>
void I32s(IO& io, A& a) {
    Table<int32_t>(io, a);
}
template <class IO, class A>
void U32s(IO& io, A& a) {
    Table<uint32_t>(io, a);
}

// Record 26: the mixing-zone range and the pH control target and methods.
template <class IO>
void MixingAndPhControl(IO& io) {
    io.F32(mixingZoneSettings.mixLowPercent);
    io.F32(mixingZoneSettings.mixHighPercent);
    io.F32(mixingZoneSettings.mixStepPercent);
    io.F32(phControlSettings.targetPh);
    io.U16(phControlSettings.phControlMethod);
    io.U16(phControlSettings.phPredictionMethod);
}

// Record 39: the balancing ions as the units file keeps them.
template <class IO>
void BalancingWords(IO& io) {
    io.U16(balancingSettings.cationBalanceIon);
    io.U16(balancingSettings.anionBalanceIon);
    io.U16(calcPassMode);
    io.U16(cationAdded);
    io.U16(anionAdded);
}

template <class IO>
void CarbonateFields(IO& io, CarbonateState& c, int count) {
    float* const fields[] = {&c.k1,
                             &c.k2,
                             &c.kw,
                             &c.gammaH,
                             &c.gammaOH,
                             &c.waterActivity,
                             &c.chargeValue,
                             &c.alkalinity,
                             &c.log10K2,
                             &c.log10K1,
                             &c.carbonateMass,
                             &c.bicarbonateMass,
                             &c.co2Mass,
                             &c.ohMolality,
                             &c.hMolality,
                             &c.alkalinityAsCaCO3,
                             &c.acidityAsCaCO3};
    static_assert(sizeof fields / sizeof fields[0] * sizeof(float) == sizeof(CarbonateState));
    for (int i = 0; i < count; ++i) io.F32(*fields[i]);
}
constexpr int kCarbonateStateFields = static_cast<int>(sizeof(CarbonateState) / sizeof(float));

// Records 159 and 169: the carbonate constants the pH profile starts each point from.
template <class IO>
void ProfileConstants(IO& io) {
    CarbonateFields(io, CarbonateSnapshot.surface.constants, 9);
}

template <class IO>
void WaterCarbonateFields(IO& io, WaterCarbonate& w) {
    CarbonateFields(io, w.constants, kCarbonateStateFields);
    io.F32(w.h2co3);
    io.F32(w.hco3);
    io.F32(w.co3);
    io.F32(w.dissolvedCo2);
    io.F32(w.alkalinity);
    io.F32(w.acidity);
    io.F32(w.totalCarbonate);
}

// Records 267-273: one carbonate figure of each multi-mix source water.
template <class IO>
void MultiMixCarbonate(IO& io, float WaterCarbonate::*field) {
    for (WaterCarbonate& w : CarbonateSnapshot.multiMix) io.F32(w.*field);
}

template <class IO>
void MultiMixExcess(IO& io) {
    for (StoredResults& r : WaterResults.multiMix) F32s(io, r.excess);
}
template <class IO>
void MultiMixSaturation(IO& io) {
    for (StoredResults& r : WaterResults.multiMix) F32s(io, r.saturation);
}
template <class IO>
void MultiMixWaters(IO& io) {
    for (WaterAnalysis& w : multiMixState.sourceWaters) io.Analysis(w);
}
template <class IO>
void MultiMixDescriptions(IO& io) {
    for (SampleDescription& d : multiMixState.descriptions) io.Description(d);
}
template <class IO>
void MultiMixDoseDone(IO& io) {
    for (MultiMixDoseState& d : doseState.multiMix) io.U32(d.doseDone);
}
template <class IO>
void MultiMixDoseStatus(IO& io) {
    for (MultiMixDoseState& d : doseState.multiMix) io.I16AsI32(d.limitStatus);
}
template <class IO>
void MultiMixDose(IO& io) {
    for (MultiMixDoseState& d : doseState.multiMix) io.F32(d.dose);
}

// Records 185-188: one corrosion model's rate for each source water, a table
// per model in the order of CorrosionRates.
template <class IO>
void MultiMixRates(IO& io, int model) {
    for (float(&rates)[kCorrosionModelCount] : corrosionRates.multiMix) io.F32(rates[model]);
}

// Record 241: the four corrosion rates of the surface, injection and formation waters.
template <class IO>
void SingleWaterRates(IO& io) {
    F32s(io, corrosionRates.surface);
    F32s(io, corrosionRates.injection);
    F32s(io, corrosionRates.formation);
}

// Records 284-286: the corrosion rows of a profile's seven points.
template <class IO>
void ProfileCorrosion(IO& io, ProfileTable& t) {
    for (int k = 0; k < kProfilePoints; ++k) F32s(io, t.corrosion[k]);
}

// Fills what a transfer left of a record's size with zeros (written) or skips it (read).
template <class IO>
void PadTo(IO& io, size_t start, int record) {
    const size_t used = io.pos() - start;
    const size_t size = kRecordTable[record].size;
    if (used < size) io.Zeros(size - used);
}

// Record 294: the dose graph of the mixing grids, dose and status per cell.
template <class IO>
void MixGridDoseGraph(IO& io) {
    const size_t start = io.pos();
    F32s(io, mixGridTables.gridGraphDose);
    U16s(io, mixGridTables.gridGraphDoseStatus);
    PadTo(io, start, 294);
}

// Record 31: the run state of the drivers and the per-water stores of the
// engine that the layout names no place for, so that a loaded workspace goes
// on where it was saved. Zeros fill the rest of the record.
template <class IO>
void RunStateBlock(IO& io) {
    const size_t start = io.pos();
    GridTable& g = whatIfResults.grid;
    F32s(io, g.temperatureAxis);
    F32s(io, g.phAxis);
    io.Chars(g.lastProductName);
    io.F32(g.gridResidenceTimeAtLastRun);
    io.U16(g.doseDone);
    io.U16(g.gridKind);
    io.U16(whatIfResults.tempProfile.doseDone);
    io.U16(whatIfResults.phProfile.doseDone);
    F32s(io, mixGridTables.gridMixPercent);
    F32s(io, mixProfileTables.mixAlkaliDose);
    MultiMixBlend& m = multiMixBlend;
    io.F32(m.lastMixResidenceTime);
    F32s(io, m.blendWaterResults);
    F32s(io, m.blendDoseInputs.value);
    io.U16(m.mixColumnCount);
    io.Chars(wellRunState.flashProductAtLastRun);
    io.U32(wellRunState.flashRanWithProduct);
    for (WaterDoseState* d : {&doseState.surface, &doseState.injection, &doseState.formation}) {
        io.U16(d->doseDone);
        io.I16(d->limitStatus);
        io.F32(d->dose);
    }
    WaterCarbonateFields(io, CarbonateSnapshot.surface);
    WaterCarbonateFields(io, CarbonateSnapshot.injection);
    WaterCarbonateFields(io, CarbonateSnapshot.formation);
    for (WaterCarbonate& w : CarbonateSnapshot.multiMix) WaterCarbonateFields(io, w);
    F32s(io, corrosionRates.mixed);
    for (AlkCurveCoefficients* c : {&userAlkCurve, &extrapolatedAlkCurve}) {
        io.F32(c->intercept);
        io.F32(c->linear);
        io.F32(c->reciprocal);
        io.F32(c->logSlope);
    }
    io.F32(extrapolatedAlkCurvePh);
    for (SavedCarbonateConstants& s : savedCarbonateConstants) {
        io.F32(s.k1);
        io.F32(s.k2);
        io.F32(s.kw);
        io.F32(s.gammaH);
    }
    io.Chars(productAtLastCalc);
    io.F32(corrosionTargetAtLastCalc);
    PadTo(io, start, 31);
}

// The fields of one record; false for a record number outside the table and for
// an owned row without a transfer (which the table test catches).
template <class IO>
bool TransferRecord(int record, IO& io) {
    if (record < 0 || record >= kRecordCount) return false;
    switch (kRecordTable[record].holder) {
        case Holder::kKept:
            io.Kept(record);
            return true;
        case Holder::kZero:
            io.Zeros(kRecordTable[record].size);
            return true;
        case Holder::kOwned:
            break;
    }
    switch (record) {
        case 1:
            io.U16(resultStatus.surfaceEntered);
            return true;
        case 2:
            io.U16(resultStatus.phProfileDone);
            return true;
        case 3:
            io.U16(resultStatus.gridDone);
            return true;
        case 4:
            io.U16(resultStatus.tempProfileDone);
            return true;
        case 5:
            io.U16(resultStatus.injectionEntered);
            return true;
        case 6:
            io.U16(resultStatus.mixProfileDone);
            return true;
        case 7:
            io.U16(resultStatus.surfaceEntered);
            return true;
        case 8:
            io.U16(resultStatus.formationEntered);
            return true;
        case 9:
            io.U16(resultStatus.alkCurveEntered);
            return true;
        case 10:
            io.U16(resultStatus.mixGridDone[1]);
            return true;
        case 11:
            io.U16(resultStatus.mixGridDone[2]);
            return true;
        case 12:
            io.U16(resultStatus.mixGridDone[0]);
            return true;
        case 13:
            io.Description(currentDescription);
            return true;
        case 14:
            io.Description(waterDescriptions[WaterSelector::kInjection]);
            return true;
        case 15:
            io.Description(waterDescriptions[WaterSelector::kFormation]);
            return true;
        case 16:
            io.Description(waterDescriptions[WaterSelector::kSurface]);
            return true;
        case 17:
            io.Analysis(currentAnalysis);
            return true;
        case 18:
            io.Analysis(surfaceWater);
            return true;
        case 19:
            io.Analysis(injectionWater);
            return true;
        case 20:
            io.Analysis(formationWater);
            return true;
        case 21:
            io.Analysis(waterfloodMix);
            return true;
        case 33:
            io.Curve();
            return true;
        case 22:
            F32s(io, WaterResults.surface.saturation);
            return true;
        case 23:
            F32s(io, WaterResults.injection.saturation);
            return true;
        case 24:
            F32s(io, WaterResults.formation.saturation);
            return true;
        case 26:
            MixingAndPhControl(io);
            return true;
        case 27:
            F32s(io, mixProfileTables.mixChemistry);
            return true;
        case 28:
            F32s(io, mixProfileTables.mixResults);
            return true;
        case 29:
            F32s(io, mixPercent);
            return true;
        case 30:
            F32s(io, whatIfResults.grid.results);
            return true;
        case 31:
            RunStateBlock(io);
            return true;
        case 32:
            io.WhatIf(whatIfSettings);
            return true;
        case 35:
            io.Choice(graphChoice);
            return true;
        case 36:
            io.U16(reportingMode);
            return true;
        case 37:
            io.U16(alkalinityMode);
            return true;
        case 39:
            BalancingWords(io);
            return true;
        case 43:
            io.U16(whatIfOptions.carbonateModel);
            return true;
        case 44:
            io.U16(phControlSettings.acidChemical);
            return true;
        case 45:
            io.F64(referencePh);
            return true;
        case 46:
            io.F64(referenceCarbonate.carbonateTarget);
            return true;
        case 49:
            io.Ranges(graphRangeSettings);
            return true;
        case 50:
            io.Units(unitCodes);
            return true;
        case 51:
            F32s(io, mixPointTable);
            return true;
        case 52:
            io.F32(currentHCO3);
            return true;
        case 53:
            io.F32(currentCO3);
            return true;
        case 54:
            io.F32(phSolveAlkalinity);
            return true;
        case 55:
            io.F32(phSolveAcidity);
            return true;
        case 56:
            io.F32(phSolveCO2);
            return true;
        case 57:
            io.F32(phSolveMarker);
            return true;
        case 58:
            io.F32(keptBicarbonate);
            return true;
        case 59:
            io.F32(keptAlkalinity);
            return true;
        case 60:
            io.U16(whatIfOptions.varyPco2);
            return true;
        case 79:
            F32s(io, mixProfileTables.mixExcess);
            return true;
        case 80:
            F32s(io, mixProfileTables.mixBufferCapacity);
            return true;
        case 85:
            F32s(io, whatIfResults.grid.excess);
            return true;
        case 86:
            F32s(io, WaterResults.surface.excess);
            return true;
        case 87:
            F32s(io, WaterResults.injection.excess);
            return true;
        case 88:
            F32s(io, WaterResults.formation.excess);
            return true;
        case 89:
            io.Product(productTable);
            return true;
        case 90:
            F32s(io, whatIfResults.grid.dose);
            return true;
        case 91:
            I16s(io, whatIfResults.grid.doseStatus);
            return true;
        case 92:
            F32s(io, mixProfileTables.mixInhibitorDose);
            return true;
        case 93:
            U16s(io, mixProfileTables.mixDoseStatus);
            return true;
        case 94:
            io.U16(resultStatus.runTargetSolvers);
            return true;
        case 95:
            io.U16(mixDosesDone);
            return true;
        case 96:
            io.U16(mixPhosphateProduct);
            return true;
        case 97:
            io.U16(gridPhosphateProduct);
            return true;
        case 98:
            io.U16(mixGridDosesDone);
            return true;
        case 99:
            io.U16(mixPointCount);
            return true;
        case 100:
            io.U16(productActive);
            return true;
        case 101:
            io.U16(productLoaded);
            return true;
        case 102:
            io.U16(doseLimitState.keepLimitDoses);
            return true;
        case 106:
            io.F32(residenceTimeAtSelect);
            return true;
        case 107:
            io.F32(residenceTimeAtLastRun);
            return true;
        case 108:
            io.F32(currentResidenceTime);
            return true;
        case 109:
            io.F32(doseLimitState.runningLimitDose);
            return true;
        case 110:
            io.F32(doseLimitState.presentLimitDose);
            return true;
        case 113:
            io.Chars(mixDoseProduct);
            return true;
        case 114:
            io.F32(corrosionTarget);
            return true;
        case 115:
            io.U16(resultStatus.productSelected);
            return true;
        case 116:
            F32s(io, whatIfResults.grid.analysis);
            return true;
        case 117:
            F32s(io, whatIfResults.grid.bicarbonate);
            return true;
        case 118:
            F32s(io, whatIfResults.grid.carbonate);
            return true;
        case 119:
            F32s(io, whatIfResults.grid.acidDose);
            return true;
        case 120:
            F32s(io, whatIfResults.grid.alkaliDose);
            return true;
        case 121:
            F32s(io, mixGridTables.gridResult16);
            return true;
        case 122:
            F32s(io, mixGridTables.gridOrganicAcids);
            return true;
        case 123:
            F32s(io, mixProfileTables.mixAcidity);
            return true;
        case 124:
            F32s(io, mixProfileTables.mixDissolvedCO2);
            return true;
        case 125:
            F32s(io, mixProfileTables.mixOrganicAcids);
            return true;
        case 126:
            io.F32(organicAcids[0]);
            return true;
        case 127:
            io.F32(organicAcids[1]);
            return true;
        case 128:
            io.F32(organicAcids[2]);
            return true;
        case 129:
            io.F32(organicAcids[3]);
            return true;
        case 130:
        case 131:
        case 132:
            F32s(io, waterOrganicAcids[record - 130]);  // surface, injection, formation
            return true;
        case 133:
            F32s(io, mixGridTables.gridAcidity);
            return true;
        case 134:
            F32s(io, mixGridTables.gridDissolvedCO2);
            return true;
        case 135:
            io.U16(phControlSettings.alkaliChemical);
            return true;
        case 136:
            io.F32(acidDemand);
            return true;
        case 137:
            io.F32(alkaliDemand);
            return true;
        case 138:
            F32s(io, mixGridTables.gridDissolvedCO2);
            return true;
        case 139:
            F32s(io, whatIfResults.tempProfile.acidDose);
            return true;
        case 140:
            F32s(io, whatIfResults.tempProfile.alkaliDose);
            return true;
        case 141:
            F32s(io, whatIfResults.phProfile.acidDose);
            return true;
        case 142:
            F32s(io, whatIfResults.phProfile.alkaliDose);
            return true;
        case 143:
            F32s(io, whatIfResults.tempProfile.axis);
            return true;
        case 144:
            F32s(io, whatIfResults.phProfile.axis);
            return true;
        case 145:
            F32s(io, whatIfResults.tempProfile.analysis);
            return true;
        case 146:
            F32s(io, whatIfResults.tempProfile.results);
            return true;
        case 147:
            F32s(io, whatIfResults.phProfile.analysis);
            return true;
        case 148:
            F32s(io, whatIfResults.phProfile.results);
            return true;
        case 149:
            F32s(io, whatIfResults.tempProfile.bicarbonate);
            return true;
        case 150:
            F32s(io, whatIfResults.tempProfile.carbonate);
            return true;
        case 151:
            F32s(io, whatIfResults.phProfile.bicarbonate);
            return true;
        case 152:
            F32s(io, whatIfResults.phProfile.carbonate);
            return true;
        case 153:
            F32s(io, whatIfResults.tempProfile.dose);
            return true;
        case 154:
            I16s(io, whatIfResults.tempProfile.doseStatus);
            return true;
        case 155:
            F32s(io, whatIfResults.phProfile.dose);
            return true;
        case 156:
            I16s(io, whatIfResults.phProfile.doseStatus);
            return true;
        case 157:
            io.Chars(whatIfResults.tempProfile.lastProductName);
            return true;
        case 158:
            io.Chars(whatIfResults.phProfile.lastProductName);
            return true;
        case 159:
            ProfileConstants(io);
            return true;
        case 160:
            F32s(io, whatIfResults.tempProfile.dissolvedCO2);
            return true;
        case 161:
            F32s(io, whatIfResults.tempProfile.carbonateFigure);
            return true;
        case 162:
            F32s(io, whatIfResults.phProfile.dissolvedCO2);
            return true;
        case 163:
            F32s(io, whatIfResults.phProfile.carbonateFigure);
            return true;
        case 167:
            F32s(io, whatIfResults.tempProfile.excess);
            return true;
        case 168:
            F32s(io, whatIfResults.phProfile.excess);
            return true;
        case 169:
            ProfileConstants(io);
            return true;
        case 172:
            F32s(io, multiMixBlend.blendExcess);
            return true;
        case 173:
            io.Analysis(mixedWater);
            return true;
        case 174:
            F32s(io, multiMixBlend.blendResults);
            return true;
        case 175:
            MultiMixExcess(io);
            return true;
        case 176:
            MultiMixWaters(io);
            return true;
        case 177:
            MultiMixDescriptions(io);
            return true;
        case 178:
            MultiMixSaturation(io);
            return true;
        case 179:
            F32s(io, multiMixState.residenceTime);
            return true;
        case 180:
            F32s(io, multiMixState.organicAcids);
            return true;
        case 181:
            F32s(io, multiMixState.weightPercent);
            return true;
        case 182:
            MultiMixDoseDone(io);
            return true;
        case 183:
            MultiMixDoseStatus(io);
            return true;
        case 184:
            MultiMixDose(io);
            return true;
        case 185:
        case 186:
        case 187:
        case 188:
            MultiMixRates(io, record - 185);
            return true;
        case 190:
            io.I32(multiMixState.lastWaterIndex);
            return true;
        case 191:
            io.U32(multiMixState.multiMixDone);
            return true;
        case 192:
            U32s(io, multiMixState.multiMixEntered);
            return true;
        case 193:
            io.I32(multiMixState.editIndex);
            return true;
        case 194:
            io.U32(multiMixState.reopenMultiMix);
            return true;
        case 196:
            io.F32(multiMixBlend.blendDose);
            return true;
        case 197:
            io.I32(multiMixBlend.blendDoseStatus);
            return true;
        case 198:
            io.F32(multiMixBlend.blendAcidDemand);
            return true;
        case 199:
            io.F32(multiMixBlend.blendAlkaliDemand);
            return true;
        case 200:
            io.F32(multiMixBlend.blendBufferCapacity);
            return true;
        case 201:
            io.F32(multiMixBlend.blendDissolvedCO2);
            return true;
        case 202:
            io.F32(multiMixBlend.blendFigure);
            return true;
        case 203:
            F32s(io, multiMixBlend.blendOrganicAcids);
            return true;
        case 204:
            io.U32(multiMixBlend.blendRanWithProduct);
            return true;
        case 205:
            io.Chars(multiMixBlend.productFileAtLastMix);
            return true;
        case 206:
            io.I32(multiMixBlend.blendActiveComponent);
            return true;
        case 209:
            io.F32(multiMixBlend.mixResidenceTime);
            return true;
        case 210:
            io.F32(multiMixBlend.meanResidenceSeconds);
            return true;
        case 211:
            io.Description(multiMixBlend.mixedDescription);
            return true;
        case 212:
            io.U16(resultStatus.pressureProfileDone);
            return true;
        case 213:
            io.U16(resultStatus.gridDone2);
            return true;
        case 214:
            F32s(io, whatIfResults.pressureProfile.analysis);
            return true;
        case 215:
            F32s(io, whatIfResults.pressureProfile.results);
            return true;
        case 216:
            F32s(io, whatIfResults.pressureProfile.excess);
            return true;
        case 217:
            F32s(io, whatIfResults.pressureProfile.acidDose);
            return true;
        case 218:
            F32s(io, whatIfResults.pressureProfile.alkaliDose);
            return true;
        case 219:
            F32s(io, whatIfResults.pressureProfile.bicarbonate);
            return true;
        case 220:
            F32s(io, whatIfResults.pressureProfile.carbonate);
            return true;
        case 221:
            F32s(io, whatIfResults.pressureProfile.dissolvedCO2);
            return true;
        case 222:
            F32s(io, whatIfResults.pressureProfile.carbonateFigure);
            return true;
        case 223:
            F32s(io, whatIfResults.pressureProfile.axis);
            return true;
        case 224:
            I16s(io, whatIfResults.pressureProfile.doseStatus);
            return true;
        case 225:
            io.U16(whatIfResults.pressureProfile.doseDone);
            return true;
        case 226:
            io.Chars(whatIfResults.pressureProfile.lastProductName);
            return true;
        case 227:
            io.U32(whatIfOptions.useInputTemperature);
            return true;
        case 228:
            io.U32(whatIfOptions.forcePhToEvalForPressure);
            return true;
        case 229:
            io.U32(whatIfSwitches[0]);
            return true;
        case 230:
            io.U32(pco2ProfileFlag);
            return true;
        case 231:
            io.F32(referenceH2CO3);
            return true;
        case 232:
            io.F32(referenceHCO3);
            return true;
        case 233:
            io.F32(referenceCO3);
            return true;
        case 234:
            io.F32(referenceDissolvedCo2);
            return true;
        case 235:
            io.F32(dissolvedCO2Copy);
            return true;
        case 236:
            io.F32(currentH2CO3);
            return true;
        case 237:
            io.F32(currentCO2);
            return true;
        case 238:
            io.F32(doseFigure);
            return true;
        case 239:
            F32s(io, whatIfResults.pressureProfile.dose);
            return true;
        case 241:
            SingleWaterRates(io);
            return true;
        case 243:
            io.F32(referenceOutputs.dissolvedCarbonicAcid);
            return true;
        case 244:
            io.F32(referenceOutputs.hydrogenMass);
            return true;
        case 245:
            io.F32(referenceOutputs.hydroxideMass);
            return true;
        case 246:
            io.F32(referenceOutputs.pco2Atm);
            return true;
        case 247:
            io.F32(referenceOutputs.ph2sAtm);
            return true;
        case 248:
            io.F32(referenceOutputs.alkalinity);
            return true;
        case 249:
            io.F32(referenceOutputs.acidity);
            return true;
        case 250:
            io.F32(waterPco2Copies[0]);
            return true;
        case 251:
            io.F32(waterPco2Copies[1]);
            return true;
        case 252:
            io.F32(waterPco2Copies[2]);
            return true;
        case 253:
            io.F32(waterPco2Copies[3]);
            return true;
        case 254:
            io.F32(waterPh2sCopies[0]);
            return true;
        case 255:
            io.F32(waterPh2sCopies[1]);
            return true;
        case 256:
            io.F32(waterPh2sCopies[2]);
            return true;
        case 257:
            io.F32(waterPh2sCopies[3]);
            return true;
        case 258:
            io.F32(waterResidenceSeconds[0]);
            return true;
        case 259:
            io.F32(waterResidenceSeconds[1]);
            return true;
        case 260:
            io.F32(waterResidenceSeconds[2]);
            return true;
        case 261:
            io.F32(waterResidenceSeconds[3]);
            return true;
        case 267:
            MultiMixCarbonate(io, &WaterCarbonate::h2co3);
            return true;
        case 268:
            MultiMixCarbonate(io, &WaterCarbonate::hco3);
            return true;
        case 269:
            MultiMixCarbonate(io, &WaterCarbonate::co3);
            return true;
        case 270:
            MultiMixCarbonate(io, &WaterCarbonate::dissolvedCo2);
            return true;
        case 271:
            MultiMixCarbonate(io, &WaterCarbonate::alkalinity);
            return true;
        case 272:
            MultiMixCarbonate(io, &WaterCarbonate::acidity);
            return true;
        case 273:
            MultiMixCarbonate(io, &WaterCarbonate::totalCarbonate);
            return true;
        case 274:
        case 275:
        case 276:
            F32s(io, enteredValues[record - 274]);  // surface, injection, formation
            return true;
        case 277:
            io.F32(calciumSilicateRatio);
            return true;
        case 278:
            io.F32(calciumSilicateRatioCopy);
            return true;
        case 279:
            io.F32(kwResult);
            return true;
        case 280:
            io.F32(waterActivityResult);
            return true;
        case 281:
            io.F32(oxalateResults.excess);
            return true;
        case 282:
            io.F32(oxalateResults.ratio);
            return true;
        case 283:
            F32s(io, whatIfResults.grid.corrosion);
            return true;
        case 284:
            ProfileCorrosion(io, whatIfResults.tempProfile);
            return true;
        case 285:
            ProfileCorrosion(io, whatIfResults.phProfile);
            return true;
        case 286:
            ProfileCorrosion(io, whatIfResults.pressureProfile);
            return true;
        case 294:
            MixGridDoseGraph(io);
            return true;
        case 297:
            F32s(io, mixProfileTables.mixCorrosion);
            return true;
        case 298:
            F32s(io, mixProfileTables.mixAcidDose);
            return true;
        case 299:
            io.U32(h2sOff);
            return true;
        case 300:
            F32s(io, wellProfiles.wellLog.corrosion);
            return true;
        case 301:
            F32s(io, wellProfiles.wellLog.temperature);
            return true;
        case 302:
            F32s(io, wellProfiles.wellLog.pressure);
            return true;
        case 303:
            F32s(io, wellProfiles.wellLog.gaugePressure);
            return true;
        case 304:
            F32s(io, wellProfiles.wellLog.depth);
            return true;
        case 305:
            F32s(io, wellProfiles.wellLog.analysis);
            return true;
        case 306:
            F32s(io, wellProfiles.wellLog.results);
            return true;
        case 307:
            F32s(io, wellProfiles.wellLog.excess);
            return true;
        case 308:
            F32s(io, wellProfiles.wellLog.bicarbonate);
            return true;
        case 309:
            F32s(io, wellProfiles.wellLog.carbonate);
            return true;
        case 310:
            F32s(io, wellProfiles.wellLog.dissolvedCO2);
            return true;
        case 311:
            F32s(io, wellProfiles.wellLog.carbonateFigure);
            return true;
        case 312:
            F32s(io, wellProfiles.wellLog.phDoseA);
            return true;
        case 313:
            I32s(io, wellProfiles.wellLog.doseStatus);
            return true;
        case 314:
            F32s(io, wellProfiles.wellLog.dose);
            return true;
        case 315:
            io.Chars(wellRunState.wellProductAtLastRun);
            return true;
        case 316:
            io.U32(wellRunState.wellRanWithProduct);
            return true;
        case 318:
            U16s(io, displaySettings.graphParams);
            return true;
        case 319:
            io.U16(displaySettings.precipitationUnit);
            return true;
        case 322:
            io.U32(phBalanceSwitch);
            return true;
        case 324:
            io.U32(phBalanceSwitch);
            return true;
        case 325:
            io.U32(pco2ProfileFlag);
            return true;
        case 326:
            io.U32(pco2ProfileFlagCopy);
            return true;
        case 327:
            io.U32(whatIfSwitches[1]);
            return true;
        case 328:
            io.U32(whatIfSwitches[2]);
            return true;
        case 355:
            F32s(io, multiMixState.sourceTemperature);
            return true;
        case 356:
            F32s(io, multiMixState.sourceTemperatureCopy);
            return true;
        case 357:
            io.U32(whatIfOptions.useInputPh);
            return true;
        case 358:
            io.F64(referenceCarbonate.carbonateSum);
            return true;
        case 359:
            io.F64(referenceCarbonate.totalCarbonate);
            return true;
        case 360:
            io.F64(referenceCarbonate.alkalinityCopy);
            return true;
        case 361:
            io.F64(referenceCarbonate.loopTotalCarbonate);
            return true;
        case 362:
            io.F64(referenceCarbonate.startCarbonateAlkalinity);
            return true;
        case 363:
            io.F64(referenceAlkalinity);
            return true;
        case 364:
            io.Well(wellLogSpecs);
            return true;
        case 367:
            F32s(io, wellProfiles.flash11.temperature);
            return true;
        case 368:
            F32s(io, wellProfiles.flash11.pressure);
            return true;
        case 369:
            F32s(io, wellProfiles.flash11.corrosion);
            return true;
        case 370:
            F32s(io, wellProfiles.flash11.gaugePressure);
            return true;
        case 371:
            F32s(io, wellProfiles.flash11.bicarbonate);
            return true;
        case 372:
            F32s(io, wellProfiles.flash11.carbonate);
            return true;
        case 373:
            F32s(io, wellProfiles.flash11.dissolvedCO2);
            return true;
        case 374:
            F32s(io, wellProfiles.flash11.analysis);
            return true;
        case 375:
            F32s(io, wellProfiles.flash11.results);
            return true;
        case 376:
            F32s(io, wellProfiles.flash11.excess);
            return true;
        case 377:
            F32s(io, wellProfiles.flash11.carbonateFigure);
            return true;
        case 378:
            I32s(io, wellProfiles.flash11.doseStatus);
            return true;
        case 379:
            F32s(io, wellProfiles.flash11.dose);
            return true;
        case 380:
            F32s(io, wellProfiles.flash11.phDoseA);
            return true;
        case 381:
            F32s(io, wellProfiles.flash11.depth);
            return true;
        case 382:
            F32s(io, wellProfiles.flash11.phDoseB);
            return true;
        case 383:
            F32s(io, wellProfiles.flash48.temperature);
            return true;
        case 384:
            F32s(io, wellProfiles.flash48.pressure);
            return true;
        case 385:
            F32s(io, wellProfiles.flash48.corrosion);
            return true;
        case 386:
            F32s(io, wellProfiles.flash48.gaugePressure);
            return true;
        case 387:
            F32s(io, wellProfiles.flash48.depth);
            return true;
        case 388:
            F32s(io, wellProfiles.flash48.bicarbonate);
            return true;
        case 389:
            F32s(io, wellProfiles.flash48.carbonate);
            return true;
        case 390:
            F32s(io, wellProfiles.flash48.analysis);
            return true;
        case 391:
            F32s(io, wellProfiles.flash48.results);
            return true;
        case 392:
            F32s(io, wellProfiles.flash48.excess);
            return true;
        case 393:
            F32s(io, wellProfiles.flash48.dissolvedCO2);
            return true;
        case 394:
            F32s(io, wellProfiles.flash48.carbonateFigure);
            return true;
        case 395:
            F32s(io, wellProfiles.flash48.phDoseA);
            return true;
        case 396:
            F32s(io, wellProfiles.flash48.phDoseB);
            return true;
        case 397:
            I32s(io, wellProfiles.flash48.doseStatus);
            return true;
        case 398:
            F32s(io, wellProfiles.flash48.dose);
            return true;
        case 399:
            io.U32(whatIfOptions.wellLogPtSource);
            return true;
        case 401:
            io.U32(whatIfOptions.correctPhForTemperature);
            return true;
        case 403:
            io.U32(whatIfOptions.wellLogPtSource);
            return true;
        case 404:
            io.U32(precipitationQuantity);
            return true;
        case 405:
            for (float(&row)[AnalysisElement::kCount] : sourceValuesAsEntered) F32s(io, row);
            return true;
        default:
            return false;
    }
}

template <class IO>
bool Transfer(int record, IO& io) {
    const size_t start = io.pos();
    return TransferRecord(record, io) && io.pos() - start == kRecordTable[record].size;
}

}  // namespace

bool EncodeRecord(int record, bytes::Writer& out) {
    if (record == 0) {
        out.I16(kNewestLayoutVersion);
        return out.ok();
    }
    Encoder io(out);
    return Transfer(record, io) && out.ok();
}

bool DecodeRecord(int record, bytes::Reader& in) {
    if (record <= 0) return false;
    Decoder io(in);
    return Transfer(record, io) && in.ok();
}

bool VisitRecord(int record, bytes::Reader& in, RecordVisitor& visitor) {
    if (record <= 0) return false;
    Visit io(in, visitor);
    return Transfer(record, io) && in.ok();
}

void ClearRecord(int record) {
    if (record <= 0 || record >= kRecordCount) return;
    const std::vector<uint8_t> zeros(kRecordTable[record].size, 0);
    bytes::Reader in(zeros.data(), zeros.size());
    (void)DecodeRecord(record, in);
}

std::vector<uint8_t> EncodeWorkFile() {
    std::vector<uint8_t> image(kFileBytes);
    bytes::Writer out(image.data(), image.size());
    for (int n = 0; n < kRecordCount; ++n)
        if (!EncodeRecord(n, out)) return {};
    return out.pos() == kFileBytes ? image : std::vector<uint8_t>{};
}

bool DecodeWorkFile(const uint8_t* image, size_t size, int recordCount) {
    if (recordCount < 1 || recordCount > kRecordCount) return false;
    if (size < EndOf(recordCount - 1)) return false;
    bytes::Reader in(image, size);
    uint8_t version[2];
    in.Raw(version, sizeof version);
    for (int n = 1; n < recordCount; ++n)
        if (!DecodeRecord(n, in)) return false;
    return true;
}

}  // namespace workfile
