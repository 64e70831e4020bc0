// What the water form and the multi-mix input do alike with the fields they
// share: a date or time field left, the sulfide note, a calendar button and the
// colours of the fields.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// A sample date, report date or sample time field that lost the focus: its
// text is checked and shown again in canonical form (ReadDateField without
// storing, ReadTimeField); any other field is left alone.
void ReadLeftDateOrTime(win::HWND form, int controlId);

// The two-sulfide note set by the numbers in the H2S and pH2S fields, and the
// two fields and the note painted again in their colours.
void RefreshSulfideNote(win::HWND form);

// A calendar button: the date picked (starting from `date`) is stored and shown
// in `field`.
void PickCalendarDate(win::HWND form, int field, int32_t& date);

// WM_CTLCOLOREDIT (`edit`) and WM_CTLCOLORSTATIC: the text colour of the
// control and the brush behind it. Edits are on white, the rest transparent on
// the button face; the H2S and pH2S fields and the note are dark red while both
// gases are entered, and with `balancedValues` the values the balancing changed
// are red; everything else is in the shared text colour.
win::INT_PTR FormControlColour(win::WPARAM dc, win::LPARAM control, bool edit, bool balancedValues);
