// The logo of a report page: picture 111 on a colour printer, 112 (one bit per
// pixel) on a mono one, sized to the band of lines the page head and the
// identification block give it and stretched onto the printer.
#pragma once

#include "platform/window/win_types.h"

// Picture ids of the logo.
constexpr int kLogoColour = 111;
constexpr int kLogoMono = 112;

// The page set-up's step: the logo bitmap's size and a size that fits a box of
// 1.25 by 0.75 inch.
void MeasureReportLogo(win::HDC printer);
// The logo size for a band of `bandLines` lines below logoTop; nothing drawn.
int ScaleReportLogo(int bandLines);
// The logo size and place for the band from logoTop to the current line, then
// DrawReportLogo.
int PlaceReportLogo();
// Draws the logo on the printer at x and the band's centre (y is not used).
void DrawReportLogo(win::HDC dc, int x, int y);
