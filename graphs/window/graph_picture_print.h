// Printing a graph window's picture: the 2D-family windows print through a
// picture when the printer's driver should not draw the graph itself.
#pragma once

#include "platform/window/win_types.h"

// The rectangle, in thousandths of an inch from the page's top-left corner,
// that a picture printed on a page of `widthMils` x `heightMils` gets on a
// printer of the given resolutions: the page cut to 4:3 (corrected for
// non-square pixels).
[[nodiscard]] win::RECT GraphPictureRectangle(int widthMils, int heightMils, int logPixelsX,
                                              int logPixelsY);

// Paints the graph (renderTarget 3, exportingGraph 1, printingGraph 0) into
// the window, captures it one pixel wider and higher and prints it with the
// image library as a document of its own, named after the window's title;
// the job's Cancel stops it. Leaves both 2D-family flags 0. The caller ends
// the job without ending a document.
void PrintGraphPicture(win::HWND window, win::HDC printer, void (*paint)(win::HDC, win::HWND));

// Whether the printer prints colour, which printColorAvailable then says;
// colorNow is colour only on such a printer and there only while the user
// prints in colour (printColor 1).
bool ChoosePrintColour(win::HDC printer);
