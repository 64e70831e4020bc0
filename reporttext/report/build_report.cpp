// The report kinds and the writing of the report buffer. Each kind is a list
// of parts; a part names a kind of page, what the page shows, and the result
// flag that must be set for the part to be written (the kinds that gather a
// water's or a scenario's reports).
#include "reporttext/report/build_report.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/records.h"
#include "platform/system/clipboard.h"
#include "reporttext/report/report_builders.h"
#include "reporttext/report_buffer_records.h"
#include "reporttext/writers/text_writers.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

enum class When {
    kAlways,
    kSurfaceEntered,
    kInjectionEntered,
    kFormationEntered,
    kPhProfileDone,
    kTempProfileDone,
    kPressureProfileDone,
    kMixProfileDone,
    kSourceWaterEntered,
    kBlendComputed,
};

// A water chosen when the report is written: the blend when the current water
// is the blend, otherwise the multi-mix source water being edited.
constexpr int kBlendOrSource = -1;

struct KindPart {
    ReportPage page;
    ReportSource source;
    When when;
};

struct KindEntry {
    int32_t kind;
    std::vector<KindPart> parts;
};

constexpr ReportSource Water(int water) {
    return ReportSource{water, ProfileKind::kTemperature};
}
constexpr ReportSource Profile(int profile) {
    return ReportSource{WaterSelector::kSurface, profile};
}

const std::vector<KindEntry>& KindTable() {
    using P = ReportPage;
    static const KindPart surfaceChem{P::kWaterChemistry, Water(WaterSelector::kSurface),
                                      When::kAlways};
    static const KindPart surfaceInd{P::kWaterIndicators, Water(WaterSelector::kSurface),
                                     When::kAlways};
    static const KindPart phChem{P::kProfileChemistry, Profile(ProfileKind::kPh), When::kAlways};
    static const KindPart phInd{P::kProfileIndicators, Profile(ProfileKind::kPh), When::kAlways};
    static const KindPart tempChem{P::kTempChemistry, Profile(ProfileKind::kTemperature),
                                   When::kAlways};
    static const KindPart tempInd{P::kTempIndicators, Profile(ProfileKind::kTemperature),
                                  When::kAlways};
    static const KindPart mixChem{P::kProfileChemistry, Profile(ProfileKind::kMixing),
                                  When::kAlways};
    static const KindPart mixInd{P::kMixingIndicators, Profile(ProfileKind::kMixing),
                                 When::kAlways};
    static const KindPart pressChem{P::kProfileChemistry, Profile(ProfileKind::kPressure),
                                    When::kAlways};
    static const KindPart pressInd{P::kProfileIndicators, Profile(ProfileKind::kPressure),
                                   When::kAlways};
    static const KindPart injChem{P::kWaterChemistry, Water(WaterSelector::kInjection),
                                  When::kAlways};
    static const KindPart injInd{P::kWaterIndicators, Water(WaterSelector::kInjection),
                                 When::kAlways};
    static const KindPart formChem{P::kWaterChemistry, Water(WaterSelector::kFormation),
                                   When::kAlways};
    static const KindPart formInd{P::kWaterIndicators, Water(WaterSelector::kFormation),
                                  When::kAlways};
    static const KindPart sourceChem{P::kSourceChemistry, Water(WaterSelector::kMultiMixSource),
                                     When::kAlways};
    static const KindPart sourceInd{P::kSourceIndicators, Water(WaterSelector::kMultiMixSource),
                                    When::kAlways};
    static const KindPart currentChem{P::kWaterChemistry, ReportSource{kBlendOrSource, 0},
                                      When::kAlways};
    static const KindPart currentInd{P::kWaterIndicators, ReportSource{kBlendOrSource, 0},
                                     When::kAlways};
    static const KindPart blendChem{P::kWaterChemistry, Water(WaterSelector::kMixed),
                                    When::kAlways};
    static const KindPart blendInd{P::kWaterIndicators, Water(WaterSelector::kMixed),
                                   When::kAlways};
    auto when = [](KindPart part, When w) {
        part.when = w;
        return part;
    };
    static const std::vector<KindEntry> table = {
        {1, {surfaceChem}},
        {2, {surfaceInd}},
        {3, {phChem}},
        {4, {phInd}},
        {5, {tempChem}},
        {6, {tempInd}},
        {7, {mixChem}},
        {8, {mixInd}},
        {10,
         {when(surfaceChem, When::kSurfaceEntered), when(surfaceInd, When::kSurfaceEntered),
          when(phChem, When::kPhProfileDone), when(phInd, When::kPhProfileDone),
          when(tempChem, When::kTempProfileDone), when(tempInd, When::kTempProfileDone),
          when(pressChem, When::kPressureProfileDone), when(pressInd, When::kPressureProfileDone)}},
        {11, {injChem}},
        {12, {injInd}},
        {20,
         {when(injChem, When::kInjectionEntered), when(injInd, When::kInjectionEntered),
          when(formChem, When::kFormationEntered), when(formInd, When::kFormationEntered),
          when(mixChem, When::kMixProfileDone), when(mixInd, When::kMixProfileDone)}},
        {21, {formChem}},
        {22, {formInd}},
        {30,
         {when(sourceChem, When::kSourceWaterEntered), when(sourceInd, When::kSourceWaterEntered),
          when(blendChem, When::kBlendComputed), when(blendInd, When::kBlendComputed)}},
        {31, {sourceChem}},
        {32, {sourceInd}},
        {33, {currentChem}},
        {34, {currentInd}},
        {35, {pressChem}},
        {36, {pressInd}},
    };
    return table;
}

