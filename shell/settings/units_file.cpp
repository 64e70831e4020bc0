// Reading, repairing and writing the units file.
//
// The reader takes the unit table (62 bytes in the 82- and 84-byte files, 80
// otherwise), then the switches one by one while each read still delivers
// bytes, so an older, shorter file simply leaves the later switches at their
// start values. A file that cannot be opened, a unit table that is short or a
// read error counts as a failure, and the fields from the failing one onward
// take their defaults; so does a field outside its range, which alone takes its
// default. After either the caller warns and rewrites the file.
#include "shell/settings/units_file.h"

#include <cstring>

#include "common/byte_io.h"
#include "engine/balancing/balancing_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "input/records.h"
#include "input/units/unit_choices.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/settings/check_file_access.h"
#include "shell/settings/file_fields.h"
#include "shell/settings/install_paths.h"

namespace {

constexpr long kOldTableFileLength82 = 82;
constexpr long kOldTableFileLength84 = 84;
constexpr int kOldTableItems = 31;  // items 0..30, 62 bytes
constexpr uint16_t kDefaultAlkalinityMode = 2;
constexpr uint16_t kDefaultAlkali = 3;  // caustic soda

// The fields in reading order; the unit table is field 0.
enum Field : int {
    kUnitTable = 0,
    kAcid,
    kThreeDStyle,
    kVaryPco2,
    kBalancing,
    kPrecipitation,
    kMineralTitles,
    kAlkalinityMode,
    kAlkali,
    kIndexFormat,
    kFieldCount,
};

void ApplyDefaultsFrom(int first, UnitsFileRecord& r) {
    if (first <= kUnitTable)
        for (uint16_t& c : r.units.code) c = 0;
    if (first <= kAcid) r.acidChemical = 0;
    if (first <= kThreeDStyle) r.threeDPlotStyle = 0;
    if (first <= kVaryPco2) r.varyPco2 = 0;
    if (first <= kBalancing) {
        r.balancingIons[0] = 0;  // sodium
        r.balancingIons[1] = 1;  // chloride
    }
    if (first <= kPrecipitation) r.precipitationUnit = 0;
    if (first <= kMineralTitles) r.mineralTitles = 0;
    if (first <= kAlkalinityMode) r.alkalinityMode = kDefaultAlkalinityMode;
    if (first <= kAlkali) r.alkaliChemical = kDefaultAlkali;
    if (first <= kIndexFormat) r.indexFormat = 0;
}

// Puts every field outside its range back to its default: a unit choice above
// the item's largest (items 11 and 12 hold an alkalinity mode, 0 to 7) to 0,
// a switch above 1, a 3D plot style above 2 (bars 0, contours 2), a
// precipitation unit above 2 and an alkalinity mode above 7
// to their defaults. True when a field was repaired: the file was corrupt.
bool RepairOutOfRange(UnitsFileRecord& r) {
    bool repaired = false;
    auto fix = [&repaired](auto& field, unsigned high, auto fallback) {
        if (field > high) {
            field = fallback;
            repaired = true;
        }
    };
    const UnitCodes read = r.units;
    ClampUnitCodes(r.units);
    if (std::memcmp(&read, &r.units, sizeof read) != 0) repaired = true;
    fix(r.units.code[UnitItem::kMAlkalinity], 7u, uint16_t{0});
    fix(r.units.code[UnitItem::kPAlkalinity], 7u, uint16_t{0});
    fix(r.threeDPlotStyle, 2u, uint16_t{0});
    fix(r.varyPco2, 1u, uint16_t{0});
    fix(r.precipitationUnit, 2u, uint16_t{0});
    fix(r.mineralTitles, 1u, uint16_t{0});
    fix(r.alkalinityMode, 7u, kDefaultAlkalinityMode);
    fix(r.indexFormat, 1u, uint32_t{0});
    return repaired;
}

// Reads the switches after the unit table. Returns the failing field, or
// kFieldCount when nothing failed.
int ReadSwitches(win::HFILE file, long length, UnitsFileRecord& r) {
    struct Words {
        uint16_t* words;
        int count;
    };
    const Words fields[] = {
        {&r.acidChemical, 1},      {&r.threeDPlotStyle, 1},
        {&r.varyPco2, 1},          {r.balancingIons, kBalancingIonWords},
        {&r.precipitationUnit, 1}, {&r.mineralTitles, 1},
        {&r.alkalinityMode, 1},
    };
    if (length != kUnitsFileBytes) r.alkaliChemical = kDefaultAlkali;
    int field = kAcid;
    for (const Words& f : fields) {
        const int n = ReadWords(file, f.words, f.count);
        if (n < 0) return field;
        if (n == 0) return kFieldCount;  // the file ends here
        ++field;
    }
    if (length == kUnitsFileBytes) {
        const int n = ReadWords(file, &r.alkaliChemical, 1);
        if (n < 0) return kAlkali;
        if (n == 0) return kFieldCount;
    }
    return ReadU32(file, r.indexFormat) < 0 ? kIndexFormat : kFieldCount;
}

}  // namespace

