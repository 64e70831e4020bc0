// ConstantValues: "Select Constant Recirculating Water Concentrations"
// (template 31), phosphate and silica held at a fixed concentration.
#pragma once

#include "platform/window/win_types.h"

// Runs ConstantValues modally for `window`; the dialog's result (1).
int ChooseConstantValues(win::HWND window);

win::INT_PTR ConstantValues(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                            win::LPARAM lParam);

inline constexpr const char* kConstantValuesHelpText =
    "Placing a check in the box activates the constant value function for the respective "
    "compound (phosphate or silica). When checked, the constant value entered will be "
    "maintained for WHATIF SCENARIOS, regardless of makeup water concentration.";
