// Loading a work file, all or nothing. The file is opened read-only and read
// whole; the image is the staging copy: its length and every index in it are
// checked before anything in memory changes, and only then is it decoded into
// the workspace at once. A refused file changes nothing.
#include "engine/records.h"
#include "engine/pipeline/surface_engine_state.h"
#include "input/records.h"
#include "input/waterform/water_form_store.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/window/window.h"
#include "shell/commands/work_file_commands.h"
#include "shell/records.h"
#include "shell/startup/fresh_workspace.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/stored_sulfide_check.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_checks.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_validation.h"
#include "treatment/product/new_product.h"

namespace {

constexpr int kWellLogPtSourceRecord = 403;
constexpr int kPrecipitationQuantityRecord = 404;
constexpr int kEnteredSourceValuesRecord = 405;
constexpr int16_t kNewestLegacyVersion = 555;

// The whole file, up to the layout's size (bytes beyond it are never looked at);
// false when a read fails.
bool ReadImage(win::HFILE file, std::vector<uint8_t>& image) {
    image.assign(workfile::kFileBytes, 0);
    const win::UINT got = win::_lread(file, image.data(), workfile::kFileBytes);
    if (got == win::kReadWriteError) return false;
    image.resize(got);
    return true;
}

// What the load does once the image is accepted.
void Commit(const std::vector<uint8_t>& image, int16_t version, int recordCount) {
    // The file is read into a fresh start's workspace: nothing of the work
    // before stays where the file holds nothing.
    StartFreshWorkspace();
    // A new, empty product first: the file's product table replaces it, and the
    // older product state, which the file does not hold, stays empty.
    InitNewProduct(1);
    resultStatus.productSelected = 0;
    resultStatus.runTargetSolvers = 0;
    const bool decoded = workfile::DecodeWorkFile(image.data(), image.size(), recordCount);
    (void)decoded;  // a checked image always decodes
    // Record 357, an option word that is only ever 0 or 1.
    const int32_t useInputPh = static_cast<int32_t>(whatIfOptions.useInputPh);
    if (useInputPh < 0 || useInputPh > 1) whatIfOptions.useInputPh = 0;
    // A version-556 file has no well-log source of its own and no precipitation quantity.
    if (version == workfile::kFirstCurrentVersion) {
        workfile::ClearRecord(kWellLogPtSourceRecord);
        workfile::ClearRecord(kPrecipitationQuantityRecord);
    }
    // Nor has a file before 558 the multi-mix values as entered: the stored
    // waters stand for them.
    if (recordCount <= kEnteredSourceValuesRecord) {
        workfile::ClearRecord(kEnteredSourceValuesRecord);
        ClearRowsTheirWatersDisagreeWith();
    }
    TakeStoredAsEnteredWhereMissing();
    mainWindowState.dataVersion = version;
    mainWindowState.loadedVersion = version;
    entryTemperature = currentAnalysis.values[AnalysisElement::kTemperature];
}

}  // namespace

int32_t LoadWorkFileImage(const std::vector<uint8_t>& image, std::string* why, size_t fileBytes) {
    std::string fault;
    if (image.size() < 2) {
        fault = "the file holds only " + std::to_string(image.size()) +
                (image.size() == 1 ? " byte" : " bytes");
    } else {
        const int16_t version = bytes::GetI16(image.data());
        fault = workfile::CurrentImageFault(image, fileBytes);
        if (fault.empty()) {
            Commit(image, version, workfile::RecordsHeld(version, image.size()));
            return 0;
        }
    }
    if (why != nullptr) *why = fault;
    return -1;
}

std::string LoadRefusalText(const std::string& why) {
    // The box's caption is "WARNING": the file it is about is named here.
    return std::string(kLoadFailedText) + "\n\n" + mainWindowState.workFilePath +
           "\nThe file was not read: " + why + ".\nThe workspace is as it was.";
}

int32_t LoadWorkFile(win::HWND owner, win::HFILE, const char* caption) {
    const win::HFILE file = win::_lopen(mainWindowState.workFilePath, win::OF_READ);
    if (file == win::HFILE_ERROR) {
        ReportCannotOpen(mainWindowState.workFilePath, kFileCaption);
        return 1;
    }
    // Versions 1 to 555 go to the older reader, from the start of the file.
    uint8_t word[2] = {};
    if (win::_lread(file, word, 2) == 2 && bytes::GetI16(word) > 0 &&
        bytes::GetI16(word) <= kNewestLegacyVersion) {
        win::_llseek(file, 0, 0);
        return LoadLegacyWorkFile(owner, file, caption);
    }
    win::_llseek(file, 0, 0);
    std::vector<uint8_t> image;
    const bool read = ReadImage(file, image);
    // The file's own length, which a refusal of its length names.
    const win::LONG end = win::_llseek(file, 0, 2);
    win::_lclose(file);
    std::string why = "the file cannot be read";
    const size_t fileBytes = end > 0 ? static_cast<size_t>(end) : 0;
    if (!read || LoadWorkFileImage(image, &why, fileBytes) != 0) {
        win::MessageBox(owner, LoadRefusalText(why).c_str(), kWarningCaption,
                        win::MB_ICONINFORMATION);
        win::InvalidateRect(owner, nullptr, win::TRUE);
        return -1;
    }
    ForgetSurfaceEngineState();
    win::MessageBox(owner, kRestoredText, caption, win::MB_ICONINFORMATION);
    const std::string sour = StoredSulfideNotice();
    if (!sour.empty()) {
        const std::string text = sour + "Please correct the water on its form.";
        win::MessageBox(owner, text.c_str(), kWarningCaption, win::MB_ICONINFORMATION);
    }
    workFileCommandServices.updateMenuTexts();
    SetSaveMenuItems();
    CleanStoredAnalyses();
    win::InvalidateRect(owner, nullptr, win::TRUE);
    return 0;
}
