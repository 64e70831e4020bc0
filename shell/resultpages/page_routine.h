// Showing the result pages of a command. The pages of one command are listed in
// order; each opens only when its windows-to-display switch is 0. A page that is
// not open is created at its place of the cascade (its home), one that is open
// is shown and updated where it is. The command ends at the first page that
// cannot be created; the pages opened before it stay. An open page of one
// water is turned to the command's water and painted as a new one is.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "pages/frame/page_classes.h"
#include "platform/window/win_types.h"

struct PageToShow {
    PageClass page;
    uint32_t displaySwitch;       // 0: the page is shown
    bool plainStyle = false;      // an overlapped window without the vertical scroll bar
    bool invalidateOpen = false;  // an open page is invalidated before it is shown
};

// The page font's average character width and line pitch (tmHeight + external
// leading), measured on the main window.
struct PageFontCell {
    int width = 0;
    int pitch = 0;
};
[[nodiscard]] PageFontCell MeasurePageCell(win::HWND mainWindow);

// Where the cascade of a command starts: the first page's home, each further
// listed page (shown or skipped) one step right and down.
enum class PageCascade {
    kStandard,   // (pageOriginX, pageOriginY), the main window's placement
    kFormation,  // (8 average character widths, 5 line pitches) of the page font
    kPressure,   // (4 average character widths, 3 line pitches)
};

// Shows the pages in order with their titles for `water` (an engine water
// selector), then shows the main window maximised. False when a page could not
// be created.
bool ShowResultPages(win::HWND mainWindow, std::initializer_list<PageToShow> pages,
                     PageCascade cascade, int water);

// The home of the page listed at `index` of a command's list.
[[nodiscard]] win::POINT CascadeHome(PageCascade cascade, int index);

// After a command that stored or recalculated a water, or only its
// identification: every open result page, summary and graph window paints
// the current results again at once, the two one-water pages turned to
// `water` first (window title included) when it is a water selector; -1 leaves
// them on the water they show. The working analysis is left as it was.
void RefreshOpenPages(int water);

// After New or Open: a result page or summary window whose results the
// workspace no longer holds closes, rather than go on showing those of the
// workspace before (after New, every one closes, and the graph window too).
void ClosePagesWithoutResults();
