// CreateGraphFont: faces, turns and weights of the graphs' text.
#include "graphs/axis/graph_font.h"

#include <cstring>

#include "platform/gdi/gdi.h"

bool GraphFontRequest(int32_t face, uint32_t systemFace, int32_t height, uint32_t quarterTurns,
                      uint32_t bold, win::LOGFONTA& request) {
    request = win::LOGFONTA{};
    const char* name = nullptr;
    if (face == 2) {
        name = "MS Sans Serif";
        request.lfCharSet = win::OEM_CHARSET;
        request.lfPitchAndFamily = win::FIXED_PITCH;
    } else if (systemFace != 0) {
        name = "terminal";
        request.lfCharSet = win::ANSI_CHARSET;
        request.lfPitchAndFamily = win::FIXED_PITCH;
    } else if (face == 0) {
        name = "Times New Roman Bold";
        request.lfCharSet = win::ANSI_CHARSET;
        request.lfPitchAndFamily = 0;
    } else if (face == 1) {
        name = "Arial Bold";
        request.lfCharSet = win::ANSI_CHARSET;
        request.lfPitchAndFamily = win::FF_SWISS;
    } else {
        return false;
    }
    request.lfHeight = height;
    request.lfWidth = 0;
    const int turns = static_cast<int>(quarterTurns * 900u);
    request.lfEscapement = turns;
    request.lfOrientation = turns;
    request.lfWeight = bold != 0 ? 700 : 400;
    request.lfQuality = win::PROOF_QUALITY;
    std::strncpy(request.lfFaceName, name, sizeof request.lfFaceName - 1);
    return true;
}

win::HFONT CreateGraphFont(int32_t face, uint32_t systemFace, int32_t height, uint32_t quarterTurns,
                           uint32_t bold) {
    win::LOGFONTA request;
    if (!GraphFontRequest(face, systemFace, height, quarterTurns, bold, request)) return nullptr;
    return win::CreateFontIndirectA(&request);
}