void EncodeUnitsFile(const UnitsFileRecord& r, uint8_t (&out)[kUnitsFileBytes]) {
    bytes::Writer w(out, sizeof out);
    EncodeUnitCodes(r.units, w);
    w.U16(r.acidChemical);
    w.U16(r.threeDPlotStyle);
    w.U16(r.varyPco2);
    for (uint16_t b : r.balancingIons) w.U16(b);
    w.U16(r.precipitationUnit);
    w.U16(r.mineralTitles);
    w.U16(r.alkalinityMode);
    w.U16(r.alkaliChemical);
}

bool ReadUnitsFile(win::HFILE file, long length, UnitsFileRecord& r) {
    int failedField = kFieldCount;
    if (file == win::HFILE_ERROR) {
        failedField = kUnitTable;
    } else if (length == kOldTableFileLength82 || length == kOldTableFileLength84) {
        for (int i = kOldTableItems; i < UnitItem::kCount; ++i) r.units.code[i] = 0;
        if (ReadWords(file, r.units.code, kOldTableItems) < 2 * kOldTableItems)
            failedField = kUnitTable;
    } else if (ReadWords(file, r.units.code, UnitItem::kCount) < 2 * UnitItem::kCount) {
        failedField = kUnitTable;
    }
    if (failedField == kFieldCount) failedField = ReadSwitches(file, length, r);
    bool failed = failedField != kFieldCount;
    if (failed) ApplyDefaultsFrom(failedField, r);
    if (RepairOutOfRange(r)) failed = true;
    if (r.alkalinityMode < 1) {
        const uint16_t entered = r.units.code[UnitItem::kMAlkalinity];
        r.alkalinityMode = (entered >= 1 && entered <= 7) ? entered : kDefaultAlkalinityMode;
    }
    return failed;
}

UnitsFileRecord GatherUnitsSettings() {
    UnitsFileRecord r{};
    r.units = unitCodes;
    r.acidChemical = phControlSettings.acidChemical;
    r.threeDPlotStyle = displaySettings.threeDPlotStyle;
    r.varyPco2 = whatIfOptions.varyPco2;
    r.balancingIons[0] = balancingSettings.cationBalanceIon;
    r.balancingIons[1] = balancingSettings.anionBalanceIon;
    r.balancingIons[2] = calcPassMode;
    r.balancingIons[3] = cationAdded;
    r.balancingIons[4] = anionAdded;
    r.precipitationUnit = displaySettings.precipitationUnit;
    r.mineralTitles = displaySettings.mineralTitles;
    r.alkalinityMode = alkalinityMode;
    r.alkaliChemical = phControlSettings.alkaliChemical;
    r.indexFormat = displaySettings.indexFormat;
    return r;
}

void ScatterUnitsSettings(const UnitsFileRecord& r) {
    unitCodes = r.units;
    phControlSettings.acidChemical = r.acidChemical;
    displaySettings.threeDPlotStyle = r.threeDPlotStyle;
    whatIfOptions.varyPco2 = r.varyPco2;
    balancingSettings.cationBalanceIon = r.balancingIons[0];
    balancingSettings.anionBalanceIon = r.balancingIons[1];
    calcPassMode = r.balancingIons[2];
    cationAdded = r.balancingIons[3];
    anionAdded = r.balancingIons[4];
    displaySettings.precipitationUnit = r.precipitationUnit;
    displaySettings.mineralTitles = r.mineralTitles;
    alkalinityMode = r.alkalinityMode;
    phControlSettings.alkaliChemical = r.alkaliChemical;
    displaySettings.indexFormat = r.indexFormat;
}

void SaveUnitsFile() {
    const std::string path = InstallPath(kUnitsFileName);
    uint8_t image[kUnitsFileBytes];
    EncodeUnitsFile(GatherUnitsSettings(), image);
    // A new file replaces the old one only when complete: a failed save keeps
    // the old file whole, and the user is told what failed.
    constexpr int kHiddenAttribute = 2;
    if (win::ReplaceFileContents(path.c_str(), image, sizeof image, kHiddenAttribute) ==
        win::FALSE) {
        const std::string text = "Error: Cannot open units file to update - call tech support\n\n" +
                                 win::FailedWriteText("Saving", path.c_str());
        win::MessageBox(nullptr, text.c_str(), ProgramTitle().c_str(), win::MB_ICONINFORMATION);
    }
}

void LoadUnitsFile() {
    const std::string path = InstallPath(kUnitsFileName);
    (void)CheckFileAccess(path.c_str(), "The Units Configuration File ");  // it reports itself
    UnitsFileRecord r = GatherUnitsSettings();
    // Read only: a read-only file or folder is read as any other.
    const win::HFILE file = win::_lopen(path.c_str(), win::OF_READ);
    long length = 0;
    if (file != win::HFILE_ERROR) {
        length = win::_llseek(file, 0, win::FILE_END);
        win::_llseek(file, 0, win::FILE_BEGIN);
    }
    const bool failed = ReadUnitsFile(file, length, r);
    if (file != win::HFILE_ERROR) win::_lclose(file);
    ScatterUnitsSettings(r);
    if (failed) {
        win::MessageBox(nullptr, kUnitsFileWarning, "WARNING", win::MB_ICONINFORMATION);
        SaveUnitsFile();
    }
}
