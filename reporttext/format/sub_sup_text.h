// Labels with subscripts and superscripts: in a label text a '_' draws the one
// character after it lowered and a '^' the one character after it raised, each
// in a font two thirds as high and half as wide as the selected one ("CaCO_3",
// "(^oF)"). A doubled marker stands for the marker character itself, and a
// marker at the end of the text is drawn as itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window/win_types.h"

// Draws the label at (x, y) in the selected font, text colour and alignment of
// the device context, whose state is saved before and restored after. The
// marked character is placed a quarter of the font height further along the
// logical y axis for '_' and back along it for '^', so with a mapping whose y
// grows upward '^' lands lower and '_' higher. An empty text draws nothing.
// `length` is accepted for the callers that pass it and not used.
void TextOutSubSup(win::HDC hdc, int x, int y, const char* text, int length = -1);

// The width in logical units that TextOutSubSup gives the label: the markers
// take no room and the marked characters are measured in their smaller font.
[[nodiscard]] uint16_t GetSubSupTextWidth(win::HDC hdc, const char* text, int length = -1);

// A text the user typed (an ID, a description, a heading, a product name),
// drawn and measured as it stands: its '_' and '^' are characters like any
// other, so the user's text never turns into sub- or superscripts.
void TextOutTyped(win::HDC hdc, int x, int y, std::string_view text);
[[nodiscard]] int GetTypedTextWidth(win::HDC hdc, std::string_view text);

// A typed text made part of a label (a graph title built from the product's
// name): each '_' and '^' doubled, so that TextOutSubSup shows it as typed.
[[nodiscard]] std::string TypedTextInLabel(std::string_view typed);
