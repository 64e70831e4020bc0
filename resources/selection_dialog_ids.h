// Numeric ids of the preference dialogs: the windows-to-display and
// print-selection dialogs, the printout size dialog and the About box, with
// the controls their code addresses, and the About picture.
#pragma once

namespace SelectionDialogId {
enum : int {
    kAbout1080 = 21,  // About: desktops 1080 to 1279 and from 1600 pixels high
    kAbout900 = 22,   // ... up to 900
    kAbout1079 = 23,  // ... 901 to 1079
    kAbout1599 = 24,  // ... 1280 to 1599
    kPrintoutSize = 79,
    kMixedWindows = 181,
    kSurfaceWindows = 182,
    kChemItems = 183,         // desktops 901 to 1279 and from 1600 pixels high
    kChemItems1599 = 184,     // ... 1280 to 1599
    kChemItemsCompact = 185,  // ... up to 900
    kIndicators = 187,
    kIndicators1599 = 188,
    kIndicatorsCompact = 189,
};
}  // namespace SelectionDialogId

// The main window's command that no menu item carries: it does nothing.
inline constexpr unsigned kNoOperationCommand = 213;

// The About picture.
inline constexpr int kAboutPictureId = 110;

// Dialog 79.
namespace PrintoutSizeControl {
enum : int {
    kLines = 517,     // edit: lines per screen
    kLinesBar = 518,  // horizontal scroll bar, 25 to 55
};
}  // namespace PrintoutSizeControl

// The "Select All" buttons of the print selections.
namespace SelectionControl {
enum : int {
    kSelectAllSaturation = 231,
    kSelectAllExcess = 232,
    kSelectAllIndices = 234,
    kSelectAllChemistry = 287,
};
}  // namespace SelectionControl
