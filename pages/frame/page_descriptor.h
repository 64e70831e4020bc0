// What differs between the result pages that share the one window procedure
// body: menu, titles, keyboard step and reach, line pitch, first line, the
// recompute step before drawing, the page builder, what a right click copies
// and how the copy is labelled.
#pragma once

#include "pages/frame/page_classes.h"
#include "platform/window/win_types.h"
#include "reporttext/report/report_builders.h"

// The keyboard step of a page: the font's row height or the shared line pitch
// that the last paint or printed report left in ReportPageGrid.
enum class PageStep { kRowHeight, kLineHeight };

// How a page computes its line pitch from the page font's metrics.
enum class PagePitch {
    kStandard,           // tmHeight + tmHeight / 12 + internal and external leading
    kRowHeight,          // tmHeight + external leading ("DisplayMUWater")
    kNoInternalLeading,  // tmHeight + tmHeight / 12 + external leading (temperature pages)
};

// What a right click on a value column puts on the clipboard.
enum class CopySource {
    kNone,              // the one-water pages: the right button does nothing
    kMixingPoint,       // point k of the mixing-ratio profile
    kPhPoint,           // point k of the pH profile
    kPressurePoint,     // point k of the pressure profile
    kTemperaturePoint,  // point k of the temperature profile
    kSourceWater,       // multi-mix source water k
    kBlend,             // the working analysis as it stands (the blend)
};

// How the copied analysis is labelled (its description text and the box).
enum class CopyLabel {
    kNone,
    kMixingPercent,    // "Analysis at " + percent + " %"
    kPh,               // "pH " + pH
    kPressure,         // "Pressure " + pressure
    kTemperature,      // "Analysis at " + temperature + "(Deg F)"
    kMixWaterPercent,  // "Mix Water " + weight percent + "%"
    kMixWater,         // "Mix Water " + weight percent
    kMultiMixed,       // "Multi Mixed Water "
};

// Page-specific work of the page Parts, run by the frame; null where a page
// has none.
using PageStepHook = void (*)(win::HWND page);

struct PageDescriptor {
    PageClass page;
    int menuId;
    const char* title;  // the title the shell gives the window (one-water pages: PageTitle)
    PageStep step;
    int reach;       // N: how far the page may go above the main window, in steps
    bool moveShows;  // the keyboard moves also show the window
    PagePitch pitch;
    int firstLine;      // F: the first line stands at (F - scroll position) x lineHeight
    ReportPage layout;  // the builder that lays the page out
    int profile;        // ProfileKind of the profile pages
    bool oneWater;      // the page shows its shownWater
    CopySource copy;
    CopyLabel label;
    int labelField;  // the description text the copy label goes to
    int widthCells;  // 80 or 85; 0: the source-water width rule
    // Before drawing, when its conditions hold; productSeen follows productSelected
    // after it on the pages that have one.
    PageStepHook recompute;
    PageStepHook create;    // the page-specific creation work
    PageStepHook setFocus;  // "DisplayMUValues" and "DisplayMixedValues" only
};

[[nodiscard]] const PageDescriptor& DescriptorOf(PageClass page);

// The title the shell gives a page; the one-water pages' titles follow the
// water they show (an engine water selector).
[[nodiscard]] const char* PageTitle(PageClass page, int water);

// What a page's builder lays out: the profile of a profile page, the water a
// one-water page shows (the blend on the blend pages), else the multi-mix
// source waters.
[[nodiscard]] ReportSource PageReportSource(PageClass page);

// The width of a page in character cells: 80 for the one-water and blend
// pages, 85 for the profile pages, and for the two source-water pages 82 while
// there are at most seven source waters, else 11 x lastWaterIndex + 16.
[[nodiscard]] int ResultPageWidthCells(PageClass page);
// The width in pixels of a page window whose client area, beside its sizing
// frame and vertical scroll bar, holds that many cells of the page font's
// average character width: the text's last column shows on a small desktop
// as on a large one.
[[nodiscard]] int ResultPageWidth(PageClass page, int cellWidth);
