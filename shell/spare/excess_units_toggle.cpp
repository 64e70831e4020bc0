// The Yes/No toggle of the unit of momentary excess values (the
// precipitation unit word of the units file): mg/L or lbs/1000 barrels. It
// asks, confirms the outcome, and rewrites the units file whenever the word on
// leaving differs from the word on entry, which is also the case after No when
// the word started outside 0..1 and was set to mg/L.
#include "platform/dialogs/message_box.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/settings/units_file.h"
#include "shell/spare/spare_routines.h"

namespace {

constexpr uint16_t kMgPerLitre = 0;
constexpr uint16_t kLbsPerThousandBarrels = 1;

// What is asked and answered from one unit.
struct ExcessUnitTexts {
    const char* question;
    const char* switched;   // Yes
    const char* unchanged;  // No
    uint16_t other;         // the unit after Yes
};

constexpr ExcessUnitTexts kFromMgPerLitre{
    "Momentary excess values will be expressed as mg/L. Switch to Lbs/1000 Barrels? (Y/N)?",
    "Momentary excess values will now be expressed as Lbs/1000 Barrels",
    "No Change made!!! Momentary excess values will still be expressed as mg/L!",
    kLbsPerThousandBarrels};
constexpr ExcessUnitTexts kFromLbs{
    "Momentary excess values will be expressed as Lbs/1000 Barrels. Switch to mg/L? (Y/N)?",
    "Momentary excess values will now be expressed as mg/L",
    "No Change made!!! Momentary excess values will still be expressed as Lbs/1000 Barrels!",
    kMgPerLitre};

}  // namespace

void ToggleExcessUnits() {
    uint16_t& unit = displaySettings.precipitationUnit;
    const uint16_t onEntry = unit;
    if (unit > kLbsPerThousandBarrels) unit = kMgPerLitre;

    const ExcessUnitTexts& t = unit == kMgPerLitre ? kFromMgPerLitre : kFromLbs;
    const win::HWND owner = mainWindowState.mainWindow;
    if (win::MessageBoxA(owner, t.question, "WARNING", win::MB_YESNO) == win::IDYES) {
        unit = t.other;
        win::MessageBoxA(owner, t.switched, "WARNING", win::MB_ICONINFORMATION);
    } else {
        win::MessageBoxA(owner, t.unchanged, "WARNING", win::MB_ICONINFORMATION);
    }
    if (unit != onEntry) SaveUnitsFile();
}
