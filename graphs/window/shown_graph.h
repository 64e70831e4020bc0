// The graph the open 2D graph window shows, kept with the window. The painter
// reads the kind of graph and its axis from shared records (graphProfileKind,
// graphAxisData) that every graph command, profile run and summary page
// writes; the window keeps its own copy when it lays its axis and puts it back
// before it paints, prints, exports, answers a click or computes again, so
// that another window's work never relabels it.
#pragma once

#include <cstdint>

#include "graphs/two_d_graph_records.h"
#include "platform/window/win_types.h"

struct ShownGraph {
    win::HWND window;  // the window kept for; null when none
    uint32_t kind;     // graphProfileKind as its command set it
    GraphAxisData axis;
    uint32_t productChanges;  // ProductChanges() at its last computation
};

// Keeps the shared records as they stand now as `window`'s graph.
void KeepShownGraph(win::HWND window);
// Puts `window`'s kept graph into the shared records for as long as it lives
// and the records as they were back as it ends, so that a window painting in
// the middle of another command leaves that command's graph as it was;
// nothing for a window with nothing kept.
class ShownGraphInPlace {
  public:
    explicit ShownGraphInPlace(win::HWND window);
    ~ShownGraphInPlace();
    ShownGraphInPlace(const ShownGraphInPlace&) = delete;
    ShownGraphInPlace& operator=(const ShownGraphInPlace&) = delete;

  private:
    bool active_ = false;
    uint32_t kind_ = 0;
    GraphAxisData axis_{};
};
// Puts `window`'s kept graph into the shared records for good (before the
// window computes or lays out again from them).
void PutShownGraphInPlace(win::HWND window);
// The kept graph of `window`, or null.
[[nodiscard]] const ShownGraph* ShownGraphOf(win::HWND window);
// Notes that `window`'s graph was computed for the product now chosen.
void ShownGraphComputed(win::HWND window);
// Forgets `window`'s graph (the window is going).
void ForgetShownGraph(win::HWND window);
