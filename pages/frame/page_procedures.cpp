// The named page procedures: each is its class's entry into the shared body.
#include "pages/frame/page_procedures.h"

#include "pages/frame/page_frame.h"

#define TARVEX_FORWARD(name, page)                                                             \
    win::LRESULT name(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) { \
        return PageWndProc(page, hwnd, msg, wParam, lParam);                                   \
    }

TARVEX_FORWARD(MUWndProc, PageClass::kMuWater)
TARVEX_FORWARD(DisWndProc, PageClass::kMuValues)
TARVEX_FORWARD(TempProfileWndProc, PageClass::kTempWater)
TARVEX_FORWARD(TempProfileValuesWndProc, PageClass::kTempValues)
TARVEX_FORWARD(pHProfileWndProc, PageClass::kPhWater)
TARVEX_FORWARD(pHProfileValuesWndProc, PageClass::kPhValues)
TARVEX_FORWARD(CycledWaterWndProc, PageClass::kCycledWater)
TARVEX_FORWARD(CycledValuesWndProc, PageClass::kCycledValues)
TARVEX_FORWARD(MixedWaterWndProc, PageClass::kMixedWater)
TARVEX_FORWARD(MixedValuesWndProc, PageClass::kMixedValues)
TARVEX_FORWARD(MixedWaterOutWndProc, PageClass::kMixedWaterOut)
TARVEX_FORWARD(MixedValuesOutWndProc, PageClass::kMixedValuesOut)
TARVEX_FORWARD(PressProfileWndProc, PageClass::kPressWater)
TARVEX_FORWARD(PressProfileValuesWndProc, PageClass::kPressValues)

#undef TARVEX_FORWARD
