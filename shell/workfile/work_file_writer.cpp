// Saving the workspace. The whole image is built in memory and written
// through the whole-file writer with every count checked: a new file beside
// the target, pushed to the disk and only then renamed over it, so a failed
// save leaves the previous file as it was and a saved file is always exactly
// 200,171 bytes.
#include <cmath>
#include <string>
#include <vector>

#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "input/typed_values.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/commands/work_file_commands.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_validation.h"

namespace {

// Writes the records one by one; false at the first write that fails or comes up short.
bool WriteImage(win::HFILE file, const std::vector<uint8_t>& image) {
    for (const workfile::RecordRow& r : workfile::kRecordTable) {
        const win::UINT done = win::_lwrite(file, image.data() + r.offset, r.size);
        if (done != r.size) return false;
    }
    return true;
}

int SaveFailed(win::HWND owner, const std::string& target) {
    const std::string text =
        std::string(kSaveFailedText) + "\n\n" + win::FailedWriteText("Saving", target.c_str());
    win::MessageBox(owner, text.c_str(), kWarningCaption, win::MB_ICONINFORMATION);
    win::InvalidateRect(owner, nullptr, win::TRUE);
    return -1;
}

}  // namespace

void SetSaveMenuItems() {
    const bool any = HoldsWork(CurrentMenuFlags());
    const win::UINT state = win::MF_BYCOMMAND | (any ? win::MF_ENABLED : win::MF_GRAYED);
    if (mainWindowState.mainMenu == nullptr) return;
    win::EnableMenuItem(mainWindowState.mainMenu, MenuCommand::kSaveFile, state);
    win::EnableMenuItem(mainWindowState.mainMenu, MenuCommand::kSaveFileAs, state);
}

void CleanStoredAnalyses() {
    // Elements whose negative values carry a meaning; a temperature below 0
    // in degrees C (the form takes down to -2) is one the water has.
    constexpr int kSigned[] = {AnalysisElement::kPh,           AnalysisElement::kAlkalinity,
                               AnalysisElement::kMAlkalinity,  AnalysisElement::kPAlkalinity,
                               AnalysisElement::kAlkalinityEq, AnalysisElement::kCompanionPh,
                               AnalysisElement::kAcidity,      AnalysisElement::kTemperature};
    for (WaterAnalysis* w : {&surfaceWater, &injectionWater, &formationWater}) {
        for (int e = 0; e < AnalysisElement::kCount; ++e) {
            float& v = w->values[e];
            if (!std::isfinite(v) || v > 1.0e30f || v < -1.0e30f) {
                v = 0.0f;
            } else if (v < kSmallestStoredValue) {
                bool keep = false;
                for (int s : kSigned) keep = keep || (s == e && v < 0.0f);
                if (!keep) v = 0.0f;
            }
        }
    }
}

namespace {

constexpr int kUseInputPhRecord = 357;

// The working record carries the current carbonate pair (records 52 and 53).
std::vector<uint8_t> ImageToSave() {
    currentAnalysis.values[AnalysisElement::kBicarbonate] = currentHCO3;
    currentAnalysis.values[AnalysisElement::kCarbonate] = currentCO3;
    return workfile::EncodeWorkFile();
}

int SaveImage(win::HWND owner, bool optionWordAsReal) {
    const std::string target = mainWindowState.workFilePath;

    // The stored waters are cleaned before they are written, so that the file
    // holds what the workspace holds after the save (and a second save the
    // same bytes): cleaned after, a value too small to keep (a calculated
    // bicarbonate of 5e-32) went into the first file and 0 into the next. A
    // save that fails leaves them as they were.
    const WaterAnalysis uncleaned[] = {surfaceWater, injectionWater, formationWater};
    const auto failed = [&](int result) {
        surfaceWater = uncleaned[0];
        injectionWater = uncleaned[1];
        formationWater = uncleaned[2];
        return result;
    };
    CleanStoredAnalyses();
    std::vector<uint8_t> image = ImageToSave();
    if (optionWordAsReal) {
        // The option word of record 357 is written as 0 when, read as a real,
        // it is not a number.
        uint8_t* word = image.data() + workfile::kRecordTable[kUseInputPhRecord].offset;
        if (std::isnan(bytes::GetF32(word))) bytes::PutU32(word, 0);
    }

    // A read-only file, a folder or a pipe of that name is refused here, as the
    // save-as dialog refuses it.
    const win::HFILE file = win::OpenReplacement(target.c_str());
    if (file == win::HFILE_ERROR) {
        ReportCannotSave(target.c_str());
        return failed(1);
    }
    if (image.size() != workfile::kFileBytes || !WriteImage(file, image)) {
        win::AbandonReplacement(file);
        return failed(SaveFailed(owner, target));
    }
    if (win::CommitReplacement(file) == win::FALSE) return failed(SaveFailed(owner, target));

    SetSaveMenuItems();
    win::InvalidateRect(owner, nullptr, win::TRUE);
    return 0;
}

}  // namespace

std::string SavedWorkspaceFault() {
    const float hco3 = currentAnalysis.values[AnalysisElement::kBicarbonate];
    const float co3 = currentAnalysis.values[AnalysisElement::kCarbonate];
    const std::vector<uint8_t> image = ImageToSave();
    currentAnalysis.values[AnalysisElement::kBicarbonate] = hco3;
    currentAnalysis.values[AnalysisElement::kCarbonate] = co3;
    return workfile::CurrentImageFault(image);
}

int SaveWorkFile(win::HWND owner) {
    return SaveImage(owner, false);
}

int SaveWorkFileFull(win::HWND owner) {
    return SaveImage(owner, true);
}
