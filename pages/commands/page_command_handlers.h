// The handlers of the result pages' menu commands, each run for a page that
// acts on its command (page_command_table.h).
#pragma once

#include "pages/commands/page_command_table.h"
#include "platform/window/win_types.h"

// Runs a command of the page's menu; false when the page does not act on it
// (nothing is done then). CLOSE is the frame's own and is not run here.
bool RunPageCommand(PageClass page, win::HWND hwnd, unsigned commandId);

void CopyPageReport(PageClass page, win::HWND hwnd, CopyCommand command);
void CopyPageForExcel(PageClass page, win::HWND hwnd);
// The page's report (COPY) or its group's (COPY ALL) in rich text, saved to a
// file the user names.
void SavePageRichText(PageClass page, win::HWND hwnd, CopyCommand command);
void PrintPage(PageClass page, win::HWND hwnd);
void PrintAllPages(PageClass page, win::HWND hwnd);
void SwitchAlkalinityForm(PageClass page, win::HWND hwnd, int form);
// The alkalinity block of a profile chemistry page in a form, its first row
// at y: per row the label at cell 4 and per point seven blanks, then the
// value in "%7.1f", at cell (k + 3) x 8.
void DrawAlkalinityBlock(PageClass page, win::HDC hdc, int form, int y, int cellWidth,
                         int lineHeight);
void ChooseProductForPage(PageClass page, win::HWND hwnd);
void ChangePageRange(PageClass page, win::HWND hwnd);
void CloseAllPages(PageClass page);

// The dialog procedures of the range dialogs (the single-water what-if
// settings and the mixing zone settings), installed by the input side; until
// then the dialog cannot open and the page goes on as after Cancel.
void InstallRangeDialogs(win::DLGPROC temper, win::DLGPROC cycle);
