// What a change of product refreshes. Choosing a product or No Product, from
// the main menu, a page or a graph, ends here: the product state words, the
// data-changed flag, every page's stale flag, a repaint of the main window's
// result windows, the 11-station well profile when the well-log data
// is entered, and the multi-mix blend.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Recomputes every multi-mix source water and the blend (RecalcMultiMix of
// the application shell, which installs it at start-up; the default does
// nothing).
using RecalcMultiMixHook = void (*)(win::HWND owner);
void InstallRecalcMultiMixHook(RecalcMultiMixHook hook);

enum class ProductChange {
    kProduct,    // the table holds the product just loaded
    kNoProduct,  // dosing switched off
};

// The words of the choice, then everything that follows a change.
void ApplyProductChange(ProductChange change);
// How many changes of product the run has made: an open window that keeps the
// count of its last computation knows whether a product was chosen since,
// whichever window's command chose it.
[[nodiscard]] uint32_t ProductChanges();

// When the multi-mix blend is computed: RecalcMultiMix with the main window,
// editIndex put back, and the open result windows repainted.
void RefreshAfterProductChange();

// Invalidates (with erase) every top-level window the window owns.
void InvalidateOwnedWindows(win::HWND owner);
// Paints, at once, every top-level window the window owns that waits for a
// paint; the working analysis is kept, as the result pages keep it when they
// are repainted.
void PaintOwnedWindowsNow(win::HWND owner);
