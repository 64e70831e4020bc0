// The Change Range dialogs of the graph windows (caption "Change Range"): one
// dialog body over the twelve members of range_members.h. Each member has an
// opener (given the graph window; returns 1 however the dialog ended), a
// dialog procedure, an initialiser and a validator.
//
// The dialog opens over a reduced picture of the graph (the snapshot of the
// window in the graph slot, kept until the dialog ends), fills its fields from the settings and
// warns about degenerate ranges. OK reads the fields in order and stores each value that passes its
// limits at once; a refused value asks "... Did you wish to re-enter (Y/N)?": Yes keeps the dialog
// open at that field, No keeps the old value and reads on. An OK that read every field clears the
// done flags of the results whose ranges changed. Cancel leaves the settings as they were when the
// dialog opened. The graph windows pick the member (the 3D window by its grid, the 2D window by its
// profile) and recompute after it.
#pragma once

#include <cstdint>

#include "graphs/range/range_members.h"
#include "platform/window/win_types.h"

// The one body of the twelve dialog procedures.
win::INT_PTR RangeDialogProc(const RangeMember& member, win::HWND dialog, win::UINT msg,
                             win::WPARAM wParam, win::LPARAM lParam);
// Runs a member's template as a modal dialog of the program instance owned by
// `graphWindow`; returns 1.
int OpenRangeDialog(const RangeMember& member, win::HWND graphWindow);
// The initialiser: remembers the settings (rangeSnapshot), sets the unit
// label, shows the opening warnings and fills the fields.
void InitRangeDialog(const RangeMember& member, win::HWND dialog);
// The validator: 0 when every field was stored, -1 when a refused value was
// kept at its old value, else the id of the field the user chose to re-enter.
int ReadRangeDialog(const RangeMember& member, win::HWND dialog);

// The members by their own names.
// 3D: template 191, pH by temperature.
int ChangeRangeTempPH(win::HWND graphWindow);
win::INT_PTR RangeTempPHDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangeTempPH(win::HWND dialog);
int ReadRangeTempPH(win::HWND dialog);
// 3D: template 200, pCO2 by temperature.
int ChangeRangeTempPCO2(win::HWND graphWindow);
win::INT_PTR RangeTempPCO2DlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangeTempPCO2(win::HWND dialog);
int ReadRangeTempPCO2(win::HWND dialog);
// 3D: template 193, pH by temperature at a mixing percent.
int ChangeRangeTempPHPct(win::HWND graphWindow);
win::INT_PTR RangeTempPHPctDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangeTempPHPct(win::HWND dialog);
int ReadRangeTempPHPct(win::HWND dialog);
// 3D: template 205, pCO2 by temperature at a mixing percent.
int ChangeRangeTempPCO2Pct(win::HWND graphWindow);
win::INT_PTR RangeTempPCO2PctDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangeTempPCO2Pct(win::HWND dialog);
int ReadRangeTempPCO2Pct(win::HWND dialog);
// 3D: template 194, mixing percent by temperature.
int ChangeRangeTempPct(win::HWND graphWindow);
win::INT_PTR RangeTempPctDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangeTempPct(win::HWND dialog);
int ReadRangeTempPct(win::HWND dialog);
// 3D: template 195, pH by mixing percent.
int ChangeRangePHPct(win::HWND graphWindow);
win::INT_PTR RangePHPctDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangePHPct(win::HWND dialog);
int ReadRangePHPct(win::HWND dialog);
// 3D: template 201, pCO2 by mixing percent.
int ChangeRangePCO2Pct(win::HWND graphWindow);
win::INT_PTR RangePCO2PctDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangePCO2Pct(win::HWND dialog);
int ReadRangePCO2Pct(win::HWND dialog);
// 3D: template 208, pressure by temperature.
int ChangeRangeTempPress(win::HWND graphWindow);
win::INT_PTR RangeTempPressDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangeTempPress(win::HWND dialog);
int ReadRangeTempPress(win::HWND dialog);
// 2D: template 198, the pH (or pCO2) profile.
int ChangeRangePHAtTemp(win::HWND graphWindow);
win::INT_PTR RangePHAtTempDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangePHAtTemp(win::HWND dialog);
int ReadRangePHAtTemp(win::HWND dialog);
// 2D: template 202, the temperature profile.
int ChangeRangeTempAtPH(win::HWND graphWindow);
win::INT_PTR RangeTempAtPHDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangeTempAtPH(win::HWND dialog);
int ReadRangeTempAtPH(win::HWND dialog);
// 2D: template 196, the mixing ratio profile.
int ChangeRangePercent(win::HWND graphWindow);
win::INT_PTR RangePercentDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangePercent(win::HWND dialog);
int ReadRangePercent(win::HWND dialog);
// 2D: template 207, the pressure profile.
int ChangeRangePressAtTemp(win::HWND graphWindow);
win::INT_PTR RangePressAtTempDlgProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
void InitRangePressAtTemp(win::HWND dialog);
int ReadRangePressAtTemp(win::HWND dialog);
