// Four small modal list choosers, each with a wrapper that opens it and hands
// the choice back: a saturation level (template 66), a dosage or corrosion
// graph (64), a mineral for the graphs (63) and an axis transform (65). Each
// keeps its state for the whole run (chooser_records.h) and opens on its last
// choice. Text outputs are cut to fit the caller's buffer.
#pragma once

#include <cstdint>
#include <span>

#include "platform/window/win_types.h"

// The level's code from satLevelCodes, with the level's short name in `name`;
// -1 and an empty name after Cancel.
int16_t PickSaturationLevel(win::HWND owner, std::span<char> name);
win::INT_PTR SatLevelDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam);

// The chosen row (0 scale inhibitor dosage, 1 corrosion inhibitor dosage, 2
// general and 3 local corrosion rate) with its text; -1 after Cancel, when
// `text` gets the last text chosen. The second argument is not read.
int ChooseDosageGraph(win::HWND owner, int unused, std::span<char> text);
win::INT_PTR OpenDosageGraphDialog(win::HWND owner);
win::INT_PTR ChooseDosageGraphDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM lParam);

// Stores `code` as the requested code and lets the user pick one of 21
// minerals; OK puts its row into GraphChoice's mineral position. Returns 0
// with the row's text, or -1 when the chosen row is -1.
int ChooseMineralGraph(win::HWND owner, int code, std::span<char> text);
win::INT_PTR OpenMineralGraphDialog(win::HWND owner);
win::INT_PTR ChooseMineralGraphDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                       win::LPARAM lParam);

// The transform of an axis: -1 as is, 0 deactivated, 1 log(x), 2 log(x-1), 3
// 1/x, 4 1/RT. `kind` rules out rows: kind 0 has no 1/RT, kind 1 no
// log(x-1), kind 2 neither "DEACTIVATE", log(x-1) nor 1/RT. Returns the chosen
// transform with its text, or `current` with its text after Cancel.
int ChooseAxisTransform(win::HWND owner, int current, int kind, std::span<char> text);
win::INT_PTR OpenAxisTransformDialog(win::HWND owner);
win::INT_PTR AxisTransformDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam);

// The chooser's state after Cancel.
constexpr int32_t kSatLevelCancelled = -99;
constexpr int32_t kTransformCancelled = -99;