bool AnySourceWaterEntered() {
    for (uint32_t entered : multiMixState.multiMixEntered)
        if (entered != 0) return true;
    return false;
}

bool Holds(When when) {
    switch (when) {
        case When::kAlways:
            return true;
        case When::kSurfaceEntered:
            return resultStatus.surfaceEntered != 0;
        case When::kInjectionEntered:
            return resultStatus.injectionEntered != 0;
        case When::kFormationEntered:
            return resultStatus.formationEntered != 0;
        case When::kPhProfileDone:
            return resultStatus.phProfileDone != 0;
        case When::kTempProfileDone:
            return resultStatus.tempProfileDone != 0;
        case When::kPressureProfileDone:
            return resultStatus.pressureProfileDone != 0;
        case When::kMixProfileDone:
            return resultStatus.mixProfileDone != 0;
        case When::kSourceWaterEntered:
            return AnySourceWaterEntered();
        case When::kBlendComputed:
            return multiMixState.multiMixDone != 0;
    }
    return false;
}

const KindEntry* FindKind(int32_t kind) {
    for (const KindEntry& e : KindTable())
        if (e.kind == kind) return &e;
    return nullptr;
}

// Whether every part the kind writes now has its page built: the gathering
// kinds need only the pages of the parts whose conditions hold.
bool AllBuilt(const KindEntry& entry) {
    for (const KindPart& part : entry.parts)
        if (Holds(part.when) && FindReportBuilder(part.page) == nullptr) return false;
    return true;
}

void LayOut(const KindPart& part, ReportDocument& document) {
    ReportSource source = part.source;
    if (source.water == kBlendOrSource)
        source.water = mainWindowState.currentWater == WaterSelector::kMixed
                           ? WaterSelector::kMixed
                           : WaterSelector::kMultiMixSource;
    ReportLayout layout;
    FindReportBuilder(part.page)(source, layout);
    document.parts.push_back(std::move(layout));
}

// A new block holding the bytes; null when memory cannot be had.
win::HGLOBAL NewBlock(const std::string& bytes) {
    win::HGLOBAL block = win::GlobalAlloc(win::GMEM_MOVEABLE | win::GMEM_DDESHARE, bytes.size());
    if (block == nullptr) return nullptr;
    void* p = win::GlobalLock(block);
    if (p == nullptr) {
        win::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, bytes.data(), bytes.size());
    win::GlobalUnlock(block);
    return block;
}

}  // namespace

bool BuildReportDocument(int32_t kind, ReportDocument& document) {
    const KindEntry* entry = FindKind(kind);
    if (entry == nullptr || !AllBuilt(*entry)) return false;
    for (const KindPart& part : entry->parts)
        if (Holds(part.when)) LayOut(part, document);
    return true;
}

bool BuildWaterDocument(int water, ReportDocument& document) {
    if (FindReportBuilder(ReportPage::kWaterChemistry) == nullptr ||
        FindReportBuilder(ReportPage::kWaterIndicators) == nullptr)
        return false;
    LayOut(KindPart{ReportPage::kWaterChemistry, Water(water), When::kAlways}, document);
    LayOut(KindPart{ReportPage::kWaterIndicators, Water(water), When::kAlways}, document);
    return true;
}

int BuildReport(int32_t kind) {
    ReportDocument document;
    if (!BuildReportDocument(kind, document)) return -1;
    const std::vector<ComposedLine> lines = ComposeDocument(document);
    std::string text = reportBuffer.rtfMode == 1
                           ? WriteRichText(lines, reportBuffer.leftMargin) + std::string(1, '\0')
                           : WritePlainText(lines, reportBuffer.leftMargin);
    win::HGLOBAL block = NewBlock(text);
    if (block == nullptr) return -1;
    reportBuffer.handle = block;
    reportBuffer.bytesWritten = static_cast<uint32_t>(text.size() - 1);  // the NUL not counted
    reportBuffer.writePosition = reportBuffer.bytesWritten;
    reportBuffer.column = 0;
    return 0;
}

int WriteRtfEnd() {
    if (reportBuffer.handle == nullptr) return -1;
    const std::size_t end = std::strlen(kRtfEnd);
    const std::size_t size = reportBuffer.bytesWritten + end + 1;
    win::HGLOBAL grown = win::GlobalReAlloc(reportBuffer.handle, size, win::GMEM_MOVEABLE);
    if (grown == nullptr) return -1;
    char* p = static_cast<char*>(win::GlobalLock(grown));
    if (p == nullptr) return -1;
    std::memcpy(p + reportBuffer.bytesWritten, kRtfEnd, end + 1);
    win::GlobalUnlock(grown);
    reportBuffer.handle = grown;
    reportBuffer.bytesWritten += static_cast<uint32_t>(end);
    reportBuffer.writePosition = reportBuffer.bytesWritten;
    return 0;
}
