// The report fonts and the logo layout of the last page set-up.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The seven "Tahoma" report fonts. bodyFont and boldFont use the OEM
// character set (code page 437: byte 0xF8 is the degree sign of the captions);
// user texts (descriptions, comments, names: Windows-1252) go in the ANSI
// twins bodyFontAnsi and boldFontAnsi, so "Süd" prints as typed.
struct ReportFonts {
    win::HFONT boldFont;      // h, bold, OEM: rules, titles, measuring textWidth
    win::HFONT bodyFont;      // h, normal, OEM: body lines
    win::HFONT bodyFontAnsi;  // h, normal, ANSI: identification blocks
    win::HFONT boldFontAnsi;  // h, bold, ANSI: the heading file's subtitle lines
    win::HFONT largeFont;     // h / 0.8, bold, ANSI: one-page renderers
    win::HFONT headingFont;   // h / 0.65, bold, ANSI: the heading file's title line
    win::HFONT largestFont;   // h / 0.55, bold, ANSI: one-page renderers
    // One flag per font above, in that order: it was created by a set-up and the
    // next set-up deletes it.
    uint16_t created[7];
    win::HFONT pageFont;   // bold OEM font of height h, made first to measure with
    win::HFONT savedFont;  // the printer DC's font before the set-up
};
extern ReportFonts reportFonts;

// The logo's layout on the page; all lengths in device pixels.
struct ReportLogoLayout {
    int32_t logoBitmapWidth;  // pixels of the logo bitmap
    int32_t logoBitmapHeight;
    int32_t logoWidth;  // its drawn size
    int32_t logoHeight;
    int32_t logoTop;         // y of the page's top rule (set by the report)
    int32_t logoBandBottom;  // bottom of the band the identification block gives it
    double logoScaleX;
    double logoScaleY;
    double dpiX;  // LOGPIXELSX, LOGPIXELSY
    double dpiY;
};
extern ReportLogoLayout reportLogoLayout;

void ResetReportPageRecords();
