// The 2D graph window's own kind and axis, kept apart from the shared records.
#include "graphs/window/shown_graph.h"

#include "graphs/records.h"
#include "treatment/product/product_change.h"

namespace {

// One 2D graph window is open at a time (the graph slot holds one window).
ShownGraph shown{};

}  // namespace

void KeepShownGraph(win::HWND window) {
    const uint32_t changes = shown.window == window ? shown.productChanges : ProductChanges();
    shown = ShownGraph{window, graphProfileKind, graphAxisData, changes};
}

void PutShownGraphInPlace(win::HWND window) {
    if (window == nullptr || shown.window != window) return;
    graphProfileKind = shown.kind;
    graphAxisData = shown.axis;
}

ShownGraphInPlace::ShownGraphInPlace(win::HWND window) {
    if (window == nullptr || shown.window != window) return;
    active_ = true;
    kind_ = graphProfileKind;
    axis_ = graphAxisData;
    PutShownGraphInPlace(window);
}

ShownGraphInPlace::~ShownGraphInPlace() {
    if (!active_) return;
    graphProfileKind = kind_;
    graphAxisData = axis_;
}

const ShownGraph* ShownGraphOf(win::HWND window) {
    return window != nullptr && shown.window == window ? &shown : nullptr;
}

void ShownGraphComputed(win::HWND window) {
    if (window != nullptr && shown.window == window) shown.productChanges = ProductChanges();
}

void ForgetShownGraph(win::HWND window) {
    if (shown.window == window) shown = ShownGraph{};
}
