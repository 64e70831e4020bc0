// AlkpH: "Input pH-Alkalinity Relationship" (templates 32 to 35), up to ten
// measured pairs of M alkalinity and pH fitted into the user's curve.
#pragma once

#include "platform/window/win_types.h"

// The template for a main window client area `height` pixels high: 33 up to
// 900, 34 up to 1000, 32 below 1200, 35 from 1200.
[[nodiscard]] int AlkCurveTemplate(int height);

// Runs AlkpH modally for `owner` by the height of its client area; afterwards,
// when the workspace has changed, the profiles and the blend are marked stale.
void ShowAlkpHDialog(win::HWND owner);

win::INT_PTR AlkpH(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// The windows the dialog's Graph and Help buttons open, owned by the dialog.
// The graph window installs its own at start-up; until then each says that it
// is not available.
struct AlkCurveViews {
    void (*showGraph)(win::HWND dialog);  // the graph of the stored curve
    void (*showHelp)(win::HWND dialog);   // the dialog's help window
};
// Null members put the defaults back.
void InstallAlkCurveViews(const AlkCurveViews& views);

inline constexpr const char* kTooFewPairsText =
    "I'm sorry, you must enter at least 2 pH-alkalinity pairs! Please input the additional "
    "points from actual or extrapolated data. Press ESCAPE to exit. Any other key to resume.";
inline constexpr const char* kChooseUserCurveText =
    "A USER DEFINED pH-ALKALINITY CURVE HAS BEEN ENTERED. DID YOU WISH TO CHOOSE THIS USER "
    "CURVE AS THE pH PREDICITON METHOD?";
inline constexpr const char* kChooseUserCurveCaption = "SELECT USER DEFINED CURVE?";
inline constexpr const char* kGraphNotAvailableText =
    "The pH-alkalinity graph is not available in this version.";
inline constexpr const char* kHelpNotAvailableText =
    "Help for the pH-alkalinity curve is not available in this version.";
