// Laying out the value rows, the flows and acids groups and the bottom row of
// buttons of the water form and the multi-mix input.
#include "resources/analysis_value_rows.h"

namespace analysisrows {

namespace {

constexpr short kGroupInset = 4;  // rows inside a group box stand in from its frame
constexpr short kButtonHeight = 14;

}  // namespace

void RowBuilder::Caption(int id, const char* text, short x, short y, short cx, win::DWORD style) {
    Add("STATIC", id, text, style, x, static_cast<short>(y + shape_.captionDrop), cx,
        shape_.captionHeight);
}

short RowBuilder::Rows(std::span<const ValueRow> rows, short x, short y, short unitWidth) {
    for (const ValueRow& r : rows) {
        Caption(r.labelId, r.label, x, y, shape_.labelWidth);
        Edit(r.editId, static_cast<short>(x + shape_.labelWidth), y, shape_.editWidth);
        Caption(r.unitId, r.unit, static_cast<short>(x + shape_.labelWidth + shape_.editWidth + 4),
                y, unitWidth);
        y = static_cast<short>(y + shape_.rowPitch);
    }
    return y;
}

short RowBuilder::FlowsAndAcids(short x, short y, short columnWidth) {
    const short pitch = shape_.rowPitch;
    GroupBox("Flows", x, y, columnWidth, static_cast<short>(3 * pitch + 12));
    y = Rows(kFlows, static_cast<short>(x + kGroupInset), static_cast<short>(y + 10),
             static_cast<short>(shape_.unitWidth - 2 * kGroupInset));
    y = static_cast<short>(y + 4);
    GroupBox("C2 - C5 Acids", x, y, columnWidth, static_cast<short>(pitch + 14));
    const int ids[] = {C::kC2, C::kC3, C::kC4, C::kC5};
    const char* names[] = {"C2", "C3", "C4", "C5"};
    const auto pairWidth = static_cast<short>((columnWidth - 8) / 4);
    const auto row = static_cast<short>(y + 10);
    for (int i = 0; i < 4; ++i) {
        const auto px = static_cast<short>(x + 4 + i * pairWidth);
        Caption(kNoCaption, names[i], px, row, 10);
        Edit(ids[i], static_cast<short>(px + 11), row, static_cast<short>(pairWidth - 13));
    }
    return static_cast<short>(y + pitch + 14);
}

void RowBuilder::ButtonRow(std::span<const ButtonEntry> buttons, short x, short y, short rowWidth,
                           short gap, int defaultId) {
    const auto count = static_cast<short>(buttons.size());
    const auto width = static_cast<short>((rowWidth - (count - 1) * gap) / count);
    for (const ButtonEntry& e : buttons) {
        const win::DWORD style =
            e.id == defaultId ? (win::BS_DEFPUSHBUTTON | win::WS_TABSTOP) : win::WS_TABSTOP;
        Add("BUTTON", e.id, e.text, style, x, y, width, kButtonHeight);
        x = static_cast<short>(x + width + gap);
    }
}

}  // namespace analysisrows
