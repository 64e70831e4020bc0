// The names of the one-page summary graph codes.
#pragma once

constexpr int kGraphNameChars = 80;

// Writes the name of summary-graph `code` into `text` (kGraphNameChars bytes):
// a mineral's saturation (below 100) or precipitation (100 to 121) graph, a
// plain index, the product's dose or corrosion profile (89), the acid (90) or
// alkali (91) dose; any other code names the product.
void GetGraphChoiceName(int code, char* text);
