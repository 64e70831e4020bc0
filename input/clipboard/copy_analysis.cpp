// CopyAnalysis and PasteAnalysis: the working analysis to and from
// "tkIntermediate", bound to the program's records.
#include <cstring>
#include <vector>

#include "engine/carbonate/carbonate_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/checks/sulfide_alkalinity.h"
#include "engine/records.h"
#include "input/clipboard/analysis_transfer.h"
#include "input/clipboard/analysis_travel.h"
#include "input/clipboard/clipboard_analysis.h"
#include "input/clipboard/clipboard_messages.h"
#include "input/clipboard/paste_checks.h"
#include "input/clipboard_records.h"
#include "input/description_records.h"
#include "input/records.h"
#include "input/unit_factor_records.h"
#include "input/waterform/water_form_records.h"
#include "platform/system/clipboard.h"
#include "reporttext/report_buffer_records.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace {

constexpr const char* kOpenFailed = "Error opening clipboard. Analysis not posted.";
constexpr const char* kAllocFailed = "Error allocating clipboard memory. Analysis not posted.";

TravelAnalysis WorkingAnalysis() {
    return TravelAnalysis{&currentAnalysis,      &currentDescription, organicAcids,
                          &currentResidenceTime, &corrosionTarget,    SaturationResults,
                          &dissolvedCO2Copy};
}

TravelUnits UserUnits() {
    return TravelUnits{&unitCodes, alkalinityMode, UnitFactorTable, reportingMode};
}

// The records a paste fills before they become the working ones.
struct PastedRecords {
    WaterAnalysis analysis;
    SampleDescription description;
    float acids[4] = {};
    float residence = 0.0f;
    float corrosion = 0.0f;
    float saturation[64] = {};
    float dissolvedCo2 = 0.0f;
    TravelAnalysis Travel() {
        return TravelAnalysis{&analysis,  &description, acids,        &residence,
                              &corrosion, saturation,   &dissolvedCo2};
    }
};

// The clipboard's block of a format as bytes, empty when it holds none.
std::vector<uint8_t> BlockBytes(win::UINT format) {
    const auto block = static_cast<win::HGLOBAL>(win::GetClipboardData(format));
    if (block == nullptr) return {};
    const auto* bytes = static_cast<const uint8_t*>(win::GlobalLock(block));
    if (bytes == nullptr) return {};
    std::vector<uint8_t> copy(bytes, bytes + win::GlobalSize(block));
    win::GlobalUnlock(block);
    return copy;
}

// The staging record onto the clipboard.
int PostAnalysis(const AnalysisTransfer& staging) {
    if (!win::OpenClipboard(mainWindowState.mainWindow)) {
        ReportClipboardFailure(kOpenFailed);
        return -1;
    }
    win::EmptyClipboard();
    const win::HGLOBAL block = win::GlobalAlloc(win::GHND, kAnalysisTransferBlockBytes);
    auto* bytes = block != nullptr ? static_cast<uint8_t*>(win::GlobalLock(block)) : nullptr;
    if (bytes == nullptr) {
        if (block != nullptr) win::GlobalFree(block);
        win::CloseClipboard();
        ReportClipboardFailure(kAllocFailed);
        return -1;
    }
    EncodeAnalysisBlock(staging, bytes);
    win::GlobalUnlock(block);
    win::SetClipboardData(clipboardFormats.cfIntermediate, block);
    win::CloseClipboard();
    analysisOnClipboard = 1;
    return 0;
}

}  // namespace

int CopyAnalysis() {
    reportBuffer.leftMargin = 0;
    AnalysisTransfer staging;
    AnalysisToTransfer(WorkingAnalysis(), UserUnits(), staging);
    return PostAnalysis(staging);
}

int CopyAnalysisValues(const float* typed) {
    reportBuffer.leftMargin = 0;
    WaterAnalysis water = currentAnalysis;
    std::memcpy(water.values, typed, sizeof water.values);
    TravelAnalysis from = WorkingAnalysis();
    from.analysis = &water;
    AnalysisTransfer staging;
    AnalysisToTransfer(from, UserUnits(), staging);
    SendAlkalinityAsTyped(water.values, UserUnits(), staging);
    return PostAnalysis(staging);
}

int CopyLabelledAnalysis(const char* label, int descriptionField) {
    constexpr int kTexts = sizeof currentDescription.text / sizeof currentDescription.text[0];
    if (descriptionField >= 0 && descriptionField < kTexts) {
        char* text = currentDescription.text[descriptionField];
        std::memset(text, 0, sizeof currentDescription.text[0]);
        const char* from = label != nullptr ? label : "";
        std::memcpy(text, from, strnlen(from, sizeof currentDescription.text[0] - 1));
    }
    return CopyAnalysis();
}

int PasteAnalysis() {
    reportBuffer.leftMargin = 0;
    if (!win::OpenClipboard(mainWindowState.mainWindow)) {
        ReportClipboardFailure(kOpenFailed);
        return -1;
    }
    AnalysisTransfer staging;
    uint64_t notFinite = 0;
    const std::vector<uint8_t> bytes =
        win::IsClipboardFormatAvailable(clipboardFormats.cfIntermediate)
            ? BlockBytes(clipboardFormats.cfIntermediate)
            : std::vector<uint8_t>{};
    win::CloseClipboard();
    // A block too short for an analysis is no analysis.
    if (!DecodeAnalysisTransfer(bytes.data(), bytes.size(), staging, &notFinite)) {
        ReportClipboardEmpty();
        return -1;
    }
    // The analysis is taken into copies of the working records and checked
    // there: a refused one leaves the working analysis as it was.
    const FieldUnits units = UserFieldUnits();
    std::string refusal = NotFiniteSlotRefusal(notFinite, units);
    if (refusal.empty() && PastesSenderUnits(staging))
        refusal = NotFiniteSentRefusal(staging.sender.notFinite, units);
    PastedRecords pasted{currentAnalysis, currentDescription};
    if (refusal.empty()) {
        TransferToAnalysis(staging, UserUnits(), pasted.Travel());
        refusal = PastedAnalysisRefusal(pasted.Travel(), units);
    }
    if (refusal.empty()) {
        float values[AnalysisElement::kCount];
        std::memcpy(values, pasted.analysis.values, sizeof values);
        refusal = SulfideAlkalinityText(SulfideAgainstAlkalinity(values), "the pasted water");
    }
    if (!refusal.empty()) {
        ReportPasteRefused(refusal);
        return -1;
    }
    currentAnalysis = pasted.analysis;
    currentDescription = pasted.description;
    std::memcpy(organicAcids, pasted.acids, sizeof pasted.acids);
    currentResidenceTime = formResidenceSeconds = pasted.residence;
    corrosionTarget = pasted.corrosion;
    std::memcpy(SaturationResults, pasted.saturation, sizeof pasted.saturation);
    dissolvedCO2Copy = pasted.dissolvedCo2;
    return 0;
}
