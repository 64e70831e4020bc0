// The browse-and-delete dialogs: work files (template 52, What's Stored), and
// the raw-data (75) and inhibitor (76) files, which no command opens.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Runs dialog 52 modally, owned by `owner`.
void BrowseWorkFiles(win::HWND owner);
win::INT_PTR BrowseWat(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

void DeleteCorFile(win::HWND owner);
void DeleteInhFile(win::HWND owner);
win::INT_PTR DeleteCorFileDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam);
win::INT_PTR DeleteInhFileDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam);

// An inhibitor record of the older 439-byte layout in the 523-byte layout: its
// bytes copied, the seven limit codes at 439 + 4i cleared, the seven limit
// pairs at 467 + 8i -99.0.
void WidenInhibitorRecord(const uint8_t* older, uint8_t* record);

inline constexpr const char* kDeleteQuestionCaption = "WARNING - VERIFY FILE DELETION REQUEST";
inline constexpr const char* kNotDeletedCaption = "WARNING - FILE NOT DELETED";
inline constexpr const char* kDeletedCaption = "FILE DELETED";
