// The state of the pH-alkalinity graph between paints: its caption texts,
// how the next paint is styled, its graph font, and the printer page the
// print command measured for it.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_types.h"

constexpr int kAlkCaptionChars = 80;

struct AlkGraphState {
    char title[kAlkCaptionChars];     // emptied when the window is made, refilled by each paint
    char xCaption[kAlkCaptionChars];  // a caption whose text is empty is not drawn
    char yCaption[kAlkCaptionChars];
    uint32_t paperStyle;  // 1 while the window paints for a copy, a file or a picture print
    uint32_t printing;    // the last paint went to the printer
    win::HFONT graphFont;
    uint32_t graphFontMade;
    win::HGDIOBJ savedFont;  // the device context's font when the paint began
    int32_t printerWidth;    // HORZRES and VERTRES of the printer of the print under way
    int32_t printerHeight;
};
extern AlkGraphState alkGraphState;

void ResetAlkGraphRecords();
