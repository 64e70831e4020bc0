// Loading an older work file: the file read whole, its records applied to a
// staged copy of the workspace, the copy committed only when the file held
// every record its version stores, then the finishing steps, the message and
// the menu.
#include <algorithm>
#include <memory>

#include "common/byte_io.h"
#include "engine/pipeline/surface_engine_state.h"
#include "engine/records.h"
#include "input/records.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/commands/work_file_commands.h"
#include "shell/records.h"
#include "shell/startup/fresh_workspace.h"
#include "shell/workfile/legacy/legacy_layout.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_checks.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_validation.h"
#include "treatment/product/new_product.h"

namespace {

// Older files are shorter than the current layout; a little room beyond it
// covers every form, and bytes past what the version stores are never looked at.
constexpr uint32_t kMostBytes = workfile::kFileBytes + 65536;

int32_t Refuse(win::HWND owner, const std::string& why) {
    win::MessageBox(owner, LoadRefusalText(why).c_str(), kWarningCaption, win::MB_ICONINFORMATION);
    win::InvalidateRect(owner, nullptr, win::TRUE);
    return -1;
}

void Commit(const legacy::Staging& s, int16_t version) {
    // The staged image was laid on a fresh start's; the records beside it start
    // fresh too.
    StartFreshWorkspace();
    InitNewProduct(1);
    const bool decoded =
        workfile::DecodeWorkFile(s.image.data(), s.image.size(), workfile::kRecordCount);
    (void)decoded;  // a staged image always decodes
    olderProduct = s.older;
    mainWindowState.dataVersion = version;
    mainWindowState.loadedVersion = version;
    entryTemperature = currentAnalysis.values[AnalysisElement::kTemperature];
}

}  // namespace

int32_t LoadLegacyWorkFileImage(const std::vector<uint8_t>& file, win::HWND owner,
                                const char* caption, size_t fileBytes) {
    // A refusal of the file's length names the file's own.
    const size_t length = std::max(file.size(), fileBytes);
    if (file.size() < 2)
        return Refuse(owner, "the file holds only " + std::to_string(file.size()) +
                                 (file.size() == 1 ? " byte" : " bytes"));
    const int16_t version = bytes::GetI16(file.data());
    if (version <= 0 || version > legacy::kNewestLegacyVersion)
        return Refuse(owner, workfile::VersionFault(version, length));
    auto staging = std::make_unique<legacy::Staging>();
    legacy::StageWorkspace(*staging);
    size_t used = 0;
    if (!legacy::ApplyLegacyFile(file.data(), file.size(), version, *staging, &used))
        return Refuse(owner, workfile::OlderSizeFault(version, length, 0));
    if (used != length) return Refuse(owner, workfile::OlderSizeFault(version, length, used));
    // Results no calculation gives are not kept; the settings are checked as
    // the finishing steps will leave them.
    const std::vector<std::string> forgotten = legacy::ForgetUnusableResults(staging->image);
    legacy::RepairStagedSettings(version, staging->image);
    const std::string fault =
        workfile::ImageFault(staging->image.data(), staging->image.size(), workfile::kRecordCount,
                             true, !legacy::kOldDates.Has(version));
    if (!fault.empty()) return Refuse(owner, fault);
    if (!workfile::IndicesInRange(staging->image.data(), staging->image.size(),
                                  workfile::kRecordCount))
        return Refuse(owner, "a count or index is outside its range");
    // What the workspace was, should the file the opened workspace would be
    // saved as be one the program refuses.
    const std::vector<uint8_t> before = workfile::EncodeWorkFile();
    const OlderProductState olderBefore = olderProduct;
    const int16_t dataVersion = mainWindowState.dataVersion;
    const int16_t loadedVersion = mainWindowState.loadedVersion;
    const float entryBefore = entryTemperature;
    Commit(*staging, version);
    legacy::FinishLegacyLoad(version, owner);
    legacy::DeriveWaterCarbonate(version, owner);
    const std::string saved = SavedWorkspaceFault();
    if (!saved.empty()) {
        (void)workfile::DecodeWorkFile(before.data(), before.size(), workfile::kRecordCount);
        olderProduct = olderBefore;
        mainWindowState.dataVersion = dataVersion;
        mainWindowState.loadedVersion = loadedVersion;
        entryTemperature = entryBefore;
        return Refuse(owner, "once opened it would be saved as a file the program refuses: " +
                                 saved);
    }
    // The engine holds the last water calculated, none of the drivers' start.
    ForgetSurfaceEngineState();
    win::MessageBox(owner, kRestoredText, caption, win::MB_ICONINFORMATION);
    if (!forgotten.empty())
        win::MessageBox(owner, legacy::ForgottenResultsText(forgotten).c_str(), kWarningCaption,
                        win::MB_ICONINFORMATION);
    workFileCommandServices.updateMenuTexts();
    SetSaveMenuItems();
    win::InvalidateRect(owner, nullptr, win::TRUE);
    return 0;
}

int32_t LoadLegacyWorkFile(win::HWND owner, win::HFILE file, const char* caption) {
    std::vector<uint8_t> bytes(kMostBytes);
    const win::UINT got = win::_lread(file, bytes.data(), kMostBytes);
    const win::LONG end = win::_llseek(file, 0, 2);
    win::_lclose(file);
    if (got == win::kReadWriteError) return Refuse(owner, "the file cannot be read");
    bytes.resize(got);
    return LoadLegacyWorkFileImage(bytes, owner, caption, end > 0 ? static_cast<size_t>(end) : 0);
}
