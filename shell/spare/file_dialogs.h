// Six file dialogs and the checksum test of the solubility data file: a small
// library that no command of the program calls.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The results of the dialogs: done, or cancelled by the user.
inline constexpr int32_t kFileDialogDone = 0;
inline constexpr int32_t kFileDialogCancelled = static_cast<int32_t>(0x800704C7);

// The open dialogs show the chosen path in a message box ("The selected file
// is"); the save dialogs take it and show nothing. Each returns done or
// cancelled.
int32_t OpenWorkspaceDialog(win::HWND owner);
int32_t OpenGraphicsDialog(win::HWND owner);
int32_t SaveFileDialogA(win::HWND owner);
int32_t SaveFileDialogB(win::HWND owner);
int32_t OpenFileDialog(win::HWND owner, const void* unused, const char* extension);
int32_t SaveFileDialogC(win::HWND owner, const void* unused, const char* extension);

// "File Open Error", captioned "File Error", with the stop icon.
void ShowFileOpenError();

// 0 when the first 1,528 bytes of "\FILES\FTN01.BIN" in the install folder have
// the expected checksums; -1 otherwise, when the file is shorter or cannot be
// opened.
int32_t CheckSolubilityFileCrc();
// One byte into the 0x1021 register, most significant bit first; the register
// is 32 bits wide and is not cut to 16.
uint32_t Crc16Step1021(uint32_t crc, uint8_t data, uint32_t polynomial);
// One byte into the reflected register, least significant bit first.
uint32_t Crc16StepA001(uint32_t crc, uint8_t data, uint32_t polynomial);

inline constexpr uint32_t kChecksumBytes = 1528;
// The checksums the data file is tested against (never set).
inline constexpr uint32_t kExpectedCrcA = 0;
inline constexpr uint32_t kExpectedCrc1021 = 0;
