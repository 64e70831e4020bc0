// The water form's value fields: which edit holds which analysis element, in
// the order the form is read, and the unit caption beside each.
#pragma once

#include <cstdint>
#include <span>

#include "platform/window/win_types.h"

// An edit that holds one element of the working analysis.
struct ElementField {
    int controlId;
    int element;       // AnalysisElement
    const char* name;  // the field's caption, as a message names it
};
// Every such field except the pH, in the order the form reads them (the pH,
// residence time, corrosion target and acids are read in their own steps).
[[nodiscard]] std::span<const ElementField> ElementFields();

// The name of an analysis value no field of the form shows (the calculation's
// own values, the modes it carries, the spare slots), as a message names it;
// nullptr for an element a field shows.
[[nodiscard]] const char* UnshownValueName(int element);

// The edits of the C2, C3, C4 and C5 acids.
[[nodiscard]] std::span<const int> AcidFields();
// The seven description edits, for description lines 0 to 6 (line 7 is the ID).
[[nodiscard]] std::span<const int> DescriptionFields();

// The fields shown in red when the balancing changed them, in the order of
// redFields: sodium, potassium, chloride, sulfate, nitrate, pH.
[[nodiscard]] std::span<const int> RedFieldIds();
// redFields entry of a control, -1 for a control that never turns red.
[[nodiscard]] int RedFieldIndex(int controlId);

// The caption of a unit: the text of `code` for UnitCodes item `item`, nullptr
// when the item has no such code.
[[nodiscard]] const char* UnitCaptionText(int item, int code);
// A unit caption control and the UnitCodes item it names.
struct UnitCaption {
    int captionId;
    int item;
};
[[nodiscard]] std::span<const UnitCaption> UnitCaptions();
