// Work files of versions 555 and below: read into the current workspace, all or
// nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/whatif_settings.h"
#include "platform/window/win_types.h"
#include "treatment/files/older_product_records.h"

// Reads the open work file `file` (positioned at its start) whose version word
// is 555 or below into the workspace, then repairs and completes what older
// files lack, says "FILE SUCCESSFULLY RESTORED!" with `caption` and updates the
// menu. 0 when loaded; -1 when the file ends early or is damaged: the message
// "Error encountered loading the file." and the workspace left as it was. The
// file is closed either way.
[[nodiscard]] int32_t LoadLegacyWorkFile(win::HWND owner, win::HFILE file, const char* caption);

// The same for a file image already in memory (its version word first);
// `fileBytes`, when not 0, is the length of the file whose start it holds.
[[nodiscard]] int32_t LoadLegacyWorkFileImage(const std::vector<uint8_t>& file, win::HWND owner,
                                              const char* caption, size_t fileBytes = 0);

// Rewrites a packed date that an older file stored in the display order (three
// two-digit groups A, M, C of A * 10000 + M * 100 + C, the order read from unit
// item 20) as year * 10000 + month * 100 + day.
void NormalizeStoredDate(int32_t* date);

namespace legacy {

// A workspace being loaded: its image in the current layout and the older
// product state, changed by the file's records before any of it is committed.
struct Staging {
    std::vector<uint8_t> image;
    OlderProductState older;
};

// A fresh start's workspace (the workspace as it is when none is kept), with
// the preparation of a load applied: the current description cleared, a new
// product, the product-selected and target solver words cleared.
void StageWorkspace(Staging& staging);

// Applies the records of a file image of version `version` (the version word
// included) to the staged workspace. False when the file ends before its last
// record or holds a component count the product entries cannot take; the
// staging is then of no use. `used`, when given, receives the bytes the
// version's records took.
[[nodiscard]] bool ApplyLegacyFile(const uint8_t* file, size_t size, int16_t version,
                                   Staging& staging, size_t* used = nullptr);

// The computed results of a staged image that no calculation gives (not
// finite, or beyond the bound every stored value keeps to) set to 0: each is
// named (record, value and what it held), in file order. What the user typed
// or chose is left for the checks, which refuse what its forms do not take.
[[nodiscard]] std::vector<std::string> ForgetUnusableResults(std::vector<uint8_t>& image);
// The message that tells the user of them.
[[nodiscard]] std::string ForgottenResultsText(const std::vector<std::string>& forgotten);

// A value of a stored analysis as the finishing steps repair it: 0 when it is
// not finite, of a magnitude below 1e-8 or above 1e8, or negative where a
// negative value means nothing.
[[nodiscard]] float RepairedStoredValue(int element, float v);

// The settings an older file may leave empty or in an older order: the well
// depth, the pressure ranges, the mixing ranges and (in the oldest versions)
// pH control.
struct OlderSettings {
    WellLogSpecs& wellLog;
    WhatIfSettings& whatIf;
    GraphRangeSettings& graphRanges;
    MixingZoneSettings& mixingZone;
    PhControlSettings& phControl;
};
// The repairs the finishing steps make to them: a depth of 0 becomes 500, empty
// pressure ranges the defaults of `pressureUnit`, a low percent above the high
// one is swapped, empty mixing ranges get 0 to 100 and a step, and versions up
// to 122 and 500-510 lose their pH control.
void RepairOlderSettings(int16_t version, uint16_t pressureUnit, const OlderSettings& s);
// The same repairs made to the settings records of a staged image (current
// layout), so that its checks see the settings as the load leaves them.
void RepairStagedSettings(int16_t version, std::vector<uint8_t>& image);

// The finishing steps after a staged load was committed, up to and including the
// value repairs, ranges and defaults; not the message or the menu.
void FinishLegacyLoad(int16_t version, win::HWND owner);

// After the finishing steps: each entered injection and formation water of a
// version that keeps no water's carbonate gets the carbonate its own
// calculation finds (which the waterflood mixing drivers blend); its results
// and every other value stay as the file holds them.
void DeriveWaterCarbonate(int16_t version, win::HWND owner);

}  // namespace legacy
